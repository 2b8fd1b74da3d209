#include "barcode/BarCode.h"

#include "barcode/Postnet.h"
#include "core/Units.h"

#include <QColor>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPen>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

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

BarGeometry PrinterBarCodeGeometry(int dpiX, int dpiY)
{
    // The screen's 0.015 in bars sit on the lower limit at best and fall below
    // it wherever the rounding goes down (4 dots at 300 dpi); 0.020 in is the
    // nominal width. At least one dot of bar and one of space on coarse devices.
    BarGeometry g = BarCodeGeometry(dpiY);
    g.BarWidth = std::max(1, inchesToDots(0.020, dpiX));
    g.Pitch = std::max(g.BarWidth + 1, inchesToDots(1.0 / 22.0, dpiX));
    g.Gap = g.Pitch - g.BarWidth;
    g.RightMargin = inchesToDots(0.75, dpiX);
    return g;
}

int BarCodeHeight(const BarGeometry &g)
{
    return g.TallHeight + g.SpaceBelow;
}

int BarCodeHeight(int dpiY)
{
    return BarCodeHeight(BarCodeGeometry(dpiY));
}

void DrawBarCode(QPainter &painter, int dpiY, const QString &digits, int &x, int rightLimit, int &y)
{
    DrawBarCode(painter, BarCodeGeometry(dpiY), digits, x, rightLimit, y);
}

void DrawBarCode(QPainter &painter, const BarGeometry &g, const QString &digits, int &x, int rightLimit,
                 int &y)
{
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

void DrawBarCodePreview(QImage &surface, int dpiY, const QString &digits, bool bars, const QColor &paper)
{
    surface.fill(paper);
    if (!bars || surface.isNull())
        return;
    const qreal ratio = surface.devicePixelRatio();
    const auto physical = [ratio](double v) { return static_cast<int>(std::lround(v * ratio)); };
    // Drawn at a ratio of 1, so one unit is one pixel of the surface.
    surface.setDevicePixelRatio(1);
    {
        QPainter painter(&surface);
        int x = physical(1), y = physical(8);
        DrawBarCode(painter, physical(dpiY), digits, x, 16384, y);
    }
    surface.setDevicePixelRatio(ratio);
}

} // namespace zentrope
