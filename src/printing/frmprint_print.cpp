// The print dialog's PRINT: the printer, the record choice and the hand-off to each printout.
#include "frmprint.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "printing/frmSetUpReturn.h"
#include "printing/modReturnLabels.h"
#include "printing/modSetUpPrinters.h"
#include "printing/sheets.h"
#include "shell/frmOVRA.h"

using platform::form;

namespace {

const QString kCancelled = QStringLiteral("PRINT CANCELLED");

// The sheet's load prompt; true when the user answered OK.
bool load_labels(const QString& avery) {
    return platform::msgbox(QStringLiteral("LOAD AVERY %1 LABELS INTO PRINTER").arg(avery),
                            platform::vbOKCancel + platform::vbExclamation,
                            QStringLiteral("LOAD LABELS")) == platform::vbOK;
}

QString failure_text(const platform::VbError& e) {
    if (e.number() == platform::kErrPrintCancelled) return kCancelled;
    return QStringLiteral("PRINTING FAILED: %1").arg(e.description().toUpper());
}

// The PDF file name offered for a printout.
QString suggested_file(const printing::PrintRequest& r) {
    using printing::OutputType;
    switch (r.output) {
        case OutputType::PhoneList:
            return QStringLiteral("Phone list.pdf");
        case OutputType::AddressBook:
            return QStringLiteral("Address book.pdf");
        case OutputType::ReturnLabels:
            return QStringLiteral("Return labels 5167.pdf");
        case OutputType::MailingLabels:
            break;
    }
    const QString avery = r.sheet == printing::Sheet::Shipping ? QStringLiteral("5163")
                          : r.sheet == printing::Sheet::Invite ? QStringLiteral("5662")
                                                               : QStringLiteral("5160");
    return QStringLiteral("Mailing labels %1.pdf").arg(avery);
}

}  // namespace

void frmprint::comprint_Click() {
    auto& c = ui();
    select_printer();
    c.lblselwarning->setText(QString());
    if (c.optprint1->isChecked()) {
        run(printing::print_phone_list);
    } else if (c.Optprint2->isChecked()) {
        run(printing::print_address_book);
    } else if (c.Optprint4->isChecked()) {
        print_return_labels();
    } else if (!c.Option4->isChecked()) {
        run(printing::print_mailing_labels);
    } else {
        quick_print();
    }
}

void frmprint::select_printer() {
    TopPosition = form<modSetUpPrinters>().select_printer(ui().cmbPrinter->currentText());
}

// Runs one printout of households as one print command, with PRINT and CANCEL off meanwhile.
void frmprint::run(printing::PrintResult (*runner)(const printing::PrintRequest&)) {
    auto& c = ui();
    const printing::PrintRequest request = print_request();
    // Every printout in one order: its choices, a printer that can print, the sheets in the
    // printer, and only then the print command, whose PDF file is asked for as it opens.
    if (const auto refused = printing::refused_choices(request, request.output)) {
        apply(*refused);
        return;
    }
    if (!printer_ready()) return;
    if (request.output == printing::OutputType::MailingLabels) {
        const sheets::LabelSheet* sheet = printing::label_sheet(request.sheet);
        if (!sheet) return;  // no sheet chosen: the run ends without a word
        if (!load_labels(sheet->avery)) {
            c.lblselwarning->setText(kCancelled);
            return;
        }
    }
    platform::PrintCommand command(suggested_file(request));
    if (command.cancelled()) {
        c.lblselwarning->setText(kCancelled);
        return;
    }
    c.comprint->setEnabled(false);
    c.Comcancel->setEnabled(false);
    printing::PrintResult result;
    try {
        result = runner(request);
        command.finish();
    } catch (const platform::VbError& e) {
        result.failed = true;
        result.message = failure_text(e);
    }
    // A window of the run may have closed the dialog.
    if (!is_loaded()) return;
    c.comprint->setEnabled(true);
    c.Comcancel->setEnabled(true);
    apply(result);
}

// A printer that cannot print ends PRINT before the user is asked anything.
bool frmprint::printer_ready() {
    try {
        platform::printer().check_printer();
    } catch (const platform::VbError& e) {
        ui().lblselwarning->setText(failure_text(e));
        return false;
    }
    return true;
}

void frmprint::quick_print() {
    auto& c = ui();
    if (!printer_ready()) return;
    const printing::PrintRequest request = print_request();
    if (request.sheet != printing::Sheet::None) {
        const QString avery = request.sheet == printing::Sheet::Standard   ? QStringLiteral("5160")
                              : request.sheet == printing::Sheet::Shipping ? QStringLiteral("5163")
                                                                           : QStringLiteral("5662");
        if (!load_labels(avery)) {
            c.lblselwarning->setText(kCancelled);
            return;
        }
    }
    // The window's own PRINT is the print command: the label is typed before a file is asked for.
    printing::PrintResult result;
    try {
        result = printing::print_quick_label(request);
    } catch (const platform::VbError& e) {
        result = {};
        result.failed = true;
        result.message = failure_text(e);
    }
    if (!is_loaded()) return;
    Cancelmessage = result.printed > 0 && !result.failed ? "N" : "Y";
    if (Cancelmessage == QLatin1String("N"))
        c.lblselwarning->setText(
            QStringLiteral("PRINTED 1 OF %1 RECORDS").arg(c.lstselection->count()));
    else if (!result.message.isEmpty())
        c.lblselwarning->setText(result.message);
}

void frmprint::print_return_labels() {
    if (!printer_ready()) return;
    auto& main = form<frmOVRA>();
    main.cancel_flag = false;
    if (main.ReturnLabel[1].isEmpty()) {
        auto& setup = form<frmSetUpReturn>();
        setup.ui().Label1->setText(QStringLiteral("SETUP RETURN LABELS"));
        setup.set_help_context_id(8090);
        setup.show_modal();
        // However the window was left, without stored lines there is nothing to print.
        if (main.ReturnLabel[1].isEmpty()) main.cancel_flag = true;
    }
    auto& c = ui();
    if (main.cancel_flag) {
        c.lblselwarning->setText(kCancelled);
        return;
    }
    if (!load_labels(QStringLiteral("5167"))) {
        c.lblselwarning->setText(kCancelled);
        return;
    }
    try {
        platform::PrintCommand command(QStringLiteral("Return labels 5167.pdf"));
        if (command.cancelled()) {
            c.lblselwarning->setText(kCancelled);
            return;
        }
        modReturnLabels::print_return_labels(main.ReturnLabel[1], main.ReturnLabel[2],
                                             main.ReturnLabel[3], TopPosition);
        command.finish();
    } catch (const platform::VbError& e) {
        c.lblselwarning->setText(failure_text(e));
        return;
    }
    c.lblselwarning->setText(QStringLiteral("PRINTED 80 RETURN LABELS"));
}
