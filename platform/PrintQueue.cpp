#include "platform/PrintQueue.h"

#include "platform/CupsClient.h"
#include "platform/Error.h"
#include "platform/Messages.h"

#include <initializer_list>
#include <memory>
#include <optional>

namespace platform {
namespace {

struct IppDelete {
    void operator()(ipp_t* ipp) const { cupsClient().ippDelete(ipp); }
};
using IppMessage = std::unique_ptr<ipp_t, IppDelete>;

// The print system's client for a job on `queue`; every helper below then finds it loaded.
const CupsClient& clientFor(const QString& queue)
{
    try {
        return cupsClient();
    } catch (const Error& error) {
        throw Error(messages::cannotPrint(queue, error.message()));
    }
}

QString lastCupsError()
{
    const CupsClient& cups = cupsClient();
    return QString::fromUtf8(cups.cupsLastErrorString());
}

// The options of `queue` saved with lpoptions (server defaults apply on their own), then `options`.
int jobOptions(const QByteArray& queue, const QByteArray& instance, const QList<PrintOption>& options,
               cups_option_t** result)
{
    const CupsClient& cups = cupsClient();
    int count = 0;
    if (cups_dest_t* dest = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                                  instance.isEmpty() ? nullptr : instance.constData())) {
        for (int i = 0; i < dest->num_options; ++i)
            count = cups.cupsAddOption(dest->options[i].name, dest->options[i].value, count, result);
        cups.cupsFreeDests(1, dest);
    }
    for (const PrintOption& option : options)
        count = cups.cupsAddOption(option.first.toUtf8().constData(), option.second.toUtf8().constData(),
                                   count, result);
    return count;
}

bool sendDocument(const QByteArray& queue, int id, const QByteArray& title, const QByteArray& pdf)
{
    const CupsClient& cups = cupsClient();
    return cups.cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), id, title.constData(),
                                  CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE &&
           cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(), static_cast<size_t>(pdf.size())) ==
               HTTP_STATUS_CONTINUE &&
           cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) == IPP_STATUS_OK;
}

// Asks the print system for `wanted` attributes of the object at `uri` (a job or a printer).
IppMessage attributes(ipp_op_t operation, const char* uriName, const QByteArray& uri,
                      std::initializer_list<const char*> wanted)
{
    const CupsClient& cups = cupsClient();
    ipp_t* request = cups.ippNewRequest(operation);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, uriName, nullptr, uri.constData());
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr,
                      cups.cupsUser());
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(wanted.size()), nullptr, wanted.begin());
    IppMessage response(cups.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
    if (response && cups.ippGetStatusCode(response.get()) >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        response.reset();
    return response;
}

QByteArray localUri(const char* resource, const QByteArray& name)
{
    const CupsClient& cups = cupsClient();
    char uri[HTTP_MAX_URI];
    cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", cups.ippPort(),
                          resource, name.constData());
    return uri;
}

int enumValue(ipp_t* message, const char* name)
{
    const CupsClient& cups = cupsClient();
    ipp_attribute_t* attribute = cups.ippFindAttribute(message, name, IPP_TAG_ENUM);
    return attribute ? cups.ippGetInteger(attribute, 0) : 0;
}

QStringList keywords(ipp_t* message, const char* name)
{
    const CupsClient& cups = cupsClient();
    QStringList values;
    if (ipp_attribute_t* attribute = cups.ippFindAttribute(message, name, IPP_TAG_KEYWORD))
        for (int i = 0; i < cups.ippGetCount(attribute); ++i)
            values << QString::fromUtf8(cups.ippGetString(attribute, i, nullptr));
    return values;
}

QString text(ipp_t* message, const char* name)
{
    const CupsClient& cups = cupsClient();
    ipp_attribute_t* attribute = cups.ippFindAttribute(message, name, IPP_TAG_TEXT);
    return attribute ? QString::fromUtf8(cups.ippGetString(attribute, 0, nullptr)).trimmed() : QString();
}

// A job waiting on a stopped printer (paused, or stopped by a failed job under the default error
// policy) will not print until someone starts the printer again. Empty while the printer works.
std::optional<QString> stoppedPrinterMessage(const QString& queue)
{
    const IppMessage printer = attributes(IPP_OP_GET_PRINTER_ATTRIBUTES, "printer-uri",
                                          localUri("/printers/%s", queue.section(u'/', 0, 0).toUtf8()),
                                          {"printer-state", "printer-state-message"});
    if (!printer || enumValue(printer.get(), "printer-state") != IPP_PSTATE_STOPPED) return std::nullopt;
    return text(printer.get(), "printer-state-message");
}

struct ReasonText {
    const char* keyword;
    const char* meaning;
};

// State reasons that say more than the job's end does.
constexpr ReasonText KnownReasons[] = {
    {"job-canceled-at-device", "The printer cancelled the job."},
    {"job-canceled-by-operator", "The print system's operator cancelled the job."},
    {"aborted-by-system", "The print system aborted the job."},
    {"document-format-error", "The printer could not read the document."},
    {"document-unprintable-error", "The printer could not print the document."},
};

QString endText(JobEnd end)
{
    switch (end) {
    case JobEnd::Cancelled:
        return QStringLiteral("The job was cancelled.");
    case JobEnd::Aborted:
        return QStringLiteral("The print system aborted the job.");
    case JobEnd::Stopped:
        return QStringLiteral("The job was stopped.");
    case JobEnd::PrinterStopped:
        return QStringLiteral(
            "The printer is stopped; the job waits in its queue until the printer is started "
            "again.");
    }
    return {};
}

} // namespace

PrintJob submitPdfJob(const QString& queue, const QString& title, const QByteArray& pdf,
                      const QList<PrintOption>& options)
{
    const CupsClient& cups = clientFor(queue);
    // A job goes to the queue; an instance ("queue/instance") only lends its saved options.
    const QByteArray destination = queue.section(u'/', 0, 0).toUtf8();
    const QByteArray instance = queue.section(u'/', 1).toUtf8();
    const QByteArray name = title.toUtf8();

    cups_option_t* cupsOptions = nullptr;
    const int optionCount = jobOptions(destination, instance, options, &cupsOptions);
    const int id = cups.cupsCreateJob(CUPS_HTTP_DEFAULT, destination.constData(), name.constData(),
                                      optionCount, cupsOptions);
    cups.cupsFreeOptions(optionCount, cupsOptions);
    if (id == 0) throw Error(messages::cannotPrint(queue, lastCupsError()));

    if (!sendDocument(destination, id, name, pdf)) {
        const QString reason = lastCupsError();
        cups.cupsCancelJob2(CUPS_HTTP_DEFAULT, destination.constData(), id, 0);
        throw Error(messages::cannotPrint(queue, reason));
    }
    return {queue, title, id};
}

JobState printJobState(const PrintJob& job)
{
    try {
        cupsClient();
    } catch (const Error&) {
        return {}; // the print system cannot be asked
    }
    const IppMessage response =
        attributes(IPP_OP_GET_JOB_ATTRIBUTES, "job-uri", localUri("/jobs/%s", QByteArray::number(job.id)),
                   {"job-state", "job-state-reasons", "job-printer-state-message"});
    if (!response) return {};
    const auto failed = [&response](JobEnd end) {
        return JobState{JobProgress::Failed,
                        failureReason(end, keywords(response.get(), "job-state-reasons"),
                                      text(response.get(), "job-printer-state-message"))};
    };
    switch (enumValue(response.get(), "job-state")) {
    case IPP_JSTATE_PENDING:
    case IPP_JSTATE_HELD:
    case IPP_JSTATE_PROCESSING:
        if (const std::optional<QString> message = stoppedPrinterMessage(job.queue))
            return {JobProgress::Failed, failureReason(JobEnd::PrinterStopped, {}, *message)};
        return {JobProgress::Waiting, {}};
    case IPP_JSTATE_STOPPED:
        return failed(JobEnd::Stopped);
    case IPP_JSTATE_CANCELED:
        return failed(JobEnd::Cancelled);
    case IPP_JSTATE_ABORTED:
        return failed(JobEnd::Aborted);
    case IPP_JSTATE_COMPLETED:
        return {JobProgress::Printed, {}};
    default:
        return {};
    }
}

QString failureReason(JobEnd end, const QStringList& stateReasons, const QString& printerMessage)
{
    QString reason = endText(end);
    for (const ReasonText& known : KnownReasons)
        if (stateReasons.contains(QLatin1String(known.keyword))) {
            reason = QString::fromLatin1(known.meaning);
            break;
        }
    return printerMessage.isEmpty() ? reason : reason + u' ' + printerMessage;
}

} // namespace platform
