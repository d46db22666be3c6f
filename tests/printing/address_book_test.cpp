#include "printing/address_book.h"

#include <gtest/gtest.h>

#include "fixture.h"

using namespace printing;
using namespace printing::address_book;

namespace {

Page smiths() {
    Page p;
    RecordImage& h = p.h;
    h.lastname1 = "SMITH";
    h.firstname1 = "JOHN";
    h.firstname2 = "JANE";
    h.lastname2 = "DOE";
    h.hyphen = "N";
    h.name_reverse = "N";
    h.address1 = "1 MAIN ST";
    h.city = "SPRINGFIELD";
    h.state = "IL";
    h.zip = "62701";
    h.home_phone = "555-0100";
    h.home_email2 = "jane@example";
    for (int i = 1; i <= 12; ++i) h.category_flag[i] = "N";
    return p;
}

QStringList texts(const std::vector<Line>& lines) {
    QStringList out;
    for (const Line& l : lines) out << (l.tab ? l.text + "|" + l.tab_text : l.text);
    return out;
}

TEST(AddressBookPage, HeadAndPersonsInTheirFontsAndColumns) {
    const auto lines = page_lines(smiths());
    EXPECT_EQ(texts(lines),
              (QStringList{"SMITH", "1 MAIN ST", "SPRINGFIELD, IL 62701", "HOME PHONE: 555-0100",
                           "HOME FAX:   ", "", "JOHN SMITH|JANE DOE",
                           "Home Email: |Home Email:  jane@example", "Work Email: |Work Email:  ",
                           "Work Phone: |Work Phone:  ", "Cell Phone: |Cell Phone: ", ""}));
    EXPECT_TRUE(lines[0].bold);
    EXPECT_EQ(lines[0].size, 12);
    EXPECT_FALSE(lines[1].bold);
    EXPECT_EQ(lines[4].size, 10);
    EXPECT_EQ(lines[6].size, 12);
    EXPECT_TRUE(lines[6].bold);
    EXPECT_EQ(lines[6].tab, 59);
    EXPECT_EQ(lines[7].tab, 74);
    EXPECT_EQ(lines[7].size, 10);
}

TEST(AddressBookPage, SecondPersonNameAndOnePersonHousehold) {
    Page p = smiths();
    p.h.hyphen = "Y";
    EXPECT_EQ(page_lines(p)[6].tab_text, "JANE DOE-SMITH");
    p.h.name_reverse = "Y";
    EXPECT_EQ(page_lines(p)[6].tab_text, "JANE SMITH-DOE");

    p.h.firstname2 = "";
    p.h.lastname2 = "";
    p.h.address2 = "APT 2";
    const auto lines = page_lines(p);
    EXPECT_EQ(lines[2].text, "APT 2");
    EXPECT_EQ(lines[7].text, "JOHN SMITH");
    EXPECT_EQ(lines[7].tab_text, " ");
    EXPECT_EQ(lines[8].tab_text, " jane@example");  // no label without a person 2
}

TEST(AddressBookPage, ChildrenSecondAddressAndNamedCategories) {
    Page p = smiths();
    p.h.number_of_children = 2;
    p.h.child[1] = "ANN";
    p.h.child[2] = "BOB JONES  ";
    p.has_second_address = true;
    p.second = {"9 LAKE RD", "", "DULUTH", "MN", "55802", "", ""};
    p.category_names[2] = "FRIENDS";
    p.category_names[5] = "CLUB";
    p.h.category_flag[2] = "Y";
    p.h.category_flag[3] = "Y";  // not in use: not listed
    p.h.category_flag[5] = "Y";
    const auto lines = page_lines(p);
    const QStringList tail = texts(lines).mid(12);
    EXPECT_EQ(tail, (QStringList{"CHILDREN:", "ANN SMITH", "BOB JONES", "",
                                 "SECONDARY ADDRESS:", "9 LAKE RD", "DULUTH, MN 55802", "", "", "",
                                 "O.V.R.A. CATEGORIES CHECKED:", "FRIENDS", "CLUB"}));
    EXPECT_TRUE(lines[13].bold);
    EXPECT_EQ(lines[13].size, 12);
    EXPECT_FALSE(lines[12].bold);

    // No named category applies: neither the heading nor its empty line.
    p.h.category_flag[2] = p.h.category_flag[5] = "N";
    EXPECT_EQ(texts(page_lines(p)).last(), "");
    EXPECT_FALSE(texts(page_lines(p)).contains("O.V.R.A. CATEGORIES CHECKED:"));
}

}  // namespace
