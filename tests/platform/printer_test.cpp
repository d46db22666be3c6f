#include "platform/printer.h"

#include <QFile>

#include "fixture.h"
#include "pdf_words.h"
#include "platform/errors.h"

using namespace platform;

namespace {

class PrinterTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        rec = &use_print_recorder();
        p = &printer();
        p->set_ScaleMode(kScaleInches);
        p->set_FontName(QStringLiteral("Arial"));
        p->set_FontSize(8);
    }
    PrintRecorder* rec = nullptr;
    Printer* p = nullptr;
};

TEST_F(PrinterTest, PdfIsListedLastAndIsTheDefaultWithoutQueues) {
    EXPECT_EQ(p->Printers(), QStringList{kPdfDevice});
    EXPECT_EQ(p->DeviceName(), kPdfDevice);
    p->set_installed_queues(QStringList{"Office", "Den"});
    EXPECT_EQ(p->Printers(), (QStringList{"Office", "Den", kPdfDevice}));
    EXPECT_TRUE(p->select_by_name(QStringLiteral("Den")));
    EXPECT_EQ(p->DeviceName(), QStringLiteral("Den"));
    EXPECT_FALSE(p->select_by_name(QStringLiteral("den")));
    EXPECT_EQ(p->DeviceName(), QStringLiteral("Den"));
}

// Text printed on goes on after the text before it, in twips as in inches; the next line
// starts one line of the current font lower.
TEST_F(PrinterTest, PositionsFollowTheFontAndTheScale) {
    const double small_line = p->TextHeight();
    const double small_width = p->TextWidth("WWW");
    p->set_FontSize(16);
    EXPECT_GT(p->TextHeight(), 1.5 * small_line);
    EXPECT_GT(p->TextWidth("WWW"), 1.5 * small_width);
    p->set_ScaleMode(kScaleTwips);
    p->set_CurrentY(1440);
    p->set_CurrentX(720);
    p->PrintContinue({"WWW"});
    const double after = p->CurrentX();
    p->set_ScaleMode(kScaleInches);
    EXPECT_NEAR(p->CurrentX(), after / 1440, 1e-9);
    p->Print({"X"});
    p->Print({"Y"});
    p->EndDoc();
    ASSERT_EQ(rec->texts.size(), 3u);
    EXPECT_DOUBLE_EQ(rec->texts[0].x, 0.5);
    EXPECT_DOUBLE_EQ(rec->texts[0].y, 1);
    EXPECT_NEAR(rec->texts[1].x, 0.5 + p->TextWidth("WWW"), 1e-9);
    EXPECT_NEAR(rec->texts[1].x, after / 1440, 1e-9);
    EXPECT_EQ(rec->texts[1].y, 1);
    EXPECT_NEAR(rec->texts[2].y, 1 + p->TextHeight(), 1e-9);
}

TEST_F(PrinterTest, TextsEndShortOfTheirNextColumnAndOfThePageWithoutWrapping) {
    // Arial's columns are those of the original face: 904/2048 em, not the substitute's.
    const double tab = 904.0 / 2048 * 8 / 72;
    const double col5 = 4 * tab, col60 = 59 * tab, right = p->ScaleWidth();
    const QString w28(28, QLatin1Char('W')), w50(50, QLatin1Char('W')), w80(80, QLatin1Char('W'));
    p->set_CurrentY(1);
    p->Print({Tab(5), "SHORT", Tab(60), "N"});
    p->Print({Tab(5), w28, Tab(60), "N"});  // condensed to end half a column short
    p->Print({Tab(5), w80, Tab(60), "N"});  // too long even at 60 %: N one blank after it
    p->Print({Tab(60), w80});               // the line's last text ends at the page edge
    p->Print({Tab(5), FitText(w50, 2.5), Tab(60), "N"});  // a label edge condenses further
    p->Print({Tab(0), "D"});
    p->EndDoc();

    const double line = p->TextHeight();
    const auto& t = rec->texts;
    ASSERT_EQ(t.size(), 10u);
    auto end = [](const RecordedText& r) { return r.x + drawn_size(r).width(); };
    EXPECT_NEAR(t[0].x, col5, 1e-9);
    EXPECT_EQ(t[0].stretch, 100);
    EXPECT_NEAR(t[1].x, col60, 1e-9);
    EXPECT_NEAR(t[2].y, 1 + line, 1e-9);
    EXPECT_GT(t[2].stretch, 60);
    EXPECT_LT(t[2].stretch, 100);
    EXPECT_LE(end(t[2]), col60 - tab / 2);
    EXPECT_GT(end(t[2]), col60 - tab / 2 - 0.04);
    EXPECT_NEAR(t[3].x, col60, 1e-9);
    EXPECT_EQ(t[4].stretch, 60);
    EXPECT_NEAR(t[5].x, end(t[4]) + p->TextWidth(" "), 1e-6);
    EXPECT_EQ(t[5].y, t[4].y);
    EXPECT_NEAR(t[6].x, col60, 1e-9);
    EXPECT_LT(t[6].stretch, 100);
    EXPECT_LE(end(t[6]), right);
    EXPECT_GT(end(t[6]), right - 0.04);
    EXPECT_LT(t[7].stretch, 60);
    EXPECT_LE(end(t[7]), 2.5);
    EXPECT_NEAR(t[8].x, col60, 1e-9);
    EXPECT_EQ(t[9].x, 0);
    EXPECT_NEAR(t[9].y, 1 + 5 * line, 1e-9);
}

// Room is made only for ink: a tab followed by nothing, an empty text or blanks leaves the
// text before it whole, and across an empty column a text makes room only for the next text.
TEST_F(PrinterTest, TabsToNothingCondenseNothing) {
    const double tab = 904.0 / 2048 * 8 / 72, col60 = 59 * tab, col95 = 94 * tab;
    const QString w28(28, QLatin1Char('W')), w50(50, QLatin1Char('W'));
    p->Print({Tab(5), w28, Tab(60)});
    p->Print({Tab(5), w28, Tab(60), "", Tab(95), ""});
    p->Print({Tab(5), w28, Tab(60), " "});
    p->Print({Tab(5), w50, Tab(60), "", Tab(95), "N"});
    p->EndDoc();
    const auto& t = rec->texts;
    ASSERT_EQ(t.size(), 6u);
    for (int i : {0, 1, 2}) EXPECT_EQ(t[i].stretch, 100) << i;
    ASSERT_GT(t[0].x + drawn_size(t[0]).width(), col60) << "w28 must pass column 60";
    const double end = t[4].x + drawn_size(t[4]).width();
    EXPECT_LT(t[4].stretch, 100);
    EXPECT_GT(end, col60);
    EXPECT_LE(end, col95 - tab / 2);
    EXPECT_NEAR(t[5].x, col95, 1e-9);
}

TEST_F(PrinterTest, LongOutputOverflowsOntoNewPagesInsideThePrintableArea) {
    for (int i = 0; i < 200; ++i) p->Print({QString::number(i)});
    p->NewPage();
    p->Print({"after"});
    p->EndDoc();
    ASSERT_EQ(rec->jobs.size(), 1u);
    const int pages = rec->jobs[0].pages;
    EXPECT_GE(pages, 3);
    const double bottom = p->geometry().printable.height();
    for (const RecordedText& t : rec->texts)
        EXPECT_LE(t.y + p->TextHeight(), bottom + 1e-9) << t.text.toStdString();
    EXPECT_EQ(rec->texts.back().page, pages);
    EXPECT_EQ(rec->texts.back().y, 0);
    // Page 2 starts at the top with the next line.
    for (const RecordedText& t : rec->texts)
        if (t.page == 2) {
            EXPECT_EQ(t.y, 0);
            break;
        }
}

// A job starts at its first output and EndDoc resets the ink; one that cannot start is
// reported and the next one runs.
TEST_F(PrinterTest, JobsStartAtTheirFirstOutputAndEndWithBlackInk) {
    p->set_ForeColor(0x400000);
    p->set_ColorMode(kColorModeColor);
    p->set_CurrentY(2);
    EXPECT_FALSE(p->job_open());
    p->EndDoc();
    EXPECT_TRUE(rec->jobs.empty());
    rec->fail_next_begin = true;
    try {
        p->Print({"lost"});
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), kErrPrinter);
    }
    EXPECT_FALSE(p->job_open());

    p->Print({"blue"});
    p->EndDoc();
    p->Print({"black"});
    p->EndDoc();
    ASSERT_EQ(rec->jobs.size(), 2u);
    EXPECT_TRUE(rec->jobs[0].ended && rec->jobs[1].ended);
    ASSERT_EQ(rec->texts.size(), 2u);
    EXPECT_EQ(rec->texts[0].text, "blue");
    EXPECT_EQ(rec->texts[0].color, 0x400000u);
    EXPECT_EQ(rec->texts[0].color_mode, kColorModeColor);
    EXPECT_EQ(rec->texts[1].color, 0u);
    EXPECT_EQ(rec->texts[1].y, 0);
}

// The real PDF device.
class PdfDeviceTest : public testing_support::OvraTest {};

TEST_F(PdfDeviceTest, OneCommandCollectsItsJobsInOneFileAndCancelPrintsNothing) {
    Printer& p = printer();
    files.expect(QString());
    {
        PrintCommand command(QStringLiteral("Mailing labels 5160.pdf"));
        EXPECT_TRUE(command.cancelled());
    }
    ASSERT_EQ(files.calls().size(), 1u);
    EXPECT_EQ(files.calls()[0].file_name, "Mailing labels 5160.pdf");

    files.expect(path("two.pdf"));
    {
        PrintCommand command(QStringLiteral("Mailing labels 5160.pdf"));
        ASSERT_FALSE(command.cancelled());
        p.set_ScaleMode(kScaleInches);
        p.set_FontName(QStringLiteral("Arial"));
        p.set_FontSize(10);
        p.set_CurrentY(1);
        p.set_CurrentX(1);
        p.PrintContinue({"FIRST"});
        p.EndDoc();
        p.Print({"SECOND"});
        p.EndDoc();
        command.finish();
    }
    const auto words = testing_support::pdf_words(path("two.pdf"));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].page, 1);
    EXPECT_EQ(words[1].page, 2);
    // The printable area starts 1/4 in from the page's left and top edges.
    EXPECT_NEAR(words[0].box.left(), 1.25, 1.0 / 64);
    EXPECT_NEAR(words[0].box.top(), 1.25, 1.0 / 32);
    EXPECT_NEAR(words[1].box.left(), 0.25, 1.0 / 64);
    EXPECT_NEAR(words[1].box.top(), 0.25, 1.0 / 32);
}

TEST_F(PdfDeviceTest, AFileThatCannotBeWrittenFailsTheJob) {
    files.expect(path("no such folder/out.pdf"));
    PrintCommand command(QStringLiteral("Printout.pdf"));
    try {
        printer().Print({"X"});
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), kErrPrinter);
    }
    EXPECT_FALSE(QFile::exists(path("no such folder/out.pdf")));
}

}  // namespace
