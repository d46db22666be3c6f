#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <tuple>

#include "common/records.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "lookup_fixture.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/mail.h"

using platform::form;

namespace {

class EditDelete : public LookupTest {
protected:
    // Al and Eve Brown with free titles of their own, children and a second address; Bo Green.
    void SetUp() override {
        LookupTest::SetUp();
        auto h = couple("Brown", "Al", "EVE", "BROWN");
        h.option1 = "6";
        h.sal1 = "REV.";
        h.option2 = "5";
        h.sal2 = "PROF.";
        h.category[1] = h.category[2] = "Y";
        store_family(h);
        auto other = household("Green", "Bo");
        other.category[7] = "Y";
        store_household(other);
        start_program();
        // As they would be after adding the two households.
        main().catcount[1] = main().catcount[2] = main().catcount[7] = 1;
    }
    static constexpr const char* kBrown = "BROWN, AL & EVE AND FAMILY";

    void second_address_dialog(Record& r, std::function<void(Frmaddress2_ui::Controls&)> act) {
        modals.on("Frmaddress2",
                  [act](platform::Window& w) { act(static_cast<Frmaddress2&>(w).ui()); });
        click(r.Cmdaddress2);
    }
};

TEST_F(EditDelete, EditingKeepsFreeTitlesAndMovesOnlyTheChangedCategories) {
    edit(kBrown, [this](Record& r) {
        EXPECT_TRUE(r.Opt1f->isChecked());
        EXPECT_EQ(r.sal1->text(), "REV.");
        click(r.Chkcat[2]);  // untick
        click(r.Chkcat[7]);  // tick
        type(r.txtCity, "decatur");
        click(r.Comsave);
    });
    EXPECT_FALSE(record().is_loaded());
    EXPECT_EQ(main().catcount[1], 1);
    EXPECT_EQ(main().catcount[2], 0);
    EXPECT_EQ(main().catcount[7], 2);
    EXPECT_EQ(main().ui().lblcatcount[7]->text(), "2");
    const auto h = household_row("BROWN, AL");
    EXPECT_EQ(QStringList(
                  {h.city, h.category[2], h.option1.value_or("absent"), h.sal1, h.option2, h.sal2}),
              QStringList({"DECATUR", "N", "6", "REV.", "5", "PROF."}));
    EXPECT_EQ(h.second_address, "Y");  // kept without opening the dialog
    EXPECT_EQ(h.childflag, 2);
    EXPECT_TRUE(stored_row<common::ChildrenRecord>("Children", "BROWN, AL"));
    EXPECT_TRUE(read("storefile.ovr").startsWith("\"FAMILY\",1,\"WORK\",0,\"\",0,"));
    // Saving without a change moves nothing but still writes the settings.
    QFile::remove(path("storefile.ovr"));
    edit(kBrown, [this](Record& r) { click(r.Comsave); });
    EXPECT_EQ(main().catcount[7], 2);
    EXPECT_TRUE(exists("storefile.ovr"));
}

// A free title typed in small letters is stored in capitals for either person, whether the
// household is added or edited.
TEST_F(EditDelete, TypedFreeTitlesAreStoredInCapitals) {
    const auto titles = [](Record& r, const char* title1, const char* title2) {
        click(r.Opt1f);
        type(r.sal1, title1);
        click(r.Opt2e);
        type(r.sal2, title2);
        click(r.Comsave);
    };
    modals.on("frmAddressRecord", [&](platform::Window&) {
        auto& r = record().ui();
        type(r.TxtFirstName1, "cy");
        type(r.txtLastName1, "dale");
        type(r.TxtFirstName2, "di");
        type(r.txtaddress1, "1 elm st");
        type(r.txtCity, "ames");
        type(r.txtState, "ia");
        type(r.txtZip, "50010");
        titles(r, "sr.", "sra.");
    });
    click(main().ui().comnewrecord);
    edit(kBrown, [&](Record& r) { titles(r, "rt. hon.", "dame"); });
    const std::tuple<const char*, const char*, const char*> stored[] = {
        {"DALE, CY", "SR.", "SRA."}, {"BROWN, AL", "RT. HON.", "DAME"}};
    for (const auto& [key, title1, title2] : stored) {
        const auto h = household_row(key);
        EXPECT_EQ(QStringList({h.option1.value_or("absent"), h.sal1, h.option2, h.sal2}),
                  QStringList({"6", title1, "5", title2}))
            << key;
    }
}

TEST_F(EditDelete, ANextHouseholdShowsNothingOfTheOneBefore) {
    auto odd = household("Odd", "One");
    odd.second_address = "Y";  // marked, but its row is missing
    store_household(odd);
    restart_program();
    in_picker([this] { click(main().ui().Comeditrecord); },
              [this](Picker&) {
                  open_line(kBrown, [this](Record& r) {
                      EXPECT_EQ(r.sal1->text(), "REV.");
                      second_address_dialog(r, [this](auto& d) {
                          EXPECT_EQ(d.txtCity->text(), "MADISON");
                          click(d.cmdCancel);  // hidden, not unloaded: its fields stay
                      });
                  });
                  open_line("GREEN, BO", [this](Record& r) {
                      EXPECT_TRUE(r.Opt1a->isChecked());
                      EXPECT_EQ(r.sal1->text(), "");
                      EXPECT_EQ(r.sal2->text(), "");
                      EXPECT_FALSE(r.Opt2e->isChecked());
                      second_address_dialog(r, [this](auto& d) {
                          EXPECT_EQ(d.txtaddress1->text(), "");
                          EXPECT_EQ(d.txtCity->text(), "");
                          click(d.Cmdbypass);
                      });
                      click(r.Comsave);
                  });
                  open_line("ODD, ONE", [this](Record& r) {
                      second_address_dialog(r, [this](auto& d) {
                          EXPECT_EQ(d.txtaddress1->text(), "");
                          EXPECT_TRUE(d.Cmddelete->isHidden());
                          click(d.cmdCancel);
                      });
                  });
              });
    EXPECT_EQ(count_rows("Address"), 1);
    const auto green = household_row("GREEN, BO");
    EXPECT_EQ(QStringList({green.sal1, green.sal2, green.second_address}),
              QStringList({"", "", "N"}));
}

TEST_F(EditDelete, ChildrenAreAddedAndRemovedByEditing) {
    edit("GREEN, BO", [this](Record& r) {
        modals.on("Frmchildren", [this](platform::Window& w) {
            type(static_cast<Frmchildren&>(w).ui().Txtchild[1], "kim");
            click(static_cast<Frmchildren&>(w).ui().Comsave);
        });
        click(r.Cmdchildren);
        click(r.Comsave);
    });
    EXPECT_EQ(children_row("GREEN, BO").child[1], "KIM");
    EXPECT_EQ(household_row("GREEN, BO").childflag, 1);

    edit(kBrown, [this](Record& r) {
        modals.on("Frmchildren", [this](platform::Window& w) {
            auto& d = static_cast<Frmchildren&>(w).ui();
            for (int i = 1; i <= 6; ++i) d.Txtchild[i]->clear();
            click(d.Comsave);
        });
        click(r.Cmdchildren);
        click(r.Comsave);
    });
    EXPECT_FALSE(stored_row<common::ChildrenRecord>("Children", "BROWN, AL"));
    EXPECT_EQ(household_row("BROWN, AL").childflag, 0);
}

TEST_F(EditDelete, DeletingRemovesEveryRowLowersCountsAndClosesThePicker) {
    // A delete that fails keeps every row and says so.
    exec_sql("CREATE TRIGGER keep BEFORE DELETE ON Address BEGIN SELECT RAISE(ABORT, 'kept'); END");
    msgs.expect("The household could not be deleted.\nCannot delete the row: kept", platform::vbOK,
                platform::vbExclamation, "Delete Failed");
    remove(kBrown, [this](Record& r) { click(r.Comsave); });
    EXPECT_TRUE(stored_row<common::AddressRecord>("OVRAData", "BROWN, AL"));
    EXPECT_TRUE(stored_row<common::ChildrenRecord>("Children", "BROWN, AL"));
    EXPECT_TRUE(stored_row<common::SecondAddressRecord>("Address", "BROWN, AL"));
    EXPECT_EQ(main().catcount[1], 1);
    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
    exec_sql("DROP TRIGGER keep");

    remove(kBrown, [this](Record& r) {
        // Looking at the second address first does not keep its row.
        second_address_dialog(r, [this](auto& d) {
            EXPECT_FALSE(d.txtaddress1->isEnabled());
            EXPECT_EQ(d.txtaddress1->text(), "9 LAKE RD");
            EXPECT_TRUE(d.Cmdsave->isHidden());
            click(d.cmdCancel);
        });
        EXPECT_EQ(r.Lblsecondaddress->text(), "Y");
        click(r.Comsave);
    });
    EXPECT_FALSE(picker().is_loaded());
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "BROWN, AL"));
    EXPECT_FALSE(stored_row<common::ChildrenRecord>("Children", "BROWN, AL"));
    EXPECT_FALSE(stored_row<common::SecondAddressRecord>("Address", "BROWN, AL"));
    EXPECT_EQ(main().catcount[1], 0);
    EXPECT_EQ(main().catcount[2], 0);
    EXPECT_EQ(main().ui().lblrecnum->text(), "1");
    EXPECT_TRUE(read("storefile.ovr").startsWith("\"FAMILY\",0,\"WORK\",0,"));

    remove("GREEN, BO", [this](Record& r) { click(r.Comsave); });
    EXPECT_EQ(main().ui().lblrecnum->text(), "0");
    EXPECT_FALSE(main().ui().MnuRecordEdit->isEnabled());
    EXPECT_EQ(main().catcount[7], 0);
}

TEST_F(EditDelete, ARenamedHouseholdKeepsItsChildrenAndSecondAddress) {
    edit(kBrown, [this](Record& r) {
        // Only the household changes rename person 1; here the boxes are opened by hand.
        r.TxtFirstName1->setEnabled(true);
        type(r.TxtFirstName1, "ALAN");
        click(r.Comsave);
    });
    EXPECT_FALSE(stored_row<common::AddressRecord>("OVRAData", "BROWN, AL"));
    EXPECT_TRUE(stored_row<common::AddressRecord>("OVRAData", "BROWN, ALAN"));
    EXPECT_EQ(children_row("BROWN, ALAN").child[1], "CY");
    EXPECT_EQ(address_row("BROWN, ALAN").city, "MADISON");
    EXPECT_EQ(count_rows("Children"), 1);
    EXPECT_EQ(count_rows("Address"), 1);
}

TEST_F(EditDelete, RenamingOntoAnotherHouseholdIsRefusedAndCancelDeletesNothing) {
    edit(kBrown, [this](Record& r) {
        r.txtLastName1->setEnabled(true);
        r.TxtFirstName1->setEnabled(true);
        type(r.txtLastName1, "GREEN");
        type(r.TxtFirstName1, "BO");
        click(r.Chkcat[7]);
        click(r.Comsave);
        EXPECT_EQ(r.lblWarning->text(), "RECORD ALREADY EXISTS");
        click(r.Comcancel);
    });
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(household_row("GREEN, BO").category[7], "Y");
    EXPECT_TRUE(stored_row<common::AddressRecord>("OVRAData", "BROWN, AL"));
    EXPECT_EQ(main().catcount[7], 1);
}

TEST_F(EditDelete, SecondAddressOnFileCanBeCancelledChangedAndDeleted) {
    edit(kBrown, [this](Record& r) {
        // A failing save unmarks the flag; cancel marks it again and keeps the stored address.
        second_address_dialog(r, [this](auto& d) {
            EXPECT_FALSE(d.Cmddelete->isHidden());
            EXPECT_FALSE(d.Cmdtoggleaddress->isHidden());
            type(d.txtZip, "5370");
            click(d.Cmdsave);
            EXPECT_EQ(record().save_address2_flag, "N");
            click(d.cmdCancel);
        });
        EXPECT_EQ(record().save_address2_flag, "Y");
        // Opened again, the dialog shows what it held rather than reloading.
        second_address_dialog(r, [this](auto& d) {
            EXPECT_EQ(d.txtZip->text(), "53703");
            type(d.txtCity, "middleton");
            click(d.Cmdsave);
        });
        second_address_dialog(r, [this](auto& d) {
            EXPECT_EQ(d.txtCity->text(), "MIDDLETON");
            click(d.cmdCancel);
        });
        click(r.Comsave);
    });
    EXPECT_EQ(address_row("BROWN, AL").city, "MIDDLETON");

    // DELETE only marks the row: up to SAVE the disk holds row and flag as they were, so a run
    // that ends there (killed, power cut) or a SAVE that fails loses nothing.
    auto on_disk = [this](const char* city, const char* flag) {
        const auto second = stored_row<common::SecondAddressRecord>("Address", "BROWN, AL");
        EXPECT_EQ(second ? second->city : QString("no row"), city);
        const auto h = stored_row<common::AddressRecord>("OVRAData", "BROWN, AL");
        EXPECT_EQ(h.value_or(common::AddressRecord{}).second_address, flag);
    };
    auto delete_second = [this, &on_disk](Record& r) {
        second_address_dialog(r, [this](auto& d) { click(d.Cmddelete); });
        EXPECT_FALSE(form<Frmaddress2>().is_loaded());
        EXPECT_FALSE(r.Comcancel->isEnabled());
        EXPECT_FALSE(r.Cmdmain->isEnabled());
        on_disk("MIDDLETON", "Y");
    };
    msgs.expect(
        "The household could not be saved; nothing was changed.\nCannot delete the row: kept",
        platform::vbOK, platform::vbExclamation, "Save Failed");
    edit(kBrown, [&](Record& r) {
        delete_second(r);
        exec_sql(
            "CREATE TRIGGER keep BEFORE DELETE ON Address BEGIN SELECT RAISE(ABORT, 'kept'); END");
        click(r.Comsave);
        EXPECT_TRUE(record().is_shown());
        on_disk("MIDDLETON", "Y");
        record().hide();  // the run ends here, without SAVE
    });
    restart_program();
    on_disk("MIDDLETON", "Y");
    exec_sql("DROP TRIGGER keep");
    edit(kBrown, [&](Record& r) {
        delete_second(r);
        click(r.Comsave);
    });
    on_disk("no row", "N");
}

// Nothing the dialog left of one household (a save request, a DELETE) reaches the next.
TEST_F(EditDelete, SecondAddressRequestsEndWithTheirHousehold) {
    store_family(household("White", "Di"));
    restart_program();
    edit(kBrown, [this](Record& r) {
        second_address_dialog(r, [this](auto& d) {
            type(d.txtCity, "middleton");
            click(d.Cmdsave);
        });
        click(r.Comsave);
    });
    edit("GREEN, BO", [this](Record& r) { click(r.Comsave); });
    EXPECT_FALSE(stored_row<common::SecondAddressRecord>("Address", "GREEN, BO"));
    EXPECT_EQ(household_row("GREEN, BO").second_address, "N");

    edit(kBrown, [this](Record& r) {
        second_address_dialog(r, [this](auto& d) { click(d.Cmddelete); });
        click(r.Comsave);
    });
    edit("WHITE, DI AND FAMILY", [this](Record& r) { click(r.Comsave); });
    EXPECT_EQ(count_rows("Address"), 1);
    EXPECT_EQ(address_row("WHITE, DI").city, "MADISON");
    EXPECT_EQ(household_row("WHITE, DI").second_address, "Y");
}

TEST_F(EditDelete, EmailButtonsReportAMissingMailServiceAndTryAgain) {
    form<platform::MailService>().program = path("no-such-sendmail");
    browse(kBrown, [this](Record& r) {
        r.TxtHomeEmail1->setText("al@example.org");
        r.cmdHEmail1->show();
        msgs.expect("Email service not available", platform::vbOK, 48, "Email Error");
        click(r.cmdHEmail1);
        EXPECT_TRUE(record().is_shown());
        EXPECT_TRUE(main().email_service);
        QCoreApplication::processEvents();  // the user's next click comes through the event loop
        msgs.expect("Email service not available", platform::vbOK, 48, "Email Error");
        click(r.cmdHEmail1);
    });
}

}  // namespace
