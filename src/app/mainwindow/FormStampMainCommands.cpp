#include "app/controls/Controls.h"
#include "app/mainwindow/FormStampMain.h"
#include "settings/ProgramSettings.h"

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
    HintFilter(QObject *parent, const bool &showHint) : QObject(parent), m_showHint(showHint)
    {
        setObjectName(QStringLiteral("HintFilter"));
    }
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::ToolTip) {
            if (!m_showHint)
                return true;
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && !w->property("showHint").value<bool>() && w->property("showHint").isValid())
                return true;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    const bool &m_showHint;
};

} // namespace

void TFormStampMain::ApplyHintSettings()
{
    // The filter goes with this window; the style and colours stay with the application.
    if (!findChild<HintFilter *>(QStringLiteral("HintFilter"), Qt::FindDirectChildrenOnly))
        qApp->installEventFilter(new HintFilter(this, FSession.Application.ShowHint));
    static bool styled = false;
    if (!styled) {
        styled = true;
        QApplication::setStyle(new HintStyle(QApplication::style()->name()));
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
        {SpeedButtonBold, QT_TR_NOOP("Bold on/off for return address"),
         QT_TR_NOOP("Bold on/off for destination address")},
        {SpeedButtonItalic, QT_TR_NOOP("Italics on/off for return address"),
         QT_TR_NOOP("Italics on/off for destination address")},
        {SpeedButtonUnderline, QT_TR_NOOP("Underline on/off for return address"),
         QT_TR_NOOP("Underline on/off for destination address")},
    };
    const TActiveAddress active = FComposer->activeAddress();
    if (active == aaReturn || active == aaDestination) {
        const bool ret = active == aaReturn;
        MemoControl *memo = ret ? MemoReturnAddress : MemoAddress;
        sel = memo->textCursor().hasSelection();
        const FontDescription &d = FComposer->font(ret);
        const bool styles[] = {d.Bold, d.Italic, d.Underline};
        for (int i = 0; i < 3; ++i) {
            QToolButton *b = buttons[i].button;
            b->setEnabled(true);
            b->setChecked(styles[i]);
            const QString hint = tr(ret ? buttons[i].ret : buttons[i].dest);
            b->setToolTip(hint);
            b->setStatusTip(hint);
            b->setProperty("showHint", true);
        }
        ComboBoxFontName->setEnabled(true);
        ComboBoxFontName->setCurrentIndex(ComboBoxFontName->findText(d.Name, Qt::MatchFixedString));
        const QString nameHint = ret ? tr("Font for return address") : tr("Font for destination address");
        ComboBoxFontName->setToolTip(nameHint);
        ComboBoxFontName->setStatusTip(nameHint);
        ComboBoxFontName->setProperty("showHint", true);
        ComboBoxFontSize->setEnabled(true);
        ComboBoxFontSize->setCurrentIndex(
            ComboBoxFontSize->findText(QString::number(d.Size), Qt::MatchExactly));
        const QString sizeHint =
            ret ? tr("Font size for return address") : tr("Font size for destination address");
        ComboBoxFontSize->setToolTip(sizeHint);
        ComboBoxFontSize->setStatusTip(sizeHint);
        ComboBoxFontSize->setProperty("showHint", true);
        PanelWhichAddress->setText(ret ? tr(" Return") : tr(" Destination"));
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

    // Each command's buttons and pop-up items follow its state.
    const bool hasText = FComposer->lineCount() > 0;
    FileSave->setEnabled(hasText && !FComposer->readOnly());
    FileSaveAs->setEnabled(hasText);
    FileClose->setEnabled(hasText);
    FilePrintEnvelope->setEnabled(hasText);

    const bool isDest = active == aaDestination;
    if (!FClipboardText) {
        const QMimeData *clip = QGuiApplication::clipboard()->mimeData();
        FClipboardText = clip && clip->hasText();
    }
    EditPaste->setEnabled(*FClipboardText && isDest);
    EditCut->setEnabled(sel && isDest);
    EditCopy->setEnabled(sel);
    EditDelete->setEnabled(sel && isDest);
    EditSelectAll->setEnabled(isDest && hasText);
    EditClear->setEnabled(isDest && hasText);

    const bool graphic = !Corner().GraphicFileName.isEmpty();
    for (QAction *a : {OptionsClearGraphic, OptionsUpdateGraphic, OptionsEditGraphic})
        a->setEnabled(graphic);
    OptionsFontToolbar->setChecked(!PanelFormatToolbar->isHidden());
    PanelModified->setText(FComposer->modified() ? tr(" Modified") : QString());
    ScheduleFitCheck();
}

void TFormStampMain::ClipboardChange(QObject *Sender)
{
    FClipboardText.reset();
    UpdateMenu(Sender);
}

// The active box changes the composer's state, whose change refreshes the
// command state.
void TFormStampMain::MemoAddressClick(QObject *)
{
    FComposer->setActiveAddress(aaDestination);
}

void TFormStampMain::MemoReturnAddressClick(QObject *)
{
    FComposer->setActiveAddress(aaReturn);
}

void TFormStampMain::AddressFocusNone(QObject *)
{
    FComposer->setActiveAddress(aaNone);
}

void TFormStampMain::EditCutClick(QObject *)
{
    MemoAddress->cut();
}

void TFormStampMain::EditCopyClick(QObject *)
{
    if (FComposer->activeAddress() == aaReturn)
        MemoReturnAddress->copy();
    else if (FComposer->activeAddress() == aaDestination)
        MemoAddress->copy();
}

void TFormStampMain::EditPasteClick(QObject *)
{
    MemoAddress->paste();
}

void TFormStampMain::EditDeleteClick(QObject *)
{
    QTextCursor c = MemoAddress->textCursor();
    if (c.hasSelection()) {
        c.removeSelectedText();
        MemoAddress->setTextCursor(c);
    }
}

void TFormStampMain::EditSelectAllClick(QObject *)
{
    MemoAddress->selectAll();
}

void TFormStampMain::EditClearClick(QObject *)
{
    FComposer->clear();
}

void TFormStampMain::ShowHint(const QString &hint)
{
    // With no hint to show, an envelope that does not fit is named again.
    PanelHints->setText(QLatin1Char(' ') + (hint.isEmpty() ? FFitHint : hint));
}

void TFormStampMain::OptionsShowHintsClick(QObject *)
{
    // The action toggled its own check mark before the handler runs.
    FSession.Application.ShowHint = OptionsShowHints->isChecked();
    if (!FSession.Application.ShowHint)
        QToolTip::hideText();
    Options().SetShowHints(FSession.Application.ShowHint);
}

void TFormStampMain::OptionsFontToolbarClick(QObject *)
{
    PanelFormatToolbar->setVisible(PanelFormatToolbar->isHidden());
    Options().SetFormatToolbar(!PanelFormatToolbar->isHidden());
}

} // namespace zentrope
