#include "print/page/PageGeometry.h"

#include <QPainter>

namespace zentrope {

QTransform PageGeometry::PageToSheet() const
{
    return PageToCanvas * QTransform::fromTranslate(Paper.Printable.x(), Paper.Printable.y());
}

PageGeometry MakePageGeometry(const PrinterPaper &paper)
{
    PageGeometry g;
    g.Paper = paper;
    // The page is printed as it lays itself out: the orientation and the
    // envelope size's indent already say where the envelope sits.
    g.PageToCanvas = QTransform();
    return g;
}

PageGeometry MakePageGeometry(const PrinterPage &printer, const FeedProfile &profile, EnvelopePage page)
{
    const FeedGeometry fed = PlaceEnvelopePage(page, printer, &profile);
    PageGeometry g;
    g.Paper.DpiX = g.Paper.DpiY = fed.Dpi;
    g.Paper.Landscape = page.Landscape;
    g.Paper.Sheet = fed.Sheet;
    // The printable area the printer keeps on the sheet, which a preview
    // outlines; the canvas starts at its corner, as on a printer's paper.
    g.Paper.Printable = fed.Printable;
    g.Paper.PrintableWidthMM = printer.PrintableWidthMM;
    g.Paper.PrintableHeightMM = printer.PrintableHeightMM;
    g.PageToCanvas = fed.Transform * QTransform::fromTranslate(-fed.Printable.x(), -fed.Printable.y());
    g.Feed = profile;
    g.FeedPrinter = printer;
    return g;
}

void PlaceEnvelopePage(EnvelopePage &page, const PageGeometry &geometry)
{
    if (geometry.Feed) {
        PlaceEnvelopePage(page, geometry.FeedPrinter, &*geometry.Feed);
        return;
    }
    const PrinterPaper &p = geometry.Paper;
    page.DpiX = p.DpiX;
    page.DpiY = p.DpiY;
    page.Landscape = p.Landscape;
    page.PrintableWidthMM = p.PrintableWidthMM;
    page.PrintableHeightMM = p.PrintableHeightMM;
}

EnvelopePageLayout PaintPlacedPage(QPainter &canvas, const PageGeometry &geometry, EnvelopePage page,
                                   ShapedLines *returnLines)
{
    PlaceEnvelopePage(page, geometry);
    canvas.save();
    canvas.setTransform(geometry.PageToCanvas, true);
    const EnvelopePageLayout layout = PaintEnvelopePage(canvas, page, returnLines);
    canvas.restore();
    return layout;
}

} // namespace zentrope
