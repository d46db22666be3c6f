#include "frmTrackSetup.h"

#include <QDate>

#include "frmTrackGrid.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "printouts.h"
#include "tracking_dates.h"

using platform::form;

frmTrackSetup::frmTrackSetup() : Form(QStringLiteral("frmTrackSetup")) {}

void frmTrackSetup::build(QWidget* w, frmTrackSetup_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Tracking Report Setup"));
    platform::set_client_size(w, 6000, 3480);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("TRACKING REPORT SETUP"), 0, 180,
                                    6000, 375);
    c.Label1->setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    c.Label1->setAlignment(Qt::AlignCenter);
    c.chkYes = platform::make_check(
        w, "chkYes", QStringLiteral(" PRINT INVITEES WHO RESPONDED YES"), 600, 840, 4920, 315);
    c.ChkNo = platform::make_check(w, "ChkNo", QStringLiteral(" PRINT INVITEES WHO RESPONDED NO"),
                                   600, 1320, 4920, 315);
    c.chkUnrespond = platform::make_check(w, "chkUnrespond",
                                          QStringLiteral(" PRINT INVITEES WHO HAVE NOT RESPONDED"),
                                          600, 1800, 4920, 315);
    for (QCheckBox* box : {c.chkYes, c.ChkNo, c.chkUnrespond}) platform::set_value(box, 1);
    c.cmdPrint =
        platform::make_button(w, "cmdPrint", QStringLiteral("PRINT"), 1320, 2640, 1455, 495);
    c.cmdCancel =
        platform::make_button(w, "cmdCancel", QStringLiteral("CANCEL"), 3240, 2640, 1455, 495);
    platform::on_click(c.cmdPrint, [this] { cmdPrint_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmTrackSetup::cmdPrint_Click() {
    auto& c = ui();
    if (!c.chkYes->isChecked() && !c.ChkNo->isChecked() && !c.chkUnrespond->isChecked())
        for (QCheckBox* box : {c.chkYes, c.ChkNo, c.chkUnrespond}) platform::set_value(box, 1);
    auto& grid = form<frmTrackGrid>();
    auto& g = grid.ui();
    reports::TrackingPrintout heading;
    heading.report_name = g.lblFileName->text();
    heading.today = reports::short_date(QDate::currentDate());
    heading.response_date = g.lblResponse->text();
    heading.party_date = g.lblParty->text();
    heading.yes = c.chkYes->isChecked();
    heading.no = c.ChkNo->isChecked();
    heading.unanswered = c.chkUnrespond->isChecked();
    try {
        platform::PrintCommand command(QStringLiteral("Tracking report.pdf"));
        if (command.cancelled()) return;
        reports::print_tracking_report(platform::printer(), heading, grid.grid_invitees());
        command.finish();
    } catch (const platform::VbError& e) {
        platform::msgbox(e.description(), platform::vbExclamation, QStringLiteral("PRINT FAILED"));
        return;
    }
    unload();
}

void frmTrackSetup::cmdCancel_Click() {
    unload();
}
