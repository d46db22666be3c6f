// The main window's part of the tracking reports and the category list.
#include "common/tracking_file.h"
#include "frmCategoryList.h"
#include "frmGetTrackingFile.h"
#include "frmTrackGrid.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include "shell/frmOVRA.h"
#include "shell/frmdatabase.h"
#include "tracking_dates.h"

using platform::form;
namespace tracking = common::tracking;

namespace {

// Shows the chooser over the program folder; the chosen file name, or "" when none.
QString choose_report() {
    auto& main = form<frmOVRA>();
    auto& chooser = form<frmGetTrackingFile>();
    // Only a choice made in this showing counts.
    main.filename = QStringLiteral(" ");
    chooser.set_path(platform::App::current().folder());
    chooser.show_modal();
    chooser.unload();
    if (main.filename.isEmpty() || main.filename == QLatin1String(" ")) return {};
    return main.filename;
}

void report_problem(const platform::VbError& e) {
    platform::msgbox(e.description(), platform::vbExclamation, QStringLiteral("Tracking Report"));
}

}  // namespace

void frmOVRA::mnuViewTrackingReports_Click() {
    form<frmGetTrackingFile>().set_help_context_id(8000);
    const QString file = choose_report();
    if (file.isEmpty()) return;
    tracking::TrackingReport report;
    try {
        report = tracking::read_report(platform::App::current().path(file));
    } catch (const platform::VbError& e) {
        report_problem(e);
        return;
    }
    RecordCount = report.header.count;
    trackfilename = report.header.name;
    Response_Date = report.header.response_date;
    Party_Date = report.header.party_date;

    auto& grid = form<frmTrackGrid>();
    grid.invitees = std::move(report.invitees);
    auto& g = grid.ui();
    g.lblResponse->setText(reports::short_date(Response_Date));
    g.lblParty->setText(reports::short_date(Party_Date));
    g.lblFileName->setText(trackfilename.toUpper());
    grid.set_help_context_id(8110);
    grid.show_modal();
    grid.unload();
}

void frmOVRA::mnuDeleteTrackingReports_Click() {
    auto& chooser = form<frmGetTrackingFile>();
    chooser.ui().lblHeading->setText(QStringLiteral("DELETE TRACKING REPORT"));
    chooser.ui().cmdChoose->setText(QStringLiteral("DELETE REPORT"));
    chooser.set_help_context_id(8010);
    const QString file = choose_report();
    if (file.isEmpty()) return;
    const QString path = platform::App::current().path(file);
    tracking::TrackingHeader header;
    try {
        header = tracking::read_header(path);
    } catch (const platform::VbError& e) {
        report_problem(e);
        return;
    }
    RecordCount = header.count;
    trackfilename = header.name;
    Response_Date = header.response_date;
    Party_Date = header.party_date;

    const QDate first_day = Party_Date.addDays(1);
    if (QDate::currentDate() < first_day) {
        platform::msgbox(
            QStringLiteral("THIS REPORT CANNOT BE DELETED UNTIL ") + reports::short_date(first_day),
            platform::vbExclamation, QStringLiteral("Date Not Past"));
        return;
    }
    if (platform::msgbox(QStringLiteral("PRESS ENTER TO DELETE"),
                         platform::vbOKCancel + platform::vbExclamation,
                         QStringLiteral("Confirm Deletion")) != platform::vbOK)
        return;
    try {
        platform::kill(path);
    } catch (const platform::VbError& e) {
        platform::msgbox(QStringLiteral("THE TRACKING REPORT %1 COULD NOT BE DELETED\n%2")
                             .arg(file, e.description()),
                         platform::vbExclamation, QStringLiteral("Tracking Report"));
        return;
    }
    Trackfile = std::max(Trackfile - 1, 0);
    write_storefile();
    if (Trackfile == 0) set_tracking_item(false);
}

void frmOVRA::cmdButton_Click(int row) {
    auto& c = ui();
    if (c.Label[row]->text().isEmpty()) return;
    if (c.lblcatcount[row]->text() == QLatin1String("0")) return;
    if (!address_book_available()) return;
    auto& list = form<frmCategoryList>();
    list.category_number = QString::number(row);
    list.ui().lblCategory->setText(c.Label[row]->text());
    list.set_help_context_id(120);
    list.show_modal();
}
