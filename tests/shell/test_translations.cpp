#include "shell/ProgramLanguage.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <gtest/gtest.h>

using namespace zentrope;

TEST(TranslationsTest, TheFirstLanguageOfTheUsersThatTheProgramSpeaks)
{
    EXPECT_EQ(ProgramLanguage::Translated(), QStringList({"de", "es", "fr"}));
    const struct {
        QStringList preferences;
        const char *language;
    } cases[] = {
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"fr-CA"}, "fr"},
        {{"de_AT.UTF-8@euro"}, "de"},
        {{"pt-BR", "pt", "es-ES"}, "es"}, // a language without a translation is passed over
        {{"xx-YY", "C"}, "en"},
        {{"en-GB", "de"}, "en"}, // English wanted first
        {{"C"}, "en"},
        {{}, "en"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ProgramLanguage::Choose(c.preferences), QLatin1String(c.language))
            << c.preferences.join(u' ').toStdString();
}

TEST(TranslationsTest, InstalledForTheLifeOfTheObjectOnly)
{
    const char *context = "zentrope::AddressFile";
    const char *english = "Cannot open file %1.";
    const bool qtTranslations =
        QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_fr.qm"));
    {
        const ProgramLanguage french(QStringLiteral("fr"));
        EXPECT_EQ(french.Language(), QStringLiteral("fr"));
        {
            // One that installs nothing leaves the program speaking French.
            const ProgramLanguage none(QStringLiteral("xx"));
            EXPECT_EQ(ProgramLanguage::Current(), QStringLiteral("fr"));
            const ProgramLanguage german(QStringLiteral("de"));
            EXPECT_EQ(ProgramLanguage::Current(), QStringLiteral("de"));
        }
        EXPECT_EQ(ProgramLanguage::Current(), QStringLiteral("fr"));
        // The messages of the layers below the windows, and Qt's own.
        EXPECT_EQ(QCoreApplication::translate(context, english),
                  QStringLiteral("Impossible d'ouvrir le fichier %1."));
        if (qtTranslations) {
            EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Annuler"));
        }
    }
    EXPECT_EQ(QCoreApplication::translate(context, english), QLatin1String(english));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(ProgramLanguage::Current(), QStringLiteral("en"));
    for (const char *none : {"en", "xx", ""}) {
        const ProgramLanguage language(QString::fromLatin1(none));
        EXPECT_EQ(language.Language(), QStringLiteral("en"));
        EXPECT_EQ(QCoreApplication::translate(context, english), QLatin1String(english));
    }
}
