#include <QTest>
#include <map>

#include "changes_fixture.h"
#include "common/records.h"
#include "platform/controls.h"

namespace {

using platform::back_color;
namespace color = platform::color;

// Jane's own title ("5" as person 2) is "6" as person 1.
const QStringList kJane = {
    "jane@home.example", "jane@work.example", "555-0201", "555-0202", "JANIE", "6"};
const QStringList kNobody = {"", "", "", "", "", "", "", "0", "N", "N"};

// Death and separation in the household JOHN SMITH & JANE SMITH-JONES, who have the children
// CY and DI (stored with gaps under a stale flag 0, which the start heals) and a second address in
// Madison, from the main window's menu to the check-edit dialog.
class RemoveName : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        auto smith = couple("Smith", "John", "JANE", "JONES", true, true);
        smith.home_phone = "555-0100";
        set_person1(smith, kJohn);
        smith.home_email_2 = kJane[0];
        smith.work_email_2 = kJane[1];
        smith.work_phone_2 = kJane[2];
        smith.cell_phone_2 = kJane[3];
        smith.sal2 = kJane[4];
        smith.option2 = "5";  // her own title
        smith.category[2] = smith.category[7] = "Y";
        store_full_family(smith);
        exec_sql(
            "UPDATE Children SET child1 = '', child2 = 'CY', child3 = ' ', child4 = 'DI';"
            "UPDATE OVRAData SET childflag = 0 WHERE keyname = 'SMITH, JOHN';");
        store_household(household("Green", "Bo"));
        start_program();
        main().catcount[2] = main().catcount[7] = 1;
    }
    static constexpr const char* kSmith = "SMITH, JOHN & JANE SMITH-JONES AND FAMILY";

    // Accepts the names the verifier proposes, giving a new address whenever one is asked; Jane
    // keeps her own last name.
    void accept_names(int dialogs) {
        for (int i = 0; i < dialogs; ++i)
            in_verifier([](Verify& v) {
                if (!v.txtaddress1->isHidden()) {
                    // The new address is asked, not assumed: CONTINUE at once is refused.
                    for (QLineEdit* b :
                         {v.txtaddress1, v.txtaddress2, v.txtCity, v.txtState, v.txtZip})
                        EXPECT_EQ(b->text(), "") << b->objectName().toStdString();
                    EXPECT_EQ(platform::value(v.chkForeign), 0);
                    click(v.cmdContinue);
                    EXPECT_EQ(v.lblWarning->text(), "ENTER ADDRESS 1");
                    type_address(v);
                }
                for (QLineEdit* box : {v.txtlastname2, v.txtLastName1})
                    if (box->text() == "SMITH-JONES") type(box, "JONES");
                click(v.cmdContinue);
            });
    }
    // ENTER; in the check-edit dialog each button opens the household it names for editing and
    // CANCEL there comes back to the dialog, then MAIN MENU. The captions of the buttons are
    // returned.
    QStringList enter(Remove& w) {
        QStringList captions;
        modals.on("frmCheckEdit", [this, &captions](platform::Window& win) {
            auto& c = static_cast<frmCheckEdit&>(win).ui();
            for (QPushButton* button : {c.cmdEdit1, c.cmdEdit2}) {
                if (button->isHidden()) continue;
                captions << button->text().simplified();
                modals.on("frmAddressRecord", [&captions](platform::Window& form) {
                    auto& r = static_cast<frmAddressRecord&>(form).ui();
                    EXPECT_EQ(form.caption(), "Edit Existing Record");
                    EXPECT_EQ("EDIT " + r.TxtFirstName1->text() + " " + r.txtLastName1->text(),
                              captions.last());
                    EXPECT_TRUE(r.Cmdmain->isHidden());
                    EXPECT_FALSE(r.Cmdaddress2->isHidden() || r.Cmdchildren->isHidden());
                    click(r.Comcancel);
                });
                click(button);
            }
            click(c.cmdCancel);
        });
        click(w.cmdEnter);
        return captions;
    }
};

enum class Second { Drop, Keep, Move, OtherRow };

struct Case {
    const char* what;
    int person;
    bool split, keep, children;
    Second address;
    int dialogs;
    // Keys afterwards: the household that stays, the new one ("" none), the children's and
    // the second address's rows ("" none).
    const char* stays;
    const char* made;
    const char* children_at;
    const char* address_at;
    // Cities of the two households afterwards.
    const char* stays_city;
    const char* made_city = "";
};

constexpr const char* J = "SMITH, JOHN";
constexpr const char* N = "JONES, JANE";
const Case kCases[] = {
    {"death 1", 1, false, false, false, Second::Drop, 1, N, "", N, N, "SPRINGFIELD"},
    {"death 2", 2, false, false, false, Second::Drop, 0, J, "", J, J, "SPRINGFIELD"},
    {"split 1, not kept", 1, true, false, false, Second::Drop, 1, N, "", N, "", "SPRINGFIELD"},
    {"split 1, not kept, children, the other row's Keep", 1, true, false, true, Second::OtherRow, 1,
     N, "", "", N, "SPRINGFIELD"},
    {"split 1, kept, Keep", 1, true, true, false, Second::Keep, 2, N, J, N, J, "SPRINGFIELD",
     "AUSTIN"},
    {"split 1, kept, Move", 1, true, true, false, Second::Move, 1, N, J, N, "", "SPRINGFIELD",
     "MADISON"},
    {"split 1, kept, address dropped", 1, true, true, false, Second::Drop, 2, N, J, N, "",
     "SPRINGFIELD", "AUSTIN"},
    {"split 1, kept, children, Keep", 1, true, true, true, Second::Keep, 1, J, N, J, J, "AUSTIN",
     "SPRINGFIELD"},
    {"split 1, kept, children, Move", 1, true, true, true, Second::Move, 1, J, N, J, "", "MADISON",
     "SPRINGFIELD"},
    {"split 1, kept, children, the other row's Keep", 1, true, true, true, Second::OtherRow, 1, J,
     N, J, J, "AUSTIN", "SPRINGFIELD"},
    {"split 2, not kept, children, the other row's Keep", 2, true, false, true, Second::OtherRow, 0,
     J, "", "", J, "SPRINGFIELD"},
    {"split 2, not kept, address dropped", 2, true, false, false, Second::Drop, 0, J, "", J, "",
     "SPRINGFIELD"},
    {"split 2, kept, children, Move", 2, true, true, true, Second::Move, 1, J, N, N, "",
     "SPRINGFIELD", "MADISON"},
    {"split 2, kept, Keep", 2, true, true, false, Second::Keep, 1, J, N, J, N, "SPRINGFIELD",
     "AUSTIN"},
    {"split 2, kept, children, address dropped", 2, true, true, true, Second::Drop, 1, J, N, N, "",
     "SPRINGFIELD", "AUSTIN"},
};

TEST_F(RemoveName, EachChoiceLeavesTheHouseholdsAUserExpects) {
    const QByteArray start = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    for (const Case& k : kCases) {
        SCOPED_TRACE(k.what);
        write("ovra.mdb", start);
        write("storefile.ovr", settings);
        restart_program();
        const int before2 = main().catcount[2], before7 = main().catcount[7];
        QStringList captions;
        alter(kSmith, [&](Remove& w) {
            if (k.person == 2) click(w.optName2);
            if (k.split) click(k.person == 1 ? w.optSplit1 : w.optSplit2);
            if (k.keep) click(k.person == 1 ? w.chkkeep1 : w.chkKeep2);
            if (k.children) click(k.person == 1 ? w.chkChild1 : w.chkChild2);
            if (k.split && k.address != Second::Drop) click(w.chkSecondAddress);
            if (k.address == Second::Move)
                click(k.person == 1 ? w.optMoveAddress1 : w.optMoveAddress2);
            if (k.address == Second::OtherRow)
                click(k.person == 1 ? w.optKeepAddress2 : w.optKeepAddress1);
            accept_names(k.dialogs);
            captions = enter(w);
        });
        EXPECT_FALSE(picker().is_loaded());
        EXPECT_FALSE(change().is_loaded());

        const bool made = *k.made != 0;
        EXPECT_EQ(count_rows("OVRAData"), made ? 3 : 2);
        const auto s = household_row(k.stays);
        // The household that stays is one person, whoever that is, with their own contacts.
        EXPECT_EQ(person2(s), kNobody);
        const bool jane_stays = QString(k.stays) == N;
        EXPECT_EQ(person1(s), jane_stays ? kJane : kJohn);
        EXPECT_EQ(captions.value(0), jane_stays ? "EDIT JANE JONES" : "EDIT JOHN SMITH");

        std::optional<common::AddressRecord> n;
        if (made) {
            n = household_row(k.made);
            EXPECT_EQ(person2(*n), kNobody);
            EXPECT_EQ(person1(*n), jane_stays ? kJohn : kJane);
            EXPECT_EQ(n->category[7], "Y");
            EXPECT_EQ(captions.value(1), jane_stays ? "EDIT JOHN SMITH" : "EDIT JANE JONES");
        }
        EXPECT_EQ(captions.size(), made ? 2 : 1);

        // The old home keeps its phones; who moves into the second address takes all of it; a
        // new address typed into the verifier comes without phones.
        const std::map<QString, QStringList> addresses = {
            {"SPRINGFIELD", {"1 MAIN ST", "", "SPRINGFIELD", "IL", "62701", "N", "555-0100", ""}},
            {"MADISON", kMadison},
            {"AUSTIN", {"5 ELM ST", "", "AUSTIN", "TX", "73301", "N", "", ""}}};
        EXPECT_EQ(home(s), addresses.at(k.stays_city));
        if (n) {
            EXPECT_EQ(home(*n), addresses.at(k.made_city));
        }

        // Side rows: exactly one of each at most, under the key of the household that has it,
        // and that household's markers say so.
        EXPECT_EQ(count_rows("Children"), *k.children_at ? 1 : 0);
        EXPECT_EQ(count_rows("Address"), *k.address_at ? 1 : 0);
        // The children are stored packed, counted by childflag.
        EXPECT_EQ(s.childflag, QString(k.children_at) == k.stays ? 2 : 0);
        EXPECT_EQ(s.second_address, QString(k.address_at) == k.stays ? "Y" : "N");
        if (n) {
            EXPECT_EQ(n->childflag, QString(k.children_at) == k.made ? 2 : 0);
            EXPECT_EQ(n->second_address, QString(k.address_at) == k.made ? "Y" : "N");
        }
        if (*k.children_at) {
            // In Jane's household one-word children keep the family name they had.
            const bool janes = QString(k.children_at) == N;
            const std::array<QString, 7> packed = {
                "", janes ? "CY SMITH" : "CY", janes ? "DI SMITH" : "DI", "", "", "", ""};
            EXPECT_EQ(children_row(k.children_at).child, packed);
        }
        if (*k.address_at) {
            EXPECT_EQ(fields(address_row(k.address_at)), kMadison);
        }

        // A new household counts into its categories, in memory and after a restart.
        EXPECT_EQ(main().ui().lblrecnum->text(), made ? "3" : "2");
        EXPECT_EQ(main().catcount[7], before7 + (made ? 1 : 0));
        restart_program();
        EXPECT_EQ(main().catcount[2], before2 + (made ? 1 : 0));
        EXPECT_EQ(main().catcount[7], before7 + (made ? 1 : 0));
    }
}

TEST_F(RemoveName, PersonOneLeavingWithTheChildrenMayTakeANewLastName) {
    alter(kSmith, [this](Remove& w) {
        click(w.optSplit1);
        click(w.chkkeep1);
        click(w.chkChild1);
        in_verifier([](Verify& v) {
            EXPECT_FALSE(v.lblSpouseHeading->isHidden());
            EXPECT_EQ(v.txtlastname2->text(), "SMITH");
            EXPECT_EQ(v.txtLastName1->text(), "SMITH-JONES");
            type(v.txtlastname2, "smyth");
            type(v.txtLastName1, "jones");
            type_address(v);
            click(v.cmdContinue);
        });
        enter(w);
    });
    // His household moves to the new key with its children; the second address was not kept.
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "SMITH, JOHN"));
    const auto john = household_row("SMYTH, JOHN");
    EXPECT_EQ(QStringList({john.city, QString::number(john.childflag), john.second_address}),
              QStringList({"AUSTIN", "2", "N"}));
    EXPECT_EQ(children_row("SMYTH, JOHN").child[1], "CY SMITH");
    EXPECT_EQ(count_rows("Address"), 0);
}

TEST_F(RemoveName, TheWindowShowsTheNamesAndItsCloseBoxChangesNothing) {
    store_household(couple("Lee", "Tom", "ANN", "PARK"));
    store_household(couple("Kim", "Bo", "ANN", "PARK", true, false));
    restart_program();
    const QByteArray before = read("ovra.mdb");
    const std::pair<const char*, const char*> names[] = {
        {kSmith, "JANE SMITH-JONES"},
        {"LEE, TOM & ANN PARK", "ANN PARK"},
        {"KIM, BO & ANN PARK-KIM", "ANN PARK-KIM"}};
    for (const auto& [line, name2] : names) {
        alter(line, [&, name2 = name2](Remove& w) {
            EXPECT_EQ(w.lblName2->text(), name2);
            EXPECT_TRUE(w.optName1->isChecked());
            EXPECT_FALSE(picker().is_shown());
            click(w.optName2);
            change().close_box();
            // The picker is back for another choice.
            EXPECT_FALSE(change().is_loaded());
            EXPECT_TRUE(picker().is_shown());
        });
    }
    EXPECT_EQ(read("ovra.mdb"), before);
}

TEST_F(RemoveName, ATakenKeyIsRefusedAndAClosedVerifierWritesNothing) {
    // Person 2 has person 1's first name: kept as a household of her own under the same key
    // as the household that stays, she is refused.
    store_household(couple("Lee", "Sam", "SAM", "LEE"));
    restart_program();
    const QByteArray before = read("ovra.mdb");
    alter("LEE, SAM & SAM", [&](Remove& w) {
        click(w.optName2);
        click(w.optSplit2);
        click(w.chkKeep2);
        in_verifier([this](Verify& v) {
            type_address(v);
            const std::pair<const char*, const char*> refused[] = {
                {"LEE", "NAME ALREADY ON DATABASE"}, {"RAY, JR", "NO COMMA IN A NAME"}};
            for (const auto& [name, message] : refused) {
                type(v.txtlastname2, name);
                click(v.cmdContinue);
                EXPECT_EQ(v.lblWarning->text(), message) << name;
                EXPECT_EQ(back_color(v.txtlastname2), color::kLightRed);
            }
            verifier().close_box();
        });
        click(w.cmdEnter);
        EXPECT_EQ(read("ovra.mdb"), before);
        // The window stays for another try.
        EXPECT_TRUE(change().is_shown());
        EXPECT_EQ(change().original_keyname, "LEE, SAM");
        EXPECT_EQ(change().new_keyname, "");
        in_verifier([](Verify& v) {
            type_address(v);
            type(v.txtlastname2, "ray");
            click(v.cmdContinue);
        });
        enter(w);
    });
    EXPECT_TRUE(stored_row<common::AddressRecord>("OVRAData", "LEE, SAM"));
    EXPECT_EQ(household_row("RAY, SAM").city, "AUSTIN");
}

TEST_F(RemoveName, AHouseholdWithoutValuesInItsCodeFieldsCanBeChanged) {
    // Its code fields hold no value; its marker promises children whose row is missing (stored
    // after the start, which would heal the marker).
    restart_program();
    exec_sql(
        "INSERT INTO OVRAData (keyname, \"first name 2\", \"last name 2\", \"address 1\", city, "
        "state, zip, childflag) VALUES ('OAK, AL', 'BEA', 'OAK', '2 OAK LN', 'TULSA', 'OK', "
        "'74103', 1)");
    alter("OAK, AL & BEA AND FAMILY", [this](Remove& w) {
        click(w.optName2);
        click(w.optSplit2);
        click(w.chkKeep2);
        EXPECT_FALSE(w.chkChild2->isEnabled());  // the marker alone makes no child
        accept_names(1);
        enter(w);
    });
    const auto al = household_row("OAK, AL"), bea = household_row("OAK, BEA");
    EXPECT_EQ(QStringList(
                  {*al.option1, al.option2, al.last_name_check, al.category[3], al.second_address}),
              QStringList({"1", "0", "N", "N", "N"}));
    EXPECT_EQ(QStringList({*bea.option1, bea.foreign_check, bea.category[3]}),
              QStringList({"1", "N", "N"}));
    // A missing children row counts as none.
    EXPECT_EQ(al.childflag, 0);
    EXPECT_EQ(bea.childflag, 0);
    EXPECT_EQ(count_rows("Children"), 1);  // the Smiths'
}

TEST_F(RemoveName, ARowTheDatabaseRefusesRollsTheWholeChangeBack) {
    // A children row that nobody's household holds stands under Jane's key.
    store_children({"JONES, JANE", {}});
    const QByteArray before = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    expect_change_failed(kDuplicateKey);
    alter(kSmith, [this](Remove& w) {
        click(w.optSplit1);
        click(w.chkkeep1);
        accept_names(2);
        click(w.cmdEnter);
        // The window is as it was before ENTER.
        EXPECT_TRUE(change().is_shown());
        EXPECT_EQ(QStringList({change().original_keyname, change().original_firstname1,
                               change().original_firstname2, change().new_keyname}),
                  QStringList({"SMITH, JOHN", "JOHN", "JANE", ""}));
        EXPECT_EQ(change().original_record.home_email_1, "john@home.example");
        click(w.cmdMainMenu);
    });
    EXPECT_EQ(read("ovra.mdb"), before);
    EXPECT_EQ(read("storefile.ovr"), settings);
    EXPECT_EQ(main().catcount[7], 1);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    EXPECT_FALSE(picker().is_loaded());
}

}  // namespace
