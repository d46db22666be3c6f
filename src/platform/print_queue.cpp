#include "print_queue.h"

#include <cups/cups.h>

#include <QFile>
#include <iterator>
#include <memory>

#include "errors.h"

namespace platform {

namespace {

// The IPP name of US Letter; PPD-based queues list it among their media too.
constexpr const char* kLetter = "na_letter_8.5x11in";

[[noreturn]] void refuse(const QString& queue, const QString& reason) {
    throw VbError(kErrPrinter,
                  QStringLiteral("The printer %1 could not print: %2.").arg(queue, reason));
}

// CUPS's own text for the last failure, without its closing full stop.
QString cups_error() {
    QString text = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

// "Office/draft" names an instance of the queue Office.
QByteArray queue_name(const QString& queue) {
    return queue.section(QLatin1Char('/'), 0, 0).toUtf8();
}

struct IppDeleter {
    void operator()(ipp_t* ipp) const { ippDelete(ipp); }
};

bool is_letter(const char* media) {
    return media && (qstrncmp(media, "na_letter_", 10) == 0 || qstricmp(media, "letter") == 0);
}

}  // namespace

void check_print_queue(const QString& queue) {
    const QByteArray name = queue_name(queue);
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-state", "printer-state-message",
                                         "printer-is-accepting-jobs", "media-supported"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(wanted)), nullptr, wanted);
    const std::unique_ptr<ipp_t, IppDeleter> reply(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (!reply)
        refuse(queue, QStringLiteral("the print server cannot be reached (%1)").arg(cups_error()));
    if (cupsLastError() == IPP_STATUS_ERROR_NOT_FOUND)
        refuse(queue, QStringLiteral("no such queue"));
    if (cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE) refuse(queue, cups_error());

    ipp_attribute_t* message = ippFindAttribute(reply.get(), "printer-state-message", IPP_TAG_TEXT);
    const QString why = message ? QString::fromUtf8(ippGetString(message, 0, nullptr)) : QString();
    auto with_why = [&why](const QString& reason) {
        return why.isEmpty() ? reason : QStringLiteral("%1 (%2)").arg(reason, why);
    };
    ipp_attribute_t* state = ippFindAttribute(reply.get(), "printer-state", IPP_TAG_ENUM);
    if (state && ippGetInteger(state, 0) == IPP_PSTATE_STOPPED)
        refuse(queue, with_why(QStringLiteral("the queue is stopped")));
    ipp_attribute_t* accepting =
        ippFindAttribute(reply.get(), "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (accepting && !ippGetBoolean(accepting, 0))
        refuse(queue, with_why(QStringLiteral("the queue is not accepting jobs")));
    // A queue that lists no media at all is left to take the job.
    if (ipp_attribute_t* media = ippFindAttribute(reply.get(), "media-supported", IPP_TAG_ZERO)) {
        bool letter = false;
        for (int i = 0; i < ippGetCount(media) && !letter; ++i)
            letter = is_letter(ippGetString(media, i, nullptr));
        if (!letter) refuse(queue, QStringLiteral("the queue cannot take US Letter paper"));
    }
}

void send_print_job(const QString& queue, const QString& pdf_file, const QString& title) {
    cups_option_t* options = nullptr;
    int count = cupsAddOption("media", kLetter, 0, &options);
    count = cupsAddOption("print-scaling", "none", count, &options);
    const int job = cupsPrintFile2(CUPS_HTTP_DEFAULT, queue_name(queue).constData(),
                                   QFile::encodeName(pdf_file).constData(),
                                   title.toUtf8().constData(), count, options);
    cupsFreeOptions(count, options);
    if (job == 0) refuse(queue, cups_error());
}

}  // namespace platform
