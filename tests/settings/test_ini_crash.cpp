// Settings writes under fire: a writer killed at random moments never leaves a
// truncated file or loses a write it completed, and two writers at once lose
// nothing.
#include "settings/IniFile.h"
#include "settings/helper/IniWriterValue.h"
#include "support/TestEnv.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>
#include <chrono>
#include <random>

using namespace zentrope;

namespace {

const QString kWriter = QStringLiteral(ZENTROPE_INI_WRITER);

// The highest index the writer reported complete, from everything it printed.
int lastReported(const QByteArray &out)
{
    int last = -1;
    for (const QByteArray &line : out.split('\n'))
        if (!line.isEmpty())
            last = line.toInt();
    return last;
}

// Every key up to and including `done` holds its value; at most the one write
// in flight at the kill may have landed beyond it.
void expectRound(const TIniFile &ini, const QString &prefix, int done, int count)
{
    const QStringList keys = ini.ReadSectionKeys(QStringLiteral("Crash"));
    int present = 0;
    for (const QString &k : keys)
        present += k.startsWith(prefix + QLatin1Char('_'));
    EXPECT_GE(present, done + 1) << prefix.toStdString();
    EXPECT_LE(present, std::min(done + 2, count)) << prefix.toStdString();
    for (int i = 0; i < present; ++i)
        ASSERT_EQ(ini.ReadString("Crash", prefix + QLatin1Char('_') + QString::number(i), "missing"),
                  iniWriterValue(prefix, i))
            << prefix.toStdString() << " key " << i << " of " << present;
}

} // namespace

TEST(IniCrash, KilledWriterLeavesCompleteFile)
{
    const QString path = test::freshDir("crash") + "/zentrope.ini";
    TIniFile ini(path);
    ini.WriteString("Options", "Size", "1"); // a key from before every round
    const auto seed = static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    // Counted from the first completed write, so a slow start (a sanitizer
    // build, a loaded machine) still puts the kill in the middle of the run.
    std::uniform_int_distribution<int> killAfterUs(0, 40000);

    const int rounds = 12, count = 400;
    std::vector<int> done;
    for (int r = 0; r < rounds; ++r) {
        const QString prefix = QStringLiteral("R%1").arg(r);
        QProcess writer;
        writer.start(kWriter, {path, prefix, QString::number(count)});
        ASSERT_TRUE(writer.waitForStarted(10000));
        const int budget = killAfterUs(random);
        QElapsedTimer clock;
        QByteArray out;
        // While it writes, every reported write is already visible to a reader.
        while ((!clock.isValid() || clock.nsecsElapsed() / 1000 < budget) &&
               writer.state() == QProcess::Running) {
            writer.waitForReadyRead(1);
            out += writer.readAllStandardOutput();
            const int seen = lastReported(out);
            if (seen >= 0 && !clock.isValid())
                clock.start();
            if (seen >= 0) {
                const QString key = prefix + QLatin1Char('_') + QString::number(seen);
                ASSERT_EQ(ini.ReadString("Crash", key, "missing"), iniWriterValue(prefix, seen));
            }
        }
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        out += writer.readAllStandardOutput();
        done.push_back(lastReported(out));
        ASSERT_TRUE(QFile(path).size() > 0);
        EXPECT_EQ(ini.ReadString("Options", "Size", ""), QStringLiteral("1"));
        for (int k = 0; k <= r; ++k)
            expectRound(ini, QStringLiteral("R%1").arg(k), done[k], count);
    }
    // The kills are meant to land mid-run: most rounds wrote something, none finished.
    int partial = 0;
    for (int d : done)
        partial += d >= 0 && d < count - 1;
    EXPECT_GE(partial, rounds / 2);
}

TEST(IniCrash, TwoWritersAtOnceLoseNothing)
{
    const QString path = test::freshDir("two") + "/zentrope.ini";
    const int count = 150;
    QProcess a, b;
    a.start(kWriter, {path, QStringLiteral("A"), QString::number(count)});
    b.start(kWriter, {path, QStringLiteral("B"), QString::number(count)});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0) << a.readAllStandardError().constData();
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().constData();
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadSectionKeys("Crash").size(), 2 * count);
    expectRound(ini, "A", count - 1, count);
    expectRound(ini, "B", count - 1, count);
}
