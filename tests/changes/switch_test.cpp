#include <QTest>

#include "changes_fixture.h"
#include "platform/controls.h"

using platform::back_color;
namespace color = platform::color;

namespace {

class SwitchNames : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        auto smith = household("Smith", "John");
        set_person1(smith, kJohn);
        smith.option1 = "6";  // own titles, so the record form shows them
        smith.option2 = "5";
        smith.sal2 = "MAE";
        smith.address_2 = "APT 1";
        smith.home_phone = "555-0100";
        smith.home_fax = "555-0199";
        smith.foreign_check = smith.last_name_hyphen = smith.last_name_reverse = "Y";
        smith.last_name_check = smith.category[2] = smith.category[7] = "Y";
        store_full_family(smith);  // children CY and DI, second address in Madison
        store_household(household("Green", "Bo"));
        start_program();
        main().catcount[2] = main().catcount[7] = 1;
    }
    static constexpr const char* kSmith = "SMITH, JOHN AND FAMILY";
};

TEST_F(SwitchNames, ANewFirstPersonReKeysTheHouseholdWithItsChildrenAndSecondAddress) {
    const QByteArray settings = read("storefile.ovr");
    switch_names(
        kSmith,
        [this](Verify& v) {
            EXPECT_EQ(v.lblfirstname2->text(), "Enter new Name1:");
            EXPECT_EQ(v.lblfirstname1->text(), "JOHN");
            EXPECT_EQ(v.txtLastName1->text(), "SMITH");
            EXPECT_TRUE(v.txtaddress1->isHidden());
            EXPECT_TRUE(v.chkForeign->isHidden());
            EXPECT_TRUE(v.lblSpouseHeading->isHidden());
            type(v.txtLastName1, "");
            click(v.cmdContinue);
            // Both boxes refused: the main box's message, checked last, is shown.
            EXPECT_EQ(v.lblWarning->text(), "ENTER NAME");
            EXPECT_EQ(back_color(v.txtLastName1), color::kLightRed);
            EXPECT_EQ(back_color(v.txtlastname2), color::kLightRed);
            type(v.txtLastName1, "smith");
            for (const char* one_word : {"GREEN", " GREEN", "GREEN "}) {
                type(v.txtlastname2, one_word);
                click(v.cmdContinue);
                EXPECT_EQ(v.lblWarning->text(), "ENTER FIRST && LAST NAME");
            }
            type(v.txtlastname2, "bo green");
            click(v.cmdContinue);
            EXPECT_EQ(v.lblWarning->text(), "NAME ALREADY ON DATABASE");
            type(v.txtlastname2, "mary ann brown");
            click(v.cmdContinue);
        },
        [this](CheckEdit& c) {
            // One button opens the switched household for editing.
            EXPECT_EQ(c.cmdEdit1->text().simplified(), "EDIT UPDATED RECORD");
            EXPECT_TRUE(c.cmdEdit2->isHidden());
            modals.on("frmAddressRecord", [](platform::Window& w) {
                auto& r = static_cast<frmAddressRecord&>(w).ui();
                EXPECT_EQ(r.TxtFirstName1->text(), "MARY ANN");
                EXPECT_EQ(r.TxtFirstName2->text(), "JOHN");
                click(r.Comcancel);
            });
            click(c.cmdEdit1);
            click(c.cmdCancel);
        });
    EXPECT_FALSE(picker().is_loaded());
    EXPECT_FALSE(verifier().is_loaded());
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "SMITH, JOHN"));
    const auto h = household_row("BROWN, MARY ANN");
    // John becomes person 2 with his contacts, titles and flags; the new person 1 has no
    // contacts and no title choice.
    EXPECT_EQ(person2(h), QStringList({"JOHN", "SMITH"}) + kJohn.mid(0, 4) +
                              QStringList({"MAE", "0", "Y", "Y"}));
    EXPECT_EQ(person1(h), QStringList({" ", " ", " ", " ", "JACK", "1"}));
    // The household keeps its address, phones and flags.
    EXPECT_EQ(home(h), QStringList({"1 MAIN ST", "APT 1", "SPRINGFIELD", "IL", "62701", "Y",
                                    "555-0100", "555-0199"}));
    EXPECT_EQ(QStringList({h.last_name_check, h.category[2], h.category[7], h.second_address}),
              QStringList({"Y", "Y", "Y", "Y"}));
    EXPECT_EQ(h.childflag, 2);
    const auto kids = children_row("BROWN, MARY ANN");
    EXPECT_EQ(QStringList({kids.child[1], kids.child[2]}), QStringList({"CY SMITH", "DI SMITH"}));
    EXPECT_EQ(fields(address_row("BROWN, MARY ANN")), kMadison);
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(count_rows("Children"), 1);
    EXPECT_EQ(count_rows("Address"), 1);
    // Nothing moved between categories and the number of households stays.
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_EQ(main().catcount[2], 1);
    EXPECT_EQ(read("storefile.ovr"), settings);
}

TEST_F(SwitchNames, ChildrenUnderAStaleFlagAndBlankSlotsAreStoredPackedAndUnchanged) {
    store_household(household("Lee", "Ann"));
    store_children({"LEE, ANN", {"", " ", "JANE DOE", "", "BO", "AL ", ""}});
    restart_program();
    // Stale since the start healed it: the names make the children.
    exec_sql("UPDATE OVRAData SET childflag = 0 WHERE keyname = 'LEE, ANN'");
    switch_names("LEE, ANN", [this](Verify& v) {
        type(v.txtLastName1, "lee-park");  // only an inner hyphen is refused
        // The household's own old key is free, since the switch gives it up.
        type(v.txtlastname2, "ann lee");
        click(v.cmdContinue);
        EXPECT_EQ(v.lblWarning->text(), "HYPHENATED NAME INVALID");
        EXPECT_EQ(back_color(v.txtLastName1), color::kLightRed);
        type(v.txtLastName1, "park-");
        click(v.cmdContinue);
    });
    const auto h = household_row("LEE, ANN");
    EXPECT_EQ(h.last_name_2, "PARK-");
    EXPECT_EQ(h.childflag, 3);
    // One-word children keep the family name of the former first person as loaded.
    const std::array<QString, 7> expected = {"", "JANE DOE", "BO LEE", "AL  LEE", "", "", ""};
    EXPECT_EQ(children_row("LEE, ANN").child, expected);
}

TEST_F(SwitchNames, TheHyphenAndTheReverseFlagKeepTheirOwnValues) {
    auto lee = household("Lee", "Ann");
    lee.last_name_hyphen = "Y";
    lee.last_name_reverse = "N";
    store_household(lee);
    restart_program();
    switch_names("LEE, ANN", [this](Verify& v) {
        type(v.txtlastname2, "tom park");
        click(v.cmdContinue);
    });
    const auto h = household_row("PARK, TOM");
    EXPECT_EQ(QStringList({h.last_name_hyphen, h.last_name_reverse}), QStringList({"Y", "N"}));
}

TEST_F(SwitchNames, ClosingTheVerifierOrARowTheDatabaseRefusesChangesNothing) {
    // A children row left under the new key by nobody's household makes the last write fail.
    store_children({"RAY, ED", {"", "OLD"}});
    const QByteArray before = read("ovra.mdb");
    for (const QString how : {"close box", "Esc", "refused row"}) {
        SCOPED_TRACE(how.toStdString());
        if (how == "refused row") expect_change_failed(kDuplicateKey);
        switch_names(
            kSmith,
            [&how](Verify& v) {
                type(v.txtlastname2, "ed ray");
                if (how == "Esc") {
                    QTest::keyClick(v.txtlastname2, Qt::Key_Escape);
                } else if (how == "close box") {
                    v.txtlastname2->window()->close();
                } else {
                    click(v.cmdContinue);
                }
            },
            nullptr);
        EXPECT_FALSE(picker().is_loaded());
        EXPECT_FALSE(record().is_loaded());
        EXPECT_EQ(read("ovra.mdb"), before);
        EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    }
}

TEST_F(SwitchNames, AMissingSideRowCountsAsNoneAndNoOtherHouseholdIsTouched) {
    // Green's markers promise a second address that is not there; Smith's rows must survive.
    exec_sql("UPDATE OVRAData SET \"second address\" = 'Y' WHERE keyname = 'GREEN, BO'");
    switch_names("GREEN, BO", [this](Verify& v) {
        type(v.txtlastname2, "ed ray");
        click(v.cmdContinue);
    });
    const auto h = household_row("RAY, ED");
    EXPECT_EQ(h.second_address, "N");
    EXPECT_EQ(h.childflag, 0);
    EXPECT_FALSE(stored_row<common::SecondAddressRecord>("Address", "RAY, ED"));
    EXPECT_TRUE(stored_row<common::SecondAddressRecord>("Address", "SMITH, JOHN"));
    EXPECT_TRUE(stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN"));
}

}  // namespace
