#include <QFile>

#include "common/settings.h"
#include "common/tracking_file.h"
#include "fixture.h"
#include "platform/controls.h"
#include "reports/frmGetTrackingFile.h"
#include "reports/frmTrackGrid.h"
#include "reports/frmTrackUpdate.h"
#include "reports/tracking_dates.h"
#include "shell/frmOVRA.h"
#include "shell/modCategory_setup.h"

using platform::form;
using namespace common::tracking;

namespace {

const QDate kToday = QDate::currentDate();

class Tracking : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        start_program();
        m().Trackfile = 2;
        modCategory_setup::set_up_categories();
    }
    frmOVRA& m() { return form<frmOVRA>(); }

    // A report as the labels' run writes it (bare numbers in party).
    void new_report(const QString& name, QDate party, std::vector<InviteeRecord> invitees = {}) {
        TrackingReport r;
        r.header = {0, name, party.addDays(-7), party};
        r.invitees = std::move(invitees);
        write(name + ".trk", format_report(r, PartyNumber::Bare));
    }

    // Chooses `file` in the chooser with its GET REPORT (or DELETE REPORT) button.
    void choose(const QString& file) {
        modals.on("frmGetTrackingFile", [file](platform::Window&) {
            auto& c = form<frmGetTrackingFile>().ui();
            const auto found = c.filGetTracking->findItems(file, Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            c.filGetTracking->setCurrentItem(found.first());
            click(c.cmdChoose);
        });
    }

    static QString cell(int row, int col) {
        const auto* item = form<frmTrackGrid>().ui().grdTrack->item(row - 1, col);
        return item ? item->text() : QString("<none>");
    }
    // A grid row's cells joined by "|": number, name, number in party, answer, phone.
    static QString row(int row) {
        QStringList cells;
        for (int col = 0; col < 5; ++col) cells << cell(row, col);
        return cells.join('|');
    }
    static QByteArray date(QDate d) { return d.toString("yyyy-MM-dd").toLatin1(); }
};

TEST_F(Tracking, ViewEditAddAndCloseWritesTheReportBack) {
    // A name imported with line ends keeps them, in the grid and in the file.
    const QString lee = "LEE, ANN\r\nBOB\nCY\rDEE";
    new_report("Spring party", kToday.addDays(30),
               {{"SMITH, JOHN & MARY", "2", "?", "555-123-4567"},
                {"JONES, AL", "1", "?", "555-000-0000"},
                {lee, "3", "N", ""}});
    const QDate new_response = kToday;
    const QDate new_party = kToday.addDays(40);
    choose("Spring party.trk");
    modals.on("frmTrackGrid", [&](platform::Window&) {
        auto& g = form<frmTrackGrid>().ui();
        EXPECT_EQ(g.lblFileName->text(), "SPRING PARTY");
        EXPECT_EQ(g.lblParty->text(), reports::short_date(kToday.addDays(30)));
        EXPECT_EQ(g.grdTrack->rowCount(), 3);
        EXPECT_EQ(row(1), "1|SMITH, JOHN & MARY|2|?|555-123-4567");
        EXPECT_EQ(row(3), "3|" + lee + "|3|N|");

        // The answer column takes y/n only, upper-cased; the box keeps what was typed.
        g.grdTrack->setCurrentCell(0, 3);
        EXPECT_EQ(g.txtEditCell->text(), "?");
        type(g.txtEditCell, "yes");
        EXPECT_EQ(cell(1, 3), "Y");
        EXPECT_EQ(g.txtEditCell->text(), "yes");
        type(g.txtEditCell, "?");
        EXPECT_EQ(cell(1, 3), "Y");
        // Other columns take any text, upper-cased; a cleared box clears the cell; row numbers
        // cannot be edited.
        g.grdTrack->setCurrentCell(1, 1);
        type(g.txtEditCell, "jones, \"al\"");
        g.grdTrack->setCurrentCell(1, 4);
        type(g.txtEditCell, "");
        g.grdTrack->setCurrentCell(1, 0);
        type(g.txtEditCell, "9");
        EXPECT_EQ(row(2), "2|JONES, \"AL\"|1|?|");

        modals.on("frmTrackUpdate", [&](platform::Window&) {
            auto& u = form<frmTrackUpdate>().ui();
            EXPECT_EQ(u.dtpEventDate->date(), kToday.addDays(30));
            type(u.txtName, "Brown, Ed");
            type(u.txtNumber, "3");
            type(u.txtPhone, "555-222-3333");
            u.dtpResponseDate->setDate(new_response);
            u.dtpEventDate->setDate(new_party);
            click(u.btnSubmit);
        });
        click(g.cmdAlter);
        EXPECT_FALSE(form<frmTrackUpdate>().is_loaded());
        EXPECT_EQ(g.lblParty->text(), reports::short_date(new_party));
        // A second UPDATE numbers the next row.
        modals.on("frmTrackUpdate", [&](platform::Window&) {
            auto& u = form<frmTrackUpdate>().ui();
            type(u.txtName, "Green, Fay");
            type(u.txtNumber, "1");
            click(u.btnSubmit);
        });
        click(g.cmdAlter);
        EXPECT_EQ(g.grdTrack->rowCount(), 5);
        EXPECT_EQ(row(4), "4|BROWN, ED|3|?|555-222-3333");
        EXPECT_EQ(row(5), "5|GREEN, FAY|1|?|");
        click(g.cmdClose);
    });
    m().ui().mnuViewTrackingReports->trigger();

    EXPECT_EQ(m().RecordCount, 5);
    EXPECT_EQ(read("Spring party.trk"),
              "5,\"Spring party\",#" + date(new_response) + "#,#" + date(new_party) +
                  "#\r\n"
                  "\"SMITH, JOHN & MARY\",\"2\",\"Y\",\"555-123-4567\"\r\n"
                  "\"JONES, \"\"AL\"\"\",\"1\",\"?\",\"\"\r\n"
                  "\"LEE, ANN\r\nBOB\nCY\rDEE\",\"3\",\"N\",\"\"\r\n"
                  "\"BROWN, ED\",\"3\",\"?\",\"555-222-3333\"\r\n"
                  "\"GREEN, FAY\",\"1\",\"?\",\"\"\r\n");
    EXPECT_EQ(read_report(path("Spring party.trk")).invitees[2].name, lee);
}

TEST_F(Tracking, CancelCloseBoxNoSelectionAndADamagedReportOpenNothing) {
    new_report("Picnic", kToday.addDays(3));
    write("OLD.TRK", "");  // not a report: the chooser lists `*.trk` only
    // An earlier choice left in `filename` must not be acted on.
    m().filename = "Picnic.trk";
    modals.on("frmGetTrackingFile", [](platform::Window& w) { w.close_box(); });
    m().ui().mnuViewTrackingReports->trigger();
    EXPECT_EQ(m().filename, " ");

    m().filename = "Picnic.trk";
    modals.on("frmGetTrackingFile", [](platform::Window&) {
        auto& c = form<frmGetTrackingFile>().ui();
        EXPECT_EQ(c.filGetTracking->count(), 1);
        click(c.cmdChoose);
    });
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_EQ(m().filename, "");
    EXPECT_TRUE(exists("Picnic.trk"));

    // Each showing starts from the design captions, even after the deletion's.
    modals.on("frmGetTrackingFile", [](platform::Window& w) {
        EXPECT_EQ(form<frmGetTrackingFile>().ui().lblHeading->text(), "CHOOSE TRACKING REPORT");
        w.escape_key();
    });
    m().ui().mnuViewTrackingReports->trigger();

    // A damaged report shows a message and no grid, and is left as it was.
    const QByteArray damaged = "3,\"Gala\",#2027-01-01#,#2027-01-05#\r\n\"A\",1,\"?\",\"\"\r\n";
    write("Gala.trk", damaged);
    choose("Gala.trk");
    msgs.expect(
        "THE TRACKING REPORT Gala.trk IS DAMAGED: ITS HEADING COUNTS 3 INVITEES BUT IT HOLDS 1",
        platform::vbOK, platform::vbExclamation);
    m().ui().mnuViewTrackingReports->trigger();
    EXPECT_FALSE(form<frmTrackGrid>().is_loaded());
    EXPECT_EQ(read("Gala.trk"), damaged);
}

TEST_F(Tracking, EmptyReportAndAnUpdateThatOnlyMovesTheDates) {
    new_report("Dinner", kToday.addDays(10));
    choose("Dinner.trk");
    modals.on("frmTrackGrid", [&](platform::Window&) {
        auto& g = form<frmTrackGrid>().ui();
        EXPECT_EQ(g.grdTrack->rowCount(), 0);
        // A failing submit keeps the window open with the last failure; CANCEL then adds nothing.
        modals.on("frmTrackUpdate", [](platform::Window& w) {
            auto& u = form<frmTrackUpdate>().ui();
            type(u.txtName, "X");
            u.dtpResponseDate->setDate(kToday.addDays(-1));
            click(u.btnSubmit);
            EXPECT_TRUE(w.is_shown());
            EXPECT_EQ(u.lblStatus->text(), "RESPONSE DATE MUST BE IN FUTURE");
            snapshot(w.widget(), "frmTrackUpdate_failed");
            click(u.cmdCancel);
        });
        click(g.cmdAlter);
        EXPECT_EQ(g.grdTrack->rowCount(), 0);
        EXPECT_EQ(m().Party_Date, kToday.addDays(10));

        modals.on("frmTrackUpdate", [](platform::Window&) {
            auto& u = form<frmTrackUpdate>().ui();
            // Every showing starts empty.
            EXPECT_EQ(u.txtName->text(), "");
            EXPECT_EQ(u.lblStatus->text(), "");
            u.dtpResponseDate->setDate(kToday);
            u.dtpEventDate->setDate(kToday.addDays(1));
            click(u.btnSubmit);
        });
        click(g.cmdAlter);
        EXPECT_EQ(g.grdTrack->rowCount(), 0);
        EXPECT_EQ(g.lblResponse->text(), reports::short_date(kToday));
        click(g.cmdClose);
    });
    m().ui().mnuViewTrackingReports->trigger();
    EXPECT_EQ(read("Dinner.trk"),
              "0,\"Dinner\",#" + date(kToday) + "#,#" + date(kToday.addDays(1)) + "#\r\n");
}

TEST(InviteeEntry, ChecksRunInOrderAndTheLastFailureWins) {
    const QDate r = kToday.addDays(1), e = kToday.addDays(2);
    struct Case {
        const char* name;
        const char* number;
        const char* phone;
        const char* message;
    };
    const Case cases[] = {
        {"", "", "", ""},
        {"A", "2", "555-123-4567", ""},
        {"A", "", "", "ENTER NUMBER IN PARTY"},
        {"", "2", "", "ENTER NAMES"},
        {"A", "x", "", "NUMBER IN PARTY NOT NUMERIC"},
        {"", "x", "", "NUMBER IN PARTY NOT NUMERIC"},
        {"A", "2", "555-1234", "INVALID TELEPHONE NUMBER"},
        {"A", "2", "555-123-456", "INVALID TELEPHONE NUMBER"},
        {"A", "2", "555 123 4567", "INVALID TELEPHONE NUMBER"},
        {"", "", "555-123-4567", "NAME NOT ENTERED"},
        {"A", "", "555-123-4567", "NUBER IN PARTY NOT ENTERED"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(invitee_entry_error(c.name, c.number, c.phone, r, e, kToday), c.message)
            << c.name << "|" << c.number << "|" << c.phone;

    // Dates: today passes; yesterday fails; the same day for both fails; the date checks come last.
    EXPECT_EQ(invitee_entry_error("", "", "", kToday, kToday.addDays(1), kToday), "");
    EXPECT_EQ(invitee_entry_error("A", "", "", kToday.addDays(-1), e, kToday),
              "RESPONSE DATE MUST BE IN FUTURE");
    EXPECT_EQ(invitee_entry_error("", "", "", r, r, kToday),
              "RESPONSE DATE MUST BE EARLIER THAN EVENT DATE");
    EXPECT_EQ(invitee_entry_error("", "", "", kToday.addDays(-3), kToday.addDays(-2), kToday),
              "EVENT DATE MUST BE IN FUTURE");
}

TEST_F(Tracking, DeletionWaitsForTheDayAfterTheEventThenLowersTheCount) {
    new_report("Today", kToday);
    new_report("Yesterday", kToday.addDays(-1));
    choose("Today.trk");
    msgs.expect("THIS REPORT CANNOT BE DELETED UNTIL " + reports::short_date(kToday.addDays(1)),
                platform::vbOK, platform::vbExclamation, "Date Not Past");
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_TRUE(exists("Today.trk"));

    // Cancel in the confirmation changes nothing.
    choose("Yesterday.trk");
    msgs.expect("PRESS ENTER TO DELETE", platform::vbCancel,
                platform::vbOKCancel + platform::vbExclamation, "Confirm Deletion");
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_TRUE(exists("Yesterday.trk"));
    EXPECT_EQ(m().Trackfile, 2);
    EXPECT_FALSE(exists("storefile.ovr"));

    choose("Yesterday.trk");
    msgs.expect("PRESS ENTER TO DELETE", platform::vbOK);
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_FALSE(exists("Yesterday.trk"));
    EXPECT_EQ(m().Trackfile, 1);
    common::StorefileRecord stored;
    EXPECT_EQ(common::read_storefile(path("storefile.ovr"), stored), common::ReadStatus::Complete);
    EXPECT_EQ(stored.Trackfile, 1);
    EXPECT_TRUE(m().ui().mnuTrackingReports->isEnabled());

    // The last report switches the menu off.
    write("Today.trk", read("Today.trk")
                           .replace(QDate(kToday).toString("yyyy-MM-dd").toLatin1(),
                                    kToday.addDays(-1).toString("yyyy-MM-dd").toLatin1()));
    choose("Today.trk");
    msgs.expect("PRESS ENTER TO DELETE", platform::vbOK);
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_EQ(m().Trackfile, 0);
    EXPECT_FALSE(m().ui().mnuTrackingReports->isEnabled());
}

TEST_F(Tracking, AReportThatCannotBeDeletedKeepsTheCountAndTheSettings) {
    new_report("Old", kToday.addDays(-5));
    choose("Old.trk");
    // The file goes away between the confirmation and the deletion.
    app_->set_msgbox_hook([this](const platform::MsgBoxCall& call) {
        if (call.prompt == "PRESS ENTER TO DELETE") {
            QFile::remove(path("Old.trk"));
            return int(platform::vbOK);
        }
        EXPECT_TRUE(call.prompt.startsWith("THE TRACKING REPORT Old.trk COULD NOT BE DELETED"))
            << call.prompt.toStdString();
        return int(platform::vbOK);
    });
    m().ui().mnuDeleteTrackingReports->trigger();
    EXPECT_EQ(m().Trackfile, 2);
    EXPECT_FALSE(exists("storefile.ovr"));
}

}  // namespace
