#include "support/CupsServer.h"
#include "support/TestEnv.h"

#include "settings/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

// The real program, started the way the file manager's Print command starts
// it, on a virtual X display; xdotool plays the user pressing Return in the
// print dialog.
TEST(SmokeXvfbTest, PrintCommandOfTheRealProgram)
{
    const QString built = QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope");
    if (!QFile::exists(built))
        GTEST_SKIP() << "the program is not built: " << built.toStdString();
    for (const char *tool : {"xvfb-run", "xdotool", "pdftotext"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    ZENTROPE_REQUIRE_CUPS(cups);
    cups->clearReceived();

    // A copy in a folder of its own, so its settings file lands there.
    const QString root = freshDir(QStringLiteral("smoke"));
    const QString bin = root + QStringLiteral("/bin dir");
    const QString home = root + QStringLiteral("/home");
    ASSERT_TRUE(QDir().mkpath(bin) && QDir().mkpath(home + QStringLiteral("/Templates")));
    const QString exe = bin + QStringLiteral("/zentrope");
    ASSERT_TRUE(QFile::copy(built, exe));
    const QString letter = root + QStringLiteral("/letter.env");
    {
        QFile f(letter);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Aunt Jane\r\n12 Main St\r\nSpringfield\r\n");
    }

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("CUPS_SERVER"), cups->socketPath());
    env.insert(QStringLiteral("ZEXE"), exe);
    env.insert(QStringLiteral("ZFILE"), letter);

    const QString script = QStringLiteral(R"(
"$ZEXE" /p "$ZFILE" &
pid=$!
w=
for i in $(seq 1 300); do
  w=$(xdotool search --onlyvisible --name 'Print' 2>/dev/null | head -n 1)
  [ -n "$w" ] && break
  sleep 0.1
done
if [ -z "$w" ]; then echo "no print dialog came up"; kill $pid; exit 3; fi
sleep 0.5
xdotool windowfocus --sync "$w"
xdotool key Return
wait $pid
echo "program exit $?"
)");
    QProcess p;
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::MergedChannels);
    // A display number of this process's own, so runs side by side do not
    // meet on the same free number; -a moves on from it when it is taken.
    const QString display = QString::number(100 + QCoreApplication::applicationPid() % 800);
    p.start(QStringLiteral("xvfb-run"), {QStringLiteral("-a"), QStringLiteral("-n"), display,
                                         QStringLiteral("sh"), QStringLiteral("-c"), script});
    ASSERT_TRUE(p.waitForStarted());
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        FAIL() << "the program did not close: " << p.readAll().toStdString();
    }
    const QString out = QString::fromLocal8Bit(p.readAll());
    EXPECT_EQ(p.exitCode(), 0) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("program exit 0"))) << out.toStdString();

    // It closed through the close query, which stores the size, beside itself.
    EXPECT_NE(TIniFile(bin + QStringLiteral("/zentrope.ini"))
                  .ReadString(QStringLiteral("Options"), QStringLiteral("Size"), QStringLiteral("<absent>")),
              QStringLiteral("<absent>"));
    ASSERT_TRUE(cups->waitForJobs(cups->defaultQueue(), 1)) << cups->logTail().toStdString();
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {cups->receivedFiles(cups->defaultQueue()).first(), QStringLiteral("-")});
    text.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput()).contains(QStringLiteral("12 Main St")));

    // And it registered this copy, its path quoted for the blank in it.
    QFile entry(home + QStringLiteral("/.local/share/applications/zentrope.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromUtf8(entry.readAll())
                    .contains(QStringLiteral("Exec=\"") + exe + QStringLiteral("\" %f")));
    QFile tmpl(home + QStringLiteral("/Templates/Zentrope.env"));
    ASSERT_TRUE(tmpl.open(QIODevice::ReadOnly));
    EXPECT_EQ(tmpl.readAll(), QByteArray(" \r\n"));
}
