// Label composition: name lines, cuts, Invite case, the length test and the invitee record.
#include "printing/label_text.h"

#include <gtest/gtest.h>

#include "fixture.h"

using namespace printing;

namespace {

RecordImage person(const QString& first, const QString& last) {
    RecordImage h;
    h.firstname1 = first;
    h.lastname1 = last;
    h.title1 = QStringLiteral("None");
    h.hyphen = h.name_reverse = h.family_flag = QStringLiteral("N");
    h.address1 = QStringLiteral("12 ELM ST");
    h.city = QStringLiteral("DAYTON");
    h.state = QStringLiteral("OH");
    h.zip = QStringLiteral("45402");
    h.home_phone = QStringLiteral("555-0101");
    return h;
}

RecordImage couple(const QString& first1, const QString& last1, const QString& first2,
                   const QString& last2) {
    RecordImage h = person(first1, last1);
    h.firstname2 = first2;
    h.lastname2 = last2;
    return h;
}

LabelOptions on(Sheet sheet) {
    LabelOptions o;
    o.sheet = sheet;
    return o;
}

}  // namespace

TEST(NameLine, TitlesSurnamesAndPartySize) {
    RecordImage same = couple("JOHN", "SMITH", "JANE", "SMITH");
    same.title1 = "MR.";
    same.title2 = "MRS.";
    RecordImage hyphen = couple("JOHN", "SMITH", "JANE", "JONES");
    hyphen.hyphen = "Y";
    hyphen.title1 = "DR.";
    hyphen.title2 = "MS.";
    RecordImage reverse = hyphen;
    reverse.name_reverse = "Y";
    RecordImage differ = couple("JOHN", "SMITH", "JANE", "JONES");
    differ.title1 = "MR.";
    differ.title2 = "";  // person 2 without a title
    RecordImage single = person("JOHN", "SMITH");
    single.title1 = "REV.";
    RecordImage untitled = couple("JOHN", "SMITH", "JANE", "SMITH");  // title1 "None"

    LabelOptions titled = on(Sheet::Standard);
    titled.title = true;
    struct Case {
        const RecordImage& h;
        LabelOptions o;
        const char* line;
        int party;
    } cases[] = {
        {same, titled, "MR. & MRS. JOHN SMITH", 2},
        {same, on(Sheet::Standard), "JOHN & JANE SMITH", 2},
        {hyphen, titled, "DR. JOHN SMITH & MS. JANE JONES-SMITH", 2},
        {reverse, on(Sheet::Standard), "JOHN SMITH & JANE SMITH-JONES", 2},
        {differ, titled, "MR. JOHN SMITH & JANE JONES", 2},
        {differ, on(Sheet::Standard), "JOHN SMITH & JANE JONES", 2},
        {single, titled, "REV. JOHN SMITH", 1},
        {single, on(Sheet::Standard), "JOHN SMITH", 1},
        {untitled, titled, "JOHN & JANE SMITH", 2},
    };
    for (const Case& c : cases) {
        const NameLine n = compose_name_line(c.h, c.o);
        EXPECT_EQ(n.line, QString::fromLatin1(c.line));
        EXPECT_EQ(n.number_in_party, c.party) << c.line;
    }
    // The children window shows a single "&" from a doubled one.
    EXPECT_EQ(compose_name_line(same, titled).caption, "MR. && MRS. JOHN SMITH");
}

TEST(NameLine, FamilyForms) {
    RecordImage same = couple("JOHN", "SMITH", "JANE", "SMITH");
    same.family_flag = "Y";
    same.number_of_children = 3;
    RecordImage differ = couple("JOHN", "SMITH", "JANE", "JONES");
    differ.family_flag = "Y";
    RecordImage hyphen = differ;
    hyphen.hyphen = "Y";
    RecordImage single = person("JOHN", "SMITH");
    single.family_flag = "Y";
    single.number_of_children = 2;
    RecordImage blank_second = single;
    blank_second.lastname2 = " ";

    LabelOptions family = on(Sheet::Standard);
    family.the_family = true;
    EXPECT_EQ(family_name_line(same, family)->line, "THE SMITH FAMILY");
    EXPECT_EQ(family_name_line(same, family)->number_in_party, 5);
    EXPECT_EQ(family_name_line(differ, family)->line, "THE JONES-SMITH FAMILY");
    EXPECT_EQ(family_name_line(hyphen, family)->line, "THE SMITH FAMILY");
    EXPECT_EQ(family_name_line(single, family)->line, "JOHN SMITH & FAMILY");
    EXPECT_EQ(family_name_line(single, family)->number_in_party, 3);
    EXPECT_EQ(family_name_line(blank_second, family)->line, "JOHN SMITH & FAMILY");

    // Only when the box is ticked and the household asked for it.
    EXPECT_FALSE(family_name_line(same, on(Sheet::Standard)));
    same.family_flag = "N";
    EXPECT_FALSE(family_name_line(same, family));

    // The children pass names a one-person household with its family unless titles are on.
    family.child_print_by_category = true;
    const NameLine n = compose_name_line(single, family);
    EXPECT_EQ(n.line, "JOHN SMITH & FAMILY");
    EXPECT_EQ(n.number_in_party, 1);
    EXPECT_EQ(n.caption, "JOHN SMITH");
    family.title = true;
    single.title1 = "MR.";
    EXPECT_EQ(compose_name_line(single, family).line, "MR. JOHN SMITH");
}

TEST(NameCut, LimitsAndCutPoints) {
    // 33 characters fit a Standard label; 34 are cut at the first "&".
    RecordImage fits = couple("JOHNATHAN", "SMITHSON", "MARYKATHLEEN", "SMITHSON");
    ASSERT_EQ(compose_name_line(fits, on(Sheet::Standard)).line.size(), 33);
    ComposedLabel l = compose_label(fits, on(Sheet::Standard));
    EXPECT_EQ(l.lines[1], "JOHNATHAN & MARYKATHLEEN SMITHSON");
    EXPECT_EQ(l.lines[2], "12 ELM ST");

    RecordImage over = couple("JOHNATHAN", "SMITHSON", "MARIEKATHLEEN", "SMITHSON");
    l = compose_label(over, on(Sheet::Standard));
    EXPECT_EQ(l.lines[1], "JOHNATHAN &");
    EXPECT_EQ(l.lines[2], "        MARIEKATHLEEN SMITHSON");
    EXPECT_EQ(l.lines[3], "12 ELM ST");
    EXPECT_EQ(l.lines[4], "DAYTON, OH 45402");
    EXPECT_FALSE(l.too_long);

    // Shipping: 27 fit, 28 are cut.
    RecordImage ship27 = couple("JOHNNY", "SMITHSON", "ROSEMARIE", "SMITHSON");
    ASSERT_EQ(compose_name_line(ship27, on(Sheet::Shipping)).line.size(), 27);
    EXPECT_TRUE(compose_label(ship27, on(Sheet::Shipping)).lines[2] == "12 ELM ST");
    RecordImage ship28 = couple("JOHNNY", "SMITHSON", "JACQUELINE", "SMITHSON");
    EXPECT_EQ(compose_label(ship28, on(Sheet::Shipping)).lines[1], "JOHNNY &");

    // The 38-character example: eight blanks open line 2.
    RecordImage example = couple("JOHN", "SMITH", "JANE", "JONES");
    example.title1 = "MR.";
    example.title2 = "MRS.";
    example.hyphen = example.name_reverse = "Y";
    LabelOptions titled = on(Sheet::Standard);
    titled.title = true;
    l = compose_label(example, titled);
    EXPECT_EQ(l.lines[1], "MR. JOHN SMITH &");
    EXPECT_EQ(l.lines[2], "        MRS. JANE SMITH-JONES");
    EXPECT_EQ(l.lines[3], "12 ELM ST");

    // No "&": cut after the first "-"; neither: line 1 empty and the label refused.
    EXPECT_EQ(cut_name_line("BARTHOLOMEW ALEXANDER WORTHINGTON-SMYTHE").line1,
              "BARTHOLOMEW ALEXANDER WORTHINGTON-");
    const CutName neither = cut_name_line("BARTHOLOMEW ALEXANDER WORTHINGTONSMYTHE");
    EXPECT_EQ(neither.line1, "");
    EXPECT_EQ(neither.line2, "       BARTHOLOMEW ALEXANDER WORTHINGTONSMYTHE");
    RecordImage unbroken = person("BARTHOLOMEWALEXANDER", "WORTHINGTONSMYTHE");
    l = compose_label(unbroken, on(Sheet::Standard));
    EXPECT_TRUE(l.too_long);
    EXPECT_EQ(l.lines[1], "");

    // Invite never cuts; the long line is refused instead.
    l = compose_label(over, on(Sheet::Invite));
    EXPECT_EQ(l.lines[1], "Johnathan & Mariekathleen Smithson");
    EXPECT_TRUE(l.too_long);
}

TEST(InviteCase, OneRuleForEveryLine) {
    struct Case {
        const char* in;
        bool city;
        const char* out;
    } cases[] = {
        {"DAYTON, OH 45402", true, "Dayton, OH 45402"},
        {"SALT LAKE CITY, UT 84101", true, "Salt Lake City, UT 84101"},
        {"JOHN SMITH & JANE JONES-SMITH", false, "John Smith & Jane Jones-Smith"},
        {"PATRICK O'BRIEN", false, "Patrick O'brien"},
        {"123 MAIN ST E", false, "123 Main St E"},  // blank among the last three
        {"ANN LEE-NG", false, "Ann Lee-Ng"},        // hyphen among the last three
        {"JO LI", false, "Jo Li"},  // two-letter words stay capitals only in the city
        {"", false, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(invite_proper_case(c.in, c.city), QString(c.out)) << c.in;
}

TEST(InviteLabel, AddressJoinCaseAndResident) {
    RecordImage h = couple("JOHN", "SMITH", "JANE", "SMITH");
    h.address1 = "123 MAIN ST";
    h.address2 = "APT 4";
    ComposedLabel l = compose_label(h, on(Sheet::Invite));
    EXPECT_EQ(l.lines[1], "John & Jane Smith");
    EXPECT_EQ(l.lines[2], "123 Main St  Apt 4");
    EXPECT_EQ(l.lines[3], "Dayton, OH 45402");
    EXPECT_EQ(l.lines[4], "");

    LabelOptions resident = on(Sheet::Invite);
    resident.resident = true;
    l = compose_label(h, resident);
    EXPECT_EQ(l.lines[1], "Resident");
    EXPECT_EQ(l.number_in_party, 2);

    // Standard keeps the second address on its own line.
    l = compose_label(h, on(Sheet::Standard));
    EXPECT_EQ(l.lines[2], "123 MAIN ST");
    EXPECT_EQ(l.lines[3], "APT 4");
    EXPECT_EQ(l.lines[4], "DAYTON, OH 45402");
}

TEST(LengthTest, LinesTestedAndEntriesListed) {
    LabelLines l;
    l[1] = QString(33, 'A');
    l[2] = "X";
    l[3] = "Y";
    l[4] = QString(60, 'C');  // lines 4 and 5 are not measured
    EXPECT_FALSE(label_too_long(l, Sheet::Standard));
    EXPECT_TRUE(label_too_long(l, Sheet::Shipping));
    l[3] = QString(34, 'B');
    EXPECT_TRUE(label_too_long(l, Sheet::Standard));

    // Invite prints three lines only: a label needing a fourth is refused, not cut short.
    LabelLines invite;
    invite[1] = QString(27, 'A');
    invite[2] = "1 ELM ST";
    invite[3] = "Dayton, OH 45402";
    EXPECT_FALSE(label_too_long(invite, Sheet::Invite));
    invite[4] = "Dayton, OH 45402";
    EXPECT_TRUE(label_too_long(invite, Sheet::Invite));

    LabelLines full{"", "NAME", "", "ADDRESS", "APT", ""};
    EXPECT_EQ(invalid_label_entries(full, Sheet::Standard),
              QStringList({"NAME", "", "ADDRESS", "APT", ""}));
    EXPECT_EQ(invalid_label_entries(full, Sheet::Shipping),
              QStringList({"NAME", "", "ADDRESS", ""}));
}

TEST(Invitee, NamedByTheWholeLineAndKeptWhenRefused) {
    LabelOptions track = on(Sheet::Standard);
    track.track = true;
    RecordImage h = couple("JOHN", "SMITH", "JANE", "JONES");
    h.title1 = "MR.";
    h.title2 = "MRS.";
    h.hyphen = h.name_reverse = "Y";
    track.title = true;
    ComposedLabel l = compose_label(h, track);
    EXPECT_EQ(l.tracked_name, "MR. JOHN SMITH & MRS. JANE SMITH-JONES");
    EXPECT_EQ(l.number_in_party, 2);
    EXPECT_FALSE(compose_label(h, on(Sheet::Standard)).tracked_name);

    // Invite labels are mixed case; the invitee keeps the upper case, even when refused.
    track.sheet = Sheet::Invite;
    l = compose_label(h, track);
    EXPECT_TRUE(l.too_long);
    EXPECT_EQ(l.tracked_name, "MR. JOHN SMITH & MRS. JANE SMITH-JONES");

    // A children label the window cut is tracked under its whole line.
    ChildLabelLines child;
    child.lines[1] = "TO THE PARENTS OF";
    child.lines[2] = "     THE SMITH CHILDREN";
    child.number_in_party = 2;
    LabelOptions by_children = on(Sheet::Standard);
    by_children.track = by_children.child_print_by_category = true;
    l = compose_label(h, by_children, &child);
    EXPECT_EQ(l.lines[1], "TO THE PARENTS OF");
    EXPECT_EQ(l.lines[2], "     THE SMITH CHILDREN");
    EXPECT_EQ(l.lines[3], "12 ELM ST");
    EXPECT_EQ(l.lines[4], "DAYTON, OH 45402");
    EXPECT_EQ(l.tracked_name, "TO THE PARENTS OF");
    EXPECT_EQ(l.number_in_party, 2);

    child.lines = LabelLines{"", "TOMMY SMITH & SALLY SMITH-JONES-", "       WILLIAMS", "", "", ""};
    child.whole_name_line = "TOMMY SMITH & SALLY SMITH-JONES-WILLIAMS";
    l = compose_label(h, by_children, &child);
    EXPECT_EQ(l.tracked_name, "TOMMY SMITH & SALLY SMITH-JONES-WILLIAMS");
}
