#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/window.h"

namespace frmSetUpReturn_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label4 = nullptr;
    std::array<QLineEdit*, 4> txtReturnLabel{};  // txtReturnLabel1..txtReturnLabel3
    QLabel* Label3 = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* cmdEnter = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmSetUpReturn_ui

// Enters or changes the three return-address lines. Tells the main window how it was left
// through frmOVRA.cancel_flag.
class frmSetUpReturn : public platform::Form<frmSetUpReturn_ui::Controls> {
public:
    frmSetUpReturn();

    void cmdEnter_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmSetUpReturn_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
