#include "cups_server.h"

#include <cups/cups.h>
#include <signal.h>
#include <sys/prctl.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

namespace testing_support {

namespace {

const QString kGenericPdfPrinter =
    QStringLiteral("/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd");

bool write_text(const QString& path, const QString& text) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same printer with A4 for its defaults and no US Letter among its papers.
QString without_letter(const QString& ppd) {
    static const QRegularExpression letter_size(
        QStringLiteral(R"(^\*(PageSize|PageRegion|ImageableArea|PaperDimension) Letter)"));
    static const QRegularExpression letter_default(QStringLiteral(
        R"(^(\*Default(PageSize|PageRegion|ImageableArea|PaperDimension)): Letter)"));
    QStringList kept;
    for (QString line : ppd.split(QLatin1Char('\n'))) {
        if (letter_size.match(line).hasMatch()) continue;
        kept << line.replace(letter_default, QStringLiteral("\\1: A4"));
    }
    return kept.join(QLatin1Char('\n'));
}

}  // namespace

CupsServer::CupsServer() {
    if (!start()) cupsd_.kill();
}

CupsServer::~CupsServer() {
    if (cupsd_.state() == QProcess::NotRunning) return;
    cupsd_.terminate();
    if (!cupsd_.waitForFinished(5000)) {
        cupsd_.kill();
        cupsd_.waitForFinished(1000);
    }
}

bool CupsServer::start() {
    const QString cupsd = QStringLiteral("/usr/sbin/cupsd");
    if (!QFile::exists(cupsd)) {
        error_ = QStringLiteral("%1 is missing: install the Debian package cups").arg(cupsd);
        return false;
    }
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder for cupsd");
        return false;
    }
    // Under root the filters run as lp: they must reach the spool below this folder.
    QFile::setPermissions(dir_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                           QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther |
                                           QFile::ExeOther);
    const QDir root(dir_.path());
    for (const char* sub : {"conf", "spool/tmp", "cache", "state", "log", "out"})
        root.mkpath(QString::fromLatin1(sub));
    const QString conf = root.filePath(QStringLiteral("conf/cupsd.conf"));
    const QString files = root.filePath(QStringLiteral("conf/cups-files.conf"));
    // Only this socket: no network port, no browsing, anybody may administer.
    const bool written =
        write_text(conf, QStringLiteral("Listen %1\n"
                                        "LogLevel warn\n"
                                        "Browsing No\n"
                                        "WebInterface No\n"
                                        "DefaultAuthType None\n"
                                        "<Location />\n  Order allow,deny\n  Allow all\n"
                                        "</Location>\n"
                                        "<Policy default>\n  <Limit All>\n    Order deny,allow\n"
                                        "  </Limit>\n</Policy>\n")
                             .arg(socket())) &&
        write_text(files, QStringLiteral("FileDevice Yes\n"
                                         "ServerRoot %1/conf\n"
                                         "RequestRoot %1/spool\n"
                                         "TempDir %1/spool/tmp\n"
                                         "CacheDir %1/cache\n"
                                         "StateDir %1/state\n"
                                         "Printcap %1/state/printcap\n"
                                         "AccessLog %1/log/access_log\n"
                                         "ErrorLog %1/log/error_log\n"
                                         "PageLog %1/log/page_log\n")
                              .arg(dir_.path()));
    if (!written) {
        error_ = QStringLiteral("cannot write the cupsd configuration in %1").arg(dir_.path());
        return false;
    }

    // This process and the tools it runs talk to this server only.
    qputenv("CUPS_SERVER", QFile::encodeName(socket()));
    cupsSetServer(QFile::encodeName(socket()).constData());

    cupsd_.setProgram(cupsd);
    cupsd_.setArguments(
        {QStringLiteral("-f"), QStringLiteral("-c"), conf, QStringLiteral("-s"), files});
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    // cupsd ends with the test program, however that ends.
    cupsd_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
    cupsd_.start();
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired()) {
        if (cupsd_.waitForFinished(20) || cupsd_.state() == QProcess::NotRunning) {
            error_ =
                QStringLiteral("cupsd did not start: %1 %2")
                    .arg(cupsd_.errorString(), QString::fromLocal8Bit(cupsd_.readAll()) + log());
            return false;
        }
        if (http_t* http = httpConnect2(QFile::encodeName(socket()).constData(), 0, nullptr,
                                        AF_UNSPEC, HTTP_ENCRYPTION_NEVER, 1, 1000, nullptr)) {
            httpClose(http);
            return true;
        }
    }
    error_ = QStringLiteral("cupsd did not answer on %1 within 15 s%2").arg(socket(), log());
    return false;
}

QString CupsServer::log() const {
    QFile file(dir_.filePath(QStringLiteral("log/error_log")));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QStringLiteral("\ncupsd's log:\n") + QString::fromLocal8Bit(file.readAll());
}

bool CupsServer::admin(const QString& tool, const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("/usr/sbin/") + tool, args);
    if (p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return true;
    error_ = QStringLiteral("%1 %2 failed: %3 %4")
                 .arg(tool, args.join(QLatin1Char(' ')), p.errorString(),
                      QString::fromLocal8Bit(p.readAll()));
    return false;
}

bool CupsServer::add_queue(const QString& name, bool letter) {
    QString ppd = kGenericPdfPrinter;
    QFile generic(ppd);
    if (!generic.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("%1 is missing: install the Debian package cups-filters").arg(ppd);
        return false;
    }
    if (!letter) {
        ppd = dir_.filePath(name + QStringLiteral(".ppd"));
        if (!write_text(ppd, without_letter(QString::fromUtf8(generic.readAll())))) {
            error_ = QStringLiteral("cannot write %1").arg(ppd);
            return false;
        }
    }
    return admin(QStringLiteral("lpadmin"),
                 {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                  QStringLiteral("file://") + output(name), QStringLiteral("-P"), ppd,
                  QStringLiteral("-o"), QStringLiteral("PageSize=A4"), QStringLiteral("-o"),
                  QStringLiteral("print-scaling-default=fit")});
}

QString CupsServer::output(const QString& queue) const {
    return dir_.filePath(QStringLiteral("out/%1.pdf").arg(queue));
}

int CupsServer::jobs(const QString& queue) {
    cups_job_t* list = nullptr;
    const int count =
        cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, queue.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    cupsFreeJobs(count, list);
    return count;
}

bool CupsServer::printed(const QString& queue) {
    const QDeadlineTimer deadline(30000);
    for (;;) {
        cups_job_t* list = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &list, queue.toUtf8().constData(), 0,
                                       CUPS_WHICHJOBS_ALL);
        bool waiting = count < 0, failed = false;
        for (int i = 0; i < count; ++i) {
            waiting = waiting || list[i].state < IPP_JSTATE_CANCELED;
            failed = failed || list[i].state == IPP_JSTATE_CANCELED ||
                     list[i].state == IPP_JSTATE_ABORTED;
        }
        cupsFreeJobs(count, list);
        if (!waiting && !failed) return true;
        if (failed || deadline.hasExpired()) {
            error_ = QStringLiteral("a job on %1 did not print%2").arg(queue, log());
            return false;
        }
        QThread::msleep(50);
    }
}

}  // namespace testing_support
