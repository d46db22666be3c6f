#include "platform/application.h"
#include "printing/child_print_setup.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"

namespace printing {

ChildPrintResult show_child_print(const RecordImage& h, const LabelOptions& o,
                                  bool selected_printing) {
    set_up_child_print(h, o, selected_printing);
    auto& w = platform::form<Frmchildprint>();
    w.sheet = o.sheet;
    w.selected_use = selected_printing;
    w.address = {h.address1, h.address2, h.city, h.state, h.zip};
    w.list_cleared = false;
    w.failure.reset();
    w.show_modal();
    // However the window closed, an answer that is not PRINT is CANCEL.
    if (w.print_or_cancel_flag != QLatin1String("P")) w.print_or_cancel_flag = QStringLiteral("C");
    if (w.is_loaded()) w.unload();
    if (w.failure) {
        const platform::VbError e = *w.failure;
        w.failure.reset();
        throw e;
    }
    ChildPrintResult r;
    r.print_or_cancel_flag = w.print_or_cancel_flag;
    for (int j = 1; j <= 5; ++j) r.label.lines[j] = w.hold_line[j];
    r.label.number_in_party = w.number_in_party;
    r.label.whole_name_line = w.LongNameFlag ? w.whole_name_line : QString();
    r.labels_printed = w.labels_printed;
    r.deselect_lines = w.list_cleared;
    return r;
}

LabelRunWindows label_run_windows(const PrintRequest& request) {
    const LabelOptions options = LabelOptions::from(request);
    const bool selected = request.choice == RecordChoice::Selected;
    const int top = request.top_position;
    return {[request](const RecordImage& h, int position) {
                return show_single_print(h, request, position);
            },
            [options, selected, top](const RecordImage& h, int position) {
                auto& w = platform::form<Frmchildprint>();
                w.maillabelstart = position;
                w.TopPosition = top;
                return show_child_print(h, options, selected);
            }};
}

}  // namespace printing
