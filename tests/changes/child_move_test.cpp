#include <QTest>

#include "changes_fixture.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "platform/controls.h"

using platform::form;

namespace {

class ChildMove : public ChangesTest {
protected:
    // The parents with a blank first slot and the children CY, DI ANN and ED in slots 2 to 4.
    void SetUp() override {
        ChangesTest::SetUp();
        auto smith = couple("Smith", "John", "MARY", "SMITH");
        smith.address_2 = "APT 1";
        smith.home_phone = "555-0100";
        smith.home_fax = "555-0199";
        smith.foreign_check = "Y";
        smith.category[1] = "Y";
        smith.childflag = 3;
        store_household(smith);
        store_children({"SMITH, JOHN", {"", "", "CY", "DI ANN", "ED", "", ""}});
        start_program();
    }
    static constexpr const char* kSmith = "SMITH, JOHN & MARY";

    // In the chooser: MOVE as NAME 1; in the record form the address is typed, then `act`.
    void move_as_name1(Chooser& c, const std::function<void(Record&)>& act) {
        move_to(
            c,
            [this](Where& w) {
                click(w.Option1);
                click(w.Command1);
            },
            [act](Record& r) {
                type_address(r);
                act(r);
            });
    }
    // Moves the child of `slot` as NAME 1 and saves its household in category 2.
    void move(int slot, bool college = false) {
        move_child(kSmith, [=, this](Chooser& c) {
            click(c.Option[slot]);
            if (college) click(c.Check[slot]);
            move_as_name1(c, [](Record& r) {
                click(r.Chkcat[2]);
                click(r.Comsave);
            });
        });
    }
    std::array<QString, 7> parents_children() {
        const auto kids = stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN");
        return kids ? kids->child : std::array<QString, 7>{};
    }
    int parents_childflag() { return household_row("SMITH, JOHN").childflag; }
};

TEST_F(ChildMove, TheChooserOffersEveryChildWithTheFamilyNameAndHandsOnTheChosenOne) {
    move_child(kSmith, [this](Chooser& c) {
        EXPECT_TRUE(c.Option[1]->isHidden());
        EXPECT_TRUE(c.Check[5]->isHidden());
        EXPECT_EQ(c.Label[2]->text(), "CY SMITH");
        EXPECT_EQ(c.Label[3]->text(), "DI ANN");
        EXPECT_TRUE(c.Option[2]->isChecked());  // the first real child
        EXPECT_EQ(picker().child_hold[2], "CY");
        click(c.Option[4]);
        click(c.Check[2]);  // another slot's COLLEGE box does not count
        modals.on("frmchildnamemove", [this](platform::Window& w) {
            auto& where = static_cast<frmchildnamemove&>(w).ui();
            EXPECT_EQ(where.Label2->text(), "ED SMITH TO?");
            EXPECT_FALSE(where.Option1->isChecked());
            EXPECT_FALSE(where.Option2->isChecked());
            EXPECT_EQ(form<Frmchildmove>().hold_name, "ED SMITH");
            EXPECT_EQ(form<Frmchildmove>().college_hold, "N");
            click(where.Command2);  // CANCEL: back to the chooser as it was
        });
        click(c.cmdPrint);
        EXPECT_TRUE(form<Frmchildmove>().is_shown());
        EXPECT_EQ(c.Label[4]->text(), "ED SMITH");
        click(c.Command1);  // MAIN MENU
    });
    EXPECT_FALSE(picker().is_loaded());
    EXPECT_FALSE(form<Frmchildmove>().is_loaded());
    EXPECT_EQ(parents_childflag(), 3);
    EXPECT_EQ(count_rows("OVRAData"), 1);

    // A children row of blanks only offers nothing to move.
    auto lee = household("Lee", "Ann");
    lee.childflag = 2;
    store_household(lee);
    store_children({"LEE, ANN", {"", " ", "   ", "", "", "", ""}});
    restart_program();
    move_child("LEE, ANN", [this](Chooser& c) {
        for (int i = 1; i <= 6; ++i) EXPECT_TRUE(c.Option[i]->isHidden()) << i;
        EXPECT_FALSE(c.cmdPrint->isEnabled());
        click(c.cmdCancel);
        EXPECT_FALSE(form<Frmchildmove>().is_loaded());
    });
}

TEST_F(ChildMove, TheOthersCloseRanksUntilTheLastChildTakesTheRowAlong) {
    const int in_category2 = main().catcount[2];
    move(2);  // the first child, behind a blank slot
    EXPECT_EQ(parents_children(), (std::array<QString, 7>{"", "DI ANN", "ED", "", "", "", ""}));
    EXPECT_EQ(parents_childflag(), 2);
    const auto child = household_row("SMITH, CY");
    EXPECT_EQ(child.category[1], "N");  // nothing of the parents is carried over
    EXPECT_EQ(child.home_phone, "");
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_EQ(main().catcount[2], in_category2 + 1);
    move(2, true);  // the last child, to college: the parents' home is its second address
    EXPECT_EQ(parents_children(), (std::array<QString, 7>{"", "DI ANN", "", "", "", "", ""}));
    EXPECT_EQ(household_row("SMITH, ED").second_address, "Y");
    EXPECT_EQ(fields(address_row("SMITH, ED")),
              QStringList({"1 MAIN ST", "APT 1", "SPRINGFIELD", "IL", "62701", "Y", "555-0100",
                           "555-0199"}));
    // The form still holds that request; a child moved without COLLEGE must not inherit it.
    record().save_second_Address = true;
    record().save_address2_flag = "Y";
    move(1);  // the only child
    EXPECT_EQ(household_row("ANN, DI").second_address, "N");
    EXPECT_EQ(count_rows("Address"), 1);
    EXPECT_FALSE(stored_row<common::ChildrenRecord>("Children", "SMITH, JOHN"));
    EXPECT_EQ(parents_childflag(), 0);
    msgs.expect("There are no children to move", platform::vbOK, platform::vbExclamation,
                "Empty Database");
    main().ui().MnuMoveChildren->trigger();
    restart_program();
    EXPECT_EQ(main().ui().lblrecnum->text(), "4");
    EXPECT_EQ(main().catcount[2], in_category2 + 3);
}

TEST_F(ChildMove, AsNameTwoTheChildFillsTheSecondPerson) {
    move_child(kSmith, [this](Chooser& c) {
        click(c.Option[3]);
        move_to(
            c, [this](Where& w) { click(w.Command1); },  // neither option: NAME 2
            [this](Record& r) {
                EXPECT_EQ(record().caption(), "Add New Record");
                EXPECT_EQ(r.TxtFirstName2->text(), "DI");
                EXPECT_EQ(r.txtlastname2->text(), "ANN");
                EXPECT_EQ(r.TxtFirstName1->text(), "");
                EXPECT_EQ(r.txtaddress1->text(), "");
                EXPECT_TRUE(r.Comcancel->isHidden());
                EXPECT_TRUE(r.Cmdmain->isHidden());
                EXPECT_TRUE(r.Opt1a->isChecked());
                EXPECT_EQ(form<Frmchildren>().ui().Txtchild[1]->text(), "");
                type(r.TxtFirstName1, "al");
                type(r.txtLastName1, "ray");
                type_address(r);
                click(r.Comsave);
            });
    });
    const auto h = household_row("RAY, AL");
    EXPECT_EQ(h.first_name_2, "DI");
    EXPECT_EQ(h.last_name_2, "ANN");
    EXPECT_EQ(parents_children(), (std::array<QString, 7>{"", "CY", "ED", "", "", "", ""}));
}

TEST_F(ChildMove, ClosingTheFormWithoutSavingChangesNothing) {
    store_household(household("Smith", "Cy"));  // the child's name is taken
    restart_program();
    const QByteArray before = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    move_child(kSmith, [this](Chooser& c) {
        move_as_name1(c, [this](Record& r) {
            click(r.Chkcat[2]);
            click(r.Comsave);
            EXPECT_EQ(r.lblWarning->text(), "RECORD ALREADY EXISTS");
            const QString question =
                "Do you want to stop moving CY SMITH? Nothing will be changed.";
            msgs.expect(question, platform::vbNo, platform::vbYesNo + platform::vbQuestion,
                        "Move Child");
            r.Comsave->window()->close();
            EXPECT_TRUE(record().is_shown());
            msgs.expect(question, platform::vbYes);
            QTest::keyClick(r.txtCity, Qt::Key_Escape);
            EXPECT_FALSE(record().is_loaded());
        });
    });
    EXPECT_EQ(read("ovra.mdb"), before);
    EXPECT_EQ(read("storefile.ovr"), settings);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_TRUE(main().enabled());
}

TEST_F(ChildMove, TheNewHouseholdIsNotStoredWhenTheParentsCannotBeWritten) {
    move_child(kSmith, [this](Chooser& c) {
        move_as_name1(c, [this](Record& r) {
            // The parents' household disappears behind the form's back.
            exec_sql("DELETE FROM OVRAData WHERE keyname = 'SMITH, JOHN'");
            msgs.expect(
                "The household could not be saved; nothing was changed.\nThe household "
                "SMITH, JOHN is no longer in the address book.",
                platform::vbOK, platform::vbExclamation, "Save Failed");
            click(r.Comsave);
            EXPECT_TRUE(record().is_shown());
            msgs.expect("Do you want to stop moving CY SMITH? Nothing will be changed.",
                        platform::vbYes);
            r.Comsave->window()->close();
        });
    });
    EXPECT_EQ(count_rows("OVRAData"), 0);
    EXPECT_EQ(parents_children()[1], "");
    EXPECT_EQ(parents_children()[2], "CY");
}

}  // namespace
