// The label windows' text: children name lines, long-name splits, the windows' limits, Invite
// case and address joins.
#include "reports/label_window_text.h"

#include <gtest/gtest.h>

#include "fixture.h"

using namespace reports;

namespace {

// A household's children as the print dialog hands them over: "TOMMY JONES" carries its own
// surname (flag "Y"), "JOHN" takes the family's (display "JOHN SMITH", flag "N").
ChildNames smith_children(std::initializer_list<const char*> children) {
    ChildNames n;
    int k = 0;
    for (const char* child : children) {
        const QString c = QString::fromLatin1(child);
        ++k;
        const qsizetype blank = c.indexOf(' ');
        if (blank > 0) {
            n.display[k] = c;
            n.first_name[k] = c.left(blank);
            n.last_name[k] = c.mid(blank + 1);
            n.last_name_flag[k] = "Y";
        } else {
            n.display[k] = c + " SMITH";
            n.last_name_flag[k] = "N";
        }
    }
    n.number_of_children = k;
    n.all_children = "THE SMITH CHILDREN";
    n.parents = "TO THE PARENTS OF ";
    n.name_hold = "THE SMITH FAMILY";
    n.mailing_label_hold = "JOHN & MARY SMITH";
    n.parent_type = "PARENTS";
    return n;
}

ChildChoice ticked(std::initializer_list<int> children, bool parents = false) {
    ChildChoice c;
    for (int k : children) c.ticked[k] = true;
    c.parents = parents;
    return c;
}

const LabelAddress kAddress{"1 MAIN ST", "", "SPRINGFIELD", "IL", "62701"};

// John Smith and Jane Jones, her surname hyphenated after his.
printing::RecordImage smith_jones() {
    printing::RecordImage h;
    h.firstname1 = "JOHN";
    h.lastname1 = "SMITH";
    h.firstname2 = "JANE";
    h.lastname2 = "JONES";
    h.hyphen = "Y";
    h.name_reverse = "N";
    return h;
}

TEST(ChildNameLines, JoinedNamesByTheChildrensSurnames) {
    struct Case {
        std::initializer_list<const char*> children;
        ChildChoice choice;
        QString a, b;
        int party;
    };
    const QString five(5, ' ');
    const Case cases[] = {
        {{"JOHN", "MARY"}, ticked({1, 2}), "JOHN & MARY SMITH", "", 2},
        {{"TOMMY JONES", "SUE BROWN"}, ticked({1, 2}), "TOMMY JONES & SUE BROWN", "", 2},
        {{"TOMMY JONES", "SUE JONES"}, ticked({1, 2}), "TOMMY & SUE JONES", "", 2},
        {{"TOMMY JONES", "MARY"}, ticked({1, 2}), "TOMMY JONES & MARY SMITH", "", 2},
        {{"MARY", "TOMMY JONES"}, ticked({1, 2}), "MARY SMITH & TOMMY JONES", "", 2},
        // The last ticked child takes the second place.
        {{"ANN", "BOB", "CARL JONES", "DORA"}, ticked({1, 4}), "ANN & DORA SMITH", "", 2},
        {{"ANN", "BOB"}, ticked({2}), "BOB SMITH", "", 1},
        {{"ANN", "BOB"}, ticked({2}, true), "TO THE PARENTS OF ", five + "BOB SMITH", 1},
        {{"ANN", "BOB", "CARL"},
         ticked({1, 3}, true),
         "TO THE PARENTS OF ",
         five + "ANN & CARL SMITH",
         2},
        // More than two ticked: all the children, by the family's line.
        {{"ANN", "BOB", "CARL"}, ticked({1, 2, 3}), "THE SMITH CHILDREN", "", 3},
        {{"ANN", "BOB", "CARL", "DORA"},
         ticked({1, 2, 4}, true),
         "TO THE PARENTS OF ",
         five + "THE SMITH CHILDREN",
         4},
        // A household of one child: that child, ticked or not.
        {{"ANN"}, ticked({}), "ANN SMITH", "", 1},
        {{"ANN"}, ticked({}, true), "TO THE PARENTS OF ", five + "ANN SMITH", 1},
    };
    for (const Case& t : cases) {
        const ChildNames names = smith_children(t.children);
        const ChildChoice c = effective_choice(names, t.choice);
        ASSERT_TRUE(child_choice_complete(c)) << t.a.toStdString();
        const ChildNameLines lines = compose_child_name_lines(names, c);
        EXPECT_EQ(lines.a, t.a);
        EXPECT_EQ(lines.b, t.b);
        EXPECT_EQ(child_number_in_party(names, c), t.party) << t.a.toStdString();
    }
}

TEST(ChildNameLines, WholeFamilyParentsLineAndTheMissingChoice) {
    ChildNames names = smith_children({"ANN", "BOB"});
    ChildChoice family;
    family.option = 2;
    EXPECT_EQ(compose_child_name_lines(names, family).a, "THE SMITH FAMILY");
    EXPECT_EQ(child_number_in_party(names, family), 4);
    ChildChoice parents;
    parents.option = 3;
    EXPECT_EQ(compose_child_name_lines(names, parents).a, "JOHN & MARY SMITH");
    EXPECT_EQ(child_number_in_party(names, parents), 2);
    names.parent_type = "PARENT";
    EXPECT_EQ(child_number_in_party(names, family), 3);
    EXPECT_EQ(child_number_in_party(names, parents), 1);

    // Two children and none ticked: the window must ask.
    EXPECT_FALSE(child_choice_complete(effective_choice(names, ticked({}))));
    ChildChoice all = ticked({});
    all.all_children = true;
    EXPECT_TRUE(child_choice_complete(effective_choice(names, all)));
}

TEST(LongNames, SplitAtAmpersandHyphenOrTheLastBlankWithinTheLimit) {
    const QString seven(7, ' ');
    struct Case {
        QString line;
        int limit;
        QString line1, line2;
    };
    const Case cases[] = {
        {"CHRISTOPHER SMITH & ALEXANDRA JONES", 33, "CHRISTOPHER SMITH &",
         seven + " ALEXANDRA JONES"},
        {"CHRISTOPHER SMITH-ALEXANDRA JONESY", 33, "CHRISTOPHER SMITH-",
         seven + "ALEXANDRA JONESY"},
        {"ALEXANDRA CHRISTINA MONTGOMERY SMITH", 33, "ALEXANDRA CHRISTINA MONTGOMERY",
         seven + "SMITH"},
        // A blank right at the limit still leaves the first part within it.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF GHIJ", 32, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEF",
         seven + "GHIJ"},
        // One word longer than the line: never an empty first line.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJ", 33, "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFG",
         seven + "HIJ"},
    };
    for (const Case& t : cases) {
        const printing::CutName cut = split_long_name(t.line, t.limit);
        EXPECT_EQ(cut.line1, t.line1);
        EXPECT_EQ(cut.line2, t.line2);
        EXPECT_LE(cut.line1.size(), t.limit);
    }
}

TEST(LongNames, ChildrenLabelCutsAbove33OnStandardAnd32OnShipping) {
    ChildNames names = smith_children({"ALEXANDRA JONES", "CHRISTOPHERR BROWN"});
    const ChildChoice two = effective_choice(names, ticked({1, 2}));
    ASSERT_EQ(compose_child_name_lines(names, two).a.size(), 36);
    ChildLabel l = compose_child_label(names, two, Sheet::Standard, kAddress, true);
    EXPECT_TRUE(l.long_name);
    EXPECT_EQ(l.lines[1], "ALEXANDRA JONES &");
    EXPECT_EQ(l.lines[2], "        CHRISTOPHERR BROWN");
    EXPECT_EQ(l.lines[3], "1 MAIN ST");
    EXPECT_EQ(l.lines[4], "SPRINGFIELD, IL 62701");
    EXPECT_EQ(l.whole_name, "ALEXANDRA JONES & CHRISTOPHERR BROWN");

    // 32 characters: one line on Shipping; 33: cut there, one line on Standard.
    names = smith_children({"ALEXANDRA JONES", "CHRISTOPH BROWN"});
    ASSERT_EQ(compose_child_name_lines(names, two).a.size(), 33);
    EXPECT_TRUE(compose_child_label(names, two, Sheet::Shipping, kAddress, true).long_name);
    EXPECT_FALSE(compose_child_label(names, two, Sheet::Standard, kAddress, true).long_name);
    names = smith_children({"ALEXANDRA JONES", "CHRISTO BROWNE"});
    ASSERT_EQ(compose_child_name_lines(names, two).a.size(), 32);
    l = compose_child_label(names, two, Sheet::Shipping, kAddress, true);
    EXPECT_FALSE(l.long_name);
    EXPECT_EQ(l.lines[2], "1 MAIN ST");
}

TEST(InviteLabels, ProperCaseOfTheSharedRule) {
    struct Case {
        QuickFields typed;
        printing::LabelLines printed;
    };
    const Case cases[] = {
        {{"JOHN VAN-DYKE", "12 ELM ST N", "", "SALT LAKE CITY", "UT", "84101"},
         {"", "John Van-Dyke", "12 Elm St N", "Salt Lake City, UT 84101", "", ""}},
        {{"PAT O'BRIEN", "4 D'ARCY LN", "", "DAYTON", "OH", "45402"},
         {"", "Pat O'brien", "4 D'arcy Ln", "Dayton, OH 45402", "", ""}},
    };
    for (const Case& t : cases) {
        const WindowLabel l = compose_quick_label(t.typed, Sheet::Invite);
        EXPECT_EQ(l.lines, t.printed);
        EXPECT_FALSE(l.too_long);
    }
    // Standard and Shipping keep the typed capitals.
    EXPECT_EQ(compose_quick_label(cases[0].typed, Sheet::Standard).lines[1], "JOHN VAN-DYKE");
}

TEST(QuickLabels, LimitsByLineAndSheet) {
    const QString name33(33, 'N');
    QuickFields f{name33, "1 MAIN ST", "", "SPRINGFIELD", "IL", "62701"};
    EXPECT_FALSE(compose_quick_label(f, Sheet::Standard).too_long);
    EXPECT_TRUE(compose_quick_label(f, Sheet::Shipping).too_long);
    f.name.chop(1);
    EXPECT_FALSE(compose_quick_label(f, Sheet::Shipping).too_long);
    f.name = QString(27, 'N');
    EXPECT_FALSE(compose_quick_label(f, Sheet::Invite).too_long);
    f.name += 'N';
    EXPECT_TRUE(compose_quick_label(f, Sheet::Invite).too_long);

    // A 35-character city line is measured on line 3, not on line 4.
    f = {"ANN SMITH", "1 MAIN ST", "", QString(20, 'C'), "IL", "1234567890"};
    WindowLabel l = compose_quick_label(f, Sheet::Standard);
    EXPECT_EQ(l.lines[3].size(), 35);
    EXPECT_TRUE(l.too_long);
    f.address2 = "APT 4";
    l = compose_quick_label(f, Sheet::Standard);
    EXPECT_EQ(l.lines[3], "APT 4");
    EXPECT_FALSE(l.too_long);
    // The quick label lists its city line too; the other windows list lines 1 to 3.
    EXPECT_EQ(listed_label(l.lines, true),
              QStringList({"ANN SMITH", "1 MAIN ST", "APT 4", l.lines[4], ""}));
    EXPECT_EQ(listed_label(l.lines), QStringList({"ANN SMITH", "1 MAIN ST", "APT 4", ""}));
}

TEST(SingleLabels, PersonTitlesAddressTwoAndTheLengthTestOnInviteOnly) {
    printing::RecordImage h = smith_jones();
    h.title1 = "None";
    h.address1 = "1 MAIN ST";
    h.city = "SPRINGFIELD";
    h.state = "IL";
    h.zip = "62701";
    EXPECT_EQ(compose_single_label(h, false, true, Sheet::Standard).lines[1], "JANE JONES-SMITH");
    h.title1 = "MR.";
    h.title2 = "MRS.";
    // On Invite address 2 joins address 1 on line 2, and the lines are proper case.
    h.address2 = "APT 4";
    EXPECT_EQ(compose_single_label(h, false, true, Sheet::Invite).lines,
              (printing::LabelLines{"", "Mrs. Jane Jones-Smith", "1 Main St   Apt 4",
                                    "Springfield, IL 62701", "", ""}));
    h.name_reverse = "Y";
    EXPECT_EQ(compose_single_label(h, false, true, Sheet::Standard).lines[1],
              "MRS. JANE SMITH-JONES");
    EXPECT_EQ(compose_single_label(h, true, true, Sheet::Standard).lines[1], "MR. JOHN SMITH");
    // Person 2 without a title of their own gets no leading blank.
    h.title2.clear();
    EXPECT_EQ(compose_single_label(h, false, true, Sheet::Standard).lines[1], "JANE SMITH-JONES");
    // No length test off Invite.
    h.firstname1 = QString(34, 'J');
    WindowLabel l = compose_single_label(h, true, false, Sheet::Standard);
    EXPECT_EQ(l.lines, (printing::LabelLines{"", QString(34, 'J') + " SMITH", "1 MAIN ST", "APT 4",
                                             "SPRINGFIELD, IL 62701", ""}));
    EXPECT_FALSE(l.too_long);

    // On Invite a 25-character address alone fits; with address 2 line 2 is too long.
    h.firstname1 = "JOHN";
    h.address1 = QString(25, 'A');
    h.address2.clear();
    l = compose_single_label(h, false, false, Sheet::Invite);
    EXPECT_EQ(l.lines[2].size(), 25);
    EXPECT_FALSE(l.too_long);
    ChildNames names = smith_children({"ANN"});
    EXPECT_FALSE(compose_child_label(names, effective_choice(names, ticked({})), Sheet::Invite,
                                     {h.address1, "", "DAYTON", "OH", "45402"}, true)
                     .too_long);
    h.address2 = "APT 4";
    EXPECT_TRUE(compose_single_label(h, true, false, Sheet::Invite).too_long);
}

TEST(InviteLabels, ParentsLineKeepsTheCityLineOrRefusesTheLabel) {
    ChildNames names = smith_children({"ANN", "BOB"});
    const ChildChoice c = effective_choice(names, ticked({1}, true));
    // The city line would fall on line 4: it joins the address when both fit.
    ChildLabel l =
        compose_child_label(names, c, Sheet::Invite, {"1 ELM", "", "PROVO", "UT", "84601"}, true);
    EXPECT_EQ(l.lines, (printing::LabelLines{"", "To The Parents Of ", "     Ann Smith",
                                             "1 Elm   Provo, UT 84601", "", ""}));
    EXPECT_FALSE(l.too_long);
    l = compose_child_label(names, c, Sheet::Invite, kAddress, true);
    EXPECT_TRUE(l.too_long);
    EXPECT_EQ(l.lines[4], "SPRINGFIELD, IL 62701");
}

}  // namespace
