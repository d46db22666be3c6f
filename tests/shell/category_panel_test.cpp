#include "fixture.h"
#include "platform/controls.h"
#include "shell/frmOVRA.h"
#include "shell/modCategory_setup.h"

using platform::form;

namespace {

class CategoryPanel : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        start_program();
    }
    frmOVRA& m() { return form<frmOVRA>(); }
};

TEST_F(CategoryPanel, NamedRowsShowButtonEqualsAndCountOthersOnlyTheName) {
    m().heading[1] = "FAMILY";
    m().catcount[1] = 4;
    m().heading[2] = " ";
    m().catcount[2] = 9;
    m().heading[3] = "WORK";
    m().catcount[3] = 0;
    modCategory_setup::set_up_categories();
    auto& c = m().ui();
    EXPECT_EQ(c.Label[1]->text(), "FAMILY");
    EXPECT_EQ(c.lblcatcount[1]->text(), "4");
    EXPECT_FALSE(c.cmdButton[1]->isHidden());
    EXPECT_FALSE(c.Label_equals[1]->isHidden());

    EXPECT_EQ(c.Label[2]->text(), " ");
    EXPECT_EQ(c.lblcatcount[2]->text(), "");
    EXPECT_TRUE(c.cmdButton[2]->isHidden());
    EXPECT_TRUE(c.Label_equals[2]->isHidden());

    EXPECT_EQ(c.lblcatcount[3]->text(), "0");
    EXPECT_FALSE(c.cmdButton[3]->isHidden());
    EXPECT_TRUE(c.cmdButton[12]->isHidden());
}

TEST_F(CategoryPanel, MenusFollowTheTrackingCountAndTheRecordCount) {
    auto& c = m().ui();
    m().Trackfile = 1;
    m().show_record_count(3);
    modCategory_setup::set_up_categories();
    EXPECT_TRUE(c.mnuTrackingReports->isEnabled());
    EXPECT_TRUE(c.MnuRecordEdit->isEnabled());
    EXPECT_TRUE(c.MnuMoveChildren->isEnabled());

    m().Trackfile = 0;
    m().show_record_count(0);
    modCategory_setup::set_up_categories();
    EXPECT_FALSE(c.mnuTrackingReports->isEnabled());
    EXPECT_FALSE(c.MnuDeleteRecord->isEnabled());
    EXPECT_FALSE(c.mnuMove1To2->isEnabled());
    EXPECT_TRUE(c.MnuRecordNew->isEnabled());
    // The record form disables the window while it is open; enabling it again must not bring
    // the tracking item back on.
    m().set_enabled(false);
    m().set_enabled(true);
    EXPECT_FALSE(c.mnuTrackingReports->isEnabled());
}

}  // namespace
