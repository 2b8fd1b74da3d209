#include "shell/ProgramLanguage.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <optional>

// The compiled translations live in this static library, which a link does
// not register by itself.
static void initTranslations()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(zentrope_translations);
        return true;
    }();
    (void)done;
}

namespace zentrope {

namespace {

const QString kFolder = QStringLiteral(":/zentrope/translations");

QString programFile(const QString &language)
{
    return kFolder + QStringLiteral("/zentrope_") + language + QStringLiteral(".qm");
}

// "de" of "de-DE", "de_AT.UTF-8@euro" or "de".
QString languageCode(const QString &name)
{
    static const QRegularExpression separator(QStringLiteral("[-_.@]"));
    return name.section(separator, 0, 0).toLower();
}

QString &current()
{
    static QString language = QStringLiteral("en");
    return language;
}

bool isCLocale(const QString &name)
{
    return name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX") ||
           name.startsWith(QLatin1String("C."));
}

} // namespace

ProgramLanguage::ProgramLanguage(const QString &language) : m_previous(current())
{
    auto program = ProgramTranslator(language);
    if (!program || !QCoreApplication::instance())
        return;
    m_language = language;
    // Qt's own strings (standard buttons, the print, file and font dialogs);
    // a system without Qt's translations still gets the program's.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        m_qt = std::move(qt);
    }
    QCoreApplication::installTranslator(program.get());
    m_program = std::move(program);
    current() = language;
}

ProgramLanguage::~ProgramLanguage()
{
    current() = m_previous;
    if (!QCoreApplication::instance())
        return;
    if (m_program)
        QCoreApplication::removeTranslator(m_program.get());
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt.get());
}

QString ProgramLanguage::Current()
{
    return current();
}

QStringList ProgramLanguage::Translated()
{
    initTranslations();
    QStringList languages;
    const QStringList files = QDir(kFolder).entryList({QStringLiteral("zentrope_*.qm")}, QDir::Files);
    for (const QString &f : files)
        languages << f.mid(int(qstrlen("zentrope_")), f.size() - int(qstrlen("zentrope_.qm")));
    return languages;
}

QString ProgramLanguage::Choose(const QStringList &preferences)
{
    // Listed only when a preference comes before English: most starts need not.
    std::optional<QStringList> translated;
    for (const QString &p : preferences) {
        if (isCLocale(p))
            break;
        const QString code = languageCode(p);
        if (code == QLatin1String("en"))
            break;
        if (!translated)
            translated = Translated();
        if (translated->contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QStringList ProgramLanguage::UserPreferences()
{
    QString messages;
    for (const char *var : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        messages = qEnvironmentVariable(var);
        if (!messages.isEmpty())
            break;
    }
    if (isCLocale(messages))
        return {};
    return QLocale().uiLanguages();
}

std::unique_ptr<QTranslator> ProgramLanguage::ProgramTranslator(const QString &language)
{
    initTranslations();
    if (language.isEmpty() || language == QLatin1String("en"))
        return nullptr;
    auto t = std::make_unique<QTranslator>();
    if (!t->load(programFile(language)))
        return nullptr;
    return t;
}

} // namespace zentrope
