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

void TFormStampMain::ShowAddressFonts()
{
    for (MemoControl *memo : {MemoAddress, MemoReturnAddress}) {
        const FontDescription &d = FComposer->font(memo == MemoReturnAddress);
        // The point size holds at the screen's design resolution, as the height says.
        memo->setFont(AddressFontOf(d));
        QPalette p = memo->palette();
        const QColor c = AddressFontColor(d.Color);
        // Both groups, so the text keeps its colour when the box loses the focus.
        p.setColor(QPalette::Active, QPalette::Text, c);
        p.setColor(QPalette::Inactive, QPalette::Text, c);
        memo->setPalette(p);
    }
}

void TFormStampMain::ChangeAddressFont(bool ReturnAddress,
                                       const std::function<void(FontDescription &)> &change)
{
    FontDescription d = FComposer->font(ReturnAddress);
    change(d);
    FComposer->setFont(ReturnAddress, d);
    ShowAddressFonts();
    Options().WriteAddressFont(ReturnAddress, d);
}

void TFormStampMain::FillFontNames()
{
    // Every family the screen offers, scalable or not, sorted. A stored face
    // the system draws through another family ("Arial" on most Linux desktops)
    // is listed too, so it shows as the box's face and can be chosen again.
    QStringList names = ScreenFontFamilies();
    for (const bool returnAddress : {false, true}) {
        const QString face = FComposer->font(returnAddress).Name;
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

namespace {

// The box the formatting toolbar applies to: the return address or not;
// none when no box is active.
std::optional<bool> activeBox(const EnvelopeComposer &composer)
{
    switch (composer.activeAddress()) {
    case aaReturn:
        return true;
    case aaDestination:
        return false;
    case aaNone:
        break;
    }
    return std::nullopt;
}

} // namespace

void TFormStampMain::ComboBoxFontNameChange(QObject *)
{
    const std::optional<bool> box = activeBox(*FComposer);
    const int i = ComboBoxFontName->currentIndex();
    if (!box || i < 0)
        return;
    const QString name = ComboBoxFontName->itemText(i);
    ChangeAddressFont(*box, [&](FontDescription &d) { d.Name = name; });
}

void TFormStampMain::ComboBoxFontSizeChange(QObject *)
{
    const std::optional<bool> box = activeBox(*FComposer);
    const int i = ComboBoxFontSize->currentIndex();
    if (!box || i < 0)
        return;
    bool ok = false;
    const int points = ComboBoxFontSize->itemText(i).trimmed().toInt(&ok);
    if (!ok)
        return;
    ChangeAddressFont(*box, [&](FontDescription &d) { d.SetSize(points); });
}

// Each button has flipped its down state before its click arrives.
void TFormStampMain::SpeedButtonBoldClick(QObject *)
{
    if (const std::optional<bool> box = activeBox(*FComposer)) {
        const bool on = SpeedButtonBold->isChecked();
        ChangeAddressFont(*box, [on](FontDescription &d) { d.Bold = on; });
    }
}

void TFormStampMain::SpeedButtonItalicClick(QObject *)
{
    if (const std::optional<bool> box = activeBox(*FComposer)) {
        const bool on = SpeedButtonItalic->isChecked();
        ChangeAddressFont(*box, [on](FontDescription &d) { d.Italic = on; });
    }
}

void TFormStampMain::SpeedButtonUnderlineClick(QObject *)
{
    if (const std::optional<bool> box = activeBox(*FComposer)) {
        const bool on = SpeedButtonUnderline->isChecked();
        ChangeAddressFont(*box, [on](FontDescription &d) { d.Underline = on; });
    }
}

void TFormStampMain::RunFontDialog(bool ReturnAddress)
{
    if (!FontDialog)
        FontDialog = new AddressFontDialog(this);
    const FontDescription before = FComposer->font(ReturnAddress);
    FontDialog->setCurrentFont(AddressFontOf(before));
    FontDialog->setColor(before.Color);
    // The dialog lists real families only: a substituted face ("Arial") shows
    // as another one, which must not replace the stored name unless the user
    // picks a face.
    const QString shownFace = FontDialog->currentFont().family();
    if (Prompt::exec(*FontDialog) != QDialog::Accepted)
        return;
    const QFont chosen = FontDialog->currentFont();
    const int32_t color = FontDialog->color();
    ChangeAddressFont(ReturnAddress, [&](FontDescription &d) {
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
    RunFontDialog(false);
}

void TFormStampMain::OptionsFontReturnAddressClick(QObject *)
{
    RunFontDialog(true);
}

} // namespace zentrope
