#include "contacts/Country.h"

#include "contacts/AddressData.h"
#include "contacts/TextDecoding.h"

#include <QHash>
#include <algorithm>
#include <memory>
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/uloc.h>
#include <unicode/unistr.h>

namespace zentrope {

namespace {

// "Österreich", "OSTERREICH" and "the Netherlands" meet "osterreich" and
// "netherlands", as "U.S.A." meets "USA".
QString key(const QString &text)
{
    QStringView t = QStringView(text).trimmed();
    if (t.startsWith(QStringLiteral("the "), Qt::CaseInsensitive))
        t = t.sliced(4);
    return FoldedKey(t);
}

QString fromIcu(const icu::UnicodeString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

icu::UnicodeString toIcu(const QString &s)
{
    return icu::UnicodeString(reinterpret_cast<const UChar *>(s.utf16()), int32_t(s.size()));
}

// ICU's name of a region in a language; empty when it has none (ICU then
// gives the code back).
QString icuCountryName(const QString &code, const QString &language)
{
    const icu::Locale region("", code.toLatin1().constData());
    const icu::Locale in(language.toLatin1().constData());
    icu::UnicodeString name;
    region.getDisplayCountry(in, name);
    const QString text = fromIcu(name);
    return text.compare(code, Qt::CaseInsensitive) == 0 ? QString() : text;
}

struct Alias {
    const char *name;
    const char *code;
};

// Names people write that the locale data does not give.
constexpr Alias kAliases[] = {
    {"USA", "US"},
    {"U.S.", "US"},
    {"United States of America", "US"},
    {"America", "US"},
    {"Vereinigte Staaten von Amerika", "US"},
    {"UK", "GB"},
    {"Great Britain", "GB"},
    {"Britain", "GB"},
    {"England", "GB"},
    {"Scotland", "GB"},
    {"Wales", "GB"},
    {"Northern Ireland", "GB"},
    {"Grossbritannien", "GB"},
    {"Holland", "NL"},
    {"Federal Republic of Germany", "DE"},
    {"Bundesrepublik Deutschland", "DE"},
    {"BRD", "DE"},
    {"Czech Republic", "CZ"},
    {"South Korea", "KR"},
    {"Korea", "KR"},
    {"Russia", "RU"},
    {"Republic of Ireland", "IE"},
    {"Eire", "IE"},
};

// The languages whose country names are recognised besides each country's own.
constexpr const char *kNameLanguages[] = {"en", "de", "fr", "es", "it", "nl", "pt"};

struct Index {
    QHash<QString, QString> byKey; // key -> code
    QHash<QString, QString> names; // code -> English name
};

const Index &index()
{
    static const Index idx = [] {
        Index ix;
        auto add = [&ix](const QString &text, const QString &code) {
            const QString k = key(text);
            if (!k.isEmpty() && !ix.byKey.contains(k))
                ix.byKey.insert(k, code);
        };
        for (const CountryFormat &f : CountryFormats()) {
            add(f.Code, f.Code);
            const QString english = icuCountryName(f.Code, QStringLiteral("en"));
            ix.names.insert(f.Code, english.isEmpty() ? f.Code : english);
        }
        for (const Alias &a : kAliases)
            add(QString::fromUtf8(a.name), QString::fromLatin1(a.code));
        for (const CountryFormat &f : CountryFormats()) {
            const icu::Locale region("", f.Code.toLatin1().constData());
            if (const char *iso3 = region.getISO3Country(); iso3 && *iso3)
                add(QString::fromLatin1(iso3), f.Code);
            for (const char *language : kNameLanguages)
                add(icuCountryName(f.Code, QString::fromLatin1(language)), f.Code);
            add(icuCountryName(f.Code, SenderLanguage(f.Code)), f.Code);
        }
        // Each country's own name in each of its languages, as Qt knows them.
        const auto locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString code = QLocale::territoryToCode(locale.territory());
            if (ix.names.contains(code))
                add(locale.nativeTerritoryName(), code);
        }
        return ix;
    }();
    return idx;
}

} // namespace

QString CountryCode(const QString &text)
{
    const QString k = key(text);
    return k.isEmpty() ? QString() : index().byKey.value(k);
}

QString CountryName(const QString &code)
{
    return index().names.value(code.toUpper());
}

QString CountryNameIn(const QString &code, const QString &language)
{
    const QString upper = code.toUpper();
    if (!index().names.contains(upper))
        return QString();
    const QString name = icuCountryName(upper, language);
    return name.isEmpty() ? CountryName(upper) : name;
}

QString SenderLanguage(const QString &homeCode)
{
    const QByteArray und = "und_" + homeCode.toUpper().toLatin1();
    char likely[ULOC_FULLNAME_CAPACITY] = {};
    UErrorCode status = U_ZERO_ERROR;
    uloc_addLikelySubtags(und.constData(), likely, sizeof likely, &status);
    char language[ULOC_LANG_CAPACITY] = {};
    if (U_SUCCESS(status))
        uloc_getLanguage(likely, language, sizeof language, &status);
    if (U_FAILURE(status) || !*language || QByteArray(language) == "und")
        return QStringLiteral("en");
    return QString::fromLatin1(language);
}

QString CountryLine(const QString &destinationCode, const QString &homeCode)
{
    const QString language = SenderLanguage(homeCode);
    const QString name = CountryNameIn(destinationCode, language);
    if (name.isEmpty())
        return destinationCode.toUpper();
    icu::UnicodeString text = toIcu(name);
    text.toUpper(icu::Locale(language.toLatin1().constData()));
    return fromIcu(text);
}

QString UpperCase(const QString &text, const QString &countryCode)
{
    icu::UnicodeString u = toIcu(text);
    u.toUpper(icu::Locale(SenderLanguage(countryCode).toLatin1().constData()));
    return fromIcu(u);
}

QString DefaultHomeCountryCode()
{
    return QStringLiteral("US");
}

QString HomeCountryCode(const QLocale &locale)
{
    const QString code = QLocale::territoryToCode(locale.territory());
    if (locale.territory() == QLocale::AnyTerritory || !index().names.contains(code))
        return DefaultHomeCountryCode();
    return code;
}

QList<std::pair<QString, QString>> KnownCountries(const QString &language)
{
    QList<std::pair<QString, QString>> out;
    for (const CountryFormat &f : CountryFormats())
        out.append({f.Code, CountryNameIn(f.Code, language)});
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Collator> collator(
        icu::Collator::createInstance(icu::Locale(language.toLatin1().constData()), status));
    if (U_FAILURE(status) || !collator) {
        std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) { return a.second < b.second; });
        return out;
    }
    std::sort(out.begin(), out.end(), [&collator](const auto &a, const auto &b) {
        UErrorCode s = U_ZERO_ERROR;
        return collator->compare(toIcu(a.second), toIcu(b.second), s) == UCOL_LESS;
    });
    return out;
}

} // namespace zentrope
