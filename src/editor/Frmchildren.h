#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "platform/window.h"

namespace Frmchildren_ui {
struct Controls {
    QLabel* Labelheading = nullptr;
    std::array<QLabel*, 7> Label{};         // Label1..Label6
    std::array<QLineEdit*, 7> Txtchild{};   // Txtchild1..Txtchild6
    QPushButton* Comsave = nullptr;
    QPushButton* Comcancel = nullptr;
};
}  // namespace Frmchildren_ui

// The children dialog: up to six names. It stays loaded between uses and keeps the names;
// the household writer reads them from here.
class Frmchildren : public platform::Form<Frmchildren_ui::Controls> {
public:
    static constexpr int kWidth = 5760;

    Frmchildren();

    std::array<QString, 7> holdchild{};  // holdchild1..holdchild6

    void Comsave_Click();
    void Comcancel_Click();
    // Upper-cases the names and moves them up past every empty box; returns their number.
    int tidy_children();

protected:
    void build(QWidget* form, Frmchildren_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().Comcancel; }
};
