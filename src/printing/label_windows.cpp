#include "platform/application.h"
#include "printing/child_print_setup.h"
#include "printing/label_run.h"
#include "reports/Frmchildprint.h"

namespace printing {

ChildPrintResult show_child_print(const RecordImage& h, const LabelOptions& o,
                                  bool selected_printing) {
    set_up_child_print(h, o, selected_printing);
    auto& w = platform::form<Frmchildprint>();
    w.show_modal();
    // However the window closed, an answer that is not PRINT is CANCEL.
    if (w.print_or_cancel_flag != QLatin1String("P")) w.print_or_cancel_flag = QStringLiteral("C");
    if (w.is_loaded()) w.unload();
    ChildPrintResult r;
    r.print_or_cancel_flag = w.print_or_cancel_flag;
    for (int j = 1; j <= 5; ++j) r.label.lines[j] = w.hold_line[j];
    r.label.number_in_party = w.number_in_party;
    r.label.whole_name_line = w.LongNameFlag ? w.whole_name_line : QString();
    r.labels_printed = w.labels_printed;
    return r;
}

LabelRunWindows label_run_windows(const PrintRequest& request) {
    const LabelOptions options = LabelOptions::from(request);
    const bool selected = request.choice == RecordChoice::Selected;
    return {show_single_print, [options, selected](const RecordImage& h) {
                return show_child_print(h, options, selected);
            }};
}

}  // namespace printing
