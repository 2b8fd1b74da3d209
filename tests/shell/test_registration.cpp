#include "shell/FileTypeRegistration.h"

#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

FileTypeInfo envelopeType(const QString &program)
{
    FileTypeInfo info;
    info.Extension = QStringLiteral(".env");
    info.TypeName = QStringLiteral("Zentrope");
    info.GenericName = QStringLiteral("Envelope Printer");
    info.TypeDescription = QStringLiteral("Zentrope Envelope");
    info.MimeType = QStringLiteral("application/x-zentrope-envelope");
    info.TemplateLines = {QStringLiteral(" ")};
    info.IconSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"16\" height=\"16\"/>";
    TRegCommands &c = info.Commands;
    c.VerbCount = 2;
    c.Verbs[0] = QStringLiteral("open");
    c.Commands[0] = ExecCommand({program}) + QStringLiteral(" %f");
    c.Captions[0] = QStringLiteral("Open");
    c.Verbs[1] = QStringLiteral("print");
    c.Commands[1] = ExecCommand({program, QStringLiteral("/p")}) + QStringLiteral(" %f");
    c.Captions[1] = QStringLiteral("Print Envelope");
    info.Translations = TranslateFileType(info);
    return info;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The raw value of a key in one group of a desktop file.
QString entryValue(const QString &path, const QString &group, const QString &key)
{
    QString current;
    for (const QString &line : QString::fromUtf8(readAll(path)).split(u'\n')) {
        if (line.startsWith(u'['))
            current = line.mid(1, line.size() - 2);
        else if (current == group && line.startsWith(key + u'='))
            return line.mid(key.size() + 1);
    }
    return QStringLiteral("<none>");
}

// What a launcher makes of an Exec value for one file, read the way the
// freedesktop Desktop Entry standard describes: string escapes first, then quoting.
QStringList launch(const QString &raw, const QString &file)
{
    QString value;
    for (int i = 0; i < raw.size(); ++i) {
        if (raw[i] == u'\\' && i + 1 < raw.size()) {
            const QChar n = raw[++i];
            value += n == u's'   ? QChar(u' ')
                     : n == u'n' ? QChar(u'\n')
                     : n == u't' ? QChar(u'\t')
                     : n == u'r' ? QChar(u'\r')
                                 : n;
        } else {
            value += raw[i];
        }
    }
    QStringList args;
    QString arg;
    bool inArg = false, quoted = false;
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (quoted) {
            if (c == u'\\' && i + 1 < value.size())
                arg += value[++i];
            else if (c == u'%' && i + 1 < value.size() && value[i + 1] == u'%')
                arg += value[++i];
            else if (c == u'"')
                quoted = false;
            else
                arg += c;
        } else if (c == u' ') {
            if (inArg)
                args << arg;
            arg.clear();
            inArg = false;
        } else if (c == u'"') {
            quoted = inArg = true;
        } else if (c == u'%' && i + 1 < value.size()) {
            const QChar code = value[++i];
            arg += code == u'%' ? QStringLiteral("%") : code == u'f' ? file : QString();
            inArg = true;
        } else {
            arg += c;
            inArg = true;
        }
    }
    if (inArg)
        args << arg;
    return args;
}

int validate(const QString &path, QString *output)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("desktop-file-validate"), {path});
    if (!p.waitForFinished(30000))
        return -1;
    *output = QString::fromUtf8(p.readAll());
    return p.exitCode();
}

struct Places {
    RegistrationPlaces places;
    QString home;
};

Places freshPlaces(const char *name, bool withTemplates = true)
{
    Places p;
    p.home = freshDir(QString::fromLatin1(name));
    p.places.DataHome = p.home + QStringLiteral("/.local/share");
    p.places.TemplatesDir = p.home + QStringLiteral("/Templates");
    if (withTemplates)
        QDir().mkpath(p.places.TemplatesDir);
    return p;
}

} // namespace

TEST(RegistrationTest, WritesEntriesWithTheProgramPathAndOnlyRewritesChanges)
{
    const Places p = freshPlaces("reg-basic");
    const QString data = p.places.DataHome;
    const QString program = QStringLiteral("/opt/zentrope/bin/zentrope");
    RegistrationOutcome o = WriteFileTypeRegistration(envelopeType(program), p.places);
    EXPECT_TRUE(o.Failed.isEmpty()) << o.Failed.join(u' ').toStdString();
    EXPECT_TRUE(o.DesktopChanged && o.MimeChanged && o.IconChanged);

    const QString desktop = data + QStringLiteral("/applications/zentrope.desktop");
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "Exec"), program + QStringLiteral(" %f"));
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "Comment"), QStringLiteral("Zentrope Envelope"));
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "Comment[de]"), QStringLiteral("Zentrope-Briefumschlag"));
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "GenericName[es]"), QStringLiteral("Impresión de sobres"));
    EXPECT_EQ(entryValue(desktop, "Desktop Action Print", "Name[fr]"),
              QStringLiteral("Imprimer l'enveloppe"));
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "MimeType"),
              QStringLiteral("application/x-zentrope-envelope;"));
    EXPECT_EQ(entryValue(desktop, "Desktop Action Print", "Exec"), program + QStringLiteral(" /p %f"));
    const QString service = data + QStringLiteral("/kio/servicemenus/zentrope.desktop");
    EXPECT_EQ(entryValue(service, "Desktop Action Print", "Name"), QStringLiteral("Print Envelope"));
    EXPECT_EQ(entryValue(service, "Desktop Action Print", "Exec"), program + QStringLiteral(" /p %f"));
    EXPECT_TRUE(QFileInfo(service).isExecutable());
    EXPECT_TRUE(QFile::exists(data + QStringLiteral("/icons/hicolor/scalable/apps/zentrope.svg")));
    // The MIME package is the one installed system-wide.
    const QByteArray mime = readAll(data + QStringLiteral("/mime/packages/zentrope.xml"));
    EXPECT_EQ(mime.toStdString(),
              readAll(QStringLiteral(ZENTROPE_SOURCE_DIR "/assets/zentrope-mime.xml")).toStdString());
    // The template: one blank line in the address file format.
    EXPECT_EQ(readAll(p.places.TemplatesDir + QStringLiteral("/Zentrope.env")), QByteArray(" \r\n"));

    QString out;
    EXPECT_EQ(validate(desktop, &out), 0) << out.toStdString();

    // The next start with the same program changes nothing; a copy started from
    // elsewhere rewrites only what names the program.
    o = WriteFileTypeRegistration(envelopeType(program), p.places);
    EXPECT_FALSE(o.DesktopChanged || o.MimeChanged || o.IconChanged);
    o = WriteFileTypeRegistration(envelopeType(QStringLiteral("/usr/local/bin/zentrope")), p.places);
    EXPECT_TRUE(o.DesktopChanged);
    EXPECT_FALSE(o.MimeChanged || o.IconChanged);
    EXPECT_EQ(entryValue(desktop, "Desktop Entry", "Exec"), QStringLiteral("/usr/local/bin/zentrope %f"));
}

TEST(RegistrationTest, ProgramPathsAreQuotedSoLaunchersKeepThemWhole)
{
    const Places p = freshPlaces("reg-quote", false);
    const QString desktop = p.places.DataHome + QStringLiteral("/applications/zentrope.desktop");
    const QString file = QStringLiteral("/home/jane/aunt.env");
    const QStringList programs = {
        QStringLiteral("/home/jane doe/My Programs/zentrope"),
        QStringLiteral("/opt/it's \"odd\"/$HOME/100%/back\\slash/zentrope"),
        QStringLiteral("/opt/a;b&c|d(e)*?#~`/zentrope"),
    };
    for (const QString &program : programs) {
        WriteFileTypeRegistration(envelopeType(program), p.places);
        const QString exec = entryValue(desktop, "Desktop Entry", "Exec");
        EXPECT_TRUE(exec.startsWith(u'"')) << exec.toStdString();
        EXPECT_EQ(launch(exec, file), QStringList({program, file})) << exec.toStdString();
        EXPECT_EQ(launch(entryValue(desktop, "Desktop Action Print", "Exec"), file),
                  QStringList({program, QStringLiteral("/p"), file}));
        QString out;
        EXPECT_EQ(validate(desktop, &out), 0) << exec.toStdString() << "\n" << out.toStdString();
    }
    // No template folder, no template and no complaint.
    const RegistrationOutcome o = WriteFileTypeRegistration(envelopeType(programs[0]), p.places);
    EXPECT_TRUE(o.TemplateNotCreated.isEmpty());
    EXPECT_FALSE(QFile::exists(p.places.TemplatesDir));
}

TEST(RegistrationTest, TemplateIsNeverOverwrittenAndFailuresAreReported)
{
    Places p = freshPlaces("reg-template");
    const QString path = p.places.TemplatesDir + QStringLiteral("/Zentrope.env");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("my own template\r\n");
    }
    RegistrationOutcome o =
        WriteFileTypeRegistration(envelopeType(QStringLiteral("/bin/zentrope")), p.places);
    EXPECT_TRUE(o.TemplateNotCreated.isEmpty());
    EXPECT_EQ(readAll(path), QByteArray("my own template\r\n"));

    // A dangling link is the user's too.
    QFile::remove(path);
    ASSERT_TRUE(QFile::link(p.home + QStringLiteral("/nowhere.env"), path));
    o = WriteFileTypeRegistration(envelopeType(QStringLiteral("/bin/zentrope")), p.places);
    EXPECT_TRUE(o.TemplateNotCreated.isEmpty());
    EXPECT_FALSE(QFile::exists(p.home + QStringLiteral("/nowhere.env")));
}

TEST(RegistrationTest, UnwritableFoldersAreReportedNotFatal)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    Places p = freshPlaces("reg-readonly");
    QDir().mkpath(p.places.DataHome);
    QFile::setPermissions(p.places.TemplatesDir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(p.places.DataHome, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const RegistrationOutcome o =
        WriteFileTypeRegistration(envelopeType(QStringLiteral("/bin/zentrope")), p.places);
    EXPECT_EQ(o.TemplateNotCreated, p.places.TemplatesDir + QStringLiteral("/Zentrope.env"));
    EXPECT_EQ(o.Failed.size(), 4);
    EXPECT_FALSE(o.DesktopChanged || o.MimeChanged);
    QFile::setPermissions(p.places.TemplatesDir,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::setPermissions(p.places.DataHome,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST(RegistrationTest, PlacesFollowTheXdgVariablesAndUserDirs)
{
    const QString home = qEnvironmentVariable("HOME");
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString userDirs = config + QStringLiteral("/user-dirs.dirs");
    const auto writeUserDirs = [&](const QByteArray &text) {
        QFile f(userDirs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    };
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().DataHome, qEnvironmentVariable("XDG_DATA_HOME"));
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().TemplatesDir, home + QStringLiteral("/Templates"));

    writeUserDirs("# written by xdg-user-dirs-update\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                  "XDG_TEMPLATES_DIR=\"$HOME/Vorlagen\"\n");
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().TemplatesDir, home + QStringLiteral("/Vorlagen"));
    writeUserDirs("XDG_TEMPLATES_DIR=\"/srv/shared templates\"\n");
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().TemplatesDir, QStringLiteral("/srv/shared templates"));
    // Set to the home folder means the user turned the folder off.
    writeUserDirs("XDG_TEMPLATES_DIR=\"$HOME/\"\n");
    EXPECT_TRUE(RegistrationPlaces::fromEnvironment().TemplatesDir.isEmpty());
    // Relative values are not allowed and fall back to the default.
    writeUserDirs("XDG_TEMPLATES_DIR=\"Templates2\"\n");
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().TemplatesDir, home + QStringLiteral("/Templates"));
    QFile::remove(userDirs);

    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().DataHome, home + QStringLiteral("/.local/share"));
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(RegistrationPlaces::fromEnvironment().DataHome, home + QStringLiteral("/.local/share"));
    qputenv("XDG_DATA_HOME", saved);
}

TEST(RegistrationTest, DesktopKnowsTheTypeAfterTheRefresh)
{
    // The test process's own HOME and XDG folders are temporary.
    const RegistrationPlaces places = RegistrationPlaces::fromEnvironment();
    const RegistrationOutcome o =
        WriteFileTypeRegistration(envelopeType(QStringLiteral("/usr/bin/zentrope")), places);
    ASSERT_TRUE(o.Failed.isEmpty());
    RefreshDesktopDatabases(o, places, true);
    ASSERT_TRUE(QFile::exists(places.DataHome + QStringLiteral("/mime/mime.cache")));
    ASSERT_TRUE(QFile::exists(places.DataHome + QStringLiteral("/applications/mimeinfo.cache")));

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *var :
         {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        env.remove(QString::fromLatin1(var));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                         QStringLiteral("application/x-zentrope-envelope")});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()).trimmed(), QStringLiteral("zentrope.desktop"));

    // The glob claims named .env files, in any case, but not a bare ".env".
    QMimeDatabase db;
    EXPECT_EQ(db.mimeTypeForFile(QStringLiteral("/x/aunt.env"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-zentrope-envelope"));
    EXPECT_EQ(db.mimeTypeForFile(QStringLiteral("/x/AUNT.ENV"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-zentrope-envelope"));
    EXPECT_NE(db.mimeTypeForFile(QStringLiteral("/x/.env"), QMimeDatabase::MatchExtension).name(),
              QStringLiteral("application/x-zentrope-envelope"));
    EXPECT_TRUE(db.mimeTypeForName(QStringLiteral("application/x-zentrope-envelope"))
                    .inherits(QStringLiteral("text/plain")));
}

// The packaged entries are the templates with the installed program's path
// filled in: the same texts and translations as each start writes.
TEST(RegistrationTest, InstalledEntryMatchesTheOneEachStartWrites)
{
    const QString program = QStringLiteral("/usr/bin/zentrope");
    const auto packaged = [&](const char *name) {
        return QString::fromUtf8(
                   readAll(QStringLiteral(ZENTROPE_SOURCE_DIR "/assets/") + QLatin1String(name)))
            .replace(QStringLiteral("@ZENTROPE_EXEC@"), program)
            .toUtf8();
    };
    const FileTypeInfo info = envelopeType(program);
    const QByteArray entry = packaged("zentrope.desktop.in");
    EXPECT_EQ(entry.toStdString(), DesktopEntryText(info).toStdString());
    EXPECT_EQ(packaged("zentrope-servicemenu.desktop.in").toStdString(), ServiceMenuText(info).toStdString());
    const QString installed = freshDir(QStringLiteral("reg-installed")) + QStringLiteral("/zentrope.desktop");
    QFile f(installed);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(entry) == entry.size());
    f.close();
    QString out;
    EXPECT_EQ(validate(installed, &out), 0) << out.toStdString();
}

// A package provides the entries: the program writes no per-user copies and
// removes those an earlier start wrote for it, so none outlives the package.
TEST(RegistrationTest, PackagedProgramLeavesNoCopiesOfItsOwn)
{
    Places p = freshPlaces("reg-package");
    const QString data = p.places.DataHome;
    const QString prefix = p.home + QStringLiteral("/usr");
    const QString program = prefix + QStringLiteral("/bin/zentrope");
    const QStringList userFiles = {data + QStringLiteral("/applications/zentrope.desktop"),
                                   data + QStringLiteral("/kio/servicemenus/zentrope.desktop"),
                                   data + QStringLiteral("/mime/packages/zentrope.xml"),
                                   data + QStringLiteral("/icons/hicolor/scalable/apps/zentrope.svg")};
    // An earlier start, before the package's entries were there.
    WriteFileTypeRegistration(envelopeType(program), p.places);
    for (const QString &f : userFiles)
        ASSERT_TRUE(QFile::exists(f)) << f.toStdString();

    // The package's entries, naming the program as installed ("/usr/bin/zentrope"
    // for a real package: the folder is the share folder of its own prefix).
    const QString share = prefix + QStringLiteral("/share");
    QDir().mkpath(share + QStringLiteral("/applications"));
    QDir().mkpath(share + QStringLiteral("/mime/packages"));
    const FileTypeInfo packaged = envelopeType(QStringLiteral("/usr/bin/zentrope"));
    QFile entry(share + QStringLiteral("/applications/zentrope.desktop"));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly) && entry.write(DesktopEntryText(packaged)) > 0);
    entry.close();
    QFile mime(share + QStringLiteral("/mime/packages/zentrope.xml"));
    ASSERT_TRUE(mime.open(QIODevice::WriteOnly) && mime.write(MimePackageText(packaged)) > 0);
    mime.close();
    p.places.SystemDataDirs = {QStringLiteral("/nonexistent"), share};
    EXPECT_TRUE(SystemProvidesRegistration(envelopeType(program), program, p.places.SystemDataDirs));
    EXPECT_TRUE(SystemProvidesRegistration(packaged, QStringLiteral("/usr/bin/zentrope"), {share}));
    EXPECT_FALSE(SystemProvidesRegistration(packaged, QStringLiteral("/opt/other/zentrope"), {share}));

    RegistrationOutcome o = WriteFileTypeRegistration(envelopeType(program), p.places);
    EXPECT_TRUE(o.Failed.isEmpty()) << o.Failed.join(u' ').toStdString();
    EXPECT_TRUE(o.DesktopChanged && o.MimeChanged && o.IconChanged);
    for (const QString &f : userFiles)
        EXPECT_FALSE(QFile::exists(f)) << f.toStdString();
    o = WriteFileTypeRegistration(envelopeType(program), p.places);
    EXPECT_FALSE(o.DesktopChanged || o.MimeChanged || o.IconChanged);
    for (const QString &f : userFiles)
        EXPECT_FALSE(QFile::exists(f)) << f.toStdString();

    // A copy run from its own folder keeps its registration, whichever starts.
    const QString portable = p.home + QStringLiteral("/Apps/zentrope");
    WriteFileTypeRegistration(envelopeType(portable), p.places);
    WriteFileTypeRegistration(envelopeType(program), p.places);
    for (const QString &f : userFiles)
        EXPECT_TRUE(QFile::exists(f)) << f.toStdString();
    EXPECT_EQ(entryValue(userFiles[0], "Desktop Entry", "Exec"), portable + QStringLiteral(" %f"));
}
