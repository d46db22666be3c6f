#pragma once

#include <QString>

namespace common {

// Removes leading and trailing blanks (spaces only; tabs and other white space stay).
QString vb_trim(const QString& text);
// Empty, or exactly one blank.
inline bool is_blank(const QString& text) { return text.isEmpty() || text == QLatin1String(" "); }
inline QString ucase(const QString& text) { return text.toUpper(); }
// One or more of the digits 0-9 and nothing else.
bool is_all_digits(const QString& text);
// A zip of five digits, or five digits, a hyphen and four digits.
bool is_zip(const QString& text);

}  // namespace common
