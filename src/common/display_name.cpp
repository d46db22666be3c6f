#include "display_name.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace common {

QString rtrim(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == QLatin1Char(' ')) --end;
    return text.left(end);
}

QString spouse_part(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                    const QString& hyphen, const QString& reverse) {
    QString part = QStringLiteral(" & ") + first_name2;
    const QString key = rtrim(keyname);
    const QString last1 =
        key.left(key.indexOf(QLatin1Char(',')) < 0 ? key.size() : key.indexOf(QLatin1Char(',')));
    if (last_name2.isNull()) return part;
    const QString last2 = last_name2.toString();
    if (last2 == last1) return part;
    if (hyphen == QLatin1String("Y")) {
        part += reverse == QLatin1String("Y") ? QStringLiteral(" %1-%2").arg(last1, last2)
                                              : QStringLiteral(" %1-%2").arg(last2, last1);
    } else {
        part += QLatin1Char(' ') + last2;
    }
    return part;
}

QString display_name(const QString& keyname, const QString& first_name2, const QVariant& last_name2,
                     const QString& hyphen, const QString& reverse, int childflag,
                     bool with_family) {
    QString line = keyname;
    if (!first_name2.isEmpty())
        line = rtrim(keyname) + spouse_part(keyname, first_name2, last_name2, hyphen, reverse);
    if (childflag > 0 && with_family) line += QStringLiteral(" AND FAMILY");
    return line;
}

namespace {

// The C locale has no collation of its own (it sorts by code point, "É" after "Z"): use the
// common rules of English then, which place accented letters with their base letters.
const QCollator& collator() {
    static const QCollator c = [] {
        QLocale locale;
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::English, QLocale::UnitedStates);
        QCollator made(locale);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        made.setNumericMode(false);
        made.setIgnorePunctuation(false);
        return made;
    }();
    return c;
}

}  // namespace

bool display_order(const QString& a, const QString& b) {
    const int c = collator().compare(a, b);
    return c != 0 ? c < 0 : a < b;
}

std::vector<int> display_permutation(const std::vector<QString>& lines) {
    std::vector<QCollatorSortKey> keys;
    keys.reserve(lines.size());
    for (const QString& line : lines) keys.push_back(collator().sortKey(line));
    std::vector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = keys[a].compare(keys[b]);
        return c != 0 ? c < 0 : lines[a] < lines[b];
    });
    return order;
}

}  // namespace common
