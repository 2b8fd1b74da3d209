#pragma once

#include "envelope/FeedProfile.h"
#include "print/page/EnvelopePage.h"
#include "print/page/FeedGeometry.h"

#include <QRect>
#include <QSize>
#include <QTransform>
#include <optional>

class QPainter;

namespace zentrope {

// The paper as a printer takes it, read from the printer in one go (when a
// job begins, when a preview opens): resolution, orientation, the whole sheet
// and its printable area, in printer dots.
struct PrinterPaper {
    int DpiX = 300;
    int DpiY = 300;
    bool Landscape = false;
    QSize Sheet;     // the whole sheet as it is oriented
    QRect Printable; // the printable area on the sheet
    // The printable area in whole millimetres, as the printer reports it
    // (the "Printer Setup" envelope size takes it).
    int PrintableWidthMM = 0;
    int PrintableHeightMM = 0;
};

// Where an envelope page goes on the printed sheet. The print job and the
// preview both place their pages by it, so the preview shows the sheet the
// printer receives. Everything a printer's way of taking envelopes may change
// (turning the page, moving it) ends up here, as PageToCanvas.
struct PageGeometry {
    PrinterPaper Paper;
    // From the page painter's coordinates (dots from the printable area's top
    // left, as the page lays itself out) to the printer's canvas (dots from
    // the printable area's top left).
    QTransform PageToCanvas;
    // With a feed profile: the printer's page and the profile, so that each
    // page is placed as a fed job places it (FeedGeometry.h); the sheet is
    // then upright, its printable area the one the feed keeps, and
    // PageToCanvas the feed's transform from that area's corner.
    std::optional<FeedProfile> Feed;
    PrinterPage FeedPrinter;

    // From the page painter's coordinates to the sheet's.
    QTransform PageToSheet() const;
};

// The geometry of envelope pages on the printer's paper.
PageGeometry MakePageGeometry(const PrinterPaper &paper);
// The same for a printer with a feed profile; the sheet depends on the
// envelope, so a page of the design is given.
PageGeometry MakePageGeometry(const PrinterPage &printer, const FeedProfile &profile, EnvelopePage page);

// Gives the page the device fields (resolution, orientation, printable size)
// of the geometry.
void PlaceEnvelopePage(EnvelopePage &page, const PageGeometry &geometry);

// Paints one envelope page on a canvas in printer dots whose origin is the
// printable area's top left, placed as the geometry says. The layout is in
// the page painter's coordinates (PageToSheet() takes it onto the sheet).
EnvelopePageLayout PaintPlacedPage(QPainter &canvas, const PageGeometry &geometry, EnvelopePage page,
                                   ShapedLines *returnLines = nullptr);

} // namespace zentrope
