#include "print/page/AddressFont.h"

#include "platform/PaperPalette.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace zentrope {

QColor AddressFontColor(int32_t color)
{
    if (color >= 0)
        return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
    // System colours are those of the envelope's paper: window text is black
    // on a dark desktop too.
    const QPalette p = PaperPalette(QGuiApplication::palette());
    switch (color & 0xFF) {
    case 5:
        return p.color(QPalette::Base); // window background
    case 9:
        return p.color(QPalette::HighlightedText); // caption text
    case 13:
        return p.color(QPalette::Highlight); // selection
    case 14:
        return p.color(QPalette::HighlightedText); // selected text
    case 15:
        return p.color(QPalette::Button); // button face
    case 16:
        return p.color(QPalette::Dark); // button shadow
    case 17:
        return p.color(QPalette::Disabled, QPalette::Text); // grey text
    case 18:
        return p.color(QPalette::ButtonText); // button text
    case 23:
        return p.color(QPalette::ToolTipText); // hint text
    case 24:
        return p.color(QPalette::ToolTipBase); // hint background
    default:
        return p.color(QPalette::Text); // window text and the rest
    }
}

QFont AddressFontOf(const FontDescription &d)
{
    QFont f(d.Name);
    f.setPointSize(std::max(1, d.Size));
    f.setBold(d.Bold);
    f.setItalic(d.Italic);
    f.setUnderline(d.Underline);
    f.setStrikeOut(d.StrikeOut);
    return f;
}

PageFont AddressPageFont(const FontDescription &d)
{
    return PageFont{AddressFontOf(d), AddressFontColor(d.Color)};
}

} // namespace zentrope
