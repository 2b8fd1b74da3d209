#pragma once

#include "print/CupsJob.h"

#include <QList>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

namespace zentrope {

// The paper a print queue takes, as CUPS lists it for the queue (from its
// PPD or, for a driverless printer, its IPP attributes). A job on envelope
// paper is sent one of these by name: CUPS prints a size the queue lacks on
// the queue's default paper, and turns a sheet whose shape differs from the
// size named in a direction that depends on the driver.
struct QueueSize {
    QString Name;       // the name CUPS lists it by, sent as "media"
    QSizeF Millimetres; // width x height as the queue lists it (a long-edge size is wider than high)
    QMarginsF Margins;  // the printer's unprintable margins, in millimetres
};

struct QueueMedia {
    // The queue answered: without an answer (a raw queue, a printer that
    // cannot be asked) a job names its sheet by its PWG name and CUPS passes
    // it on unchecked.
    bool Known = false;
    QList<QueueSize> Sizes;
    // The custom sizes the queue takes, in millimetres, width x height;
    // empty when it takes none.
    QSizeF CustomMin, CustomMax;
    QMarginsF CustomMargins;

    bool TakesCustom() const { return !CustomMax.isEmpty(); }
};

// What the queue ("queue" or "queue/instance") lists.
QueueMedia ReadQueueMedia(const QString &printer);

// How a sheet reaches a queue.
struct SheetMedia {
    enum Kind {
        Listed,    // a size of the queue's own, by its name
        Custom,    // a custom size of exactly the sheet
        Unchecked, // the queue told nothing: the sheet's PWG name
        Missing,   // the queue has no such paper
    };
    Kind How = Missing;
    QString Name;      // what "media" is set to
    QMarginsF Margins; // the printer's margins on it, in millimetres
    bool Sendable() const { return How != Missing; }
};

// The queue's paper for a sheet of that size (millimetres, width x height
// as it is sent: upright, a long-edge sheet wider than high): a listed size
// of the same shape within 1 mm, else a custom size where the queue takes
// one that large, else Missing.
SheetMedia MatchSheetMedia(const QueueMedia &queue, const QSizeF &millimetres);

// "241.3 x 104.8 mm (9.5 x 4.125 in)".
QString SheetSizeText(const QSizeF &millimetres);

// Why a sheet cannot go to the printer: a long-edge sheet (wider than high)
// the driver has no size for, or a size the printer lacks.
QString MissingMediaMessage(const QString &printer, const QSizeF &millimetres);

} // namespace zentrope
