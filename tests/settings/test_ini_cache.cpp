// The store keeps the parsed file in memory: what another running copy wrote is
// read again, an unchanged write leaves the file alone, and a whole section is
// written in one replace of the file.
#include "core/Error.h"
#include "settings/IniSection.h"
#include "settings/QevIniFile.h"
#include "settings/helper/IniWriterValue.h"
#include "support/TestEnv.h"

#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace zentrope;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct stat statOf(const QString &path)
{
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    return st;
}

} // namespace

TEST(IniCache, ChangedByAnotherProcessIsReadAgain)
{
    const QString path = test::freshDir("cache") + "/zentrope.ini";
    TIniFile mine(path);
    mine.WriteString("Options", "Name", "aaaa");
    EXPECT_EQ(mine.ReadString("Options", "Name", ""), QStringLiteral("aaaa"));

    // Another copy rewrites the value with one of the same length at once:
    // same size, same second; the rename gives the file another inode.
    TIniFile other(path);
    other.WriteString("Options", "Name", "bbbb");
    EXPECT_EQ(mine.ReadString("Options", "Name", ""), QStringLiteral("bbbb"));

    // A real second process, through its own store.
    QProcess writer;
    writer.start(QStringLiteral(ZENTROPE_INI_WRITER), {path, QStringLiteral("P"), QStringLiteral("1")});
    ASSERT_TRUE(writer.waitForFinished(30000));
    ASSERT_EQ(writer.exitCode(), 0);
    EXPECT_EQ(mine.ReadSectionKeys("Crash"), QStringList({"P_0"}));

    // A write checks for such changes under the lock before it changes the file:
    // nothing the other copy wrote is lost.
    other.WriteString("Options", "Theirs", "1");
    mine.WriteString("Options", "Mine", "2");
    EXPECT_EQ(bytesOf(path), "[Options]\nName=bbbb\nTheirs=1\nMine=2\n\n[Crash]\nP_0=" +
                                 iniWriterValue("P", 0).toUtf8() + "\n");
    EXPECT_EQ(mine.ReadString("Options", "Theirs", ""), QStringLiteral("1"));
    EXPECT_EQ(other.ReadString("Options", "Mine", ""), QStringLiteral("2"));

    // The file removed behind the store's back reads as missing.
    QFile::remove(path);
    EXPECT_EQ(mine.ReadString("Options", "Name", "gone"), QStringLiteral("gone"));
}

// A read and a write made in one Transaction by two processes at once: no
// increment is lost.
TEST(IniCache, TransactionsOfTwoProcessesDoNotInterleave)
{
    const QString path = test::freshDir("transaction") + "/zentrope.ini";
    QProcess a, b;
    for (QProcess *p : {&a, &b})
        p->start(QStringLiteral(ZENTROPE_INI_WRITER), {path, QStringLiteral("+"), QStringLiteral("150")});
    for (QProcess *p : {&a, &b}) {
        ASSERT_TRUE(p->waitForFinished(60000));
        EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    }
    EXPECT_EQ(TIniFile(path).ReadInteger("Crash", "Counter", 0), 300);
}

TEST(IniCache, UnchangedWritesLeaveTheFileAlone)
{
    const QString path = test::freshDir("unchanged") + "/zentrope.ini";
    TQevIniFile ini(path);
    ini.WriteString("Options", "Size", "1");
    ini.WriteReal("Envelopes", "GraphicX", 1.5);
    const struct stat before = statOf(path);
    const int replaces = ini.ReplaceCount();

    ini.WriteString("Options", "Size", "1");
    ini.WriteReal("Envelopes", "GraphicX", 1.5);
    ini.EraseSection("Missing");
    IniSection same("Envelopes");
    same.WriteReal("GraphicX", 1.5);
    ini.WriteSection(same);
    EXPECT_EQ(ini.ReplaceCount(), replaces);
    const struct stat after = statOf(path);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    // A section written whole is the file the erase and the single writes
    // would leave, in one replace; keys equal but for letter case keep the
    // first one's place and the last value.
    const QString stepwise = test::freshDir("stepwise") + "/zentrope.ini";
    TQevIniFile a(stepwise);
    for (TIniFile *f : {static_cast<TIniFile *>(&a), static_cast<TIniFile *>(&ini)}) {
        f->WriteString("Envelopes", "Stale", "x");
        f->WriteString("After", "k", "v");
    }
    a.EraseSection("Envelopes");
    a.WriteInteger("Envelopes", "Count", 2);
    a.WriteString("Envelopes", "Envelope1", "Big");
    a.WriteString("Envelopes", "count", "3");
    a.WriteTStrings("Envelopes", "Address1", {"a", "b"});
    IniSection whole("Envelopes");
    whole.WriteInteger("Count", 2);
    whole.WriteString("Envelope1", "Big");
    whole.WriteString("count", "3");
    whole.WriteTStrings("Address1", {"a", "b"});
    const int start = ini.ReplaceCount();
    ini.WriteSection(whole);
    EXPECT_EQ(ini.ReplaceCount(), start + 1);
    const QByteArray expected = "[After]\nk=v\n\n[Envelopes]\ncount=3\nEnvelope1=Big\nAddress1_Count=2\n"
                                "Address1_0=a\nAddress1_1=b\n";
    EXPECT_EQ(bytesOf(stepwise), expected);
    EXPECT_EQ(bytesOf(path), "[Options]\nSize=1\n\n" + expected);

    // A key that cannot be stored refuses the whole section.
    const QByteArray kept = bytesOf(path);
    IniSection bad("Envelopes");
    bad.WriteString("Good", "1");
    bad.WriteString("Bad", "two\nlines");
    EXPECT_THROW(ini.WriteSection(bad), ZentropeError);
    EXPECT_EQ(bytesOf(path), kept);
}
