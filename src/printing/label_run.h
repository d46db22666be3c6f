#pragma once

#include <QStringList>
#include <array>
#include <functional>

#include "printing/label_text.h"
#include "printing/print_request.h"
#include "printing/record_image.h"
#include "printing/tracking_report.h"

// The mailing-label run: households of the record choice placed on label positions, one sheet
// composed and printed at a time.
namespace printing {

// One sheet's labels, positions 1..30 ([0] unused).
using LabelPage = std::array<LabelLines, 31>;

// What the single-label window hands back for one household.
struct SinglePrintResult {
    int labels_printed = 0;       // 0 after CANCEL or when it set its label aside
    bool deselect_lines = false;  // it cleared the dialog's list selection
};

// What the children window hands back for one household.
struct ChildPrintResult {
    QString print_or_cancel_flag;  // "P" printed, "C" cancelled
    ChildLabelLines label;         // By Category use: the lines for this household's position
    int labels_printed = 0;        // Selected use: labels on the sheet the window printed
    bool deselect_lines = false;   // it cleared the dialog's list selection
};

// The windows a run may open for one household, given the sheet position of its label.
struct LabelRunWindows {
    // frmSingle for a two-person household.
    std::function<SinglePrintResult(const RecordImage&, int position)> single;
    // Frmchildprint for a household with children, filled and shown.
    std::function<ChildPrintResult(const RecordImage&, int position)> child;
};

// Where a run's work goes. Free of windows, so tests and benchmarks pass their own.
struct LabelRunOutputs {
    // Prints positions 1..labels_per_sheet(sheet) of the page as one sheet and returns the
    // number of labels on it; a printer failure raises platform::VbError.
    std::function<int(Sheet, const LabelPage&)> print_sheet;
    // The too-long list (FrmInvalid's entries).
    QStringList* too_long = nullptr;
    // The report being made; null when the run makes none.
    TrackingRun* tracking = nullptr;
    // Writes the report at the end of a By Category pass.
    std::function<void(const TrackingRun&)> write_report;
    LabelRunWindows windows;
};

// The run over the request's households from its start position, after the load prompt and
// the tracking set-up. The result's message is what the dialog's warning label shows.
PrintResult run_mailing_labels(const PrintRequest& request, LabelRunOutputs& out);

// The sheet printers of modPRint on the current printer, at the printer's top offset.
std::function<int(Sheet, const LabelPage&)> sheet_printer(int top_position);

// The program's own windows: frmSingle and Frmchildprint (shown modally).
LabelRunWindows label_run_windows(const PrintRequest& request);
// frmSingle's entry: shows it for the household and reads back its answer. A printer failure
// in the window raises platform::VbError here.
SinglePrintResult show_single_print(const RecordImage& h, const PrintRequest& request,
                                    int position);
// Frmchildprint's entry: fills it for the household, shows it and reads back its answer. The
// window's position, address and top offset are set first. A printer failure in the window
// raises platform::VbError here.
ChildPrintResult show_child_print(const RecordImage& h, const LabelOptions& o,
                                  bool selected_printing);

}  // namespace printing
