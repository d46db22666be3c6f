#include "common/tracking_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "platform/errors.h"
#include "platform/files.h"

using namespace common::tracking;

namespace {

TrackingReport sample() {
    TrackingReport r;
    r.header.name = "Spring \"Open\" House, 2027";
    r.header.response_date = QDate(2027, 4, 1);
    r.header.party_date = QDate(2027, 4, 15);
    r.invitees = {{"SMITH, JOHN & MARY", "2", "?", "555-123-4567"},
                  {"O'BRIEN \"BUD\"", "1", "Y", ""},
                  {"JONES", "12", "N", "555-000-1111"}};
    return r;
}

// The error number and the message the user sees when a file fails.
std::pair<int, QString> failure(const QByteArray& bytes) {
    try {
        parse_report(bytes, "party.trk");
    } catch (const platform::VbError& e) {
        return {e.number(), e.description()};
    }
    return {0, {}};
}

}  // namespace

TEST(TrackingFile, NewReportHasBarePartyNumbersAndSavedOneQuotedBothReadBackWhole) {
    const TrackingReport r = sample();
    const QByteArray fresh = format_report(r, PartyNumber::Bare);
    EXPECT_EQ(fresh,
              "3,\"Spring \"\"Open\"\" House, 2027\",#2027-04-01#,#2027-04-15#\r\n"
              "\"SMITH, JOHN & MARY\",2,\"?\",\"555-123-4567\"\r\n"
              "\"O'BRIEN \"\"BUD\"\"\",1,\"Y\",\"\"\r\n"
              "\"JONES\",12,\"N\",\"555-000-1111\"\r\n");
    const QByteArray saved = format_report(r, PartyNumber::Quoted);
    EXPECT_TRUE(saved.contains("\"SMITH, JOHN & MARY\",\"2\",\"?\",\"555-123-4567\"\r\n"));
    // Both forms read back to the same report, quotes and commas included, also from disk.
    EXPECT_EQ(format_report(parse_report(fresh, "x.trk"), PartyNumber::Quoted), saved);
    QTemporaryDir dir;
    const QString path = report_path(dir.path(), "Spring");
    EXPECT_TRUE(path.endsWith("/Spring.trk"));
    write_report(path, r, PartyNumber::Quoted);
    EXPECT_EQ(format_report(read_report(path), PartyNumber::Bare), fresh);
    // A report whose folder is gone cannot be written, and says so.
    EXPECT_THROW(write_report(report_path(dir.filePath("nowhere"), "x"), r, PartyNumber::Quoted),
                 platform::VbError);

    // The count written is the true one; an empty report is its heading line alone.
    TrackingReport empty = sample();
    empty.header.count = 99;
    EXPECT_TRUE(format_report(empty, PartyNumber::Bare).startsWith("3,"));
    empty.invitees.clear();
    EXPECT_EQ(format_report(empty, PartyNumber::Quoted).count("\r\n"), 1);
    EXPECT_EQ(parse_report(format_report(empty, PartyNumber::Quoted), "x.trk").invitees.size(), 0u);
    // A text in the number column cannot be written bare.
    EXPECT_EQ(format_invitee({"A", "two", "?", ""}, PartyNumber::Bare),
              "\"A\",\"two\",\"?\",\"\"\r\n");
}

TEST(TrackingFile, MissingAndDamagedFilesAreRefusedWithAMessage) {
    QTemporaryDir dir;
    try {
        read_report(dir.filePath("gone.trk"));
        FAIL() << "a missing report must not read";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), platform::kErrFileNotFound);
        EXPECT_EQ(e.description(), "THE TRACKING REPORT gone.trk CANNOT BE FOUND");
    }

    const QByteArray head = "2,\"P\",#2027-04-01#,#2027-04-15#\r\n";
    const QByteArray one = "\"A\",1,\"?\",\"\"\r\n";
    EXPECT_EQ(failure(""),
              std::make_pair(13, QString("THE TRACKING REPORT party.trk IS DAMAGED: IT IS EMPTY")));
    // Fewer invitees than counted, or a record cut short.
    EXPECT_EQ(
        failure(head + one).second,
        "THE TRACKING REPORT party.trk IS DAMAGED: ITS HEADING COUNTS 2 INVITEES BUT IT HOLDS 1");
    EXPECT_EQ(failure(head + one + "\"B\",2\r\n").second,
              "THE TRACKING REPORT party.trk IS DAMAGED: INVITEE 2 DOES NOT HAVE ITS FOUR ITEMS");
    // A bad date, a bad count, a short heading.
    EXPECT_EQ(failure("0,\"P\",#2027-02-30#,#2027-04-15#\r\n").second,
              "THE TRACKING REPORT party.trk IS DAMAGED: ITS DATES ARE NOT DATES");
    EXPECT_EQ(failure("x,\"P\",#2027-04-01#,#2027-04-15#\r\n").first, 13);
    EXPECT_EQ(failure("-1,\"P\",#2027-04-01#,#2027-04-15#\r\n").first, 13);
    EXPECT_EQ(failure("0,\"P\",#2027-04-01#\r\n").first, 13);
}

TEST(TrackingFile, LowHeaderCountKeepsEveryRecordAndLfOrBlankLinesAreFine) {
    const QByteArray bytes =
        "1,\"P\",#2027-04-01#,#2027-04-15#\n\"A\",1,\"?\",\"\"\n\n\"B\",\"3\",\"Y\",\"1\"\n";
    const TrackingReport r = parse_report(bytes, "x.trk");
    EXPECT_EQ(r.header.count, 2);
    ASSERT_EQ(r.invitees.size(), 2u);
    EXPECT_EQ(r.invitees[1].number, "3");
    // A quoted count, as some writers leave it.
    EXPECT_EQ(parse_report("\"0\",\"P\",#2027-04-01#,#2027-04-15#\r\n", "x").header.count, 0);
}
