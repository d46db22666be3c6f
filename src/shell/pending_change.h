#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// A change of several files of the program folder (a backup, a restore) that is whole or not at
// all, also when the program is killed in the middle of it. Its new files are made complete as
// work files first; the list of what goes where (ovra.pending, rewritten as "COMMITTED") is the
// point after which the change is finished, by the next start if need be. Before that point a
// start clears the work files, and the old files are as they were.
class PendingChange {
public:
    // Records the change and the files it may replace (names in the program folder) before any
    // work file is made, and clears work files of theirs that an earlier run left.
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
    bool finished;       // committed and now finished; otherwise cleared, nothing changed
    QStringList failed;  // files that could not be put in place now
};

namespace pending_change {

inline const QString kBackup = QStringLiteral("BACKUP");
inline const QString kRestore = QStringLiteral("RESTORE");

// At start, before any file of the program folder is read: finishes a change that was
// committed, or clears one that was not.
std::optional<InterruptedChange> finish_interrupted();

// Deletes the work files of the program's own whole-file writes in the program folder (a
// program file's name with ".tmp"; never any other file).
void clear_work_files();

}  // namespace pending_change
