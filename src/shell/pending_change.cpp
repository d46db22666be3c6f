#include "pending_change.h"

#include <QDir>
#include <QHash>
#include <QRegularExpression>

#include "common/write_line.h"
#include "platform/application.h"
#include "platform/errors.h"
#include "platform/files.h"

using platform::resume_next;
using platform::VbError;

namespace {

const QString kRecord = QStringLiteral("ovra.pending");
const QString kPreparing = QStringLiteral("PREPARING");
const QString kCommitted = QStringLiteral("COMMITTED");
const QString kRename = QStringLiteral("RENAME");
const QString kDelete = QStringLiteral("DELETE");
const QString kEnd = QStringLiteral("END");

QString file(const QString& name) {
    return platform::App::current().path(name);
}

QString work_of(const QString& name) {
    return platform::work_file_of(file(name));
}

struct Step {
    QString name;
    QString action;  // kRename, kDelete; empty while preparing
};

struct Record {
    QString kind;
    QString state;
    std::vector<Step> steps;
};

// The number of steps and a closing line let a start tell a whole record from one cut short.
QByteArray format_record(const Record& r) {
    QByteArray bytes = common::write_line::format({r.kind, r.state, qint64(r.steps.size())});
    for (const Step& s : r.steps) bytes += common::write_line::format({s.name, s.action});
    return bytes + common::write_line::format({kEnd});
}

void write_record(const Record& r) {
    platform::write_file_atomic(file(kRecord), format_record(r));
}

// Only what this kind of change does: its own files, each once, the first of them first; a
// restore deletes nothing.
bool permitted(const Record& r) {
    const QStringList* files = r.kind == pending_change::kBackup    ? &pending_change::kBackupFiles
                               : r.kind == pending_change::kRestore ? &pending_change::kRestoreFiles
                                                                    : nullptr;
    if (!files || (r.state != kPreparing && r.state != kCommitted) || r.steps.empty() ||
        r.steps.front().name != files->front())
        return false;
    QStringList seen;
    for (const Step& s : r.steps) {
        const bool action_ok = r.state == kPreparing
                                   ? s.action.isEmpty()
                                   : s.action == kRename || (s.action == kDelete &&
                                                             r.kind == pending_change::kBackup &&
                                                             &s != &r.steps.front());
        if (!files->contains(s.name) || seen.contains(s.name) || !action_ok) return false;
        seen << s.name;
    }
    return true;
}

// The record as the program wrote it; nothing when it is not whole or not one it writes.
std::optional<Record> read_record(const QByteArray& bytes) {
    Record r;
    const bool read = resume_next([&] {
        common::write_line::Reader in(bytes);
        r.kind = in.read_text();
        r.state = in.read_text();
        const qint64 steps = in.read_integer();
        // No change has more steps than a backup: a larger count is refused below, unread.
        for (qint64 i = 0; i < steps && i < pending_change::kBackupFiles.size(); ++i) {
            const QString name = in.read_text();
            r.steps.push_back({name, in.read_text()});
        }
    });
    if (!read || format_record(r) != bytes || !permitted(r)) return std::nullopt;
    return r;
}

struct Outcome {
    QStringList placed;
    QStringList failed;
};

// Carries out the steps of a committed change; a rename whose work file is gone was done
// before. Its work files reached the disk before the record was committed.
Outcome carry_out(const std::vector<Step>& steps) {
    Outcome out;
    bool first_failed = false;
    for (const Step& s : steps) {
        // What belongs with the first file does not go in without it.
        const bool ok = !first_failed && resume_next([&] {
            if (s.action == kDelete)
                platform::remove_file(file(s.name));
            else if (platform::file_exists(work_of(s.name)))
                platform::rename_over(work_of(s.name), file(s.name));
        });
        if (ok) {
            if (s.action == kRename) out.placed << s.name;
            continue;
        }
        resume_next([&] { platform::remove_file(work_of(s.name)); });
        first_failed = first_failed || &s == &steps.front();
        out.failed << s.name;
    }
    // Left behind, the record is only carried out once more: each of its steps can be.
    resume_next([] { platform::remove_file(file(kRecord)); });
    return out;
}

}  // namespace

PendingChange::PendingChange(const QString& kind, const QStringList& names)
    : kind_(kind), names_(names) {
    Record r{kind_, kPreparing, {}};
    for (const QString& name : names) r.steps.push_back({name, QString()});
    write_record(r);
    for (const QString& name : names) platform::remove_file(work(name));
}

QString PendingChange::work(const QString& name) const {
    return work_of(name);
}

QStringList PendingChange::commit() {
    Record r{kind_, kCommitted, {}};
    for (const QString& name : names_) {
        if (platform::file_exists(work(name)))
            r.steps.push_back({name, kRename});
        else if (removed_.contains(name))
            r.steps.push_back({name, kDelete});
    }
    try {
        // Past the record nothing may be missing after a power cut: every work file it names,
        // and their names in the folder, reach the disk first.
        for (const Step& s : r.steps)
            if (s.action == kRename) platform::sync_file(work(s.name));
        platform::sync_folder_of(file(kRecord));
        write_record(r);
    } catch (const VbError&) {
        abandon();
        throw;
    }
    return carry_out(r.steps).failed;
}

void PendingChange::abandon() {
    for (const QString& name : names_) resume_next([&] { platform::remove_file(work(name)); });
    resume_next([] { platform::remove_file(file(kRecord)); });
}

namespace pending_change {

QString described(const QStringList& names) {
    static const QHash<QString, QString> known = {
        {QStringLiteral("ovra.mdb"), QStringLiteral("the households")},
        {QStringLiteral("storefile.ovr"), QStringLiteral("the settings file")},
        {QStringLiteral("printers.ovr"), QStringLiteral("the printer table")},
        {QStringLiteral("ovra.bku"), QStringLiteral("the backup of the households")},
        {QStringLiteral("storefile.bku"), QStringLiteral("the backup of the settings file")},
        {QStringLiteral("printers.bku"), QStringLiteral("the backup of the printer table")},
        {QStringLiteral("backup.set"),
         QStringLiteral("the list of the backup files that belong together")}};
    QStringList said;
    for (const QString& name : names) said << known.value(name, name);
    if (said.size() < 2) return said.join(QString());
    return said.mid(0, said.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           said.last();
}

std::optional<InterruptedChange> finish_interrupted() {
    if (!platform::file_exists(file(kRecord))) return std::nullopt;
    QByteArray bytes;
    resume_next([&] { bytes = platform::read_file(file(kRecord)); });
    const std::optional<Record> r = read_record(bytes);
    if (!r) {
        // Nothing it names is trusted, so no file in use changes; its work files are copies of
        // files still there, and the start clears them with every other work file.
        resume_next([] { platform::remove_file(file(kRecord)); });
        return InterruptedChange{QString(), false, {}, {}};
    }
    if (r->state == kCommitted) {
        Outcome out = carry_out(r->steps);
        return InterruptedChange{r->kind, true, out.placed, out.failed};
    }
    for (const Step& s : r->steps) resume_next([&] { platform::remove_file(work_of(s.name)); });
    resume_next([] { platform::remove_file(file(kRecord)); });
    return InterruptedChange{r->kind, false, {}, {}};
}

void clear_work_files() {
    static const QRegularExpression own(QStringLiteral(
        "^(ovra\\.mdb|ovra\\.bku|storefile\\.ovr|storefile\\.bku|printers\\.ovr|printers\\.bku|"
        "backup\\.set|ovra\\.pending|storefile\\.ovr\\.bad|printers\\.ovr\\.bad|.+\\.trk)\\.tmp$"));
    const QDir folder(platform::App::current().folder());
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (own.match(name).hasMatch())
            resume_next([&] { platform::remove_file(folder.filePath(name)); });
}

}  // namespace pending_change
