#include "app/controls/GlyphIconEngine.h"

#include "platform/Contrast.h"

#include <QApplication>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

namespace zentrope {

namespace {
// The root element's colour attribute: the glyph's ink.
const QRegularExpression &rootColor()
{
    static const QRegularExpression re(QStringLiteral("^(\\s*<svg\\b[^>]*\\scolor=\")(#[0-9A-Fa-f]{3,6})\""));
    return re;
}

QPalette::ColorRole foregroundOf(QPalette::ColorRole background)
{
    switch (background) {
    case QPalette::Window:
        return QPalette::WindowText;
    case QPalette::Button:
        return QPalette::ButtonText;
    default:
        return QPalette::Text;
    }
}
} // namespace

GlyphIconEngine::GlyphIconEngine(const QString &svgFile, QPalette::ColorRole background)
    : m_file(svgFile), m_background(background)
{
}

void GlyphIconEngine::load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    QFile f(m_file);
    if (f.open(QIODevice::ReadOnly))
        m_source = f.readAll();
    const QRegularExpressionMatch m = rootColor().match(QString::fromUtf8(m_source));
    if (m.hasMatch())
        m_drawn = QColor(m.captured(2));
}

QIcon GlyphIconEngine::icon(const QString &svgFile, QPalette::ColorRole background)
{
    return QIcon(new GlyphIconEngine(svgFile, background));
}

QColor GlyphIconEngine::ink(const QColor &drawn, const QPalette &palette, QPalette::ColorRole background)
{
    const QColor ground = palette.color(QPalette::Active, background);
    if (ContrastRatio(drawn, ground) >= ReadableContrast)
        return drawn;
    const QColor text = palette.color(QPalette::Active, foregroundOf(background));
    if (ContrastRatio(text, ground) >= ReadableContrast)
        return text;
    return ReadableInk(drawn, ground);
}

QImage GlyphIconEngine::render(const QSize &pixels, QIcon::Mode mode) const
{
    load();
    QImage img(pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QByteArray source = m_source;
    // A glyph drawn on white sheets brings its own light ground: its ink stays
    // as drawn, or light ink would melt the outlines and the lines inside the
    // sheets into solid white shapes.
    const bool onSheets = m_source.contains("fill=\"#fff\" stroke=\"currentColor\"");
    if (m_drawn.isValid() && !onSheets) {
        const QColor use = ink(m_drawn, QGuiApplication::palette(), m_background);
        if (use != m_drawn) {
            QString text = QString::fromUtf8(source);
            text.replace(rootColor(), QStringLiteral("\\1") + use.name(QColor::HexRgb) + u'"');
            source = text.toUtf8();
        }
    }
    QSvgRenderer svg(source);
    {
        QPainter p(&img);
        svg.render(&p, QRectF(QPointF(0, 0), pixels));
    }
    if (mode == QIcon::Disabled) {
        // The style's own greyed form, as for any other icon.
        QStyleOption opt;
        opt.palette = QApplication::palette();
        return QApplication::style()
            ->generatedIconPixmap(QIcon::Disabled, QPixmap::fromImage(img), &opt)
            .toImage();
    }
    return img;
}

QPixmap GlyphIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State)
{
    if (size.isEmpty())
        return {};
    return QPixmap::fromImage(render(size, mode));
}

QPixmap GlyphIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    // Before Qt 6.8 the size arrives in device pixels already; since, in
    // device-independent ones.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    QPixmap pm = pixmap(size * scale, mode, state);
#else
    QPixmap pm = pixmap(size, mode, state);
#endif
    pm.setDevicePixelRatio(scale);
    return pm;
}

void GlyphIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State)
{
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    QImage img = render(rect.size() * ratio, mode);
    img.setDevicePixelRatio(ratio);
    painter->drawImage(rect, img);
}

QIconEngine *GlyphIconEngine::clone() const
{
    return new GlyphIconEngine(*this);
}

} // namespace zentrope
