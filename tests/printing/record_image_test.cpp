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
        EXPECT_TRUE(seek_key(key.trimmed()));
        return read_record_image(key);
    }
    void remove(const QString& key) {
        platform::DataControl raw;
        raw.set_database_name(path("ovra.mdb"));
        raw.refresh();
        raw.set_index("keyname");
        raw.seek("=", key);
        raw.delete_row();
    }
};

TEST_F(RecordImageTest, NamesFromTheKeyFlagsByTheYesRuleAndNullAsEmpty) {
    auto r = household("Smith", "John");
    r.last_name_hyphen = "Y";
    r.last_name_reverse = "y";  // lower case is not yes
    r.category[4] = "y";
    r.category[5] = "Y";
    store_household(r);
    // A row that holds only its key, as another program's import might leave it.
    platform::DataControl raw;
    raw.set_database_name(path("ovra.mdb"));
    raw.refresh();
    raw.add_new();
    raw.set_field("keyname", "BARE, BEN");
    raw.update();

    const RecordImage h = load("SMITH, JOHN  ");
    EXPECT_EQ(h.record_key, "SMITH, JOHN");
    EXPECT_EQ(h.lastname1, "SMITH");
    EXPECT_EQ(h.firstname1, "JOHN");
    EXPECT_EQ(h.hyphen, "Y");
    EXPECT_EQ(h.name_reverse, "N");
    EXPECT_EQ(h.category_flag[4], "N");
    EXPECT_EQ(h.category_flag[5], "Y");

    const RecordImage bare = load("BARE, BEN");
    EXPECT_EQ(bare.firstname2, "");
    EXPECT_EQ(bare.home_phone, "");
    EXPECT_EQ(bare.family_flag, "N");
    EXPECT_EQ(bare.category_flag[1], "N");
    EXPECT_EQ(bare.title1, "None");
    EXPECT_EQ(bare.title2, "");
    EXPECT_EQ(Data1().field("keyname").toString(), "BARE, BEN");  // still on its row
}

TEST_F(RecordImageTest, TitlesFollowTheTitleTableAndNeverCarryOver) {
    struct Case {
        std::optional<QString> option1;
        QString option2, title1, title2;
    } cases[] = {
        {"1", "1", "None", "MR."},
        {"5", "5", "MS.", "REV."},
        {"6", "0", "HON.", ""},
        {std::nullopt, "9", "None", ""},
    };
    auto titled = household("OTHER", "OTTO");
    titled.option1 = "2";
    titled.option2 = "3";
    store_household(titled);
    for (const Case& c : cases) {
        auto r = household("TITLE", "TOM");
        r.option1 = c.option1;
        r.option2 = c.option2;
        r.sal1 = "HON.";
        r.sal2 = "REV.";
        store_household(r);
        load("OTHER, OTTO");  // nothing of a titled household may remain
        const RecordImage h = load("TITLE, TOM");
        EXPECT_EQ(h.title1, c.title1) << c.option1.value_or("null").toStdString();
        EXPECT_EQ(h.title2, c.title2) << c.option2.toStdString();
        remove("TITLE, TOM");
    }
}

TEST_F(RecordImageTest, ChildrenAreTheNonBlankNamesPackedWhateverChildflagSays) {
    auto r = household("GAP", "GUS");
    r.childflag = 0;  // an import that left the count out
    store_household(r);
    store_children({"GAP, GUS", {"", " ", "ANN", "", "BOB JONES", "", "CY"}});
    auto phantom = household("PHANTOM", "PAT");
    phantom.childflag = 2;  // but no Children row
    store_household(phantom);

    const RecordImage h = load("GAP, GUS");
    EXPECT_EQ(h.number_of_children, 3);
    EXPECT_EQ((QStringList{h.child[1], h.child[2], h.child[3], h.child[4]}),
              (QStringList{"ANN", "BOB JONES", "CY", ""}));
    EXPECT_EQ(Data1().field("keyname").toString(), "GAP, GUS");
    EXPECT_EQ(load("PHANTOM, PAT").number_of_children, 0);
}

// The SinglePrint window gets both persons' names as the label would print them; a one-person
// household gets none. (When the children window opens and what its answer does is the label
// run's test.)
TEST(LabelSteps, SinglePrintNamesBothPersons) {
    RecordImage h;
    h.firstname1 = "JOHN";
    h.lastname1 = "SMITH";
    h.firstname2 = "JANE";
    h.lastname2 = "JONES";
    h.hyphen = "N";
    h.name_reverse = "Y";
    QStringList seen;
    const LabelWindows windows{
        [&](const SingleLabelNames& n) { seen << n.spouse1 + "/" + n.spouse2; },
        [&](const RecordImage&) {
            return ChildLabel{"C", {}};
        }};

    EXPECT_EQ(run_label_steps(h, {.single_print = true}, windows).single_printed, "Y");
    h.hyphen = "Y";
    h.name_reverse = "N";
    run_label_steps(h, {.single_print = true}, windows);
    h.name_reverse = "Y";
    run_label_steps(h, {.single_print = true}, windows);
    h.firstname2 = "";  // one person: no window
    EXPECT_EQ(run_label_steps(h, {.single_print = true}, windows).single_printed, "N");
    EXPECT_EQ(seen, (QStringList{"JOHN SMITH/JANE JONES", "JOHN SMITH/JANE JONES-SMITH",
                                 "JOHN SMITH/JANE SMITH-JONES"}));
}

}  // namespace
