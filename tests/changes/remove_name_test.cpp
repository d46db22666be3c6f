#include <QTest>

#include "changes_fixture.h"
#include "common/records.h"
#include "platform/controls.h"

namespace {

using platform::back_color;
namespace color = platform::color;

// Person 1's contacts, own title and title choice.
QStringList person1(const common::AddressRecord& r) {
    return {r.home_email_1, r.work_email_1, r.work_phone_1, r.cell_phone_1, r.sal1, *r.option1};
}
const QStringList kJohn = {
    "john@home.example", "john@work.example", "555-0101", "555-0102", "JACK", "2"};
// Jane's own title ("5" as person 2) is "6" as person 1.
const QStringList kJane = {
    "jane@home.example", "jane@work.example", "555-0201", "555-0202", "JANIE", "6"};
// A household's person 2, hyphen and reverse included.
QStringList person2(const common::AddressRecord& r) {
    return {r.first_name_2, r.last_name_2, r.home_email_2, r.work_email_2,     r.work_phone_2,
            r.cell_phone_2, r.sal2,        r.option2,      r.last_name_hyphen, r.last_name_reverse};
}
const QStringList kNobody = {"", "", "", "", "", "", "", "0", "N", "N"};

// Death and separation in the household JOHN SMITH & JANE SMITH-JONES, who have the children
// CY and DI (stored with gaps under a stale flag) and a second address in Madison, from the main
// window's menu to the check-edit dialog.
class RemoveName : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        auto smith = couple("Smith", "John", "JANE", "JONES", true, true);
        smith.home_phone = "555-0100";
        smith.home_email_1 = kJohn[0];
        smith.work_email_1 = kJohn[1];
        smith.work_phone_1 = kJohn[2];
        smith.cell_phone_1 = kJohn[3];
        smith.sal1 = kJohn[4];
        smith.option1 = kJohn[5];  // MR.
        smith.home_email_2 = kJane[0];
        smith.work_email_2 = kJane[1];
        smith.work_phone_2 = kJane[2];
        smith.cell_phone_2 = kJane[3];
        smith.sal2 = kJane[4];
        smith.option2 = "5";  // her own title
        smith.category[2] = "Y";
        smith.category[7] = "Y";
        store_full_family(smith);
        exec_sql(
            "UPDATE Children SET child1 = '', child2 = 'CY', child3 = ' ', child4 = 'DI';"
            "UPDATE OVRAData SET childflag = 3 WHERE keyname = 'SMITH, JOHN';");
        store_household(household("Green", "Bo"));
        start_program();
        main().catcount[2] = 1;
        main().catcount[7] = 1;
    }
    static constexpr const char* kSmith = "SMITH, JOHN & JANE SMITH-JONES AND FAMILY";

    // Accepts the names the verifier proposes, giving a new address whenever one is asked; Jane
    // keeps her own last name.
    void accept_names(int dialogs) {
        for (int i = 0; i < dialogs; ++i)
            in_verifier([](Verify& v) {
                if (!v.txtaddress1->isHidden()) type_address(v);
                for (QLineEdit* box : {v.txtlastname2, v.txtLastName1})
                    if (box->text() == "SMITH-JONES") type(box, "JONES");
                click(v.cmdContinue);
            });
    }
    // ENTER, and the check-edit dialog's MAIN MENU; the captions of its buttons are returned.
    QStringList enter(Remove& w) {
        QStringList captions;
        modals.on("frmCheckEdit", [&captions](platform::Window& win) {
            auto& c = static_cast<frmCheckEdit&>(win).ui();
            captions << c.cmdEdit1->text().simplified();
            if (!c.cmdEdit2->isHidden()) captions << c.cmdEdit2->text().simplified();
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
        const auto s = stored_row<common::AddressRecord>("OVRAData", k.stays);
        ASSERT_TRUE(s);
        // The household that stays is one person, whoever that is, with their own contacts.
        EXPECT_EQ(person2(*s), kNobody);
        const bool jane_stays = QString(k.stays) == N;
        EXPECT_EQ(person1(*s), jane_stays ? kJane : kJohn);
        EXPECT_EQ(captions.value(0), jane_stays ? "EDIT JANE JONES" : "EDIT JOHN SMITH");

        std::optional<common::AddressRecord> n;
        if (made) {
            n = stored_row<common::AddressRecord>("OVRAData", k.made);
            ASSERT_TRUE(n);
            EXPECT_EQ(person2(*n), kNobody);
            EXPECT_EQ(person1(*n), jane_stays ? kJohn : kJane);
            EXPECT_EQ(n->category[7], "Y");
            EXPECT_EQ(captions.value(1), jane_stays ? "EDIT JOHN SMITH" : "EDIT JANE JONES");
        }
        EXPECT_EQ(captions.size(), made ? 2 : 1);

        // The old home keeps its phones; who moves into the second address takes all of it.
        const std::pair<const common::AddressRecord*, const char*> homes[] = {
            {&*s, k.stays_city}, {n ? &*n : nullptr, k.made_city}};
        for (const auto& [h, city] : homes) {
            if (!h) continue;
            const QStringList home = {h->address_1, h->address_2,     h->city,       h->state,
                                      h->zip,       h->foreign_check, h->home_phone, h->home_fax};
            if (city == QString("SPRINGFIELD"))
                EXPECT_EQ(home, QStringList({"1 MAIN ST", "", "SPRINGFIELD", "IL", "62701", "N",
                                             "555-0100", ""}));
            else if (city == QString("MADISON"))
                EXPECT_EQ(home, kMadison);
            else
                EXPECT_EQ(h->city, city);
        }

        // Side rows: exactly one of each at most, under the key of the household that has it,
        // and that household's markers say so.
        EXPECT_EQ(count_rows("Children"), *k.children_at ? 1 : 0);
        EXPECT_EQ(count_rows("Address"), *k.address_at ? 1 : 0);
        // The children are stored packed, counted by childflag.
        EXPECT_EQ(s->childflag, QString(k.children_at) == k.stays ? 2 : 0);
        EXPECT_EQ(s->second_address, QString(k.address_at) == k.stays ? "Y" : "N");
        if (n) {
            EXPECT_EQ(n->childflag, QString(k.children_at) == k.made ? 2 : 0);
            EXPECT_EQ(n->second_address, QString(k.address_at) == k.made ? "Y" : "N");
        }
        if (*k.children_at) {
            const auto kids = stored_row<common::ChildrenRecord>("Children", k.children_at);
            ASSERT_TRUE(kids);
            // In Jane's household one-word children keep the family name they had.
            const bool janes = QString(k.children_at) == N;
            const std::array<QString, 7> packed = {
                "", janes ? "CY SMITH" : "CY", janes ? "DI SMITH" : "DI", "", "", "", ""};
            EXPECT_EQ(kids->child, packed);
        }
        if (*k.address_at) {
            const auto second = stored_row<common::SecondAddressRecord>("Address", k.address_at);
            ASSERT_TRUE(second);
            EXPECT_EQ(fields(*second), kMadison);
        }

        // A new household counts into its categories, in memory and after a restart.
        EXPECT_EQ(main().ui().lblrecnum->text(), made ? "3" : "2");
        EXPECT_EQ(main().catcount[7], before7 + (made ? 1 : 0));
        restart_program();
        EXPECT_EQ(main().catcount[2], before2 + (made ? 1 : 0));
        EXPECT_EQ(main().catcount[7], before7 + (made ? 1 : 0));
    }
}

TEST_F(RemoveName, PersonOneLeavingWithTheChildrenIsAskedANewAddress) {
    alter(kSmith, [this](Remove& w) {
        click(w.optSplit1);
        click(w.chkkeep1);
        click(w.chkChild1);
        in_verifier([this](Verify& v) {
            EXPECT_FALSE(v.lblSpouseHeading->isHidden());
            EXPECT_EQ(v.txtlastname2->text(), "SMITH");
            EXPECT_EQ(v.txtLastName1->text(), "SMITH-JONES");
            // The new address is asked, not assumed: CONTINUE at once is refused.
            for (QLineEdit* b : {v.txtaddress1, v.txtaddress2, v.txtCity, v.txtState, v.txtZip})
                EXPECT_EQ(b->text(), "") << b->objectName().toStdString();
            EXPECT_EQ(platform::value(v.chkForeign), 0);
            click(v.cmdContinue);
            EXPECT_EQ(v.lblWarning->text(), "ENTER ADDRESS 1");
            EXPECT_TRUE(verifier().is_shown());
            // John takes a new last name: his household moves to the new key with its rows.
            type(v.txtlastname2, "smyth");
            type(v.txtLastName1, "jones");
            type(v.txtaddress1, "5 elm st");
            type(v.txtCity, "austin");
            type(v.txtState, "tx");
            type(v.txtZip, "73301");
            click(v.cmdContinue);
        });
        enter(w);
    });
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "SMITH, JOHN"));
    const auto john = stored_row<common::AddressRecord>("OVRAData", "SMYTH, JOHN");
    ASSERT_TRUE(john);
    EXPECT_EQ(QStringList({john->address_1, john->city, john->home_phone, john->home_fax}),
              QStringList({"5 ELM ST", "AUSTIN", " ", " "}));
    EXPECT_EQ(john->childflag, 2);
    const auto kids = stored_row<common::ChildrenRecord>("Children", "SMYTH, JOHN");
    ASSERT_TRUE(kids);
    EXPECT_EQ(kids->child[1], "CY SMITH");
    // The second address was ticked for deletion.
    EXPECT_EQ(count_rows("Address"), 0);
    EXPECT_EQ(john->second_address, "N");
    const auto jane = stored_row<common::AddressRecord>("OVRAData", "JONES, JANE");
    ASSERT_TRUE(jane);
    EXPECT_EQ(QStringList({jane->city, jane->home_phone}),
              QStringList({"SPRINGFIELD", "555-0100"}));
}

TEST_F(RemoveName, TheWindowShowsTheNamesAndItsCloseBoxChangesNothing) {
    store_household(couple("Lee", "Tom", "ANN", "PARK", true, true));
    store_household(couple("Kim", "Bo", "ANN", "PARK", true, false));
    restart_program();
    const QByteArray before = read("ovra.mdb");
    const std::pair<const char*, const char*> names[] = {
        {kSmith, "JANE SMITH-JONES"},
        {"LEE, TOM & ANN LEE-PARK", "ANN LEE-PARK"},
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

    // The set-up's fields never load the window; its load reads them.
    auto& c = change();
    c.keyname = "SMITH, JOHN";
    c.firstname1 = "JOHN";
    c.lastname1 = "SMITH";
    c.childflag = 0;
    c.addressflag = "Y";
    EXPECT_FALSE(c.is_loaded());
    c.ui();
    EXPECT_EQ(c.original_firstname2, "JANE");
    EXPECT_EQ(c.family_lastname, "SMITH");
    click(c.ui().optSplit1);
    EXPECT_FALSE(c.ui().chkChild1->isEnabled());
    EXPECT_FALSE(c.ui().imgCheckboxOn->isHidden());
    c.unload();
}

TEST_F(RemoveName, ATakenKeyIsRefusedAndAClosedVerifierWritesNothing) {
    // Person 2 has person 1's first name: kept as a household of her own under the same key
    // as the household that stays, she is refused.
    store_household(couple("Lee", "Sam", "SAM", "LEE"));
    store_household(household("Park", "Sam"));
    restart_program();
    const QByteArray before = read("ovra.mdb");
    alter("LEE, SAM & SAM", [&](Remove& w) {
        click(w.optName2);
        click(w.optSplit2);
        click(w.chkKeep2);
        in_verifier([this](Verify& v) {
            type_address(v);
            const std::pair<const char*, const char*> refused[] = {
                {"LEE", "NAME ALREADY ON DATABASE"},
                {"park", "NAME ALREADY ON DATABASE"},
                {"RAY, JR", "NO COMMA IN A NAME"}};
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
    const auto sam = stored_row<common::AddressRecord>("OVRAData", "RAY, SAM");
    ASSERT_TRUE(sam);
    EXPECT_EQ(sam->city, "AUSTIN");
}

TEST_F(RemoveName, AHouseholdWithoutValuesInItsCodeFieldsCanBeChanged) {
    {
        platform::DataControl data;
        data.set_database_name(path("ovra.mdb"));
        data.set_record_source("OVRAData");
        data.refresh();
        data.add_new();
        data.set_field("keyname", "OAK, AL");
        data.set_field("first name 2", "BEA");
        data.set_field("last name 2", "OAK");
        data.set_field("address 1", "2 OAK LN");
        data.set_field("city", "TULSA");
        data.set_field("state", "OK");
        data.set_field("zip", "74103");
        // Its marker promises children whose row is missing.
        data.set_field("childflag", 1);
        data.update();
    }
    restart_program();
    alter("OAK, AL & BEA AND FAMILY", [this](Remove& w) {
        click(w.optName2);
        click(w.optSplit2);
        click(w.chkKeep2);
        EXPECT_FALSE(w.chkChild2->isEnabled());  // the marker alone makes no child
        accept_names(1);
        enter(w);
    });
    const auto al = stored_row<common::AddressRecord>("OVRAData", "OAK, AL");
    const auto bea = stored_row<common::AddressRecord>("OVRAData", "OAK, BEA");
    ASSERT_TRUE(al && bea);
    EXPECT_EQ(QStringList({*al->option1, al->option2, al->last_name_check, al->category[3],
                           al->second_address}),
              QStringList({"1", "0", "N", "N", "N"}));
    EXPECT_EQ(QStringList({*bea->option1, bea->foreign_check, bea->category[3]}),
              QStringList({"1", "N", "N"}));
    // A missing children row counts as none.
    EXPECT_EQ(al->childflag, 0);
    EXPECT_EQ(bea->childflag, 0);
    EXPECT_EQ(count_rows("Children"), 1);  // the Smiths'
}

TEST_F(RemoveName, ChildrenUnderAZeroFlagFollowTheHouseholdAndAreCounted) {
    store_household(couple("Lee", "Tom", "ANN", "LEE"));
    store_children({"LEE, TOM", {"", "", "KIT", "", "", "", ""}});
    restart_program();
    alter("LEE, TOM & ANN", [this](Remove& w) {
        accept_names(1);  // death of Tom
        enter(w);
    });
    EXPECT_FALSE(stored_row<common::ChildrenRecord>("Children", "LEE, TOM"));
    const auto kids = stored_row<common::ChildrenRecord>("Children", "LEE, ANN");
    ASSERT_TRUE(kids);
    EXPECT_EQ(kids->child, (std::array<QString, 7>{"", "KIT", "", "", "", "", ""}));
    EXPECT_EQ(stored_row<common::AddressRecord>("OVRAData", "LEE, ANN")->childflag, 1);
}

TEST_F(RemoveName, ARowTheDatabaseRefusesRollsTheWholeChangeBack) {
    // A children row that nobody's household holds stands under Jane's key.
    common::ChildrenRecord stray;
    stray.keyname = "JONES, JANE";
    store_children(stray);
    const QByteArray before = read("ovra.mdb");
    const QByteArray settings = read("storefile.ovr");
    msgs.expect(
        "The change could not be saved; nothing was changed.\nThe changes you requested to the "
        "table were not successful because they would create duplicate values in the index.",
        platform::vbOK, platform::vbExclamation, "Change Failed");
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
