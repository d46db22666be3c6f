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
        store_family(couple("Brown", "Al", "EVE", "BROWN"));
        start_program();
        auto& c = change();
        c.keyname = "BROWN, AL";
        open_table("OVRAData");
        seek_key(c.keyname);
        c.read_original_record();
    }
};

TEST_F(RowWriters, AMissingRowRollsTheWholeChangeBackAndTouchesNoOtherRow) {
    auto& c = change();
    const QByteArray before = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    expect_change_failed("The household BROWN, EVE is no longer in the address book.");
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
