#pragma once

#include "print/page/PageGeometry.h"

#include <QImage>
#include <QRect>
#include <QSizeF>

namespace zentrope {

// What a previewed sheet shows beside the printing, in sheet dots: where the
// envelope lands, and the text that runs off it (empty when all fits).
struct SheetMarks {
    QRect Envelope;
    QRect Overrun;
};

// The colours of the marks; light enough that they never read as printing.
QColor PrintableAreaColor();
QColor EnvelopeOutlineColor();
QColor OverrunColor();

// One printed sheet as a preview shows it, rendered at `scale` pixels per
// printer dot (x and y): white paper with the page painted on it exactly as
// the print job paints it (PaintPlacedPage) and clipped to the sheet, the
// printable area dashed, the envelope's outline, and any text that runs off
// the envelope outlined in red. Only `part` is rendered, in pixels of the
// whole scaled sheet (a null part: all of it), into an image of that many
// pixels times the device pixel ratio.
QImage RenderPreviewSheet(const PageGeometry &geometry, const EnvelopePage &page, const QSizeF &scale,
                          const QRect &part = {}, qreal devicePixelRatio = 1.0, SheetMarks *marks = nullptr);

// The whole sheet's size in pixels at a scale.
QSize PreviewSheetSize(const PageGeometry &geometry, const QSizeF &scale);

} // namespace zentrope
