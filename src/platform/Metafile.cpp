#include "platform/Metafile.h"

#include "platform/PictureReader.h"

#include "core/Error.h"
#include "core/Units.h"
#include "platform/MetafileObjects.h"
#include "platform/MetafileRecords.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

namespace zentrope {

struct Metafile::Data {
    MetafileRecords file;
    QRectF frame;
};

namespace {

using wmf::BrushObj;
using wmf::FontObj;
using wmf::GdiObject;
using wmf::Params;
using wmf::PenObj;
using wmf::Record;

// Limits that keep a hostile file from exhausting memory or time.
constexpr int MaxSavedStates = 1024;  // nested SaveDC
constexpr int MaxClipElements = 4096; // elements of a non-rectangular clip
constexpr int MaxPathClips = 512;     // non-rectangular clip operations per play
constexpr double MaxFontPixels = 20000;

struct DeviceContext {
    PenObj pen;
    BrushObj brush;
    FontObj font;
    QColor textColor = Qt::black;
    QColor bkColor = Qt::white;
    int bkMode = 2; // OPAQUE
    int textAlign = 0;
    int polyFillMode = 1; // ALTERNATE
    int mapMode = 1;
    QPointF winOrg, winExt, vpOrg, vpExt;
    QPointF pos;
    // Clip in target coordinates: a rectangle while only intersected, else a path.
    bool clipIsRect = true;
    QRectF clipRect;
    QPainterPath clipPath;
};

// One line of text laid out for the painter.
struct TextRun {
    QString text;
    QFont font;
    QTransform place;            // from the run's units to the painter's: the reference point, the escapement
    QRectF box;                  // the run's cell
    QPointF start;               // x of the first character, y of the baseline
    std::vector<double> offsets; // each character's offset, when the record gives the advances
    bool perCharacter = false;
};

// Replays the records of a file, in order, on a painter.
class Player {
public:
    // With a painter the picture is drawn into target, its frame filling it;
    // without one the player only measures what the records draw, in logical units.
    Player(const MetafileRecords &file, const QRectF &frame, QPainter *painter, const QRectF &target)
        : m_file(file), m_frame(frame), m_painter(painter), m_target(target)
    {
        if (m_painter) {
            const QTransform t = m_painter->transform();
            const double base = std::sqrt(std::abs(t.determinant()));
            const double dpi = m_painter->device() ? m_painter->device()->logicalDpiY() : 96;
            m_onePixel = (base > 1e-9 ? 1.0 / base : 1.0) * dpi / 96.0;
            m_metricsDevice = m_painter->device();
            m_raster = m_painter->paintEngine() && m_painter->paintEngine()->type() == QPaintEngine::Raster;
            m_dc.winOrg = m_frame.topLeft();
            m_dc.winExt = QPointF(m_frame.width(), m_frame.height());
            m_dc.clipRect = m_target;
        } else {
            m_measureImage = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
            m_measureImage.setDotsPerMeterX(3780);
            m_measureImage.setDotsPerMeterY(3780);
            m_metricsDevice = &m_measureImage;
            m_onePixel = 0;
            m_target = QRectF(0, 0, 1, 1);
            m_dc.winOrg = QPointF(0, 0);
            m_dc.winExt = QPointF(1, 1);
        }
        updateMapping();
    }

    void run()
    {
        if (m_painter) {
            m_painter->save();
            m_painter->setClipRect(m_target, Qt::IntersectClip);
            m_painter->setRenderHint(QPainter::Antialiasing);
            m_painter->setRenderHint(QPainter::SmoothPixmapTransform);
            m_painter->setRenderHint(QPainter::TextAntialiasing);
        }
        const std::vector<Record> &records = m_file.records();
        for (size_t i = 0; i < records.size(); ++i)
            play(i, records[i], m_file.params(records[i]));
        if (m_painter)
            m_painter->restore();
    }

    QRectF bounds() const { return m_bounds; }

private:
    // Each group plays its own records and says whether the record was one of
    // them. Escapes, palettes, regions, raster and mapper settings, and records
    // this player does not know draw nothing.
    void play(size_t index, const Record &r, const Params &a)
    {
        const quint8 kind = r.kind();
        if (playState(kind, a) || playMapping(kind, a) || playShape(kind, a) || playClipAndStack(kind, a) ||
            playText(kind, a) || playBitmap(index, r, a))
            return;
        playObject(index, kind, a);
    }

    // --- records by group -----------------------------------------------------------

    bool playState(quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::SetBkColor:
            if (a.has(2))
                m_dc.bkColor = a.color(0);
            return true;
        case wmf::SetBkMode:
            if (a.has(1))
                m_dc.bkMode = a.u(0);
            return true;
        case wmf::SetPolyFillMode:
            if (a.has(1))
                m_dc.polyFillMode = a.u(0);
            return true;
        case wmf::SetTextColor:
            if (a.has(2))
                m_dc.textColor = a.color(0);
            return true;
        case wmf::SetTextAlign:
            if (a.has(1))
                m_dc.textAlign = a.u(0);
            return true;
        default:
            return false;
        }
    }

    bool playMapping(quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::SetMapMode:
            if (a.has(1)) {
                m_dc.mapMode = a.u(0);
                updateMapping();
            }
            return true;
        case wmf::SetWindowOrg:
        case wmf::SetWindowExt:
        case wmf::OffsetWindowOrg:
            if (a.has(2)) {
                const QPointF p(a.s(1), a.s(0));
                if (kind == wmf::SetWindowOrg)
                    m_dc.winOrg = p;
                else if (kind == wmf::SetWindowExt)
                    m_dc.winExt = p;
                else
                    m_dc.winOrg += p;
                updateMapping();
            }
            return true;
        case wmf::ScaleWindowExt:
            if (a.has(4)) {
                const int yDen = a.s(0), yNum = a.s(1), xDen = a.s(2), xNum = a.s(3);
                if (xDen != 0 && yDen != 0) {
                    m_dc.winExt = QPointF(m_dc.winExt.x() * xNum / xDen, m_dc.winExt.y() * yNum / yDen);
                    updateMapping();
                }
            }
            return true;
        case wmf::SetViewportOrg:
            if (a.has(2))
                m_dc.vpOrg = QPointF(a.s(1), a.s(0));
            return true;
        case wmf::SetViewportExt:
            if (a.has(2))
                m_dc.vpExt = QPointF(a.s(1), a.s(0));
            return true;
        case wmf::OffsetViewportOrg:
            if (a.has(2))
                m_dc.vpOrg += QPointF(a.s(1), a.s(0));
            return true;
        case wmf::ScaleViewportExt:
            if (a.has(4) && a.s(0) != 0 && a.s(2) != 0)
                m_dc.vpExt = QPointF(m_dc.vpExt.x() * a.s(3) / a.s(2), m_dc.vpExt.y() * a.s(1) / a.s(0));
            return true;
        default:
            return false;
        }
    }

    bool playShape(quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::MoveTo:
            if (a.has(2))
                m_dc.pos = QPointF(a.s(1), a.s(0));
            return true;
        case wmf::LineTo:
            if (a.has(2))
                lineTo(QPointF(a.s(1), a.s(0)));
            return true;
        case wmf::Arc:
        case wmf::Pie:
        case wmf::Chord:
            if (a.has(8))
                arc(kind, a);
            return true;
        case wmf::Ellipse:
        case wmf::Rectangle:
            if (a.has(4)) {
                QPainterPath path;
                const QRectF box = mapRect(a.s(3), a.s(2), a.s(1), a.s(0));
                if (kind == wmf::Ellipse)
                    path.addEllipse(box);
                else
                    path.addRect(box);
                fillAndStroke(path);
            }
            return true;
        case wmf::RoundRect:
            if (a.has(6)) {
                QPainterPath path;
                path.addRoundedRect(mapRect(a.s(5), a.s(4), a.s(3), a.s(2)), std::abs(a.s(1) * m_sx) / 2,
                                    std::abs(a.s(0) * m_sy) / 2);
                fillAndStroke(path);
            }
            return true;
        case wmf::SetPixel:
            if (a.has(4)) {
                const QPointF c = map(QPointF(a.s(3), a.s(2)));
                fillRect(QRectF(c, QSizeF(std::max(m_onePixel, 1e-6), std::max(m_onePixel, 1e-6))),
                         a.color(0));
            }
            return true;
        case wmf::Polygon:
        case wmf::Polyline:
            poly(a, kind == wmf::Polygon);
            return true;
        case wmf::PolyPolygon:
            polyPolygon(a);
            return true;
        default:
            return false;
        }
    }

    bool playClipAndStack(quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::ExcludeClipRect:
        case wmf::IntersectClipRect:
            if (a.has(4))
                clipRect(mapRect(a.s(3), a.s(2), a.s(1), a.s(0)), kind == wmf::IntersectClipRect);
            return true;
        case wmf::SaveDC:
            if (m_saved.size() < MaxSavedStates)
                m_saved.push_back(m_dc);
            return true;
        case wmf::RestoreDC:
            if (a.has(1))
                restoreDC(a.s(0));
            return true;
        default:
            return false;
        }
    }

    bool playText(quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::TextOut:
            textOut(a);
            return true;
        case wmf::ExtTextOut:
            extTextOut(a);
            return true;
        default:
            return false;
        }
    }

    // Blits: a bitmap record, or the raster operation alone when a DIB record
    // carries no bitmap.
    bool playBitmap(size_t index, const Record &r, const Params &a)
    {
        switch (r.kind()) {
        case wmf::PatBlt:
            if (a.has(6))
                rasterFill(a.u32(0), mapRect(a.s(5), a.s(4), a.s(5) + a.s(3), a.s(4) + a.s(2)));
            return true;
        case wmf::DibBitBlt:
            if (wmf::dibWord(r) < 0) {
                if (a.has(9))
                    rasterFill(a.u32(0), mapRect(a.s(8), a.s(7), a.s(8) + a.s(6), a.s(7) + a.s(5)));
            } else if (a.has(8)) {
                const int h = a.s(4), w = a.s(5);
                drawDib(index, a.u32(0), QRect(a.s(3), a.s(2), w, h),
                        mapRect(a.s(7), a.s(6), a.s(7) + w, a.s(6) + h));
            }
            return true;
        case wmf::DibStretchBlt:
            if (wmf::dibWord(r) < 0) {
                if (a.has(11))
                    rasterFill(a.u32(0), mapRect(a.s(10), a.s(9), a.s(10) + a.s(8), a.s(9) + a.s(7)));
            } else if (a.has(10)) {
                drawDib(index, a.u32(0), QRect(a.s(5), a.s(4), a.s(3), a.s(2)),
                        mapRect(a.s(9), a.s(8), a.s(9) + a.s(7), a.s(8) + a.s(6)));
            }
            return true;
        case wmf::StretchDib:
            if (a.has(11))
                drawDib(index, a.u32(0), QRect(a.s(6), a.s(5), a.s(4), a.s(3)),
                        mapRect(a.s(10), a.s(9), a.s(10) + a.s(8), a.s(9) + a.s(7)));
            return true;
        default:
            return false;
        }
    }

    // Object records. One whose parameters are cut short still takes a slot,
    // as the records after it count on.
    bool playObject(size_t index, quint8 kind, const Params &a)
    {
        switch (kind) {
        case wmf::SelectObject:
            if (a.has(1))
                selectObject(a.u(0));
            return true;
        case wmf::DeleteObject:
            if (a.has(1))
                m_objects.remove(a.u(0));
            return true;
        case wmf::CreatePalette:
        case wmf::CreateRegion:
            m_objects.create(GdiObject::other());
            return true;
        case wmf::CreatePatternBrush: // an old-style bitmap: shown as grey
        case wmf::DibCreatePatternBrush:
            m_objects.create(GdiObject::of(patternBrush(index, kind)));
            return true;
        case wmf::CreatePenIndirect:
            m_objects.create(a.has(5) ? GdiObject::of(pen(a)) : GdiObject::other());
            return true;
        case wmf::CreateFontIndirect:
            m_objects.create(a.has(9) ? GdiObject::of(font(a)) : GdiObject::other());
            return true;
        case wmf::CreateBrushIndirect:
            m_objects.create(a.has(4) ? GdiObject::of(brush(a)) : GdiObject::other());
            return true;
        default:
            return false;
        }
    }

    // --- objects ----------------------------------------------------------------------

    static PenObj pen(const Params &a)
    {
        PenObj p;
        p.style = a.u(0);
        p.width = std::abs(a.s(1));
        p.color = a.color(3);
        return p;
    }

    static BrushObj brush(const Params &a)
    {
        BrushObj b;
        b.style = a.u(0);
        b.color = a.color(1);
        b.hatch = a.u(3);
        return b;
    }

    BrushObj patternBrush(size_t index, quint8 kind) const
    {
        BrushObj b;
        b.color = Qt::gray;
        if (kind == wmf::DibCreatePatternBrush) {
            b.style = 3;
            if (const wmf::Dib *dib = m_file.dib(index))
                b.pattern = dib->image;
        }
        return b;
    }

    // --- lines ------------------------------------------------------------------------

    void lineTo(const QPointF &to)
    {
        QPainterPath path;
        path.moveTo(map(m_dc.pos));
        path.lineTo(map(to));
        stroke(path);
        m_dc.pos = to;
    }

    void poly(const Params &a, bool closed)
    {
        if (!a.has(1))
            return;
        const quint32 count = a.u(0);
        if (count == 0 || !a.has(1 + 2 * quint64(count)))
            return;
        QPolygonF poly;
        poly.reserve(count);
        for (quint32 i = 0; i < count; ++i)
            poly << map(QPointF(a.s(1 + 2 * i), a.s(2 + 2 * i)));
        QPainterPath path;
        path.setFillRule(fillRule());
        path.addPolygon(poly);
        if (closed) {
            path.closeSubpath();
            fillAndStroke(path);
        } else {
            stroke(path);
        }
    }

    void textOut(const Params &a)
    {
        if (!a.has(1))
            return;
        const int count = a.s(0);
        const quint32 stringWords = count > 0 ? quint32(count + 1) / 2 : 0;
        if (count > 0 && a.has(1 + stringWords + 2)) {
            const QByteArray raw(a.bytes(1), count);
            const QPointF at(a.s(1 + stringWords + 1), a.s(1 + stringWords));
            text(at, raw, nullptr, 0, nullptr);
        }
    }

    // --- coordinates ------------------------------------------------------------------

    // The target rectangle is the viewport: the window maps onto it, the way a
    // program plays a placeable picture into a frame.
    void updateMapping()
    {
        if (!m_painter) {
            m_sx = m_sy = 1;
            m_ox = m_oy = 0;
            m_org = QPointF(0, 0);
            return;
        }
        QPointF ext = m_dc.winExt;
        const int mode = m_dc.mapMode;
        if (mode >= 2 && mode <= 6) {
            // Fixed units with y upwards: the frame's size, y reversed.
            ext = QPointF(std::abs(m_frame.width()), -std::abs(m_frame.height()));
        }
        if (std::abs(ext.x()) < 1e-9)
            ext.setX(1);
        if (std::abs(ext.y()) < 1e-9)
            ext.setY(1);
        m_sx = m_target.width() / ext.x();
        m_sy = m_target.height() / ext.y();
        m_ox = m_oy = 0;
        if (mode == 7 || (mode >= 2 && mode <= 6)) { // ISOTROPIC and the fixed-unit modes keep the aspect
            const double s = std::min(std::abs(m_sx), std::abs(m_sy));
            m_ox = (m_target.width() - std::abs(ext.x()) * s) / 2;
            m_oy = (m_target.height() - std::abs(ext.y()) * s) / 2;
            m_sx = std::copysign(s, m_sx);
            m_sy = std::copysign(s, m_sy);
        }
        // A negative extent runs the window from its origin toward smaller
        // coordinates; the origin still maps to the target's left or top edge.
        m_org = m_dc.winOrg;
    }

    QPointF map(const QPointF &l) const
    {
        double x = (l.x() - m_org.x()) * m_sx;
        double y = (l.y() - m_org.y()) * m_sy;
        return QPointF(m_target.x() + m_ox + x, m_target.y() + m_oy + y);
    }

    QRectF mapRect(double left, double top, double right, double bottom) const
    {
        return QRectF(map(QPointF(left, top)), map(QPointF(right, bottom))).normalized();
    }

    double scaleX() const { return std::abs(m_sx); }
    double scaleY() const { return std::abs(m_sy); }

    // --- drawing ------------------------------------------------------------------

    Qt::FillRule fillRule() const { return m_dc.polyFillMode == 2 ? Qt::WindingFill : Qt::OddEvenFill; }

    bool penVisible() const { return m_dc.pen.visible(); }

    double penWidth() const { return std::max(m_dc.pen.width * scaleX(), m_onePixel); }

    QPen makePen() const { return penVisible() ? m_dc.pen.qtPen(penWidth()) : QPen(Qt::NoPen); }

    QBrush makeBrush() const { return m_dc.brush.qtBrush(m_onePixel); }

    void include(const QRectF &r) { m_bounds = m_bounds.isNull() ? r : m_bounds.united(r); }

    void preparePainter()
    {
        m_painter->setBackgroundMode(m_dc.bkMode == 2 ? Qt::OpaqueMode : Qt::TransparentMode);
        m_painter->setBackground(m_dc.bkColor);
    }

    void stroke(const QPainterPath &path)
    {
        if (!penVisible())
            return;
        if (!m_painter) {
            const double w = m_dc.pen.width / 2;
            include(path.boundingRect().adjusted(-w, -w, w, w));
            return;
        }
        preparePainter();
        m_painter->setPen(makePen());
        m_painter->setBrush(Qt::NoBrush);
        m_painter->drawPath(path);
    }

    void fillAndStroke(const QPainterPath &path)
    {
        if (!m_painter) {
            const double w = penVisible() ? m_dc.pen.width / 2 : 0;
            if (penVisible() || m_dc.brush.style != 1)
                include(path.boundingRect().adjusted(-w, -w, w, w));
            return;
        }
        preparePainter();
        m_painter->setPen(makePen());
        m_painter->setBrush(makeBrush());
        m_painter->drawPath(path);
    }

    void fillRect(const QRectF &r, const QBrush &brush)
    {
        if (!m_painter) {
            include(r);
            return;
        }
        preparePainter();
        m_painter->fillRect(r, brush);
    }

    void arc(int kind, const Params &a)
    {
        const QRectF box = mapRect(a.s(7), a.s(6), a.s(5), a.s(4));
        const QPointF c = box.center();
        const double rx = std::max(box.width() / 2, 1e-9), ry = std::max(box.height() / 2, 1e-9);
        // GDI gives radial points; Qt wants the ellipse's angles, counter-clockwise
        // on the device.
        const auto angle = [&](const QPointF &p) {
            return std::atan2(-(p.y() - c.y()) / ry, (p.x() - c.x()) / rx) * 180.0 / M_PI;
        };
        const double a1 = angle(map(QPointF(a.s(3), a.s(2))));
        const double a2 = angle(map(QPointF(a.s(1), a.s(0))));
        double sweep = std::fmod(a2 - a1 + 720.0, 360.0);
        if (sweep < 1e-9)
            sweep = 360.0;
        QPainterPath path;
        if (kind == wmf::Pie) {
            path.moveTo(c);
            path.arcTo(box, a1, sweep);
            path.closeSubpath();
        } else {
            path.arcMoveTo(box, a1);
            path.arcTo(box, a1, sweep);
            if (kind == wmf::Chord)
                path.closeSubpath();
        }
        if (kind == wmf::Arc)
            stroke(path);
        else
            fillAndStroke(path);
    }

    void polyPolygon(const Params &a)
    {
        if (!a.has(1))
            return;
        const quint32 polys = a.u(0);
        if (polys == 0 || !a.has(1 + quint64(polys)))
            return;
        quint64 total = 0;
        for (quint32 i = 0; i < polys; ++i)
            total += a.u(1 + i);
        if (!a.has(1 + quint64(polys) + 2 * total))
            return;
        QPainterPath path;
        path.setFillRule(fillRule());
        quint32 w = 1 + polys;
        for (quint32 i = 0; i < polys; ++i) {
            const quint32 count = a.u(1 + i);
            QPolygonF poly;
            poly.reserve(count);
            for (quint32 k = 0; k < count; ++k, w += 2)
                poly << map(QPointF(a.s(w), a.s(w + 1)));
            if (!poly.isEmpty()) {
                path.addPolygon(poly);
                path.closeSubpath();
            }
        }
        fillAndStroke(path);
    }

    // Blits without a source bitmap: the raster operation on the pattern alone.
    void rasterFill(quint32 rop, const QRectF &r)
    {
        switch ((rop >> 16) & 0xFF) {
        case 0x00:
            fillRect(r, Qt::black);
            break;
        case 0xFF:
            fillRect(r, Qt::white);
            break;
        case 0xF0: // PATCOPY
            if (m_dc.brush.style != 1)
                fillRect(r, makeBrush());
            break;
        default:
            break; // operations on the destination alone cannot be replayed on a printer
        }
    }

    // QImage::copy leaves the end of each row unset (the bytes after its
    // pixels, and a one-bit image's bits after its last pixel). Qt's smooth
    // scaling of an 8-bit indexed image clipped at its left edge reads one
    // pixel past the row, and a PDF takes a one-bit row's whole last byte: they
    // get the row's last pixel again and zero bits, never stale memory.
    static void fillRowEnds(QImage &image)
    {
        const int width = image.width(), depth = image.depth();
        const qsizetype used = (qsizetype(width) * depth + 7) / 8;
        const qsizetype rest = image.bytesPerLine() - used;
        const int lastBits = depth == 1 ? width % 8 : 0;
        const uchar keep = image.format() == QImage::Format_MonoLSB ? uchar((1u << lastBits) - 1)
                                                                    : uchar(0xFFu << (8 - lastBits));
        for (int y = 0; y < image.height() && used > 0; ++y) {
            uchar *row = image.scanLine(y);
            if (lastBits)
                row[used - 1] &= keep;
            if (rest > 0)
                std::memset(row + used, depth == 8 ? row[used - 1] : 0, size_t(rest));
        }
    }

    void drawDib(size_t index, quint32 rop, QRect src, const QRectF &dest)
    {
        const wmf::Dib *dib = m_file.dib(index);
        if (!dib || dest.isEmpty()) {
            if (!dib)
                rasterFill(rop, dest);
            return;
        }
        if (!m_painter) {
            include(dest);
            return;
        }
        const QImage &image = dib->image;
        src = src.normalized();
        if (src.isEmpty())
            src = image.rect();
        // A bottom-up bitmap counts its source rows from the bottom.
        if (dib->bottomUp)
            src.moveTop(image.height() - src.top() - src.height());
        src &= image.rect();
        if (src.isEmpty())
            return;
        const int op = (rop >> 16) & 0xFF;
        QImage part = image.copy(src);
        fillRowEnds(part);
        if (op == 0x33) // NOTSRCCOPY
            part.invertPixels();
        m_painter->save();
        if (m_raster && op == 0x88) // SRCAND
            m_painter->setCompositionMode(QPainter::CompositionMode_Multiply);
        else if (m_raster && op == 0xEE) // SRCPAINT
            m_painter->setCompositionMode(QPainter::CompositionMode_Lighten);
        else if (m_raster && op == 0x66) // SRCINVERT
            m_painter->setCompositionMode(QPainter::CompositionMode_Difference);
        m_painter->drawImage(dest, part);
        m_painter->restore();
    }

    // --- text ---------------------------------------------------------------------

    FontObj font(const Params &a) const
    {
        FontObj f;
        f.height = a.s(0);
        f.width = a.s(1);
        f.escapement = a.s(2);
        f.weight = a.s(4);
        const char *b = a.bytes(5);
        f.italic = b[0] != 0;
        f.underline = b[1] != 0;
        f.strikeOut = b[2] != 0;
        f.charset = uchar(b[3]);
        const qsizetype avail = std::min<qsizetype>(a.byteCount(9), 32);
        const char *face = a.bytes(9);
        qsizetype len = 0;
        while (len < avail && face[len] != '\0')
            ++len;
        f.face = decodeCp1252(QByteArray(face, len)).trimmed();
        return f;
    }

    // The Qt font for the current logical font, sized in painter units.
    QFont qtFont(double &emDevice) const
    {
        const FontObj &f = m_dc.font;
        QFont q(f.face.isEmpty() ? QStringLiteral("Liberation Sans") : f.face);
        q.setStyleStrategy(QFont::PreferOutline);
        q.setHintingPreference(QFont::PreferNoHinting);
        q.setKerning(false);
        q.setWeight(QFont::Weight(std::clamp(f.weight <= 0 ? 400 : f.weight, 1, 1000)));
        q.setItalic(f.italic);
        q.setUnderline(f.underline);
        q.setStrikeOut(f.strikeOut);
        const double dpi = m_metricsDevice->logicalDpiY() > 0 ? m_metricsDevice->logicalDpiY() : 96;
        double em = 0;
        if (f.height < 0) {
            em = -double(f.height);
        } else if (f.height > 0) {
            // A positive height is the character cell (ascent + descent).
            QFont probe = q;
            probe.setPointSizeF(1000 * 72.0 / dpi);
            const QFontMetricsF fm(probe, m_metricsDevice);
            const double cell = fm.ascent() + fm.descent();
            em = f.height * (cell > 0 ? 1000.0 / cell : 1.0);
        }
        emDevice = f.height == 0 ? 12 * std::max(m_onePixel, 1.0) : em * scaleY();
        // No letter needs to be more than a few times the whole picture.
        const double largest = m_painter ? 4 * std::max(m_target.width(), m_target.height()) : MaxFontPixels;
        emDevice = std::min({emDevice, MaxFontPixels, largest});
        if (emDevice > 1e-3)
            q.setPointSizeF(emDevice * 72.0 / dpi);
        if (f.width > 0 && emDevice > 1e-3) {
            const QFontMetricsF fm(q, m_metricsDevice);
            const double avg = fm.averageCharWidth();
            if (avg > 0)
                q.setStretch(std::clamp(int(std::lround(100.0 * f.width * scaleX() / avg)), 1, 4000));
        }
        return q;
    }

    // One line of text at a logical point: ETO_OPAQUE and ETO_CLIPPED options
    // apply to rect; dx, when given, holds each character's advance.
    void text(QPointF at, const QByteArray &raw, const std::vector<double> *dx, int options,
              const QRectF *rect)
    {
        const bool updateCP = (m_dc.textAlign & 1) != 0;
        if (updateCP)
            at = m_dc.pos;
        if (rect && (options & 0x02)) // ETO_OPAQUE
            fillRect(*rect, m_dc.bkColor);
        double em = 0;
        TextRun run;
        run.font = qtFont(em);
        if (em <= 1e-3 || raw.isEmpty())
            return;
        run.text = decodeCp1252(raw);
        const QFontMetricsF fm(run.font, m_metricsDevice);
        const double width = advances(run, fm, dx);
        run.perCharacter = dx && run.offsets.size() == size_t(run.text.size());
        run.start = alignedStart(width, fm);
        if (updateCP && (m_dc.textAlign & 6) == 0 && scaleX() > 0)
            m_dc.pos.rx() += width / scaleX() * (m_sx < 0 ? -1 : 1);
        const QPointF origin = map(at);
        run.place.translate(origin.x(), origin.y());
        run.place.rotate(-m_dc.font.escapement / 10.0);
        run.box = QRectF(run.start.x(), run.start.y() - fm.ascent(), width, fm.ascent() + fm.descent());
        if (!m_painter) {
            include(run.place.mapRect(run.box));
            return;
        }
        paintText(run, options, rect);
    }

    // The run's width in painter units; with the record's advances also each
    // character's offset from the start.
    double advances(TextRun &run, const QFontMetricsF &fm, const std::vector<double> *dx) const
    {
        if (!dx)
            return fm.horizontalAdvance(run.text);
        double width = 0;
        run.offsets.reserve(dx->size());
        for (double d : *dx) {
            run.offsets.push_back(width);
            width += d * scaleX();
        }
        return width;
    }

    // Where the run starts (x) and its baseline lies (y) from the reference
    // point, by the text alignment.
    QPointF alignedStart(double width, const QFontMetricsF &fm) const
    {
        const int horizontal = m_dc.textAlign & 6, vertical = m_dc.textAlign & 24;
        const double x0 = horizontal == 2 ? -width : horizontal == 6 ? -width / 2 : 0;
        const double baseline = vertical == 8 ? -fm.descent() : vertical == 24 ? 0 : fm.ascent();
        return QPointF(x0, baseline);
    }

    void paintText(const TextRun &run, int options, const QRectF *rect)
    {
        m_painter->save();
        if (rect && (options & 0x04)) // ETO_CLIPPED
            m_painter->setClipRect(*rect, Qt::IntersectClip);
        m_painter->setTransform(run.place, true);
        if (m_dc.bkMode == 2 && !(rect && (options & 0x02)))
            m_painter->fillRect(run.box, m_dc.bkColor);
        m_painter->setFont(run.font);
        m_painter->setPen(m_dc.textColor);
        m_painter->setBackgroundMode(Qt::TransparentMode);
        if (run.perCharacter) {
            for (qsizetype i = 0; i < run.text.size(); ++i)
                m_painter->drawText(QPointF(run.start.x() + run.offsets[size_t(i)], run.start.y()),
                                    QString(run.text[i]));
        } else {
            m_painter->drawText(run.start, run.text);
        }
        m_painter->restore();
    }

    void extTextOut(const Params &a)
    {
        if (!a.has(4))
            return;
        const QPointF at(a.s(1), a.s(0));
        const int count = a.s(2);
        const int options = a.u(3);
        quint32 w = 4;
        QRectF rect;
        bool hasRect = false;
        if (options & 0x06) {
            if (!a.has(8))
                return;
            rect = mapRect(a.s(4), a.s(5), a.s(6), a.s(7));
            hasRect = true;
            w = 8;
        }
        if (count <= 0) {
            if (hasRect && (options & 0x02))
                fillRect(rect, m_dc.bkColor);
            return;
        }
        const quint32 stringWords = quint32(count + 1) / 2;
        if (!a.has(quint64(w) + stringWords))
            return;
        const QByteArray raw(a.bytes(w), count);
        std::vector<double> dx;
        const quint32 dxWord = w + stringWords;
        if (a.has(quint64(dxWord) + quint32(count))) {
            dx.reserve(size_t(count));
            for (int i = 0; i < count; ++i)
                dx.push_back(a.s(dxWord + quint32(i)));
        }
        text(at, raw, dx.empty() ? nullptr : &dx, options, hasRect ? &rect : nullptr);
    }

    // --- state ----------------------------------------------------------------------

    void applyClip()
    {
        if (!m_painter)
            return;
        if (m_dc.clipIsRect)
            m_painter->setClipRect(m_dc.clipRect);
        else
            m_painter->setClipPath(m_dc.clipPath);
    }

    void clipRect(const QRectF &r, bool intersect)
    {
        if (!m_painter)
            return;
        if (intersect && m_dc.clipIsRect) {
            m_dc.clipRect &= r;
        } else {
            QPainterPath current;
            if (m_dc.clipIsRect)
                current.addRect(m_dc.clipRect);
            else
                current = m_dc.clipPath;
            QPainterPath rp;
            rp.addRect(r);
            // Path clipping costs grow with the path: a picture gets a bounded number.
            if (++m_pathClips > MaxPathClips)
                return;
            const QPainterPath next = intersect ? current.intersected(rp) : current.subtracted(rp);
            if (next.elementCount() > MaxClipElements)
                return;
            m_dc.clipIsRect = false;
            m_dc.clipPath = next;
        }
        applyClip();
    }

    void restoreDC(int n)
    {
        const qsizetype depth = qsizetype(m_saved.size());
        qsizetype keep = -1;
        if (n < 0 && -qsizetype(n) <= depth)
            keep = depth + n;
        else if (n > 0 && n <= depth)
            keep = n - 1;
        if (keep < 0)
            return;
        m_dc = m_saved[size_t(keep)];
        m_saved.resize(size_t(keep));
        updateMapping();
        applyClip();
    }

    void selectObject(quint16 index)
    {
        const GdiObject *o = m_objects.at(index);
        if (!o)
            return;
        if (o->type == GdiObject::Pen)
            m_dc.pen = o->pen;
        else if (o->type == GdiObject::Brush)
            m_dc.brush = o->brush;
        else if (o->type == GdiObject::Font)
            m_dc.font = o->font;
    }

    const MetafileRecords &m_file;
    QRectF m_frame;
    QPainter *m_painter;
    QRectF m_target;
    QPaintDevice *m_metricsDevice = nullptr;
    QImage m_measureImage;
    bool m_raster = false;
    double m_onePixel = 1; // 1/96 inch in painter units: the thinnest line
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    MetafileObjects m_objects;
    int m_pathClips = 0;
    double m_sx = 1, m_sy = 1, m_ox = 0, m_oy = 0;
    QPointF m_org;
    QRectF m_bounds;
};

[[noreturn]] void invalid()
{
    MetafileRecords::throwInvalid();
}

} // namespace

Metafile::Metafile() = default;
Metafile::~Metafile() = default;
Metafile::Metafile(const Metafile &) = default;
Metafile &Metafile::operator=(const Metafile &) = default;

bool Metafile::isPlaceable() const
{
    return d && d->file.placeable();
}

bool Metafile::checksumValid() const
{
    return d && d->file.checksumOk();
}

QRectF Metafile::frame() const
{
    return d ? d->frame : QRectF();
}

QSizeF Metafile::sizeInches() const
{
    return d ? d->file.inches() : QSizeF();
}

Metafile Metafile::fromData(const QByteArray &bytes)
{
    if (bytes.size() > MaxFileBytes)
        invalid();
    auto data = std::make_shared<Data>();
    data->file = MetafileRecords::read(bytes);
    const MetafileRecords &file = data->file;
    const QRectF box = file.placeableBox();
    if (file.placeable() && box.width() != 0 && box.height() != 0) {
        data->frame = box;
    } else if (const std::optional<QRectF> window = file.firstWindow()) {
        data->frame = *window;
    } else {
        // Neither says: the frame is what the records draw.
        Player measure(file, QRectF(), nullptr, QRectF());
        measure.run();
        QRectF b = measure.bounds();
        if (b.isNull())
            b = QRectF(0, 0, 1, 1);
        if (b.width() < 1)
            b.setWidth(1);
        if (b.height() < 1)
            b.setHeight(1);
        data->frame = b;
    }
    Metafile m;
    m.d = std::move(data);
    return m;
}

Metafile Metafile::fromFile(const QString &fileName)
{
    return fromData(picture::readFile(fileName, MetafileRecords::invalidText()));
}

void Metafile::play(QPainter &painter, const QRectF &target) const
{
    if (!d || !painter.isActive() || target.isEmpty())
        return;
    Player player(d->file, d->frame, &painter, target);
    player.run();
}

} // namespace zentrope
