#include "print/EnvelopeJob.h"

#include "core/Error.h"
#include "core/WholeFileWriter.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/StandardEnvelopes.h"
#include "print/CupsJob.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
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

namespace zentrope {

namespace {

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

// The PWG name of the sheets a job goes on.
QString mediaName(const FeedGeometry &g, const EnvelopePage &page)
{
    if (g.EnvelopeSheet)
        return PwgMediaName(page.Dimension.Width, page.Dimension.Height);
    return PwgPaperName(g.Layout.fullRect(QPageLayout::Millimeter).size());
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
    const PrinterPage paper = printer.Page();
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
    QString media;
    const QString streamWriteError =
        QCoreApplication::translate("zentrope::EnvelopeJob", "Stream write error.");
    const int pages = walk(chosen, copies, envelopes, monitor, [&](const QStringList &lines, bool first) {
        EnvelopePage page = source(lines);
        const FeedGeometry g = PlaceEnvelopePage(page, paper, &profile);
        writer.setPageLayout(g.Layout);
        if (first) {
            if (!painter.begin(&writer))
                throw ZentropeError(cannotStart);
            media = mediaName(g, page);
        } else if (!writer.newPage()) {
            throw ZentropeError(
                QCoreApplication::translate("zentrope::EnvelopeJob", "Unable to start a new page on %1")
                    .arg(name));
        }
        painter.setTransform(g.Transform);
        PaintEnvelopePage(painter, page);
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
    SubmitPdfJob(name, title, file.fileName(),
                 FeedJobOptions(PrinterJobOptions(qt), media, PaperSourceOption(sources, profile.Source),
                                profile.Source, monochrome));
    return pages;
}

} // namespace

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
    if (feed)
        return printFed(printer, chosen, plan.Copies, envelopes, source, monitor, *feed);
    printer.SetTitle(EnvelopeDocumentTitle());
    printer.BeginDoc();
    int pages = 0;
    try {
        // The paper as the job began with it; the preview places its pages alike.
        const PageGeometry geometry = MakePageGeometry(printer.Paper());
        pages = walk(chosen, plan.Copies, envelopes, monitor, [&](const QStringList &lines, bool first) {
            if (!first)
                printer.NewPage();
            PaintPlacedPage(printer.Canvas(), geometry, source(lines));
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
            PaintEnvelopePage(painter, page);
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
