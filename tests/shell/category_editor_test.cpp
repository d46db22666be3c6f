#include <QAccessible>
#include <QAction>

#include "common/settings.h"
#include "editor/frmAddressRecord.h"
#include "exchange/frmExport.h"
#include "fixture.h"
#include "platform/controls.h"
#include "printing/frmprint.h"
#include "shell/FrmHeadingCreate.h"
#include "shell/frmOVRA.h"
#include "shell/modCategory_setup.h"

using platform::back_color;
using platform::form;

namespace {

class CategoryEditor : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord r;
        r.heading[1] = "FAMILY";
        r.catcount[1] = 4;
        r.heading[2] = "WORK";
        r.catcount[2] = 0;
        r.heading[3] = "CLUB";
        r.catcount[3] = 2;
        r.ReturnLabel[1] = "THE SMITHS";
        r.Trackfile = 0;
        common::write_storefile(path("storefile.ovr"), r);
        // The households behind the counts: four in FAMILY, two in CLUB.
        for (int i = 0; i < 4; ++i) {
            auto h = household("SMITH", QStringLiteral("A%1").arg(i));
            h.category[1] = "Y";
            h.category[3] = i < 2 ? "Y" : "N";
            store_household(h);
        }
        start_program();
        stored = read("storefile.ovr");
    }
    // Opens the editor from the menu and acts in it.
    void edit(std::function<void(FrmHeadingCreate_ui::Controls&)> act) {
        modals.on("FrmHeadingCreate",
                  [act](platform::Window& w) { act(static_cast<FrmHeadingCreate&>(w).ui()); });
        form<frmOVRA>().ui().MnuEditCat->trigger();
    }
    frmOVRA_ui::Controls& main() { return form<frmOVRA>().ui(); }
    QByteArray stored;
};

TEST_F(CategoryEditor, RenamingAndUpperCasingSavesAndRedrawsWithCountsKept) {
    edit([this](auto& c) {
        type(c.Text[1], "relatives");
        type(c.Text[5], "neighbours1");  // ten characters at most
        EXPECT_EQ(c.Text[5]->text(), "neighbours");
        type(c.Text[2], "");   // count 0: may be emptied
        type(c.Text[6], " ");  // one blank is a name here, unlike on the panel
        click(c.Command1);
    });
    auto& m = form<frmOVRA>();
    EXPECT_FALSE(form<FrmHeadingCreate>().is_loaded());
    EXPECT_EQ(m.heading[1], "RELATIVES");
    EXPECT_EQ(m.heading[5], "NEIGHBOURS");
    EXPECT_EQ(main().Label[1]->text(), "RELATIVES");
    EXPECT_EQ(main().lblcatcount[1]->text(), "4");
    EXPECT_EQ(main().lblcatcount[5]->text(), "0");
    EXPECT_FALSE(main().cmdButton[5]->isHidden());
    EXPECT_TRUE(main().cmdButton[2]->isHidden());
    EXPECT_EQ(main().lblcatcount[2]->text(), "");
    EXPECT_EQ(m.heading[6], " ");
    EXPECT_FALSE(main().cmdButton[6]->isHidden());
    EXPECT_EQ(main().lblcatcount[6]->text(), "0");
    EXPECT_EQ(read("storefile.ovr"),
              "\"RELATIVES\",4,\"\",0,\"CLUB\",2,\"\",0,\"NEIGHBOURS\",0,\" \",0,\"\",0,\"\",0,"
              "\"\",0,\"\",0,\"\",0,\"\",0,\"THE SMITHS\",\"\",\"\",0\r\n");
    // The store is read afresh after a save.
    EXPECT_EQ(category_name(5), "NEIGHBOURS");
}

// A name typed with "&" shows with it on every window's category boxes, as a screen reader
// reads them (an & taken as an accelerator would be gone, the next letter underlined).
TEST_F(CategoryEditor, ANameWithAnAmpersandShowsAsTypedOnEveryCategoryBox) {
    edit([this](auto& c) {
        type(c.Text[2], "work & fun");
        click(c.Command1);
    });
    EXPECT_EQ(main().Label[2]->text(), "WORK & FUN");
    const auto shown = [](QAbstractButton* b) {
        return QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name);
    };
    QStringList seen;
    modals.on("frmprint", [&](platform::Window& w) {
        seen << shown(static_cast<frmprint&>(w).ui().Check[2]);
        w.close_box();
    });
    click(main().Comprintrec);
    modals.on("frmAddressRecord", [&](platform::Window& w) {
        seen << shown(static_cast<frmAddressRecord&>(w).ui().Chkcat[2]);
        w.close_box();
    });
    click(main().comnewrecord);
    modals.on("frmExport", [&](platform::Window& w) {
        seen << shown(static_cast<frmExport&>(w).ui().Check[2]);
        w.close_box();
    });
    main().mnuExport->trigger();
    EXPECT_EQ(seen, QStringList(3, "WORK & FUN"));
}

TEST_F(CategoryEditor, EmptyingCategoriesInUseIsRefusedAndNothingIsWritten) {
    edit([](auto& c) {
        EXPECT_EQ(c.Text[1]->text(), "FAMILY");
        EXPECT_EQ(c.Text[3]->text(), "CLUB");
        EXPECT_EQ(c.Text[4]->text(), "");
        c.Text[1]->setText("");
        c.Text[3]->setText("");
        c.Text[4]->setText("new");
        c.Command1->click();
        EXPECT_EQ(c.Label1->text(), "CATEGORY IN USE");
        EXPECT_EQ(back_color(c.Text[1]), 0xFFu);
        EXPECT_EQ(back_color(c.Text[3]), 0xFFu);
        EXPECT_EQ(back_color(c.Text[4]), 0xFFFFFFu);
        EXPECT_EQ(c.Text[1]->text(), "FAMILY");
        EXPECT_EQ(c.Text[4]->text(), "new");  // other edits stay, not yet upper-cased
        c.cmdCancel->click();
    });
    EXPECT_EQ(read("storefile.ovr"), stored);
    EXPECT_EQ(form<frmOVRA>().heading[4], "");
    EXPECT_EQ(category_name(4), "");
}

TEST_F(CategoryEditor, AllNamesEmptyIsRefusedWithAMessageAndCloses) {
    // No category has households, so every name may be emptied.
    form<frmOVRA>().catcount[1] = 0;
    form<frmOVRA>().catcount[3] = 0;
    msgs.expect("You must choose at least one category!", platform::vbOK, 48, "No Categories");
    edit([](auto& c) {
        c.Text[1]->setText("");
        c.Text[2]->setText("");
        c.Text[3]->setText("");
        c.Command1->click();
    });
    EXPECT_FALSE(form<FrmHeadingCreate>().is_loaded());
    EXPECT_EQ(read("storefile.ovr"), stored);
    EXPECT_EQ(form<frmOVRA>().heading[1], "FAMILY");
}

// The panel drawn from the window's variables: a row named " " is unnamed there.
TEST_F(CategoryEditor, PanelRowsShowButtonEqualsAndCountOnlyForNamedCategories) {
    auto& m = form<frmOVRA>();
    m.heading[2] = " ";
    m.catcount[2] = 9;
    m.heading[3] = "WORK";
    m.catcount[3] = 0;
    modCategory_setup::set_up_categories();
    auto& c = main();
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

// The record form disables the main window while it is open; enabling it again must not bring
// the tracking reports' menu back on. (Start-up and the reports' tests check the menus follow the
// counts.)
TEST_F(CategoryEditor, EnablingTheMainWindowAgainLeavesTheTrackingMenuOff) {
    ASSERT_FALSE(main().mnuTrackingReports->isEnabled());  // no report in the folder
    form<frmOVRA>().set_enabled(false);
    form<frmOVRA>().set_enabled(true);
    EXPECT_FALSE(main().mnuTrackingReports->isEnabled());
}

}  // namespace
