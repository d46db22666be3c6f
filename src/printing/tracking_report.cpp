#include "tracking_report.h"

#include <QFileInfo>

#include "platform/application.h"
#include "platform/errors.h"
#include "platform/msgbox.h"
#include "shell/frmOVRA.h"

namespace printing {

namespace tracking = common::tracking;

void TrackingRun::add_invitee(const QString& name, int number_in_party, const QString& home_phone) {
    invitees.push_back({name, QString::number(number_in_party), QStringLiteral("?"), home_phone});
}

namespace {

void not_written(const QString& why) {
    platform::msgbox(QStringLiteral("The tracking report was not written.\n%1").arg(why),
                     platform::vbExclamation, QStringLiteral("Tracking Report"));
}

}  // namespace

bool write_tracking_report(const TrackingRun& run) {
    const QString path =
        tracking::report_path(platform::App::current().folder(), run.trackfilename);
    // Never over another report: its answers would be lost and Trackfile would miscount.
    if (QFileInfo::exists(path)) {
        not_written(QStringLiteral("A report named %1 exists already.").arg(run.trackfilename));
        return false;
    }
    tracking::TrackingReport report;
    report.header = {run.invitee_count(), run.trackfilename, run.Response_Date, run.Party_Date};
    report.invitees = run.invitees;
    try {
        tracking::write_report(path, report, tracking::PartyNumber::Bare);
    } catch (const platform::VbError& e) {
        not_written(e.description());
        return false;
    }

    auto& main = platform::form<frmOVRA>();
    main.Trackfile += 1;
    main.set_tracking_item(main.Trackfile != 0);
    main.write_storefile();
    return true;
}

}  // namespace printing
