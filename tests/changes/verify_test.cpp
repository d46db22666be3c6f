#include "changes_fixture.h"
#include "platform/controls.h"

using platform::back_color;
namespace color = platform::color;

namespace {

// The verification dialog as a removal uses it, straight through the four procedures.
class VerifyNames : public ChangesTest {
protected:
    void SetUp() override {
        ChangesTest::SetUp();
        store_household(couple("Brown", "Al", "EVE", "BROWN"));
        store_household(household("Green", "Eve"));
        start_program();
        auto& c = change();
        c.original_keyname = "BROWN, AL";
        c.original_firstname1 = "AL";
        c.original_lastname1 = "BROWN";
        c.original_firstname2 = "EVE";
        c.original_lastname2 = "BROWN";
        c.new_firstname1 = "EVE";
        c.new_lastname1 = "BROWN";
        verifier().call_from_form = "RemoveName";
        verifier().free_keys = {"BROWN, AL"};
    }
};

TEST_F(VerifyNames, TheAddressIsCheckedInOrderAndTheLastFailureIsShown) {
    in_verifier([this](Verify& v) {
        EXPECT_EQ(v.lblfirstname2->text(), "EVE");
        EXPECT_TRUE(v.txtLastName1->isHidden());
        click(v.cmdContinue);
        EXPECT_EQ(v.lblWarning->text(), "ENTER ADDRESS 1");
        for (QLineEdit* b : {v.txtZip, v.txtState, v.txtCity, v.txtaddress1})
            EXPECT_EQ(back_color(b), color::kLightRed) << b->objectName().toStdString();
        EXPECT_EQ(back_color(v.txtaddress2), color::kWindow);
        // Filled in from the last check back, each step shows the check before it.
        const std::pair<QLineEdit*, const char*> order[] = {{v.txtaddress1, "ENTER CITY"},
                                                            {v.txtCity, "ENTER STATE ABBREV"},
                                                            {v.txtState, "ENTER ZIP CODE"}};
        for (const auto& [box, message] : order) {
            type(box, box == v.txtaddress1 ? " 1 oak st " : box == v.txtCity ? "austin" : "tx");
            click(v.cmdContinue);
            EXPECT_EQ(v.lblWarning->text(), message);
        }
        type(v.txtZip, " 73301");
        type(v.txtaddress2, "apt 2");
        type(v.txtlastname2, "green ");
        click(v.cmdContinue);
        EXPECT_EQ(back_color(v.txtZip), color::kLightRed);  // a filled-in zip is not repainted
        // The name of another household is refused.
        EXPECT_EQ(v.lblWarning->text(), "NAME ALREADY ON DATABASE");
        type(v.txtlastname2, "grey");
        click(v.cmdContinue);
    });
    ASSERT_TRUE(change().verify_new_name());
    EXPECT_FALSE(verifier().is_loaded());
    EXPECT_EQ(change().new_keyname, "GREY, EVE");
    const auto& image = change().new_record;
    EXPECT_EQ(image.address_1, "1 OAK ST");
    EXPECT_EQ(image.address_2, "APT 2");
    EXPECT_EQ(image.city, "AUSTIN");
    EXPECT_EQ(image.state, "TX");
    EXPECT_EQ(image.zip, " 73301");  // a filled-in zip is left as typed
    EXPECT_EQ(image.foreign_check, "N");

    // A foreign address needs no zip, but still a state.
    in_verifier([this](Verify& v) {
        type_address(v);
        click(v.chkForeign);
        type(v.txtZip, " ");
        type(v.txtState, "");
        click(v.cmdContinue);
        EXPECT_EQ(v.lblWarning->text(), "ENTER STATE ABBREV");
        EXPECT_EQ(back_color(v.txtZip), color::kWindow);
        type(v.txtState, "on");
        click(v.cmdContinue);
    });
    ASSERT_TRUE(change().verify_new_name());
    EXPECT_EQ(image.zip, "");
    EXPECT_EQ(image.state, "ON");
    EXPECT_EQ(image.foreign_check, "Y");
}

TEST_F(VerifyNames, NamesAreVerifiedWithoutAnAddress) {
    for (const char* flag : {"", "N"}) {
        SCOPED_TRACE(flag);
        change().split_name_flag = flag;
        in_verifier([this](Verify& v) {
            EXPECT_TRUE(v.txtaddress1->isHidden());
            EXPECT_TRUE(v.lblForeign->isHidden());
            EXPECT_EQ(v.lblfirstname1->text(), "EVE");
            type(v.txtLastName1, " smith-jones");  // the hyphen rule is the switch's only
            click(v.cmdContinue);
        });
        ASSERT_TRUE(change().check_name1());
        EXPECT_EQ(change().names_verified, "Y");
        // With "N" the main row's person moves out, otherwise the spouse's.
        const QStringList names = {change().new_keyname, change().new_lastname1,
                                   change().original_keyname, change().original_lastname1};
        EXPECT_EQ(names,
                  *flag ? QStringList({"BROWN, AL", "BROWN", "SMITH-JONES, EVE", "SMITH-JONES"})
                        : QStringList({"SMITH-JONES, EVE", "SMITH-JONES", "BROWN, AL", "BROWN"}));
    }
    // The one who remains after a death.
    in_verifier([this](Verify& v) {
        EXPECT_EQ(v.lblfirstname2->text(), "EVE");
        EXPECT_TRUE(v.txtLastName1->isHidden());
        EXPECT_TRUE(v.txtCity->isHidden());
        type(v.txtlastname2, "");
        click(v.cmdContinue);
        EXPECT_EQ(v.lblWarning->text(), "ENTER LAST NAME");
        type(v.txtlastname2, "white");
        click(v.cmdContinue);
    });
    ASSERT_TRUE(change().verify_remaining_names());
    EXPECT_EQ(change().original_keyname, "WHITE, EVE");
}

}  // namespace
