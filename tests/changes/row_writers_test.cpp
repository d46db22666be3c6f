#include "changes_fixture.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

TEST(ChildLastNames, OneWordChildrenGetTheFamilyNameOnce) {
    const std::pair<QString, QString> cases[] = {{"ANNA", "ANNA LEE"},
                                                 {"MARY ANN", "MARY ANN"},
                                                 {"JO", "JO LEE"},
                                                 {"ANNA ", "ANNA  LEE"},
                                                 {" ANNA", " ANNA LEE"},
                                                 {"", ""},
                                                 {" ", " "},
                                                 {"ANNA LEE", "ANNA LEE"}};
    for (const auto& [entry, expected] : cases) {
        EXPECT_EQ(changes::with_family_name(entry, "LEE"), expected) << entry.toStdString();
        EXPECT_EQ(changes::with_family_name(expected, "LEE"), expected) << entry.toStdString();
    }
}

TEST(TitleShift, PersonTwosChoiceIsTheSameTitleAsPersonOne) {
    // "0" none, MR., DR., MRS., MS., "5" own title; anything else keeps the fallback.
    for (int i = 0; i <= 5; ++i)
        EXPECT_EQ(changes::title_as_person1(QString::number(i), "2"), QString::number(i + 1));
    for (const char* other : {"", "6", "x"}) EXPECT_EQ(changes::title_as_person1(other, "2"), "2");
}

// A household rewritten through the record images, as a removal writes it.
class RowWriters : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        auto brown = couple("Brown", "Al", "EVE", "BROWN");
        brown.category[2] = "Y";
        brown.category[7] = "Y";
        store_full_family(brown);  // children CY and DI, second address in Madison
        start_program();
        auto& c = change();
        c.keyname = "BROWN, AL";
        open_table("OVRAData");
        seek_key(c.keyname);
        c.read_original_record();
        c.family_lastname = "BROWN";
    }
};

TEST_F(RowWriters, APersonMovesOutWithTheChildrenAndTheCountsMoveOnlyOnCommit) {
    auto& c = change();
    const int in_category7 = main().catcount[7];
    const bool written = c.write_change([&] {
        c.get_children();
        c.get_second_address();
        // Person 2 stays as person 1 of the household under a new key.
        c.table_name = "OVRAData";
        c.delete_keyname_row();
        c.original_keyname = "BROWN, EVE";
        c.original_firstname2.clear();
        c.original_lastname2.clear();
        c.keyname = c.original_keyname;
        c.seek_add_record();
        c.write_original_record();
        c.update_record();
        // Al moves out to a household of his own, taking the children.
        c.new_keyname = "GREEN, AL";
        c.new_record.category[7] = "Y";
        c.new_record.childflag = 2;
        c.seek_add_record();
        c.write_new_record();
        c.update_record();
        c.add_category_counts();
        EXPECT_EQ(main().catcount[7], in_category7);  // not before the commit
        c.keyname = "BROWN, AL";
        c.table_name = "Children";
        c.delete_keyname_row();
        c.children_image.keyname = c.new_keyname;
        c.add_child_last_names();
        c.add_children();
        c.table_name = "Address";
        c.delete_keyname_row();
        c.second_address_image.keyname = c.original_keyname;
        c.add_second_address();
    });
    ASSERT_TRUE(written);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_EQ(main().catcount[7], in_category7 + 1);
    EXPECT_EQ(main().ui().lblcatcount[7]->text(), QString::number(in_category7 + 1));
    EXPECT_TRUE(read("storefile.ovr").contains(QByteArray::number(in_category7 + 1)));
    EXPECT_EQ(Data1().record_source(), "OVRAData");

    const auto stays = stored_row<common::AddressRecord>("OVRAData", "BROWN, EVE");
    ASSERT_TRUE(stays);
    EXPECT_EQ(stays->first_name_2, "");
    EXPECT_EQ(stays->category[2], "Y");
    const auto leaves = stored_row<common::AddressRecord>("OVRAData", "GREEN, AL");
    ASSERT_TRUE(leaves);
    EXPECT_EQ(leaves->option1, "1");
    EXPECT_EQ(leaves->category[2], "");  // never filled: counts nowhere
    EXPECT_EQ(leaves->childflag, 2);
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "BROWN, AL"));
    const auto kids = stored_row<common::ChildrenRecord>("Children", "GREEN, AL");
    ASSERT_TRUE(kids);
    EXPECT_EQ(kids->child[1], "CY BROWN");
    EXPECT_EQ(count_rows("Children"), 1);
    const auto second = stored_row<common::SecondAddressRecord>("Address", "BROWN, EVE");
    ASSERT_TRUE(second);
    EXPECT_EQ(fields(*second), kMadison);
    EXPECT_EQ(count_rows("Address"), 1);
}

TEST_F(RowWriters, AMissingRowRollsTheWholeChangeBackAndTouchesNoOtherRow) {
    auto& c = change();
    const QByteArray before = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    msgs.expect(
        "The change could not be saved; nothing was changed.\nThe household BROWN, EVE is no "
        "longer in the "
        "address book.",
        platform::vbOK, platform::vbExclamation, "Change Failed");
    const bool written = c.write_change([&] {
        c.new_keyname = "GREEN, AL";
        c.seek_add_record();
        c.write_new_record();
        c.update_record();
        c.keyname = "BROWN, EVE";  // no household has this key
        c.table_name = "Address";
        EXPECT_FALSE(c.delete_keyname_row());
        c.seek_edit_record();
    });
    EXPECT_FALSE(written);
    EXPECT_EQ(read("ovra.mdb"), before);
    EXPECT_EQ(read("storefile.ovr"), settings);
    EXPECT_EQ(main().ui().lblrecnum->text(), "1");
}

}  // namespace
