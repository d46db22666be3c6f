#pragma once

namespace modCategory_setup {

// Redraws the twelve category rows of the main window from its names and counts, and turns
// the tracking and record menu items on or off.
void set_up_categories();

}  // namespace modCategory_setup
