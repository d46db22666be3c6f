#pragma once

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "platform/window.h"

namespace FrmGetAddress_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QListWidget* LstGetAddress1 = nullptr;
    QPushButton* ComGetAddress = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace FrmGetAddress_ui

// The record picker: lists every household and opens the chosen one.
class FrmGetAddress : public platform::Form<FrmGetAddress_ui::Controls> {
public:
    FrmGetAddress();

    // Key of the household last loaded into the record form.
    QString hold_keyname;
    QString keyname;

    // True while the picker is loaded and captioned for browsing (never loads it).
    bool browsing();

protected:
    void build(QWidget* form, FrmGetAddress_ui::Controls& c) override;
};
