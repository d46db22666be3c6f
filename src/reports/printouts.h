#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "common/tracking_file.h"

namespace platform {
class Printer;
}

// The tracking report and category list printouts, composed without their windows. Each
// prints one document on the printer given and ends it.
namespace reports {

constexpr int kTrackingRowsPerPage = 60;

struct TrackingPrintout {
    QString report_name;                       // as the grid shows it
    QString today, response_date, party_date;  // short date texts
    bool yes = true;                           // print those who answered "Y"
    bool no = true;                            // ... "N"
    bool unanswered = true;                    // ... "?"
};

// Pages are cut every 60 invitees of the report, printed or not; item numbers count printed
// lines only; the phone is printed only for those who have not answered.
void print_tracking_report(platform::Printer& p, const TrackingPrintout& heading,
                           const std::vector<common::tracking::InviteeRecord>& invitees);

void print_category_list(platform::Printer& p, const QString& category_name,
                         const QStringList& lines);

}  // namespace reports
