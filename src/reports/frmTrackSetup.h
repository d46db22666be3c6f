#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "platform/window.h"

namespace frmTrackSetup_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QCheckBox* chkYes = nullptr;
    QCheckBox* ChkNo = nullptr;
    QCheckBox* chkUnrespond = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmTrackSetup_ui

// Prints the report open in the grid, limited to the answers ticked.
class frmTrackSetup : public platform::Form<frmTrackSetup_ui::Controls> {
public:
    frmTrackSetup();

    void cmdPrint_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmTrackSetup_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
