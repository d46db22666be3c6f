#include "mail.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

#include "application.h"
#include "errors.h"

namespace platform {

namespace {

// SMTP's hard limit on a line, without its line end.
constexpr int kMaxLineBytes = 998;

bool has_control_character(const QString& text) {
    for (const QChar ch : text)
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7F) return true;
    return false;
}

// RFC 2047 encoded words of at most 39 bytes each (52 base64 characters), split between
// characters, so every line of the header stays within 76 characters.
QByteArray encoded_words(const QString& text) {
    QList<QByteArray> words;
    QByteArray chunk;
    auto flush = [&] {
        if (!chunk.isEmpty()) words.append("=?UTF-8?B?" + chunk.toBase64() + "?=");
        chunk.clear();
    };
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype units = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QByteArray bytes = text.mid(i, units).toUtf8();
        i += units;
        if (chunk.size() + bytes.size() > 39) flush();
        chunk += bytes;
    }
    flush();
    return words.join("\n ");
}

QByteArray subject_header(const QString& subject) {
    // A subject is one line: a line break in it must not start a header of its own.
    static const QRegularExpression breaks(QStringLiteral("[\r\n]+"));
    const QString line = QString(subject).replace(breaks, QStringLiteral(" "));
    QByteArray header = "Subject: ";
    bool plain =
        header.size() + line.size() <= kMaxLineBytes && !line.contains(QLatin1String("=?"));
    for (const QChar ch : line)
        if (ch.unicode() < 0x20 || ch.unicode() > 0x7E) plain = false;
    return header + (plain ? line.toLatin1() : encoded_words(line));
}

// Quoted-printable (RFC 2045), for a body with lines too long to travel as they are.
QByteArray quoted_printable(const QByteArray& body) {
    static const char kHex[] = "0123456789ABCDEF";
    QByteArray out;
    const QList<QByteArray> lines = body.split('\n');
    for (qsizetype n = 0; n < lines.size(); ++n) {
        const QByteArray& line = lines[n];
        int column = 0;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const auto byte = static_cast<unsigned char>(line[i]);
            const bool last = i + 1 == line.size();
            QByteArray token;
            if ((byte >= 33 && byte <= 126 && byte != '=') ||
                ((byte == ' ' || byte == '\t') && !last)) {
                token = QByteArray(1, static_cast<char>(byte));
            } else {
                token = QByteArray("=") + kHex[byte >> 4] + kHex[byte & 15];
            }
            if (column + token.size() > 75) {
                out += "=\n";
                column = 0;
            }
            out += token;
            column += token.size();
        }
        if (n + 1 < lines.size()) out += '\n';
    }
    return out;
}

// The message as the submission program reads it: headers and body, LF line ends.
QByteArray compose_message(const MailMessage& message, const QDateTime& date) {
    if (message.recipient.trimmed().isEmpty())
        throw VbError(kErrMailUnknownRecipient, QStringLiteral("There is no recipient address."));
    if (has_control_character(message.recipient))
        throw VbError(kErrMailUnknownRecipient,
                      QStringLiteral("The recipient address holds a line break or another control "
                                     "character."));

    QString text = message.note_text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (!text.endsWith(QLatin1Char('\n'))) text += QLatin1Char('\n');
    QByteArray body = text.toUtf8();

    bool ascii = true;
    for (const char c : body)
        if (static_cast<unsigned char>(c) >= 0x80) ascii = false;
    bool long_lines = false;
    for (const QByteArray& line : body.split('\n'))
        if (line.size() > kMaxLineBytes) long_lines = true;
    QByteArray encoding = ascii ? "7bit" : "8bit";
    if (long_lines) {
        body = quoted_printable(body);
        encoding = "quoted-printable";
    }

    QByteArray out;
    out += "To: " + message.recipient.toUtf8() + '\n';
    out += subject_header(message.subject) + '\n';
    out += "Date: " + date.toString(Qt::RFC2822Date).toLatin1() + '\n';
    out += "MIME-Version: 1.0\n";
    out += "Content-Type: text/plain; charset=UTF-8\n";
    out += "Content-Transfer-Encoding: " + encoding + '\n';
    out += '\n';
    out += body;
    return out;
}

}  // namespace

void MailSession::sign_on() {
    const QString program = form<MailService>().program;
    const QFileInfo info(program);
    if (!info.isFile() || !info.isExecutable())
        throw VbError(kErrMailLoginFailure,
                      QStringLiteral("There is no mail program at %1.").arg(program));
    program_ = program;
}

void MailSession::sign_off() {
    program_.clear();
}

void MailSession::send(const MailMessage& message) const {
    if (!signed_on())
        throw VbError(kErrMailFailure, QStringLiteral("The mail service is not signed on."));
    const QByteArray bytes = compose_message(message, QDateTime::currentDateTime());

    const QDeadlineTimer deadline(form<MailService>().timeout_ms);
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    // -t: the recipients are those of the To header; -i: a line of one dot is text.
    process.start(program_, {QStringLiteral("-t"), QStringLiteral("-i")});
    if (!process.waitForStarted(static_cast<int>(deadline.remainingTime())))
        throw VbError(kErrMailFailure,
                      QStringLiteral("The mail program %1 could not be started.").arg(program_));
    process.write(bytes);
    process.closeWriteChannel();
    if (!process.waitForFinished(static_cast<int>(deadline.remainingTime()))) {
        process.kill();
        process.waitForFinished(1000);
        throw VbError(kErrMailFailure,
                      QStringLiteral("The mail program did not finish in time and was stopped."));
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        QString text = process.exitStatus() == QProcess::NormalExit
                           ? QStringLiteral("The mail program reported an error (exit status %1).")
                                 .arg(process.exitCode())
                           : QStringLiteral("The mail program stopped before it finished.");
        const QString said = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        if (!said.isEmpty()) text += QLatin1Char('\n') + said.left(500);
        throw VbError(kErrMailFailure, text);
    }
}

}  // namespace platform
