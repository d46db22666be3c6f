#pragma once

#include <QString>
#include <functional>

namespace platform {

// One open-file or save-file dialog as asked for.
struct FileDialogCall {
    bool save = false;
    QString title;
    QString folder;
    QString file_name;  // the suggested name (save dialogs)
    QString filter;     // as Qt writes it: "Text (*.txt)"
    // The suggested full path.
    QString path() const;
    // Where the dialog opens: the suggested path, or the folder alone (ending in a separator,
    // so that no part of it is offered as the file name).
    QString start() const;
};

// Tests and benchmarks answer every file dialog here instead of showing it; "" is the user
// cancelling. Empty = the real dialogs.
struct FileDialogSeam {
    std::function<QString(const FileDialogCall&)> answer;
};

// The chosen path, or "" when cancelled.
QString get_open_file_name(const QString& title, const QString& folder, const QString& filter);
QString get_save_file_name(const QString& title, const QString& folder, const QString& file_name,
                           const QString& filter);
// The folder file dialogs start in: the user's documents folder when it exists, else the
// home folder.
QString documents_folder();

}  // namespace platform
