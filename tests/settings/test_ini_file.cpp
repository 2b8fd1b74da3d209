// The settings file itself: INI syntax, line ends, encodings, refused writes,
// permissions and where the file lives.
#include "core/Error.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zentrope;

namespace {

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// Runs the write and expects it to fail with the store's message for that path.
template <typename Write> void expectWriteError(const QString &path, Write write)
{
    try {
        write();
        ADD_FAILURE() << "the write succeeded";
    } catch (const ZentropeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Unable to write to ") + path);
    }
}

} // namespace

TEST(IniFile, MissingFileGivesDefaultsAndFirstWriteCreatesIt)
{
    const QString dir = test::freshDir("missing");
    const QString path = dir + "/zentrope.ini";
    TQevIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Options", "GraphFile", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadInteger("Options", "Size", 3), 3);
    EXPECT_TRUE(ini.ReadBool("Options", "ShowHints", true));
    QStringList list{"x"};
    ini.ReadTStrings("OldFiles", "File", list);
    EXPECT_TRUE(list.isEmpty());
    ini.EraseSection("Envelopes"); // nothing to erase: no file appears
    EXPECT_FALSE(QFileInfo::exists(path));

    ini.WriteInteger("Options", "Size", 2);
    EXPECT_EQ(bytesOf(path), QByteArray("[Options]\nSize=2\n"));
    // A settings folder that does not exist yet is made.
    TIniFile nested(dir + "/a/b/zentrope.ini");
    nested.WriteString("S", "k", "v");
    EXPECT_EQ(nested.ReadString("S", "k", ""), QStringLiteral("v"));
}

TEST(IniFile, SyntaxOfTheProfileFunctions)
{
    const QString path = test::freshDir("syntax") + "/zentrope.ini";
    put(path, "top=ignored\n"
              "; comment=1\n"
              "  [ Options ]  \n"
              "  Size  =  5  \n"
              "; ShowHints=0\n"
              "Quoted=\"  spaced  \"\n"
              "Single='x'\n"
              "Unmatched=\"x'\n"
              "Lone=\"\n"
              "Twice=\"\"a\"\"\n"
              "Equals=a=b\n"
              "NoValue\n"
              "Nbsp=\xC2\xA0x\xC2\xA0\n"
              "Tabbed=\tt\t\n"
              "size=shadowed\n"
              "[Other]\n"
              "Size=9\n"
              "[options]\n"
              "Late=1\n");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("options", "SIZE", ""), QStringLiteral("5"));
    EXPECT_EQ(ini.ReadString(" Options ", " Size ", ""), QStringLiteral("5"));
    EXPECT_EQ(ini.ReadInteger("Other", "Size", 0), 9);
    EXPECT_EQ(ini.ReadString("Options", "ShowHints", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Options", "; ShowHints", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Options", "top", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Options", "Quoted", ""), QStringLiteral("  spaced  "));
    EXPECT_EQ(ini.ReadString("Options", "Single", ""), QStringLiteral("x"));
    EXPECT_EQ(ini.ReadString("Options", "Unmatched", ""), QStringLiteral("\"x'"));
    EXPECT_EQ(ini.ReadString("Options", "Lone", ""), QStringLiteral("\""));
    EXPECT_EQ(ini.ReadString("Options", "Twice", ""), QStringLiteral("\"a\""));
    EXPECT_EQ(ini.ReadString("Options", "Equals", ""), QStringLiteral("a=b"));
    EXPECT_EQ(ini.ReadString("Options", "NoValue", "d"), QStringLiteral("d"));
    EXPECT_EQ(ini.ReadString("Options", "Nbsp", ""), QString::fromUtf8("\xC2\xA0x\xC2\xA0"));
    EXPECT_EQ(ini.ReadString("Options", "Tabbed", ""), QStringLiteral("t"));
    // Only the first section of a name is searched.
    EXPECT_EQ(ini.ReadString("Options", "Late", "d"), QStringLiteral("d"));
    // A default loses its trailing blanks as a stored value does; leading ones stay.
    EXPECT_EQ(ini.ReadString("Options", "GraphFile", " "), QString());
    EXPECT_EQ(ini.ReadString("Options", "GraphFile", " logo.bmp \t"), QStringLiteral(" logo.bmp"));

    // A write replaces the first match in place, whatever its letter case.
    ini.WriteString("OPTIONS", "size", "6");
    EXPECT_EQ(ini.ReadString("Options", "Size", ""), QStringLiteral("6"));
    const QByteArray after = bytesOf(path);
    EXPECT_TRUE(after.contains("\nsize=6\n; ShowHints=0\n")) << after.constData();
    EXPECT_TRUE(after.contains("size=shadowed\n"));
    EXPECT_TRUE(after.startsWith("top=ignored\n; comment=1\n  [ Options ]  \n"));
}

TEST(IniFile, NewKeysAndSectionsGoAtTheEnd)
{
    const QString path = test::freshDir("order") + "/zentrope.ini";
    put(path, "[A]\na=1\n\n[B]\nb=1\n");
    TIniFile ini(path);
    ini.WriteString("A", "a2", "2");
    ini.WriteString("C", "c", "3");
    ini.WriteString("b", "b2", "4");
    EXPECT_EQ(bytesOf(path), QByteArray("[A]\na=1\na2=2\n\n[B]\nb=1\nb2=4\n\n[C]\nc=3\n"));

    // Rewriting a value unchanged leaves the file alone.
    const QFileInfo before(path);
    ini.WriteString("A", "a", "1");
    EXPECT_EQ(bytesOf(path), QByteArray("[A]\na=1\na2=2\n\n[B]\nb=1\nb2=4\n\n[C]\nc=3\n"));

    // Erasing removes the section, every section of that name, and nothing else.
    put(path, "[A]\na=1\n\n[Envelopes]\nCount=2\n\n[B]\nb=1\n[envelopes]\nx=1\n");
    ini.EraseSection("ENVELOPES");
    EXPECT_EQ(bytesOf(path), QByteArray("[A]\na=1\n\n[B]\nb=1\n"));
    EXPECT_EQ(ini.ReadString("Envelopes", "Count", "gone"), QStringLiteral("gone"));
    ini.WriteString("Envelopes", "Count", "0");
    EXPECT_EQ(bytesOf(path), QByteArray("[A]\na=1\n\n[B]\nb=1\n\n[Envelopes]\nCount=0\n"));
}

TEST(IniFile, LineEndsEncodingAndMarkKept)
{
    const QString dir = test::freshDir("style");

    const QString crlf = dir + "/crlf.ini";
    put(crlf, "[Options]\r\nSize=1\r\n\r\n[B]\r\nb=1\r\n");
    TIniFile a(crlf);
    EXPECT_EQ(a.ReadString("Options", "Size", ""), QStringLiteral("1"));
    EXPECT_EQ(a.ReadString("B", "b", ""), QStringLiteral("1"));
    a.WriteString("Options", "Size", "2");
    a.WriteString("Options", "New", "n");
    a.WriteString("C", "c", "3");
    EXPECT_EQ(bytesOf(crlf),
              QByteArray("[Options]\r\nSize=2\r\nNew=n\r\n\r\n[B]\r\nb=1\r\n\r\n[C]\r\nc=3\r\n"));

    const QString noEnd = dir + "/noend.ini";
    put(noEnd, "[A]\na=1");
    TIniFile b(noEnd);
    b.WriteString("A", "b", "2");
    EXPECT_EQ(bytesOf(noEnd), QByteArray("[A]\na=1\nb=2"));

    // Windows-1252 stays Windows-1252 while the text fits, and becomes UTF-8 whole
    // (never a mixture) when a value needs it.
    const QString ansi = dir + "/ansi.ini";
    put(ansi, "[ReturnAddresses]\r\nAddress1_0=Jos\xE9 M\xFCller \x80\r\n");
    TQevIniFile c(ansi);
    EXPECT_EQ(c.ReadString("ReturnAddresses", "Address1_0", ""), QString::fromUtf8("José Müller €"));
    c.WriteString("ReturnAddresses", "Address1_1", QString::fromUtf8("Straße"));
    EXPECT_EQ(bytesOf(ansi), QByteArray("[ReturnAddresses]\r\nAddress1_0=Jos\xE9 M\xFCller \x80\r\n"
                                        "Address1_1=Stra\xDF"
                                        "e\r\n"));
    c.WriteString("ReturnAddresses", "Address1_2", QString::fromUtf8("Łódź"));
    EXPECT_EQ(bytesOf(ansi), QString::fromUtf8("[ReturnAddresses]\r\nAddress1_0=José Müller €\r\n"
                                               "Address1_1=Straße\r\nAddress1_2=Łódź\r\n")
                                 .toUtf8());
    EXPECT_EQ(c.ReadString("ReturnAddresses", "Address1_0", ""), QString::fromUtf8("José Müller €"));

    // Erasing the only bytes that were not UTF-8 must not change what the rest reads as.
    const QString mixed = dir + "/mixed.ini";
    put(mixed, "[Options]\nx=\xFF\n[B]\ny=\xC3\xA9\n");
    TIniFile m(mixed);
    EXPECT_EQ(m.ReadString("B", "y", ""), QString::fromUtf8("Ã©"));
    m.EraseSection("Options");
    EXPECT_EQ(m.ReadString("B", "y", ""), QString::fromUtf8("Ã©"));

    // A UTF-8 byte order mark is no part of the first line and stays in front.
    const QString bom = dir + "/bom.ini";
    put(bom, "\xEF\xBB\xBF[A]\na=\xC3\xA9\n");
    TIniFile d(bom);
    EXPECT_EQ(d.ReadString("A", "a", ""), QString::fromUtf8("é"));
    d.WriteString("A", "b", "2");
    EXPECT_EQ(bytesOf(bom), QByteArray("\xEF\xBB\xBF[A]\na=\xC3\xA9\nb=2\n"));
}

TEST(IniFile, LoneCrLineEndsReadAndKept)
{
    // Hand-made or from an old Mac: every line ends in a lone CR.
    const QString path = test::freshDir("cr") + "/zentrope.ini";
    put(path, "[Options]\rSize=2\r\r[Envelopes]\rCount=1\rEnvelope1=Big\r\r[Position]\rLeft=5\r");
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Options", "Size", 0), 2);
    EXPECT_EQ(ini.ReadString("Envelopes", "Envelope1", ""), QStringLiteral("Big"));
    EXPECT_EQ(ini.ReadSectionKeys("Position"), QStringList({"Left"}));
    ini.WriteInteger("Options", "Size", 3);
    ini.WriteInteger("Options", "New", 4);
    EXPECT_EQ(bytesOf(path), QByteArray("[Options]\rSize=3\rNew=4\r\r[Envelopes]\rCount=1\rEnvelope1=Big\r\r"
                                        "[Position]\rLeft=5\r"));
    // Erasing the first section keeps the others.
    ini.EraseSection("Options");
    EXPECT_EQ(bytesOf(path), QByteArray("[Envelopes]\rCount=1\rEnvelope1=Big\r\r[Position]\rLeft=5\r"));
    EXPECT_EQ(ini.ReadInteger("Position", "Left", 0), 5);

    // A lone CR inside a file of other line ends is a line end too.
    put(path, "[A]\r\na=1\rb=2\n");
    EXPECT_EQ(TIniFile(path).ReadString("A", "b", ""), QStringLiteral("2"));
}

TEST(IniFile, LeftoversOfDeadWritersAreRemoved)
{
    const QString dir = test::freshDir("leftovers");
    const QString path = dir + "/zentrope.ini";
    put(path, "[Options]\nSize=1\n");
    // A process id that no longer runs: a child that has ended and been reaped.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    const QString dead = QString::number(child);
    const QString live = QString::number(::getpid());
    const QStringList kept = {
        "zentrope.ini.tmp-" + live + "-3", // a writer that still runs
        "other.ini.tmp-" + dead + "-0",    // another file's
        "zentrope.ini.tmp-" + dead + "-x", // not the store's pattern
        "zentrope.ini.tmp-" + dead + "-1-2", "zentrope.ini.tmp-" + dead, "zentrope.ini.bak"};
    for (const QString &name : kept)
        put(dir + "/" + name, "keep");
    put(dir + "/zentrope.ini.tmp-" + dead + "-0", "[Options]\nSi");
    put(dir + "/zentrope.ini.tmp-" + dead + "-17", "");
    QDir().mkpath(dir + "/zentrope.ini.tmp-" + dead + "-2"); // a folder is never removed

    TIniFile ini(path);
    EXPECT_EQ(ini.ReadInteger("Options", "Size", 0), 1); // a read removes nothing
    EXPECT_TRUE(QFileInfo::exists(dir + "/zentrope.ini.tmp-" + dead + "-0"));
    ini.WriteInteger("Options", "Size", 2); // the first write does
    QStringList expected = kept;
    expected << "zentrope.ini"
             << "zentrope.ini.lock"
             << "zentrope.ini.tmp-" + dead + "-2";
    expected.sort();
    EXPECT_EQ(QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              expected);
}

TEST(IniFile, WritesThatCannotBeOneLineAreRefused)
{
    const QString path = test::freshDir("refused") + "/zentrope.ini";
    TIniFile ini(path);
    ini.WriteString("Options", "Size", "1");
    const QByteArray before = bytesOf(path);
    const QString nul(QChar(0));
    const std::pair<QString, QString> names[] = {
        {"Options", "a\nb"}, {"Opt\nions", "k"}, {"Options", "a\rb"},   {"Options", "a=b"},
        {"Options", "[k"},   {"Options", ";k"},  {"Opt]ions", "k"},     {"", "k"},
        {"Options", ""},     {"Options", "   "}, {"Options", "k" + nul}};
    for (const auto &[section, key] : names)
        expectWriteError(path, [&] { ini.WriteString(section, key, "v"); });
    for (const QString &value : {QStringLiteral("two\nlines"), QStringLiteral("cr\ronly"),
                                 QStringLiteral("crlf\r\n[Options]\r\nSize=9"), QStringLiteral("nul") + nul})
        expectWriteError(path, [&] { ini.WriteString("Options", "Size", value); });
    expectWriteError(path, [&] { ini.EraseSection("a\nb"); });
    expectWriteError(path, [&] { ini.EraseSection("a]"); });
    TQevIniFile typed(path);
    expectWriteError(path, [&] { typed.WriteTStrings("OldFiles", "File", {"ok", "bad\nname"}); });
    // A typed writer stops at the failing key; the keys before it stay written.
    EXPECT_EQ(typed.ReadString("OldFiles", "File_0", ""), QStringLiteral("ok"));
    EXPECT_EQ(typed.ReadString("OldFiles", "File_1", "none"), QStringLiteral("none"));
    EXPECT_EQ(typed.ReadString("Options", "Size", ""), QStringLiteral("1"));
    EXPECT_TRUE(bytesOf(path).startsWith(before));
}

TEST(IniFile, UnreadableFileIsNotOverwritten)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    const QString path = test::freshDir("unreadable") + "/zentrope.ini";
    put(path, "[Options]\nSize=1\nKeep=me\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0200), 0);
    TIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Options", "Size", "d"), QStringLiteral("d"));
    expectWriteError(path, [&] { ini.WriteString("Options", "Size", "2"); });
    ::chmod(QFile::encodeName(path).constData(), 0600);
    EXPECT_EQ(bytesOf(path), QByteArray("[Options]\nSize=1\nKeep=me\n"));
}

TEST(IniFile, FolderThatCannotBeWrittenKeepsTheOldFile)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    const QString dir = test::freshDir("readonlydir");
    const QString path = dir + "/zentrope.ini";
    TQevIniFile ini(path);
    ini.WriteString("Options", "Size", "1");
    const QByteArray before = bytesOf(path);
    ASSERT_EQ(::chmod(QFile::encodeName(path + ".lock").constData(), 0444), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0555), 0);
    expectWriteError(path, [&] { ini.WriteString("Options", "Size", "2"); });
    expectWriteError(path, [&] { ini.WriteInteger("Options", "New", 2); });
    expectWriteError(path, [&] { ini.WriteReal("Envelopes", "x", 1.5); });
    expectWriteError(path, [&] { ini.EraseSection("Options"); });
    expectWriteError(path, [&] { ini.WriteFont("EnvelopeFont", FontDescription()); });
    EXPECT_EQ(bytesOf(path), before);
    EXPECT_EQ(ini.ReadInteger("Options", "Size", 0), 1);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden),
              QStringList({"zentrope.ini", "zentrope.ini.lock"}));
    ::chmod(QFile::encodeName(dir).constData(), 0755);

    // A read-only file in a writable folder is not replaced behind the user's back.
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0444), 0);
    expectWriteError(path, [&] { ini.WriteString("Options", "Size", "3"); });
    EXPECT_EQ(bytesOf(path), before);

    // A file in a folder that does not exist and cannot be made.
    ASSERT_EQ(::chmod(QFile::encodeName(dir).constData(), 0555), 0);
    const QString deeper = dir + "/sub/zentrope.ini";
    TIniFile nowhere(deeper);
    expectWriteError(deeper, [&] { nowhere.WriteString("A", "b", "c"); });
    ::chmod(QFile::encodeName(dir).constData(), 0755);
}

TEST(IniFile, ReplaceKeepsPermissionsAndLinks)
{
    const QString dir = test::freshDir("perm");
    const QString path = dir + "/zentrope.ini";
    TIniFile ini(path);
    ini.WriteString("A", "a", "1");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0600), 0);
    ini.WriteString("A", "a", "2");
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    // A settings file that is a link to a shared one updates the shared file.
    const QString link = dir + "/linked.ini";
    ASSERT_TRUE(QFile::link(path, link));
    TIniFile viaLink(link);
    viaLink.WriteString("A", "b", "3");
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ini.ReadString("A", "b", ""), QStringLiteral("3"));
    // Only the two files and the lock remain: no temporary file is left behind.
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({"linked.ini", "linked.ini.lock", "zentrope.ini", "zentrope.ini.lock"}));

    const QString dangling = dir + "/dangling.ini";
    ASSERT_TRUE(QFile::link(dir + "/nowhere/x.ini", dangling));
    expectWriteError(dangling, [&] { TIniFile(dangling).WriteString("A", "a", "1"); });
}

TEST(SettingsFilePath, BesideTheProgramWhenWritableElseUserConfig)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/zentrope/zentrope.ini";
    const QString dir = test::freshDir("program");
    EXPECT_EQ(SettingsFilePath(dir), dir + "/zentrope.ini"); // absent, folder writable
    put(dir + "/zentrope.ini", "[Options]\n");
    EXPECT_EQ(SettingsFilePath(dir), dir + "/zentrope.ini"); // present and writable

    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "relative/config");
    const QString viaHome = QDir::homePath() + "/.config/zentrope/zentrope.ini";
    const QString ro = test::freshDir("ro-program");
    ::chmod(QFile::encodeName(ro).constData(), 0555);
    if (!test::runningAsRoot()) {
        EXPECT_EQ(SettingsFilePath(ro), viaHome); // a relative XDG_CONFIG_HOME is ignored
    }
    qputenv("XDG_CONFIG_HOME", saved);
    if (test::runningAsRoot())
        return; // root may write anywhere: the rest needs an ordinary user

    EXPECT_EQ(SettingsFilePath(ro), config); // absent, folder not writable
    ::chmod(QFile::encodeName(ro).constData(), 0755);
    put(ro + "/zentrope.ini", "[Options]\n");
    ::chmod(QFile::encodeName(ro).constData(), 0555);
    EXPECT_EQ(SettingsFilePath(ro), config); // present, folder not writable
    ::chmod(QFile::encodeName(ro).constData(), 0755);
    ::chmod(QFile::encodeName(ro + "/zentrope.ini").constData(), 0444);
    EXPECT_EQ(SettingsFilePath(ro), config); // present, file not writable

    // The fallback file is made, folder and all, at the first write.
    TIniFile ini(SettingsFilePath(ro));
    ini.WriteString("Options", "Size", "1");
    EXPECT_EQ(bytesOf(config), QByteArray("[Options]\nSize=1\n"));
}

// An installed program never writes beside itself, even where it may (root
// in /usr/bin): only a program run from its own folder keeps the file there.
TEST(SettingsFilePath, InstalledProgramUsesTheUserConfig)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME") + "/zentrope/zentrope.ini";
    EXPECT_TRUE(ProgramIsInstalled("/usr/bin"));
    EXPECT_TRUE(ProgramIsInstalled("/usr/local/bin"));
    EXPECT_EQ(SettingsFilePath("/usr/bin"), config);

    // Any other prefix: the program in <prefix>/bin beside its desktop entry.
    const QString prefix = test::freshDir("prefix");
    const QString bin = prefix + "/bin";
    QDir().mkpath(bin);
    EXPECT_FALSE(ProgramIsInstalled(bin));
    EXPECT_EQ(SettingsFilePath(bin), bin + "/zentrope.ini"); // a folder of its own
    QDir().mkpath(prefix + "/share/applications");
    put(prefix + "/share/applications/zentrope.desktop", "[Desktop Entry]\n");
    EXPECT_TRUE(ProgramIsInstalled(bin));
    put(bin + "/zentrope.ini", "[Options]\n");
    EXPECT_EQ(SettingsFilePath(bin), config);
    EXPECT_FALSE(ProgramIsInstalled(prefix)) << "not a bin folder";
}
