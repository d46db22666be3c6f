#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>

#include "common/settings.h"
#include "fixture.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "shell/frmOVRA.h"
#include "shell/frmSplash.h"
#include "shell/frmdatabase.h"

using platform::form;

namespace {

class StartUp : public testing_support::OvraTest {
protected:
    frmOVRA_ui::Controls& main() { return form<frmOVRA>().ui(); }
    bool record_items_on() {
        auto& c = main();
        const bool on = c.MnuRecordEdit->isEnabled();
        for (QAction* a : {c.MnuRecordBrowse, c.MnuDeleteRecord, c.mnuMoveRemoveNames, c.mnuMove1To2,
                           c.MnuMoveChildren})
            EXPECT_EQ(a->isEnabled(), on) << a->objectName().toStdString();
        EXPECT_TRUE(c.MnuRecordNew->isEnabled());
        return on;
    }
    void write_settings(const std::array<QString, 13>& names, int count) {
        common::StorefileRecord r;
        r.heading = names;
        for (int i = 1; i <= 12; ++i) r.catcount[i] = count;
        r.ReturnLabel = {QString(), "A", "B", "C"};
        r.Trackfile = 1;
        common::write_storefile(path("storefile.ovr"), r);
    }
};

TEST_F(StartUp, FreshInstallShowsTheMainWindowWithNoHouseholds) {
    start_program();
    EXPECT_FALSE(form<frmSplash>().is_loaded());
    ASSERT_TRUE(form<frmOVRA>().is_shown());
    EXPECT_EQ(form<frmOVRA>().caption(), "OVRA");
    EXPECT_EQ(main().lblrecnum->text(), "0");
    EXPECT_FALSE(record_items_on());
    EXPECT_FALSE(main().mnuTrackingReports->isEnabled());
    // No settings file is made just by starting.
    EXPECT_FALSE(exists("storefile.ovr"));
    EXPECT_FALSE(main().lblTime->text().isEmpty());
    EXPECT_FALSE(main().lblDate->text().isEmpty());
}

TEST_F(StartUp, MissingDatabaseCountsZeroAndIsNotCreated) {
    ASSERT_TRUE(QFile::remove(path("ovra.mdb")));
    start_program();
    EXPECT_EQ(main().lblrecnum->text(), "0");
    EXPECT_FALSE(record_items_on());
    EXPECT_FALSE(exists("ovra.mdb"));
    // Every later use of the cursor fails cleanly.
    EXPECT_THROW(Data1().record_count(), platform::VbError);
    EXPECT_FALSE(exists("ovra.mdb"));
}

TEST_F(StartUp, WithoutSettingsFileTheRealCountIsShown) {
    store_household(household("O'Brien", "Ann"));
    store_household(household("Smith", "John"));
    start_program();
    EXPECT_EQ(main().lblrecnum->text(), "2");
    EXPECT_TRUE(record_items_on());
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(form<frmOVRA>().heading[n], "");
        EXPECT_EQ(form<frmOVRA>().catcount[n], 0);
    }
}

TEST_F(StartUp, SettingsAreCopiedIntoTheMainWindow) {
    std::array<QString, 13> names{};
    names[1] = "FAMILY";
    names[4] = "WORK";
    write_settings(names, 5);
    store_household(household("Smith", "John"));
    start_program();
    auto& m = form<frmOVRA>();
    EXPECT_EQ(m.heading[1], "FAMILY");
    EXPECT_EQ(m.catcount[4], 5);
    EXPECT_EQ(m.ReturnLabel[3], "C");
    EXPECT_EQ(m.Trackfile, 1);
    EXPECT_TRUE(main().mnuTrackingReports->isEnabled());
    EXPECT_EQ(main().lblrecnum->text(), "1");
}

TEST_F(StartUp, AllNamesEmptyResetsTheCountsButOneBlankIsAName) {
    write_settings({}, 7);
    start_program();
    for (int n = 1; n <= 12; ++n) EXPECT_EQ(form<frmOVRA>().catcount[n], 0);

    std::array<QString, 13> names{};
    names[1] = " ";
    write_settings(names, 7);
    restart_program();
    EXPECT_EQ(form<frmOVRA>().catcount[1], 7);
    EXPECT_EQ(form<frmOVRA>().catcount[12], 7);
}

TEST_F(StartUp, DamagedSettingsFileKeepsWhatWasReadAndStarts) {
    write("storefile.ovr", "\"FAMILY\",3,\"WORK\",oops,garbage\r\n");
    start_program();
    EXPECT_EQ(form<frmOVRA>().heading[1], "FAMILY");
    EXPECT_EQ(form<frmOVRA>().catcount[1], 3);
    EXPECT_EQ(form<frmOVRA>().heading[2], "WORK");
    EXPECT_EQ(form<frmOVRA>().catcount[2], 0);
    EXPECT_TRUE(form<frmOVRA>().is_shown());
}

TEST_F(StartUp, ASecondCopyEndsWithoutAWord) {
    ASSERT_TRUE(app_->acquire_single_instance());
    platform::App second(dir_.path());
    second.set_quit_on_end(false);
    EXPECT_THROW(form<frmSplash>().show(), platform::VbError);
    EXPECT_FALSE(form<frmSplash>().is_loaded());
    EXPECT_FALSE(form<frmOVRA>().is_loaded());
}

TEST_F(StartUp, TheMainWindowCannotBeClosedOnlyExited) {
    start_program();
    auto& m = form<frmOVRA>();
    EXPECT_FALSE(m.widget()->windowFlags() & Qt::WindowCloseButtonHint);
    QCloseEvent close;
    QCoreApplication::sendEvent(m.widget(), &close);
    EXPECT_TRUE(m.is_shown());
    EXPECT_FALSE(app_->ended());
    m.ui().MnuExit->trigger();
    EXPECT_FALSE(m.is_loaded());
    EXPECT_TRUE(app_->ended());
}

TEST_F(StartUp, ExitButtonEndsAtOnce) {
    start_program();
    click(main().Comquit);
    EXPECT_TRUE(app_->ended());
}

TEST_F(StartUp, MenuTreeHasItsCaptions) {
    start_program();
    auto& c = main();
    const std::vector<std::pair<QAction*, const char*>> items = {
        {c.MnuForm, "&File"}, {c.mnuSetupEdit, "&Setup && Edit"},
        {c.MnuEditCat, "Setup/Edit &Categories"}, {c.mnuSetupPrinters, "Setup/Edit &Printers"},
        {c.mnuEditReturnLabels, "Setup/Edit &Return Labels"}, {c.MnuFilePrint, "&Print Center"},
        {c.mnuTrackingReports, "&Tracking Reports"}, {c.mnuViewTrackingReports, "&View Tracking Reports"},
        {c.mnuDeleteTrackingReports, "&Delete Tracking Reports"}, {c.MnuDBUtil, "&File Utilities"},
        {c.MnuBUDB, "&Backup Files"}, {c.MnuResDB, "&Restore Files"}, {c.mnuImport, "&Import From Text"},
        {c.mnuExport, "&Export To Text"}, {c.MnuCmpDB, "&Compress Database"}, {c.MnuExit, "E&xit"},
        {c.mnuEdit, "&Records"}, {c.MnuRecordNew, "&Add Record"}, {c.MnuRecordEdit, "&Edit Record"},
        {c.MnuRecordBrowse, "&Browse Record"}, {c.MnuDeleteRecord, "&Delete Record"},
        {c.mnuMoveRemoveNames, "Move / &Remove Names"}, {c.mnuMove1To2, "Move &Name1 to Name2"},
        {c.MnuMoveChildren, "&Move Child"}, {c.mnuHelp, "&Help"}, {c.MnuHelpAbout, "&About"},
        {c.mnuComments, "&Comments"}, {c.mnuVantrelPress, "&Vantrel Press Website"}};
    for (const auto& [action, caption] : items) EXPECT_EQ(action->text().toStdString(), caption);
    EXPECT_TRUE(c.MnuFilebar3->isSeparator());
    EXPECT_EQ(c.comnewrecord->text(), "&ADD RECORD");
    EXPECT_EQ(c.Comquit->text(), "&EXIT PROGRAM");
    EXPECT_EQ(c.Label27->text(), "    PRESS F1      FOR ONLINE         HELP");
}

}  // namespace
