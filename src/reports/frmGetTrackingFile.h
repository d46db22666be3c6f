#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/window.h"

namespace frmGetTrackingFile_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QListWidget* filGetTracking = nullptr;  // the *.trk files of its folder
    QPushButton* cmdChoose = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmGetTrackingFile_ui

// Chooses one tracking report of the program folder. Its result is the main window's
// `filename`: the file's name, "" when none was selected, " " on CANCEL.
class frmGetTrackingFile : public platform::Form<frmGetTrackingFile_ui::Controls> {
public:
    frmGetTrackingFile();

    // Lists the folder's *.trk files by name.
    void set_path(const QString& folder);

    void cmdChoose_Click();
    void filGetTracking_DblClick();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmGetTrackingFile_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
