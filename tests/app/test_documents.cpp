#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/prompt/Guard.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class DocumentTest : public AppFixture {
protected:
    QString file(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir + QLatin1Char('/') + name;
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        return path;
    }

    static QByteArray bytesOf(const QString &path)
    {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return "<unreadable>";
        return f.readAll();
    }

    MemoControl *memo() { return find<MemoControl>("MemoAddress"); }

    // Types as the user does, at the end of the text.
    void type(const QString &text)
    {
        memo()->setFocus();
        memo()->moveCursor(QTextCursor::End);
        QTest::keyClicks(memo(), text);
    }

    void open(const QString &path, bool readOnly = false)
    {
        answerOpen(path, readOnly);
        find("FileOpen")->trigger();
    }

    // The save dialog picks a file, or is cancelled when path is empty; the
    // name it offered goes to *offered.
    static void answerSave(const QString &path, QString *offered = nullptr)
    {
        Prompt::push([path, offered](QDialog &d) {
            auto *fd = qobject_cast<QFileDialog *>(&d);
            EXPECT_EQ(d.objectName().toStdString(), "SaveFileDialog");
            if (!fd)
                return int(QDialog::Rejected);
            if (offered)
                *offered = fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text();
            if (path.isEmpty())
                return int(QDialog::Rejected);
            fd->selectFile(path);
            return int(QDialog::Accepted);
        });
    }

    static QString question(const QString &name)
    {
        return QStringLiteral("Save changes to envelope file \"%1\"?").arg(name);
    }
    static QString readOnlyText(const QString &name)
    {
        return QStringLiteral("File \"%1\" is marked read-only. Save changes in a new file.").arg(name);
    }

    void expectDocument(const QString &text, const QString &name, const QString &title, bool modified)
    {
        EXPECT_EQ(memo()->text(), text);
        EXPECT_EQ(main->Composer().fileName(), name);
        EXPECT_EQ(main->windowTitle(), title);
        EXPECT_EQ(memo()->modified(), modified);
    }
};

} // namespace

TEST_F(DocumentTest, SaveDialogHelpButtonOpensItsTopic)
{
    start();
    int topic = -1;
    Prompt::helpHandler() = [&topic](int t) { topic = t; };
    type(QStringLiteral("x"));
    Prompt::push([](QDialog &d) {
        auto *help = d.findChild<QPushButton *>(QStringLiteral("HelpButton"));
        EXPECT_NE(help, nullptr);
        if (help)
            help->click();
        return int(QDialog::Rejected);
    });
    find("FileSaveAs")->trigger();
    EXPECT_EQ(topic, 20030);
    Prompt::helpHandler() = nullptr;
}

TEST_F(DocumentTest, NewAndCloseAskOnlyForModifiedDocuments)
{
    start();
    const QString path = file(QStringLiteral("aunt.env"), "Aunt May\r\n20 Ingram St\r\n");
    open(path);
    expectDocument(QStringLiteral("Aunt May\n20 Ingram St\n"), path, "Zentrope - " + path, false);
    EXPECT_EQ(memo()->textCursor().position(), 0);
    EXPECT_TRUE(find("FileSave")->isEnabled());

    // Close on an unmodified document asks nothing and behaves as New.
    find("FileClose")->trigger();
    expectDocument(QString(), QString(), QStringLiteral("Zentrope"), false);

    // The untitled question; Cancel keeps everything, No discards.
    type(QStringLiteral("Jane Doe"));
    EXPECT_TRUE(memo()->modified());
    answerMessage(Prompt::Cancel, question(QStringLiteral("Untitled")));
    find("FileNew")->trigger();
    expectDocument(QStringLiteral("Jane Doe"), QString(), QStringLiteral("Zentrope"), true);
    answerMessage(Prompt::No, question(QStringLiteral("Untitled")));
    find("FileClose")->trigger();
    expectDocument(QString(), QString(), QStringLiteral("Zentrope"), false);

    // The question names the open file.
    open(path);
    type(QStringLiteral("x"));
    answerMessage(Prompt::No, question(path));
    find<QToolButton>("SpeedButtonFileNew")->click();
    expectDocument(QString(), QString(), QStringLiteral("Zentrope"), false);
    EXPECT_EQ(bytesOf(path), QByteArray("Aunt May\r\n20 Ingram St\r\n"));
}

TEST_F(DocumentTest, ReadOnlyOpenLeadsToSaveAsWithoutAName)
{
    start();
    const QString path = file(QStringLiteral("ro.env"), "Original\r\n");
    open(path, true);
    expectDocument(QStringLiteral("Original\n"), path, "Zentrope - " + path + " (read-only)", false);
    EXPECT_TRUE(main->Composer().readOnly());
    EXPECT_FALSE(find("FileSave")->isEnabled());
    EXPECT_FALSE(find<QToolButton>("SpeedButtonFileSave")->isEnabled());
    EXPECT_TRUE(find("FileSaveAs")->isEnabled());

    // Yes to the question: the read-only note, then Save As offering no name;
    // the new file is written and the pending New goes on.
    type(QStringLiteral("Changed"));
    const QString copy = dir + QStringLiteral("/copy.env");
    QString offered = QStringLiteral("<not shown>");
    answerMessage(Prompt::Yes, question(path));
    answerMessage(Prompt::Ok, readOnlyText(path));
    answerSave(copy, &offered);
    find("FileNew")->trigger();
    EXPECT_EQ(offered, QString());
    EXPECT_EQ(bytesOf(copy), QByteArray("Original\r\nChanged"));
    EXPECT_EQ(bytesOf(path), QByteArray("Original\r\n"));
    expectDocument(QString(), QString(), QStringLiteral("Zentrope"), false);
    EXPECT_FALSE(main->Composer().readOnly());

    // Save on a read-only document whose Save As is cancelled: untitled, still
    // modified, nothing written.
    open(path, true);
    type(QStringLiteral("More"));
    answerSave(QString());
    find("FileSaveAs")->trigger(); // enabled; Save itself is not
    EXPECT_EQ(main->Composer().fileName(), path);
    answerMessage(Prompt::Ok, readOnlyText(path));
    answerSave(QString(), &offered);
    emit find("FileSave")->triggered();
    EXPECT_EQ(offered, QString());
    EXPECT_EQ(main->Composer().fileName(), QString());
    EXPECT_TRUE(memo()->modified());
    EXPECT_EQ(bytesOf(path), QByteArray("Original\r\n"));
}

TEST_F(DocumentTest, SaveAsOntoReadOnlyFileAsksAgain)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    start();
    const QString mine = file(QStringLiteral("mine.env"), "Mine");
    const QString locked = file(QStringLiteral("locked.env"), "Locked");
    QFile::setPermissions(locked, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
    open(mine);
    type(QStringLiteral("!"));
    answerSave(locked);
    answerMessage(Prompt::Ok, readOnlyText(locked));
    answerSave(QString());
    find("FileSaveAs")->trigger();
    expectDocument(QStringLiteral("Mine!"), mine, "Zentrope - " + mine, true);
    EXPECT_EQ(bytesOf(locked), QByteArray("Locked"));
    EXPECT_EQ(bytesOf(mine), QByteArray("Mine"));

    // A file carrying the attribute opens read-only without being asked to.
    answerMessage(Prompt::No, question(mine));
    open(locked);
    EXPECT_TRUE(main->Composer().readOnly());
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral(" (read-only)")));
}

TEST_F(DocumentTest, YesThenCancelKeepsTheDocumentAndStopsThePendingAction)
{
    start();
    const QString path = file(QStringLiteral("next.env"), "Next");
    type(QStringLiteral("Kept"));
    answerMessage(Prompt::Yes, question(QStringLiteral("Untitled")));
    answerSave(QString());
    find("FileNew")->trigger();
    expectDocument(QStringLiteral("Kept"), QString(), QStringLiteral("Zentrope"), true);

    // Open stops before its dialog; exit leaves the window open.
    answerMessage(Prompt::Yes, question(QStringLiteral("Untitled")));
    answerSave(QString());
    find("FileOpen")->trigger();
    expectDocument(QStringLiteral("Kept"), QString(), QStringLiteral("Zentrope"), true);
    answerMessage(Prompt::Yes, question(QStringLiteral("Untitled")));
    answerSave(QString());
    main->close();
    EXPECT_TRUE(main->isVisible());

    // A read-only document keeps its name, flag and caption.
    answerMessage(Prompt::No, question(QStringLiteral("Untitled")));
    open(path, true);
    type(QStringLiteral(" changed"));
    answerMessage(Prompt::Yes, question(path));
    answerMessage(Prompt::Ok, readOnlyText(path));
    answerSave(QString());
    find("FileNew")->trigger();
    expectDocument(QStringLiteral("Next changed"), path, "Zentrope - " + path + " (read-only)", true);
    EXPECT_TRUE(main->Composer().readOnly());
    EXPECT_EQ(bytesOf(path), QByteArray("Next"));

    // Yes with a successful save goes on: an emptied document gives a 0-byte file.
    const QString other = file(QStringLiteral("other.env"), "Other");
    answerMessage(Prompt::No, question(path));
    open(other);
    memo()->selectAll();
    QTest::keyClick(memo(), Qt::Key_Delete);
    EXPECT_TRUE(memo()->modified());
    answerMessage(Prompt::Yes, question(other));
    main->close();
    EXPECT_FALSE(main->isVisible());
    EXPECT_EQ(bytesOf(other), QByteArray());
}

TEST_F(DocumentTest, ClearKeepsTheFileName)
{
    start();
    const QString path = file(QStringLiteral("clear.env"), "Old Address\r\n");
    open(path);
    type(QStringLiteral("x"));
    answerMessage(Prompt::No, question(path));
    find("EditClear")->trigger();
    expectDocument(QString(), path, "Zentrope - " + path, false);
    EXPECT_FALSE(find("FileSave")->isEnabled());
    type(QStringLiteral("New Address"));
    find("FileSave")->trigger();
    EXPECT_EQ(bytesOf(path), QByteArray("New Address"));
    EXPECT_FALSE(memo()->modified());
    EXPECT_EQ(main->windowTitle(), "Zentrope - " + path);
}

TEST_F(DocumentTest, FilesRoundTripThroughTheWindow)
{
    start();
    // Windows-1252 with a no-break space (0xA0) and other high bytes: saved back
    // unchanged, the no-break space still one.
    const QByteArray cp1252("Fran\xe7ois\xa0M\xfcller\r\n\x80 12\r\n");
    const QString legacy = file(QStringLiteral("legacy.env"), cp1252);
    open(legacy);
    EXPECT_EQ(memo()->text(), QStringLiteral("Fran\u00e7ois\u00a0M\u00fcller\n\u20ac 12\n"));
    type(QStringLiteral("x"));
    QTest::keyClick(memo(), Qt::Key_Backspace);
    find("FileSave")->trigger();
    EXPECT_EQ(bytesOf(legacy), cp1252);

    // A character outside 1252 turns the file into UTF-8, which reads back the same.
    memo()->moveCursor(QTextCursor::End);
    memo()->insertPlainText(QString::fromUtf8("\xc5\x81\xc3\xb3\x64\xc5\xba"));
    find("FileSave")->trigger();
    EXPECT_EQ(bytesOf(legacy), QByteArray("Fran\xc3\xa7ois\xc2\xa0M\xc3\xbcller\r\n\xe2\x82\xac 12\r\n"
                                          "\xc5\x81\xc3\xb3\x64\xc5\xba"));
    const QString typed = memo()->text();
    find("FileClose")->trigger();
    open(legacy);
    EXPECT_EQ(memo()->text(), typed);

    // LF-only and CR-only files: the same lines, saved with CR LF.
    for (const QByteArray &bytes : {QByteArray("A\nB\n\nC"), QByteArray("A\rB\r\rC")}) {
        const QString path = file(QStringLiteral("unix.env"), bytes);
        open(path);
        EXPECT_EQ(memo()->text(), QStringLiteral("A\nB\n\nC"));
        emit find("FileSave")->triggered();
        EXPECT_EQ(bytesOf(path), QByteArray("A\r\nB\r\n\r\nC"));
    }

    // Save As of a typed, untitled document.
    find("FileNew")->trigger();
    type(QStringLiteral("Typed"));
    const QString fresh = dir + QStringLiteral("/fresh.env");
    answerSave(fresh);
    find("FileSaveAs")->trigger();
    expectDocument(QStringLiteral("Typed"), fresh, "Zentrope - " + fresh, false);
    EXPECT_EQ(bytesOf(fresh), QByteArray("Typed"));
}

TEST_F(DocumentTest, FailuresLeaveTheDocumentAsItWas)
{
    start();
    const QString path = file(QStringLiteral("keep.env"), "Keep");
    open(path);
    type(QStringLiteral(" me"));
    const QString title = "Zentrope - " + path;

    // Missing file, a folder: warnings from the recent list or command line path.
    for (const QString &name : {dir + QStringLiteral("/gone.env"), dir}) {
        answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"%1\".").arg(name));
        main->RunCommandLine({name});
        expectDocument(QStringLiteral("Keep me"), path, title, true);
    }

    // Over the capacity: the error box, nothing changed.
    const QString big = file(QStringLiteral("big.env"), QByteArray(16 * 1024 * 1024 + 1, 'x'));
    answerMessage(Prompt::No, question(path));
    answerOpen(big);
    answerMessage(Prompt::Ok, QStringLiteral("Text exceeds memo capacity."));
    find("FileOpen")->trigger();
    expectDocument(QStringLiteral("Keep me"), path, title, true);
    QFile::remove(big);

    // The folder of the open file went away: Yes to the question fails to save,
    // and the pending New does not take place.
    const QString sub = dir + QStringLiteral("/sub");
    QDir().mkpath(sub);
    const QString inner = file(QStringLiteral("sub/inner.env"), "Inner");
    answerMessage(Prompt::No, question(path));
    open(inner);
    type(QStringLiteral("!"));
    QDir(sub).removeRecursively();
    answerMessage(Prompt::Yes, question(inner));
    answerMessage(Prompt::Ok, QStringLiteral("Cannot create file %1.").arg(inner));
    find("FileNew")->trigger();
    expectDocument(QStringLiteral("Inner!"), inner, "Zentrope - " + inner, true);

    // The same stops the program's exit.
    answerMessage(Prompt::Yes, question(inner));
    answerMessage(Prompt::Ok, QStringLiteral("Cannot create file %1.").arg(inner));
    main->close();
    EXPECT_TRUE(main->isVisible());

    // A failed Save As keeps the old name and caption, and the recent list.
    const QString nowhere = dir + QStringLiteral("/missing-folder/x.env");
    const QString recentBefore = ini(QStringLiteral("OldFiles"), QStringLiteral("File_0"));
    Prompt::push([nowhere](QDialog &d) {
        // The path is set on the dialog's own name field: its folder does not exist.
        auto *fd = qobject_cast<QFileDialog *>(&d);
        fd->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(nowhere);
        return int(QDialog::Accepted);
    });
    answerMessage(Prompt::Ok, QStringLiteral("Cannot create file %1.").arg(nowhere));
    find("FileSaveAs")->trigger();
    expectDocument(QStringLiteral("Inner!"), inner, "Zentrope - " + inner, true);
    EXPECT_EQ(ini(QStringLiteral("OldFiles"), QStringLiteral("File_0")), recentBefore);
}

TEST_F(DocumentTest, UnreadableFileAndUnwritableFolder)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    start();
    const QString path = file(QStringLiteral("here.env"), "Here");
    open(path);
    const QString locked = file(QStringLiteral("locked.env"), "secret");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    answerMessage(Prompt::Ok, QStringLiteral("Cannot open file %1.").arg(locked));
    Guarded([&] { main->RunCommandLine({locked}); }); // as a handler would
    expectDocument(QStringLiteral("Here"), path, "Zentrope - " + path, false);

    const QString closed = dir + QStringLiteral("/closed");
    QDir().mkpath(closed);
    QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    type(QStringLiteral("!"));
    answerSave(closed + QStringLiteral("/new.env"));
    answerMessage(Prompt::Ok, QStringLiteral("Cannot create file %1/new.env.").arg(closed));
    find("FileSaveAs")->trigger();
    expectDocument(QStringLiteral("Here!"), path, "Zentrope - " + path, true);
    EXPECT_FALSE(QFile::exists(closed + QStringLiteral("/new.env")));
    QFile::setPermissions(closed, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(DocumentTest, CtrlAIsSaveAsInTheAddressBox)
{
    start();
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    type(QStringLiteral("Line one"));
    ASSERT_TRUE(memo()->hasFocus());
    bool shown = false;
    Prompt::push([&shown](QDialog &d) {
        shown = d.objectName() == QStringLiteral("SaveFileDialog");
        return int(QDialog::Rejected);
    });
    QTest::keyClick(memo(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(memo()->textCursor().hasSelection());
}
