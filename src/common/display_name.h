#pragma once

#include <QString>
#include <QVariant>
#include <vector>

namespace common {

// The second person's part of a household's display name: " & " and first name 2, then last
// name 2 when it differs from person 1's (hyphenated as the household's flags say). A Null last
// name 2 adds nothing.
QString spouse_part(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                    const QString& hyphen, const QString& reverse);

// The display name: the key, the second person's part when there is one, and " AND FAMILY"
// when the household has children and with_family is set.
QString display_name(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                     const QString& hyphen, const QString& reverse, int childflag,
                     bool with_family);

// The one order of every household list: the user's locale's alphabetical order (accented
// letters among their base letters), without regard to case; equal lines fall back to their
// code points so the order is total.
bool display_order(const QString& a, const QString& b);
// The permutation that puts lines into display order, through collation keys made once per
// line (lines itself is left as it is).
std::vector<int> display_permutation(const std::vector<QString>& lines);

// Right-trims blanks.
QString rtrim(const QString& text);

}  // namespace common
