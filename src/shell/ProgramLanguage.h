#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QTranslator;

namespace zentrope {

// The language the program speaks: English, the language of its sources, or
// one of the translations built into it. An object installs Qt's own
// translations (its dialogs) and the program's for one language on the running
// application, and takes them off again when it goes.
class ProgramLanguage {
public:
    // English, an empty name or a language without a translation installs nothing.
    explicit ProgramLanguage(const QString &language);
    ~ProgramLanguage();
    ProgramLanguage(const ProgramLanguage &) = delete;
    ProgramLanguage &operator=(const ProgramLanguage &) = delete;

    // The language installed ("de"), or "en".
    QString Language() const { return m_language; }
    // The language of the newest ProgramLanguage still alive that installed
    // a translation ("de"), or "en": what the program speaks now, for texts
    // that do not go through the translators, such as the manual's pages.
    static QString Current();

    // The languages built in besides English, as ISO 639 codes: "de", "es", "fr".
    static QStringList Translated();
    // The first of the user's languages, most wanted first and named as
    // QLocale::uiLanguages names them ("de-DE", "fr"), that the program
    // speaks; "en" when there is none, and for the C locale.
    static QString Choose(const QStringList &preferences);
    // The user's languages: the locale's (LANGUAGE, else LC_ALL, LC_MESSAGES,
    // LANG). None when messages are in the C locale, which ignores LANGUAGE
    // as gettext does.
    static QStringList UserPreferences();
    // The program's own translator for a language; null when it has none.
    static std::unique_ptr<QTranslator> ProgramTranslator(const QString &language);

private:
    QString m_language = QStringLiteral("en");
    std::unique_ptr<QTranslator> m_qt;
    std::unique_ptr<QTranslator> m_program;
    QString m_previous; // what Current() said before this object
};

} // namespace zentrope
