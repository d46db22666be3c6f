#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringList>

class QIODevice;

// Reading comma-separated text records: the import file and the program's own side files.
namespace common::text_records {

// A character of Windows-1252.
QChar cp1252_char(unsigned char byte);
// Length (2..4) of the valid multi-byte UTF-8 sequence at p, with its code point; 0 if none.
int utf8_sequence(const unsigned char* p, qsizetype left, char32_t* code_point);

// The text of a file's bytes: a UTF-8 byte-order mark is dropped; a file that is valid UTF-8
// is read as UTF-8, any other as Windows-1252. UTF-16 and files holding NUL bytes are no text
// files: false, with the reason in *error.
bool decode_file(const QByteArray& bytes, QString* text, QString* error);

// Reads a whole device and decodes it as above. A read failure names the line it stopped in.
bool read_text(QIODevice& device, QString* text, QString* error);

// One record: the items of one line, or of several when a quoted item holds line ends.
struct Record {
    // UnclosedQuote: a quote never closed, or closed on a later line with text after it; the
    // record is that one line. LineBreak: a quoted item held a line end; the record runs to
    // the line its quote closed on, and no item of it is fit to store.
    enum class Problem { None, UnclosedQuote, LineBreak };
    int line = 0;       // first line of the record, counted from 1
    int last_line = 0;  // last line it took
    QStringList items;
    Problem problem = Problem::None;
    qsizetype start = 0;  // where it begins in the text
};

// Splits text into records (RFC 4180): a record ends at a line end outside quotes (CR LF, LF
// or CR); items are separated by commas; an item that begins with a double quote runs to the
// closing quote and may hold commas and line ends, "" inside it being one quote; a quote inside
// an unquoted item is an ordinary character. Blanks around an unquoted item and before an
// opening quote are dropped. An unquoted #NULL# reads as empty. Lines with no item text are
// skipped. Only a LineBreak record has an item holding CR or LF. A quote that is never
// closed, or closed on a later line with more text after it, spoils its own line only:
// reading goes on at the next.
class RecordReader {
public:
    explicit RecordReader(QString text);

    // The next record; false at the end.
    bool next(Record& record);

private:
    // Reads on from the line after the record's first.
    void resume_after_first_line(const Record& record);
    bool at_line_end() const;
    void skip_line_end();
    void skip_blanks();
    // Reads one item; false when a quote was left open.
    bool read_item(QString& item);

    QString text_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

}  // namespace common::text_records
