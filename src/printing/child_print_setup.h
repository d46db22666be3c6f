#pragma once

#include "printing/label_text.h"
#include "printing/record_image.h"

// Filling the children window (Frmchildprint) for one household before it is shown.
namespace printing {

// Captions, the names PRINT composes from, and the rows by number of children. The window
// starts from its design layout and forgets the last household's answer. selected_printing:
// the dialog's record choice is Selected Printing.
void set_up_child_print(const RecordImage& h, const LabelOptions& o, bool selected_printing);

// Moves the whole-group choices up under the last row when the parents row is hidden.
void arrange_child_print_rows(int number_of_children);

}  // namespace printing
