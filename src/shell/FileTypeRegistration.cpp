#include "shell/FileTypeRegistration.h"

#include "core/RegularFile.h"
#include "core/WholeFileWriter.h"
#include "shell/ProgramLanguage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTranslator>
#include <functional>
#include <memory>

namespace zentrope {

namespace {

const QString kOpenVerb = QStringLiteral("open");

QString baseName(const FileTypeInfo &info)
{
    return info.TypeName.toLower();
}

// A desktop action's identifier may hold letters, digits and "-" only.
QString actionId(const QString &verb)
{
    QString id;
    for (const QChar c : verb)
        if ((c.isLetterOrNumber() && c.unicode() < 128) || c == u'-')
            id += c;
    if (!id.isEmpty())
        id[0] = id[0].toUpper();
    return id;
}

// The escapes of a desktop entry's string values. They apply after the Exec
// quoting, which is why a backslash inside a quoted argument ends up as four.
QString escapeValue(const QString &value)
{
    QString out;
    out.reserve(value.size());
    for (int i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        if (c == u'\\')
            out += QLatin1String("\\\\");
        else if (c == u'\n')
            out += QLatin1String("\\n");
        else if (c == u'\t')
            out += QLatin1String("\\t");
        else if (c == u'\r')
            out += QLatin1String("\\r");
        else if (c == u' ' && i == 0)
            out += QLatin1String("\\s");
        else
            out += c;
    }
    return out;
}

QString xmlEscaped(const QString &s)
{
    return s.toHtmlEscaped();
}

// A text's localized keys: key[de]=... for each language that has it.
QString localizedKeys(const QString &key, const QList<FileTypeTranslation> &translations,
                      const std::function<QString(const FileTypeTranslation &)> &text)
{
    QString out;
    for (const FileTypeTranslation &t : translations) {
        const QString value = text(t);
        if (!value.isEmpty())
            out += key + u'[' + t.Language + QStringLiteral("]=") + escapeValue(value) + u'\n';
    }
    return out;
}

struct ActionVerb {
    QString id, caption, command;
    int index; // in the verbs, and so in the translations' captions
};

QList<ActionVerb> actionVerbs(const TRegCommands &c)
{
    QList<ActionVerb> verbs;
    const int n = qBound(0, c.VerbCount, TRegCommands::MaxVerbs);
    for (int i = 0; i < n; ++i) {
        if (c.Verbs[i] == kOpenVerb || actionId(c.Verbs[i]).isEmpty())
            continue;
        verbs.append(
            {actionId(c.Verbs[i]), c.Captions[i].isEmpty() ? c.Verbs[i] : c.Captions[i], c.Commands[i], i});
    }
    return verbs;
}

QString openCommand(const TRegCommands &c)
{
    const int n = qBound(0, c.VerbCount, TRegCommands::MaxVerbs);
    for (int i = 0; i < n; ++i)
        if (c.Verbs[i] == kOpenVerb)
            return c.Commands[i];
    return {};
}

void appendActions(QString &text, const QList<ActionVerb> &verbs, const QString &icon,
                   const QList<FileTypeTranslation> &translations)
{
    for (const ActionVerb &v : verbs) {
        text += QStringLiteral("\n[Desktop Action %1]\n").arg(v.id);
        text += QStringLiteral("Name=") + escapeValue(v.caption) + u'\n';
        text += localizedKeys(QStringLiteral("Name"), translations,
                              [&v](const FileTypeTranslation &t) { return t.Captions[v.index]; });
        if (!icon.isEmpty())
            text += QStringLiteral("Icon=") + escapeValue(icon) + u'\n';
        text += QStringLiteral("Exec=") + escapeValue(v.command) + u'\n';
    }
}

QString actionList(const QList<ActionVerb> &verbs)
{
    QString list;
    for (const ActionVerb &v : verbs)
        list += v.id + u';';
    return list;
}

enum class WriteResult { Unchanged, Written, Failed };

// Writes a file only when its content differs, whole (WholeFileWriter.h), so
// a crash or a full disk never leaves half an entry for the desktop to read.
WriteResult writeIfChanged(const QString &path, const QByteArray &content, bool executable = false)
{
    const QFileDevice::Permissions exec = QFileDevice::ExeOwner | QFileDevice::ExeUser;
    // Read only when it is a regular file: a FIFO would block the read.
    const RegularFileBytes existing = readRegularFile(path, content.size());
    if (existing.ok() && existing.bytes == content) {
        QFile file(path);
        if (executable && (file.permissions() & exec) != exec)
            return file.setPermissions(file.permissions() | exec) ? WriteResult::Written
                                                                  : WriteResult::Failed;
        return WriteResult::Unchanged;
    }
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return WriteResult::Failed;
    if (WriteWholeFile(path, content) != WholeFileWriter::Failure::None)
        return WriteResult::Failed;
    if (executable && QFileInfo(path).isFile()) {
        QFile f(path);
        if (!f.setPermissions(f.permissions() | exec))
            return WriteResult::Failed;
    }
    return WriteResult::Written;
}

// The Desktop Entry string escapes undone.
QString unescapeValue(const QString &raw)
{
    QString value;
    for (qsizetype i = 0; i < raw.size(); ++i) {
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
    return value;
}

// The values of a key in every group of a desktop file, unescaped.
QStringList desktopValues(const QString &path, const QString &key)
{
    const RegularFileBytes file = readRegularFile(path, 1 << 20);
    QStringList values;
    if (!file.ok())
        return values;
    const QString prefix = key + u'=';
    for (const QString &line : QString::fromUtf8(file.bytes).split(u'\n'))
        if (line.startsWith(prefix))
            values << unescapeValue(line.mid(prefix.size()).trimmed());
    return values;
}

// The program an Exec value starts: its first argument, quoting undone.
QString execProgram(const QString &exec)
{
    QString program;
    qsizetype i = 0;
    while (i < exec.size() && exec[i] == u' ')
        ++i;
    const bool quoted = i < exec.size() && exec[i] == u'"';
    for (i += quoted ? 1 : 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted && c == u'"')
            break;
        if (!quoted && c == u' ')
            break;
        if (quoted && c == u'\\' && i + 1 < exec.size())
            program += exec[++i];
        else if (c == u'%' && i + 1 < exec.size() && exec[i + 1] == u'%')
            program += exec[++i];
        else
            program += c;
    }
    return program;
}

// Whether two paths name one file (the same program reached through a link).
bool sameFile(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString ca = QFileInfo(a).canonicalFilePath(), cb = QFileInfo(b).canonicalFilePath();
    return ca.isEmpty() || cb.isEmpty() ? QDir::cleanPath(a) == QDir::cleanPath(b) : ca == cb;
}

// Whether a desktop file starts this program in any of its Exec keys.
bool startsProgram(const QString &path, const QString &program)
{
    for (const QString &exec : desktopValues(path, QStringLiteral("Exec")))
        if (sameFile(execProgram(exec), program))
            return true;
    return false;
}

bool declaresMimeType(const QString &path, const QString &mimeType)
{
    const RegularFileBytes file = readRegularFile(path, 1 << 20);
    return file.ok() && file.bytes.contains("type=\"" + mimeType.toUtf8() + '"');
}

// The value of XDG_TEMPLATES_DIR in user-dirs.dirs: "$HOME/..." or an
// absolute path, in double quotes. Anything else is ignored, as xdg-user-dirs does.
QString templatesFromUserDirs(const QString &configHome, const QString &home)
{
    QFile f(configHome + QStringLiteral("/user-dirs.dirs"));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QString result;
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine()).trimmed();
        if (!line.startsWith(QLatin1String("XDG_TEMPLATES_DIR=")))
            continue;
        QString v = line.mid(int(qstrlen("XDG_TEMPLATES_DIR="))).trimmed();
        if (v.size() < 2 || !v.startsWith(u'"') || !v.endsWith(u'"'))
            continue;
        v = v.mid(1, v.size() - 2);
        QString unescaped;
        for (int i = 0; i < v.size(); ++i) {
            if (v[i] == u'\\' && i + 1 < v.size())
                ++i;
            unescaped += v[i];
        }
        if (unescaped.startsWith(QLatin1String("$HOME")) && (unescaped.size() == 5 || unescaped[5] == u'/'))
            result = home + unescaped.mid(5);
        else if (unescaped.startsWith(u'/'))
            result = unescaped;
    }
    return result;
}

QString xdgHome(const char *var, const QString &fallback)
{
    const QString v = qEnvironmentVariable(var);
    // The XDG base directory rules ignore relative values.
    return QDir::isAbsolutePath(v) ? v : fallback;
}

void runTool(const QString &program, const QStringList &args, bool wait)
{
    QProcess p;
    p.setProgram(program);
    p.setArguments(args);
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    if (wait) {
        p.start();
        if (p.waitForStarted())
            p.waitForFinished(30000);
    } else {
        p.startDetached();
    }
}

// The template, when the templates folder exists and holds none yet.
void writeTemplate(const FileTypeInfo &info, const RegistrationPlaces &places, RegistrationOutcome &o)
{
    if (places.TemplatesDir.isEmpty() || !QFileInfo(places.TemplatesDir).isDir())
        return;
    const QString templatePath = places.TemplatesDir + u'/' + info.TypeName + info.Extension;
    const QFileInfo existing(templatePath);
    if (existing.exists() || existing.isSymLink())
        return; // the user's own template, whatever it holds
    QByteArray content;
    for (const QString &line : info.TemplateLines)
        content += line.toUtf8() + "\r\n";
    QFile f(templatePath);
    // NewOnly: a template that appeared meanwhile is still never overwritten.
    if (!f.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        o.TemplateNotCreated = templatePath;
        return;
    }
    const bool written = f.write(content) == content.size() && f.flush();
    f.close();
    if (!written || f.error() != QFileDevice::NoError) {
        f.remove();
        o.TemplateNotCreated = templatePath;
    }
}

// Removes the per-user files an earlier start wrote for this program: the
// entries that start it, and the MIME package and icon that went with them.
// Files of another copy of the program (one run from its own folder) stay.
void removeUserCopies(const FileTypeInfo &info, const QString &program, const QString &data,
                      RegistrationOutcome &o)
{
    const QString base = baseName(info);
    const QString entry = data + QStringLiteral("/applications/%1.desktop").arg(base);
    const QString menu = data + QStringLiteral("/kio/servicemenus/%1.desktop").arg(base);
    const bool entryExists = QFileInfo::exists(entry);
    const bool entryOurs = entryExists && startsProgram(entry, program);
    if (entryExists && !entryOurs)
        return;
    const auto remove = [&](const QString &path, bool &changed) {
        if (QFile::remove(path))
            changed = true;
        else
            o.Failed << path;
    };
    if (entryOurs)
        remove(entry, o.DesktopChanged);
    if (QFileInfo::exists(menu) && startsProgram(menu, program))
        remove(menu, o.DesktopChanged);
    const QString mime = data + QStringLiteral("/mime/packages/%1.xml").arg(base);
    if (QFileInfo(mime).isFile() && declaresMimeType(mime, info.MimeType))
        remove(mime, o.MimeChanged);
    const QString icon = data + QStringLiteral("/icons/hicolor/scalable/apps/%1.svg").arg(base);
    const RegularFileBytes iconBytes = readRegularFile(icon, info.IconSvg.size());
    if (!info.IconSvg.isEmpty() && iconBytes.ok() && iconBytes.bytes == info.IconSvg)
        remove(icon, o.IconChanged);
}

} // namespace

QString QuoteExecArgument(const QString &arg)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    QString a = arg;
    a.replace(u'%', QLatin1String("%%"));
    bool needsQuotes = a.isEmpty();
    for (const QChar c : a)
        needsQuotes = needsQuotes || reserved.contains(c);
    if (!needsQuotes)
        return a;
    QString out = QStringLiteral("\"");
    for (const QChar c : a) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out + u'"';
}

QString ExecCommand(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &a : arguments)
        quoted << QuoteExecArgument(a);
    return quoted.join(u' ');
}

QByteArray DesktopEntryText(const FileTypeInfo &info)
{
    const QList<ActionVerb> verbs = actionVerbs(info.Commands);
    QString t = QStringLiteral("[Desktop Entry]\nType=Application\nVersion=1.4\n");
    t += QStringLiteral("Name=") + escapeValue(info.TypeName) + u'\n';
    if (!info.GenericName.isEmpty()) {
        t += QStringLiteral("GenericName=") + escapeValue(info.GenericName) + u'\n';
        t += localizedKeys(QStringLiteral("GenericName"), info.Translations,
                           [](const FileTypeTranslation &translation) { return translation.GenericName; });
    }
    t += QStringLiteral("Comment=") + escapeValue(info.TypeDescription) + u'\n';
    t += localizedKeys(QStringLiteral("Comment"), info.Translations,
                       [](const FileTypeTranslation &translation) { return translation.TypeDescription; });
    t += QStringLiteral("Icon=") + escapeValue(baseName(info)) + u'\n';
    t += QStringLiteral("Exec=") + escapeValue(openCommand(info.Commands)) + u'\n';
    t += QStringLiteral("Terminal=false\nCategories=Office;\n");
    t += QStringLiteral("MimeType=") + info.MimeType + QStringLiteral(";\n");
    if (!verbs.isEmpty())
        t += QStringLiteral("Actions=") + actionList(verbs) + u'\n';
    appendActions(t, verbs, {}, info.Translations);
    return t.toUtf8();
}

QByteArray ServiceMenuText(const FileTypeInfo &info)
{
    const QList<ActionVerb> verbs = actionVerbs(info.Commands);
    QString t = QStringLiteral("[Desktop Entry]\nType=Service\n");
    t += QStringLiteral("MimeType=") + info.MimeType + QStringLiteral(";\n");
    t += QStringLiteral("Actions=") + actionList(verbs) + u'\n';
    t += QStringLiteral("X-KDE-ServiceTypes=KonqPopupMenu/Plugin\n");
    appendActions(t, verbs, baseName(info), info.Translations);
    return t.toUtf8();
}

QByteArray MimePackageText(const FileTypeInfo &info)
{
    // "?*" so that a bare ".env" (an environment file) is not claimed; the
    // sub-class keeps text editors offered for every file of the type.
    QString t =
        QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n");
    t += QStringLiteral("  <mime-type type=\"%1\">\n").arg(xmlEscaped(info.MimeType));
    t += QStringLiteral("    <comment>%1</comment>\n").arg(xmlEscaped(info.TypeDescription));
    for (const FileTypeTranslation &translation : info.Translations)
        if (!translation.TypeDescription.isEmpty())
            t += QStringLiteral("    <comment xml:lang=\"%1\">%2</comment>\n")
                     .arg(xmlEscaped(translation.Language), xmlEscaped(translation.TypeDescription));
    t += QStringLiteral("    <sub-class-of type=\"text/plain\"/>\n");
    t += QStringLiteral("    <icon name=\"%1\"/>\n").arg(xmlEscaped(baseName(info)));
    t += QStringLiteral("    <glob pattern=\"?*%1\"/>\n").arg(xmlEscaped(info.Extension.toLower()));
    t += QStringLiteral("  </mime-type>\n</mime-info>\n");
    return t.toUtf8();
}

QList<FileTypeTranslation> TranslateFileType(const FileTypeInfo &info)
{
    QList<FileTypeTranslation> out;
    for (const QString &language : ProgramLanguage::Translated()) {
        const std::unique_ptr<QTranslator> translator = ProgramLanguage::ProgramTranslator(language);
        if (!translator)
            continue;
        const auto translated = [&](const QString &english) {
            return english.isEmpty() ? QString()
                                     : translator->translate("zentrope::FileType", english.toUtf8());
        };
        FileTypeTranslation t;
        t.Language = language;
        t.GenericName = translated(info.GenericName);
        t.TypeDescription = translated(info.TypeDescription);
        for (int i = 0; i < TRegCommands::MaxVerbs; ++i)
            t.Captions[i] = translated(info.Commands.Captions[i]);
        out.append(t);
    }
    return out;
}

RegistrationPlaces RegistrationPlaces::fromEnvironment()
{
    const QString home = QDir::homePath();
    RegistrationPlaces p;
    p.DataHome = xdgHome("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    const QString configHome = xdgHome("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    p.TemplatesDir = templatesFromUserDirs(configHome, home);
    if (p.TemplatesDir.isEmpty())
        p.TemplatesDir = home + QStringLiteral("/Templates");
    // xdg-user-dirs disables a folder by setting it to the home folder itself;
    // the home folder is no place for a template.
    if (QDir(p.TemplatesDir) == QDir(home))
        p.TemplatesDir.clear();
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString &d : dirs.split(u':', Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            p.SystemDataDirs << d;
    return p;
}

bool SystemProvidesRegistration(const FileTypeInfo &info, const QString &program, const QStringList &dataDirs)
{
    const QString base = baseName(info);
    if (base.isEmpty() || program.isEmpty())
        return false;
    // The share folder of the prefix the program is installed in.
    const QString ownShare = QFileInfo(program).absolutePath() + QStringLiteral("/../share");
    for (const QString &dir : dataDirs) {
        const QString entry = dir + QStringLiteral("/applications/%1.desktop").arg(base);
        const QString mime = dir + QStringLiteral("/mime/packages/%1.xml").arg(base);
        if (!QFileInfo(entry).isFile() || !declaresMimeType(mime, info.MimeType))
            continue;
        if (startsProgram(entry, program) || sameFile(dir, ownShare))
            return true;
    }
    return false;
}

RegistrationOutcome WriteFileTypeRegistration(const FileTypeInfo &info, const RegistrationPlaces &places)
{
    RegistrationOutcome o;
    const QString base = baseName(info);
    if (base.isEmpty() || places.DataHome.isEmpty())
        return o;
    const auto write = [&](const QString &path, const QByteArray &content, bool &changed,
                           bool executable = false) {
        switch (writeIfChanged(path, content, executable)) {
        case WriteResult::Written:
            changed = true;
            break;
        case WriteResult::Failed:
            o.Failed << path;
            break;
        case WriteResult::Unchanged:
            break;
        }
    };
    const QString data = places.DataHome;
    const QString program = execProgram(openCommand(info.Commands));
    if (SystemProvidesRegistration(info, program, places.SystemDataDirs)) {
        // A package: its own entries are the ones to show, and copies of them
        // here would outlive its removal.
        removeUserCopies(info, program, data, o);
        writeTemplate(info, places, o);
        return o;
    }
    write(data + QStringLiteral("/applications/%1.desktop").arg(base), DesktopEntryText(info),
          o.DesktopChanged);
    // Dolphin reads its context menu entries from here, and only runs the
    // executable ones.
    if (!actionVerbs(info.Commands).isEmpty())
        write(data + QStringLiteral("/kio/servicemenus/%1.desktop").arg(base), ServiceMenuText(info),
              o.DesktopChanged, true);
    write(data + QStringLiteral("/mime/packages/%1.xml").arg(base), MimePackageText(info), o.MimeChanged);
    if (!info.IconSvg.isEmpty())
        write(data + QStringLiteral("/icons/hicolor/scalable/apps/%1.svg").arg(base), info.IconSvg,
              o.IconChanged);

    writeTemplate(info, places, o);
    return o;
}

void RefreshDesktopDatabases(const RegistrationOutcome &outcome, const RegistrationPlaces &places, bool wait)
{
    if (places.DataHome.isEmpty())
        return;
    const QString mime = places.DataHome + QStringLiteral("/mime");
    const QString apps = places.DataHome + QStringLiteral("/applications");
    // A cache that is missing (an earlier refresh that never ran) is made too.
    if ((outcome.MimeChanged || !QFile::exists(mime + QStringLiteral("/mime.cache"))) &&
        QFile::exists(mime + QStringLiteral("/packages")))
        runTool(QStringLiteral("update-mime-database"), {mime}, wait);
    if ((outcome.DesktopChanged || !QFile::exists(apps + QStringLiteral("/mimeinfo.cache"))) &&
        QFile::exists(apps))
        runTool(QStringLiteral("update-desktop-database"), {apps}, wait);
}

} // namespace zentrope
