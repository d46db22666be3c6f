#pragma once

#include <QString>

// One full sheet of Avery 5167 return-address labels.
namespace modReturnLabels {

// Prints 80 labels, each carrying the three lines, on the current printer as one job; the
// rows start TopPosition + 1 sixteenths of an inch down. Raises the printer's error when the
// job cannot start or end.
void print_return_labels(const QString& line1, const QString& line2, const QString& line3,
                         int top_position);

}  // namespace modReturnLabels
