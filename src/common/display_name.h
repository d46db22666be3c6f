#pragma once

#include <QString>
#include <QVariant>

namespace common {

// The second person's part of a household's display name: " & " and first name 2, then last
// name 2 when it differs from person 1's (hyphenated as the household's flags say). A Null last
// name 2 adds nothing.
QString spouse_part(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                    const QString& hyphen, const QString& reverse);

// The display name: the key, the second person's part when there is one, and " AND FAMILY"
// when the household has children and with_family is set.
QString display_name(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                     const QString& hyphen, const QString& reverse, int childflag, bool with_family);

// The one order of every household list: alphabetical without regard to case.
bool display_order(const QString& a, const QString& b);

// Right-trims blanks.
QString rtrim(const QString& text);

}  // namespace common
