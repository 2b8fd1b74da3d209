#include "print/page/AlignmentPage.h"

#include "core/Units.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>

namespace zentrope {

namespace {

constexpr double kMillimetre = 1.0 / 25.4;

// One ruler from a point on an edge into the envelope. along is the unit
// vector into the envelope; the millimetre ticks stand on the side of
// `side`, the inch ticks on the other.
struct Ruler {
    QPointF start;
    QPointF along;
    QPointF side;
};

void drawRuler(QPainter &p, const Ruler &r, int dpi, const QFont &font)
{
    const double perMM = dpi * kMillimetre;
    const double length = AlignmentRulerMM * perMM;
    p.drawLine(r.start, r.start + r.along * length);
    const QFontMetrics fm(font, p.device());
    const auto label = [&](const QPointF &at, const QString &text) {
        const QRectF box(at.x() - fm.horizontalAdvance(text) / 2.0, at.y() - fm.height() / 2.0,
                         fm.horizontalAdvance(text), fm.height());
        p.drawText(box, Qt::AlignCenter, text);
    };
    for (int mm = 1; mm <= AlignmentRulerMM; ++mm) {
        const double tick = (mm % 10 == 0 ? 3.5 : mm % 5 == 0 ? 2.5 : 1.5) * perMM;
        const QPointF at = r.start + r.along * (mm * perMM);
        p.drawLine(at, at + r.side * tick);
        if (mm % 10 == 0)
            label(at + r.side * (tick + fm.height() * 0.6), QString::number(mm));
    }
    label(r.start + r.along * (length + 2.5 * perMM) + r.side * (2 * perMM),
          QCoreApplication::translate("zentrope::AlignmentPage", "mm", "unit symbol of millimetres"));
    const int sixteenths = static_cast<int>(AlignmentRulerMM * kMillimetre * 16);
    for (int s = 1; s <= sixteenths; ++s) {
        const double tick = (s % 16 == 0  ? 3.5
                             : s % 8 == 0 ? 3.0
                             : s % 4 == 0 ? 2.5
                             : s % 2 == 0 ? 2.0
                                          : 1.5) *
                            perMM;
        const QPointF at = r.start + r.along * (s * dpi / 16.0);
        p.drawLine(at, at - r.side * tick);
        if (s % 8 == 0)
            label(at - r.side * (tick + fm.height() * 0.6),
                  s == 8 ? QStringLiteral("\u00BD") : QString::number(s / 16.0));
    }
    label(r.start + r.along * (length + 2.5 * perMM) - r.side * (2 * perMM),
          QCoreApplication::translate("zentrope::AlignmentPage", "in", "unit symbol of inches"));
}

void drawCross(QPainter &p, const QPoint &at, int arm, const QFont &font, const QString &caption)
{
    p.drawLine(at.x() - arm, at.y(), at.x() + arm, at.y());
    p.drawLine(at.x(), at.y() - arm, at.x(), at.y() + arm);
    p.setFont(font);
    const QFontMetrics fm(font, p.device());
    p.drawText(at.x() + arm / 4, at.y() + arm / 4 + fm.ascent(), caption);
}

} // namespace

EnvelopePageLayout PaintAlignmentPage(QPainter &painter, const EnvelopePage &page)
{
    EnvelopePageLayout out;
    const QRect e = EnvelopeRect(page);
    out.EnvW = e.width();
    out.EnvH = e.height();
    out.OffX = e.x();
    out.OffY = e.y();
    out.Envelope = e;
    out.Outline = e;

    const int dpi = page.DpiX;
    // Lines a quarter millimetre wide, drawn inside the envelope so that the
    // outline's outer side is the envelope's edge.
    const int width = std::max(1, static_cast<int>(std::lround(dpi * kMillimetre / 4)));
    QPen pen(Qt::black, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const double half = width / 2.0;
    painter.drawRect(QRectF(e).adjusted(half, half, -half, -half));

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(7);
    font = PrinterFont(font, page.DpiY);
    painter.setFont(font);

    const double across = e.width() * 0.75;
    drawRuler(painter, {QPointF(e.left(), e.top() + e.height() / 2.0), {1, 0}, {0, -1}}, dpi, font);
    drawRuler(painter, {QPointF(e.left() + e.width(), e.top() + e.height() / 2.0), {-1, 0}, {0, -1}}, dpi,
              font);
    drawRuler(painter, {QPointF(e.left() + across, e.top()), {0, 1}, {-1, 0}}, dpi, font);
    drawRuler(painter, {QPointF(e.left() + across, e.top() + e.height()), {0, -1}, {-1, 0}}, dpi, font);

    const int arm = static_cast<int>(std::lround(5 * dpi * kMillimetre));
    int x = e.x();
    if (const std::optional<QRect> graphic = CornerGraphicRect(page, e.topLeft()))
        x += graphic->width() + CornerGraphicGap(page);
    out.ReturnOrigin = QPoint(x, e.y());
    drawCross(painter, out.ReturnOrigin, arm, font,
              QCoreApplication::translate("zentrope::AlignmentPage", "Return address"));
    out.AddressOrigin = QPoint(e.x() + e.width() / 2, e.y() + e.height() - page.DpiY);
    drawCross(
        painter, out.AddressOrigin, arm, font,
        QCoreApplication::translate("zentrope::AlignmentPage", "Address: middle, 1 in above the bottom"));

    QFont title = font;
    title.setPixelSize(font.pixelSize() * 9 / 7);
    title.setBold(true);
    painter.setFont(title);
    const QFontMetrics fm(title, painter.device());
    const QString text = QCoreApplication::translate("zentrope::AlignmentPage", "Zentrope alignment test");
    painter.drawText(e.x() + (e.width() - fm.horizontalAdvance(text)) / 2,
                     e.y() + e.height() / 2 - 2 * fm.height(), text);
    return out;
}

} // namespace zentrope
