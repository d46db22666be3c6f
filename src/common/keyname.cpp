#include "keyname.h"

#include "vbstring.h"

namespace common {

QString build_keyname(const QString& last_name1, const QString& first_name1) {
    return ucase(last_name1) + QStringLiteral(", ") + ucase(first_name1);
}

KeyNames split_keyname(const QString& keyname) {
    const qsizetype comma = keyname.indexOf(QLatin1Char(','));
    if (comma < 0) return {keyname, QString()};
    return {keyname.left(comma), keyname.mid(comma + 2)};
}

}  // namespace common
