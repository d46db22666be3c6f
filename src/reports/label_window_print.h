#pragma once

#include "printing/label_run.h"

// Printing the label windows' sheets: one label at its position through the sheet printers of
// modPRint, and the quick-label window's own Avery 5662 layout.
namespace reports {

// Prints a sheet of the kind that carries only this label, at the position (1 when out of the
// sheet's range), and returns the labels on it. A printer failure raises platform::VbError.
int print_label_sheet(printing::Sheet sheet, const printing::LabelLines& label, int position,
                      int top_position);

// Positions 1..14 of the page on Avery 5662 in the quick-label window's own rows, as one job;
// returns the labels on it. A printer failure raises platform::VbError.
int print_quick_invite_sheet(const printing::LabelPage& page);

// Lists a label that is too long to print, alone, in the too-long window (as listed_label).
void show_too_long_label(const printing::LabelLines& label, bool with_lines_4_and_5 = false);

}  // namespace reports
