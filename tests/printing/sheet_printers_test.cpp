#include <QDir>
#include <array>
#include <functional>

#include "pdf_words.h"
#include "platform/errors.h"
#include "printing/modPRint.h"
#include "printing_fixture.h"

using platform::form;
using platform::RecordedText;

namespace {

class SheetPrinterTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        rec = &platform::use_print_recorder();
    }
    // Line j of position k reads "Pk-Lj" followed by filler of the given width.
    void fill(int positions, int lines, int filler = 0) {
        auto& buffer = form<modPRint>();
        for (int k = 1; k <= modPRint::kPositions; ++k)
            for (int j = 1; j <= 5; ++j)
                buffer.page_line[j][k] = k <= positions && j <= lines
                                             ? QStringLiteral("P%1-L%2").arg(k).arg(j) +
                                                   QString(filler, QLatin1Char('W'))
                                             : QString();
    }
    const RecordedText* find(const QString& prefix) const {
        for (const RecordedText& t : rec->texts)
            if (t.text.startsWith(prefix)) return &t;
        return nullptr;
    }
    // Every text of the last job lies inside the real label its tag names.
    void expect_on_labels(const RealSheet& sheet) {
        const platform::PageGeometry g = platform::printer().geometry();
        for (const RecordedText& t : rec->job_texts(int(rec->jobs.size()) - 1)) {
            const int tagged = t.text.mid(1, t.text.indexOf(QLatin1Char('-')) - 1).toInt();
            const QRectF box = drawn_box(t, g);
            EXPECT_EQ(sheet.label_holding(box), tagged)
                << t.text.left(8).toStdString() << " at " << box.x() << "," << box.y() << " "
                << box.width() << "x" << box.height();
        }
    }
    platform::PrintRecorder* rec = nullptr;
};

// Where each sheet's rows start, held here, not read from the printing code. Rows are placed
// in sixteenths of an inch below the printable area's top (1/4 in below the page's top edge
// on the PDF device): Standard at the printer's line number + 4, then one per inch (5160 pitch
// 1 in); Shipping at 11 whatever the line number, then every 2 in (5163 pitch 2 in); Invite at
// the line number + 8, then every 21/16 in (5662 pitch 1 1/3 in). At line number 5 (none
// calibrated) every line of every row lies on its real label; a larger number, read off a
// printer that feeds its sheets lower, moves the rows down with them, the largest (10) still
// on one page.
TEST_F(SheetPrinterTest, RowsStartWhereTheLayoutPutsThemOnTheRealLabels) {
    auto& m = form<modPRint>();
    struct Case {
        const RealSheet& real;
        int lines;
        double first_at_5, step;  // inches below the printable top
        bool follows_line_number;
        std::function<void(int)> print;
    };
    const Case cases[] = {
        {kAvery5160, 5, 9 / 16.0, 1, true, [&m](int top) { m.print_standard_sheet(top); }},
        {kAvery5163, 5, 11 / 16.0, 2, false, [&m](int) { m.print_shipping_sheet(); }},
        {kAvery5662, 3, 13 / 16.0, 21 / 16.0, true, [&m](int top) { m.print_invite_sheet(top); }},
    };
    for (const Case& c : cases) {
        for (int line_number : {5, 10}) {
            SCOPED_TRACE(testing::Message() << c.real.labels << " labels, line " << line_number);
            fill(c.real.labels, 5);
            rec->clear();
            c.print(line_number);
            const double first =
                c.first_at_5 + (c.follows_line_number ? (line_number - 5) / 16.0 : 0);
            for (int row = 1; row <= c.real.labels / c.real.columns; ++row) {
                const int k = (row - 1) * c.real.columns + 1;
                const RecordedText* t = find(QStringLiteral("P%1-L1").arg(k));
                ASSERT_NE(t, nullptr) << row;
                EXPECT_NEAR(t->y, first + (row - 1) * c.step, 1e-9) << "row " << row;
            }
            if (line_number == 5) expect_on_labels(c.real);
            ASSERT_EQ(rec->jobs.size(), 1u);
            EXPECT_EQ(rec->jobs[0].pages, 1);
            // Invitations print three lines.
            EXPECT_EQ(find(QStringLiteral("P1-L4")) != nullptr, c.lines == 5);
        }
    }
}

TEST_F(SheetPrinterTest, TheInvitationsInkDoesNotCarryOverToTheNextSheets) {
    auto& m = form<modPRint>();
    fill(30, 5);
    m.print_invite_sheet(5);
    m.print_standard_sheet(5);
    m.print_shipping_sheet();
    ASSERT_EQ(rec->jobs.size(), 3u);
    EXPECT_NE(rec->job_texts(0)[0].color, 0u);
    for (int job : {1, 2}) {
        const RecordedText t = rec->job_texts(job)[0];
        EXPECT_EQ(t.color, 0u);
        EXPECT_EQ(t.color_mode, platform::kColorModeMono);
    }
    for (const auto& job : rec->jobs) {
        EXPECT_EQ(job.pages, 1);
        EXPECT_TRUE(job.ended);
    }
}

TEST_F(SheetPrinterTest, EveryLineLandsInsideItsLabel) {
    auto& m = form<modPRint>();
    // Long lines of wide capitals, as the composition's limits allow (33, 27 and 25 characters).
    fill(30, 5, 33 - 6);
    m.print_standard_sheet(4);
    expect_on_labels(kAvery5160);
    m.print_standard_sheet(5);
    expect_on_labels(kAvery5160);
    fill(10, 5, 27 - 6);
    m.print_shipping_sheet();
    expect_on_labels(kAvery5163);
    fill(14, 3, 25 - 6);
    m.print_invite_sheet(5);
    expect_on_labels(kAvery5662);

    // Condensing only touches lines that would not fit.
    fill(30, 5);
    m.print_standard_sheet(5);
    for (const RecordedText& t : rec->job_texts(int(rec->jobs.size()) - 1))
        EXPECT_EQ(t.stretch, 100);
}

TEST_F(SheetPrinterTest, EveryPositionPrintsAndOnlyFirstLinesCount) {
    auto& m = form<modPRint>();
    fill(7, 5);
    // A label whose first line is empty prints its other lines but is not counted.
    m.page_line[2][9] = QStringLiteral("P9-L2");
    m.print_standard_sheet(5);
    m.count_standard_labels();
    EXPECT_EQ(m.labels_on_page, 7);
    ASSERT_NE(find("P9-L2"), nullptr);
    EXPECT_EQ(rec->jobs.size(), 1u);
    EXPECT_EQ(rec->jobs[0].pages, 1);

    m.print_shipping_sheet();
    m.count_shipping_labels();
    EXPECT_EQ(m.labels_on_page, 7);
    fill(0, 0);
    m.print_invite_sheet(5);
    EXPECT_EQ(m.labels_on_page, 0);
    // Positions past a sheet's last one are not counted.
    fill(30, 1);
    m.count_shipping_labels();
    EXPECT_EQ(m.labels_on_page, 10);
    m.print_invite_sheet(5);
    EXPECT_EQ(m.labels_on_page, 14);
}

TEST_F(SheetPrinterTest, APrinterErrorReachesTheCaller) {
    fill(3, 5);
    rec->fail_next_begin = true;
    EXPECT_THROW(form<modPRint>().print_standard_sheet(5), platform::VbError);
    EXPECT_FALSE(platform::printer().job_open());
}

}  // namespace

namespace {

// A whole 5160 sheet on the real PDF device, read back with pdftotext.
class SheetOnPdfTest : public testing_support::OvraTest {};

TEST_F(SheetOnPdfTest, EveryWordOfA5160SheetLiesOnItsLabel) {
    auto& m = form<modPRint>();
    for (int k = 1; k <= 30; ++k) {
        // Line 1 at the composition's limit in wide capitals; the tag word names the label.
        m.page_line[1][k] = QStringLiteral("MR AND MRS WWWWWWWWWWWWWWWWWWWWWW");
        m.page_line[2][k] = QStringLiteral("T%1 1234 LONG MEADOW LANE").arg(k);
        m.page_line[3][k] = QStringLiteral("APT 5");
        m.page_line[4][k] = QStringLiteral("SPRINGFIELD IL 62701-1234");
        m.page_line[5][k] = QStringLiteral("USA");
    }
    files.expect(path("sheet.pdf"));
    {
        platform::PrintCommand command(QStringLiteral("Mailing labels 5160.pdf"));
        m.print_standard_sheet(4);
        command.finish();
    }
    const auto words = testing_support::pdf_words(path("sheet.pdf"));
    ASSERT_EQ(words.size(), 30u * 15);
    std::array<int, 31> tagged{};
    for (const auto& w : words) {
        EXPECT_EQ(w.page, 1);
        const int label = kAvery5160.label_holding(w.box);
        EXPECT_NE(label, 0) << w.text.toStdString() << " at " << w.box.x() << "," << w.box.y()
                            << " to " << w.box.right() << "," << w.box.bottom();
        if (w.text.startsWith(QLatin1Char('T'))) {
            EXPECT_EQ(QStringLiteral("T%1").arg(label), w.text);
            ++tagged[label];
        }
    }
    for (int k = 1; k <= 30; ++k) EXPECT_EQ(tagged[k], 1) << k;
    testing_support::pdf_page_png(
        path("sheet.pdf"), 1,
        QDir(qEnvironmentVariable("OVRA_SNAPSHOTS", dir_.path())).filePath("sheet-5160.png"), 100);
}

}  // namespace
