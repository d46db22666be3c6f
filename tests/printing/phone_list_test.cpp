#include "printing/phone_list.h"

#include <gtest/gtest.h>

#include "long_names_fixture.h"

using namespace printing;
using namespace printing::phone_list;

namespace {

TEST(PhoneListEntry, NumbersCloseUpInSlotOrderAndOnePersonShowsOnlyTheirOwn) {
    RecordImage h;
    h.lastname1 = h.lastname2 = "SMITH";
    h.firstname1 = "JOHN";
    h.firstname2 = "JANE";
    h.work_phone1 = "W1";
    h.cell_phone2 = "C2";
    EXPECT_EQ(name_text(h), "SMITH, JOHN & JANE");
    auto lines = entry_lines(h, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, "JOHN'S WORK: W1");
    EXPECT_EQ(lines[0].second, "JANE'S CELL: C2");

    h.firstname2 = "";  // person 2's numbers left in the row are not printed
    lines = entry_lines(h, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].name, "SMITH, JOHN");
    EXPECT_EQ(lines[0].first, "WORK: W1");
    EXPECT_EQ(lines[0].second, "");
}

using PhoneListOnPaper = LongNamesOnPaper;

TEST_F(PhoneListOnPaper, LongNamesAndEveryNumberStayApartInTheirColumns) {
    const QString pdf = print_all(&Dialog::optprint1, "Phone list.pdf");
    QStringList texts;
    for (const RecordImage& h : images())
        for (const EntryLine& l : entry_lines(h, false)) texts << l.name << l.first << l.second;
    const auto words = testing_support::pdf_words(pdf);
    EXPECT_EQ(testing_support::layout_faults(words, texts), QStringList());

    // Every number's label starts in its column (News Gothic's columns: 840/2048 em at 8.28 pt
    // from the printable area's left, 1/4 in), or right after a name too long for the first.
    const double tab = 840.0 / 2048 * 8.28 / 72, first = 0.25 + 59 * tab, second = 0.25 + 94 * tab;
    int labels = 0, in_second = 0;
    const testing_support::PdfWord* before = nullptr;
    for (const auto& w : words) {
        const bool own = w.text == "WORK:" || w.text == "CELL:";  // one person's, unnamed
        if (before &&
            (w.text == "HOME:" || w.text.endsWith("'S") || (own && !before->text.endsWith("'S")))) {
            ++labels;
            const double x = w.box.left();
            in_second += std::abs(x - second) < 0.005;
            const bool pushed = x > first && std::abs(before->box.top() - w.box.top()) < 0.01 &&
                                x - before->box.right() < 0.05;
            EXPECT_TRUE(std::abs(x - first) < 0.005 || std::abs(x - second) < 0.005 || pushed)
                << w.text.toStdString() << " at " << x;
        }
        before = &w;
    }
    EXPECT_EQ(labels, 4 * 5 + 3);
    EXPECT_EQ(in_second, 4 * 2 + 1);
}

}  // namespace
