#include "printing/tracking_report.h"

#include <QAction>
#include <QTest>

#include "common/settings.h"
#include "fixture.h"
#include "printing/frmFileName.h"
#include "shell/frmOVRA.h"

using platform::form;
using namespace printing;

namespace {

class TrackingReport : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        common::StorefileRecord r;
        r.heading[1] = "FRIENDS";
        r.catcount[1] = 2;
        r.Trackfile = 0;
        common::write_storefile(path("storefile.ovr"), r);
        start_program();
    }
    // Opens the dialog, lets act fill it, and returns what it handed back.
    std::optional<TrackingReportName> ask(std::function<void(frmFileName_ui::Controls&)> act) {
        modals.on("frmFileName",
                  [act](platform::Window& w) { act(static_cast<frmFileName&>(w).ui()); });
        return ask_tracking_report_name();
    }
    static TrackingRun run_named(const QString& name) {
        TrackingRun run;
        run.trackfilename = name;
        run.Response_Date = QDate(2027, 3, 1);
        run.Party_Date = QDate(2027, 3, 20);
        return run;
    }
    int stored_trackfile() {
        common::StorefileRecord r;
        common::read_storefile(path("storefile.ovr"), r);
        return r.Trackfile;
    }
};

TEST_F(TrackingReport, DialogChecksNameThenResponseThenEventDate) {
    const QDate today = QDate::currentDate();
    write("OLD PARTY.trk", "0,\"OLD PARTY\",#2026-01-01#,#2026-01-02#\r\n");
    const auto got = ask([&](frmFileName_ui::Controls& c) {
        EXPECT_EQ(c.dtpResponse->date(), today);
        EXPECT_EQ(c.dtpParty->date(), today);
        EXPECT_TRUE(c.dtpResponse->calendarPopup());
        auto enter_and_expect = [&](const char* message) {
            click(c.cmdEnter);
            EXPECT_FALSE(c.lblDescription->isVisibleTo(c.lblDescription->window())) << message;
            EXPECT_EQ(c.lblError->text(), message);
        };
        enter_and_expect("ENTER DESCRIPTION");  // every test fails; the name comes first
        type(c.txtFileName, " ");
        enter_and_expect("ENTER DESCRIPTION");
        for (const char* bad : {"a/b", "a\\b", "..", "x..y", ".hidden", "tab\there"}) {
            c.txtFileName->setText(QString::fromUtf8(bad));
            enter_and_expect("DESCRIPTION CANNOT NAME A FILE");
        }
        c.txtFileName->setText(QString(244, QLatin1Char('N')));
        enter_and_expect("DESCRIPTION TOO LONG");
        type(c.txtFileName, "OLD PARTY");
        enter_and_expect("REPORT NAME ALREADY USED");
        type(c.txtFileName, "Bob's \"big\" party");
        enter_and_expect("RESPONSE DATE INVALID");  // today is too early
        c.dtpResponse->setDate(today.addDays(1));
        enter_and_expect("EVENT DATE INVALID");  // the same day as the response date
        c.dtpParty->setDate(today.addDays(2));
        click(c.cmdEnter);
    });
    ASSERT_TRUE(got);
    EXPECT_EQ(got->trackfilename, "Bob's \"big\" party");
    EXPECT_EQ(got->Response_Date, today.addDays(1));
    EXPECT_EQ(got->Party_Date, today.addDays(2));
    EXPECT_FALSE(form<frmFileName>().is_loaded());
}

TEST_F(TrackingReport, ExitCloseBoxAndEscapeAllMeanNoReport) {
    EXPECT_FALSE(ask([](auto& c) { click(c.cmdExit); }));
    EXPECT_FALSE(ask([](auto& c) {
        type(c.txtFileName, "PARTY");
        c.cmdEnter->window()->close();
    }));
    EXPECT_FALSE(ask([](auto& c) {
        EXPECT_EQ(c.txtFileName->text(), "");  // each showing starts afresh
        QTest::keyClick(c.txtFileName, Qt::Key_Escape);
    }));
}

TEST_F(TrackingReport, ReportIsWrittenByteForByteAndCounted) {
    EXPECT_FALSE(form<frmOVRA>().ui().mnuTrackingReports->isEnabled());
    TrackingRun run = run_named("Bob's \"big\" party");
    run.add_invitee("MR. & MRS. JOHN SMITH", 2, "555-0100");
    run.add_invitee("ANN LEE", 1, "");
    ASSERT_TRUE(write_tracking_report(run));

    const QByteArray bytes = read("Bob's \"big\" party.trk");
    EXPECT_EQ(bytes,
              "2,\"Bob's \"\"big\"\" party\",#2027-03-01#,#2027-03-20#\r\n"
              "\"MR. & MRS. JOHN SMITH\",2,\"?\",\"555-0100\"\r\n"
              "\"ANN LEE\",1,\"?\",\"\"\r\n");
    EXPECT_EQ(form<frmOVRA>().Trackfile, 1);
    EXPECT_TRUE(form<frmOVRA>().ui().mnuTrackingReports->isEnabled());
    EXPECT_EQ(stored_trackfile(), 1);

    // A run that labelled nobody still leaves a report of its header alone, and counts it.
    ASSERT_TRUE(write_tracking_report(run_named("EMPTY")));
    EXPECT_EQ(read("EMPTY.trk"), "0,\"EMPTY\",#2027-03-01#,#2027-03-20#\r\n");
    EXPECT_EQ(stored_trackfile(), 2);
}

TEST_F(TrackingReport, ATakenNameOrAFailedWriteChangesNothing) {
    write("PARTY.trk", "1,\"PARTY\",#2026-01-01#,#2026-01-02#\r\n\"A\",1,\"Y\",\"\"\r\n");
    const QByteArray before = read("PARTY.trk");
    const QByteArray settings = read("storefile.ovr");
    TrackingRun run = run_named("PARTY");
    run.add_invitee("B", 1, "");
    msgs.expect("The tracking report was not written.\nA report named PARTY exists already.",
                platform::vbOK, platform::vbExclamation);
    EXPECT_FALSE(write_tracking_report(run));
    EXPECT_EQ(read("PARTY.trk"), before);

    // Too long for a file name: the write itself fails.
    const QString long_name(300, QLatin1Char('L'));
    QStringList shown;
    app_->set_msgbox_hook([&shown](const platform::MsgBoxCall& call) {
        shown << call.prompt;
        return int(platform::vbOK);
    });
    EXPECT_FALSE(write_tracking_report(run_named(long_name)));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].startsWith("The tracking report was not written.\nCannot write"));
    EXPECT_EQ(QDir(dir_.path()).entryList({"*.trk*", "*.tmp"}, QDir::Files),
              QStringList{"PARTY.trk"});
    EXPECT_EQ(form<frmOVRA>().Trackfile, 0);
    EXPECT_FALSE(form<frmOVRA>().ui().mnuTrackingReports->isEnabled());
    EXPECT_EQ(read("storefile.ovr"), settings);
}

}  // namespace
