#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

#include "platform/errors.h"
#include "platform/window.h"
#include "printing/label_run.h"

namespace frmQuickprint_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QLabel* Label2 = nullptr;  // "Name"
    QLineEdit* txtName = nullptr;
    QLabel* Label3 = nullptr;  // "Address 1", or "Address" on the Invite sheet
    QLineEdit* txtaddress1 = nullptr;
    QLabel* Label4 = nullptr;  // "Address 2", or none on the Invite sheet
    QLineEdit* txtaddress2 = nullptr;
    QLabel* Label5 = nullptr;  // "City"
    QLineEdit* txtCity = nullptr;
    QLabel* Label6 = nullptr;  // "State"
    QLineEdit* txtState = nullptr;
    QLabel* Label7 = nullptr;  // "Zip"
    QLineEdit* txtZip = nullptr;
    QCheckBox* chkForeign = nullptr;
    QLabel* lblWarning = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmQuickprint_ui

// The quick-label window: one label from a typed name and address, on the sheet and at the
// position chosen in the print dialog.
class frmQuickprint : public platform::Form<frmQuickprint_ui::Controls> {
public:
    frmQuickprint();

    // Set by the print dialog before it shows the window.
    printing::Sheet sheet = printing::Sheet::Standard;
    int position = 1;     // on the chosen sheet, 1-based
    int TopPosition = 0;  // the printer's top offset, sixteenths of an inch

    // Handed back: the label was printed; or the printer failed while printing it.
    bool printed = false;
    std::optional<platform::VbError> failure;

    // Captions and the second address box for the chosen sheet.
    void set_up_for_sheet();

    void cmdPrint_Click();
    void cmdCancel_Click();
    // Upper-cases the boxes and paints the missing ones; true when every required box holds text.
    bool validate_fields();

protected:
    void build(QWidget* form, frmQuickprint_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
