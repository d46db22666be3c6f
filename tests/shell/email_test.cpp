#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

#include "fixture.h"
#include "platform/errors.h"
#include "platform/mail.h"
#include "shell/frmEmail.h"
#include "shell/frmOVRA.h"
#include "smtp_listener.h"

using platform::form;
using Controls = frmEmail_ui::Controls;

namespace {

const QString kFailed = QStringLiteral("The message could not be sent.\n");

class EmailForm : public testing_support::OvraTest {
protected:
    void SetUp() override {
        OvraTest::SetUp();
        start_program();
        ASSERT_FALSE(QStandardPaths::findExecutable("msmtp").isEmpty())
            << "msmtp is needed (scripts/test installs it)";
        use_program("#!/bin/sh\nexec msmtp -C /dev/null --host=127.0.0.1 --port=" +
                    QByteArray::number(smtp.port()) +
                    " --auth=off --tls=off --from=ovra@localhost.example \"$@\"");
    }
    // Makes a script of the test's own the mail program.
    void use_program(const QByteArray& script) {
        write("sendmail", script + "\n");
        QFile::setPermissions(path("sendmail"), QFile::ReadOwner | QFile::ExeOwner);
        form<platform::MailService>().program = path("sendmail");
    }
    // The comments command, acting in the form it opens.
    void comment(std::function<void(Controls&)> act) {
        modals.on("frmEmail", [act](platform::Window& w) { act(static_cast<frmEmail&>(w).ui()); });
        form<frmOVRA>().ui().mnuComments->trigger();
    }
    // Opens the form as the record form does, on an address of the household.
    void mail_to(const QString& address, std::function<void(Controls&)> act) {
        form<frmOVRA>().email_path = "mail";
        form<frmEmail>().ui().txtSendTo->setText(address);
        modals.on("frmEmail", [act](platform::Window& w) { act(static_cast<frmEmail&>(w).ui()); });
        form<frmEmail>().show_modal();
    }
    // Typing, one key per character: Return for a line break, text events beyond ASCII.
    static void type_message(QPlainTextEdit* box, const QString& text) {
        box->clear();
        for (const char32_t u : text.toUcs4()) {
            if (u == '\n') {
                QTest::keyClick(box, Qt::Key_Return);
            } else if (u < 0x80) {
                QTest::keyClick(box, static_cast<char>(u));
            } else {
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUcs4(&u, 1),
                                    {});
            }
        }
    }
    static QStringList headers(const testing_support::SmtpListener::Mail& mail) {
        return QString::fromUtf8(mail.data.left(mail.data.indexOf("\r\n\r\n"))).split("\r\n");
    }
    static QByteArray body(const testing_support::SmtpListener::Mail& mail) {
        return mail.data.mid(mail.data.indexOf("\r\n\r\n") + 4);
    }

    testing_support::SmtpListener smtp;
};

TEST_F(EmailForm, CommentsGoToTheMakerWithAFixedSubjectAndTheTextAsTyped) {
    comment([this](Controls& c) {
        EXPECT_EQ(c.txtSendTo->text(), "comments@vantrelpress.example");
        EXPECT_EQ(c.txtSubject->text(), "OVRA Comments");
        EXPECT_FALSE(c.txtSubject->isEnabled());
        type_message(c.txtMessage, QString::fromUtf8("Grüße aus Köln ✓\n.\nZweite Zeile"));
        click(c.cmdSend);
    });
    EXPECT_FALSE(form<frmEmail>().is_loaded());
    EXPECT_TRUE(form<frmOVRA>().email_service);
    const auto mails = smtp.mails();
    ASSERT_EQ(mails.size(), 1u);
    EXPECT_EQ(mails[0].recipients.join(" ").toStdString(), "comments@vantrelpress.example");
    const QStringList h = headers(mails[0]);
    EXPECT_TRUE(h.contains("To: comments@vantrelpress.example"));
    EXPECT_TRUE(h.contains("Subject: OVRA Comments"));
    EXPECT_TRUE(h.contains("Content-Type: text/plain; charset=UTF-8"));
    EXPECT_EQ(
        h.filter(QRegularExpression("^Date: \\d\\d \\w{3} \\d{4} \\d\\d:\\d\\d:\\d\\d [+-]\\d{4}$"))
            .size(),
        1);
    EXPECT_EQ(body(mails[0]).toStdString(), "Grüße aus Köln ✓\r\n.\r\nZweite Zeile\r\n");
}

TEST_F(EmailForm, CancelEscAndTheCloseBoxSendNothingAnEmptyOrOneBlankMessageIsRefused) {
    const std::function<void(Controls&)> closes[] = {
        [](Controls& c) { click(c.cmdCancel); },
        [](Controls& c) { QTest::keyClick(c.txtMessage, Qt::Key_Escape); },
        [](Controls& c) { c.txtMessage->window()->close(); }};
    for (const auto& close : closes) {
        comment([&close](Controls& c) {
            type_message(c.txtMessage, "never mind");
            close(c);
        });
    }
    EXPECT_FALSE(form<frmEmail>().is_loaded());

    msgs.expect("You must enter a message!", platform::vbOK, 48, "Message Not Entered");
    msgs.expect("You must enter a message!", platform::vbOK, 48, "Message Not Entered");
    comment([this](Controls& c) {
        click(c.cmdSend);
        type_message(c.txtMessage, " ");
        click(c.cmdSend);
        EXPECT_TRUE(form<frmEmail>().is_shown());
        EXPECT_TRUE(smtp.mails().empty());
        type_message(c.txtMessage, "  ");  // two blanks are a message
        click(c.cmdSend);
    });
    ASSERT_EQ(smtp.mails().size(), 1u);
    EXPECT_EQ(body(smtp.mails()[0]).toStdString(), "  \r\n");
}

TEST_F(EmailForm, NoMailProgramIsToldOnceAndTheFormDoesNotComeBackInTheSameCommand) {
    form<platform::MailService>().program = path("no-such-program");
    msgs.expect("Email service not available", platform::vbOK, 48, "Email Error");
    form<frmOVRA>().ui().mnuComments->trigger();
    EXPECT_FALSE(form<frmOVRA>().email_service);
    EXPECT_FALSE(form<frmEmail>().is_loaded());

    // A caller that passes the refusal over and goes on touching the form.
    msgs.expect("Email service not available", platform::vbOK, 48, "Email Error");
    QCoreApplication::processEvents();
    form<frmOVRA>().email_path = "mail";
    try {
        form<frmEmail>().ui().txtSendTo->setText("friend@home.example");
        FAIL() << "the form stayed loaded";
    } catch (const platform::VbError& e) {
        EXPECT_EQ(e.number(), 364);
    }
    EXPECT_THROW(form<frmEmail>().set_help_context_id(3210), platform::VbError);
    EXPECT_THROW(form<frmEmail>().show_modal(), platform::VbError);
    EXPECT_FALSE(form<frmOVRA>().email_service);

    // A program that is there but cannot be run is no service either.
    QCoreApplication::processEvents();
    write("sendmail.txt", "not a program");
    form<platform::MailService>().program = path("sendmail.txt");
    msgs.expect("Email service not available", platform::vbOK, 48, "Email Error");
    form<frmOVRA>().ui().mnuComments->trigger();
}

TEST_F(EmailForm, AFailedSendIsReportedAndTheUserCanGoOn) {
    struct Case {
        QByteArray script;
        QString reason;
    };
    const Case cases[] = {
        {"#!/bin/sh\necho 'relay refused' >&2; exit 75",
         "The mail program reported an error (exit status 75).\nrelay refused"},
        {"#!/no/such/shell", "The mail program " + path("sendmail") + " could not be started."},
        {"#!/bin/sh\nexec sleep 10", "The mail program did not finish in time and was stopped."},
    };
    form<platform::MailService>().timeout_ms = 300;
    for (const Case& k : cases) {
        use_program(k.script);
        msgs.expect(kFailed + k.reason, platform::vbOK, 48, "Email Error");
        comment([](Controls& c) {
            type_message(c.txtMessage, "hello");
            click(c.cmdSend);
            EXPECT_TRUE(form<frmEmail>().is_shown());
            EXPECT_EQ(c.txtMessage->toPlainText(), "hello");
            click(c.cmdCancel);
        });
    }
    EXPECT_FALSE(app_->ended());
    EXPECT_TRUE(form<frmOVRA>().is_loaded());
}

TEST_F(EmailForm, LineBreaksInTheSubjectAddNoHeaderAndABadRecipientIsRefused) {
    mail_to("friend@home.example", [](Controls& c) {
        c.txtSubject->setText("Hello\r\nBcc: evil@x.example\nX-Extra: 1");
        type_message(c.txtMessage, "hi");
        click(c.cmdSend);
    });
    ASSERT_EQ(smtp.mails().size(), 1u);
    EXPECT_EQ(smtp.mails()[0].recipients.join(" ").toStdString(), "friend@home.example");
    const QStringList h = headers(smtp.mails()[0]);
    EXPECT_TRUE(h.contains("Subject: Hello Bcc: evil@x.example X-Extra: 1"));
    EXPECT_TRUE(h.filter(QRegularExpression("^(Bcc|X-Extra):")).isEmpty());

    const std::pair<QString, QString> refused[] = {
        {"friend@home.example\nBcc: evil@x.example",
         "The recipient address holds a line break or another control character."},
        {" ", "There is no recipient address."},
    };
    for (const auto& [address, reason] : refused) {
        msgs.expect(kFailed + reason, platform::vbOK, 48, "Email Error");
        mail_to(address, [](Controls& c) {
            type_message(c.txtMessage, "hi");
            click(c.cmdSend);
            click(c.cmdCancel);
        });
    }
    EXPECT_EQ(smtp.mails().size(), 1u);
}

// Undoes RFC 2047 B words, each on its own as a mail reader does.
QString decode_words(const QString& header) {
    static const QRegularExpression word("=\\?UTF-8\\?B\\?([^?]*)\\?=");
    QString text;
    for (const auto& m : word.globalMatch(header))
        text += QString::fromUtf8(QByteArray::fromBase64(m.captured(1).toLatin1()));
    return text;
}

TEST_F(EmailForm, ANonAsciiSubjectAndOverlongLinesTravelEncodedAndArriveWhole) {
    const QString subject = QString(30, QChar(0xE4)) + QString::fromUtf8(" für 𝄞 Grüße =?x?= end");
    const QString line =
        QString::fromUtf8("Ein sehr langer Absatz = mit Umlauten äöü. ").repeated(40);
    mail_to("friend@home.example", [&](Controls& c) {
        c.txtSubject->setText(subject);
        c.txtMessage->setPlainText(line + "\nshort");
        click(c.cmdSend);
    });
    const auto mails = smtp.mails();
    ASSERT_EQ(mails.size(), 1u);
    const auto& mail = mails[0];
    const QStringList h = headers(mail);
    const int at = h.indexOf(QRegularExpression("Subject: .*"));
    ASSERT_GE(at, 0);
    QString folded = h[at];
    for (int n = at + 1; n < h.size() && h[n].startsWith(' '); ++n) folded += h[n];
    EXPECT_EQ(decode_words(folded).toStdString(), subject.toStdString());
    EXPECT_TRUE(h.contains("Content-Transfer-Encoding: quoted-printable"));
    for (const QByteArray& l : mail.data.split('\n')) EXPECT_LE(l.size(), 77) << l.toStdString();
    // Quoted-printable: soft line breaks "=" CR LF, other bytes "=XX".
    EXPECT_EQ(QByteArray::fromPercentEncoding(body(mail).replace("=\r\n", ""), '=').toStdString(),
              (line + "\r\nshort\r\n").toStdString());
}

}  // namespace
