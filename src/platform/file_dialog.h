#pragma once

#include <QString>
#include <deque>
#include <optional>
#include <vector>

namespace platform {

// The open-file and save-file dialogs. Tests give the next answers here (an empty name is the
// user cancelling), so no dialog is shown; the dialogs asked for are remembered.
struct FileDialogSeam {
    struct Call {
        bool save = false;
        QString title;
        QString folder;
        QString file_name;
        QString filter;
    };
    std::deque<QString> next_file_names;
    std::vector<Call> calls;
};

// The chosen path, or "" when cancelled. filter is as Qt writes it ("Text (*.txt)").
QString get_open_file_name(const QString& title, const QString& folder, const QString& filter);
QString get_save_file_name(const QString& title, const QString& folder, const QString& file_name,
                           const QString& filter);
// The user's documents folder.
QString documents_folder();

}  // namespace platform
