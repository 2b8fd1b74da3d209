#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/help/HelpContext.h"
#include "app/dialogs/DlgAbout.h"
#include "app/help/HelpWindow.h"
#include "platform/HelpTopics.h"
#include "shell/ProgramLanguage.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QSet>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class HelpTest : public AppFixture {
protected:
    QString iniText()
    {
        QFile f(iniPath);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    HelpWindow *help()
    {
        HelpWindow *w = session->Help().Window();
        EXPECT_NE(w, nullptr) << "no help window";
        return w;
    }
};

} // namespace

TEST_F(HelpTest, EveryTopicTheProgramAsksForHasAPage)
{
    start();
    QSet<int> asked;
    // The windows and dialogs are children of the main window, with their controls.
    for (const QObject *o : main->findChildren<QObject *>()) {
        if (const int c = HelpContext(o))
            asked.insert(c);
    }
    asked.insert(HelpContext(main));
    for (const char *p : {"printDialogHelpContext", "printerSetupDialogHelpContext"})
        if (main->property(p).isValid())
            asked.insert(main->property(p).toInt());
    // The several-files message and the dialogs' Help buttons.
    for (int n : {20034, 20036, 20038, 20046, 20048})
        asked.insert(n);
    for (const char *item : {"HelpContents", "HelpOverview", "HelpSearch", "HelpSupport", "HelpWarranty",
                             "HelpLicense", "HelpProducts"}) {
        find<QAction>(item)->trigger();
        asked.insert(help()->currentTopic());
    }
    EXPECT_TRUE(asked.contains(20000) && asked.contains(20032) && asked.contains(9992));
    for (int n : asked)
        EXPECT_NE(HelpTopics::instance().find(n), nullptr) << "no page for topic " << n;
}

TEST_F(HelpTest, HelpMenuOpensItsTopicsAndChangesNothing)
{
    start();
    const QString before = iniText();
    const struct {
        const char *item;
        int topic;
    } items[] = {{"HelpContents", 9998}, {"HelpOverview", 9994}, {"HelpSupport", 9997},
                 {"HelpWarranty", 9999}, {"HelpLicense", 9992},  {"HelpProducts", 9995}};
    for (const auto &i : items) {
        find<QAction>(i.item)->trigger();
        HelpWindow *w = help();
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->isVisible()) << i.item;
        EXPECT_EQ(w->currentTopic(), i.topic) << i.item;
        EXPECT_TRUE(w->windowTitle().startsWith(QStringLiteral("Zentrope Help"))) << i.item;
    }
    HelpWindow *w = help();
    // Back and forward walk the pages seen.
    QTest::mouseClick(w->ButtonBack, Qt::LeftButton);
    EXPECT_EQ(w->currentTopic(), 9992);
    QTest::mouseClick(w->ButtonBack, Qt::LeftButton);
    EXPECT_EQ(w->currentTopic(), 9999);
    QTest::mouseClick(w->ButtonForward, Qt::LeftButton);
    EXPECT_EQ(w->currentTopic(), 9992);
    QTest::mouseClick(w->ButtonContents, Qt::LeftButton);
    EXPECT_EQ(w->currentTopic(), 9998);
    // A number the manual does not know says so instead of showing nothing.
    session->Help().ShowTopic(4711);
    EXPECT_EQ(w->currentTopic(), 0);
    EXPECT_TRUE(w->BrowserTopic->toPlainText().contains(QStringLiteral("4711")));
    EXPECT_TRUE(find<MemoControl>("MemoAddress")->text().isEmpty());
    EXPECT_FALSE(find<MemoControl>("MemoAddress")->modified());
    EXPECT_EQ(iniText(), before);
}

TEST_F(HelpTest, TopicSearchOpensTheContentsWithTheSearchFieldAndFindsPages)
{
    start();
    QTest::keyClick(main, Qt::Key_F1, Qt::ShiftModifier);
    HelpWindow *w = help();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->currentTopic(), 9998);
    EXPECT_TRUE(w->isVisible());
    QApplication::setActiveWindow(w);
    EXPECT_EQ(QApplication::focusWidget(), w->EditSearch);

    QTest::keyClicks(w->EditSearch, QStringLiteral("postnet check digit"));
    ASSERT_EQ(w->ListResults->count(), 1);
    EXPECT_EQ(w->ListResults->item(0)->text(), HelpTopics::instance().find(21003)->Title);
    QTest::keyClick(w->EditSearch, Qt::Key_Return);
    EXPECT_EQ(w->currentTopic(), 21003);
    w->EditSearch->clear();
    // Nothing typed lists every page.
    EXPECT_EQ(w->ListResults->count(), static_cast<int>(HelpTopics::instance().topics().size()));
    QTest::keyClicks(w->EditSearch, QStringLiteral("nosuchwordanywhere"));
    EXPECT_EQ(w->ListResults->count(), 0);
}

TEST_F(HelpTest, InGermanTheManualIsGermanAndItsLinksLeadToGermanPages)
{
    const ProgramLanguage german(QStringLiteral("de"));
    start();
    find<QAction>("HelpContents")->trigger();
    HelpWindow *w = help();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zentrope-Hilfe - Inhalt"));
    EXPECT_TRUE(w->BrowserTopic->toPlainText().contains(QStringLiteral("Erste Schritte")));
    EXPECT_EQ(w->ListResults->item(0)->text(), QStringLiteral("Inhalt"));

    // The first link of the contents, followed from the keyboard.
    w->BrowserTopic->setFocus();
    QTest::keyClick(w->BrowserTopic, Qt::Key_Tab);
    QTest::keyClick(w->BrowserTopic, Qt::Key_Return);
    EXPECT_EQ(w->currentTopic(), 9994);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zentrope-Hilfe - Überblick"));
    EXPECT_TRUE(w->BrowserTopic->toPlainText().contains(QStringLiteral("Ihr erster Umschlag")));
    EXPECT_TRUE(w->BrowserTopic->source().path().endsWith(QStringLiteral("/de/overview.html")));

    // Topics by number and the search are German too; a topic the manual
    // lacks says so in German, with its way back to the German contents.
    Prompt::showHelp(21003);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zentrope-Hilfe - Der Post-Strichcode"));
    w->search(QStringLiteral("Prüfziffer"));
    ASSERT_EQ(w->ListResults->count(), 1);
    EXPECT_EQ(w->ListResults->item(0)->data(Qt::UserRole).toInt(), 21003);
    w->showTopic(12345);
    EXPECT_TRUE(w->BrowserTopic->source().path().startsWith(QStringLiteral("/zentrope/help/de/")));
    w->BrowserTopic->setFocus();
    QTest::keyClick(w->BrowserTopic, Qt::Key_Tab);
    QTest::keyClick(w->BrowserTopic, Qt::Key_Return);
    EXPECT_EQ(w->currentTopic(), 9998);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Zentrope-Hilfe - Inhalt"));
}

TEST_F(HelpTest, F1OpensTheTopicOfTheFocusOrTheHighlightedMenuItem)
{
    start();
    QApplication::setActiveWindow(main);
    find<MemoControl>("MemoAddress")->setFocus();
    QTest::keyClick(find<MemoControl>("MemoAddress"), Qt::Key_F1);
    ASSERT_NE(session->Help().Window(), nullptr);
    EXPECT_EQ(help()->currentTopic(), 20000);

    QMenu *edit = find<QMenu>("EditMenu");
    edit->popup(main->mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    edit->setActiveAction(find("EditCopy"));
    QTest::keyClick(edit, Qt::Key_F1);
    EXPECT_EQ(help()->currentTopic(), 20031);
    EXPECT_FALSE(edit->isVisible());
    // An item without a topic of its own: the menu's.
    QMenu *options = find<QMenu>("OptionsMenu");
    options->popup(main->mapToGlobal(QPoint(10, 10)));
    QApplication::processEvents();
    options->setActiveAction(find("OptionsShowHints"));
    QTest::keyClick(options, Qt::Key_F1);
    EXPECT_EQ(help()->currentTopic(), 20032);
    options->hide();

    // A message box's Help button opens its topic and leaves the box up.
    Prompt::push([](QDialog &d) {
        auto *m = qobject_cast<MessageDialog *>(&d);
        EXPECT_NE(m, nullptr);
        if (m)
            m->press(Prompt::Help);
        EXPECT_TRUE(d.isVisible());
        return int(Prompt::Ok);
    });
    Prompt::message(main, Prompt::Kind::Information, QStringLiteral("2 files"), Prompt::Ok | Prompt::Help,
                    20034);
    EXPECT_EQ(help()->currentTopic(), 20034);
}

TEST_F(HelpTest, HelpWindowGoesWithTheMainWindow)
{
    start();
    find<QAction>("HelpOverview")->trigger();
    QPointer<HelpWindow> w = session->Help().Window();
    ASSERT_TRUE(w);
    EXPECT_FALSE(w->testAttribute(Qt::WA_QuitOnClose));
    main->close();
    EXPECT_FALSE(w->isVisible());
    shutdown();
    EXPECT_TRUE(w.isNull());
}

TEST_F(HelpTest, AboutBoxShowsTitleVersionPlatformAndIcon)
{
    start();
    // Made when first asked for, then the same box each time.
    EXPECT_EQ(main->findChild<TDlgAbout *>(), nullptr);
    bool seen = false;
    QDialog *shown = nullptr;
    Prompt::push([&seen, &shown](QDialog &d) {
        seen = true;
        shown = &d;
        EXPECT_EQ(d.objectName(), QStringLiteral("DlgAbout"));
        auto text = [&d](const char *name) {
            auto *l = d.findChild<QLabel *>(QString::fromLatin1(name));
            return l ? l->text() : QString();
        };
        EXPECT_EQ(text("ProductName"), QStringLiteral("Zentrope"));
        EXPECT_EQ(text("Version"), QStringLiteral("Version 6.0a"));
        EXPECT_EQ(text("Comments"), QStringLiteral("for Windows 95"));
        auto *icon = d.findChild<QLabel *>(QStringLiteral("ProgramIcon"));
        EXPECT_TRUE(icon && !icon->pixmap().isNull());
        return int(QDialog::Accepted);
    });
    find<QAction>("HelpAbout")->trigger();
    EXPECT_TRUE(seen);
    QDialog *again = nullptr;
    Prompt::push([&again](QDialog &d) {
        again = &d;
        return int(QDialog::Accepted);
    });
    find<QAction>("HelpAbout")->trigger();
    EXPECT_EQ(again, shown);
    EXPECT_EQ(main->findChildren<TDlgAbout *>().size(), 1);

    // The title bars' icon comes drawn at the sizes the window system asks for.
    const QIcon icon = main->windowIcon();
    EXPECT_EQ(icon.availableSizes(), QList<QSize>({{16, 16}, {32, 32}, {64, 64}, {128, 128}}));
    EXPECT_EQ(icon.pixmap(QSize(32, 32)).size(), QSize(32, 32));
}

TEST_F(HelpTest, HelpAskedFromAModalDialogStaysUsableAndOutlivesTheDialog)
{
    start();
    // A real modal run, so the help window must not be blocked by the dialog.
    Prompt::setScripted(false);
    QPointer<HelpWindow> during;
    QWidget *parentDuring = nullptr;
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<MessageDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->press(Prompt::Help);
        during = session->Help().Window();
        parentDuring = during ? during->parentWidget() : nullptr;
        EXPECT_EQ(parentDuring, box);
        box->press(Prompt::Ok);
    });
    Prompt::message(main, Prompt::Kind::Information, QStringLiteral("2 files"), Prompt::Ok | Prompt::Help,
                    20034);
    Prompt::setScripted(true);
    ASSERT_TRUE(during);
    EXPECT_EQ(during->parentWidget(), main);
    EXPECT_TRUE(during->isVisible());
    EXPECT_EQ(during->currentTopic(), 20034);
}
