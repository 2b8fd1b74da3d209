#include "AppFixture.h"

#include "app/controls/Controls.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QTextBlock>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

using MainWindowTest = AppFixture;

TEST_F(MainWindowTest, FirstRunShowsDefaultsAndStoresPosition)
{
    start();
    EXPECT_TRUE(find<QAction>("OptionsBarCode")->isChecked());
    EXPECT_TRUE(find<QAction>("OptionsShowHints")->isChecked());
    EXPECT_FALSE(find<QFrame>("PanelFormatToolbar")->isHidden());
    for (const char *memo : {"MemoAddress", "MemoReturnAddress"}) {
        const QFont f = find<MemoControl>(memo)->font();
        EXPECT_EQ(f.family(), QStringLiteral("Arial"));
        EXPECT_EQ(f.pointSize(), 10);
        EXPECT_FALSE(f.bold() || f.italic() || f.underline() || f.strikeOut());
        EXPECT_EQ(find<MemoControl>(memo)->palette().color(QPalette::Text), QColor(Qt::black));
    }
    EXPECT_TRUE(session->State().Graphic.GraphicFileName.isEmpty());
    EXPECT_FALSE(session->State().Graphic.GraphicLoaded);
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Zentrope"));
    main->resize(800, 500);
    QApplication::processEvents();
    EXPECT_TRUE(QFile::exists(iniPath));
    EXPECT_EQ(ini("Position", "Right").toInt() - ini("Position", "Left").toInt(), 800);
}

TEST_F(MainWindowTest, StoredPositionRestoresBoundsAndState)
{
    {
        TQevIniFile s(iniPath);
        s.WriteInteger("Position", "Minimized", 1);
        s.WriteInteger("Position", "Maximized", 1);
    }
    start({}, false);
    EXPECT_TRUE(main->windowState() & Qt::WindowMaximized);
    EXPECT_FALSE(main->windowState() & Qt::WindowMinimized);
    shutdown();

    QFile::remove(iniPath);
    start({}, false);
    const QRect before = QRect(main->pos(), main->size());
    shutdown();
    QFile::remove(iniPath);
    TQevIniFile(iniPath).WriteInteger("Position", "Left", before.x() + 37);
    start({}, false);
    // The left side moves; top, right and bottom keep their values.
    EXPECT_EQ(main->x(), before.x() + 37);
    EXPECT_EQ(main->y(), before.y());
    EXPECT_EQ(main->x() + main->width(), before.x() + before.width());
    EXPECT_EQ(main->height(), before.height());
}

TEST_F(MainWindowTest, CloseWritesSizeAndShutdownWritesPositionLast)
{
    start();
    find<QComboBox>("ComboBoxEnvelopeSize")->setCurrentIndex(-1);
    main->close();
    EXPECT_EQ(ini("Options", "Size"), QStringLiteral("-1"));

    QStringList sections;
    TIniFile::WriteObserver() = [&](const QString &section, const QString &) {
        if (sections.isEmpty() || sections.last() != section)
            sections << section;
    };
    shutdown();
    TIniFile::WriteObserver() = nullptr;
    // The catalogs go first, return addresses before envelope sizes; the
    // window's position is the last thing written before the store is released.
    ASSERT_FALSE(sections.isEmpty());
    EXPECT_EQ(sections.last(), QStringLiteral("Position"));
    const auto ret = sections.indexOf(QStringLiteral("ReturnAddresses"));
    const auto env = sections.indexOf(QStringLiteral("Envelopes"));
    if (ret >= 0 && env >= 0) {
        EXPECT_LT(ret, env);
    }
}

// The keyboard alone: typing goes to the destination box at once, Tab moves
// on without typing a tab, Ctrl+Tab types one; a mouse selection in the
// return box can be copied at once.
TEST_F(MainWindowTest, KeyboardReachesAndLeavesTheAddressBoxes)
{
    start();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    auto *memo = find<MemoControl>("MemoAddress");
    EXPECT_EQ(QApplication::focusWidget(), memo);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Jane"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Doe"));
    EXPECT_EQ(memo->text(), QStringLiteral("Jane\tDoe"));
    QTest::keyClick(memo, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), memo);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(memo->text(), QStringLiteral("Jane\tDoe"));

    // Alt+R and Alt+D reach the boxes and make them the one the toolbar formats.
    auto *ret = find<MemoControl>("MemoReturnAddress");
    QTest::keyClick(main, Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), ret);
    EXPECT_EQ(find<QLabel>("PanelWhichAddress")->text(), QStringLiteral(" Return"));
    QTest::keyClick(main, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), memo);
    EXPECT_EQ(find<QLabel>("PanelWhichAddress")->text(), QStringLiteral(" Destination"));
    EXPECT_EQ(memo->accessibleName(), QStringLiteral("Destination address"));

    QAction *copy = find("EditCopy");
    EXPECT_FALSE(copy->isEnabled());
    const QRect line = ret->cursorRect(QTextCursor(ret->document()));
    QTest::mousePress(ret->viewport(), Qt::LeftButton, {}, QPoint(2, line.center().y()));
    QMouseEvent drag(QEvent::MouseMove, QPointF(60, line.center().y()),
                     ret->viewport()->mapToGlobal(QPointF(60, line.center().y())), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(ret->viewport(), &drag);
    EXPECT_TRUE(ret->textCursor().hasSelection());
    EXPECT_TRUE(copy->isEnabled()) << "while the button is still down";
    QTest::mouseRelease(ret->viewport(), Qt::LeftButton, {}, QPoint(60, line.center().y()));
    EXPECT_TRUE(copy->isEnabled());
    EXPECT_TRUE(find<QToolButton>("SpeedButtonCopy")->isEnabled());
}

// Settings that cannot be written (here a folder where the file would be):
// the failure is shown once, the window is still laid out, and it closes.
TEST_F(MainWindowTest, UnwritableSettingsShownOnceAndTheWindowStillCloses)
{
    ASSERT_TRUE(QDir().mkpath(iniPath));
    const QString failure = QStringLiteral("Unable to write to ") + iniPath;
    answerMessage(Prompt::Ok, failure);
    start();
    const auto laidOut = [&] {
        main->resize(main->width() + 40, main->height() + 20);
        QApplication::processEvents();
        EXPECT_GT(find<MemoControl>("MemoAddress")->width(), 100);
        EXPECT_GT(find<QWidget>("ImageStamp")->x(), main->width() / 2) << "the stamp at the right";
    };
    laidOut();
    // A command the user gives still says why it failed; the layout goes on.
    answerMessage(Prompt::Ok, failure);
    find("OptionsBarCode")->trigger();
    laidOut();

    QTest::keyClicks(find<MemoControl>("MemoAddress"), QStringLiteral("Alice Able"));
    answerMessage(Prompt::No, QStringLiteral("Save changes to envelope file \"Untitled\"?"));
    main->close();
    EXPECT_FALSE(main->isVisible());
}
