#pragma once

#include <QLabel>
#include <QPushButton>
#include <optional>

#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/window.h"
#include "printing/label_run.h"

namespace frmSingle_ui {
struct Controls {
    QLabel* lblHeading = nullptr;
    QLabel* Lbltitle = nullptr;
    platform::OptionButton* opt1 = nullptr;
    QLabel* lblspouse1 = nullptr;
    platform::OptionButton* Opt2 = nullptr;
    QLabel* Lblspouse2 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmSingle_ui

// The single-label window: one label for person 1 or person 2 of a two-person household, at
// the position the print dialog's run has reached.
class frmSingle : public platform::Form<frmSingle_ui::Controls> {
public:
    frmSingle();

    // Set by the print dialog's run before it shows the window.
    printing::RecordImage household;
    printing::Sheet sheet = printing::Sheet::Standard;
    bool title = false;  // the dialog's TITLE box
    int maillabelstart = 1;
    int TopPosition = 0;

    // Handed back: "Y" once PRINT was pressed, "N" after CANCEL; the labels on the sheet it
    // printed (0 when it printed none); whether it cleared the dialog's list selection; a
    // printer failure.
    QString lblflag;
    int labels_printed = 0;
    bool list_cleared = false;
    std::optional<platform::VbError> failure;

    void cmdPrint_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmSingle_ui::Controls& c) override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
