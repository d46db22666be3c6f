#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <variant>
#include <vector>

// The text record format of every side file: items separated by commas, texts in double
// quotes (a quote inside doubled), numbers bare, dates as #yyyy-mm-dd#, an empty item as
// nothing, no value as #NULL#; each record ends with CR LF. Written in UTF-8.
namespace common::write_line {

// A field that holds no value, written #NULL#.
struct Null {};

using Item = std::variant<std::monostate, QString, qint64, double, QDate, Null>;

// One record, ended by CR LF.
QByteArray format(const std::vector<Item>& items);

// UTF-8, with bytes that are not UTF-8 taken as Windows-1252.
QString decode(const QByteArray& bytes);

// Takes the items of a file back one by one; a record may continue on the next line.
class Reader {
public:
    explicit Reader(const QByteArray& bytes);
    explicit Reader(QString text);

    bool at_end() const;
    // The next item; error 62 past the end of the file.
    Item read();
    // For a text variable: a number reads as its digits, an empty item as "".
    QString read_text();
    // For a whole-number variable: an empty item reads as 0; a text is error 13.
    qint64 read_integer();

private:
    void skip_blanks();
    void end_item();

    QString text_;
    qsizetype pos_ = 0;
};

}  // namespace common::write_line
