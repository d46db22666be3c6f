#include "editor/Frmaddress2.h"
#include "editor/Frmchildren.h"
#include "lookup_fixture.h"
#include "platform/controls.h"

using platform::back_color;
using platform::form;
using platform::locked;
namespace color = platform::color;

namespace {

class Layouts : public LookupTest {
protected:
    void SetUp() override {
        LookupTest::SetUp();
        auto one = household("Green", "Bo");
        one.home_email_1 = "bo@example.org";
        one.work_email_2 = " ";
        one.category[2] = "Y";
        one.category[5] = "Y";  // a category without a name
        store_household(one);
        auto two = couple("Brown", "Al", "EVE", "SMITH", true);
        two.option1 = "2";
        two.option2 = "5";
        two.sal2 = "PROF.";
        two.childflag = 2;
        two.home_email_1 = "a@example.org";
        two.home_email_2 = "e@example.org";
        two.work_email_1 = "aw@example.org";
        two.work_email_2 = "ew@example.org";
        store_family(two);
        start_program();
    }
};

// The one-person household after the couple: nothing of person 2 stays in use.
TEST_F(Layouts, EditingATwoAndAOnePersonHousehold) {
    in_picker([] { click(main().ui().Comeditrecord); },
              [this](Picker&) {
                  open_line("BROWN, AL & EVE SMITH-BROWN AND FAMILY", [](Record& r) {
                      EXPECT_EQ(r.txtLastName1->text(), "BROWN");
                      EXPECT_EQ(r.TxtFirstName1->text(), "AL");
                      EXPECT_TRUE(r.Opt1b->isChecked());
                      EXPECT_TRUE(r.Opt2e->isChecked());
                      EXPECT_EQ(r.sal2->text(), "PROF.");
                      EXPECT_TRUE(r.Opt2a->isEnabled());
                      EXPECT_TRUE(r.sal2->isEnabled());
                      EXPECT_TRUE(r.txtlastname2->isEnabled());
                      EXPECT_EQ(back_color(r.txtlastname2), color::kWhite);
                      EXPECT_EQ(platform::value(r.ChkHyphen), 1);
                      EXPECT_TRUE(r.Chkreverse->isEnabled());
                      EXPECT_EQ(platform::value(r.Chkreverse), 0);
                      EXPECT_EQ(r.Cmdchildren->text(), "EDIT CHILDREN");
                      EXPECT_EQ(record().chkchildren, 2);
                      EXPECT_EQ(form<Frmchildren>().ui().Txtchild[2]->text(), "DI");
                      EXPECT_EQ(r.Lblsecondaddress->text(), "Y");
                      EXPECT_EQ(record().save_address2_flag, "Y");
                      // Person 1 "None": the second title group is out of use.
                      r.Opt1a->setChecked(true);
                      EXPECT_FALSE(r.Opt2a->isEnabled());
                  });
                  open_line("GREEN, BO", [](Record& r) {
                      EXPECT_EQ(record().caption(), "Edit Existing Record");
                      EXPECT_FALSE(r.TxtFirstName1->isEnabled());
                      EXPECT_FALSE(r.txtLastName1->isEnabled());
                      EXPECT_TRUE(r.TxtFirstName2->isEnabled());
                      EXPECT_EQ(back_color(r.TxtFirstName2), color::kWhite);
                      EXPECT_FALSE(r.txtlastname2->isEnabled());
                      EXPECT_EQ(back_color(r.txtlastname2), color::kMenu);
                      EXPECT_FALSE(r.ChkHyphen->isEnabled());
                      EXPECT_FALSE(r.Opt2a->isEnabled());
                      EXPECT_FALSE(r.sal2->isEnabled());
                      EXPECT_TRUE(r.Opt1a->isChecked());
                      EXPECT_EQ(r.Comsave->text(), "EDIT");
                      EXPECT_FALSE(r.Cmdmain->isHidden());
                      EXPECT_EQ(r.Cmdchildren->text(), "ADD CHILDREN");
                      EXPECT_FALSE(r.Cmdchildren->isHidden());
                      EXPECT_FALSE(r.Cmdaddress2->isHidden());
                      EXPECT_TRUE(platform::value(r.Chkcat[2]) == 1 && !r.Chkcat[2]->isHidden());
                      EXPECT_EQ(r.Chkcat[2]->text(), "WORK");
                      EXPECT_EQ(platform::value(r.Chkcat[5]), 1);
                      EXPECT_TRUE(r.Chkcat[5]->isHidden());
                      EXPECT_TRUE(r.cmdHEmail1->isHidden());
                  });
              });
}

TEST_F(Layouts, DeletingAndBrowsingLockTheBoxesAndDisableTheRest) {
    for (bool deleting : {true, false}) {
        auto check = [deleting](Record& r) {
            EXPECT_EQ(record().caption(),
                      deleting ? "Delete Existing Record" : "Browse Existing Record");
            for (QLineEdit* b : {r.TxtFirstName1, r.txtLastName1, r.TxtFirstName2, r.txtlastname2,
                                 r.txtZip, r.TxtFaxPhone, r.TxtHomeEmail2}) {
                EXPECT_TRUE(locked(b)) << b->objectName().toStdString();
            }
            EXPECT_TRUE(r.TxtFirstName2->isEnabled());  // locked, not disabled
            for (QWidget* w :
                 std::initializer_list<QWidget*>{r.ChkHyphen, r.Chkreverse, r.chkForeign,
                                                 r.ChkFamilyLabel, r.Opt1b, r.sal2, r.Chkcat[2]})
                EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
            EXPECT_EQ(platform::value(r.ChkHyphen), 1);
            EXPECT_EQ(r.Cmdchildren->text(), "VIEW CHILDREN");
            auto& kids = form<Frmchildren>().ui();
            EXPECT_TRUE(locked(kids.Txtchild[1]));
            auto& second = form<Frmaddress2>().ui();
            EXPECT_TRUE(locked(second.txtaddress1));
            EXPECT_TRUE(second.chkForeign->isHidden());
            EXPECT_TRUE(second.Cmdtoggleaddress->isHidden());
            if (deleting) {
                EXPECT_EQ(r.Comsave->text(), "DELETE");
                for (QPushButton* b : {r.cmdHEmail1, r.cmdHEmail2, r.cmdWEmail1, r.cmdWEmail2})
                    EXPECT_TRUE(b->isHidden());
            } else {
                EXPECT_TRUE(r.Comsave->isHidden());
                EXPECT_EQ(r.Comsave->text(), "");
                for (QPushButton* b : {r.cmdHEmail1, r.cmdHEmail2, r.cmdWEmail1, r.cmdWEmail2})
                    EXPECT_FALSE(b->isHidden());
            }
        };
        if (deleting) {
            remove("BROWN, AL & EVE SMITH-BROWN AND FAMILY", check);
        } else {
            browse("BROWN, AL & EVE SMITH-BROWN AND FAMILY", check);
        }
        // Leaving the form unlocks every box for the next household.
        EXPECT_FALSE(locked(form<Frmchildren>().ui().Txtchild[1]));
    }
}

TEST_F(Layouts, BrowsingShowsOnlyTheUsefulButtonsAndMainMenuClosesFormAndPicker) {
    browse("GREEN, BO", [this](Record& r) {
        EXPECT_FALSE(r.cmdHEmail1->isHidden());
        EXPECT_TRUE(r.cmdWEmail2->isHidden());  // a single blank is no address
        EXPECT_TRUE(r.cmdHEmail2->isHidden());
        EXPECT_TRUE(r.Cmdaddress2->isHidden());
        EXPECT_TRUE(r.Cmdchildren->isHidden());
        click(r.Cmdmain);
    });
    EXPECT_FALSE(record().is_loaded());
    EXPECT_FALSE(picker().is_loaded());
    EXPECT_TRUE(main().enabled());
}

}  // namespace
