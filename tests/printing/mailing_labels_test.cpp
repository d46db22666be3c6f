// The print dialog's mailing labels, as a user prints them: load prompt, too-long list, count.
#include <QDir>

#include "print_dialog_fixture.h"
#include "printing/FrmInvalid.h"
#include "printing/frmFileName.h"
#include "reports/frmGetTrackingFile.h"
#include "reports/frmTrackGrid.h"

using platform::form;

namespace {

class MailingLabels : public PrintDialogTest {};

TEST_F(MailingLabels, PrintsTheLabelsListsTheTooLongOneAndCountsWhatPrinted) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start_with(3);
    auto& rec = platform::use_print_recorder();
    form<FrmInvalid>().add_entry("LEFT FROM AN EARLIER USE");
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option1);
        click(d.Option5);
        expect_load_prompt("5160");
        modals.on("FrmInvalid", [](platform::Window& w) {
            auto& list = static_cast<FrmInvalid&>(w);
            EXPECT_EQ(list.entries(),
                      QStringList({"", "       ALEXANDERJONATHAN WORTHINGTONSMYTHEBARTHOLOMEW",
                                   "1 MAIN ST", "SPRINGFIELD, IL 62701", ""}));
            click(list.ui().Command2);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 3 OF 4 LABELS");
        EXPECT_TRUE(d.comprint->isEnabled() && d.Comcancel->isEnabled());
    });
    ASSERT_EQ(rec.jobs.size(), 1u);
    QStringList printed;
    for (const auto& t : rec.job_texts(0)) printed << t.text;
    EXPECT_TRUE(printed.contains("ANN1 SMITH") && printed.contains("CARL1 SMITH"));
    EXPECT_FALSE(printed.join(' ').contains("WORTHINGTON"));
}

// A run the printer fails lists no label set aside: only the failure is told.
TEST_F(MailingLabels, AFailedRunShowsNoTooLongList) {
    store_household(household("WORTHINGTONSMYTHEBARTHOLOMEW", "ALEXANDERJONATHAN"));
    start_with(3);
    platform::use_print_recorder().fail_next_begin = true;
    in_dialog([this](Dialog& d) {
        click(d.Optprint3);
        click(d.Option1);
        expect_load_prompt("5160");
        click(d.comprint);
        EXPECT_TRUE(d.lblselwarning->text().startsWith("PRINTING FAILED: "))
            << d.lblselwarning->text().toStdString();
    });
}

// A tracked run as the user makes it: the report's name, the labels, the report on disk and
// counted, and it opens in the grid. EXIT in the name window prints without a report.
TEST_F(MailingLabels, ATrackedRunWritesAReportThatOpensInTheGrid) {
    auto guest = household("GUEST", "GUS");
    guest.category[1] = "Y";
    guest.home_phone = "555-0100";
    store_household(guest);
    start_with(1);
    platform::use_print_recorder();
    const QDate response = QDate::currentDate().addDays(7);
    const QDate party = response.addDays(7);
    in_dialog([&](Dialog& d) {
        click(d.Check[1]);
        click(d.Option6);  // invitations by category are tracked
        expect_load_prompt("5662");
        modals.on("frmFileName", [&](platform::Window& w) {
            auto& c = static_cast<frmFileName&>(w).ui();
            type(c.txtFileName, "Garden party");
            c.dtpResponse->setDate(response);
            c.dtpParty->setDate(party);
            click(c.cmdEnter);
        });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 LABELS");
        EXPECT_EQ(v(d.chkTrack), 1);

        expect_load_prompt("5662");
        modals.on("frmFileName",
                  [](platform::Window& w) { click(static_cast<frmFileName&>(w).ui().cmdExit); });
        click(d.comprint);
        EXPECT_EQ(d.lblselwarning->text(), "PRINTED 1 OF 2 LABELS");
        EXPECT_EQ(v(d.chkTrack), 0);
    });
    EXPECT_EQ(QDir(dir_.path()).entryList({"*.trk"}), QStringList{"Garden party.trk"});
    EXPECT_EQ(read("Garden party.trk"), "1,\"Garden party\",#" +
                                            response.toString("yyyy-MM-dd").toLatin1() + "#,#" +
                                            party.toString("yyyy-MM-dd").toLatin1() +
                                            "#\r\n\"GUS GUEST\",1,\"?\",\"555-0100\"\r\n");
    EXPECT_EQ(main().Trackfile, 1);
    common::StorefileRecord stored;
    common::read_storefile(path("storefile.ovr"), stored);
    EXPECT_EQ(stored.Trackfile, 1);

    modals.on("frmGetTrackingFile", [](platform::Window&) {
        auto& c = form<frmGetTrackingFile>().ui();
        c.filGetTracking->setCurrentItem(
            c.filGetTracking->findItems("Garden party.trk", Qt::MatchExactly).value(0));
        click(c.cmdChoose);
    });
    modals.on("frmTrackGrid", [](platform::Window&) {
        auto& g = form<frmTrackGrid>().ui();
        EXPECT_EQ(g.lblFileName->text(), "GARDEN PARTY");
        ASSERT_EQ(g.grdTrack->rowCount(), 1);
        EXPECT_EQ(g.grdTrack->item(0, 1)->text(), "GUS GUEST");
        click(g.cmdClose);
    });
    ASSERT_TRUE(main().ui().mnuTrackingReports->isEnabled());
    main().ui().mnuViewTrackingReports->trigger();
}

}  // namespace
