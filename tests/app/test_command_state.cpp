#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "document/OldFileList.h"

#include <QClipboard>
#include <QComboBox>
#include <QFrame>
#include <QMenu>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class CommandStateTest : public AppFixture {
protected:
    bool enabled(const char *name)
    {
        if (QAction *a = main->findChild<QAction *>(QString::fromLatin1(name)))
            return a->isEnabled();
        QWidget *w = main->findChild<QWidget *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w && w->isEnabled();
    }
    QString caption(const char *panel) { return find<StatusPanel>(panel)->text(); }
};

} // namespace

TEST_F(CommandStateTest, PanelsShowDesignCaptionsUntilFirstUpdate)
{
    // The window alone, before any dialog has filled its pickers: nothing has
    // asked for the command state yet.
    SessionState state;
    state.Settings = std::make_unique<TQevIniFile>(iniPath);
    state.RecentFiles = std::make_unique<TOldFileList>(*state.Settings);
    state.Printer = std::make_unique<PrinterDevice>();
    HelpDesk help(state.Application);
    auto window = std::make_unique<TFormStampMain>(state, help);
    main = window.get();
    EXPECT_EQ(caption("PanelModified"), QStringLiteral(" Modified"));
    EXPECT_EQ(caption("PanelWhichAddress"), QStringLiteral(" Address"));
    EXPECT_EQ(caption("PanelHints"), QStringLiteral(" Hint"));
    EXPECT_EQ(find<QToolButton>("SpeedButtonBold")->toolTip(), QStringLiteral("bold"));
    EXPECT_EQ(find<QComboBox>("ComboBoxFontName")->toolTip(), QStringLiteral("Current font"));
    main->UpdateMenu(main);
    EXPECT_EQ(caption("PanelModified"), QString());
    EXPECT_EQ(caption("PanelWhichAddress"), QStringLiteral(" Destination"));
    EXPECT_EQ(find<QToolButton>("SpeedButtonBold")->toolTip(),
              QStringLiteral("Bold on/off for destination address"));
    EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->toolTip(),
              QStringLiteral("Font size for destination address"));
    window.reset();
    main = nullptr;
}

TEST_F(CommandStateTest, EmptyAddressDisablesTextCommandsAndLastEmptyLineDoesNotCount)
{
    start();
    main->UpdateMenu(main);
    for (const char *n : {"FileSave", "FileSaveAs", "FileClose", "FilePrintEnvelope", "FilePrintTest",
                          "SpeedButtonPrint", "EditSelectAll", "EditClear", "SpeedButtonFileSave"})
        EXPECT_FALSE(enabled(n)) << n;
    for (const char *n : {"FileNew", "FileOpen", "FilePrintSetup", "FileExit", "OptionsGraphic"})
        EXPECT_TRUE(enabled(n)) << n;

    // A box holding only a line break has one line: the commands come on.
    find<MemoControl>("MemoAddress")->setPlainText(QStringLiteral("\n"));
    EXPECT_EQ(find<MemoControl>("MemoAddress")->lineCount(), 1);
    EXPECT_TRUE(enabled("FilePrintEnvelope"));
    EXPECT_TRUE(enabled("EditClear"));
    find<MemoControl>("MemoAddress")->setPlainText(QString());
    EXPECT_EQ(find<MemoControl>("MemoAddress")->lineCount(), 0);
}

TEST_F(CommandStateTest, ReadOnlyDocumentDisablesOnlySave)
{
    start();
    const QString path = dir + QStringLiteral("/ro.env");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Jane Doe\r\nSpringfield IL 62704");
    f.close();
    answerOpen(path, true);
    find("FileOpen")->trigger();
    ASSERT_TRUE(main->Composer().readOnly());
    main->UpdateMenu(main);
    EXPECT_FALSE(enabled("FileSave"));
    EXPECT_FALSE(enabled("SpeedButtonFileSave"));
    EXPECT_TRUE(enabled("FileSaveAs"));
    EXPECT_TRUE(enabled("FilePrintEnvelope"));
}

TEST_F(CommandStateTest, ReturnAddressSelectionAllowsOnlyCopy)
{
    TQevIniFile(iniPath).WriteBool(QStringLiteral("ReturnAddressFont"), QStringLiteral("FontBold"), true);
    start();
    auto *ret = find<MemoControl>("MemoReturnAddress");
    ret->setPlainText(QStringLiteral("Acme Corp\n1 Main St"));
    QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
    ret->selectAll();
    QTest::mouseClick(ret->viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(40, 5));
    EXPECT_EQ(main->Composer().activeAddress(), aaReturn);
    EXPECT_TRUE(ret->textCursor().hasSelection());
    EXPECT_TRUE(enabled("EditCopy"));
    EXPECT_TRUE(enabled("SpeedButtonCopy"));
    EXPECT_FALSE(enabled("EditCut"));
    EXPECT_FALSE(enabled("EditDelete"));
    EXPECT_FALSE(enabled("EditPaste"));
    EXPECT_FALSE(enabled("M_Paste"));
    EXPECT_EQ(caption("PanelWhichAddress"), QStringLiteral(" Return"));
    EXPECT_TRUE(find<QToolButton>("SpeedButtonBold")->isChecked());
    EXPECT_FALSE(find<QToolButton>("SpeedButtonItalic")->isChecked());

    // Copy takes the return address's selection, not the destination's.
    emit find("EditCopy")->triggered();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ret->textCursor().selectedText());

    // A click in the destination box comes back to it, Paste included.
    auto *dest = find<MemoControl>("MemoAddress");
    QTest::mouseClick(dest->viewport(), Qt::LeftButton);
    EXPECT_EQ(main->Composer().activeAddress(), aaDestination);
    EXPECT_TRUE(enabled("EditPaste"));
    EXPECT_FALSE(find<QToolButton>("SpeedButtonBold")->isChecked());
    EXPECT_EQ(caption("PanelWhichAddress"), QStringLiteral(" Destination"));

    // A right click opens the box's menu but is no click: the active box stays.
    QTest::mouseClick(ret->viewport(), Qt::RightButton, {}, QPoint(5, 5));
    find<QMenu>("PopupMenuReturnAddress")->hide();
    EXPECT_EQ(main->Composer().activeAddress(), aaDestination);
}

TEST_F(CommandStateTest, OpeningAPickerDisablesFormattingAndEditCommands)
{
    start();
    find<MemoControl>("MemoAddress")->setPlainText(QStringLiteral("a\nb"));
    find<MemoControl>("MemoAddress")->selectAll();
    main->UpdateMenu(main);
    ASSERT_TRUE(enabled("EditCopy"));
    const QString hintBefore = find<QToolButton>("SpeedButtonBold")->toolTip();
    auto *picker = find<PickerCombo>("ComboBoxEnvelopeSize");
    picker->showPopup();
    picker->hidePopup();
    EXPECT_EQ(main->Composer().activeAddress(), aaNone);
    for (const char *n :
         {"SpeedButtonBold", "SpeedButtonItalic", "SpeedButtonUnderline", "ComboBoxFontName",
          "ComboBoxFontSize", "EditCopy", "EditCut", "EditDelete", "EditPaste", "EditSelectAll"})
        EXPECT_FALSE(enabled(n)) << n;
    EXPECT_EQ(caption("PanelWhichAddress"), QStringLiteral(" "));
    EXPECT_EQ(find<QToolButton>("SpeedButtonBold")->toolTip(), hintBefore);
    // The pickers themselves and the catalog commands stay available.
    EXPECT_TRUE(enabled("ComboBoxEnvelopeSize"));
    EXPECT_TRUE(enabled("OptionsEnvelope"));
}

TEST_F(CommandStateTest, FontSizeOutsideTheListSelectsNothing)
{
    for (const int size : {24, 12}) {
        TQevIniFile(iniPath).WriteInteger(QStringLiteral("EnvelopeFont"), QStringLiteral("FontSize"), size);
        start();
        main->UpdateMenu(main);
        if (size == 24)
            EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentIndex(), -1);
        else
            EXPECT_EQ(find<QComboBox>("ComboBoxFontSize")->currentText(), QStringLiteral("12"));
        shutdown();
    }
}

TEST_F(CommandStateTest, HintsAndToolbarOptionsPersist)
{
    start();
    // The hint line follows status tips whether pop-up hints are on or off.
    find<QAction>("OptionsShowHints")->trigger();
    EXPECT_FALSE(find<QAction>("OptionsShowHints")->isChecked());
    EXPECT_EQ(ini("Options", "ShowHints"), QStringLiteral("0"));
    QStatusTipEvent tip(QStringLiteral("Print envelope"));
    QApplication::sendEvent(main, &tip);
    EXPECT_EQ(caption("PanelHints"), QStringLiteral(" Print envelope"));

    auto *panel = find<QWidget>("PanelEnvelope");
    const int before = panel->height();
    find<QAction>("OptionsFontToolbar")->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(find<QFrame>("PanelFormatToolbar")->isHidden());
    EXPECT_EQ(ini("Options", "FormatToolbar"), QStringLiteral("0"));
    EXPECT_EQ(panel->height(), before + 40);
    emit find<QMenu>("OptionsMenu")->aboutToShow();
    EXPECT_FALSE(find<QAction>("OptionsFontToolbar")->isChecked());
    shutdown();

    start();
    EXPECT_TRUE(find<QFrame>("PanelFormatToolbar")->isHidden());
    EXPECT_FALSE(find<QAction>("OptionsShowHints")->isChecked());
}

TEST_F(CommandStateTest, TypingSetsTheModifiedIndicator)
{
    start();
    auto *dest = find<MemoControl>("MemoAddress");
    dest->setFocus();
    QTest::keyClicks(dest, QStringLiteral("Jane"));
    EXPECT_EQ(caption("PanelModified"), QStringLiteral(" Modified"));
    dest->setModified(false);
    main->UpdateMenu(main);
    EXPECT_EQ(caption("PanelModified"), QString());
}

TEST_F(CommandStateTest, EditCommandsActOnTheDestinationBox)
{
    start();
    auto *dest = find<MemoControl>("MemoAddress");
    dest->setPlainText(QStringLiteral("Hello World"));
    QTextCursor c = dest->textCursor();
    c.setPosition(0);
    c.setPosition(6, QTextCursor::KeepAnchor);
    dest->setTextCursor(c);
    emit find("EditCut")->triggered();
    EXPECT_EQ(dest->text(), QStringLiteral("World"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Hello "));
    c = dest->textCursor();
    c.movePosition(QTextCursor::End);
    dest->setTextCursor(c);
    emit find("EditPaste")->triggered();
    EXPECT_EQ(dest->text(), QStringLiteral("WorldHello "));
    emit find("EditSelectAll")->triggered();
    emit find("EditDelete")->triggered();
    EXPECT_EQ(dest->text(), QString());
}
