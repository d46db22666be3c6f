#include "vbstring.h"

namespace common {

QString vb_trim(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == QLatin1Char(' ')) ++begin;
    while (end > begin && text[end - 1] == QLatin1Char(' ')) --end;
    return text.mid(begin, end - begin);
}

bool is_all_digits(const QString& text) {
    if (text.isEmpty()) return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

bool is_zip(const QString& text) {
    if (is_all_digits(text)) return text.size() == 5;
    return text.size() == 10 && is_all_digits(text.left(5)) && text[5] == QLatin1Char('-') &&
           is_all_digits(text.right(4));
}

}  // namespace common
