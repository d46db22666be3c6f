#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "platform/mail.h"
#include "platform/window.h"

namespace frmEmail_ui {
struct Controls {
    QLabel* Label4 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtSendTo = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtSubject = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QPushButton* cmdSend = nullptr;
    QPushButton* cmdCancel = nullptr;
    // Invisible: the session with the mail service and the message being sent.
    platform::MailSession MAPISession1;
    platform::MailMessage MAPIMessages1;
};
}  // namespace frmEmail_ui

// Sends one plain-text message. The caller fills the recipient (and the subject) and shows it
// modally; the session lives while the window is loaded.
class frmEmail : public platform::Form<frmEmail_ui::Controls> {
public:
    frmEmail();

    void cmdSend_Click();
    void cmdCancel_Click();

protected:
    void build(QWidget* form, frmEmail_ui::Controls& c) override;
    void Form_Load() override;
    void Form_Unload() override;
    QAbstractButton* cancel_button() override { return ui().cmdCancel; }

private:
    // Set while the command that met a refused sign-on is still running.
    bool sign_on_refused_ = false;
};
