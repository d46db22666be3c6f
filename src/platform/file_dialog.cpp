#include "file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

#include "application.h"

namespace platform {

namespace {

std::optional<QString> scripted(FileDialogSeam::Call call) {
    auto& seam = form<FileDialogSeam>();
    seam.calls.push_back(std::move(call));
    if (seam.next_file_names.empty()) return std::nullopt;
    QString name = seam.next_file_names.front();
    seam.next_file_names.pop_front();
    return name;
}

}  // namespace

QString get_open_file_name(const QString& title, const QString& folder, const QString& filter) {
    if (auto name = scripted({false, title, folder, QString(), filter})) return *name;
    return QFileDialog::getOpenFileName(QApplication::activeWindow(), title, folder, filter);
}

QString get_save_file_name(const QString& title, const QString& folder, const QString& file_name,
                           const QString& filter) {
    if (auto name = scripted({true, title, folder, file_name, filter})) return *name;
    return QFileDialog::getSaveFileName(QApplication::activeWindow(), title,
                                        QDir(folder).filePath(file_name), filter);
}

QString documents_folder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

}  // namespace platform
