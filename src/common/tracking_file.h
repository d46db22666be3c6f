#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// An event tracking report (`<name>.trk` in the program folder), in the write_line format:
// one header record (invitee count, report name, response date, event date), then one record
// per invitee (name, number in party, response "?"/"Y"/"N", phone).
namespace common::tracking {

struct TrackingHeader {
    int count = 0;  // invitees; the writer always writes the true number
    QString name;   // report name, as typed
    QDate response_date;
    QDate party_date;
};

struct InviteeRecord {
    QString name;
    QString number;  // number in party, kept as text
    QString response = QStringLiteral("?");
    QString phone;
};

struct TrackingReport {
    TrackingHeader header;
    std::vector<InviteeRecord> invitees;
};

// How the number in party is written: bare when the labels' run writes a new report (a text
// that is not a whole number is quoted even then), quoted when the viewer saves its grid.
enum class PartyNumber { Bare, Quoted };

// `folder/name.trk`.
QString report_path(const QString& folder, const QString& name);

// The reports of the program folder: its files named `*.trk` (exactly that ending, as the
// chooser lists them), in name order.
QStringList report_files(const QString& folder);

QByteArray format_header(const TrackingHeader& header);
QByteArray format_invitee(const InviteeRecord& invitee, PartyNumber form);
// Header (with the count of `report.invitees`) and every invitee record.
QByteArray format_report(const TrackingReport& report, PartyNumber form);

// Replaces the file as a whole through a temporary file; VbError when it cannot be written,
// leaving any old file as it was.
void write_report(const QString& path, const TrackingReport& report, PartyNumber form);

// Reads and checks the whole file. Throws platform::VbError with a message for the user:
// 53 when the file does not exist, 75 when it cannot be read, 13 when it is damaged (a bad
// header or date, a record without its four items, fewer invitees than the header counts).
// A header counting fewer invitees than the file holds keeps them all and gives the true count.
TrackingReport read_report(const QString& path);
// Only the header record, with the same checks (the invitee records are not looked at).
TrackingHeader read_header(const QString& path);
// The same checks on bytes already read; `file_name` names the file in messages.
TrackingReport parse_report(const QByteArray& bytes, const QString& file_name);

}  // namespace common::tracking
