// The print dialog's mailing-label command, once the sheets are loaded: the tracking set-up,
// the run on the program's own printer and windows, and the too-long list afterwards.
#include "platform/application.h"
#include "printing/FrmInvalid.h"
#include "printing/frmFileName.h"
#include "printing/label_run.h"
#include "printing/modPRint.h"
#include "printing/sheets.h"

namespace printing {

std::function<int(Sheet, const LabelPage&)> sheet_printer(int top_position) {
    return [top_position](Sheet sheet, const LabelPage& page) {
        const int count = labels_per_sheet(sheet);
        auto& m = platform::form<modPRint>();
        for (int k = 1; k <= count; ++k)
            for (int j = 1; j <= 5; ++j) m.page_line[j][k] = page[k][j];
        switch (sheet) {
            case Sheet::Standard:
                m.print_standard_sheet(top_position);
                m.count_standard_labels();
                break;
            case Sheet::Shipping:
                m.print_shipping_sheet();
                m.count_shipping_labels();
                break;
            default:
                m.print_invite_sheet(top_position);
                break;
        }
        return m.labels_on_page;
    };
}

PrintResult print_mailing_labels(const PrintRequest& asked) {
    PrintResult result;
    if (labels_per_sheet(asked.sheet) == 0) return result;

    PrintRequest request = asked;
    std::optional<TrackingRun> tracking;
    if (request.track) {
        if (const auto name = ask_tracking_report_name()) {
            tracking = TrackingRun{name->trackfilename, name->Response_Date, name->Party_Date, {}};
        } else {
            // EXIT unticks Track for the whole run, its windows included.
            request.track = false;
        }
    }

    auto& invalid = platform::form<FrmInvalid>();
    invalid.clear_list();
    QStringList too_long;
    LabelRunOutputs out;
    out.print_sheet = sheet_printer(request.top_position);
    out.too_long = &too_long;
    out.tracking = tracking ? &*tracking : nullptr;
    out.write_report = [](const TrackingRun& run) { write_tracking_report(run); };
    out.windows = label_run_windows(request);
    result = run_mailing_labels(request, out);
    if (asked.track && !tracking) result.clear_track = true;

    // A failed run lists nothing: its list would hold only the labels met before the failure,
    // and printing the list would fail on the same printer.
    if (!result.failed && !too_long.isEmpty()) {
        for (const QString& entry : too_long) invalid.add_entry(entry);
        invalid.set_help_context_id(6101);
        invalid.show_modal();
    }
    return result;
}

}  // namespace printing
