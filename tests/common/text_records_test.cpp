#include "common/text_records.h"

#include <gtest/gtest.h>

#include <QBuffer>

#include "common/write_line.h"
#include "fixture.h"

using namespace common::text_records;

namespace {

std::vector<Record> records(const QString& text) {
    RecordReader reader(text);
    std::vector<Record> out;
    Record r;
    while (reader.next(r)) out.push_back(r);
    return out;
}

QString decoded(const QByteArray& bytes) {
    QString text, error;
    EXPECT_TRUE(decode_file(bytes, &text, &error)) << error.toStdString();
    return text;
}

TEST(TextRecords, QuotedItemsHoldCommasDoubledQuotesAndLineEnds) {
    const auto r =
        records(QStringLiteral("\"Smith, Jr.\",\"say \"\"hi\"\"\",5'10\" tall,  plain  , \"x\"\r\n"
                               "\"1 Main St\nApt 2\",\"\",#NULL#,\"#NULL#\"\n"));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].items, QStringList({"Smith, Jr.", "say \"hi\"", "5'10\" tall", "plain", "x"}));
    EXPECT_EQ(r[1].items, QStringList({"1 Main St\nApt 2", "", "", "#NULL#"}));
}

TEST(TextRecords, BlankLinesAreSkippedAndEveryLineEndCounts) {
    // LF, CR LF and CR alone; a line of commas only is as blank as an empty one.
    const auto r = records(QStringLiteral("a,b\n\r\n  \n,,,\rc,d\re,\r\n"));
    ASSERT_EQ(r.size(), 3u);
    EXPECT_EQ(r[0].line, 1);
    EXPECT_EQ(r[1].items, QStringList({"c", "d"}));
    EXPECT_EQ(r[1].line, 5);
    EXPECT_EQ(r[2].items, QStringList({"e", ""}));
    EXPECT_EQ(r[2].line, 6);
}

TEST(TextRecords, AQuoteClosedLinesLaterEndsItsRecordThereOneNeverClosedSpoilsItsLineOnly) {
    using P = Record::Problem;
    struct Case {
        const char* text;
        std::vector<std::tuple<int, int, P>> records;  // first line, last line, problem
    };
    const Case cases[] = {
        // Closed on line 3: one record of lines 1-3; reading goes on after it.
        {"A,\"B\nC,D\nE\",F\nG,H\n", {{1, 3, P::LineBreak}, {4, 4, P::None}}},
        // Never closed: line 1 alone; the lines after it are records of their own.
        {"A,\"B\nC,D\nE,F", {{1, 1, P::UnclosedQuote}, {2, 2, P::None}, {3, 3, P::None}}},
        // Closed lines later by a stray quote with text after it: line 1 alone.
        {"\"Dee,x\nEve,y\nGus,\"Gray\" Jr,z\n",
         {{1, 1, P::UnclosedQuote}, {2, 2, P::None}, {3, 3, P::None}}},
    };
    for (const Case& c : cases) {
        const auto r = records(QString::fromLatin1(c.text));
        std::vector<std::tuple<int, int, P>> got;
        for (const Record& record : r)
            got.emplace_back(record.line, record.last_line, record.problem);
        EXPECT_EQ(got, c.records) << c.text;
    }
    EXPECT_EQ(records("\"Dee,x\nEve,y\nGus,\"Gray\" Jr,z\n")[2].items,
              QStringList({"Gus", "Gray Jr", "z"}));
}

TEST(TextRecords, FilesAreUtf8WhenTheyCanBeAndWindows1252Otherwise) {
    // A byte-order mark is dropped; accents survive in either encoding; leading zeros stay.
    EXPECT_EQ(decoded("\xEF\xBB\xBF\"Jos\xC3\xA9\",02134"), QStringLiteral("\"José\",02134"));
    EXPECT_EQ(decoded("M\xFCller \x93"
                      "Bob\x94"),
              QStringLiteral("Müller “Bob”"));
    // One stray byte makes the whole file Windows-1252, also the bytes that looked like UTF-8.
    EXPECT_EQ(decoded("\xC3\xA9 \xE9"), QStringLiteral("Ã© é"));
    // A byte-order mark before Windows-1252 bytes is dropped all the same.
    EXPECT_EQ(decoded("\xEF\xBB\xBFM\xFCller,\x93"
                      "Bob\x94"),
              QStringLiteral("Müller,“Bob”"));

    QString text, error;
    EXPECT_FALSE(decode_file(QByteArray("\xFF\xFE"
                                        "a\0,\0",
                                        6),
                             &text, &error));
    EXPECT_TRUE(error.contains("UTF-16"));
    EXPECT_FALSE(decode_file(QByteArray("a,b\0c", 5), &text, &error));
    EXPECT_TRUE(error.contains("NUL"));
}

// A device that fails after handing out its bytes, as a failing disk would.
class FailingDevice : public QBuffer {
public:
    explicit FailingDevice(const QByteArray& bytes) {
        setData(bytes);
        open(QIODevice::ReadOnly);
    }

protected:
    qint64 readData(char* data, qint64 max) override {
        const qint64 n = QBuffer::readData(data, max);
        if (n > 0) return n;
        setErrorString(QStringLiteral("Input/output error"));
        return -1;
    }
};

TEST(TextRecords, AReadFailureNamesTheLineItStoppedIn) {
    FailingDevice device("a,b\r\nc,d\r\ne,");
    QString text, error;
    EXPECT_FALSE(read_text(device, &text, &error));
    EXPECT_TRUE(error.contains("line 3")) << error.toStdString();
    EXPECT_TRUE(error.contains("Input/output error"));
}

TEST(TextRecords, WhatWriteLineWritesReadsBackUnchanged) {
    const QStringList values = {"O'Brien, \"Bob\"", "", "Zoë & Müller", " lead", "#NULL#"};
    std::vector<common::write_line::Item> items;
    for (const QString& v : values) items.emplace_back(v);
    items.emplace_back(common::write_line::Null{});
    const QByteArray line = common::write_line::format(items);
    EXPECT_TRUE(line.endsWith(",#NULL#\r\n"));
    const auto r = records(decoded(line + line));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[1].items, values + QStringList{""});
}

}  // namespace
