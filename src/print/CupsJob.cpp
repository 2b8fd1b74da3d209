#include "print/CupsJob.h"
#include "print/JobFollowUp.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <QFile>
#include <cmath>
#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

namespace zentrope {

namespace {

// "envelope-feeder" -> "Envelope feeder".
QString readableKeyword(const QString &keyword)
{
    QString text = keyword;
    text.replace(QLatin1Char('-'), QLatin1Char(' '));
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// The PPD interface is deprecated in libcups 2 but is still the one way to
// read a queue's PPD options, which CUPS keeps for every queue it drives.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
QList<PaperSource> ppdSources(const QByteArray &queue)
{
    QList<PaperSource> sources;
    const char *file = cupsGetPPD(queue.constData());
    if (!file)
        return sources;
    const QByteArray path(file);
    if (ppd_file_t *ppd = ppdOpenFile(path.constData())) {
        if (ppd_option_t *slot = ppdFindOption(ppd, "InputSlot")) {
            for (int i = 0; i < slot->num_choices; ++i) {
                const ppd_choice_t &c = slot->choices[i];
                sources.append({QString::fromUtf8(c.choice), QString::fromUtf8(*c.text ? c.text : c.choice),
                                QStringLiteral("InputSlot"), QString()});
            }
        }
        // Some drivers (Brother's among them) have the manual slot as a
        // Boolean of its own, beside or instead of an InputSlot choice.
        ppd_option_t *manual = ppdFindOption(ppd, "ManualFeed");
        if (manual && manual->ui == PPD_UI_BOOLEAN && ppdFindChoice(manual, "True")) {
            const QString text = QString::fromUtf8(*manual->text ? manual->text : manual->keyword);
            sources.append({QLatin1String(ManualFeedSource), text, QStringLiteral("ManualFeed"),
                            QStringLiteral("True")});
        }
        ppdClose(ppd);
    }
    ::unlink(path.constData());
    return sources;
}
#pragma GCC diagnostic pop

QList<PaperSource> ippSources(const QByteArray &queue, const QByteArray &instance)
{
    QList<PaperSource> sources;
    cups_dest_t *dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return sources;
    if (cups_dinfo_t *info = cupsCopyDestInfo(CUPS_HTTP_DEFAULT, dest)) {
        if (ipp_attribute_t *a = cupsFindDestSupported(CUPS_HTTP_DEFAULT, dest, info, "media-source")) {
            for (int i = 0; i < ippGetCount(a); ++i) {
                const QString name = QString::fromUtf8(ippGetString(a, i, nullptr));
                if (!name.isEmpty())
                    sources.append({name, readableKeyword(name), QStringLiteral("media-source"), QString()});
            }
        }
        cupsFreeDestInfo(info);
    }
    cupsFreeDests(1, dest);
    return sources;
}

bool governedByTheProgram(const QString &option)
{
    static const char *const names[] = {
        "media",       "media-col",       "PageSize", "PageRegion", "landscape",    "orientation-requested",
        "ManualFeed",  "sides",           "Duplex",   "InputSlot",  "media-source", "print-scaling",
        "fit-to-page", "fitplot",         "scaling",  "copies",     "Collate",      "page-ranges",
        "number-up",   "print-color-mode"};
    for (const char *name : names)
        if (option.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

QString cupsMessage()
{
    return QString::fromUtf8(cupsLastErrorString());
}

} // namespace

QList<PaperSource> PrinterPaperSources(const QString &printer)
{
    const auto [queue, instance] = QueueAndInstance(printer);
    if (queue.isEmpty())
        return {};
    QList<PaperSource> sources = ppdSources(queue);
    if (sources.isEmpty())
        sources = ippSources(queue, instance);
    return sources;
}

QString PaperSourceOption(const QList<PaperSource> &sources, const QString &name)
{
    for (const PaperSource &s : sources)
        if (s.Name == name)
            return s.Option;
    return QStringLiteral("InputSlot");
}

QString PaperSourceValue(const QList<PaperSource> &sources, const QString &name)
{
    for (const PaperSource &s : sources)
        if (s.Name == name && !s.Value.isEmpty())
            return s.Value;
    return name;
}

QString PwgPaperName(const QSizeF &millimetres)
{
    const int width = static_cast<int>(std::lround(millimetres.width() * 100));
    const int length = static_cast<int>(std::lround(millimetres.height() * 100));
    if (width <= 0 || length <= 0)
        return {};
    pwg_media_t *media = pwgMediaForSize(std::min(width, length), std::max(width, length));
    return media && media->pwg ? QString::fromUtf8(media->pwg) : QString();
}

JobOptions FeedJobOptions(const QStringList &dialogOptions, const QString &media, const QString &sourceOption,
                          const QString &source, bool monochrome)
{
    JobOptions options;
    for (qsizetype i = 0; i + 1 < dialogOptions.size(); i += 2)
        if (!governedByTheProgram(dialogOptions[i]))
            options.append({dialogOptions[i], dialogOptions[i + 1]});
    if (!media.isEmpty())
        options.append({QStringLiteral("media"), media});
    options.append({QStringLiteral("orientation-requested"), QStringLiteral("3")});
    options.append({QStringLiteral("print-scaling"), QStringLiteral("none")});
    options.append({QStringLiteral("fit-to-page"), QStringLiteral("false")});
    options.append({QStringLiteral("sides"), QStringLiteral("one-sided")});
    if (!source.isEmpty())
        options.append({sourceOption.isEmpty() ? QStringLiteral("InputSlot") : sourceOption, source});
    if (monochrome)
        options.append({QStringLiteral("print-color-mode"), QStringLiteral("monochrome")});
    return options;
}

std::pair<QByteArray, QByteArray> QueueAndInstance(const QString &printer)
{
    const qsizetype slash = printer.indexOf(QLatin1Char('/'));
    if (slash < 0)
        return {printer.toLocal8Bit(), QByteArray()};
    return {printer.left(slash).toLocal8Bit(), printer.mid(slash + 1).toLocal8Bit()};
}

int SubmitPdfJob(const QString &printer, const QString &title, const QString &pdfFile,
                 const JobOptions &options)
{
    const auto [queue, instance] = QueueAndInstance(printer);
    const QString failed = QCoreApplication::translate("zentrope::CupsJob", "Printing on %1 failed: %2");
    QFile file(pdfFile);
    if (!file.open(QIODevice::ReadOnly))
        throw ZentropeError(failed.arg(printer, file.errorString()));

    cups_option_t *list = nullptr;
    int count = 0;
    for (const auto &[name, value] : options)
        count = cupsAddOption(name.toUtf8().constData(), value.toUtf8().constData(), count, &list);
    const QByteArray name = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), name.constData(), count, list);
    cupsFreeOptions(count, list);
    if (job <= 0) {
        // A queue that rejects jobs gives its reason in its state message.
        const QString error = cupsMessage();
        const JobOutcome refused = FollowJob(printer, 0, 0);
        throw ZentropeError(JobRefusedMessage(printer, refused.Reason.isEmpty() ? error : refused.Reason));
    }

    const auto fail = [&](const QString &why) {
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        return ZentropeError(failed.arg(printer, why));
    };
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, name.constData(), CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        throw fail(cupsMessage());
    bool sent = true;
    while (sent && !file.atEnd()) {
        const QByteArray chunk = file.read(64 * 1024);
        sent = !chunk.isEmpty() && cupsWriteRequestData(CUPS_HTTP_DEFAULT, chunk.constData(),
                                                        size_t(chunk.size())) == HTTP_STATUS_CONTINUE;
    }
    const QString readError = file.error() != QFileDevice::NoError ? file.errorString() : QString();
    // The request is finished either way, so the server's answer is read; a
    // job that did not arrive whole is cancelled.
    const ipp_status_t status = cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData());
    if (!sent || status > IPP_STATUS_OK_CONFLICTING)
        throw fail(!readError.isEmpty() ? readError : cupsMessage());
    return job;
}

} // namespace zentrope
