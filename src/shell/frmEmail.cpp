#include "frmEmail.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QTimer>
#include <QVBoxLayout>

#include "common/vbstring.h"
#include "frmOVRA.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/errors.h"
#include "platform/msgbox.h"

using platform::form;

frmEmail::frmEmail() : Form(QStringLiteral("frmEmail")) {}

void frmEmail::build(QWidget* w, frmEmail_ui::Controls& c) {
    w->setWindowTitle(QStringLiteral("Send EMail"));
    w->resize(platform::tw(7200), platform::tw(5400));
    auto* outer = new QVBoxLayout(w);

    c.Label4 = platform::make_label(w, "Label4", QStringLiteral("SEND EMAIL"));
    c.Label4->setFont(QFont(QStringLiteral("Arial"), 14, QFont::Bold));
    c.Label4->setAlignment(Qt::AlignCenter);
    outer->addWidget(c.Label4);

    auto* fields = new QGridLayout;
    outer->addLayout(fields);
    c.Label1 = platform::make_label(w, "Label1", QStringLiteral("Send To:"));
    c.txtSendTo = platform::make_text(w, "txtSendTo");
    c.Label2 = platform::make_label(w, "Label2", QStringLiteral("Subject:"));
    c.txtSubject = platform::make_text(w, "txtSubject");
    fields->addWidget(c.Label1, 0, 0);
    fields->addWidget(c.txtSendTo, 0, 1);
    fields->addWidget(c.Label2, 1, 0);
    fields->addWidget(c.txtSubject, 1, 1);
    c.Label1->setBuddy(c.txtSendTo);
    c.Label2->setBuddy(c.txtSubject);

    c.Label3 = platform::make_label(w, "Label3", QStringLiteral("Message:"));
    outer->addWidget(c.Label3);
    c.txtMessage = new QPlainTextEdit(w);
    c.txtMessage->setObjectName(QStringLiteral("txtMessage"));
    // Tab moves on to the buttons, as in the other boxes.
    c.txtMessage->setTabChangesFocus(true);
    c.Label3->setBuddy(c.txtMessage);
    outer->addWidget(c.txtMessage, 1);

    auto* buttons = new QHBoxLayout;
    outer->addLayout(buttons);
    c.cmdSend = platform::make_button(w, "cmdSend", QStringLiteral("Send Mail"));
    c.cmdCancel = platform::make_button(w, "cmdCancel", QStringLiteral("Cancel"));
    buttons->addStretch();
    buttons->addWidget(c.cmdSend);
    buttons->addSpacing(platform::tw(360));
    buttons->addWidget(c.cmdCancel);
    buttons->addStretch();

    QWidget::setTabOrder(c.txtSendTo, c.txtSubject);
    QWidget::setTabOrder(c.txtSubject, c.txtMessage);
    QWidget::setTabOrder(c.txtMessage, c.cmdSend);
    QWidget::setTabOrder(c.cmdSend, c.cmdCancel);

    platform::on_click(c.cmdSend, [this] { cmdSend_Click(); });
    platform::on_click(c.cmdCancel, [this] { cmdCancel_Click(); });
}

void frmEmail::Form_Load() {
    auto& main = form<frmOVRA>();
    main.email_service = true;
    // A caller that passes the unload over and touches the window again in the same command
    // is refused quietly: the user hears about the missing service once.
    if (!sign_on_refused_) {
        try {
            ui().MAPISession1.sign_on();
            return;
        } catch (const platform::VbError&) {
            platform::msgbox(QStringLiteral("Email service not available"), platform::vbExclamation,
                             QStringLiteral("Email Error"));
            sign_on_refused_ = true;
            // The next command tries the service again.
            QTimer::singleShot(0, this, [this] { sign_on_refused_ = false; });
        }
    }
    main.email_service = false;
    if (main.email_path != QLatin1String("mail")) hide();
    unload();
}

void frmEmail::cmdSend_Click() {
    auto& c = ui();
    if (common::is_blank(c.txtMessage->toPlainText())) {
        platform::msgbox(QStringLiteral("You must enter a message!"), platform::vbExclamation,
                         QStringLiteral("Message Not Entered"));
        return;
    }
    c.MAPIMessages1 = {c.txtSendTo->text(), c.txtSubject->text(), c.txtMessage->toPlainText()};
    try {
        c.MAPISession1.send(c.MAPIMessages1);
    } catch (const platform::VbError& e) {
        // The form stays open with the message, so the user can correct the address or cancel.
        platform::msgbox(QStringLiteral("The message could not be sent.\n%1").arg(e.description()),
                         platform::vbExclamation, QStringLiteral("Email Error"));
        return;
    }
    unload();
}

void frmEmail::cmdCancel_Click() {
    unload();
}

void frmEmail::Form_Unload() {
    if (form<frmOVRA>().email_service) ui().MAPISession1.sign_off();
}
