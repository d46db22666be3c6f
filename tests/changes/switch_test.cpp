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
        smith.last_name_hyphen = smith.last_name_reverse = "Y";
        smith.address_2 = "APT 1";
        smith.home_phone = "555-0100";
        smith.home_fax = "555-0199";
        smith.foreign_check = "Y";
        smith.sal1 = "JACK";  // own titles, so the record form shows them
        smith.sal2 = "MAE";
        smith.option2 = "5";
        smith.home_email_1 = "john@home.example";
        smith.work_email_1 = "john@work.example";
        smith.work_phone_1 = "555-0101";
        smith.cell_phone_1 = "555-0102";
        smith.option1 = "6";
        smith.last_name_check = "Y";
        smith.category[2] = "Y";
        smith.category[7] = "Y";
        store_full_family(smith);  // children CY and DI, second address in Madison
        store_household(household("Green", "Bo"));
        start_program();
        main().catcount[2] = 1;
        main().catcount[7] = 1;
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
            EXPECT_EQ(record().caption(), "Switch Existing Record");
            EXPECT_FALSE(picker().is_shown());
            type(v.txtlastname2, "mary ann brown");
            click(v.cmdContinue);
        },
        [this](CheckEdit& c) {
            // One button opens the switched household for editing.
            EXPECT_EQ(c.cmdEdit1->text().simplified(), "EDIT UPDATED RECORD");
            EXPECT_TRUE(c.cmdEdit2->isHidden());
            EXPECT_EQ(platform::form<frmCheckEdit>().help_context_id(), 8030);
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
    EXPECT_FALSE(stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN"));
    EXPECT_FALSE(stored_row<common::SecondAddressRecord>("Address", "SMITH, JOHN"));
    const auto h = stored_row<common::AddressRecord>("OVRAData", "BROWN, MARY ANN");
    ASSERT_TRUE(h);
    // John becomes person 2 with his contacts; the new person 1 has none and no title.
    const QStringList person2 = {h->first_name_2, h->last_name_2,  h->home_email_2,
                                 h->work_email_2, h->work_phone_2, h->cell_phone_2};
    EXPECT_EQ(person2, QStringList({"JOHN", "SMITH", "john@home.example", "john@work.example",
                                    "555-0101", "555-0102"}));
    EXPECT_EQ(h->home_email_1, " ");
    EXPECT_EQ(QStringList({*h->option1, h->option2, h->sal1, h->sal2}),
              QStringList({"1", "0", "JACK", "MAE"}));
    // The household keeps its address, phones and flags.
    EXPECT_EQ(
        QStringList(
            {h->address_1, h->address_2, h->city, h->state, h->zip, h->home_phone, h->home_fax}),
        QStringList({"1 MAIN ST", "APT 1", "SPRINGFIELD", "IL", "62701", "555-0100", "555-0199"}));
    EXPECT_EQ(QStringList({h->foreign_check, h->last_name_hyphen, h->last_name_reverse,
                           h->last_name_check, h->category[2], h->category[7], h->second_address}),
              QStringList({"Y", "Y", "Y", "Y", "Y", "Y", "Y"}));
    EXPECT_EQ(h->childflag, 2);
    const auto kids = stored_row<common::ChildrenRecord>("Children", "BROWN, MARY ANN");
    ASSERT_TRUE(kids);
    EXPECT_EQ(QStringList({kids->child[1], kids->child[2]}), QStringList({"CY SMITH", "DI SMITH"}));
    const auto second = stored_row<common::SecondAddressRecord>("Address", "BROWN, MARY ANN");
    ASSERT_TRUE(second);
    EXPECT_EQ(fields(*second), kMadison);
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(count_rows("Children"), 1);
    EXPECT_EQ(count_rows("Address"), 1);
    // Nothing moved between categories and the number of households stays.
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_EQ(main().catcount[2], 1);
    EXPECT_EQ(read("storefile.ovr"), settings);
    restart_program();
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
}

TEST_F(SwitchNames, ChildrenUnderAStaleFlagAndBlankSlotsAreStoredPackedAndUnchanged) {
    auto lee = household("Lee", "Ann");
    lee.childflag = 0;  // stale: the names make the children
    store_household(lee);
    common::ChildrenRecord kids;
    kids.keyname = "LEE, ANN";
    kids.child = {"", " ", "JANE DOE", "", "BO", "AL ", ""};
    store_children(kids);
    restart_program();
    switch_names("LEE, ANN", [this](Verify& v) {
        type(v.txtLastName1, "lee-park");  // only an inner hyphen is refused
        type(v.txtlastname2, "ed ray");
        click(v.cmdContinue);
        EXPECT_EQ(v.lblWarning->text(), "HYPHENATED NAME INVALID");
        EXPECT_EQ(back_color(v.txtLastName1), color::kLightRed);
        type(v.txtLastName1, "park-");
        click(v.cmdContinue);
    });
    const auto h = stored_row<common::AddressRecord>("OVRAData", "RAY, ED");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->last_name_2, "PARK-");
    EXPECT_EQ(h->childflag, 3);
    const auto moved = stored_row<common::ChildrenRecord>("Children", "RAY, ED");
    ASSERT_TRUE(moved);
    // One-word children keep the family name of the former first person as loaded.
    const std::array<QString, 7> expected = {"", "JANE DOE", "BO LEE", "AL  LEE", "", "", ""};
    EXPECT_EQ(moved->child, expected);
}

TEST_F(SwitchNames, TheVerifierShowsTheLastFailedCheckAndRefusesATakenKey) {
    switch_names(kSmith, [this](Verify& v) {
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
        EXPECT_TRUE(verifier().is_shown());
        // The household's own old key is free, since the switch gives it up.
        type(v.txtlastname2, "john smith");
        click(v.cmdContinue);
        EXPECT_FALSE(verifier().is_shown());
    });
    const auto h = stored_row<common::AddressRecord>("OVRAData", "SMITH, JOHN");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->first_name_2, "JOHN");
    EXPECT_TRUE(stored_row<common::AddressRecord>("OVRAData", "GREEN, BO"));
    EXPECT_TRUE(stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN"));
    EXPECT_EQ(count_rows("OVRAData"), 2);
}

TEST_F(SwitchNames, ClosingTheVerifierCancelsTheWholeSwitch) {
    const QByteArray before = read("ovra.mdb");
    for (bool by_escape : {false, true}) {
        switch_names(
            kSmith,
            [by_escape](Verify& v) {
                type(v.txtlastname2, "ed ray");
                if (by_escape) {
                    QTest::keyClick(v.txtlastname2, Qt::Key_Escape);
                } else {
                    v.txtlastname2->window()->close();
                }
            },
            nullptr);
        EXPECT_FALSE(picker().is_loaded());
        EXPECT_FALSE(record().is_loaded());
    }
    EXPECT_EQ(read("ovra.mdb"), before);
}

TEST_F(SwitchNames, AMissingSideRowCountsAsNoneAndNoOtherHouseholdIsTouched) {
    // Green's markers promise a second address that is not there; Smith's rows must survive.
    {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.refresh();
        data.set_index("keyname");
        data.seek("=", "GREEN, BO");
        data.edit();
        data.set_field("second address", "Y");
        data.update();
    }
    switch_names("GREEN, BO", [this](Verify& v) {
        type(v.txtlastname2, "ed ray");
        click(v.cmdContinue);
    });
    const auto h = stored_row<common::AddressRecord>("OVRAData", "RAY, ED");
    ASSERT_TRUE(h);
    EXPECT_EQ(h->second_address, "N");
    EXPECT_EQ(h->childflag, 0);
    EXPECT_FALSE(stored_row<common::SecondAddressRecord>("Address", "RAY, ED"));
    EXPECT_TRUE(stored_row<common::SecondAddressRecord>("Address", "SMITH, JOHN"));
    EXPECT_TRUE(stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN"));
}

TEST_F(SwitchNames, ARowTheDatabaseRefusesRollsTheWholeSwitchBack) {
    // A children row left under the new key by nobody's household makes the last write fail.
    common::ChildrenRecord stray;
    stray.keyname = "RAY, ED";
    stray.child[1] = "OLD";
    store_children(stray);
    const QByteArray before = read("ovra.mdb");
    msgs.expect(
        "The change could not be saved; nothing was changed.\nThe changes you requested to the "
        "table were not "
        "successful because they would create duplicate values in the index.",
        platform::vbOK, platform::vbExclamation, "Change Failed");
    switch_names(
        kSmith,
        [this](Verify& v) {
            type(v.txtlastname2, "ed ray");
            click(v.cmdContinue);
        },
        nullptr);
    EXPECT_EQ(read("ovra.mdb"), before);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
}

}  // namespace
