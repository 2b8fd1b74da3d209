#include "barcode/BarCode.h"

#include "barcode/Postnet.h"
#include "core/Units.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <QVarLengthArray>

namespace zentrope {

BarGeometry BarCodeGeometry(int dpiY)
{
    BarGeometry g;
    g.BarWidth = inchesToDots(0.015, dpiY);
    g.Gap = inchesToDots(0.032, dpiY);
    g.Pitch = g.BarWidth + g.Gap;
    g.TallHeight = inchesToDots(0.125, dpiY);
    g.ShortHeight = inchesToDots(0.05, dpiY);
    g.SpaceBelow = inchesToDots(0.09375, dpiY);
    g.RightMargin = inchesToDots(0.75, dpiY);
    return g;
}

int BarCodeHeight(int dpiY)
{
    const BarGeometry g = BarCodeGeometry(dpiY);
    return g.TallHeight + g.SpaceBelow;
}

void DrawBarCode(QPainter &painter, int dpiY, const QString &digits, int &x, int rightLimit, int &y)
{
    const BarGeometry g = BarCodeGeometry(dpiY);
    const int estimate = static_cast<int>(digits.size()) * 5 * g.Pitch;
    if (estimate > rightLimit - g.RightMargin - x)
        x = rightLimit - g.RightMargin - estimate;

    const qsizetype len = digits.size();
    if (len != 6 && len != 10 && len != 12)
        return;

    // Flat caps: the stroke covers exactly its end points' span. Qt's default
    // square cap would add half the bar width at both ends and put the bars
    // outside the postal height tolerances.
    QPen pen = painter.pen();
    pen.setWidth(g.BarWidth);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);

    const QString bars = EncodePostnet(digits);
    const int bottom = y + g.TallHeight;
    const int shortTop = bottom - g.ShortHeight;
    QVarLengthArray<QLine, 64> lines;
    for (qsizetype k = 0; k < bars.size(); ++k) {
        const int bx = x + static_cast<int>(k) * g.Pitch;
        lines.append(QLine(bx, bottom, bx, bars[k] == u'1' ? y : shortTop));
    }
    painter.drawLines(lines.constData(), static_cast<int>(lines.size()));
    y += g.TallHeight + g.SpaceBelow;
}

} // namespace zentrope
