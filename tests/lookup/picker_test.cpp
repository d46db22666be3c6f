#include <QTest>

#include "lookup_fixture.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

using PickerTest = LookupTest;

TEST_F(PickerTest, DisplayLinesFollowTheSecondPersonAndChildren) {
    auto with_children = [this](common::AddressRecord r) {
        r.childflag = 2;
        store_children({r.keyname, {"", "CY", "DI"}});
        return r;
    };
    store_household(household("Smith", "John"));
    store_household(with_children(household("Smith", "Jim")));
    store_household(couple("Smith", "Joe", "MARY", "SMITH", true));
    store_household(couple("Smith", "Jack", "MARY", "JONES"));
    store_household(with_children(couple("Smith", "Jake", "MARY", "JONES", true)));
    store_household(couple("Smith", "Jay", "MARY", "JONES", true, true));
    store_household(couple("Lee", "Ann", "BOB", ""));
    auto lower = household("adams", "Zoe");
    lower.keyname = "adams, ZOE";  // sorted without regard to case
    store_household(lower);
    // Accented letters sort with their base letters, not after Z.
    store_household(household(QString::fromUtf8("Éclair"), "Ida"));
    store_household(household("Zola", "Emil"));
    store_household(household("Edgar", "Poe"));
    start_program();
    in_picker([this] { click(main().ui().Comeditrecord); },
              [](Picker&) {
                  EXPECT_EQ(
                      lines(),
                      (QStringList{"adams, ZOE", QString::fromUtf8("ÉCLAIR, IDA"), "EDGAR, POE",
                                   "LEE, ANN & BOB ", "SMITH, JACK & MARY JONES",
                                   "SMITH, JAKE & MARY JONES-SMITH AND FAMILY",
                                   "SMITH, JAY & MARY SMITH-JONES", "SMITH, JIM AND FAMILY",
                                   "SMITH, JOE & MARY", "SMITH, JOHN", "ZOLA, EMIL"}));
              });
}

TEST_F(PickerTest, KeysComeFromTheLineNotFromItsText) {
    store_household(household("Smith", "John"));
    auto tricky = household("Smith", "John & Mary");
    tricky.city = "TRICKY";
    store_household(tricky);
    auto and_key = household("Smith AND Co", "Ann");
    and_key.city = "ANDVILLE";
    store_household(and_key);
    start_program();
    edit("SMITH, JOHN & MARY", [](Record& r) {
        EXPECT_EQ(r.TxtFirstName1->text(), "JOHN & MARY");
        EXPECT_EQ(r.txtCity->text(), "TRICKY");
    });
    EXPECT_EQ(picker().hold_keyname, "SMITH, JOHN & MARY");
    edit("SMITH AND CO, ANN", [](Record& r) { EXPECT_EQ(r.txtCity->text(), "ANDVILLE"); });
}

TEST_F(PickerTest, ModesWithNothingToOfferRefuse) {
    start_program();
    // The record menus are off; the launchers refuse all the same.
    EXPECT_FALSE(main().ui().MnuRecordEdit->isEnabled());
    const std::pair<void (frmOVRA::*)(), const char*> commands[] = {
        {&frmOVRA::edit_record_start, "There are no records to edit"},
        {&frmOVRA::browse_record_start, "There are no records to browse"},
        {&frmOVRA::delete_record_start, "There are no records to delete"},
        {&frmOVRA::mnuMove1To2_Click, "There are no records to Change"},
        {&frmOVRA::mnuMoveRemoveNames_Click, "There are no records to Change"},
        {&frmOVRA::MnuMoveChildren_Click, "There are no records to move"}};
    for (auto [launch, message] : commands) {
        msgs.expect(message, platform::vbOK, platform::vbExclamation, "Empty Database");
        (main().*launch)();
    }
    msgs.expect("There are no records to edit", platform::vbOK, 48, "Empty Database");
    click(main().ui().Comeditrecord);
    EXPECT_FALSE(picker().is_shown());

    // A couple without children: nothing to switch or move, something to alter.
    store_household(couple("Brown", "Al", "EVE", "BROWN"));
    restart_program();
    msgs.expect("There are no records to Change", platform::vbOK, 48, "Empty Database");
    main().ui().mnuMove1To2->trigger();
    msgs.expect("There are no children to move", platform::vbOK, 48, "Empty Database");
    main().ui().MnuMoveChildren->trigger();
    store_household(household("Green", "Bo"));
    in_picker([] { main().ui().mnuMoveRemoveNames->trigger(); },
              [](Picker&) { EXPECT_EQ(lines(), QStringList{"BROWN, AL & EVE"}); });
}

TEST_F(PickerTest, EachModeFiltersItsList) {
    auto kids = couple("Brown", "Al", "EVE", "BROWN");
    kids.childflag = 1;
    store_household(kids);
    store_children({kids.keyname, {"", "CY"}});
    store_household(household("Green", "Bo"));
    start_program();
    auto& c = main().ui();
    const QStringList both = {"BROWN, AL & EVE AND FAMILY", "GREEN, BO"};
    const std::tuple<QAction*, const char*, QStringList> modes[] = {
        {c.MnuRecordEdit, "EDIT", both},
        {c.MnuRecordBrowse, "BROWSE", both},
        {c.MnuDeleteRecord, "DELETE", both},
        {c.mnuMove1To2, "SWITCH", {"GREEN, BO"}},
        {c.mnuMoveRemoveNames, "ALTER", {"BROWN, AL & EVE AND FAMILY"}},
        {c.MnuMoveChildren, "MOVE CHILDREN", {"BROWN, AL & EVE"}},
    };
    for (const auto& [action, word, listed] : modes) {
        in_picker([&] { action->trigger(); },
                  [&](Picker& p) {
                      EXPECT_EQ(p.Label2->text().toStdString(), word);
                      EXPECT_EQ(lines(), listed) << word;
                  });
    }
}

TEST_F(PickerTest, RetrieveEnterAndDoubleClickOpenTheChosenHouseholdIfStillThere) {
    store_household(household("Green", "Bo"));
    store_household(household("Brown", "Al"));
    start_program();
    in_picker(
        [] { main().ui().MnuDeleteRecord->trigger(); },
        [this](Picker& p) {
            msgs.expect("You must choose a record", platform::vbOK, 48, "Choose a record");
            click(p.ComGetAddress);
            EXPECT_TRUE(picker().is_shown());
            select("GREEN, BO");
            const std::function<void()> retrieve[] = {
                [&] { QTest::keyClick(p.LstGetAddress1, Qt::Key_Return); },
                [&] { emit p.LstGetAddress1->itemDoubleClicked(p.LstGetAddress1->currentItem()); }};
            for (const auto& act : retrieve) {
                modals.on("frmAddressRecord", [](platform::Window& w) {
                    EXPECT_EQ(static_cast<frmAddressRecord&>(w).ui().TxtFirstName1->text(), "BO");
                    static_cast<frmAddressRecord&>(w).ui().Comcancel->click();
                });
                act();
            }
            // Gone from the table behind the list: nothing opens.
            exec_sql("DELETE FROM OVRAData WHERE keyname = 'GREEN, BO'");
            msgs.expect("This household is no longer in the address book.", platform::vbOK, 48,
                        "Record Not Found");
            click(p.ComGetAddress);
            store_household(household("Added", "Behind"));
            store_household(household("Added", "Too"));
            click(p.Comcancel);
        });
    EXPECT_FALSE(picker().is_loaded());
    // Cancel shows the true count.
    EXPECT_EQ(main().ui().lblrecnum->text(), "3");
}

}  // namespace
