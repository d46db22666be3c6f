// Label composition: name lines, cuts, Invite case, the length test and the tracked name.
#include "printing/label_text.h"

#include <gtest/gtest.h>

#include "fixture.h"

using namespace printing;

namespace {

// A household; person 2 when first2 is given. Titles "t1/t2", flags "hyphen reverse family".
RecordImage h(const QString& first1, const QString& last1, const QString& first2 = {},
              const QString& last2 = {}, const QString& titles = "None/",
              const char* flags = "NNN") {
    RecordImage r;
    r.firstname1 = first1;
    r.lastname1 = last1;
    r.firstname2 = first2;
    r.lastname2 = last2;
    r.title1 = titles.section('/', 0, 0);
    r.title2 = titles.section('/', 1, 1);
    r.hyphen = QString(QChar(flags[0]));
    r.name_reverse = QString(QChar(flags[1]));
    r.family_flag = QString(QChar(flags[2]));
    r.address1 = "12 ELM ST";
    r.city = "DAYTON";
    r.state = "OH";
    r.zip = "45402";
    return r;
}

LabelOptions on(Sheet sheet, bool title = false, bool family = false) {
    LabelOptions o;
    o.sheet = sheet;
    o.title = title;
    o.the_family = family;
    return o;
}

}  // namespace

TEST(NameLine, TitlesSurnamesFamilyFormsAndPartySize) {
    const LabelOptions titled = on(Sheet::Standard, true);
    const LabelOptions plain = on(Sheet::Standard);
    const LabelOptions family = on(Sheet::Standard, false, true);
    RecordImage kids = h("JOHN", "SMITH", "JANE", "SMITH", "None/", "NNY");
    kids.number_of_children = 3;
    RecordImage alone = h("JOHN", "SMITH", {}, " ", "None/", "NNY");  // last name 2 a blank
    alone.number_of_children = 2;
    struct Case {
        RecordImage h;
        LabelOptions o;
        const char* line;
        int party;
    } cases[] = {
        {h("JOHN", "SMITH", "JANE", "SMITH", "MR./MRS."), titled, "MR. & MRS. JOHN SMITH", 2},
        {h("JOHN", "SMITH", "JANE", "SMITH", "MR./MRS."), plain, "JOHN & JANE SMITH", 2},
        {h("JOHN", "SMITH", "JANE", "JONES", "DR./MS.", "YNN"), titled,
         "DR. JOHN SMITH & MS. JANE JONES-SMITH", 2},
        {h("JOHN", "SMITH", "JANE", "JONES", "None/", "YYN"), plain,
         "JOHN SMITH & JANE SMITH-JONES", 2},
        // Person 2 without a title leaves no double blank.
        {h("JOHN", "SMITH", "JANE", "JONES", "MR./"), titled, "MR. JOHN SMITH & JANE JONES", 2},
        {h("JOHN", "SMITH", {}, {}, "REV./"), titled, "REV. JOHN SMITH", 1},
        {h("JOHN", "SMITH", "JANE", "SMITH"), titled, "JOHN & JANE SMITH", 2},  // title1 "None"
        {kids, family, "THE SMITH FAMILY", 5},
        {h("JOHN", "SMITH", "JANE", "JONES", "None/", "NNY"), family, "THE JONES-SMITH FAMILY", 2},
        {h("JOHN", "SMITH", "JANE", "JONES", "None/", "YNY"), family, "THE SMITH FAMILY", 2},
        {alone, family, "JOHN SMITH & FAMILY", 3},
        {h("JOHN", "SMITH", "JANE", "SMITH", "None/", "NNN"), family, "JOHN & JANE SMITH", 2},
    };
    for (const Case& c : cases) {
        const auto fam = family_name_line(c.h, c.o);
        const NameLine n = fam ? *fam : compose_name_line(c.h, c.o);
        EXPECT_EQ(n.line, QString(c.line));
        EXPECT_EQ(n.number_in_party, c.party) << c.line;
    }
    EXPECT_EQ(compose_name_line(cases[0].h, titled).caption, "MR. && MRS. JOHN SMITH");

    // The children pass names a one-person household with its family, unless titles are on.
    LabelOptions children = family;
    children.child_print_by_category = true;
    const NameLine n = compose_name_line(alone, children);
    EXPECT_EQ(n.line, "JOHN SMITH & FAMILY");
    EXPECT_EQ(n.number_in_party, 1);
    EXPECT_EQ(n.caption, "JOHN SMITH");
    children.title = true;  // ticked, though person 1 has no title
    EXPECT_EQ(compose_name_line(alone, children).line, "JOHN SMITH");
}

TEST(NameCut, LimitsAndCutPoints) {
    // 33 characters fit a Standard label; 34 are cut after the first "&".
    ComposedLabel l =
        compose_label(h("JOHNATHAN", "SMITHSON", "MARYKATHLEEN", "SMITHSON"), on(Sheet::Standard));
    EXPECT_EQ(l.lines[1].size(), 33);
    EXPECT_EQ(l.lines[2], "12 ELM ST");
    l = compose_label(h("JOHNATHAN", "SMITHSON", "MARIEKATHLEEN", "SMITHSON"), on(Sheet::Standard));
    EXPECT_EQ(l.lines[1], "JOHNATHAN &");
    EXPECT_EQ(l.lines[2], "        MARIEKATHLEEN SMITHSON");
    EXPECT_EQ(l.lines[3], "12 ELM ST");
    EXPECT_EQ(l.lines[4], "DAYTON, OH 45402");

    // Shipping: 27 fit, 28 are cut.
    EXPECT_EQ(compose_label(h("JOHNNY", "SMITHSON", "ROSEMARIE", "SMITHSON"), on(Sheet::Shipping))
                  .lines[2],
              "12 ELM ST");
    EXPECT_EQ(compose_label(h("JOHNNY", "SMITHSON", "JACQUELINE", "SMITHSON"), on(Sheet::Shipping))
                  .lines[1],
              "JOHNNY &");

    // The 38-character example: eight blanks open line 2.
    l = compose_label(h("JOHN", "SMITH", "JANE", "JONES", "MR./MRS.", "YYN"),
                      on(Sheet::Standard, true));
    EXPECT_EQ(l.lines[1], "MR. JOHN SMITH &");
    EXPECT_EQ(l.lines[2], "        MRS. JANE SMITH-JONES");

    // No "&": cut after the first "-"; neither: line 1 empty and the label refused.
    EXPECT_EQ(cut_name_line("BARTHOLOMEW ALEXANDER WORTHINGTON-SMYTHE").line1,
              "BARTHOLOMEW ALEXANDER WORTHINGTON-");
    l = compose_label(h("BARTHOLOMEWALEXANDER", "WORTHINGTONSMYTHE"), on(Sheet::Standard));
    EXPECT_EQ(l.lines[1], "");
    EXPECT_EQ(l.lines[2], "       BARTHOLOMEWALEXANDER WORTHINGTONSMYTHE");
    EXPECT_TRUE(l.too_long);

    // Invite never cuts; the long line is refused instead.
    l = compose_label(h("JOHNATHAN", "SMITHSON", "MARIEKATHLEEN", "SMITHSON"), on(Sheet::Invite));
    EXPECT_EQ(l.lines[1], "Johnathan & Mariekathleen Smithson");
    EXPECT_TRUE(l.too_long);
}

TEST(InviteLabel, ProperCaseAddressJoinAndResident) {
    struct Case {
        const char* in;
        bool city;
        const char* out;
    } cases[] = {
        {"DAYTON, OH 45402", true, "Dayton, OH 45402"},
        {"SALT LAKE CITY, UT 84101", true, "Salt Lake City, UT 84101"},
        {"JOHN SMITH & JANE JONES-SMITH", false, "John Smith & Jane Jones-Smith"},
        {"PATRICK O'BRIEN", false, "Patrick O'brien"},
        {"123 MAIN ST E", false, "123 Main St E"},  // a blank among the last three
        {"ANN LEE-NG", false, "Ann Lee-Ng"},        // a hyphen among the last three
        {"JO LI", false, "Jo Li"},  // two-letter words keep capitals only in the city
    };
    for (const Case& c : cases) EXPECT_EQ(invite_proper_case(c.in, c.city), QString(c.out)) << c.in;

    RecordImage two = h("JOHN", "SMITH", "JANE", "SMITH");
    two.address1 = "123 MAIN ST";
    two.address2 = "APT 4";
    ComposedLabel l = compose_label(two, on(Sheet::Invite));
    EXPECT_EQ(l.lines[2], "123 Main St  Apt 4");
    EXPECT_EQ(l.lines[3], "Dayton, OH 45402");
    EXPECT_EQ(l.lines[4], "");
    LabelOptions resident = on(Sheet::Invite);
    resident.resident = true;
    l = compose_label(two, resident);
    EXPECT_EQ(l.lines[1], "Resident");
    EXPECT_EQ(l.number_in_party, 2);
    // Standard keeps the second address on its own line.
    EXPECT_EQ(compose_label(two, on(Sheet::Standard)).lines[4], "DAYTON, OH 45402");
}

TEST(LengthTest, LinesMeasuredAndEntriesListed) {
    LabelLines l{"", QString(33, 'A'), "X", "Y", QString(60, 'C'), ""};  // line 4 is not measured
    EXPECT_FALSE(label_too_long(l, Sheet::Standard));
    EXPECT_TRUE(label_too_long(l, Sheet::Shipping));
    // Invite prints three lines only: a label needing a fourth is refused, not cut short.
    LabelLines invite{"", QString(27, 'A'), "1 ELM ST", "Dayton, OH 45402", "", ""};
    EXPECT_FALSE(label_too_long(invite, Sheet::Invite));
    invite[4] = "Dayton, OH 45402";
    EXPECT_TRUE(label_too_long(invite, Sheet::Invite));

    LabelLines full{"", "NAME", "", "ADDRESS", "APT", ""};
    EXPECT_EQ(invalid_label_entries(full, Sheet::Standard),
              QStringList({"NAME", "", "ADDRESS", "APT", ""}));
    EXPECT_EQ(invalid_label_entries(full, Sheet::Shipping),
              QStringList({"NAME", "", "ADDRESS", ""}));
}

TEST(TrackedName, TheWholeUpperCaseLineAlsoWhenRefused) {
    const RecordImage two = h("JOHN", "SMITH", "JANE", "JONES", "MR./MRS.", "YYN");
    LabelOptions track = on(Sheet::Standard, true);
    track.track = true;
    EXPECT_EQ(compose_label(two, track).tracked_name, "MR. JOHN SMITH & MRS. JANE SMITH-JONES");
    EXPECT_FALSE(compose_label(two, on(Sheet::Standard, true)).tracked_name);
    track.sheet = Sheet::Invite;
    const ComposedLabel refused = compose_label(two, track);
    EXPECT_TRUE(refused.too_long);
    EXPECT_EQ(refused.tracked_name, "MR. JOHN SMITH & MRS. JANE SMITH-JONES");

    // A children label keeps the window's two lines, and is tracked under its whole line.
    ChildLabelLines child;
    child.lines = LabelLines{"", "TOMMY SMITH & SALLY SMITH-JONES-", "       WILLIAMS", "", "", ""};
    child.whole_name_line = "TOMMY SMITH & SALLY SMITH-JONES-WILLIAMS";
    child.number_in_party = 2;
    LabelOptions children = on(Sheet::Standard);
    children.track = children.child_print_by_category = true;
    const ComposedLabel l = compose_label(two, children, &child);
    EXPECT_EQ(l.lines[2], "       WILLIAMS");
    EXPECT_EQ(l.lines[3], "12 ELM ST");
    EXPECT_EQ(l.lines[4], "DAYTON, OH 45402");
    EXPECT_EQ(l.tracked_name, "TOMMY SMITH & SALLY SMITH-JONES-WILLIAMS");
    EXPECT_EQ(l.number_in_party, 2);
}
