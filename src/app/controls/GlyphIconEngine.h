#pragma once

#include <QByteArray>
#include <QColor>
#include <QIcon>
#include <QIconEngine>
#include <QPalette>

namespace zentrope {

// A toolbar glyph drawn from its SVG source at the size and pixel density
// asked for, so it is sharp on high-density screens. The glyph's ink (what its
// source draws in `currentColor`, in the colour its root element names) stays
// where it reads on the background the glyph sits on; on a palette where it
// does not (a dark desktop) the palette's text colour for that background takes
// its place. Colours are taken from the application palette whenever the glyph
// is drawn, so a palette change shows at the next repaint.
class GlyphIconEngine : public QIconEngine {
public:
    GlyphIconEngine(const QString &svgFile, QPalette::ColorRole background);

    static QIcon icon(const QString &svgFile, QPalette::ColorRole background);
    // The ink a glyph drawn in `drawn` gets on the palette's background role.
    static QColor ink(const QColor &drawn, const QPalette &palette, QPalette::ColorRole background);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QIconEngine *clone() const override;
    QString key() const override { return QStringLiteral("zentrope-glyph"); }

private:
    QImage render(const QSize &pixels, QIcon::Mode mode) const;
    // Reads the source at the first drawing: the window is built before then.
    void load() const;

    QString m_file;
    mutable bool m_loaded = false;
    mutable QByteArray m_source;
    mutable QColor m_drawn; // the ink the source names; invalid when it names none
    QPalette::ColorRole m_background;
};

} // namespace zentrope
