#include <QDir>
#include <functional>

#include "pdf_words.h"
#include "platform/errors.h"
#include "printing/modPRint.h"
#include "printing_fixture.h"

using platform::form;
using platform::RecordedText;

namespace {

// Line j of position k reads "Pk-Lj" followed by filler of the given width.
void fill(int positions, int lines, int filler = 0) {
    auto& buffer = form<modPRint>();
    for (int k = 1; k <= modPRint::kPositions; ++k)
        for (int j = 1; j <= 5; ++j)
            buffer.page_line[j][k] =
                k <= positions && j <= lines
                    ? QStringLiteral("P%1-L%2").arg(k).arg(j) + QString(filler, QLatin1Char('W'))
                    : QString();
}
// The position a text's tag names.
int tagged(const QString& text) {
    return text.mid(1, text.indexOf(QLatin1Char('-')) - 1).toInt();
}

class SheetPrinterTest : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        rec = &platform::use_print_recorder();
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
            const QRectF box = drawn_box(t, g);
            EXPECT_EQ(sheet.label_holding(box), tagged(t.text))
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
        bool ink;  // the invitations' blue, in colour; the others print black in mono
    };
    // The invitations first: their ink must not carry over to the next sheets.
    const Case cases[] = {
        {kAvery5662, 3, 13 / 16.0, 21 / 16.0, true, [&m](int top) { m.print_invite_sheet(top); },
         true},
        {kAvery5160, 5, 9 / 16.0, 1, true, [&m](int top) { m.print_standard_sheet(top); }, false},
        {kAvery5163, 5, 11 / 16.0, 2, false, [&m](int) { m.print_shipping_sheet(); }, false},
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
            EXPECT_TRUE(rec->jobs[0].ended);
            for (const RecordedText& t : rec->texts) {
                EXPECT_EQ(t.color != 0, c.ink);
                EXPECT_EQ(t.color_mode,
                          c.ink ? platform::kColorModeColor : platform::kColorModeMono);
                EXPECT_EQ(t.stretch, 100);  // condensing only touches lines that would not fit
            }
            // Invitations print three lines.
            EXPECT_EQ(find(QStringLiteral("P1-L4")) != nullptr, c.lines == 5);
        }
    }
}

TEST_F(SheetPrinterTest, EveryPositionPrintsOnlyFirstLinesCountAndErrorsReachTheCaller) {
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

    // A printer error reaches the caller.
    rec->fail_next_begin = true;
    EXPECT_THROW(m.print_standard_sheet(5), platform::VbError);
    EXPECT_FALSE(platform::printer().job_open());
}

// Lines at the composition's limits in wide capitals (33, 27 and 25 characters) on the real PDF
// device: every word lies inside the real label its tag names.
class SheetOnPdfTest : public testing_support::OvraTest {};

TEST_F(SheetOnPdfTest, EveryLineAtItsLimitLandsInsideItsLabel) {
    auto& m = form<modPRint>();
    struct Page {
        const RealSheet& real;
        int lines, limit;
        std::function<void()> print;
    } pages[] = {
        {kAvery5160, 5, 33, [&m] { m.print_standard_sheet(4); }},
        {kAvery5160, 5, 33, [&m] { m.print_standard_sheet(5); }},
        {kAvery5163, 5, 27, [&m] { m.print_shipping_sheet(); }},
        {kAvery5662, 3, 25, [&m] { m.print_invite_sheet(5); }},
    };
    files.expect(path("sheets.pdf"));
    {
        platform::PrintCommand command(QStringLiteral("Mailing labels.pdf"));
        for (const Page& p : pages) {
            fill(p.real.labels, 5, p.limit - 6);
            p.print();
        }
        command.finish();
    }
    std::vector<int> words_on_page(std::size(pages));
    for (const auto& w : testing_support::pdf_words(path("sheets.pdf"))) {
        ASSERT_LE(w.page, int(std::size(pages)));
        EXPECT_EQ(pages[w.page - 1].real.label_holding(w.box), tagged(w.text))
            << w.text.left(8).toStdString() << " on page " << w.page << " at " << w.box.x() << ","
            << w.box.y() << " to " << w.box.right() << "," << w.box.bottom();
        ++words_on_page[w.page - 1];
    }
    for (size_t i = 0; i < std::size(pages); ++i)
        EXPECT_EQ(words_on_page[i], pages[i].real.labels * pages[i].lines) << "page " << i + 1;
    testing_support::pdf_page_png(
        path("sheets.pdf"), 1,
        QDir(qEnvironmentVariable("OVRA_SNAPSHOTS", dir_.path())).filePath("sheet-5160.png"), 100);
}

}  // namespace
