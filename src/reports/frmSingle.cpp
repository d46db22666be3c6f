#include "frmSingle.h"

#include <QFont>

#include "platform/application.h"
#include "printing/FrmInvalid.h"
#include "reports/label_window_print.h"
#include "reports/label_window_text.h"

using platform::form;

frmSingle::frmSingle() : Form(QStringLiteral("frmSingle")) {}

void frmSingle::build(QWidget* w, frmSingle_ui::Controls& c) {
    using namespace platform;
    w->setWindowTitle(QStringLiteral("SinglePrint"));
    set_client_size(w, 5760, 3360);
    c.lblHeading = make_label(w, "lblHeading", QStringLiteral("SinglePrint"), 240, 120, 5280, 480);
    QFont heading = c.lblHeading->font();
    heading.setBold(true);
    heading.setPointSize(14);
    c.lblHeading->setFont(heading);
    c.lblHeading->setAlignment(Qt::AlignCenter);
    c.Lbltitle = make_label(w, "Lbltitle", QStringLiteral("Who Do You Want To Print A Label For?"),
                            240, 720, 5280, 315);
    c.Lbltitle->setAlignment(Qt::AlignCenter);
    c.opt1 = make_option(w, "opt1", QString(), 720, 1320, 300, 315);
    c.lblspouse1 = make_label(w, "lblspouse1", QString(), 1080, 1320, 4440, 315);
    c.Opt2 = make_option(w, "Opt2", QString(), 720, 1800, 300, 315);
    c.Lblspouse2 = make_label(w, "Lblspouse2", QString(), 1080, 1800, 4440, 315);
    make_option_group({c.opt1, c.Opt2});
    c.cmdPrint = make_button(w, "cmdPrint", QStringLiteral("PRINT"), 1140, 2520, 1455, 495);
    c.cmdCancel = make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3165, 2520, 1455, 495);
    on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmSingle::cmdPrint_Click() {
    if (printing::labels_per_sheet(sheet) == 0) return;
    lblflag = QStringLiteral("Y");
    // With neither person chosen the label is person 2's.
    const bool person1 = ui().opt1->isChecked();
    const reports::WindowLabel label =
        reports::compose_single_label(household, person1, title, sheet);
    if (label.too_long) {
        labels_printed = 0;
        unload();
        auto& invalid = form<FrmInvalid>();
        invalid.clear_list();
        for (const QString& entry : reports::listed_label(label.lines)) invalid.add_entry(entry);
        invalid.set_help_context_id(6101);
        invalid.show_modal();
        return;
    }
    try {
        labels_printed =
            reports::print_label_sheet(sheet, label.lines, maillabelstart, TopPosition);
        list_cleared = true;
    } catch (const platform::VbError& e) {
        failure = e;
    }
    unload();
}

void frmSingle::cmdCancel_Click() {
    lblflag = QStringLiteral("N");
    labels_printed = 0;
    list_cleared = true;
    unload();
}

namespace printing {

SinglePrintResult show_single_print(const RecordImage& h, const PrintRequest& request,
                                    int position) {
    auto& w = form<frmSingle>();
    w.unload();  // every household starts from the design state
    w.household = h;
    w.sheet = request.sheet;
    w.title = request.title;
    w.maillabelstart = position;
    w.TopPosition = request.top_position;
    w.lblflag.clear();
    w.labels_printed = 0;
    w.list_cleared = false;
    w.failure.reset();
    const SingleLabelNames names = single_label_names(h);
    w.ui().lblspouse1->setText(names.spouse1);
    w.ui().Lblspouse2->setText(names.spouse2);
    w.show_modal();
    if (w.is_loaded()) w.unload();
    if (w.failure) {
        const platform::VbError e = *w.failure;
        w.failure.reset();
        throw e;
    }
    return {w.labels_printed, w.list_cleared};
}

}  // namespace printing
