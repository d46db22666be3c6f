#include "file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include "application.h"

namespace platform {

QString FileDialogCall::path() const {
    return QDir(folder).filePath(file_name);
}

QString FileDialogCall::start() const {
    if (!file_name.isEmpty()) return path();
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString get_open_file_name(const QString& title, const QString& folder, const QString& filter) {
    const FileDialogCall call{false, title, folder, QString(), filter};
    if (const auto& answer = form<FileDialogSeam>().answer) return answer(call);
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, call.start(), filter);
}

QString get_save_file_name(const QString& title, const QString& folder, const QString& file_name,
                           const QString& filter) {
    const FileDialogCall call{true, title, folder, file_name, filter};
    if (const auto& answer = form<FileDialogSeam>().answer) return answer(call);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, call.start(), filter);
}

QString documents_folder() {
    // The platform names ~/Documents whether or not it exists; a dialog given a missing folder
    // opens in its parent and offers the folder's name as the file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace platform
