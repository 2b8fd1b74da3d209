#include "app/Controls.h"
#include "app/FormStampMain.h"
#include "app/Scale.h"

namespace zentrope {

// Address fonts and the formatting toolbar.

FontDescription TFormStampMain::AddressFont(MemoControl *memo) const
{
    FontDescription d;
    d.PixelsPerInch = static_cast<int>(Scale::screenDpi());
    const QFont f = memo->font();
    d.Name = f.family();
    if (f.pointSize() > 0)
        d.SetSize(f.pointSize());
    else
        d.SetHeight(-f.pixelSize());
    const QColor c = memo->palette().color(QPalette::Text);
    d.Color = c.red() | (c.green() << 8) | (c.blue() << 16);
    d.Bold = f.bold();
    d.Italic = f.italic();
    d.Underline = f.underline();
    d.StrikeOut = f.strikeOut();
    return d;
}

void TFormStampMain::SetAddressFont(MemoControl *memo, const FontDescription &d)
{
    QFont f(d.Name);
    // The point size holds at the screen's design resolution, as the height says.
    f.setPointSize(std::max(1, d.Size));
    f.setBold(d.Bold);
    f.setItalic(d.Italic);
    f.setUnderline(d.Underline);
    f.setStrikeOut(d.StrikeOut);
    memo->setFont(f);
    QPalette p = memo->palette();
    const QColor c(d.Color & 0xFF, (d.Color >> 8) & 0xFF, (d.Color >> 16) & 0xFF);
    p.setColor(QPalette::Text, c);
    memo->setPalette(p);
}

void TFormStampMain::FillFontNames() {}
void TFormStampMain::ComboBoxFontNameChange(QObject *) {}
void TFormStampMain::ComboBoxFontSizeChange(QObject *) {}
void TFormStampMain::SpeedButtonBoldClick(QObject *) {}
void TFormStampMain::SpeedButtonItalicClick(QObject *) {}
void TFormStampMain::SpeedButtonUnderlineClick(QObject *) {}
void TFormStampMain::OptionsFontAddressClick(QObject *) {}
void TFormStampMain::OptionsFontReturnAddressClick(QObject *) {}

} // namespace zentrope
