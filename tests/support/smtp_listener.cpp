#include "smtp_listener.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <future>

namespace testing_support {

namespace {

// One line with its CR LF, or empty when the client went quiet or away.
QByteArray read_line(QTcpSocket& socket) {
    while (!socket.canReadLine())
        if (!socket.waitForReadyRead(5000)) return {};
    return socket.readLine();
}

void reply(QTcpSocket& socket, const char* text) {
    socket.write(text);
    socket.write("\r\n");
    socket.waitForBytesWritten(5000);
}

}  // namespace

SmtpListener::SmtpListener() {
    std::promise<quint16> ready;
    std::future<quint16> port = ready.get_future();
    thread_ = std::thread([this, &ready] { serve(&ready); });
    port_ = port.get();
}

SmtpListener::~SmtpListener() {
    stop_ = true;
    thread_.join();
}

std::vector<SmtpListener::Mail> SmtpListener::mails() const {
    std::lock_guard lock(mutex_);
    return mails_;
}

void SmtpListener::serve(std::promise<quint16>* ready) {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    ready->set_value(server.serverPort());
    while (!stop_) {
        if (!server.waitForNewConnection(20)) continue;
        std::unique_ptr<QTcpSocket> socket(server.nextPendingConnection());
        reply(*socket, "220 localhost ESMTP");
        Mail mail;
        for (QByteArray line = read_line(*socket); !line.isEmpty(); line = read_line(*socket)) {
            const QByteArray command = line.trimmed().toUpper();
            if (command.startsWith("QUIT")) {
                reply(*socket, "221 bye");
                break;
            }
            if (command.startsWith("RCPT TO:")) {
                const QByteArray to = line.trimmed().mid(8).trimmed();
                mail.recipients << QString::fromUtf8(to.mid(1, to.size() - 2));
            }
            if (command == "DATA") {
                reply(*socket, "354 go on");
                for (QByteArray data = read_line(*socket); data != ".\r\n" && !data.isEmpty();
                     data = read_line(*socket))
                    mail.data += data.startsWith('.') ? data.mid(1) : data;
                {
                    std::lock_guard lock(mutex_);
                    mails_.push_back(mail);
                }
                mail = {};
            }
            reply(*socket, "250 ok");
        }
    }
}

}  // namespace testing_support
