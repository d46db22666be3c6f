#pragma once

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/window.h"

// The message of the last check that fails for what was typed, or "" when all pass. Nothing is
// trimmed; `today` is the current date.
QString invitee_entry_error(const QString& name, const QString& number, const QString& phone,
                            const QDate& response_date, const QDate& event_date,
                            const QDate& today);

namespace frmTrackUpdate_ui {
struct Controls {
    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtNumber = nullptr;
    QLineEdit* txtPhone = nullptr;
    QDateEdit* dtpResponseDate = nullptr;
    QDateEdit* dtpEventDate = nullptr;
    QLabel* lblStatus = nullptr;
    QPushButton* btnSubmit = nullptr;
    QPushButton* cmdCancel = nullptr;
};
}  // namespace frmTrackUpdate_ui

// Adds one invitee to the open tracking report and moves its two dates. Checks what was typed;
// on success it stores the dates in the main window and hides, and the grid takes the rest.
class frmTrackUpdate : public platform::Form<frmTrackUpdate_ui::Controls> {
public:
    frmTrackUpdate();

    bool blSubmit = false;
    bool blError = false;

    void btnSubmit_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmTrackUpdate_ui::Controls& c) override;
    void Form_Load() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }
};
