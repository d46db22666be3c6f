#include "frmSetUpPrinters.h"

#include <QRegularExpression>

#include "modSetUpPrinters.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/printer.h"

using platform::form;

namespace {
const QString kDeviceSet = QStringLiteral("DEVICE SET");
const QString kTitle = QStringLiteral("Printer Setup");
}  // namespace

const QString frmSetUpPrinters::kInstructions = QStringLiteral(
    "1. Choose printer to be setup.                                 2. Press PRINT SETUP.      "
    "                                  3. Take printout and fold at + signs.                   "
    "   4. Line up top of setup page with top of  Avery            5160 sheet.                 "
    "                                      5. Note line number of SetUp page which  is         "
    "       closest to top of upper left label  (without being        on or above it).         "
    "                                          6. Click on number in box below and press       "
    "            UPDATE.");

frmSetUpPrinters::frmSetUpPrinters() : Form(QStringLiteral("frmSetUpPrinters")) {}

void frmSetUpPrinters::build(QWidget* w, frmSetUpPrinters_ui::Controls& c) {
    w->setWindowTitle(kTitle);
    platform::set_client_size(w, 8640, 5640);

    c.Label1 =
        platform::make_label(w, "Label1", QStringLiteral("PRINTER SETUP"), 240, 120, 8160, 480);
    QFont heading(QStringLiteral("Liberation Sans"));
    heading.setPointSizeF(15.75);
    heading.setBold(true);
    c.Label1->setFont(heading);
    c.Label1->setAlignment(Qt::AlignCenter);

    // The runs of blanks started a new line for each step on the original label; here they do so
    // explicitly, so the steps read the same in any font.
    QString steps = kInstructions;
    steps.replace(QRegularExpression(QStringLiteral(" {2,}")), QStringLiteral(" "));
    steps.replace(QRegularExpression(QStringLiteral(" (?=[2-6]\\. )")), QStringLiteral("\n"));
    c.Label2 = platform::make_label(w, "Label2", steps, 240, 720, 4200, 3960);
    c.Label2->setWordWrap(true);
    c.Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    c.lstPrinters = new QListWidget(w);
    c.lstPrinters->setObjectName(QStringLiteral("lstPrinters"));
    platform::place(c.lstPrinters, 4680, 720, 3720, 2460);

    c.cmbPrinter = new QComboBox(w);
    c.cmbPrinter->setObjectName(QStringLiteral("cmbPrinter"));
    platform::place(c.cmbPrinter, 4680, 3360, 3720, 345);

    c.Label3 =
        platform::make_label(w, "Label3", QStringLiteral("LINE NUMBER ="), 4680, 3960, 1800, 345);
    QFont bold = c.Label3->font();
    bold.setBold(true);
    c.Label3->setFont(bold);
    c.cmbLineNumber = new QComboBox(w);
    c.cmbLineNumber->setObjectName(QStringLiteral("cmbLineNumber"));
    c.cmbLineNumber->setEditable(true);
    c.cmbLineNumber->setInsertPolicy(QComboBox::NoInsert);
    for (int n = 1; n <= 10; ++n) c.cmbLineNumber->addItem(QString::number(n));
    c.cmbLineNumber->setCurrentText(QStringLiteral("1"));
    platform::place(c.cmbLineNumber, 6600, 3960, 1200, 345);

    c.cmdComplete =
        platform::make_button(w, "cmdComplete", QStringLiteral("UPDATE"), 480, 4800, 2280, 495);
    c.cmdPrintSetUp = platform::make_button(w, "cmdPrintSetUp", QStringLiteral("PRINT SETUP"), 3180,
                                            4800, 2280, 495);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("EXIT"), 5880, 4800, 2280, 495);

    platform::on_click(c.cmdComplete, [this] { cmdComplete_Click(); });
    platform::on_click(c.cmdPrintSetUp, [this] { cmdPrintSetUp_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmSetUpPrinters::Form_Load() {
    auto& module = form<modSetUpPrinters>();
    if (!module.printer_table_loaded) module.load_printer_table();
    auto& c = ui();
    platform::Printer& p = platform::printer();
    for (const QString& device : p.Printers()) {
        bool stored = false;
        for (const common::PrinterSlot& slot : module.printer_table)
            if (slot.name == device) stored = true;
        c.lstPrinters->addItem((stored ? QStringLiteral("Y - ") : QStringLiteral("N - ")) + device);
        c.cmbPrinter->addItem(device);
    }
    c.cmbPrinter->setCurrentIndex(c.cmbPrinter->findText(p.DeviceName(), Qt::MatchExactly));
    table_changed = false;
}

void frmSetUpPrinters::cmdComplete_Click() {
    auto& c = ui();
    const QString name = c.cmbPrinter->currentText();
    // An empty name would read as a free slot.
    if (name.isEmpty()) return;
    bool whole = false;
    const int line = c.cmbLineNumber->currentText().trimmed().toInt(&whole);
    if (!whole || line < 1 || line > 10) {
        platform::msgbox(QStringLiteral("THE LINE NUMBER MUST BE A WHOLE NUMBER FROM 1 TO 10"),
                         platform::vbExclamation, kDeviceSet);
        return;
    }
    auto& table = form<modSetUpPrinters>().printer_table;
    for (common::PrinterSlot& slot : table) {
        if (modSetUpPrinters::is_free(slot)) {
            slot = {name, line};
            table_changed = true;
            platform::msgbox(name + QStringLiteral(" SUCCESSFULLY ADDED"),
                             platform::vbOKCancel + platform::vbExclamation, kDeviceSet);
            return;
        }
        if (slot.name == name) {
            if (platform::msgbox(
                    QStringLiteral("THIS OUTPUT DEVICE ALREADY SET. PRESS OK TO RESET"),
                    platform::vbOKCancel + platform::vbExclamation, kDeviceSet) == platform::vbOK) {
                slot.line = line;
                table_changed = true;
            }
            return;
        }
    }
    // Fifteen other printers are stored: say so rather than drop the line number unseen.
    platform::msgbox(QStringLiteral("PRINTER TABLE FULL"), platform::vbExclamation, kDeviceSet);
}

void frmSetUpPrinters::cmdPrintSetUp_Click() {
    platform::Printer& p = platform::printer();
    const QString previous = p.DeviceName();
    p.select_by_name(ui().cmbPrinter->currentText());
    try {
        platform::PrintCommand command(QStringLiteral("Printer setup page.pdf"));
        if (!command.cancelled()) {
            modTestPRint::print_setup_page();
            command.finish();
        }
    } catch (const platform::VbError& e) {
        platform::msgbox(e.description(), platform::vbExclamation, QStringLiteral("PRINT FAILED"));
    }
    p.select_by_name(previous);
}

void frmSetUpPrinters::cmdCancel_Click() {
    if (table_changed) {
        try {
            form<modSetUpPrinters>().save_printer_table();
        } catch (const platform::VbError&) {
            platform::msgbox(QStringLiteral("The printer table could not be saved in printers.ovr. "
                                            "The line numbers apply until the program ends."),
                             platform::vbExclamation, kTitle);
        }
    }
    unload();
}
