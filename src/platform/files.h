#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

bool file_exists(const QString& path);
// Deletes a file; error 53 when it does not exist.
void kill(const QString& path);
// Renames a file; error 53 when the old one is missing, 58 when the new one exists.
void name_as(const QString& old_path, const QString& new_path);
// Puts a finished file in place of another in one step (the old one, if any, is replaced), so
// the destination is never missing. The source is flushed to disk first.
void replace_file(const QString& source, const QString& destination);
// Copies byte for byte, replacing the destination only once the copy is complete.
void file_copy(const QString& source, const QString& destination);
// Reads a whole file; error 53 when it does not exist.
QByteArray read_file(const QString& path);
// Writes a whole file through a temporary file in the same folder renamed over the old one,
// so a failure leaves the old file as it was.
void write_file_atomic(const QString& path, const QByteArray& bytes);

}  // namespace platform
