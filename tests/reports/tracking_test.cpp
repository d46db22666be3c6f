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
};

TEST_F(Tracking, ViewEditAddAndCloseWritesTheReportBack) {
    new_report("Spring party", kToday.addDays(30),
               {{"SMITH, JOHN & MARY", "2", "?", "555-123-4567"}, {"JONES, AL", "1", "?", ""}});
    const QDate new_response = kToday;
    const QDate new_party = kToday.addDays(40);
    choose("Spring party.trk");
    modals.on("frmTrackGrid", [&](platform::Window&) {
        auto& g = form<frmTrackGrid>().ui();
        EXPECT_EQ(g.lblFileName->text(), "SPRING PARTY");
        EXPECT_EQ(g.lblParty->text(), reports::short_date(kToday.addDays(30)));
        EXPECT_EQ(g.grdTrack->rowCount(), 2);
        EXPECT_EQ(g.grdTrack->horizontalHeaderItem(1)->text(), "Guests Names");
        EXPECT_EQ(g.grdTrack->columnWidth(1), platform::tw(5000));
        EXPECT_EQ(cell(2, 0), "2");
        EXPECT_EQ(cell(1, 1), "SMITH, JOHN & MARY");

        // The answer column takes y/n only, upper-cased; the box keeps what was typed.
        g.grdTrack->setCurrentCell(0, 3);
        EXPECT_EQ(g.txtEditCell->text(), "?");
        type(g.txtEditCell, "yes");
        EXPECT_EQ(cell(1, 3), "Y");
        EXPECT_EQ(g.txtEditCell->text(), "yes");
        type(g.txtEditCell, "?");
        EXPECT_EQ(cell(1, 3), "Y");
        // Other columns take any text, upper-cased; a cleared box clears the cell.
        g.grdTrack->setCurrentCell(1, 1);
        type(g.txtEditCell, "jones, \"al\"");
        EXPECT_EQ(cell(2, 1), "JONES, \"AL\"");
        g.grdTrack->setCurrentCell(1, 4);
        type(g.txtEditCell, "");
        EXPECT_EQ(cell(2, 4), "");
        // Row numbers cannot be edited.
        g.grdTrack->setCurrentCell(1, 0);
        type(g.txtEditCell, "9");
        EXPECT_EQ(cell(2, 0), "2");

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
        EXPECT_EQ(g.grdTrack->rowCount(), 3);
        EXPECT_EQ(cell(3, 0), "3");
        EXPECT_EQ(cell(3, 1), "BROWN, ED");
        EXPECT_EQ(cell(3, 3), "?");
        EXPECT_EQ(g.lblParty->text(), reports::short_date(new_party));
        click(g.cmdClose);
    });
    m().ui().mnuViewTrackingReports->trigger();

    EXPECT_EQ(m().RecordCount, 3);
    const QByteArray bytes = read("Spring party.trk");
    EXPECT_TRUE(bytes.startsWith("3,\"Spring party\","));
    EXPECT_TRUE(bytes.contains("\"JONES, \"\"AL\"\"\",\"1\",\"?\",\"\"\r\n"));
    const TrackingReport back = read_report(path("Spring party.trk"));
    EXPECT_EQ(back.header.response_date, new_response);
    EXPECT_EQ(back.header.party_date, new_party);
    ASSERT_EQ(back.invitees.size(), 3u);
    EXPECT_EQ(back.invitees[0].response, "Y");
    EXPECT_EQ(back.invitees[1].name, "JONES, \"AL\"");
    EXPECT_EQ(back.invitees[2].phone, "555-222-3333");
}

}  // namespace
