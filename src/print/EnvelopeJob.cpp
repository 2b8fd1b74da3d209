#include "print/EnvelopeJob.h"

#include "core/Error.h"
#include "core/WholeFileWriter.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/StandardEnvelopes.h"
#include "print/CupsJob.h"
#include "print/JobFollowUp.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
#include "print/QueueMedia.h"
#include "print/page/FeedGeometry.h"
#include "print/page/PageGeometry.h"

#include <QCoreApplication>
#include <QDir>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <algorithm>
#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zentrope {

namespace {

// Every page allocates and frees a few hundred kilobytes (the PDF engine's
// buffers and compression streams). With glibc's default thresholds each
// page ends by trimming the top of the heap and the next one faults the same
// memory back in from the kernel. Measured on 2,560 envelopes to PDF (logo,
// return address, bar codes): 430 ms CPU with the defaults, 260 ms with
// these, the same pages and 34 MiB peak instead of 33. The job's allocator
// settings apply while the job runs; the defaults come back after it and the
// heap is trimmed once.
class JobHeap {
public:
    JobHeap()
    {
#ifdef __GLIBC__
        mallopt(M_TOP_PAD, 16 << 20);
        mallopt(M_TRIM_THRESHOLD, 64 << 20);
        // glibc's upper limit on 64-bit systems.
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
    }
    ~JobHeap()
    {
#ifdef __GLIBC__
        // glibc's documented defaults.
        mallopt(M_TOP_PAD, 128 << 10);
        mallopt(M_TRIM_THRESHOLD, 128 << 10);
        mallopt(M_MMAP_THRESHOLD, 128 << 10);
        malloc_trim(0);
#endif
    }
    JobHeap(const JobHeap &) = delete;
    JobHeap &operator=(const JobHeap &) = delete;
};

// The plan's envelopes that the list has.
std::vector<int> listed(const JobPlan &plan, const EnvelopeList &envelopes)
{
    std::vector<int> kept;
    for (const int e : plan.Envelopes)
        if (e >= 1 && e <= envelopes.EnvelopeCount())
            kept.push_back(e);
    return kept;
}

// Walks the plan, copy by copy as the monitor allows; paint lays out one page
// (told whether it is the document's first). Returns the pages produced.
template <typename Paint>
int walk(const std::vector<int> &chosen, int copies, const EnvelopeList &envelopes, const JobMonitor &monitor,
         Paint paint)
{
    int pages = 0;
    for (const int e : chosen) {
        const QStringList lines = envelopes.Envelope(e);
        for (int c = 1; c <= copies; ++c) {
            if (monitor.Continue && !monitor.Continue())
                continue;
            if (monitor.PageStarting)
                monitor.PageStarting(e, c);
            paint(lines, pages == 0);
            ++pages;
            if (monitor.PageDone)
                monitor.PageDone(e, c);
        }
    }
    return pages;
}

// A job CUPS took can still be cancelled at the printer a moment later, and
// one it refused never shows up: either is this job's failure.
void followUp(const QString &printer, int job, const JobMonitor &monitor)
{
    const JobOutcome outcome = FollowJob(printer, job, DefaultFollowBound, monitor.Waiting);
    if (outcome.Refused)
        throw ZentropeError(JobRefusedMessage(printer, outcome.Reason));
}

QString cannotCreate(const QString &fileName)
{
    return QCoreApplication::translate("zentrope::EnvelopeJob", "Cannot create file %1.")
        .arg(QDir::toNativeSeparators(fileName));
}

// The envelope as a PDF page has it: from the page's corner, without the
// indent; "Printer Setup" is the whole paper. Returns its size in inches.
QSizeF placeOnPaper(EnvelopePage &page, const QPageLayout &printerPaper)
{
    TEnvelopeDimension &dim = page.Dimension;
    if (EnvelopeSize::IsPrinterSetupName(page.SizeName)) {
        const QSizeF paper = printerPaper.fullRect(QPageLayout::Inch).size();
        dim.Width = paper.width();
        dim.Height = paper.height();
        // Resolved here: the painter takes the record as it is.
        page.SizeName.clear();
    }
    dim.Indent = 0;
    if (!(dim.Width > 0 && dim.Height > 0))
        throw ZentropeError(QCoreApplication::translate("zentrope::EnvelopeJob",
                                                        "The envelope size has no width or height."));
    return {dim.Width, dim.Height};
}

// A page of exactly width x height inches, landscape when it is wider than tall.
QPageLayout envelopeLayout(const QSizeF &inches)
{
    const double w = inches.width(), h = inches.height();
    const QPageSize size(QSizeF(std::min(w, h), std::max(w, h)), QPageSize::Inch, QString(),
                         QPageSize::ExactMatch);
    return QPageLayout(size, w > h ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

// The sheet a job sends, in millimetres as it is sent (width x height).
QSizeF sheetMillimetres(const FeedGeometry &g, const EnvelopePage &page, const FeedProfile &profile)
{
    if (!g.EnvelopeSheet)
        return g.Layout.fullRect(QPageLayout::Millimeter).size();
    const double w = page.Dimension.Width * 25.4, h = page.Dimension.Height * 25.4;
    return profile.LongEdgeFirst ? QSizeF(w, h) : QSizeF(h, w);
}

// The queue's own name for the sheets of a job; a sheet the queue has no
// paper for stops the job before anything is sent, since CUPS would print it
// on the queue's default paper or turn it onto a size of another shape.
QString queueMediaName(const QString &printer, const QueueMedia &listed, const QSizeF &millimetres)
{
    const SheetMedia media = MatchSheetMedia(listed, millimetres);
    if (!media.Sendable())
        throw ZentropeError(MissingMediaMessage(printer, millimetres));
    return media.Name;
}

// A job with a feed profile: laid out and turned here, sent to CUPS with
// exactly the options it needs.
int printFed(PrinterDevice &printer, const std::vector<int> &chosen, int copies,
             const EnvelopeList &envelopes, const PageSource &source, const JobMonitor &monitor,
             const FeedProfile &profile)
{
    const QString name = printer.PrinterName();
    const QString title = EnvelopeDocumentTitle();
    printer.SetTitle(title);
    // The queue's paper list, read once: the sheet's margins and its name.
    const QueueMedia listed = ReadQueueMedia(name);
    PrinterPage paper = printer.Page();
    paper.SheetMargins = [&listed](const QSizeF &mm) { return MatchSheetMedia(listed, mm).Margins; };
    const QString cannotStart =
        QCoreApplication::translate("zentrope::EnvelopeJob", "Unable to start printing on %1").arg(name);
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/zentrope-job-XXXXXX.pdf"));
    if (!file.open())
        throw ZentropeError(cannotStart);
    // Every write checked: Qt's engine would send a PDF cut short by a full
    // disk as if it were whole.
    WholeFileWriter out(file.handle());
    if (!out.begin())
        throw ZentropeError(cannotStart);
    QPdfWriter writer(&out);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Zentrope"));
    writer.setResolution(paper.DpiX);
    QPainter painter;
    ShapedLines returnLines;
    QString media;
    const QString streamWriteError =
        QCoreApplication::translate("zentrope::EnvelopeJob", "Stream write error.");
    const int pages = walk(chosen, copies, envelopes, monitor, [&](const QStringList &lines, bool first) {
        EnvelopePage page = source(lines);
        const FeedGeometry g = PlaceEnvelopePage(page, paper, &profile);
        writer.setPageLayout(g.Layout);
        if (first) {
            media = queueMediaName(name, listed, sheetMillimetres(g, page, profile));
            if (!painter.begin(&writer))
                throw ZentropeError(cannotStart);
        } else if (!writer.newPage()) {
            throw ZentropeError(
                QCoreApplication::translate("zentrope::EnvelopeJob", "Unable to start a new page on %1")
                    .arg(name));
        }
        painter.setTransform(g.Transform);
        PaintEnvelopePage(painter, page, &returnLines);
        painter.resetTransform();
        if (out.failure() != WholeFileWriter::Failure::None)
            throw ZentropeError(streamWriteError); // a full disk: no need to lay out the rest
        // As after a page handed to the spooler: Cancel can act.
        QCoreApplication::processEvents();
    });
    if (pages == 0)
        return 0; // cancelled before the first page: no job
    if (!painter.end())
        throw ZentropeError(
            QCoreApplication::translate("zentrope::EnvelopeJob", "Printing on %1 failed").arg(name));
    if (!out.commit())
        throw ZentropeError(streamWriteError);
    const QList<PaperSource> sources =
        profile.Source.isEmpty() ? QList<PaperSource>() : PrinterPaperSources(name);
    // Monochrome as the user set it in Print Setup, on a printer that could
    // print colour: Qt's engine would have drawn the page in grey.
    QPrinter &qt = printer.QtPrinter();
    const bool monochrome = qt.colorMode() == QPrinter::GrayScale &&
                            QPrinterInfo(qt).supportedColorModes().contains(QPrinter::Color);
    const int job =
        SubmitPdfJob(name, title, file.fileName(),
                     FeedJobOptions(PrinterJobOptions(qt), media, PaperSourceOption(sources, profile.Source),
                                    PaperSourceValue(sources, profile.Source), monochrome));
    followUp(name, job, monitor);
    return pages;
}

} // namespace

bool TurnsEnvelopeSheet(const QPageLayout &paper)
{
    if (paper.orientation() != QPageLayout::Landscape)
        return false;
    const QSizeF inches = paper.pageSize().size(QPageSize::Inch);
    return !PwgMediaName(inches.width(), inches.height()).startsWith(QLatin1String("custom_"));
}

JobPlan JobPlan::All(int envelopeCount, int copies)
{
    JobPlan plan;
    for (int e = 1; e <= envelopeCount; ++e)
        plan.Envelopes.push_back(e);
    plan.Copies = copies;
    return plan;
}

QString EnvelopeDocumentTitle()
{
    return QStringLiteral("Zentrope Envelope");
}

int PrintEnvelopeJob(PrinterDevice &printer, const EnvelopeList &envelopes, const JobPlan &plan,
                     const PageSource &source, const JobMonitor &monitor,
                     const std::optional<FeedProfile> &feed)
{
    const std::vector<int> chosen = listed(plan, envelopes);
    if (chosen.empty() || plan.Copies < 1)
        throw ZentropeError(NoAddressMessage());
    const JobHeap heap;
    if (feed)
        return printFed(printer, chosen, plan.Copies, envelopes, source, monitor, *feed);
    if (TurnsEnvelopeSheet(printer.QtPrinter().pageLayout()))
        return printFed(printer, chosen, plan.Copies, envelopes, source, monitor, FeedProfile());
    printer.SetTitle(EnvelopeDocumentTitle());
    // Qt's engine does not tell the number CUPS gives the job.
    const QString queue = printer.PrinterName();
    const int before = NewestJob(queue);
    printer.BeginDoc();
    int pages = 0;
    try {
        // The paper as the job began with it; the preview places its pages alike.
        const PageGeometry geometry = MakePageGeometry(printer.Paper());
        ShapedLines returnLines;
        pages = walk(chosen, plan.Copies, envelopes, monitor, [&](const QStringList &lines, bool first) {
            if (!first)
                printer.NewPage();
            PaintPlacedPage(printer.Canvas(), geometry, source(lines), &returnLines);
        });
    } catch (...) {
        try {
            printer.Abort();
        } catch (...) {
            // The job is already failing; its own error is the one to tell.
        }
        throw;
    }
    if (pages == 0) {
        // Cancelled before the first page: ending the document would still
        // send a blank page.
        printer.Abort();
        return 0;
    }
    printer.EndDoc();
    followUp(queue, JobAfter(queue, before), monitor);
    return pages;
}

int WriteEnvelopePdf(const QString &fileName, const EnvelopeList &envelopes, const JobPlan &plan,
                     const PageSource &source, const QPageLayout &printerPaper, const JobMonitor &monitor)
{
    WholeFileWriter file(fileName);
    return WriteEnvelopePdf(file, fileName, envelopes, plan, source, printerPaper, monitor);
}

int WriteEnvelopePdf(WholeFileWriter &file, const QString &fileName, const EnvelopeList &envelopes,
                     const JobPlan &plan, const PageSource &source, const QPageLayout &printerPaper,
                     const JobMonitor &monitor)
{
    const std::vector<int> chosen = listed(plan, envelopes);
    if (chosen.empty() || plan.Copies < 1)
        throw ZentropeError(NoAddressMessage());
    const JobHeap heap;
    const QString streamWriteError =
        QCoreApplication::translate("zentrope::EnvelopeJob", "Stream write error.");
    // Qt's engine does not look at what its writes return: the file does, and
    // takes the place of the old one only when everything reached the disk.
    if (!file.begin())
        throw ZentropeError(cannotCreate(fileName));
    QPdfWriter writer(&file);
    writer.setTitle(EnvelopeDocumentTitle());
    writer.setCreator(QStringLiteral("Zentrope"));
    writer.setResolution(PdfResolution);
    QPainter painter;
    ShapedLines returnLines;
    const int pages =
        walk(chosen, plan.Copies, envelopes, monitor, [&](const QStringList &lines, bool first) {
            EnvelopePage page = source(lines);
            writer.setPageLayout(envelopeLayout(placeOnPaper(page, printerPaper)));
            if (first) {
                if (!painter.begin(&writer))
                    throw ZentropeError(cannotCreate(fileName));
            } else if (!writer.newPage()) {
                throw ZentropeError(streamWriteError);
            }
            page.DpiX = page.DpiY = PdfResolution;
            page.Landscape = false;
            PaintEnvelopePage(painter, page, &returnLines);
            if (file.failure() != WholeFileWriter::Failure::None)
                throw ZentropeError(streamWriteError); // a full disk: no need to lay out the rest
        });
    if (pages == 0) {
        file.cancel();
        return 0; // cancelled before the first page: no file
    }
    if (!painter.end() || !file.commit())
        throw ZentropeError(file.failure() == WholeFileWriter::Failure::CannotCreate ? cannotCreate(fileName)
                                                                                     : streamWriteError);
    return pages;
}

} // namespace zentrope
