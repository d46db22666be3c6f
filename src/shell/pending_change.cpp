#include "pending_change.h"

#include <QDir>
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

void write_record(const QString& kind, const QString& state, const std::vector<Step>& steps) {
    QByteArray bytes = common::write_line::format({kind, state});
    for (const Step& s : steps) bytes += common::write_line::format({s.name, s.action});
    platform::write_file_atomic(file(kRecord), bytes);
}

// Carries out the steps of a committed change; a rename whose work file is gone was done
// before. Returns the names that could not be put in place.
QStringList carry_out(const std::vector<Step>& steps) {
    QStringList failed;
    bool first_failed = false;
    for (const Step& s : steps) {
        // What belongs with the first file does not go in without it.
        const bool ok = !first_failed && resume_next([&] {
            if (s.action == kDelete)
                platform::remove_file(file(s.name));
            else if (platform::file_exists(work_of(s.name)))
                platform::replace_file(work_of(s.name), file(s.name));
        });
        if (ok) continue;
        resume_next([&] { platform::remove_file(work_of(s.name)); });
        first_failed = first_failed || &s == &steps.front();
        failed << s.name;
    }
    // Left behind, the record is only carried out once more: each of its steps can be.
    resume_next([] { platform::remove_file(file(kRecord)); });
    return failed;
}

}  // namespace

PendingChange::PendingChange(const QString& kind, const QStringList& names)
    : kind_(kind), names_(names) {
    std::vector<Step> steps;
    for (const QString& name : names) steps.push_back({name, QString()});
    write_record(kind_, kPreparing, steps);
    for (const QString& name : names) platform::remove_file(work(name));
}

QString PendingChange::work(const QString& name) const {
    return work_of(name);
}

QStringList PendingChange::commit() {
    std::vector<Step> steps;
    for (const QString& name : names_) {
        if (platform::file_exists(work(name)))
            steps.push_back({name, kRename});
        else if (removed_.contains(name))
            steps.push_back({name, kDelete});
    }
    try {
        write_record(kind_, kCommitted, steps);
    } catch (const VbError&) {
        abandon();
        throw;
    }
    return carry_out(steps);
}

void PendingChange::abandon() {
    for (const QString& name : names_) resume_next([&] { platform::remove_file(work(name)); });
    resume_next([] { platform::remove_file(file(kRecord)); });
}

namespace pending_change {

std::optional<InterruptedChange> finish_interrupted() {
    if (!platform::file_exists(file(kRecord))) return std::nullopt;
    QString kind, state;
    std::vector<Step> steps;
    const bool read = resume_next([&] {
        common::write_line::Reader in(platform::read_file(file(kRecord)));
        kind = in.read_text();
        state = in.read_text();
        while (!in.at_end()) {
            const QString name = in.read_text();
            steps.push_back({name, in.read_text()});
        }
    });
    // Only plain file names of the folder, as the program writes them.
    for (const Step& s : steps)
        if (s.name.isEmpty() || s.name.contains(QLatin1Char('/')) || s.name.startsWith('.'))
            kind.clear();
    if (!read || kind.isEmpty() || (state != kPreparing && state != kCommitted)) {
        resume_next([] { platform::remove_file(file(kRecord)); });
        return InterruptedChange{QString(), false, {}};
    }
    if (state == kCommitted) return InterruptedChange{kind, true, carry_out(steps)};
    for (const Step& s : steps) resume_next([&] { platform::remove_file(work_of(s.name)); });
    resume_next([] { platform::remove_file(file(kRecord)); });
    return InterruptedChange{kind, false, {}};
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
