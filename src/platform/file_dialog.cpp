#include "file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "application.h"

namespace platform {

QString FileDialogCall::path() const {
    return QDir(folder).filePath(file_name);
}

QString get_open_file_name(const QString& title, const QString& folder, const QString& filter) {
    if (const auto& answer = form<FileDialogSeam>().answer)
        return answer({false, title, folder, QString(), filter});
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString get_save_file_name(const QString& title, const QString& folder, const QString& file_name,
                           const QString& filter) {
    const FileDialogCall call{true, title, folder, file_name, filter};
    if (const auto& answer = form<FileDialogSeam>().answer) return answer(call);
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title, call.path(), filter);
}

QString documents_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace platform
