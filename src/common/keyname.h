#pragma once

#include <QString>

namespace common {

// The household key: LAST, FIRST of person 1, in upper case.
QString build_keyname(const QString& last_name1, const QString& first_name1);

struct KeyNames {
    QString last_name1;
    QString first_name1;
};
// Splits a key at its first comma: the text before it, and the text after the comma and the
// blank that follows it. A key without a comma is all last name.
KeyNames split_keyname(const QString& keyname);

}  // namespace common
