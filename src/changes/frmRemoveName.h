#pragma once

#include "platform/window.h"

namespace frmRemoveName_ui {
struct Controls {};
}  // namespace frmRemoveName_ui

// The name-removal window. So far only the names of the households a change touched, which
// the check-edit dialog offers for editing.
class frmRemoveName : public platform::Form<frmRemoveName_ui::Controls> {
public:
    frmRemoveName() : Form(QStringLiteral("frmRemoveName")) {}

    QString original_keyname, original_firstname1, original_lastname1;
    QString new_keyname, new_firstname1, new_lastname1;

protected:
    void build(QWidget*, frmRemoveName_ui::Controls&) override {}
};
