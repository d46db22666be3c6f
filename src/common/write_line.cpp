#include "write_line.h"

#include <QLocale>

#include "platform/errors.h"
#include "text_records.h"

namespace common::write_line {

using platform::VbError;
using text_records::cp1252_char;
using text_records::utf8_sequence;

QByteArray format(const std::vector<Item>& items) {
    QString line;
    line.reserve(256);
    bool first = true;
    for (const Item& item : items) {
        if (!first) line += QLatin1Char(',');
        first = false;
        if (const auto* text = std::get_if<QString>(&item)) {
            line += QLatin1Char('"');
            if (text->contains(QLatin1Char('"'))) {
                QString escaped = *text;
                escaped.replace(QLatin1String("\""), QLatin1String("\"\""));
                line += escaped;
            } else {
                line += *text;
            }
            line += QLatin1Char('"');
        } else if (const auto* number = std::get_if<qint64>(&item)) {
            line += QString::number(*number);
        } else if (const auto* real = std::get_if<double>(&item)) {
            line += QLocale::c().toString(*real, 'g', 15);
        } else if (const auto* date = std::get_if<QDate>(&item)) {
            line +=
                QLatin1Char('#') + date->toString(QStringLiteral("yyyy-MM-dd")) + QLatin1Char('#');
        } else if (std::holds_alternative<Null>(item)) {
            line += QLatin1String("#NULL#");
        }
    }
    line += QLatin1String("\r\n");
    return line.toUtf8();
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.reserve(bytes.size());
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) i = 3;
    while (i < size) {
        if (p[i] < 0x80) {
            out += QChar(p[i++]);
            continue;
        }
        char32_t cp;
        if (const int n = utf8_sequence(p + i, size - i, &cp)) {
            out += QString::fromUcs4(&cp, 1);
            i += n;
        } else {
            out += cp1252_char(p[i++]);
        }
    }
    return out;
}

Reader::Reader(const QByteArray& bytes) : text_(decode(bytes)) {}

Reader::Reader(QString text) : text_(std::move(text)) {}

bool Reader::at_end() const {
    return pos_ >= text_.size();
}

void Reader::skip_blanks() {
    while (pos_ < text_.size() &&
           (text_[pos_] == QLatin1Char(' ') || text_[pos_] == QLatin1Char('\t')))
        ++pos_;
}

// Past the comma or the line end that closes an item.
void Reader::end_item() {
    skip_blanks();
    if (pos_ >= text_.size()) return;
    const QChar c = text_[pos_];
    if (c == QLatin1Char(',')) {
        ++pos_;
    } else if (c == QLatin1Char('\r')) {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) ++pos_;
    } else if (c == QLatin1Char('\n')) {
        ++pos_;
    } else {
        // Stray characters after a closing quote belong to nothing: skip to the delimiter.
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') &&
               text_[pos_] != QLatin1Char('\r') && text_[pos_] != QLatin1Char('\n'))
            ++pos_;
        end_item();
    }
}

Item Reader::read() {
    skip_blanks();
    if (at_end())
        throw VbError(platform::kErrInputPastEnd, QStringLiteral("Input past end of file"));
    const QChar c = text_[pos_];
    if (c == QLatin1Char('"')) {
        QString value;
        ++pos_;
        while (pos_ < text_.size()) {
            const QChar ch = text_[pos_++];
            if (ch == QLatin1Char('"')) {
                if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
                    value += ch;
                    ++pos_;
                    continue;
                }
                break;
            }
            value += ch;
        }
        end_item();
        return value;
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') &&
           text_[pos_] != QLatin1Char('\r') && text_[pos_] != QLatin1Char('\n'))
        ++pos_;
    const QString raw = text_.mid(start, pos_ - start).trimmed();
    end_item();
    if (raw.isEmpty()) return std::monostate{};
    if (raw.size() >= 2 && raw.startsWith(QLatin1Char('#')) && raw.endsWith(QLatin1Char('#'))) {
        const QDate date =
            QDate::fromString(raw.mid(1, raw.size() - 2), QStringLiteral("yyyy-MM-dd"));
        if (date.isValid()) return date;
    }
    bool ok = false;
    const qint64 whole = raw.toLongLong(&ok);
    if (ok) return whole;
    const double real = QLocale::c().toDouble(raw, &ok);
    if (ok) return real;
    return raw;
}

QString Reader::read_text() {
    const Item item = read();
    if (const auto* text = std::get_if<QString>(&item)) return *text;
    if (const auto* number = std::get_if<qint64>(&item)) return QString::number(*number);
    if (const auto* real = std::get_if<double>(&item)) return QLocale::c().toString(*real, 'g', 15);
    if (const auto* date = std::get_if<QDate>(&item))
        return date->toString(QStringLiteral("yyyy-MM-dd"));
    return QString();
}

qint64 Reader::read_integer() {
    const Item item = read();
    if (const auto* number = std::get_if<qint64>(&item)) return *number;
    if (const auto* real = std::get_if<double>(&item)) return qRound64(*real);
    if (std::holds_alternative<std::monostate>(item)) return 0;
    if (const auto* text = std::get_if<QString>(&item)) {
        bool ok = false;
        const qint64 n = text->trimmed().toLongLong(&ok);
        if (ok) return n;
    }
    throw VbError(platform::kErrTypeMismatch, QStringLiteral("Type mismatch"));
}

}  // namespace common::write_line
