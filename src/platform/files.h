#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace platform {

bool file_exists(const QString& path);
// Deletes a file; error 53 when it does not exist.
void kill(const QString& path);
// Deletes a file if there is one; error 75 when it is there and cannot be deleted.
void remove_file(const QString& path);
// Renames a file; error 53 when the old one is missing, 58 when the new one exists.
void name_as(const QString& old_path, const QString& new_path);
// Puts a finished file in place of another in one step (the old one, if any, is replaced), so
// the destination is never missing. The source is flushed to disk first.
void replace_file(const QString& source, const QString& destination);
// The same for a source already flushed to disk (sync_file).
void rename_over(const QString& source, const QString& destination);
// Flushes a file's bytes to the disk; error 75 when it cannot.
void sync_file(const QString& path);
// Makes the names made, renamed or deleted in the folder of path last across a power loss.
void sync_folder_of(const QString& path);
// Copies byte for byte, replacing the destination only once the copy is complete.
void file_copy(const QString& source, const QString& destination);
// Reads a whole file; error 53 when it does not exist.
QByteArray read_file(const QString& path);
// Writes a whole file in place (a work file, which nobody reads until it is complete).
void write_file(const QString& path, const QByteArray& bytes);
// Writes a whole file through its work file (work_file_of) renamed over the old one, so a
// failure leaves the old file as it was.
void write_file_atomic(const QString& path, const QByteArray& bytes);
// The work file in which a whole-file write of path is made: path and ".tmp".
QString work_file_of(const QString& path);

// Called before every rename and delete made here, with the file that changes. Tests stop a
// change at its n-th step through it by throwing something that is not a VbError.
using FileChangeHook = std::function<void(const QString& path)>;
void set_file_change_hook(FileChangeHook hook);
// Called after every file or folder reaches the disk here (sync_file, sync_folder_of), with its
// path. Tests check through it that a file is on the disk before something relies on it.
void set_file_sync_hook(FileChangeHook hook);

}  // namespace platform
