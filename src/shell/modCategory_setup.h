#pragma once

#include <array>

namespace modCategory_setup {

// Redraws the twelve category rows of the main window from its names and counts, and turns
// the tracking and record menu items on or off.
void set_up_categories();

// Puts the counts of the households in the address book into catcount where they differ from
// it; true when one changed. In the same transaction every household's childflag is made to
// agree with its Children row (heal_children_flags). Nothing changes while the address book is
// not open or cannot be read whole.
bool recount_categories(std::array<int, 13>& catcount);

// Puts the number of tracking reports in the program folder (its *.trk files) into Trackfile
// where it differs; true when it changed. A report written just before a crash is counted so.
bool recount_tracking_reports(int& Trackfile);

// For a settings file that could not be read whole: keeps a copy of it as storefile.ovr.bad
// before anything rewrites it, and tells the user once.
void report_damaged_settings();

}  // namespace modCategory_setup
