#include "app/Application.h"
#include "app/Controls.h"
#include "app/FormStampMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QMimeData>
#include <QProxyStyle>
#include <QToolButton>
#include <QToolTip>

namespace zentrope {

namespace {

// Pop-up hints after 800 ms, as the window asks for them.
class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return 800;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Switches the pop-up hint windows off while leaving the hint line fed.
class HintFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip) {
            if (!Application.ShowHint)
                return true;
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && !w->property("showHint").value<bool>() && w->property("showHint").isValid())
                return true;
        }
        return QObject::eventFilter(watched, e);
    }
};

} // namespace

void TFormStampMain::ApplyHintSettings()
{
    static bool installed = false;
    if (!installed) {
        installed = true;
        QApplication::setStyle(new HintStyle(QApplication::style()->name()));
        qApp->installEventFilter(new HintFilter(qApp));
        QPalette tip = QToolTip::palette();
        tip.setColor(QPalette::ToolTipBase, QColor(0, 255, 255));
        tip.setColor(QPalette::ToolTipText, Qt::black);
        QToolTip::setPalette(tip);
    }
}

void TFormStampMain::UpdateMenu(QObject *)
{
    bool sel = false;
    const struct {
        QToolButton *button;
        const char *ret;
        const char *dest;
    } buttons[] = {
        {SpeedButtonBold, "Bold on/off for return address", "Bold on/off for destination address"},
        {SpeedButtonItalic, "Italics on/off for return address", "Italics on/off for destination address"},
        {SpeedButtonUnderline, "Underline on/off for return address", "Underline on/off for destination address"},
    };
    if (ActiveAddress == aaReturn || ActiveAddress == aaDestination) {
        const bool ret = ActiveAddress == aaReturn;
        MemoControl *memo = ret ? MemoReturnAddress : MemoAddress;
        sel = memo->textCursor().hasSelection();
        const QFont f = memo->font();
        const bool styles[] = {f.bold(), f.italic(), f.underline()};
        for (int i = 0; i < 3; ++i) {
            QToolButton *b = buttons[i].button;
            b->setEnabled(true);
            b->setChecked(styles[i]);
            const QString hint = QString::fromLatin1(ret ? buttons[i].ret : buttons[i].dest);
            b->setToolTip(hint);
            b->setStatusTip(hint);
            b->setProperty("showHint", true);
        }
        ComboBoxFontName->setEnabled(true);
        ComboBoxFontName->setCurrentIndex(ComboBoxFontName->findText(f.family(), Qt::MatchFixedString));
        const QString nameHint = ret ? QStringLiteral("Font for return address") : QStringLiteral("Font for destination address");
        ComboBoxFontName->setToolTip(nameHint);
        ComboBoxFontName->setStatusTip(nameHint);
        ComboBoxFontName->setProperty("showHint", true);
        ComboBoxFontSize->setEnabled(true);
        const FontDescription d = AddressFont(memo);
        ComboBoxFontSize->setCurrentIndex(ComboBoxFontSize->findText(QString::number(d.Size), Qt::MatchExactly));
        const QString sizeHint = ret ? QStringLiteral("Font size for return address") : QStringLiteral("Font size for destination address");
        ComboBoxFontSize->setToolTip(sizeHint);
        ComboBoxFontSize->setStatusTip(sizeHint);
        ComboBoxFontSize->setProperty("showHint", true);
        PanelWhichAddress->setText(ret ? QStringLiteral(" Return") : QStringLiteral(" Destination"));
    } else {
        for (const auto &b : buttons) {
            b.button->setEnabled(false);
            b.button->setProperty("showHint", false);
        }
        for (QComboBox *c : {ComboBoxFontName, ComboBoxFontSize}) {
            c->setEnabled(false);
            c->setProperty("showHint", false);
        }
        PanelWhichAddress->setText(QStringLiteral(" "));
    }

    const bool hasText = MemoAddress->lineCount() > 0;
    FileSave->setEnabled(hasText && !AddressFileReadOnly);
    SpeedButtonFileSave->setEnabled(FileSave->isEnabled());
    FileSaveAs->setEnabled(hasText);
    FileClose->setEnabled(hasText);
    FilePrintEnvelope->setEnabled(hasText);
    FilePrintTest->setEnabled(FilePrintEnvelope->isEnabled());
    SpeedButtonPrint->setEnabled(FilePrintEnvelope->isEnabled());

    const bool isDest = ActiveAddress == aaDestination;
    const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
    EditPaste->setEnabled(clip && clip->hasText() && isDest);
    M_Paste->setEnabled(EditPaste->isEnabled());
    SpeedButtonPaste->setEnabled(EditPaste->isEnabled());
    EditCut->setEnabled(sel && isDest);
    M_Cut->setEnabled(EditCut->isEnabled());
    SpeedButtonCut->setEnabled(EditCut->isEnabled());
    EditCopy->setEnabled(sel);
    M_Copy->setEnabled(EditCopy->isEnabled());
    SpeedButtonCopy->setEnabled(EditCopy->isEnabled());
    EditDelete->setEnabled(sel && isDest);
    M_Delete->setEnabled(EditDelete->isEnabled());
    EditSelectAll->setEnabled(isDest && hasText);
    EditClear->setEnabled(isDest && hasText);

    const bool graphic = !GraphicFileName.isEmpty();
    for (QAction *a : {OptionsClearGraphic, OptionsUpdateGraphic, OptionsEditGraphic, M_ClearGraphic,
                       M_UpdateGraphic, M_EditGraphic})
        a->setEnabled(graphic);
    OptionsFontToolbar->setChecked(!PanelFormatToolbar->isHidden());
    PanelModified->setText(MemoAddress->modified() ? QStringLiteral(" Modified") : QString());
}

void TFormStampMain::MemoAddressClick(QObject *Sender)
{
    ActiveAddress = aaDestination;
    UpdateMenu(Sender);
}

void TFormStampMain::MemoReturnAddressClick(QObject *Sender)
{
    ActiveAddress = aaReturn;
    UpdateMenu(Sender);
}

void TFormStampMain::AddressFocusNone(QObject *Sender)
{
    ActiveAddress = aaNone;
    UpdateMenu(Sender);
}

void TFormStampMain::MemoAddressMouseUp(QObject *Sender)
{
    UpdateMenu(Sender);
}

void TFormStampMain::MemoReturnAddressChange(QObject *Sender)
{
    UpdateMenu(Sender);
}

void TFormStampMain::EditCutClick(QObject *Sender)
{
    MemoAddress->cut();
    UpdateMenu(Sender);
}

void TFormStampMain::EditCopyClick(QObject *Sender)
{
    if (ActiveAddress == aaReturn)
        MemoReturnAddress->copy();
    else if (ActiveAddress == aaDestination)
        MemoAddress->copy();
    UpdateMenu(Sender);
}

void TFormStampMain::EditPasteClick(QObject *Sender)
{
    MemoAddress->paste();
    UpdateMenu(Sender);
}

void TFormStampMain::EditDeleteClick(QObject *Sender)
{
    QTextCursor c = MemoAddress->textCursor();
    if (c.hasSelection()) {
        c.removeSelectedText();
        MemoAddress->setTextCursor(c);
    }
    UpdateMenu(Sender);
}

void TFormStampMain::EditSelectAllClick(QObject *)
{
    MemoAddress->selectAll();
}

void TFormStampMain::EditClearClick(QObject *Sender)
{
    if (!QuerySaveChanges())
        return;
    MemoAddress->clear();
    MemoAddressChange(Sender);
}

void TFormStampMain::ShowHint(const QString &hint)
{
    PanelHints->setText(QLatin1Char(' ') + hint);
}

void TFormStampMain::OptionsShowHintsClick(QObject *)
{
    // The action toggled its own check mark before the handler runs.
    Application.ShowHint = OptionsShowHints->isChecked();
    if (!Application.ShowHint)
        QToolTip::hideText();
    SettingsFile->WriteBool(QStringLiteral("Options"), QStringLiteral("ShowHints"), Application.ShowHint);
}

void TFormStampMain::OptionsFontToolbarClick(QObject *)
{
    PanelFormatToolbar->setVisible(PanelFormatToolbar->isHidden());
    SettingsFile->WriteBool(QStringLiteral("Options"), QStringLiteral("FormatToolbar"), !PanelFormatToolbar->isHidden());
}

} // namespace zentrope
