#pragma once

#include <QDate>
#include <QString>
#include <vector>

#include "common/tracking_file.h"

// The event tracking report a By Category label run writes: the invitees are collected while
// the labels are composed, and the report is written once at the end of the run.
namespace printing {

struct TrackingRun {
    QString trackfilename;
    QDate Response_Date;
    QDate Party_Date;
    // The invitees so far, in print order; the run's scratch list.
    std::vector<common::tracking::InviteeRecord> invitees;

    int invitee_count() const { return static_cast<int>(invitees.size()); }
    // One labelled household: the name line as composed, the number of people the label
    // addresses, and the household's home phone.
    void add_invitee(const QString& name, int number_in_party, const QString& home_phone);
};

// Writes "<trackfilename>.trk" in the program folder (whole or not at all), counts it in the
// main window's Trackfile, switches the tracking menu on and rewrites the settings file.
// A report that cannot be written, or whose name is taken meanwhile, is not counted and the
// user is told; false then.
bool write_tracking_report(const TrackingRun& run);

}  // namespace printing
