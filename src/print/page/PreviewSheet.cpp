#include "print/page/PreviewSheet.h"

#include "print/page/EnvelopeFit.h"

#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace zentrope {

QColor PrintableAreaColor()
{
    return {150, 150, 150};
}

QColor EnvelopeOutlineColor()
{
    return {100, 160, 240};
}

QColor OverrunColor()
{
    return {230, 0, 0};
}

QSize PreviewSheetSize(const PageGeometry &geometry, const QSizeF &scale)
{
    const QSize sheet = geometry.Paper.Sheet;
    return {std::max(1, static_cast<int>(std::lround(sheet.width() * scale.width()))),
            std::max(1, static_cast<int>(std::lround(sheet.height() * scale.height())))};
}

QImage RenderPreviewSheet(const PageGeometry &geometry, const EnvelopePage &page, const QSizeF &scale,
                          const QRect &part, qreal devicePixelRatio, SheetMarks *marks)
{
    const QRect whole(QPoint(0, 0), PreviewSheetSize(geometry, scale));
    const QRect area = part.isNull() ? whole : (part & whole);
    if (area.isEmpty() || !(scale.width() > 0 && scale.height() > 0))
        return {};
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(static_cast<int>(std::ceil(area.width() * dpr)),
                 static_cast<int>(std::ceil(area.height() * dpr)), QImage::Format_RGB32);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::white);

    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    p.translate(-area.topLeft());
    p.scale(scale.width(), scale.height());
    // In sheet dots from here on; nothing prints beyond the paper.
    const QRect sheet(QPoint(0, 0), geometry.Paper.Sheet);
    const QRect printable = geometry.Paper.Printable;
    p.setClipRect(sheet);
    p.save();
    p.translate(printable.topLeft());
    const EnvelopePageLayout layout = PaintPlacedPage(p, geometry, page);
    p.restore();

    const QTransform toSheet = geometry.PageToSheet();
    SheetMarks found;
    found.Envelope = toSheet.mapRect(layout.Envelope);
    const EnvelopeFit fit = CheckEnvelopeFit(layout);
    if (!fit.Fits)
        found.Overrun = toSheet.mapRect(fit.Overrun);

    // The marks are hairlines of one screen pixel whatever the scale.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    const auto outline = [&p](const QRect &r, const QColor &color, Qt::PenStyle style) {
        QPen pen(color, 0, style);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawRect(QRectF(r));
    };
    if (printable != sheet)
        outline(printable, PrintableAreaColor(), Qt::DashLine);
    outline(found.Envelope, EnvelopeOutlineColor(), Qt::SolidLine);
    if (!found.Overrun.isEmpty()) {
        QPen pen(OverrunColor(), 2);
        pen.setCosmetic(true);
        p.setPen(pen);
        p.drawRect(QRectF(found.Overrun));
    }
    p.end();
    if (marks)
        *marks = found;
    return image;
}

} // namespace zentrope
