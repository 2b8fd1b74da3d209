#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <utility>

namespace zentrope {

// CUPS itself, for the jobs the program turns and names itself: Qt's print
// engine always sends its own "media" (the PPD's key for the page size) and
// "landscape", so a job that must carry exactly one PWG media name goes to
// CUPS from here instead.

// "queue/instance" as CUPS takes it apart (the instance empty when none).
std::pair<QByteArray, QByteArray> QueueAndInstance(const QString &printer);

// A paper source a printer offers.
struct PaperSource {
    QString Name;   // the printer's own name for it: "Manual"
    QString Text;   // as the printer shows it: "Manual Feed"
    QString Option; // the job option that picks it: "InputSlot", "ManualFeed" or "media-source"
    QString Value;  // what the option is set to when not the name ("True" for a Boolean ManualFeed)
};

// The sources of a queue ("queue" or "queue/instance"): the InputSlot
// choices of its PPD (CUPS makes one for every queue it drives, driverless
// ones included) and a Boolean ManualFeed of it, else the IPP media-source
// values it supports. Empty for a queue that offers no choice (a raw queue)
// or cannot be asked.
QList<PaperSource> PrinterPaperSources(const QString &printer);

// The job option a source of the printer is picked with: InputSlot unless
// the printer lists the name only as an IPP media-source.
QString PaperSourceOption(const QList<PaperSource> &sources, const QString &name);
// The value that option is sent with: the name itself, or "True" for the
// Boolean ManualFeed.
QString PaperSourceValue(const QList<PaperSource> &sources, const QString &name);

// The name a Boolean ManualFeed is listed (and kept in a profile) by.
inline constexpr char ManualFeedSource[] = "ManualFeed";

// The PWG 5101.1 name CUPS gives a paper of that size ("na_letter_8.5x11in",
// "iso_a4_210x297mm"; a custom name otherwise), from its sides in millimetres.
QString PwgPaperName(const QSizeF &millimetres);

using JobOptions = QList<std::pair<QString, QString>>;

// The options of a job the program lays out and turns itself, in the order
// sent: the print dialog's own options that stay the user's (a priority, a
// billing account, ...), without any that size, turn, scale, repeat or
// filter the pages, then exactly one media, orientation-requested portrait,
// print-scaling=none and fit-to-page=false (older filters), sides=one-sided,
// the source when one is chosen, and print-color-mode=monochrome when asked.
JobOptions FeedJobOptions(const QStringList &dialogOptions, const QString &media, const QString &sourceOption,
                          const QString &source, bool monochrome);

// Sends a finished PDF file to a queue ("queue" or "queue/instance") as one
// job titled title, with exactly these options. Returns the job's id; throws
// ZentropeError with CUPS's own message when the job cannot be sent.
int SubmitPdfJob(const QString &printer, const QString &title, const QString &pdfFile,
                 const JobOptions &options);

} // namespace zentrope
