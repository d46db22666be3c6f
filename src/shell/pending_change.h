#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A change of several files of the program folder (a backup, a restore) that is whole or not at
// all, also when the program is killed or the power fails in the middle of it. Its new files are
// made complete as work files and flushed to the disk first; the list of what goes where
// (ovra.pending, rewritten as "COMMITTED") is the point after which the change is finished, by
// the next start if need be. Before that point a start clears the work files, and the old files
// are as they were.
class PendingChange {
public:
    // Records the change and the files it may replace (names in the program folder, the first
    // of its kind's files first) before any work file is made, and clears work files of theirs
    // that an earlier run left.
    PendingChange(const QString& kind, const QStringList& names);

    // The work file in which the new content of a file is made.
    QString work(const QString& name) const;
    // The change deletes this file (it has no new content for it).
    void remove(const QString& name) { removed_ << name; }
    // Puts each work file made in place and deletes what remove() named. The first file is the
    // one the others belong with: when it cannot be put in place, nothing else is. Returns the
    // names that could not be put in place; throws (changing nothing) when the change cannot
    // be recorded.
    QStringList commit();
    // Clears the work files and the record: nothing was changed.
    void abandon();

private:
    QString kind_;
    QStringList names_;
    QStringList removed_;
};

// What the start found of a change that an earlier run did not end.
struct InterruptedChange {
    QString kind;        // "BACKUP", "RESTORE"; empty when the record could not be read
    bool finished;       // committed and now finished; otherwise nothing more was changed
    QStringList placed;  // files the change put in place (finished changes)
    QStringList failed;  // files that could not be put in place now
};

namespace pending_change {

inline const QString kBackup = QStringLiteral("BACKUP");
inline const QString kRestore = QStringLiteral("RESTORE");

// The only files each kind of change may touch, the one the others belong with first. A backup
// puts in place or deletes its copies; a restore puts in place the files in use and deletes
// nothing.
inline const QStringList kBackupFiles = {
    QStringLiteral("ovra.bku"), QStringLiteral("storefile.bku"), QStringLiteral("printers.bku"),
    QStringLiteral("backup.set")};
inline const QStringList kRestoreFiles = {
    QStringLiteral("ovra.mdb"), QStringLiteral("storefile.ovr"), QStringLiteral("printers.ovr")};

// The files of a backup or restore as the user knows them: "the households, the settings file
// and the printer table".
QString described(const QStringList& names);

// At start, before any file of the program folder is read: finishes a change that was
// committed, or clears one that was not. A record that is not whole, or asks for what its kind
// of change never does, is not carried out.
std::optional<InterruptedChange> finish_interrupted();

// Deletes the work files of the program's own whole-file writes in the program folder (a
// program file's name with ".tmp"; never any other file).
void clear_work_files();

}  // namespace pending_change
