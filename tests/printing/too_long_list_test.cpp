#include <QListWidget>

#include "fixture.h"
#include "platform/errors.h"
#include "platform/printer.h"
#include "printing/FrmInvalid.h"

using platform::form;

namespace {

class TooLongListTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        rec = &platform::use_print_recorder();
    }
    QStringList printed() const {
        QStringList lines;
        for (const auto& t : rec->texts) lines << t.text;
        return lines;
    }
    platform::PrintRecorder* rec = nullptr;
};

TEST_F(TooLongListTest, PrintsEveryEntryUnderTheHeadingOfItsUse) {
    auto& w = form<FrmInvalid>();
    w.clear_list();
    // The second label's first line is empty: it directly follows a separator.
    for (const char* e : {"MR JOHN A VERY LONG NAME", "1 MAIN ST", "SPRINGFIELD IL 62701", "", "",
                          "2 ELM ST", "DAYTON OH 45402", ""})
        w.add_entry(QString::fromUtf8(e));
    snapshot(w.widget(), QStringLiteral("FrmInvalid"));
    click(w.ui().Command1);

    EXPECT_FALSE(w.is_loaded());
    ASSERT_EQ(rec->jobs.size(), 1u);
    EXPECT_TRUE(rec->jobs[0].ended);
    const QStringList lines = printed();
    EXPECT_EQ(
        lines,
        (QStringList{"THESE ADDRESSES DID NOT PRINT BECAUSE THEY ARE TOO LONG TO FIT ON A LABEL",
                     " ", "MR JOHN A VERY LONG NAME", "1 MAIN ST", "SPRINGFIELD IL 62701",
                     "2 ELM ST", "DAYTON OH 45402"}));
    // The empty entries keep their lines: the second label starts three lines below the first's
    // end.
    const double line = rec->texts[1].y - rec->texts[0].y;
    EXPECT_NEAR(rec->texts[5].y - rec->texts[4].y, 3 * line, 1e-9);
    EXPECT_EQ(rec->texts[0].font, QStringLiteral("Arial"));
    EXPECT_EQ(rec->texts[0].size, 10);

    // Another use: the import's duplicates, with nothing left of the labels.
    w.clear_list();
    w.set_heading(QStringLiteral("DUPLICATE RECORDS"));
    w.add_entry(QStringLiteral("SMITH, JOHN"));
    EXPECT_EQ(w.caption(), QStringLiteral("Duplicate Records"));
    click(w.ui().Command1);
    const auto second = rec->job_texts(1);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0].text, QStringLiteral("DUPLICATE RECORDS"));
    EXPECT_EQ(second[2].text, QStringLiteral("SMITH, JOHN"));
}

TEST_F(TooLongListTest, APrinterErrorIsShownAndKeepsTheList) {
    auto& w = form<FrmInvalid>();
    w.clear_list();
    w.add_entry(QStringLiteral("A"));
    EXPECT_EQ(w.caption(), QStringLiteral("Labels Not Printed"));
    rec->fail_next_begin = true;
    msgs.expect(QStringLiteral("The printer PDF could not print."), platform::vbOK,
                platform::vbExclamation);
    click(w.ui().Command1);
    EXPECT_TRUE(w.is_loaded());
    EXPECT_EQ(w.entries(), QStringList{"A"});

    click(w.ui().Command2);
    EXPECT_FALSE(w.is_loaded());
    EXPECT_TRUE(rec->texts.empty());
}

}  // namespace
