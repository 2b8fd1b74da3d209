#include "app/controls/Controls.h"
#include "platform/PaperPalette.h"
#include "app/dialogs/FontDialog.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "platform/FontFaces.h"
#include "print/page/AddressFont.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace zentrope {

// Address fonts and the formatting toolbar.

namespace {

const char *const kColorNumber = "fontColorNumber";

void setTextColor(MemoControl *memo, int32_t number)
{
    QPalette p = memo->palette();
    const QColor c = AddressFontColor(number);
    // Both groups, so the text keeps its colour when the box loses the focus.
    p.setColor(QPalette::Active, QPalette::Text, c);
    p.setColor(QPalette::Inactive, QPalette::Text, c);
    memo->setPalette(p);
    memo->setProperty(kColorNumber, number);
}

} // namespace

FontDescription TFormStampMain::AddressFont(MemoControl *memo) const
{
    FontDescription d;
    d.PixelsPerInch = static_cast<int>(Scale::screenDpi());
    const QFont f = memo->font();
    d.Name = f.family();
    if (f.pointSize() > 0)
        d.SetSize(f.pointSize());
    else if (f.pointSizeF() > 0)
        d.SetSize(static_cast<int>(std::lround(f.pointSizeF())));
    else
        d.SetHeight(-f.pixelSize());
    const QColor c = memo->palette().color(QPalette::Text);
    d.Color = c.red() | (c.green() << 8) | (c.blue() << 16);
    // The colour number the box was given survives when it is still the one shown,
    // so a system colour is written back as the system colour.
    const QVariant stored = memo->property(kColorNumber);
    if (stored.isValid() && AddressFontColor(stored.toInt()) == c)
        d.Color = stored.toInt();
    d.Bold = f.bold();
    d.Italic = f.italic();
    d.Underline = f.underline();
    d.StrikeOut = f.strikeOut();
    return d;
}

void TFormStampMain::SetAddressFont(MemoControl *memo, const FontDescription &d)
{
    // The point size holds at the screen's design resolution, as the height says.
    memo->setFont(AddressFontOf(d));
    setTextColor(memo, d.Color);
    ScheduleFitCheck();
}

void TFormStampMain::RefreshAddressColours()
{
    for (MemoControl *memo : {MemoAddress, MemoReturnAddress}) {
        const QVariant number = memo->property(kColorNumber);
        if (number.isValid())
            setTextColor(memo, number.toInt());
    }
}

MemoControl *TFormStampMain::ActiveAddressMemo() const
{
    switch (m_state.ActiveAddress) {
    case aaReturn:
        return MemoReturnAddress;
    case aaDestination:
        return MemoAddress;
    case aaNone:
        break;
    }
    return nullptr;
}

void TFormStampMain::ChangeAddressFont(MemoControl *memo,
                                       const std::function<void(FontDescription &)> &change)
{
    FontDescription d = AddressFont(memo);
    change(d);
    SetAddressFont(memo, d);
    Options().WriteAddressFont(memo == MemoReturnAddress, d);
}

void TFormStampMain::FillFontNames()
{
    // Every family the screen offers, scalable or not, sorted. A stored face
    // the system draws through another family ("Arial" on most Linux desktops)
    // is listed too, so it shows as the box's face and can be chosen again.
    QStringList names = ScreenFontFamilies();
    for (MemoControl *memo : {MemoAddress, MemoReturnAddress}) {
        const QString face = memo->font().family();
        if (!names.contains(face, Qt::CaseInsensitive) && IsSubstitutedFace(face)) {
            const auto at =
                std::lower_bound(names.begin(), names.end(), face, [](const QString &a, const QString &b) {
                    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
                });
            names.insert(at, face);
        }
    }
    ComboBoxFontName->clear();
    ComboBoxFontName->addItems(names);
}

void TFormStampMain::ComboBoxFontNameChange(QObject *)
{
    MemoControl *memo = ActiveAddressMemo();
    const int i = ComboBoxFontName->currentIndex();
    if (!memo || i < 0)
        return;
    const QString name = ComboBoxFontName->itemText(i);
    ChangeAddressFont(memo, [&](FontDescription &d) { d.Name = name; });
}

void TFormStampMain::ComboBoxFontSizeChange(QObject *)
{
    MemoControl *memo = ActiveAddressMemo();
    const int i = ComboBoxFontSize->currentIndex();
    if (!memo || i < 0)
        return;
    bool ok = false;
    const int points = ComboBoxFontSize->itemText(i).trimmed().toInt(&ok);
    if (!ok)
        return;
    ChangeAddressFont(memo, [&](FontDescription &d) { d.SetSize(points); });
}

// Each button has flipped its down state before its click arrives.
void TFormStampMain::SpeedButtonBoldClick(QObject *)
{
    if (MemoControl *memo = ActiveAddressMemo()) {
        const bool on = SpeedButtonBold->isChecked();
        ChangeAddressFont(memo, [on](FontDescription &d) { d.Bold = on; });
    }
}

void TFormStampMain::SpeedButtonItalicClick(QObject *)
{
    if (MemoControl *memo = ActiveAddressMemo()) {
        const bool on = SpeedButtonItalic->isChecked();
        ChangeAddressFont(memo, [on](FontDescription &d) { d.Italic = on; });
    }
}

void TFormStampMain::SpeedButtonUnderlineClick(QObject *)
{
    if (MemoControl *memo = ActiveAddressMemo()) {
        const bool on = SpeedButtonUnderline->isChecked();
        ChangeAddressFont(memo, [on](FontDescription &d) { d.Underline = on; });
    }
}

void TFormStampMain::RunFontDialog(MemoControl *memo)
{
    if (!FontDialog)
        FontDialog = new AddressFontDialog(this);
    const FontDescription before = AddressFont(memo);
    FontDialog->setCurrentFont(memo->font());
    FontDialog->setColor(before.Color);
    // The dialog lists real families only: a substituted face ("Arial") shows
    // as another one, which must not replace the stored name unless the user
    // picks a face.
    const QString shownFace = FontDialog->currentFont().family();
    if (Prompt::exec(*FontDialog) != QDialog::Accepted)
        return;
    const QFont chosen = FontDialog->currentFont();
    const int32_t color = FontDialog->color();
    ChangeAddressFont(memo, [&](FontDescription &d) {
        if (chosen.family() != shownFace)
            d.Name = chosen.family();
        if (chosen.pointSize() > 0)
            d.SetSize(chosen.pointSize());
        else if (chosen.pointSizeF() > 0)
            d.SetSize(static_cast<int>(std::lround(chosen.pointSizeF())));
        d.Bold = chosen.bold();
        d.Italic = chosen.italic();
        d.Underline = chosen.underline();
        d.StrikeOut = chosen.strikeOut();
        d.Color = color;
    });
}

void TFormStampMain::OptionsFontAddressClick(QObject *)
{
    RunFontDialog(MemoAddress);
}

void TFormStampMain::OptionsFontReturnAddressClick(QObject *)
{
    RunFontDialog(MemoReturnAddress);
}

} // namespace zentrope
