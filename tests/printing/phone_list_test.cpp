#include "printing/phone_list.h"

#include <gtest/gtest.h>

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

}  // namespace
