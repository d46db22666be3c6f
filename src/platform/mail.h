#pragma once

#include <QString>

namespace platform {

// The mail service of this platform: the system's mail submission program, which queues or
// relays what it is given. Run state, so tests can point it at a program of their own.
struct MailService {
    QString program = QStringLiteral("/usr/sbin/sendmail");
    // How long one send may take before it counts as failed.
    int timeout_ms = 30000;
};

// One plain-text message.
struct MailMessage {
    QString recipient;
    QString subject;
    QString note_text;
};

// A session with the mail service. Signing on finds the program; sending hands it one
// message without any dialog. Failures raise VbError (kErrMail...), described for the user.
class MailSession {
public:
    void sign_on();
    void sign_off();
    bool signed_on() const { return !program_.isEmpty(); }
    void send(const MailMessage& message) const;

private:
    QString program_;
};

}  // namespace platform
