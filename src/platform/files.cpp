#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "errors.h"

namespace platform {

namespace {
[[noreturn]] void not_found(const QString& path) {
    throw VbError(kErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
}
}  // namespace

bool file_exists(const QString& path) { return QFileInfo(path).isFile(); }

void kill(const QString& path) {
    if (!file_exists(path)) not_found(path);
    QFile f(path);
    if (!f.remove())
        throw VbError(kErrPermissionDenied, QStringLiteral("Cannot delete %1: %2").arg(path, f.errorString()));
}

void name_as(const QString& old_path, const QString& new_path) {
    if (!file_exists(old_path)) not_found(old_path);
    if (QFileInfo::exists(new_path))
        throw VbError(kErrFileExists, QStringLiteral("File already exists: %1").arg(new_path));
    QFile f(old_path);
    if (!f.rename(new_path))
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot rename %1: %2").arg(old_path, f.errorString()));
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    if (!f.exists()) not_found(path);
    if (!f.open(QIODevice::ReadOnly))
        throw VbError(kErrPathFileAccess, QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    return f.readAll();
}

void write_file_atomic(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit())
        throw VbError(kErrPathFileAccess, QStringLiteral("Cannot write %1: %2").arg(path, f.errorString()));
}

void file_copy(const QString& source, const QString& destination) {
    write_file_atomic(destination, read_file(source));
}

}  // namespace platform
