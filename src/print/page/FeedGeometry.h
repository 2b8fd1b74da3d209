#pragma once

#include "envelope/FeedProfile.h"
#include "print/page/EnvelopePage.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QSize>
#include <QSizeF>
#include <QTransform>
#include <functional>

namespace zentrope {

// The printer's page as its settings have it: the paper with its orientation
// and printable margins (a printer's page layout with the margins the driver
// declares), the resolution, and the printable area in whole millimetres.
struct PrinterPage {
    QPageLayout Layout;
    int DpiX = 300;
    int DpiY = 300;
    int PrintableWidthMM = 0;
    int PrintableHeightMM = 0;
    // The margins (millimetres: left, top, right, bottom of the sheet as
    // sent) the printer declares for a sheet of the given size in
    // millimetres; none when unset. An envelope-size sheet keeps them.
    std::function<QMarginsF(const QSizeF &)> SheetMargins;
};

// Where an envelope page goes on the sheet a printer is sent.
struct FeedGeometry {
    // The page to request. With a profile: portrait, of the sheet's exact
    // size, without margins (the program turns the layout itself). Without
    // one: the printer's own layout, as Qt's print engine uses it.
    QPageLayout Layout;
    // The resolution of the sheet's dots (with a profile one resolution for
    // both directions, the printer's horizontal one).
    int Dpi = 300;
    // The sheet in dots, from its top left corner.
    QSize Sheet;
    // From the painter's page (what PaintEnvelopePage draws, in the dots of
    // the page it was given) to the sheet's dots: the turn, the edge in the
    // tray and the offsets.
    QTransform Transform;
    // The sheet is the envelope itself (Envelope paper).
    bool EnvelopeSheet = false;
    // Where the printer prints on the sheet, in its dots: on an envelope the
    // sheet less the margins the printer declares for it, else the sheet.
    QRect Printable;
};

// Fills the page's device fields for the printer and the profile, and tells
// where it goes. Without a profile (nullptr) the page is the printer's, as Qt
// prints it: its orientation, the size's indent, origin at the printable
// area; the transform only moves that origin onto the paper. With a profile:
// - Printer paper: the same layout on the same paper, the size's indent
//   included; the edge moves the envelope across the feed (left: as without a
//   profile; centred or right on the printable width, on the side the printer
//   prints); a landscape page is turned onto the upright sheet 90 degrees
//   counter-clockwise, as CUPS turns one.
// - Envelope paper: the sheet is the envelope (a "Printer Setup" size is the
//   whole paper), indent 0; long edge first keeps the layout upright on a
//   sheet as wide as the envelope, short edge first turns it 90 degrees
//   counter-clockwise onto a sheet as wide as the envelope is high (the right
//   edge leads); Turn180 turns either by another 180 degrees. The printer
//   places an envelope-size page itself, so the edge does not move it.
// Either way the offsets move everything, in the envelope's own directions.
// On an envelope sheet the printer's declared margins are kept: the return
// address and the corner graphic move inward, as far as the margins need,
// before the offsets apply.
//
// A preview draws the same way: PlaceEnvelopePage, then on a surface of
// Sheet dots (or scaled to it) setTransform(Transform, true) and
// PaintEnvelopePage(painter, page).
FeedGeometry PlaceEnvelopePage(EnvelopePage &page, const PrinterPage &printer, const FeedProfile *profile);

} // namespace zentrope
