#include "platform/MetafileObjects.h"

#include <QTransform>

namespace zentrope {

namespace wmf {

QPen PenObj::qtPen(double deviceWidth) const
{
    // By PS_ style; PS_NULL (5) draws nothing and never gets here.
    static const Qt::PenStyle lines[16] = {Qt::SolidLine,      Qt::DashLine,  Qt::DotLine,   Qt::DashDotLine,
                                           Qt::DashDotDotLine, Qt::SolidLine, Qt::SolidLine, Qt::SolidLine,
                                           Qt::DotLine,        Qt::SolidLine, Qt::SolidLine, Qt::SolidLine,
                                           Qt::SolidLine,      Qt::SolidLine, Qt::SolidLine, Qt::SolidLine};
    const int cap = style & 0x0F00, join = style & 0xF000;
    QPen pen(color, deviceWidth);
    pen.setStyle(lines[style & 0x0F]);
    pen.setCapStyle(cap == 0x100 ? Qt::SquareCap : cap == 0x200 ? Qt::FlatCap : Qt::RoundCap);
    pen.setJoinStyle(join == 0x1000 ? Qt::BevelJoin : join == 0x2000 ? Qt::MiterJoin : Qt::RoundJoin);
    return pen;
}

QBrush BrushObj::qtBrush(double onePixel) const
{
    switch (style) {
    case 1: // BS_NULL
        return Qt::NoBrush;
    case 2: { // BS_HATCHED
        static const Qt::BrushStyle hatches[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                                 Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
        QBrush brush(color, hatch >= 0 && hatch < 6 ? hatches[hatch] : Qt::SolidPattern);
        brush.setTransform(QTransform::fromScale(onePixel, onePixel));
        return brush;
    }
    case 3: // BS_PATTERN
    case 5: // BS_DIBPATTERN
    case 6: // BS_DIBPATTERNPT
        if (!pattern.isNull()) {
            QBrush brush(pattern);
            brush.setTransform(QTransform::fromScale(onePixel, onePixel));
            return brush;
        }
        return QBrush(color);
    default:
        return QBrush(color);
    }
}

GdiObject GdiObject::of(const PenObj &p)
{
    GdiObject o;
    o.type = Pen;
    o.pen = p;
    return o;
}

GdiObject GdiObject::of(const BrushObj &b)
{
    GdiObject o;
    o.type = Brush;
    o.brush = b;
    return o;
}

GdiObject GdiObject::of(const FontObj &f)
{
    GdiObject o;
    o.type = Font;
    o.font = f;
    return o;
}

GdiObject GdiObject::other()
{
    GdiObject o;
    o.type = Other;
    return o;
}

} // namespace wmf

void MetafileObjects::create(wmf::GdiObject object)
{
    if (!m_free.empty()) {
        const int slot = *m_free.begin();
        m_free.erase(m_free.begin());
        m_objects[size_t(slot)] = std::move(object);
    } else if (m_objects.size() < MaxObjects) {
        m_objects.emplace_back(std::move(object));
    }
}

const wmf::GdiObject *MetafileObjects::at(quint16 index) const
{
    return index < m_objects.size() ? &m_objects[index] : nullptr;
}

void MetafileObjects::remove(quint16 index)
{
    if (index >= m_objects.size() || m_objects[index].type == wmf::GdiObject::Free)
        return;
    m_objects[index] = wmf::GdiObject();
    m_free.insert(index);
}

} // namespace zentrope
