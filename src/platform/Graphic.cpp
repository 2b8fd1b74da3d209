#include "platform/Graphic.h"

#include "platform/PictureReader.h"

#include <QPainter>
#include <cmath>

namespace zentrope {

QString Graphic::extensionOf(const QString &fileName)
{
    const qsizetype slash = fileName.lastIndexOf(QLatin1Char('/'));
    const QString name = slash < 0 ? fileName : fileName.mid(slash + 1);
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    return (dot < 0 ? name.left(3) : name.mid(dot + 1, 3)).toUpper();
}

Graphic::Kind Graphic::kindOf(const QString &extension)
{
    if (extension == QLatin1String("BMP"))
        return Kind::Bitmap;
    if (extension == QLatin1String("ICO"))
        return Kind::Icon;
    if (extension == QLatin1String("WMF"))
        return Kind::Metafile;
    return Kind::None;
}

Graphic Graphic::load(const QString &fileName, Kind kind)
{
    Graphic g;
    switch (kind) {
    case Kind::Bitmap:
        g.m_image = picture::readBitmap(fileName);
        break;
    case Kind::Icon:
        g.m_image = picture::readIcon(fileName);
        break;
    case Kind::Metafile:
        g.m_metafile = zentrope::Metafile::fromFile(fileName);
        break;
    case Kind::None:
        return g;
    }
    g.m_kind = kind;
    return g;
}

QSize Graphic::naturalSize() const
{
    switch (m_kind) {
    case Kind::Bitmap:
    case Kind::Icon:
        return m_image.size();
    case Kind::Metafile: {
        const QSizeF in = m_metafile.sizeInches();
        if (!in.isEmpty())
            return QSize(int(std::lround(in.width() * 96)), int(std::lround(in.height() * 96)));
        const QRectF f = m_metafile.frame();
        return QSize(int(std::lround(std::abs(f.width()))), int(std::lround(std::abs(f.height()))));
    }
    case Kind::None:
        break;
    }
    return {};
}

void Graphic::paint(QPainter &painter, const QRectF &target) const
{
    if (target.isEmpty())
        return;
    switch (m_kind) {
    case Kind::Bitmap:
    case Kind::Icon:
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_image);
        painter.restore();
        break;
    case Kind::Metafile:
        m_metafile.play(painter, target);
        break;
    case Kind::None:
        break;
    }
}

} // namespace zentrope
