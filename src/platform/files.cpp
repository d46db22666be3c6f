#include "files.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

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

void replace_file(const QString& source, const QString& destination) {
    if (!file_exists(source)) not_found(source);
    {
        QFile f(source);
        if (!f.open(QIODevice::ReadOnly) || ::fsync(f.handle()) != 0)
            throw VbError(kErrPathFileAccess,
                          QStringLiteral("Cannot flush %1: %2").arg(source, f.errorString()));
    }
    // rename() replaces the destination atomically; QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(source).constData(),
                    QFile::encodeName(destination).constData()) != 0)
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot replace %1: %2")
                          .arg(destination, QString::fromLocal8Bit(std::strerror(errno))));
}

void file_copy(const QString& source, const QString& destination) {
    write_file_atomic(destination, read_file(source));
}

}  // namespace platform
