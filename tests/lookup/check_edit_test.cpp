#include "changes/frmRemoveName.h"
#include "lookup/frmCheckEdit.h"
#include "lookup_fixture.h"
#include "platform/controls.h"

using platform::form;

namespace {

class CheckEdit : public LookupTest {
protected:
    void SetUp() override {
        LookupTest::SetUp();
        auto changed = household("Brown", "Eve");
        changed.city = "OLD TOWN";
        store_household(changed);
        auto created = household("Brown", "Al");
        created.city = "NEW TOWN";
        store_household(created);
        start_program();
    }
    void show_dialog(std::function<void(frmCheckEdit_ui::Controls&)> act) {
        modals.on("frmCheckEdit",
                  [act](platform::Window& w) { act(static_cast<frmCheckEdit&>(w).ui()); });
        form<frmCheckEdit>().set_help_context_id(8020);
        form<frmCheckEdit>().show_modal();
    }
};

TEST_F(CheckEdit, EachButtonOpensItsHouseholdForEditingAgainAndAgain) {
    auto& change = form<frmRemoveName>();
    change.original_keyname = "BROWN, EVE";
    change.original_firstname1 = "EVE";
    change.original_lastname1 = "BROWN";
    change.new_keyname = "BROWN, AL";
    change.new_firstname1 = "AL";
    change.new_lastname1 = "BROWN";
    // A picker left in another mode by the change must not spoil the load.
    picker().ui().ComGetAddress->setText("Retrieve Record To Alter");
    show_dialog([this](auto& c) {
        const std::pair<QPushButton*, const char*> buttons[] = {{c.cmdEdit1, "OLD TOWN"},
                                                                {c.cmdEdit2, "NEW TOWN"}};
        for (auto [button, city] : buttons) {
            modals.on("frmAddressRecord", [this, city](platform::Window& w) {
                auto& r = static_cast<frmAddressRecord&>(w).ui();
                EXPECT_EQ(w.caption(), "Edit Existing Record");
                EXPECT_EQ(r.txtCity->text().toStdString(), city);
                EXPECT_TRUE(r.Cmdmain->isHidden());  // back to this dialog, not the menu
                EXPECT_FALSE(r.Cmdaddress2->isHidden() || r.Cmdchildren->isHidden());
                type(r.txtCity, QString(city) + " 2");
                click(r.Comsave);
            });
            click(button);
        }
        EXPECT_TRUE(form<frmCheckEdit>().is_shown());
        click(c.cmdCancel);
    });
    EXPECT_EQ(picker().ui().ComGetAddress->text(), "Retrieve Record To Edit");
}

}  // namespace
