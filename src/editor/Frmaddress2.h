#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/window.h"

namespace Frmaddress2_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QLabel* lblWarning = nullptr;
    QLineEdit* txtaddress1 = nullptr;
    QLineEdit* txtaddress2 = nullptr;
    QLineEdit* txtCity = nullptr;
    QLineEdit* txtState = nullptr;
    QLineEdit* txtZip = nullptr;
    QCheckBox* chkForeign = nullptr;
    QLineEdit* txtPhone = nullptr;
    QLineEdit* TxtFax = nullptr;
    QPushButton* Cmdsave = nullptr;
    QPushButton* Cmddelete = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* Cmdbypass = nullptr;
    QPushButton* Cmdtoggleaddress = nullptr;
};
}  // namespace Frmaddress2_ui

// The second-address dialog. It writes no table: it hands its fields and flags back to the
// record form, whose writer stores or (after DELETE) deletes the Address row.
class Frmaddress2 : public platform::Form<Frmaddress2_ui::Controls> {
public:
    Frmaddress2();

    QString toggle_switch;
    QString address2_data;
    QString original_address1, original_address2, original_city, original_state, original_zip,
        original_foreign, original_phone, original_fax;
    // The record form was already to store the address shown when the dialog opened.
    bool original_save_request = false;

    void Cmdtoggleaddress_Click();
    void Cmdbypass_Click();
    void cmdCancel_Click();
    void Cmddelete_Click();
    void Cmdsave_Click();

    // Swaps the eight fields with the record form's main address.
    void exchange_addresses();

protected:
    void build(QWidget* form, Frmaddress2_ui::Controls& c) override;
    QAbstractButton* cancel_button() override;

private:
    void cancel(bool bypass);
};
