#pragma once

#include <QLabel>
#include <QPushButton>
#include <array>

#include "platform/controls.h"
#include "platform/window.h"

namespace frmchildnamemove_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    platform::OptionButton* Option1 = nullptr;
    QLabel* Label3 = nullptr;
    platform::OptionButton* Option2 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
    QPushButton* Command3 = nullptr;
};
}  // namespace frmchildnamemove_ui

// Asks whether the moving child becomes the first or the second person of its own household,
// then opens the record form to add that household. The parents' children row changes in the
// same transaction as the new household's SAVE, and not at all when the form is closed.
class frmchildnamemove : public platform::Form<frmchildnamemove_ui::Controls> {
public:
    frmchildnamemove();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

    // The parents' children as stored, without the moving child's slot and without blank
    // slots, packed in order.
    std::array<QString, 7> remove_moved_child() const;
    // Writes the parents' children row (or deletes it and clears childflag when none is left).
    void save_children_row(const QString& parents_key, const std::array<QString, 7>& children);

protected:
    void build(QWidget* form, frmchildnamemove_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().Command2; }
};
