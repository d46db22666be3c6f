#include "frmQuickprint.h"

#include <QFont>

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/printer.h"
#include "printing/sheets.h"
#include "reports/label_window_print.h"
#include "reports/label_window_text.h"

using platform::form;
namespace color = platform::color;

frmQuickprint::frmQuickprint() : Form(QStringLiteral("frmQuickprint")) {}

void frmQuickprint::build(QWidget* w, frmQuickprint_ui::Controls& c) {
    using namespace platform;
    w->setWindowTitle(QStringLiteral("QuickPrint"));
    set_client_size(w, 6240, 5160);
    c.lblHeading = make_label(w, "lblHeading", QStringLiteral("QuickPrint"), 240, 120, 5760, 480);
    QFont heading = c.lblHeading->font();
    heading.setBold(true);
    heading.setPointSize(14);
    c.lblHeading->setFont(heading);
    c.lblHeading->setAlignment(Qt::AlignCenter);

    struct Row {
        QLabel** caption;
        const char* caption_name;
        const char* text;
        QLineEdit** box;
        const char* box_name;
        int max_length;
        int width;
    };
    const Row rows[] = {
        {&c.Label2, "Label2", "Name", &c.txtName, "txtName", 33, 4080},
        {&c.Label3, "Label3", "Address 1", &c.txtaddress1, "txtaddress1", 33, 4080},
        {&c.Label4, "Label4", "Address 2", &c.txtaddress2, "txtaddress2", 33, 4080},
        {&c.Label5, "Label5", "City", &c.txtCity, "txtCity", 20, 2640},
        {&c.Label6, "Label6", "State", &c.txtState, "txtState", 2, 600},
        {&c.Label7, "Label7", "Zip", &c.txtZip, "txtZip", 10, 1560},
    };
    int top = 780;
    for (const Row& r : rows) {
        *r.caption =
            make_label(w, r.caption_name, QString::fromLatin1(r.text), 240, top, 1440, 315);
        (*r.caption)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *r.box = make_text(w, r.box_name, r.max_length, 1800, top, r.width, 315);
        set_back_color(*r.box, color::kWhite);
        top += 420;
    }
    c.chkForeign = make_check(w, "chkForeign", QStringLiteral("Foreign"), 1800, top, 1440, 315);
    c.lblWarning = make_label(w, "lblWarning", QString(), 240, top + 420, 5760, 420);
    QFont warning = c.lblWarning->font();
    warning.setBold(true);
    warning.setPointSize(12);
    c.lblWarning->setFont(warning);
    c.lblWarning->setAlignment(Qt::AlignCenter);
    set_fore_color(c.lblWarning, color::kRed);
    c.cmdPrint = make_button(w, "cmdPrint", QStringLiteral("PRINT"), 1380, 4440, 1455, 495);
    c.cmdCancel = make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3405, 4440, 1455, 495);
    on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmQuickprint::set_up_for_sheet() {
    auto& c = ui();
    const bool invite = sheet == printing::Sheet::Invite;
    c.Label3->setText(invite ? QStringLiteral("Address") : QStringLiteral("Address 1"));
    c.Label4->setText(invite ? QString() : QStringLiteral("Address 2"));
    c.txtaddress2->setEnabled(!invite);
    c.txtaddress2->setVisible(!invite);
}

bool frmQuickprint::validate_fields() {
    auto& c = ui();
    QLineEdit* const boxes[] = {c.txtName, c.txtaddress1, c.txtaddress2,
                                c.txtCity, c.txtState,    c.txtZip};
    for (QLineEdit* box : boxes) {
        if (box != c.txtaddress2) platform::set_back_color(box, color::kWhite);
        // Blanks count as text here: only an empty box is missing.
        if (!box->text().isEmpty()) box->setText(box->text().toUpper());
    }
    bool missing = false;
    const bool foreign = platform::value(c.chkForeign) == 1;
    for (QLineEdit* box : boxes) {
        if (box == c.txtaddress2 || !box->text().isEmpty()) continue;
        if (foreign && (box == c.txtState || box == c.txtZip)) continue;
        platform::set_back_color(box, color::kLightRed);
        missing = true;
    }
    c.lblWarning->setText(missing ? QStringLiteral("RED FIELDS REQUIRED") : QStringLiteral(" "));
    return !missing;
}

void frmQuickprint::cmdPrint_Click() {
    if (!validate_fields()) return;
    auto& c = ui();
    reports::QuickFields f{c.txtName->text(), c.txtaddress1->text(), QString(),
                           c.txtCity->text(), c.txtState->text(),    c.txtZip->text()};
    if (c.txtaddress2->isEnabled()) f.address2 = c.txtaddress2->text();
    const reports::WindowLabel label = reports::compose_quick_label(f, sheet);
    if (label.too_long) {
        c.lblWarning->setText(QStringLiteral("LABEL NOT PRINTED"));
        // This label's own list, shown now rather than left for a later use.
        reports::show_too_long_label(label.lines, sheet != printing::Sheet::Invite);
        return;
    }
    try {
        platform::PrintCommand command(
            QStringLiteral("Quick label %1.pdf").arg(printing::label_sheet(sheet)->avery));
        if (command.cancelled()) {
            unload();
            return;
        }
        if (sheet == printing::Sheet::Invite) {
            printing::LabelPage page{};
            page[position] = label.lines;
            reports::print_quick_invite_sheet(page);
        } else {
            reports::print_label_sheet(sheet, label.lines, position, TopPosition);
        }
        command.finish();
        printed = true;
    } catch (const platform::VbError& e) {
        failure = e;
    }
    unload();
}

void frmQuickprint::cmdCancel_Click() {
    printed = false;
    unload();
}

namespace printing {

PrintResult print_quick_label(const PrintRequest& request) {
    PrintResult result;
    if (labels_per_sheet(request.sheet) == 0) return result;
    auto& w = form<frmQuickprint>();
    w.unload();  // every label starts from empty boxes
    w.sheet = request.sheet;
    w.position = request.start_position();
    if (w.position < 1 || w.position > labels_per_sheet(request.sheet)) w.position = 1;
    w.TopPosition = request.top_position;
    w.printed = false;
    w.failure.reset();
    w.set_up_for_sheet();
    w.show_modal();
    if (w.is_loaded()) w.unload();
    if (w.failure) {
        const platform::VbError e = *w.failure;
        w.failure.reset();
        throw e;
    }
    if (w.printed)
        result.printed = 1;
    else
        result.message = QStringLiteral("PRINT CANCELED");
    return result;
}

}  // namespace printing
