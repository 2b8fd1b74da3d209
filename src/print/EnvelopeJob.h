#pragma once

#include "document/AddressLines.h"
#include "envelope/FeedProfile.h"
#include "print/page/EnvelopePage.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace zentrope {

class PrinterDevice;
class WholeFileWriter;

// The one job path of every way of printing: the main window's print
// commands, its PDF export and the script options. Each says which envelopes
// and how many copies (a plan), and lays out a page of its own design for an
// envelope's lines (a page source); the job walks the plan, asks the source
// for every page anew and paints it with the page painter on the device.

// Which envelopes a job prints, by number from 1 in printing order, and how
// many copies of each, one after another.
struct JobPlan {
    std::vector<int> Envelopes;
    int Copies = 1;

    // Every envelope of a list, in order.
    static JobPlan All(int envelopeCount, int copies = 1);
    int PageCount() const { return static_cast<int>(Envelopes.size()) * Copies; }
};

// One envelope's page without the device fields (resolution, orientation,
// printable area), which the job fills in.
using PageSource = std::function<EnvelopePage(const QStringList &lines)>;

// What a job tells while it runs. Continue is asked before every copy: false
// skips the copy (Cancel). PageStarting comes before a page is laid out,
// PageDone after it. Waiting, while the job is followed in CUPS after the
// last page, waits that many milliseconds (a window lets its events through).
struct JobMonitor {
    std::function<bool()> Continue;
    std::function<void(int envelope, int copy)> PageStarting;
    std::function<void(int envelope, int copy)> PageDone;
    std::function<void(int ms)> Waiting;
};

// The title of every document the program makes.
QString EnvelopeDocumentTitle();

// Prints the plan's pages as one document on the printer's current printer,
// with the printer's own settings (copies and page filters included: a caller
// that makes its own copies clears them first). Pages laid out before a
// Cancel are printed; an error drops the document and is thrown on. An empty
// plan throws NoAddressMessage(). Once sent, the job is followed in CUPS for
// a few seconds (JobFollowUp.h): a job the queue refused or cancelled throws
// "The printer X refused the job: reason". Returns the pages produced.
//
// With the printer's feed profile (ReadFeedProfile) the pages are laid out on
// the sheets the profile gives (FeedGeometry.h), turned by the program and
// upright, into a PDF at the printer's resolution, which goes to CUPS as one
// job with FeedJobOptions (CupsJob.h): exactly one PWG media name, no
// scaling, one-sided, the profile's source, the print dialog's other options.
// Without a profile, a landscape envelope size (TurnsEnvelopeSheet) goes the
// same way with the default profile. A sheet the queue has no paper for
// (QueueMedia.h) stops the job before anything is sent.
int PrintEnvelopeJob(PrinterDevice &printer, const EnvelopeList &envelopes, const JobPlan &plan,
                     const PageSource &source, const JobMonitor &monitor = {},
                     const std::optional<FeedProfile> &feed = std::nullopt);

// Whether a job without a feed profile lays its pages out on the upright
// sheet itself, as with the default profile: a landscape envelope size, which
// CUPS's filters would turn one way or the other depending on the driver.
bool TurnsEnvelopeSheet(const QPageLayout &paper);

// Writes the plan's pages as a PDF file: each page is its envelope's own
// size with the layout from the envelope's corner (the size's indent, which
// is about how a printer takes the envelope, does not apply); the "Printer
// Setup" size takes printerPaper whole. Text and bars stay vectors and the
// fonts are embedded. The file is written whole (WholeFileWriter.h): it
// appears only when every write has reached the disk, a character device or
// a FIFO is written as a stream. An error leaves whatever was there before
// and throws "Cannot create file <name>." or "Stream write error.". An empty
// plan throws NoAddressMessage(). Returns the pages written.
int WriteEnvelopePdf(const QString &fileName, const EnvelopeList &envelopes, const JobPlan &plan,
                     const PageSource &source, const QPageLayout &printerPaper,
                     const JobMonitor &monitor = {});
// The same into a writer of the caller's (standard output); fileName names it
// in the messages. Commits the writer.
int WriteEnvelopePdf(WholeFileWriter &file, const QString &fileName, const EnvelopeList &envelopes,
                     const JobPlan &plan, const PageSource &source, const QPageLayout &printerPaper,
                     const JobMonitor &monitor = {});

// The resolution of the PDF's page units, which the bars are rounded to.
inline constexpr int PdfResolution = 1200;

} // namespace zentrope
