#include "files.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "errors.h"

namespace platform {

namespace {
FileChangeHook g_change_hook;
FileChangeHook g_sync_hook;

[[noreturn]] void not_found(const QString& path) {
    throw VbError(kErrFileNotFound, QStringLiteral("File not found: %1").arg(path));
}

QString system_error() {
    return QString::fromLocal8Bit(std::strerror(errno));
}

void about_to_change(const QString& path) {
    if (g_change_hook) g_change_hook(path);
}
}  // namespace

void set_file_change_hook(FileChangeHook hook) {
    g_change_hook = std::move(hook);
}

void set_file_sync_hook(FileChangeHook hook) {
    g_sync_hook = std::move(hook);
}

void sync_folder_of(const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
    if (g_sync_hook) g_sync_hook(folder);
}

void sync_file(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || ::fsync(f.handle()) != 0)
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot flush %1: %2").arg(path, f.errorString()));
    if (g_sync_hook) g_sync_hook(path);
}

bool file_exists(const QString& path) {
    return QFileInfo(path).isFile();
}

void kill(const QString& path) {
    if (!file_exists(path)) not_found(path);
    remove_file(path);
}

void remove_file(const QString& path) {
    if (!QFileInfo::exists(path)) return;
    about_to_change(path);
    QFile f(path);
    if (!f.remove())
        throw VbError(kErrPermissionDenied,
                      QStringLiteral("Cannot delete %1: %2").arg(path, f.errorString()));
    sync_folder_of(path);
}

void name_as(const QString& old_path, const QString& new_path) {
    if (!file_exists(old_path)) not_found(old_path);
    if (QFileInfo::exists(new_path))
        throw VbError(kErrFileExists, QStringLiteral("File already exists: %1").arg(new_path));
    about_to_change(new_path);
    QFile f(old_path);
    if (!f.rename(new_path))
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot rename %1: %2").arg(old_path, f.errorString()));
}

QByteArray read_file(const QString& path) {
    QFile f(path);
    if (!f.exists()) not_found(path);
    if (!f.open(QIODevice::ReadOnly))
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot read %1: %2").arg(path, f.errorString()));
    return f.readAll();
}

QString work_file_of(const QString& path) {
    return path + QStringLiteral(".tmp");
}

void write_file(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    const bool written = f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         f.write(bytes) == bytes.size() && f.flush();
    const QString error = f.errorString();
    f.close();
    if (!written) {
        QFile::remove(path);
        throw VbError(kErrPathFileAccess, QStringLiteral("Cannot write %1: %2").arg(path, error));
    }
}

void write_file_atomic(const QString& path, const QByteArray& bytes) {
    const QString work = work_file_of(path);
    write_file(work, bytes);
    // A rewritten file keeps the permissions the user gave it.
    if (QFileInfo::exists(path)) QFile::setPermissions(work, QFileInfo(path).permissions());
    try {
        replace_file(work, path);
    } catch (const VbError&) {
        QFile::remove(work);
        throw;
    }
}

void replace_file(const QString& source, const QString& destination) {
    if (!file_exists(source)) not_found(source);
    sync_file(source);
    rename_over(source, destination);
}

void rename_over(const QString& source, const QString& destination) {
    if (!file_exists(source)) not_found(source);
    about_to_change(destination);
    // rename() replaces the destination atomically; QFile::rename refuses an existing one.
    if (std::rename(QFile::encodeName(source).constData(),
                    QFile::encodeName(destination).constData()) != 0)
        throw VbError(kErrPathFileAccess,
                      QStringLiteral("Cannot replace %1: %2").arg(destination, system_error()));
    sync_folder_of(destination);
}

void file_copy(const QString& source, const QString& destination) {
    write_file_atomic(destination, read_file(source));
}

}  // namespace platform
