#pragma once

#include "platform/Metafile.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;

namespace zentrope {

// A loaded corner graphic: a bitmap, an icon or a metafile, which paints
// itself into a rectangle on any painter (screen or printer).
class Graphic {
public:
    enum class Kind { None, Bitmap, Icon, Metafile };

    Graphic() = default;

    // The picture type of a file: the three characters after the first "." of
    // its name (not of its folders), upper case; the name's first three
    // characters when it has no ".".
    static QString extensionOf(const QString &fileName);
    // "BMP", "ICO" and "WMF" name the three kinds; any other text None.
    static Kind kindOf(const QString &extension);

    // Reads the file as the given kind. Throws ZentropeError with "Cannot open
    // file <name>.", "Bitmap image is not valid.", "Icon image is not valid." or
    // "Metafile is not valid."; Kind::None reads nothing and gives a null graphic.
    static Graphic load(const QString &fileName, Kind kind);

    Kind kind() const { return m_kind; }
    bool isNull() const { return m_kind == Kind::None; }
    // Pixels of a bitmap or of an icon's first image; a metafile's size at
    // 96 pixels per inch.
    QSize naturalSize() const;
    const QImage &image() const { return m_image; }
    const zentrope::Metafile &metafile() const { return m_metafile; }

    // Draws the whole picture stretched into target; a null graphic draws nothing.
    void paint(QPainter &painter, const QRectF &target) const;

private:
    Kind m_kind = Kind::None;
    QImage m_image;
    zentrope::Metafile m_metafile;
};

} // namespace zentrope
