#pragma once

#include <QString>

namespace platform {

// Styles (add one of each group).
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
};

// Results.
enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

struct MsgBoxCall {
    QString prompt;
    int style = 0;
    QString title;
};

// Shows a modal message box and returns the button pressed. An empty title means the
// program's title. Tests answer through App::set_msgbox_hook.
int msgbox(const QString& prompt, int style = vbOKOnly, const QString& title = {});

// Shows an unexpected error without ending the program.
void report_error(const QString& where, const std::exception& e);

}  // namespace platform
