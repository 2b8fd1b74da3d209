#include "AppFixture.h"

#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/help/HelpWindow.h"
#include "app/controls/Controls.h"
#include "shell/ProgramLanguage.h"

#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QShortcut>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

using TranslationsTest = AppFixture;

// The letter after a single "&", lower case; none when the text has no accelerator.
QChar accelerator(const QString &text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Every menu of the main window (the bar, its menus and submenus, the
// context menus) with the texts and shortcuts of its items.
QMap<QString, QList<std::pair<QString, QKeySequence>>> menus(TFormStampMain *main)
{
    QMap<QString, QList<std::pair<QString, QKeySequence>>> out;
    for (QAction *a : main->menuBar()->actions())
        out[QStringLiteral("MenuBar")].append({a->text(), a->shortcut()});
    // The address boxes' Alt keys share the window with the menu bar's.
    for (const char *name : {"ShortcutMemoAddress", "ShortcutMemoReturnAddress"}) {
        const auto *key = main->findChild<QShortcut *>(QLatin1String(name));
        EXPECT_NE(key, nullptr) << name;
        if (key)
            out[QStringLiteral("MenuBar")].append({key->property("caption").toString(), QKeySequence()});
    }
    for (QMenu *m : main->findChildren<QMenu *>()) {
        if (m->objectName().isEmpty())
            continue; // the address boxes' own editing menus
        for (QAction *a : m->actions())
            if (!a->isSeparator() && !a->objectName().isEmpty())
                out[m->objectName()].append({a->text(), a->shortcut()});
    }
    return out;
}

} // namespace

TEST_F(TranslationsTest, GermanMenusDialogsAndMessages)
{
    const ProgramLanguage german(QStringLiteral("de"));
    ASSERT_EQ(german.Language(), QStringLiteral("de"));
    start();

    EXPECT_EQ(find<QMenu>("FileMenu")->title(), QStringLiteral("&Datei"));
    EXPECT_EQ(find<QMenu>("EditMenu")->title(), QStringLiteral("&Bearbeiten"));
    EXPECT_EQ(find<QMenu>("OptionsMenu")->title(), QStringLiteral("&Optionen"));
    EXPECT_EQ(find<QMenu>("HelpMenu")->title(), QStringLiteral("&Hilfe"));
    EXPECT_EQ(find("FilePrintEnvelope")->text(), QStringLiteral("Umschlag &drucken …"));
    EXPECT_EQ(find("FilePrintEnvelope")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
    EXPECT_EQ(find("OptionsReturnAddresses")->text(), QStringLiteral("&Absender …"));
    EXPECT_EQ(find<QToolButton>("SpeedButtonBold")->text(), QStringLiteral("F"));

    EXPECT_EQ(session->EnvelopeSizesDialog()->windowTitle(), QStringLiteral("Umschlaggrößen festlegen"));
    find("HelpContents")->trigger();
    HelpWindow *help = session->Help().Window();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->windowTitle().startsWith(QStringLiteral("Zentrope-Hilfe")))
        << help->windowTitle().toStdString();
    EXPECT_EQ(help->ButtonBack->text(), QStringLiteral("&Zurück"));
    help->close();

    // A question, its caption and its buttons; the document's placeholder name too.
    auto *memo = find<MemoControl>("MemoAddress");
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("Jane Doe"));
    Prompt::push([](QDialog &d) {
        auto *m = qobject_cast<MessageDialog *>(&d);
        EXPECT_NE(m, nullptr);
        if (!m)
            return int(Prompt::Cancel);
        EXPECT_EQ(m->windowTitle(), QStringLiteral("Bestätigen"));
        EXPECT_EQ(m->text(), QStringLiteral("Änderungen an der Umschlagdatei „Unbenannt“ speichern?"));
        EXPECT_EQ(m->findChild<QPushButton *>(QStringLiteral("ButtonYes"))->text(), QStringLiteral("&Ja"));
        return int(Prompt::Cancel);
    });
    find("FileNew")->trigger();
    // A warning.
    memo->setModified(false);
    const QString missing = dir + QStringLiteral("/none.env");
    answerOpen(missing);
    answerMessage(Prompt::Ok, QStringLiteral("Die Datei „%1“ wurde nicht gefunden.").arg(missing));
    find("FileOpen")->trigger();

    // Qt's own dialogs speak German too when Qt's translations are installed.
    if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm"))) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    }

    // What is stored stays English: the built-in catalog entries.
    shutdown();
    QFile file(iniPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString stored = QString::fromUtf8(file.readAll());
    for (const char *entry : {"=Printer Setup", "=Business #10", "=Greeting Card", "=home", "=Your Name"})
        EXPECT_TRUE(stored.contains(QLatin1String(entry))) << entry << "\n" << stored.toStdString();
}

// In every language each menu gives each letter to one item at most, and
// the keyboard shortcuts are the English ones.
TEST_F(TranslationsTest, MenusKeepUniqueAcceleratorsAndTheShortcuts)
{
    start({}, false);
    const auto english = menus(main);
    shutdown();
    ASSERT_GE(english.size(), 5);
    for (const QString &language : QStringList{QStringLiteral("en")} + ProgramLanguage::Translated()) {
        const ProgramLanguage installed(language);
        start({}, false);
        const auto translated = menus(main);
        for (auto it = translated.cbegin(); it != translated.cend(); ++it) {
            const auto &items = it.value();
            const auto &source = english.value(it.key());
            ASSERT_EQ(items.size(), source.size()) << language.toStdString() << " " << it.key().toStdString();
            QSet<QChar> letters;
            for (qsizetype i = 0; i < items.size(); ++i) {
                const QString where = language + u' ' + it.key() + QStringLiteral(": ") + items[i].first;
                EXPECT_EQ(items[i].second, source[i].second) << where.toStdString();
                EXPECT_EQ(accelerator(items[i].first).isNull(), accelerator(source[i].first).isNull())
                    << where.toStdString();
                const QChar letter = accelerator(items[i].first);
                if (!letter.isNull()) {
                    EXPECT_FALSE(letters.contains(letter)) << where.toStdString() << " repeats its letter";
                    letters.insert(letter);
                }
            }
        }
        shutdown();
    }
}
