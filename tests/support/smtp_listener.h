#pragma once

#include <QByteArray>
#include <QStringList>
#include <atomic>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace testing_support {

// A small SMTP server on 127.0.0.1 that accepts every message and keeps it. It runs on a
// thread of its own, because the program waits for the mail program without an event loop.
class SmtpListener {
public:
    struct Mail {
        QStringList recipients;  // RCPT TO, in order
        QByteArray data;         // what came after DATA, dots unstuffed, CR LF kept
    };

    SmtpListener();
    ~SmtpListener();
    SmtpListener(const SmtpListener&) = delete;
    SmtpListener& operator=(const SmtpListener&) = delete;

    quint16 port() const { return port_; }
    std::vector<Mail> mails() const;

private:
    void serve(std::promise<quint16>* ready);

    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::vector<Mail> mails_;
    std::thread thread_;
};

}  // namespace testing_support
