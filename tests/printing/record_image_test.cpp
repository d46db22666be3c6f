#include "printing/record_image.h"

#include <gtest/gtest.h>

#include "fixture.h"
#include "shell/frmdatabase.h"

using namespace printing;

namespace {

class RecordImageTest : public testing_support::OvraTest {
protected:
    RecordImage load(const QString& key) {
        open_database_file();
        open_table("OVRAData");
        EXPECT_TRUE(seek_key(key.trimmed()));
        return read_record_image(key);
    }
    // A second household differing in every field the image carries over.
    void store_other() {
        auto r = household("OTHER", "OTTO");
        r.first_name_2 = "OLGA";
        r.last_name_2 = "OTHER";
        r.option1 = "2";
        r.option2 = "3";
        store_household(r);
        store_children({"OTHER, OTTO", {"", "KID1", "KID2", "KID3", "", "", ""}});
    }
};

TEST_F(RecordImageTest, CopiesTheRowWithNamesFromTheKeyAndFlagsByTheYesRule) {
    auto r = household("Smith", "John");
    r.first_name_2 = "JANE";
    r.last_name_2 = "DOE";
    r.home_phone = "555-0100";
    r.work_phone_2 = "555-0199";
    r.home_email_1 = "john@example";
    r.last_name_hyphen = "Y";
    r.last_name_reverse = "y";  // lower case is not yes
    r.last_name_check = "Y";
    r.category[3] = "Y";
    r.category[4] = "y";
    r.second_address = "Y";
    store_household(r);

    const RecordImage h = load("SMITH, JOHN  ");
    EXPECT_EQ(h.record_key, "SMITH, JOHN");
    EXPECT_EQ(h.lastname1, "SMITH");
    EXPECT_EQ(h.firstname1, "JOHN");
    EXPECT_EQ(h.firstname2, "JANE");
    EXPECT_EQ(h.lastname2, "DOE");
    EXPECT_EQ(h.address1, "1 MAIN ST");
    EXPECT_EQ(h.home_phone, "555-0100");
    EXPECT_EQ(h.work_phone2, "555-0199");
    EXPECT_EQ(h.home_email1, "john@example");
    EXPECT_EQ(h.hyphen, "Y");
    EXPECT_EQ(h.name_reverse, "N");
    EXPECT_EQ(h.family_flag, "Y");
    EXPECT_EQ(h.category_flag[3], "Y");
    EXPECT_EQ(h.category_flag[4], "N");
    EXPECT_EQ(h.category_flag[5], "N");
    EXPECT_EQ(h.second_address_flag, "Y");
    EXPECT_EQ(h.number_of_children, 0);
    EXPECT_EQ(h.title1, "None");
    EXPECT_EQ(h.title2, "");
}

TEST_F(RecordImageTest, NullFieldsReadEmptyOrNoAndTheCursorStaysOnTheRow) {
    // A row that only holds its key, as an import of another program might leave it.
    platform::DataControl raw;
    raw.set_database_name(path("ovra.mdb"));
    raw.refresh();
    raw.add_new();
    raw.set_field("keyname", "BARE, BEN");
    raw.update();
    store_other();

    const RecordImage h = load("BARE, BEN");
    EXPECT_EQ(h.firstname2, "");
    EXPECT_EQ(h.home_phone, "");
    EXPECT_EQ(h.hyphen, "N");
    EXPECT_EQ(h.family_flag, "N");
    EXPECT_EQ(h.category_flag[1], "N");
    EXPECT_EQ(h.second_address_flag, "");
    EXPECT_EQ(h.title1, "None");
    EXPECT_EQ(h.title2, "");
    EXPECT_EQ(Data1().record_source(), "OVRAData");
    EXPECT_EQ(Data1().field("keyname").toString(), "BARE, BEN");
}

TEST_F(RecordImageTest, TitlesFollowTheTitleTableAndNeverCarryOver) {
    struct Case {
        std::optional<QString> option1;
        QString option2, title1, title2;
    } cases[] = {
        {"1", "1", "None", "MR."},       {"2", "2", "MR.", "DR."},  {"3", "3", "DR.", "MRS."},
        {"4", "4", "MRS.", "MS."},       {"5", "5", "MS.", "REV."}, {"6", "0", "HON.", ""},
        {std::nullopt, "9", "None", ""},
    };
    store_other();
    for (const Case& c : cases) {
        auto r = household("TITLE", "TOM");
        r.option1 = c.option1;
        r.option2 = c.option2;
        r.sal1 = "HON.";
        r.sal2 = "REV.";
        r.first_name_2 = "TINA";
        store_household(r);
        load("OTHER, OTTO");  // a titled household first: nothing of it may remain
        const RecordImage h = load("TITLE, TOM");
        EXPECT_EQ(h.title1, c.title1) << c.option1.value_or("null").toStdString();
        EXPECT_EQ(h.title2, c.title2) << c.option2.toStdString();
        platform::DataControl raw;
        raw.set_database_name(path("ovra.mdb"));
        raw.refresh();
        raw.set_index("keyname");
        raw.seek("=", "TITLE, TOM");
        raw.delete_row();
    }
}

TEST_F(RecordImageTest, ChildrenArePackedNonBlankNamesWhateverChildflagSays) {
    auto r = household("GAP", "GUS");
    r.childflag = 0;  // an import that forgot the count
    store_household(r);
    store_children({"GAP, GUS", {"", " ", "ANN", "", "BOB JONES", "", "CY"}});
    store_other();

    const RecordImage h = load("GAP, GUS");
    EXPECT_EQ(h.number_of_children, 3);
    EXPECT_EQ(h.child[1], "ANN");
    EXPECT_EQ(h.child[2], "BOB JONES");
    EXPECT_EQ(h.child[3], "CY");
    EXPECT_EQ(h.child[4], "");
    EXPECT_EQ(Data1().field("keyname").toString(), "GAP, GUS");

    // childflag says 2 but there is no Children row: no children.
    auto phantom = household("PHANTOM", "PAT");
    phantom.childflag = 2;
    store_household(phantom);
    EXPECT_EQ(load("PHANTOM, PAT").number_of_children, 0);
}

TEST(SingleLabelNames, SurnameFollowsTheDoubleNameFlags) {
    RecordImage h;
    h.firstname1 = "JOHN";
    h.lastname1 = "SMITH";
    h.firstname2 = "JANE";
    h.lastname2 = "JONES";
    h.hyphen = "N";
    h.name_reverse = "Y";
    EXPECT_EQ(single_label_names(h).spouse1, "JOHN SMITH");
    EXPECT_EQ(single_label_names(h).spouse2, "JANE JONES");
    h.hyphen = "Y";
    h.name_reverse = "N";
    EXPECT_EQ(single_label_names(h).spouse2, "JANE JONES-SMITH");
    h.name_reverse = "Y";
    EXPECT_EQ(single_label_names(h).spouse2, "JANE SMITH-JONES");
}

struct WindowLog {
    int single = 0, child = 0;
    SingleLabelNames names;
    QString child_answer = "P";
    LabelWindows windows() {
        return {[this](const SingleLabelNames& n) {
                    ++single;
                    names = n;
                },
                [this](const RecordImage&) {
                    ++child;
                    ChildLabel l{child_answer, {}};
                    for (int i = 1; i <= 5; ++i) l.hold_line[i] = QStringLiteral("LINE %1").arg(i);
                    return l;
                }};
    }
};

TEST(LabelSteps, SinglePrintOpensItsWindowOnlyForTwoPersons) {
    RecordImage one;
    one.firstname1 = "ANN";
    WindowLog log;
    EXPECT_EQ(run_label_steps(one, {.single_print = true}, log.windows()).single_printed, "N");
    EXPECT_EQ(log.single, 0);

    RecordImage two = one;
    two.lastname1 = "LEE";
    two.firstname2 = "AL";
    two.lastname2 = "LEE";
    two.hyphen = "N";
    EXPECT_EQ(run_label_steps(two, {}, log.windows()).single_printed, "N");
    EXPECT_EQ(run_label_steps(two, {.single_print = true}, log.windows()).single_printed, "Y");
    EXPECT_EQ(log.single, 1);
    EXPECT_EQ(log.names.spouse1, "ANN LEE");
    EXPECT_EQ(log.names.spouse2, "AL LEE");
}

TEST(LabelSteps, ChildPrintOutcomeByBoxesAndAnswer) {
    RecordImage none;
    RecordImage kids;
    kids.number_of_children = 2;
    WindowLog log;

    // No children: no window; the By Category box keeps the label, the Selected one drops it.
    EXPECT_EQ(run_label_steps(none, {.child_print_by_category = true}, log.windows()).child_label,
              "Y");
    EXPECT_EQ(run_label_steps(none, {.child_print = true}, log.windows()).child_label, "N");
    EXPECT_EQ(run_label_steps(kids, {}, log.windows()).child_label, "N");
    EXPECT_EQ(log.child, 0);

    const LabelOutcome printed = run_label_steps(kids, {.child_print = true}, log.windows());
    EXPECT_EQ(printed.child_label, "Y");
    EXPECT_TRUE(printed.child_lines_set);
    EXPECT_EQ(printed.hold_line[5], "LINE 5");

    log.child_answer = "C";
    const LabelOutcome cancelled =
        run_label_steps(kids, {.child_print_by_category = true}, log.windows());
    EXPECT_EQ(cancelled.child_label, "N");
    EXPECT_FALSE(cancelled.child_lines_set);
    EXPECT_EQ(log.child, 2);
}

}  // namespace
