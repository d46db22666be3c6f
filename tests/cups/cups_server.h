#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace testing_support {

// A private CUPS server for one test program: cupsd with its own configuration, spool and
// socket in a temporary folder, and CUPS_SERVER pointing at it. Its queues are the generic PDF
// printer of cups-filters on a file: device, so each job's output is a PDF in that folder.
class CupsServer {
public:
    // Starts cupsd and waits until it answers; error() says why when it did not.
    CupsServer();
    // Stops cupsd.
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    QString error() const { return error_; }
    QString socket() const { return dir_.filePath(QStringLiteral("cups.sock")); }

    // Adds an enabled queue whose default paper is A4 and which fits pages to the paper unless
    // told otherwise; without letter, US Letter is not among its papers. False with error().
    bool add_queue(const QString& name, bool letter = true);
    // Runs a CUPS administration tool on this server (cupsdisable, cupsreject...).
    bool admin(const QString& tool, const QStringList& args);
    // The PDF the queue's last job came out as.
    QString output(const QString& queue) const;
    // Every job the queue was sent, whatever became of it.
    int jobs(const QString& queue);
    // Waits until the queue has no job left to print; true when every job it was sent came
    // out in time.
    bool printed(const QString& queue);

private:
    bool start();
    QString log() const;

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString error_;
};

}  // namespace testing_support
