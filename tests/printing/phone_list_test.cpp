#include "printing/phone_list.h"

#include <gtest/gtest.h>

#include "fixture.h"

using namespace printing;
using namespace printing::phone_list;

namespace {

RecordImage couple() {
    RecordImage h;
    h.lastname1 = "SMITH";
    h.firstname1 = "JOHN";
    h.firstname2 = "JANE";
    h.lastname2 = "SMITH";
    h.hyphen = "N";
    h.name_reverse = "N";
    return h;
}

TEST(PhoneListEntry, NameTextJoinsTheSecondPersonAsTheDoubleNameFlagsSay) {
    RecordImage h = couple();
    EXPECT_EQ(name_text(h), "SMITH, JOHN & JANE");
    h.lastname2 = "DOE";
    EXPECT_EQ(name_text(h), "SMITH, JOHN & JANE DOE");
    h.hyphen = "Y";
    EXPECT_EQ(name_text(h), "SMITH, JOHN & JANE DOE-SMITH");
    h.name_reverse = "Y";
    EXPECT_EQ(name_text(h), "SMITH, JOHN & JANE SMITH-DOE");
    h.firstname2 = "";
    EXPECT_EQ(name_text(h), "SMITH, JOHN");
}

TEST(PhoneListEntry, NumbersFillTwoColumnsRowByRowInSlotOrder) {
    RecordImage h = couple();
    h.home_phone = "H";
    h.work_phone1 = "W1";
    h.cell_phone1 = "C1";
    h.work_phone2 = "W2";
    h.cell_phone2 = "C2";
    auto lines = entry_lines(h, false);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].name, "SMITH, JOHN & JANE");
    EXPECT_EQ(lines[0].first, "HOME: H");
    EXPECT_EQ(lines[0].second, "JOHN'S WORK: W1");
    EXPECT_EQ(lines[1].name, "");
    EXPECT_EQ(lines[1].first, "JOHN'S CELL: C1");
    EXPECT_EQ(lines[1].second, "JANE'S WORK: W2");
    EXPECT_EQ(lines[2].first, "JANE'S CELL: C2");
    EXPECT_EQ(lines[2].second, "");

    // Gaps close up, keeping the order.
    h.home_phone = "";
    h.cell_phone1 = "";
    h.work_phone2 = "";
    lines = entry_lines(h, false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].first, "JOHN'S WORK: W1");
    EXPECT_EQ(lines[0].second, "JANE'S CELL: C2");
}

TEST(PhoneListEntry, OnePersonHasUnnamedLabelsAndNeverPersonTwosNumbers) {
    RecordImage h = couple();
    h.firstname2 = "";
    h.cell_phone1 = "C1";
    h.work_phone2 = "W2";  // left over in the row, not printed
    h.cell_phone2 = "C2";
    const auto phone = format_phone_numbers(h);
    EXPECT_EQ(phone[1], "CELL: C1");
    for (int k = 2; k <= 5; ++k) EXPECT_EQ(phone[k], "") << k;
    const auto lines = entry_lines(h, true);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].second, "");
}

TEST(PhoneListEntry, AHouseholdWithoutNumbersPrintsItsNameUnlessNumbersOnly) {
    const RecordImage h = couple();
    const auto lines = entry_lines(h, false);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].name, "SMITH, JOHN & JANE");
    EXPECT_EQ(lines[0].first, "");
    EXPECT_TRUE(entry_lines(h, true).empty());
}

}  // namespace
