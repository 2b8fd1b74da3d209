#include "print/JobFollowUp.h"

#include "print/CupsJob.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cups/cups.h>

namespace zentrope {

namespace {

// How often CUPS is asked while a job is followed.
constexpr int kPollInterval = 100;

QByteArray printerUri(const QByteArray &queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                    ("/printers/" + queue).constData());
    return QByteArray(uri);
}

QString text(ipp_t *response, const char *name)
{
    ipp_attribute_t *a = ippFindAttribute(response, name, IPP_TAG_ZERO);
    if (!a)
        return {};
    QStringList values;
    for (int i = 0; i < ippGetCount(a); ++i)
        if (const char *v = ippGetString(a, i, nullptr); v && *v && qstrcmp(v, "none") != 0)
            values << QString::fromUtf8(v);
    return values.join(QStringLiteral(", "));
}

// The first of the texts that says something.
QString firstOf(std::initializer_list<QString> texts)
{
    for (const QString &t : texts)
        if (!t.trimmed().isEmpty())
            return t.trimmed();
    return {};
}

QString lastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// Why a queue did not take a job: it rejects jobs, or CUPS cannot be reached.
QString queueReason(const QByteArray &queue)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 printerUri(queue).constData());
    static const char *const wanted[] = {"printer-is-accepting-jobs", "printer-state-message",
                                         "printer-state-reasons"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, wanted);
    ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
    if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
        ippDelete(response);
        return lastError();
    }
    QString reason =
        firstOf({text(response, "printer-state-message"), text(response, "printer-state-reasons")});
    ipp_attribute_t *accepting = ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN);
    if (reason.isEmpty() && accepting && !ippGetBoolean(accepting, 0))
        reason = QStringLiteral("not accepting jobs");
    ippDelete(response);
    return firstOf({reason, lastError()});
}

} // namespace

int NewestJob(const QString &printer)
{
    return JobAfter(printer, -1);
}

int JobAfter(const QString &printer, int after)
{
    cups_job_t *jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, QueueAndInstance(printer).first.constData(), 1,
                                   CUPS_WHICHJOBS_ALL);
    int found = 0;
    for (int i = 0; i < count; ++i) {
        if (after < 0)
            found = std::max(found, jobs[i].id);
        else if (jobs[i].id > after && (found == 0 || jobs[i].id < found))
            found = jobs[i].id;
    }
    cupsFreeJobs(count, jobs);
    return found;
}

JobOutcome FollowJob(const QString &printer, int job, int boundMs, const std::function<void(int)> &wait)
{
    const QByteArray queue = QueueAndInstance(printer).first;
    if (job <= 0)
        return {true, queueReason(queue)};
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        ipp_t *request = ippNewRequest(IPP_OP_GET_JOB_ATTRIBUTES);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                     printerUri(queue).constData());
        ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
        ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cupsUser());
        static const char *const wanted[] = {"job-state", "job-state-reasons", "job-state-message",
                                             "job-printer-state-message"};
        ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 4, nullptr,
                      wanted);
        ipp_t *response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
        if (!response || cupsLastError() > IPP_STATUS_OK_CONFLICTING) {
            // The job was taken; a server that no longer answers about it
            // leaves nothing more to learn.
            ippDelete(response);
            return {};
        }
        const auto state =
            ipp_jstate_t(ippGetInteger(ippFindAttribute(response, "job-state", IPP_TAG_ENUM), 0));
        JobOutcome outcome;
        if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
            outcome = {true, firstOf({text(response, "job-printer-state-message"),
                                      text(response, "job-state-message"),
                                      text(response, "job-state-reasons"), QStringLiteral("job canceled")})};
        ippDelete(response);
        if (outcome.Refused || state == IPP_JSTATE_COMPLETED || clock.hasExpired(boundMs))
            return outcome;
        const int pause =
            int(std::min<qint64>(kPollInterval, std::max<qint64>(1, boundMs - clock.elapsed())));
        if (wait)
            wait(pause);
        else
            QThread::msleep(pause);
    }
}

QString JobRefusedMessage(const QString &printer, const QString &reason)
{
    return QCoreApplication::translate("zentrope::JobFollowUp", "The printer %1 refused the job: %2")
        .arg(printer, reason);
}

} // namespace zentrope
