#include "text_records.h"

#include <QIODevice>

namespace common::text_records {

namespace {

// Windows-1252 for 0x80..0x9F; the rest of the high half is Latin-1.
const char16_t kCp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                  0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                  0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                  0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool is_blank_char(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool is_line_end(QChar c) {
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

QString without_trailing_blanks(QString s) {
    qsizetype n = s.size();
    while (n > 0 && is_blank_char(s[n - 1])) --n;
    s.truncate(n);
    return s;
}

bool valid_utf8(const unsigned char* p, qsizetype size) {
    qsizetype i = 0;
    while (i < size) {
        if (p[i] < 0x80) {
            ++i;
            continue;
        }
        char32_t cp;
        const int n = utf8_sequence(p + i, size - i, &cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

}  // namespace

QChar cp1252_char(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return QChar(kCp1252High[b - 0x80]);
    return QChar(b);
}

int utf8_sequence(const unsigned char* p, qsizetype left, char32_t* out) {
    const unsigned char b = p[0];
    int n;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (left < n) return 0;
    for (int i = 1; i < n; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    if ((n == 3 && (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF))) ||
        (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
        return 0;
    *out = cp;
    return n;
}

bool decode_file(const QByteArray& bytes, QString* text, QString* error) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    qsizetype size = bytes.size();
    if (size >= 2 && ((p[0] == 0xFF && p[1] == 0xFE) || (p[0] == 0xFE && p[1] == 0xFF))) {
        *error =
            QStringLiteral("The file is in UTF-16. Save it as UTF-8 or ANSI text and try again.");
        return false;
    }
    if (bytes.contains('\0')) {
        *error = QStringLiteral("The file is not a text file (it holds NUL bytes).");
        return false;
    }
    if (size >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        p += 3;
        size -= 3;
    }
    if (valid_utf8(p, size)) {
        *text = QString::fromUtf8(reinterpret_cast<const char*>(p), size);
        return true;
    }
    QString out(size, Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype i = 0; i < size; ++i) o[i] = cp1252_char(p[i]);
    *text = std::move(out);
    return true;
}

bool read_text(QIODevice& device, QString* text, QString* error) {
    QByteArray bytes;
    char chunk[1 << 16];
    for (;;) {
        const qint64 n = device.read(chunk, sizeof chunk);
        if (n < 0) {
            const qsizetype line = bytes.count('\n') + 1;
            *error = QStringLiteral("The file could not be read at line %1: %2")
                         .arg(line)
                         .arg(device.errorString());
            return false;
        }
        if (n == 0) break;
        bytes.append(chunk, n);
    }
    return decode_file(bytes, text, error);
}

RecordReader::RecordReader(QString text) : text_(std::move(text)) {}

bool RecordReader::at_line_end() const {
    return pos_ >= text_.size() || is_line_end(text_[pos_]);
}

void RecordReader::skip_line_end() {
    if (pos_ >= text_.size()) return;
    if (text_[pos_] == QLatin1Char('\r') && pos_ + 1 < text_.size() &&
        text_[pos_ + 1] == QLatin1Char('\n'))
        ++pos_;
    ++pos_;
    ++line_;
}

void RecordReader::skip_blanks() {
    while (pos_ < text_.size() && is_blank_char(text_[pos_])) ++pos_;
}

bool RecordReader::read_item(QString& item) {
    item.clear();
    skip_blanks();
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
        const int first_line = line_;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) return false;
            const QChar c = text_[pos_++];
            if (c == QLatin1Char('"')) {
                if (pos_ < text_.size() && text_[pos_] == QLatin1Char('"')) {
                    item += c;
                    ++pos_;
                    continue;
                }
                break;
            }
            item += c;
            if (c == QLatin1Char('\r') && pos_ < text_.size() && text_[pos_] == QLatin1Char('\n')) {
                item += text_[pos_++];
                ++line_;
            } else if (is_line_end(c)) {
                ++line_;
            }
        }
        // Text after the closing quote is kept, so nothing of a sloppy item is lost; but a quote
        // closed on a later line with text after it was a stray quote that swallowed lines.
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !is_line_end(text_[pos_]))
            ++pos_;
        const QString rest = without_trailing_blanks(text_.mid(start, pos_ - start));
        if (!rest.isEmpty() && line_ != first_line) return false;
        item += rest;
        return true;
    }
    const qsizetype start = pos_;
    while (pos_ < text_.size() && text_[pos_] != QLatin1Char(',') && !is_line_end(text_[pos_]))
        ++pos_;
    item = without_trailing_blanks(text_.mid(start, pos_ - start));
    if (item == QLatin1String("#NULL#")) item.clear();
    return true;
}

void RecordReader::resume_after_first_line(const Record& record) {
    pos_ = record.start;
    line_ = record.line;
    while (!at_line_end()) ++pos_;
    skip_line_end();
}

bool RecordReader::next(Record& record) {
    for (;;) {
        skip_blanks();
        if (pos_ >= text_.size()) return false;
        if (at_line_end()) {
            skip_line_end();
            continue;
        }
        record = Record{};
        record.line = line_;
        record.start = pos_;
        bool any_text = false;
        for (;;) {
            QString item;
            if (!read_item(item)) {
                // Only the line the quote opened on is spoilt; the next line starts afresh.
                record.problem = Record::Problem::UnclosedQuote;
                record.last_line = record.line;
                resume_after_first_line(record);
                return true;
            }
            any_text = any_text || !item.isEmpty();
            record.items << item;
            skip_blanks();
            if (pos_ < text_.size() && text_[pos_] == QLatin1Char(',')) {
                ++pos_;
                continue;
            }
            break;
        }
        record.last_line = line_;
        if (record.last_line > record.line) record.problem = Record::Problem::LineBreak;
        skip_line_end();
        if (any_text) return true;
    }
}

}  // namespace common::text_records
