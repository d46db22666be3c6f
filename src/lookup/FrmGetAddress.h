#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <array>

#include "platform/window.h"

namespace FrmGetAddress_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* LstGetAddress1 = nullptr;
    QPushButton* ComGetAddress = nullptr;
    QPushButton* Comcancel = nullptr;
};
}  // namespace FrmGetAddress_ui

// The record picker: lists every household by its display name and opens the chosen one. Its
// mode is read from its caption, Label2 and the caption of ComGetAddress.
class FrmGetAddress : public platform::Form<FrmGetAddress_ui::Controls> {
public:
    FrmGetAddress();

    QString keyname;
    // Key of the household last loaded into the record form.
    QString hold_keyname;
    std::array<QString, 7> child_hold{};  // child_hold1..child_hold6

    void ComGetAddress_Click();
    void LstGetAddress1_DblClick();
    void Comcancel_Click();
    void format_keyname();
    // Loads the household `keyname` into the record form; false (and nothing loaded) when it
    // is no longer in the table.
    bool get_record();
    void edit_record();
    void delete_record();
    void browse_record();
    void proclock();
    void hide_unnamed_categories();
    void initialize_color();

    // True while the picker is loaded and captioned for browsing (never loads it).
    bool browsing();

    // Household changes handed the loaded household (src/changes/FrmGetAddress_changes.cpp).
    void set_up_Switch_Names();
    void append_surname_to_children();
    void set_up_childmove();
    // Person 1's last name as loaded, before a switch changes it.
    QString old_lastname1;

protected:
    void build(QWidget* form, FrmGetAddress_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().Comcancel; }

private:
    QString children_row_flag;
};
