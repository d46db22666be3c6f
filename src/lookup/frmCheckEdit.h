#pragma once

#include <QLabel>
#include <QPushButton>

#include "platform/window.h"

namespace frmCheckEdit_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QPushButton* cmdEdit1 = nullptr;
    QPushButton* cmdEdit2 = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmCheckEdit_ui

// After a change of names: one button per household touched, each opening it for editing.
class frmCheckEdit : public platform::Form<frmCheckEdit_ui::Controls> {
public:
    frmCheckEdit();

    void cmdEdit1_Click();
    void cmdEdit2_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmCheckEdit_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    void edit_household(const QString& key);
};
