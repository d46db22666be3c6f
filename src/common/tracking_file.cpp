#include "tracking_file.h"

#include <QDir>
#include <QFileInfo>
#include <climits>

#include "platform/errors.h"
#include "platform/files.h"
#include "write_line.h"

namespace common::tracking {

using platform::VbError;

QString report_path(const QString& folder, const QString& name) {
    return QDir(folder).filePath(name + QStringLiteral(".trk"));
}

QStringList report_files(const QString& folder) {
    // Name filters ignore case unless told: "X.TRK" is not a report here.
    return QDir(folder).entryList({QStringLiteral("*.trk")}, QDir::Files | QDir::CaseSensitive,
                                  QDir::Name);
}

QByteArray format_header(const TrackingHeader& header) {
    return write_line::format(
        {qint64(header.count), header.name, header.response_date, header.party_date});
}

QByteArray format_invitee(const InviteeRecord& invitee, PartyNumber form) {
    write_line::Item number = invitee.number;
    if (form == PartyNumber::Bare) {
        bool whole = false;
        const qint64 n = invitee.number.toLongLong(&whole);
        if (whole) number = n;
    }
    return write_line::format({invitee.name, number, invitee.response, invitee.phone});
}

QByteArray format_report(const TrackingReport& report, PartyNumber form) {
    TrackingHeader header = report.header;
    header.count = int(report.invitees.size());
    QByteArray out = format_header(header);
    for (const InviteeRecord& invitee : report.invitees) out += format_invitee(invitee, form);
    return out;
}

void write_report(const QString& path, const TrackingReport& report, PartyNumber form) {
    platform::write_file_atomic(path, format_report(report, form));
}

namespace {

[[noreturn]] void damaged(const QString& file_name, const QString& why) {
    throw VbError(platform::kErrTypeMismatch,
                  QStringLiteral("THE TRACKING REPORT %1 IS DAMAGED: %2").arg(file_name, why));
}

// The records of a file, one per line; a line end inside a quoted text belongs to the text.
std::vector<std::vector<write_line::Item>> split_records(const QString& text) {
    std::vector<std::vector<write_line::Item>> records;
    qsizetype start = 0;
    bool quoted = false;
    auto take = [&](qsizetype end) {
        const QString line = text.mid(start, end - start);
        if (line.trimmed().isEmpty()) return;
        write_line::Reader in(line);
        std::vector<write_line::Item> items;
        while (!in.at_end()) items.push_back(in.read());
        records.push_back(std::move(items));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && (c == QLatin1Char('\r') || c == QLatin1Char('\n'))) {
            take(i);
            start = i + 1;
        }
    }
    take(text.size());
    return records;
}

QString item_text(const write_line::Item& item) {
    if (const auto* text = std::get_if<QString>(&item)) return *text;
    if (const auto* number = std::get_if<qint64>(&item)) return QString::number(*number);
    if (const auto* real = std::get_if<double>(&item)) return QString::number(*real, 'g', 15);
    if (const auto* date = std::get_if<QDate>(&item))
        return date->toString(QStringLiteral("yyyy-MM-dd"));
    return QString();
}

}  // namespace

namespace {

TrackingHeader parse_header(const std::vector<write_line::Item>& head, const QString& file_name) {
    if (head.size() != 4) damaged(file_name, QStringLiteral("ITS HEADING IS INCOMPLETE"));
    TrackingHeader header;
    bool count_ok = false;
    qint64 count = -1;
    if (const auto* n = std::get_if<qint64>(&head[0])) {
        count = *n;
        count_ok = true;
    } else if (const auto* t = std::get_if<QString>(&head[0])) {
        count = t->trimmed().toLongLong(&count_ok);
    }
    if (!count_ok || count < 0 || count > INT_MAX)
        damaged(file_name, QStringLiteral("ITS INVITEE COUNT IS NOT A NUMBER"));
    header.count = int(count);
    header.name = item_text(head[1]);
    const auto* response = std::get_if<QDate>(&head[2]);
    const auto* party = std::get_if<QDate>(&head[3]);
    if (!response || !party) damaged(file_name, QStringLiteral("ITS DATES ARE NOT DATES"));
    header.response_date = *response;
    header.party_date = *party;
    return header;
}

QByteArray read_bytes(const QString& path) {
    try {
        return platform::read_file(path);
    } catch (const VbError& e) {
        const QString file_name = QFileInfo(path).fileName();
        if (e.number() == platform::kErrFileNotFound)
            throw VbError(e.number(),
                          QStringLiteral("THE TRACKING REPORT %1 CANNOT BE FOUND").arg(file_name));
        throw VbError(e.number(),
                      QStringLiteral("THE TRACKING REPORT %1 CANNOT BE READ").arg(file_name));
    }
}

}  // namespace

TrackingReport parse_report(const QByteArray& bytes, const QString& file_name) {
    const auto records = split_records(write_line::decode(bytes));
    if (records.empty()) damaged(file_name, QStringLiteral("IT IS EMPTY"));
    TrackingReport report;
    report.header = parse_header(records.front(), file_name);
    const qsizetype present = qsizetype(records.size()) - 1;
    if (present < report.header.count)
        damaged(file_name, QStringLiteral("ITS HEADING COUNTS %1 INVITEES BUT IT HOLDS %2")
                               .arg(report.header.count)
                               .arg(present));
    for (qsizetype r = 1; r < qsizetype(records.size()); ++r) {
        const auto& items = records[r];
        if (items.size() != 4)
            damaged(file_name, QStringLiteral("INVITEE %1 DOES NOT HAVE ITS FOUR ITEMS").arg(r));
        report.invitees.push_back(
            {item_text(items[0]), item_text(items[1]), item_text(items[2]), item_text(items[3])});
    }
    report.header.count = int(report.invitees.size());
    return report;
}

TrackingReport read_report(const QString& path) {
    return parse_report(read_bytes(path), QFileInfo(path).fileName());
}

TrackingHeader read_header(const QString& path) {
    const QString file_name = QFileInfo(path).fileName();
    const auto records = split_records(write_line::decode(read_bytes(path)));
    if (records.empty()) damaged(file_name, QStringLiteral("IT IS EMPTY"));
    return parse_header(records.front(), file_name);
}

}  // namespace common::tracking
