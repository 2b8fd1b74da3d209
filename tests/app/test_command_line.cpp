#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "core/FileName.h"
#include "support/CupsServer.h"

#include <QAbstractPrintDialog>
#include <QComboBox>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <fcntl.h>
#include <unistd.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Answers the next dialog, which must be the print dialog, with a result.
void answerPrintDialog(int result, int *seen)
{
    Prompt::push([result, seen](QDialog &d) {
        EXPECT_NE(qobject_cast<QAbstractPrintDialog *>(&d), nullptr)
            << "expected the print dialog, got " << d.metaObject()->className();
        ++*seen;
        return result;
    });
}

QString pdfText(const QString &pdf)
{
    return runOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}

} // namespace

class CommandLineTest : public AppFixture {
protected:
    // Runs the loop as the program would; a loop that the posted close request
    // does not end fails the test instead of hanging it.
    bool execUntilClosed()
    {
        bool timedOut = false;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            timedOut = true;
            main->hide();
            QCoreApplication::exit(1);
        });
        guard.start(60000);
        session->Exec();
        return !timedOut;
    }
};

TEST_F(CommandLineTest, OpenFormsShowTheFileUnderTheNameAsTyped)
{
    writeFile(dir + QStringLiteral("/aunt.env"), "Aunt Jane\r\n12 Main St\r\n");
    const QString savedCwd = QDir::currentPath();
    QDir::setCurrent(dir);
    for (const QStringList &args : {QStringList{QStringLiteral("aunt.env")},
                                    QStringList{QStringLiteral("/o"), QStringLiteral("aunt.env")},
                                    QStringList{QStringLiteral("-O"), QStringLiteral("aunt.env")}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        start(args);
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Zentrope - aunt.env"));
        EXPECT_EQ(main->Composer().fileName(), QStringLiteral("aunt.env"));
        EXPECT_FALSE(main->Composer().readOnly());
        EXPECT_TRUE(
            find<MemoControl>("MemoAddress")->text().startsWith(QStringLiteral("Aunt Jane\n12 Main St")));
        EXPECT_FALSE(find<MemoControl>("MemoAddress")->modified());
        shutdown();
    }
    // Unrecognised command lines start empty, without a word.
    for (const QStringList &args :
         {QStringList{QStringLiteral("/x"), QStringLiteral("aunt.env")},
          QStringList{QStringLiteral("/p"), QStringLiteral("aunt.env"), QStringLiteral("x")},
          QStringList{}}) {
        SCOPED_TRACE(args.join(u' ').toStdString());
        start(args);
        EXPECT_EQ(main->windowTitle(), QStringLiteral("Zentrope"));
        EXPECT_TRUE(main->Composer().fileName().isEmpty());
        EXPECT_TRUE(find<MemoControl>("MemoAddress")->text().isEmpty());
        shutdown();
    }
    QDir::setCurrent(savedCwd);
}

TEST_F(CommandLineTest, MissingFilesAndFoldersAreReportedByName)
{
    answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"/p\"."));
    start({QStringLiteral("/p")});
    EXPECT_EQ(main->windowTitle(), QStringLiteral("Zentrope"));
    shutdown();

    answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"%1\".").arg(dir));
    start({dir});
    EXPECT_TRUE(main->Composer().fileName().isEmpty());
}

// A name that is not UTF-8 (as argv gives it) opens and saves by its bytes;
// it cannot be a line of the settings file, so the recent files stay as they are.
TEST_F(CommandLineTest, NameThatIsNotUtf8OpensAndSavesByItsBytes)
{
    const QByteArray raw = QFile::encodeName(dir) + "/tante-r\xe9gine.env";
    const int fd = ::open(raw.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::write(fd, "Tante\r\n", 7), 7);
    ::close(fd);
    start({DecodeFileName(raw)});
    auto *memo = find<MemoControl>("MemoAddress");
    EXPECT_TRUE(memo->text().startsWith(QStringLiteral("Tante"))) << memo->text().toStdString();
    QTest::keyClicks(memo, QStringLiteral("X"));
    find("FileSave")->trigger();
    QFile saved;
    const int in = ::open(raw.constData(), O_RDONLY);
    ASSERT_GE(in, 0);
    ASSERT_TRUE(saved.open(in, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    EXPECT_EQ(saved.readAll(), QByteArray("XTante\r\n"));
    EXPECT_EQ(ini(QStringLiteral("OldFiles"), QStringLiteral("File_Count")), QStringLiteral("<absent>"));
    ::unlink(raw.constData()); // Qt could not remove it with the folder
}

TEST_F(CommandLineTest, PrintModePrintsThenClosesThroughTheCloseQuery)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    cups->clearReceived();
    const QString file =
        writeFile(dir + QStringLiteral("/print me.env"), "Aunt Jane\r\n12 Main St\r\nSpringfield\r\n");
    int dialogs = 0;
    answerPrintDialog(QDialog::Accepted, &dialogs);
    start({QStringLiteral("-p"), file}, false);
    // The dialog came before the window was first shown.
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(main->Composer().readOnly());
    EXPECT_TRUE(main->windowTitle().endsWith(QStringLiteral(" (read-only)")))
        << main->windowTitle().toStdString();
    EXPECT_EQ(ini("Options", "Size"), QStringLiteral("<absent>"));

    ASSERT_TRUE(execUntilClosed()) << "the posted close request did not end the loop";
    EXPECT_NE(ini("Options", "Size"), QStringLiteral("<absent>"));
    const QString queue = cups->defaultQueue();
    ASSERT_TRUE(cups->waitForJobs(queue, 1)) << cups->logTail().toStdString();
    EXPECT_TRUE(pdfText(cups->receivedFiles(queue).first()).contains(QStringLiteral("12 Main St")));
}

TEST_F(CommandLineTest, PrintModeWithAMissingFileStillShowsTheDialogAndCloses)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    cups->clearReceived();
    const QString missing = dir + QStringLiteral("/gone.env");
    int dialogs = 0;
    answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"%1\".").arg(missing));
    answerPrintDialog(QDialog::Rejected, &dialogs);
    start({QStringLiteral("/P"), missing}, false);
    EXPECT_EQ(dialogs, 1);
    ASSERT_TRUE(execUntilClosed()) << "the posted close request did not end the loop";
    EXPECT_NE(ini("Options", "Size"), QStringLiteral("<absent>"));
    EXPECT_EQ(cups->receivedCount(cups->defaultQueue()), 0);
}

TEST_F(CommandLineTest, TheLoopRegistersAndFillsTheFontListJustAfterTheFirstPaint)
{
    const QString entry =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/applications/zentrope.desktop");
    QFile::remove(entry);
    session = std::make_unique<ZentropeSession>();
    session->Start(StartOptions{{}, dir + QStringLiteral("/zentrope"), iniPath});
    main = session->MainWindow();
    // Before: only the faces the boxes use, and no registration yet.
    auto *fonts = find<QComboBox>("ComboBoxFontName");
    EXPECT_EQ(fonts->count(), 1);
    EXPECT_EQ(fonts->currentText(), main->Composer().font(false).Name);
    EXPECT_FALSE(QFile::exists(entry));
    bool registered = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (fonts->count() > 1) {
            registered = QFile::exists(entry);
            main->close();
        }
    });
    poll.start(5);
    ASSERT_TRUE(execUntilClosed()) << "the font list never came";
    EXPECT_TRUE(registered);
    EXPECT_EQ(fonts->currentText(), main->Composer().font(false).Name);
}

TEST_F(CommandLineTest, EachStartRegistersThisCopyAndReportsATemplateItCannotCreate)
{
    start();
    const QString data = qEnvironmentVariable("XDG_DATA_HOME");
    QFile entry(data + QStringLiteral("/applications/zentrope.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + dir + QStringLiteral("/zentrope %f\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("\nExec=") + dir + QStringLiteral("/zentrope /p %f\n")));
    shutdown();

    // A templates folder where nobody may create files, not even root.
    const QString userDirs = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/user-dirs.dirs");
    {
        QFile f(userDirs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("XDG_TEMPLATES_DIR=\"/proc\"\n");
    }
    answerMessage(Prompt::Ok, QStringLiteral("Cannot create file /proc/Zentrope.env."));
    start();
    QFile::remove(userDirs);
    // The rest of the start-up went on.
    EXPECT_EQ(main->State().VersionText, QStringLiteral("Version 6.0a"));
    EXPECT_TRUE(main->isVisible());
}
