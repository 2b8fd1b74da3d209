#include "print/page/FeedGeometry.h"

#include "core/Error.h"
#include "core/Units.h"

#include <cmath>

#include <QCoreApplication>
#include <QPageSize>
#include <QPainter>
#include <QPicture>

namespace zentrope {

namespace {

// The layout's point (x, y) on a sheet whose top edge was the layout's right
// edge: turned 90 degrees counter-clockwise; width is the layout's.
QTransform turnLeft(int width)
{
    return QTransform(0, -1, 1, 0, 0, width);
}

// Turned 90 degrees clockwise: the layout's left edge becomes the top.
QTransform turnRight(int height)
{
    return QTransform(0, 1, -1, 0, height, 0);
}

QTransform turnHalf(int width, int height)
{
    return QTransform(-1, 0, 0, -1, width, height);
}

QTransform offsets(const FeedProfile &profile, int dpi)
{
    return QTransform::fromTranslate(inchesToDots(profile.OffsetX / 1000.0, dpi),
                                     inchesToDots(profile.OffsetY / 1000.0, dpi));
}

// The share of the free room before the envelope, across the feed.
int edgeShift(FeedProfile::FeedEdge edge, int room)
{
    switch (edge) {
    case FeedProfile::EdgeCentre:
        return room / 2;
    case FeedProfile::EdgeRight:
        return room;
    default:
        return 0;
    }
}

void takeDevice(EnvelopePage &page, const PrinterPage &printer, int dpiX, int dpiY)
{
    page.DpiX = dpiX;
    page.DpiY = dpiY;
    page.Landscape = printer.Layout.orientation() == QPageLayout::Landscape;
    page.PrintableWidthMM = printer.PrintableWidthMM;
    page.PrintableHeightMM = printer.PrintableHeightMM;
}

// The sheet less the printer's margins for it, in dots.
QRect printableSheet(const PrinterPage &printer, const QSize &sheet, int dpi)
{
    const QRect whole(QPoint(0, 0), sheet);
    if (!printer.SheetMargins || sheet.isEmpty())
        return whole;
    const double mmPerDot = 25.4 / dpi;
    const QMarginsF m = printer.SheetMargins(QSizeF(sheet.width() * mmPerDot, sheet.height() * mmPerDot));
    const auto dots = [dpi](double mm) { return static_cast<int>(std::ceil(mm / 25.4 * dpi)); };
    const QRect inner = whole.adjusted(dots(m.left()), dots(m.top()), -dots(m.right()), -dots(m.bottom()));
    return inner.isValid() ? inner : whole;
}

// How far the corner parts of the page (the return address, the graphic)
// move, in the page's dots, so that the turned sheet keeps them inside the
// printable area: away from the edges they start at, which the printer
// cannot reach.
QPointF inward(const EnvelopePage &page, const QTransform &turn, const QRect &printable)
{
    QPicture scratch;
    QPainter p(&scratch);
    const EnvelopePageLayout layout = PaintEnvelopePage(p, page);
    p.end();
    const QRect parts = layout.ReturnBlock | layout.GraphicRect;
    if (parts.isEmpty())
        return {};
    const QRect area = turn.inverted().mapRect(printable);
    const auto shift = [](int lo, int hi, int areaLo, int areaHi) {
        if (lo < areaLo)
            return areaLo - lo;
        return hi > areaHi ? std::max(areaHi - hi, areaLo - lo) : 0;
    };
    return QPointF(shift(parts.left(), parts.right(), area.left(), area.right()),
                   shift(parts.top(), parts.bottom(), area.top(), area.bottom()));
}

FeedGeometry onPrinterPaper(EnvelopePage &page, const PrinterPage &printer, const FeedProfile &profile)
{
    FeedGeometry g;
    g.Dpi = printer.DpiX;
    takeDevice(page, printer, g.Dpi, g.Dpi);
    const QPageLayout &layout = printer.Layout;
    const QRect full = layout.fullRectPixels(g.Dpi);
    const QRect paint = layout.paintRectPixels(g.Dpi);
    const QRect envelope = EnvelopeRect(page);
    QTransform t = offsets(profile, g.Dpi);
    // Across the feed: x on a portrait page, y on a landscape one (which the
    // printer takes short edge first), as the indent.
    if (page.Landscape)
        t.translate(0, edgeShift(profile.PrintedEdge(), paint.height() - envelope.height()));
    else
        t.translate(edgeShift(profile.PrintedEdge(), paint.width() - envelope.width()), 0);
    t *= QTransform::fromTranslate(paint.x() - full.x(), paint.y() - full.y());
    if (page.Landscape) {
        t *= turnLeft(full.width());
        g.Sheet = QSize(full.height(), full.width());
    } else {
        g.Sheet = full.size();
    }
    g.Transform = t;
    g.Layout = QPageLayout(layout.pageSize(), QPageLayout::Portrait, QMarginsF());
    g.Printable = QRect(QPoint(0, 0), g.Sheet);
    return g;
}

FeedGeometry onEnvelope(EnvelopePage &page, const PrinterPage &printer, const FeedProfile &profile)
{
    FeedGeometry g;
    g.Dpi = printer.DpiX;
    g.EnvelopeSheet = true;
    takeDevice(page, printer, g.Dpi, g.Dpi);
    page.Landscape = false;
    TEnvelopeDimension &dim = page.Dimension;
    if (page.SizeName == QLatin1String("Printer Setup")) {
        // The envelope is the paper the printer is set to, whole.
        const QSizeF paper = printer.Layout.fullRect(QPageLayout::Inch).size();
        dim.Width = paper.width();
        dim.Height = paper.height();
        page.SizeName.clear();
    }
    dim.Indent = 0;
    if (!(dim.Width > 0 && dim.Height > 0))
        throw ZentropeError(QCoreApplication::translate("zentrope::FeedGeometry",
                                                        "The envelope size has no width or height."));

    const int w = inchesToDots(dim.Width, g.Dpi), h = inchesToDots(dim.Height, g.Dpi);
    QTransform turn;
    if (profile.LongEdgeFirst) {
        g.Sheet = QSize(w, h);
        if (profile.Turn180)
            turn = turnHalf(w, h);
    } else {
        g.Sheet = QSize(h, w);
        turn = profile.Turn180 ? turnRight(h) : turnLeft(w);
    }
    g.Printable = printableSheet(printer, g.Sheet, g.Dpi);
    const QPointF in = g.Printable.size() == g.Sheet ? QPointF() : inward(page, turn, g.Printable);
    g.Transform = offsets(profile, g.Dpi) * QTransform::fromTranslate(in.x(), in.y()) * turn;
    const QSizeF inches =
        profile.LongEdgeFirst ? QSizeF(dim.Width, dim.Height) : QSizeF(dim.Height, dim.Width);
    g.Layout = QPageLayout(QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch),
                           QPageLayout::Portrait, QMarginsF());
    return g;
}

} // namespace

FeedGeometry PlaceEnvelopePage(EnvelopePage &page, const PrinterPage &printer, const FeedProfile *profile)
{
    if (profile)
        return profile->Paper == FeedProfile::EnvelopePaper ? onEnvelope(page, printer, *profile)
                                                            : onPrinterPaper(page, printer, *profile);
    FeedGeometry g;
    g.Dpi = printer.DpiX;
    takeDevice(page, printer, printer.DpiX, printer.DpiY);
    g.Layout = printer.Layout;
    const QRect full = printer.Layout.fullRectPixels(g.Dpi);
    const QRect paint = printer.Layout.paintRectPixels(g.Dpi);
    g.Sheet = full.size();
    g.Transform = QTransform::fromTranslate(paint.x() - full.x(), paint.y() - full.y());
    g.Printable = paint.translated(-full.topLeft());
    return g;
}

} // namespace zentrope
