#include "platform/Metafile.h"

#include "core/Error.h"
#include "core/Units.h"
#include "platform/PictureReader.h"

#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <optional>
#include <set>
#include <unordered_map>
#include <vector>

namespace zentrope {

namespace {

const char *const InvalidText = "Metafile is not valid.";

constexpr quint32 PlaceableKey = 0x9AC6CDD7u;
// Limits that keep a hostile file from exhausting memory or time.
constexpr int MaxObjects = 65535;         // the table's index is 16 bits
constexpr int MaxSavedStates = 1024;      // nested SaveDC
constexpr qint64 MaxDibPixels = 16 * 1024 * 1024;      // one bitmap record
constexpr qint64 MaxTotalDibPixels = 64 * 1024 * 1024; // all bitmaps of a file
constexpr int MaxClipElements = 4096;     // elements of a non-rectangular clip
constexpr int MaxPathClips = 512;         // non-rectangular clip operations per play
constexpr double MaxFontPixels = 20000;

struct Record {
    qsizetype offset; // first parameter byte
    quint32 words;    // parameter words
    quint16 function;
};

// The parameters of one record, read as little-endian words; reads past the
// record give 0, and callers check the counts they rely on with has().
struct Params {
    const uchar *p;
    quint32 n;
    bool has(quint64 words) const { return words <= n; }
    quint16 u(quint32 i) const { return i < n ? qFromLittleEndian<quint16>(p + 2 * qsizetype(i)) : 0; }
    qint16 s(quint32 i) const { return qint16(u(i)); }
    quint32 u32(quint32 i) const { return quint32(u(i)) | (quint32(u(i + 1)) << 16); }
    const char *bytes(quint32 word) const { return reinterpret_cast<const char *>(p) + 2 * qsizetype(word); }
    qsizetype byteCount(quint32 word) const { return word < n ? 2 * qsizetype(n - word) : 0; }
    QColor color(quint32 i) const
    {
        const quint16 rg = u(i), b = u(i + 1);
        return QColor(rg & 0xFF, rg >> 8, b & 0xFF);
    }
};

struct Dib {
    QImage image;
    bool bottomUp = true;
};

// The packed bitmap of a DIB record starts at this parameter word; -1 when the
// record has none.
int dibWord(const Record &r)
{
    switch (r.function & 0xFF) {
    case 0x40: // DIBBITBLT
        return r.words > quint32(r.function >> 8) ? 8 : -1;
    case 0x41: // DIBSTRETCHBLT
        return r.words > quint32(r.function >> 8) ? 10 : -1;
    case 0x43: // STRETCHDIB
        return 11;
    case 0x42: // DIBCREATEPATTERNBRUSH
        return 2;
    default:
        return -1;
    }
}

} // namespace

struct Metafile::Data {
    QByteArray bytes;
    std::vector<Record> records;
    bool placeable = false;
    bool checksumOk = false;
    QRectF frame;
    QSizeF inches;
    std::unordered_map<size_t, Dib> dibs; // by record index

    Params params(const Record &r) const
    {
        return Params{reinterpret_cast<const uchar *>(bytes.constData()) + r.offset, r.words};
    }
};

namespace {

struct PenObj {
    int style = 0;
    double width = 0;
    QColor color = Qt::black;
};

struct BrushObj {
    int style = 0;
    int hatch = 0;
    QColor color = Qt::white;
    QImage pattern;
};

struct FontObj {
    int height = 0, width = 0, escapement = 0, weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charset = 0;
    QString face;
};

// One slot of the object table. Palettes and regions take a slot too but draw
// nothing here.
struct GdiObject {
    enum Type : unsigned char { Free, Other, Pen, Brush, Font } type = Free;
    PenObj pen;
    BrushObj brush;
    FontObj font;
    static GdiObject of(const PenObj &p) { GdiObject o; o.type = Pen; o.pen = p; return o; }
    static GdiObject of(const BrushObj &b) { GdiObject o; o.type = Brush; o.brush = b; return o; }
    static GdiObject of(const FontObj &f) { GdiObject o; o.type = Font; o.font = f; return o; }
    static GdiObject other() { GdiObject o; o.type = Other; return o; }
};

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

class Player {
public:
    // With a painter the picture is drawn into target; without one the player
    // only measures what the records draw, in logical units.
    Player(const Metafile::Data &data, QPainter *painter, const QRectF &target)
        : m_data(data), m_painter(painter), m_target(target)
    {
        if (m_painter) {
            const QTransform t = m_painter->transform();
            const double base = std::sqrt(std::abs(t.determinant()));
            const double dpi = m_painter->device() ? m_painter->device()->logicalDpiY() : 96;
            m_onePixel = (base > 1e-9 ? 1.0 / base : 1.0) * dpi / 96.0;
            m_metricsDevice = m_painter->device();
            m_raster = m_painter->paintEngine() && m_painter->paintEngine()->type() == QPaintEngine::Raster;
            m_dc.winOrg = m_data.frame.topLeft();
            m_dc.winExt = QPointF(m_data.frame.width(), m_data.frame.height());
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
        for (size_t i = 0; i < m_data.records.size(); ++i) {
            const Record &r = m_data.records[i];
            play(i, r, m_data.params(r));
        }
        if (m_painter)
            m_painter->restore();
    }

    QRectF bounds() const { return m_bounds; }

private:
    void play(size_t index, const Record &r, const Params &a)
    {
        switch (r.function & 0xFF) {
        case 0x01: // SETBKCOLOR
            if (a.has(2))
                m_dc.bkColor = a.color(0);
            break;
        case 0x02: // SETBKMODE
            if (a.has(1))
                m_dc.bkMode = a.u(0);
            break;
        case 0x03: // SETMAPMODE
            if (a.has(1)) {
                m_dc.mapMode = a.u(0);
                updateMapping();
            }
            break;
        case 0x06: // SETPOLYFILLMODE
            if (a.has(1))
                m_dc.polyFillMode = a.u(0);
            break;
        case 0x09: // SETTEXTCOLOR
            if (a.has(2))
                m_dc.textColor = a.color(0);
            break;
        case 0x0B: // SETWINDOWORG
            if (a.has(2)) {
                m_dc.winOrg = QPointF(a.s(1), a.s(0));
                updateMapping();
            }
            break;
        case 0x0C: // SETWINDOWEXT
            if (a.has(2)) {
                m_dc.winExt = QPointF(a.s(1), a.s(0));
                updateMapping();
            }
            break;
        case 0x0D: // SETVIEWPORTORG
            if (a.has(2))
                m_dc.vpOrg = QPointF(a.s(1), a.s(0));
            break;
        case 0x0E: // SETVIEWPORTEXT
            if (a.has(2))
                m_dc.vpExt = QPointF(a.s(1), a.s(0));
            break;
        case 0x0F: // OFFSETWINDOWORG
            if (a.has(2)) {
                m_dc.winOrg += QPointF(a.s(1), a.s(0));
                updateMapping();
            }
            break;
        case 0x10: // SCALEWINDOWEXT
            if (a.has(4)) {
                const int yDen = a.s(0), yNum = a.s(1), xDen = a.s(2), xNum = a.s(3);
                if (xDen != 0 && yDen != 0) {
                    m_dc.winExt = QPointF(m_dc.winExt.x() * xNum / xDen, m_dc.winExt.y() * yNum / yDen);
                    updateMapping();
                }
            }
            break;
        case 0x11: // OFFSETVIEWPORTORG
            if (a.has(2))
                m_dc.vpOrg += QPointF(a.s(1), a.s(0));
            break;
        case 0x12: // SCALEVIEWPORTEXT
            if (a.has(4) && a.s(0) != 0 && a.s(2) != 0)
                m_dc.vpExt = QPointF(m_dc.vpExt.x() * a.s(3) / a.s(2), m_dc.vpExt.y() * a.s(1) / a.s(0));
            break;
        case 0x13: // LINETO
            if (a.has(2)) {
                const QPointF to(a.s(1), a.s(0));
                QPainterPath path;
                path.moveTo(map(m_dc.pos));
                path.lineTo(map(to));
                stroke(path);
                m_dc.pos = to;
            }
            break;
        case 0x14: // MOVETO
            if (a.has(2))
                m_dc.pos = QPointF(a.s(1), a.s(0));
            break;
        case 0x15: // EXCLUDECLIPRECT
        case 0x16: // INTERSECTCLIPRECT
            if (a.has(4))
                clipRect(mapRect(a.s(3), a.s(2), a.s(1), a.s(0)), (r.function & 0xFF) == 0x16);
            break;
        case 0x17: // ARC
        case 0x1A: // PIE
        case 0x30: // CHORD
            if (a.has(8))
                arc(r.function & 0xFF, a);
            break;
        case 0x18: // ELLIPSE
            if (a.has(4)) {
                QPainterPath path;
                path.addEllipse(mapRect(a.s(3), a.s(2), a.s(1), a.s(0)));
                fillAndStroke(path);
            }
            break;
        case 0x1B: // RECTANGLE
            if (a.has(4)) {
                QPainterPath path;
                path.addRect(mapRect(a.s(3), a.s(2), a.s(1), a.s(0)));
                fillAndStroke(path);
            }
            break;
        case 0x1C: // ROUNDRECT
            if (a.has(6)) {
                QPainterPath path;
                path.addRoundedRect(mapRect(a.s(5), a.s(4), a.s(3), a.s(2)), std::abs(a.s(1) * m_sx) / 2,
                                    std::abs(a.s(0) * m_sy) / 2);
                fillAndStroke(path);
            }
            break;
        case 0x1D: // PATBLT
            if (a.has(6))
                rasterFill(a.u32(0), mapRect(a.s(5), a.s(4), a.s(5) + a.s(3), a.s(4) + a.s(2)));
            break;
        case 0x1E: // SAVEDC
            if (m_saved.size() < MaxSavedStates)
                m_saved.push_back(m_dc);
            break;
        case 0x1F: // SETPIXEL
            if (a.has(4)) {
                const QPointF c = map(QPointF(a.s(3), a.s(2)));
                fillRect(QRectF(c, QSizeF(std::max(m_onePixel, 1e-6), std::max(m_onePixel, 1e-6))), a.color(0));
            }
            break;
        case 0x21: // TEXTOUT
            if (a.has(1)) {
                const int count = a.s(0);
                const quint32 stringWords = count > 0 ? quint32(count + 1) / 2 : 0;
                if (count > 0 && a.has(1 + stringWords + 2)) {
                    const QByteArray raw(a.bytes(1), count);
                    const QPointF at(a.s(1 + stringWords + 1), a.s(1 + stringWords));
                    text(at, raw, nullptr, 0, nullptr);
                }
            }
            break;
        case 0x24: // POLYGON
        case 0x25: // POLYLINE
            if (a.has(1)) {
                const quint32 count = a.u(0);
                if (count > 0 && a.has(1 + 2 * quint64(count))) {
                    QPolygonF poly;
                    poly.reserve(count);
                    for (quint32 i = 0; i < count; ++i)
                        poly << map(QPointF(a.s(1 + 2 * i), a.s(2 + 2 * i)));
                    QPainterPath path;
                    path.setFillRule(fillRule());
                    path.addPolygon(poly);
                    if ((r.function & 0xFF) == 0x24) {
                        path.closeSubpath();
                        fillAndStroke(path);
                    } else {
                        stroke(path);
                    }
                }
            }
            break;
        case 0x27: // RESTOREDC
            if (a.has(1))
                restoreDC(a.s(0));
            break;
        case 0x2D: // SELECTOBJECT
            if (a.has(1))
                selectObject(a.u(0));
            break;
        case 0x2E: // SETTEXTALIGN
            if (a.has(1))
                m_dc.textAlign = a.u(0);
            break;
        case 0x32: // EXTTEXTOUT
            extTextOut(a);
            break;
        case 0x38: // POLYPOLYGON
            polyPolygon(a);
            break;
        case 0x40: // DIBBITBLT
            if (dibWord(r) < 0) {
                if (a.has(9))
                    rasterFill(a.u32(0), mapRect(a.s(8), a.s(7), a.s(8) + a.s(6), a.s(7) + a.s(5)));
            } else if (a.has(8)) {
                const int h = a.s(4), w = a.s(5);
                drawDib(index, a.u32(0), QRect(a.s(3), a.s(2), w, h),
                        mapRect(a.s(7), a.s(6), a.s(7) + w, a.s(6) + h));
            }
            break;
        case 0x41: // DIBSTRETCHBLT
            if (dibWord(r) < 0) {
                if (a.has(11))
                    rasterFill(a.u32(0), mapRect(a.s(10), a.s(9), a.s(10) + a.s(8), a.s(9) + a.s(7)));
            } else if (a.has(10)) {
                drawDib(index, a.u32(0), QRect(a.s(5), a.s(4), a.s(3), a.s(2)),
                        mapRect(a.s(9), a.s(8), a.s(9) + a.s(7), a.s(8) + a.s(6)));
            }
            break;
        case 0x43: // STRETCHDIB
            if (a.has(11))
                drawDib(index, a.u32(0), QRect(a.s(6), a.s(5), a.s(4), a.s(3)),
                        mapRect(a.s(10), a.s(9), a.s(10) + a.s(8), a.s(9) + a.s(7)));
            break;
        case 0x42: { // DIBCREATEPATTERNBRUSH
            BrushObj b;
            b.style = 3;
            b.color = Qt::gray;
            const auto it = m_data.dibs.find(index);
            if (it != m_data.dibs.end())
                b.pattern = it->second.image;
            create(GdiObject::of(b));
            break;
        }
        case 0xF0: // DELETEOBJECT
            if (a.has(1))
                deleteObject(a.u(0));
            break;
        case 0xF7: // CREATEPALETTE
        case 0xFF: // CREATEREGION
            create(GdiObject::other());
            break;
        case 0xF9: { // CREATEPATTERNBRUSH (an old-style bitmap: shown as grey)
            BrushObj b;
            b.color = Qt::gray;
            create(GdiObject::of(b));
            break;
        }
        case 0xFA: // CREATEPENINDIRECT
            if (a.has(5)) {
                PenObj p;
                p.style = a.u(0);
                p.width = std::abs(a.s(1));
                p.color = a.color(3);
                create(GdiObject::of(p));
            } else {
                create(GdiObject::other());
            }
            break;
        case 0xFB: // CREATEFONTINDIRECT
            if (a.has(9))
                create(GdiObject::of(font(a)));
            else
                create(GdiObject::other());
            break;
        case 0xFC: // CREATEBRUSHINDIRECT
            if (a.has(4)) {
                BrushObj b;
                b.style = a.u(0);
                b.color = a.color(1);
                b.hatch = a.u(3);
                create(GdiObject::of(b));
            } else {
                create(GdiObject::other());
            }
            break;
        default:
            // Escapes, palettes, regions, raster and mapper settings, and
            // records this player does not know: nothing to draw.
            break;
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
            ext = QPointF(std::abs(m_data.frame.width()), -std::abs(m_data.frame.height()));
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

    bool penVisible() const { return (m_dc.pen.style & 0x0F) != 5; }

    double penWidth() const { return std::max(m_dc.pen.width * scaleX(), m_onePixel); }

    QPen makePen() const
    {
        const PenObj &p = m_dc.pen;
        if (!penVisible())
            return Qt::NoPen;
        QPen pen(p.color, penWidth());
        switch (p.style & 0x0F) {
        case 1: pen.setStyle(Qt::DashLine); break;
        case 2: pen.setStyle(Qt::DotLine); break;
        case 3: pen.setStyle(Qt::DashDotLine); break;
        case 4: pen.setStyle(Qt::DashDotDotLine); break;
        case 8: pen.setStyle(Qt::DotLine); break;
        default: pen.setStyle(Qt::SolidLine); break;
        }
        switch (p.style & 0x0F00) {
        case 0x100: pen.setCapStyle(Qt::SquareCap); break;
        case 0x200: pen.setCapStyle(Qt::FlatCap); break;
        default: pen.setCapStyle(Qt::RoundCap); break;
        }
        switch (p.style & 0xF000) {
        case 0x1000: pen.setJoinStyle(Qt::BevelJoin); break;
        case 0x2000: pen.setJoinStyle(Qt::MiterJoin); break;
        default: pen.setJoinStyle(Qt::RoundJoin); break;
        }
        return pen;
    }

    QBrush makeBrush() const
    {
        const BrushObj &b = m_dc.brush;
        switch (b.style) {
        case 1: // NULL
            return Qt::NoBrush;
        case 2: { // HATCHED
            static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                     Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
            QBrush brush(b.color, b.hatch >= 0 && b.hatch < 6 ? hatches[b.hatch] : Qt::SolidPattern);
            brush.setTransform(QTransform::fromScale(m_onePixel, m_onePixel));
            return brush;
        }
        case 3:
        case 5:
        case 6:
            if (!b.pattern.isNull()) {
                QBrush brush(b.pattern);
                brush.setTransform(QTransform::fromScale(m_onePixel, m_onePixel));
                return brush;
            }
            return QBrush(b.color);
        default:
            return QBrush(b.color);
        }
    }

    void include(const QRectF &r)
    {
        m_bounds = m_bounds.isNull() ? r : m_bounds.united(r);
    }

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
        if (kind == 0x1A) {
            path.moveTo(c);
            path.arcTo(box, a1, sweep);
            path.closeSubpath();
        } else {
            path.arcMoveTo(box, a1);
            path.arcTo(box, a1, sweep);
            if (kind == 0x30)
                path.closeSubpath();
        }
        if (kind == 0x17)
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
        case 0x00: fillRect(r, Qt::black); break;
        case 0xFF: fillRect(r, Qt::white); break;
        case 0xF0: // PATCOPY
            if (m_dc.brush.style != 1)
                fillRect(r, makeBrush());
            break;
        default: break; // operations on the destination alone cannot be replayed on a printer
        }
    }

    void drawDib(size_t index, quint32 rop, QRect src, const QRectF &dest)
    {
        const auto it = m_data.dibs.find(index);
        if (it == m_data.dibs.end() || dest.isEmpty()) {
            if (it == m_data.dibs.end())
                rasterFill(rop, dest);
            return;
        }
        if (!m_painter) {
            include(dest);
            return;
        }
        const QImage &image = it->second.image;
        src = src.normalized();
        if (src.isEmpty())
            src = image.rect();
        // A bottom-up bitmap counts its source rows from the bottom.
        if (it->second.bottomUp)
            src.moveTop(image.height() - src.top() - src.height());
        src &= image.rect();
        if (src.isEmpty())
            return;
        const int op = (rop >> 16) & 0xFF;
        QImage part = image.copy(src);
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

    void text(QPointF at, const QByteArray &raw, const std::vector<double> *dx, int options, const QRectF *rect)
    {
        const bool updateCP = (m_dc.textAlign & 1) != 0;
        if (updateCP)
            at = m_dc.pos;
        if (rect && (options & 0x02)) // ETO_OPAQUE
            fillRect(*rect, m_dc.bkColor);
        double em = 0;
        const QFont f = qtFont(em);
        if (em <= 1e-3 || raw.isEmpty())
            return;
        const QString str = decodeCp1252(raw);
        const QFontMetricsF fm(f, m_metricsDevice);
        double width = 0;
        std::vector<double> offsets;
        if (dx) {
            offsets.reserve(dx->size());
            for (double d : *dx) {
                offsets.push_back(width);
                width += d * scaleX();
            }
        } else {
            width = fm.horizontalAdvance(str);
        }
        double x0 = 0;
        switch (m_dc.textAlign & 6) {
        case 2: x0 = -width; break;
        case 6: x0 = -width / 2; break;
        default: break;
        }
        double baseline = fm.ascent();
        switch (m_dc.textAlign & 24) {
        case 8: baseline = -fm.descent(); break;
        case 24: baseline = 0; break;
        default: break;
        }
        if (updateCP && (m_dc.textAlign & 6) == 0 && scaleX() > 0)
            m_dc.pos.rx() += width / scaleX() * (m_sx < 0 ? -1 : 1);
        const QPointF origin = map(at);
        QTransform place;
        place.translate(origin.x(), origin.y());
        place.rotate(-m_dc.font.escapement / 10.0);
        const QRectF box(x0, baseline - fm.ascent(), width, fm.ascent() + fm.descent());
        if (!m_painter) {
            include(place.mapRect(box));
            return;
        }
        m_painter->save();
        if (rect && (options & 0x04)) // ETO_CLIPPED
            m_painter->setClipRect(*rect, Qt::IntersectClip);
        m_painter->setTransform(place, true);
        if (m_dc.bkMode == 2 && !(rect && (options & 0x02)))
            m_painter->fillRect(box, m_dc.bkColor);
        m_painter->setFont(f);
        m_painter->setPen(m_dc.textColor);
        m_painter->setBackgroundMode(Qt::TransparentMode);
        if (dx && offsets.size() == size_t(str.size())) {
            for (qsizetype i = 0; i < str.size(); ++i)
                m_painter->drawText(QPointF(x0 + offsets[size_t(i)], baseline), QString(str[i]));
        } else {
            m_painter->drawText(QPointF(x0, baseline), str);
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

    void create(GdiObject object)
    {
        if (!m_free.empty()) {
            const int slot = *m_free.begin();
            m_free.erase(m_free.begin());
            m_objects[size_t(slot)] = std::move(object);
        } else if (m_objects.size() < MaxObjects) {
            m_objects.emplace_back(std::move(object));
        }
    }

    void selectObject(quint16 index)
    {
        if (index >= m_objects.size())
            return;
        const GdiObject &o = m_objects[index];
        if (o.type == GdiObject::Pen)
            m_dc.pen = o.pen;
        else if (o.type == GdiObject::Brush)
            m_dc.brush = o.brush;
        else if (o.type == GdiObject::Font)
            m_dc.font = o.font;
    }

    void deleteObject(quint16 index)
    {
        if (index >= m_objects.size() || m_objects[index].type == GdiObject::Free)
            return;
        m_objects[index] = GdiObject();
        m_free.insert(index);
    }

    const Metafile::Data &m_data;
    QPainter *m_painter;
    QRectF m_target;
    QPaintDevice *m_metricsDevice = nullptr;
    QImage m_measureImage;
    bool m_raster = false;
    double m_onePixel = 1; // 1/96 inch in painter units: the thinnest line
    DeviceContext m_dc;
    std::vector<DeviceContext> m_saved;
    std::vector<GdiObject> m_objects;
    std::set<int> m_free;
    int m_pathClips = 0;
    double m_sx = 1, m_sy = 1, m_ox = 0, m_oy = 0;
    QPointF m_org;
    QRectF m_bounds;
};

[[noreturn]] void invalid()
{
    throw ZentropeError(QString::fromLatin1(InvalidText));
}

} // namespace

Metafile::Metafile() = default;
Metafile::~Metafile() = default;
Metafile::Metafile(const Metafile &) = default;
Metafile &Metafile::operator=(const Metafile &) = default;

bool Metafile::isPlaceable() const { return d && d->placeable; }
bool Metafile::checksumValid() const { return d && d->checksumOk; }
QRectF Metafile::frame() const { return d ? d->frame : QRectF(); }
QSizeF Metafile::sizeInches() const { return d ? d->inches : QSizeF(); }
int Metafile::recordCount() const { return d ? int(d->records.size()) : 0; }

Metafile Metafile::fromData(const QByteArray &bytes)
{
    auto data = std::make_shared<Data>();
    data->bytes = bytes;
    const auto *p = reinterpret_cast<const uchar *>(data->bytes.constData());
    const qsizetype size = data->bytes.size();
    if (size > MaxFileBytes)
        invalid();
    qsizetype at = 0;
    QRectF box;
    if (size >= 22 && qFromLittleEndian<quint32>(p) == PlaceableKey) {
        data->placeable = true;
        quint16 sum = 0;
        for (int i = 0; i < 10; ++i)
            sum ^= qFromLittleEndian<quint16>(p + 2 * i);
        data->checksumOk = sum == qFromLittleEndian<quint16>(p + 20);
        const qint16 left = qFromLittleEndian<qint16>(p + 6), top = qFromLittleEndian<qint16>(p + 8);
        const qint16 right = qFromLittleEndian<qint16>(p + 10), bottom = qFromLittleEndian<qint16>(p + 12);
        const quint16 inch = qFromLittleEndian<quint16>(p + 14);
        box = QRectF(left, top, double(right) - left, double(bottom) - top);
        if (inch > 0 && box.width() != 0 && box.height() != 0)
            data->inches = QSizeF(std::abs(box.width()) / inch, std::abs(box.height()) / inch);
        at = 22;
    }
    if (size - at < 18)
        invalid();
    const quint16 type = qFromLittleEndian<quint16>(p + at);
    const quint16 headerWords = qFromLittleEndian<quint16>(p + at + 2);
    const quint16 version = qFromLittleEndian<quint16>(p + at + 4);
    if ((type != 1 && type != 2) || headerWords != 9 || (version != 0x0100 && version != 0x0300))
        invalid();
    at += 18;
    // Every record must lie inside the file; the end record or the end of the
    // data closes the list, and bytes after the end record are ignored.
    while (size - at >= 6) {
        const quint32 words = qFromLittleEndian<quint32>(p + at);
        const quint16 function = qFromLittleEndian<quint16>(p + at + 4);
        if (function == 0)
            break;
        if (words < 3 || qint64(words) * 2 > size - at)
            invalid();
        data->records.push_back(Record{at + 6, words - 3, function});
        at += qsizetype(words) * 2;
    }

    // Bitmaps are decoded once here, not at every repaint.
    qint64 pixels = 0;
    for (size_t i = 0; i < data->records.size(); ++i) {
        const Record &r = data->records[i];
        const int w = dibWord(r);
        if (w < 0 || quint32(w) >= r.words)
            continue;
        const Params a = data->params(r);
        if ((r.function & 0xFF) == 0x42 && a.u(0) == 3)
            continue; // an old-style bitmap, not a packed DIB
        const quint16 usage = (r.function & 0xFF) == 0x43 ? a.u(2) : (r.function & 0xFF) == 0x42 ? a.u(1) : 0;
        if (usage == 1)
            continue; // palette indexes need the playing device's palette
        const QImage image = picture::decodeDib(a.bytes(quint32(w)), a.byteCount(quint32(w)),
                                                std::min(MaxDibPixels, MaxTotalDibPixels - pixels));
        if (image.isNull())
            continue;
        pixels += qint64(image.width()) * image.height();
        const qint32 headerHeight =
            a.byteCount(quint32(w)) >= 12 && qFromLittleEndian<quint32>(a.bytes(quint32(w))) >= 40
                ? qFromLittleEndian<qint32>(a.bytes(quint32(w)) + 8)
                : 1;
        data->dibs.emplace(i, Dib{image, headerHeight > 0});
    }

    if (data->placeable && box.width() != 0 && box.height() != 0) {
        data->frame = box;
    } else {
        std::optional<QPointF> org, ext;
        for (const Record &r : data->records) {
            const Params a = data->params(r);
            if ((r.function & 0xFF) == 0x0B && a.has(2) && !org)
                org = QPointF(a.s(1), a.s(0));
            if ((r.function & 0xFF) == 0x0C && a.has(2) && !ext && a.s(0) != 0 && a.s(1) != 0)
                ext = QPointF(a.s(1), a.s(0));
            if (org && ext)
                break;
        }
        if (ext) {
            const QPointF o = org.value_or(QPointF(0, 0));
            data->frame = QRectF(o.x(), o.y(), ext->x(), ext->y());
        } else {
            Player measure(*data, nullptr, QRectF());
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
    }
    Metafile m;
    m.d = std::move(data);
    return m;
}

Metafile Metafile::fromFile(const QString &fileName)
{
    return fromData(picture::readFile(fileName, QString::fromLatin1(InvalidText)));
}

void Metafile::play(QPainter &painter, const QRectF &target) const
{
    if (!d || !painter.isActive() || target.isEmpty())
        return;
    Player player(*d, &painter, target);
    player.run();
}

} // namespace zentrope
