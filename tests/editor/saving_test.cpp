#include <QDir>
#include <QFile>
#include <QTest>

#include "common/records.h"
#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "editor_fixture.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/errors.h"
#include "platform/files.h"

using platform::back_color;
using platform::form;
namespace color = platform::color;

namespace {

class Saving : public RecordFormTest {
protected:
    void fill(Controls& c, const QString& first1, const QString& last1) {
        type(c.TxtFirstName1, first1);
        type(c.txtLastName1, last1);
        type(c.txtaddress1, "12 elm street");
        type(c.txtCity, "springfield");
        type(c.txtState, "il");
        type(c.txtZip, "62701");
    }
    void add_children(Controls& c, QStringList names) {
        children_dialog(c, [names](auto& d) {
            for (int i = 0; i < names.size(); ++i) type(d.Txtchild[i + 1], names[i]);
            click(d.Comsave);
        });
    }
    void add_second_address(Controls& c) {
        second_address_dialog(c, [](auto& d) {
            type(d.txtaddress1, "1 college way");
            type(d.txtCity, "urbana");
            type(d.txtState, "il");
            type(d.txtZip, "61801-1234");
            type(d.txtPhone, " 555-0100 ");
            click(d.Cmdsave);
        });
    }
    frmOVRA& main() { return form<frmOVRA>(); }
};

TEST_F(Saving, ANewHouseholdIsStoredWithItsChildrenSecondAddressAndCounts) {
    new_record([this](Controls& c) {
        fill(c, " ann ", "o'brien ");
        type(c.TxtFirstName2, "bob");
        type(c.txtlastname2, "jones");
        click(c.ChkHyphen);
        click(c.Opt1d);
        click(c.Opt2a);
        type(c.TxtHomeEmail1, " Ann@Example.ORG ");
        click(c.Chkcat[1]);
        click(c.Chkcat[3]);
        click(c.ChkFamilyLabel);
        add_children(c, {"cara", "", "dan"});
        add_second_address(c);
        click(c.Comsave);
    });
    EXPECT_FALSE(record().is_loaded());
    EXPECT_FALSE(form<Frmchildren>().is_loaded());
    EXPECT_FALSE(form<Frmaddress2>().is_loaded());
    EXPECT_TRUE(main().enabled());

    const auto r = household_row("O'BRIEN, ANN");
    EXPECT_EQ(QStringList({r.first_name_2, r.last_name_2, r.last_name_hyphen, r.last_name_reverse,
                           r.option1.value_or("absent"), r.option2, r.home_email_1}),
              QStringList({"BOB", "JONES", "Y", "N", "4", "1", "Ann@Example.ORG"}));
    EXPECT_EQ(QStringList({r.address_1, r.state, QString::number(r.childflag), r.category[1],
                           r.category[2], r.last_name_check, r.second_address}),
              QStringList({"12 ELM STREET", "IL", "2", "Y", "N", "Y", "Y"}));
    const auto kids = children_row("O'BRIEN, ANN");
    EXPECT_EQ(QStringList({kids.child[1], kids.child[2], kids.child[3]}),
              QStringList({"CARA", "DAN", ""}));
    const auto second = address_row("O'BRIEN, ANN");
    EXPECT_EQ(QStringList({second.address1, second.zip, second.phone, second.foreign_check}),
              QStringList({"1 COLLEGE WAY", "61801-1234", "555-0100", "N"}));

    EXPECT_EQ(main().catcount[1], 1);
    EXPECT_EQ(main().catcount[3], 1);
    EXPECT_EQ(main().ui().lblcatcount[1]->text(), "1");
    EXPECT_EQ(main().ui().lblrecnum->text(), "1");
    EXPECT_TRUE(main().ui().MnuRecordEdit->isEnabled());
    EXPECT_FALSE(main().ui().mnuTrackingReports->isEnabled());  // no report exists
    EXPECT_EQ(read("storefile.ovr"),
              "\"FAMILY\",1,\"\",0,\"FRIENDS\",1,\"\",0,\"\",0,\"\",0,\"\",0,\"\",0,"
              "\"\",0,\"\",0,\"\",0,\"\",0,\"\",\"\",\"\",0\r\n");

    // The next household inherits no second address; a person 2 typed and taken out again
    // leaves nothing.
    new_record([this](Controls& c) {
        fill(c, "ann", "lee");
        type(c.TxtFirstName2, "x");
        click(c.Opt1b);
        click(c.Opt2b);
        QTest::keyClick(c.TxtFirstName2, Qt::Key_Backspace);
        click(c.Comsave);
    });
    const auto lee = household_row("LEE, ANN");
    EXPECT_EQ(
        QStringList({lee.first_name_2, lee.last_name_2, lee.option2, lee.last_name_hyphen,
                     lee.last_name_reverse, QString::number(lee.childflag), lee.second_address}),
        QStringList({"", "", "0", "N", "N", "0", "N"}));
    EXPECT_EQ(count_rows("Children"), 1);
    EXPECT_EQ(count_rows("Address"), 1);

    EXPECT_EQ(main().ui().lblrecnum->text(), "2");
}

// Each name and title box takes only what its field holds; last name 1 takes 15 characters, so
// the key stays within its 27.
TEST_F(Saving, NameBoxesTakeNoMoreThanTheirLimits) {
    const QString typed = "abcdefghijklmnopqrstuvwxyz";
    new_record([&](Controls& c) {
        fill(c, typed, typed);
        type(c.TxtFirstName2, typed);
        type(c.txtlastname2, typed);
        click(c.Opt1f);
        type(c.sal1, typed);
        click(c.Opt2e);
        type(c.sal2, typed);
        click(c.Comsave);
    });
    const QString key = "ABCDEFGHIJKLMNO, ABCDEFGHIJ";
    ASSERT_EQ(key.size(), 27);
    const auto h = household_row(key);
    EXPECT_EQ(QStringList({h.first_name_2, h.last_name_2, h.sal1, h.sal2}),
              QStringList({"ABCDEFGHIJ", "ABCDEFGHIJKLMNO", "ABCDEFGH", "ABCDEFGH"}));
}

TEST_F(Saving, ADuplicateIsRefusedAndThenCancelledOrCorrected) {
    store_household(household("Smith", "John"));
    const QByteArray settings = read("storefile.ovr");
    new_record([this](Controls& c) {
        fill(c, "john", "smith");
        click(c.Chkcat[1]);
        add_children(c, {"amy"});
        click(c.Comsave);
        EXPECT_TRUE(record().is_shown());
        EXPECT_EQ(c.lblWarning->text(), "RECORD ALREADY EXISTS");
        EXPECT_EQ(back_color(c.TxtFirstName1), color::kLightRed);
        EXPECT_EQ(back_color(c.txtLastName1), color::kLightRed);
        EXPECT_EQ(record().addnew_pending, "yes");
        // A second try that fails validation, then cancel.
        type(c.txtZip, "1");
        click(c.Comsave);
        EXPECT_EQ(c.lblWarning->text(), "RED FIELDS REQUIRED");
        click(c.Comcancel);
    });
    EXPECT_EQ(count_rows("OVRAData"), 1);
    EXPECT_EQ(count_rows("Children"), 0);
    EXPECT_EQ(main().catcount[1], 0);
    EXPECT_EQ(read("storefile.ovr"), settings);
    EXPECT_EQ(record().addnew_pending, "no");
    EXPECT_TRUE(main().enabled());

    // Corrected, exactly one household is stored and counted once.
    new_record([this](Controls& c) {
        fill(c, "john", "smith");
        click(c.Chkcat[1]);
        click(c.Chkcat[3]);
        click(c.Comsave);
        ASSERT_TRUE(record().is_shown());
        type(c.TxtFirstName1, "joan");
        click(c.Comsave);
    });
    EXPECT_EQ(count_rows("OVRAData"), 2);
    EXPECT_EQ(household_row("SMITH, JOAN").city, "SPRINGFIELD");
    EXPECT_EQ(main().catcount[1], 1);
    EXPECT_EQ(main().catcount[3], 1);
}

TEST_F(Saving, AFailedWriteStoresNothingAndSaysWhy) {
    const std::pair<const char*, const char*> failures[] = {
        // Without a Children table the children row cannot be written.
        {"DROP TABLE Children", "The database engine cannot find the input table 'Children'."},
        // A refused row that is no duplicate is not reported as one.
        {"CREATE TRIGGER full BEFORE INSERT ON OVRAData BEGIN SELECT RAISE(ABORT, 'disk full'); "
         "END",
         "Cannot write the row: disk full"}};
    for (const auto& [sql, why] : failures) {
        SCOPED_TRACE(sql);
        exec_sql(sql);
        msgs.expect(QString("The household could not be saved; nothing was changed.\n") + why,
                    platform::vbOK, platform::vbExclamation, "Save Failed");
        new_record([this](Controls& c) {
            fill(c, "ann", "lee");
            click(c.Chkcat[1]);
            add_children(c, {"amy"});
            click(c.Comsave);
            EXPECT_TRUE(record().is_shown());
            EXPECT_NE(c.lblWarning->text(), "RECORD ALREADY EXISTS");
            EXPECT_NE(back_color(c.txtLastName1), color::kLightRed);
        });
        EXPECT_EQ(count_rows("OVRAData"), 0);
        EXPECT_EQ(main().catcount[1], 0);
        EXPECT_FALSE(exists("storefile.ovr") && read("storefile.ovr").contains("\",1,"));
    }
}

// The next start heals the counts from the households (the start-up's own test).
TEST_F(Saving, ASettingsFileThatCannotBeWrittenIsReportedAndTheHouseholdStored) {
    ASSERT_TRUE(QFile::remove(path("storefile.ovr")));
    ASSERT_TRUE(QDir(dir_.path()).mkdir("storefile.ovr"));
    QString why;
    try {
        common::write_storefile(path("storefile.ovr"), {});
    } catch (const platform::VbError& e) {
        why = e.description();
    }
    ASSERT_FALSE(why.isEmpty());
    msgs.expect("The settings file could not be saved.\n" + why, platform::vbOK,
                platform::vbExclamation, "File Error");
    new_record([this](Controls& c) {
        fill(c, "ann", "lee");
        click(c.Chkcat[1]);
        click(c.Comsave);
    });
    EXPECT_EQ(count_rows("OVRAData"), 1);
    EXPECT_EQ(main().catcount[1], 1);
}

using SecondAddressDialog = Saving;

TEST_F(SecondAddressDialog, BypassLeavesNothingAndASavedAddressSurvivesALaterLook) {
    new_record([this](Controls& c) {
        fill(c, "ann", "lee");
        second_address_dialog(c, [this](auto& d) {
            EXPECT_FALSE(d.Cmdsave->isHidden());
            EXPECT_FALSE(d.Cmdbypass->isHidden());
            EXPECT_TRUE(d.cmdCancel->isHidden());
            EXPECT_TRUE(d.Cmddelete->isHidden());
            EXPECT_TRUE(d.Cmdtoggleaddress->isHidden());
            type(d.txtaddress1, "somewhere");
            click(d.Cmdbypass);
        });
        EXPECT_FALSE(form<Frmaddress2>().is_loaded());
        EXPECT_EQ(record().save_address2_flag, "N");
        EXPECT_EQ(c.Lblsecondaddress->text(), "N");
        EXPECT_FALSE(record().save_second_Address);
        add_second_address(c);
        second_address_dialog(c, [this](auto& d) {
            EXPECT_EQ(d.txtaddress1->text(), "1 COLLEGE WAY");
            type(d.txtCity, "changed my mind");
            click(d.Cmdbypass);
        });
        click(c.Comsave);
    });
    EXPECT_EQ(address_row("LEE, ANN").city, "URBANA");
    EXPECT_EQ(household_row("LEE, ANN").second_address, "Y");
}

// The ZIP rule is the record form's (see Validation.ZipAndState); here only its use.
TEST_F(SecondAddressDialog, SaveChecksItsFieldsLikeTheRecordForm) {
    new_record([this](Controls& c) {
        second_address_dialog(c, [this](auto& d) {
            struct Case {
                const char* address1;
                const char* zip;
                bool foreign;
                const char* state;
                bool ok;
            };
            const Case cases[] = {
                {"1 A ST", "62701", false, "IL", true}, {"1 A ST", "6270", false, "IL", false},
                {" ", "62701", false, "IL", false},     {"  ", "62701", false, "IL", true},
                {"1 A ST", "", true, "", true},         {"1 A ST", "free form", true, "", true},
            };
            for (const Case& k : cases) {
                d.txtaddress1->setText(k.address1);
                d.txtCity->setText("X");
                d.txtState->setText(k.state);
                d.txtZip->setText(k.zip);
                platform::set_value(d.chkForeign, k.foreign ? 1 : 0);
                d.lblWarning->clear();
                d.Cmdsave->click();
                const bool shown = form<Frmaddress2>().is_shown();
                EXPECT_EQ(!shown, k.ok) << k.address1 << "|" << k.zip;
                if (!k.ok) {
                    EXPECT_EQ(d.lblWarning->text(), "RED FIELDS REQUIRED");
                    EXPECT_EQ(record().save_address2_flag, "N");
                }
                if (k.address1 == std::string("  ")) {
                    EXPECT_EQ(d.txtaddress1->text(), "");  // stored empty
                }
                if (!shown) form<Frmaddress2>().show();
            }
            click(d.Cmdbypass);
        });
    });
}

TEST_F(SecondAddressDialog, ToggleSwapsWithTheMainAddressAndCancelSwapsBack) {
    new_record([this](Controls& c) {
        fill(c, "ann", "lee");
        type(c.TxtHomePhone, "111");
        second_address_dialog(c, [this, &c](auto& d) {
            auto& w = form<Frmaddress2>();
            d.Cmdtoggleaddress->show();  // offered for households on file; the swap is the same
            type(d.txtaddress1, "9 dorm rd");
            type(d.txtPhone, "222");
            click(d.Cmdtoggleaddress);
            EXPECT_EQ(w.toggle_switch, "Y");
            EXPECT_EQ(c.txtaddress1->text(), "9 dorm rd");
            EXPECT_EQ(c.TxtHomePhone->text(), "222");
            EXPECT_EQ(d.txtaddress1->text(), "12 elm street");
            click(d.Cmdtoggleaddress);
            EXPECT_EQ(c.txtaddress1->text(), "12 elm street");
            click(d.Cmdtoggleaddress);
            click(d.Cmdbypass);
            EXPECT_EQ(w.toggle_switch, "N");
        });
        EXPECT_EQ(c.txtaddress1->text(), "12 elm street");
        EXPECT_EQ(c.TxtHomePhone->text(), "111");

        // Toggle, save the dialog, save the household: the addresses have changed places.
        second_address_dialog(c, [this](auto& d) {
            type(d.txtaddress1, "9 dorm rd");
            type(d.txtCity, "urbana");
            type(d.txtState, "il");
            type(d.txtZip, "61801");
            d.Cmdtoggleaddress->click();
            click(d.Cmdsave);
        });
        click(c.Comsave);
    });
    const auto r = household_row("LEE, ANN");
    EXPECT_EQ(r.address_1, "9 DORM RD");
    EXPECT_EQ(r.city, "URBANA");
    const auto second = address_row("LEE, ANN");
    EXPECT_EQ(second.address1, "12 ELM STREET");
    EXPECT_EQ(second.phone, "111");
}

}  // namespace
