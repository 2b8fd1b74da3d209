#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPen>
#include <QString>
#include <set>
#include <vector>

namespace zentrope {

namespace wmf {

struct PenObj {
    int style = 0;
    double width = 0;
    QColor color = Qt::black;
    bool visible() const { return (style & 0x0F) != 5; } // not PS_NULL
    // The pen at a width in painter units.
    QPen qtPen(double deviceWidth) const;
};

struct BrushObj {
    int style = 0;
    int hatch = 0;
    QColor color = Qt::white;
    QImage pattern;
    // Hatches and patterns are laid out in device pixels of onePixel painter units.
    QBrush qtBrush(double onePixel) const;
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
    static GdiObject of(const PenObj &p);
    static GdiObject of(const BrushObj &b);
    static GdiObject of(const FontObj &f);
    static GdiObject other();
};

} // namespace wmf

// The object table of a playing metafile. A new object takes the lowest free
// slot, else a new one at the end; records name objects by slot.
class MetafileObjects {
public:
    // The table's index is 16 bits; objects beyond it are dropped.
    static constexpr size_t MaxObjects = 65535;

    void create(wmf::GdiObject object);
    // The object in a slot; nullptr outside the table.
    const wmf::GdiObject *at(quint16 index) const;
    // Frees a slot; a free slot or one outside the table is left alone.
    void remove(quint16 index);

private:
    std::vector<wmf::GdiObject> m_objects;
    std::set<int> m_free;
};

} // namespace zentrope
