#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zentrope {

// The shell verbs of a file type and the command each one runs. A command is
// the value of a desktop entry's Exec key: arguments quoted as the Desktop
// Entry standard requires, followed by a field code such as %f.
struct TRegCommands {
    static constexpr int MaxVerbs = 5;
    int VerbCount = 0;
    QString Verbs[MaxVerbs];
    QString Commands[MaxVerbs];
    QString Captions[MaxVerbs]; // the text of the verb in a file manager's menu
};

// The texts of the file type in one more language, for the desktop's
// localized keys (Comment[de]=...). An empty text has no key.
struct FileTypeTranslation {
    QString Language; // "de"
    QString GenericName;
    QString TypeDescription;
    QString Captions[TRegCommands::MaxVerbs];
};

// Everything that describes the address file type to the desktop.
struct FileTypeInfo {
    QString Extension;       // ".env"
    QString TypeName;        // names the desktop entry, the icon and the template
    QString GenericName;     // what the program is, for the desktop's menus
    QString TypeDescription; // the comment of the entry and of the MIME type
    QString MimeType;
    QStringList TemplateLines; // content of a new file made from the templates folder
    TRegCommands Commands;     // the "open" verb is the entry's own command
    QByteArray IconSvg;        // the program's icon, scalable
    // The texts in the other languages; the files' main keys stay English
    // whatever the language of the session that writes them.
    QList<FileTypeTranslation> Translations;
};

// The English texts of the file type (GenericName, TypeDescription, the
// verbs' captions) in each language built into the program, looked up in the
// translation context "zentrope::FileType" where the callers mark them.
QList<FileTypeTranslation> TranslateFileType(const FileTypeInfo &info);

// Where the per-user registration goes.
struct RegistrationPlaces {
    QString DataHome;           // $XDG_DATA_HOME, default ~/.local/share
    QString TemplatesDir;       // XDG_TEMPLATES_DIR of user-dirs.dirs, default ~/Templates; empty if disabled
    QStringList SystemDataDirs; // $XDG_DATA_DIRS, default /usr/local/share and /usr/share
    static RegistrationPlaces fromEnvironment();
};

struct RegistrationOutcome {
    bool DesktopChanged = false; // the desktop entry or the service menu
    bool MimeChanged = false;
    bool IconChanged = false;
    QStringList Failed;         // files that could not be written; never fatal
    QString TemplateNotCreated; // the template's path when it could not be created
};

// The Exec form of one argument: quoted when it holds a reserved character,
// with "%" doubled. The caller joins the arguments with blanks.
QString QuoteExecArgument(const QString &arg);
// The program's arguments as the start of an Exec value.
QString ExecCommand(const QStringList &arguments);

// The file contents that the registration writes.
QByteArray DesktopEntryText(const FileTypeInfo &info);
QByteArray ServiceMenuText(const FileTypeInfo &info);
QByteArray MimePackageText(const FileTypeInfo &info);

// Whether one of the system's data folders holds the type's desktop entry and
// MIME package for this program (installed from a package): the entry starts
// the program, or the folder is the share folder of the program's own prefix.
bool SystemProvidesRegistration(const FileTypeInfo &info, const QString &program,
                                const QStringList &dataDirs);

// Writes the desktop entry, the file manager's service menu, the MIME package,
// the icon and, when the templates folder exists and holds none yet, the
// template. A file whose content is already right is not touched, so the
// outcome says what changed. When the system provides the registration for
// the program of the "open" verb, none of the per-user files is written, and
// those that an earlier start wrote for that program are removed (the outcome
// says what changed), so nothing is left behind when the package goes.
RegistrationOutcome WriteFileTypeRegistration(const FileTypeInfo &info, const RegistrationPlaces &places);

// Brings the desktop's caches up to date with what changed: in the background,
// or, when wait is set, before returning.
void RefreshDesktopDatabases(const RegistrationOutcome &outcome, const RegistrationPlaces &places, bool wait);

} // namespace zentrope
