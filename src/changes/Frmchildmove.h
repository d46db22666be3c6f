#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/controls.h"
#include "platform/window.h"

namespace Frmchildmove_ui {
struct Controls {
    QLabel* Lbltitle = nullptr;
    QLabel* lblHeading = nullptr;
    QLabel* Label7 = nullptr;
    std::array<platform::OptionButton*, 7> Option{};  // Option1..Option6
    std::array<QLabel*, 7> Label{};                   // Label1..Label6
    std::array<QCheckBox*, 7> Check{};                // Check1..Check6
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* Command1 = nullptr;
};
}  // namespace Frmchildmove_ui

// Asks which child of the loaded household moves out, and whether as a college student.
class Frmchildmove : public platform::Form<Frmchildmove_ui::Controls> {
public:
    Frmchildmove();

    // The chosen child's name as shown, trimmed; "Y" when it moves out to college.
    QString hold_name;
    QString college_hold;
    // The chosen slot (1..6): the child is taken out by its place, never by its name.
    int hold_slot = 0;

    void cmdPrint_Click();
    void cmdCancel_Click();
    void Command1_Click();

protected:
    void build(QWidget* form, Frmchildmove_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
