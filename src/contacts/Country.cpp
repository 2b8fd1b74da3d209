#include "contacts/Country.h"

#include "contacts/TextDecoding.h"

#include <QHash>
#include <algorithm>

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

struct Alias {
    const char *name;
    const char *code;
};

// Names people write that the locale data does not give, and three-letter codes
// of the countries mail goes to most.
constexpr Alias kAliases[] = {
    {"USA", "US"},
    {"United States of America", "US"},
    {"America", "US"},
    {"Vereinigte Staaten", "US"},
    {"Vereinigte Staaten von Amerika", "US"},
    {"Etats-Unis", "US"},
    {"UK", "GB"},
    {"Great Britain", "GB"},
    {"Britain", "GB"},
    {"England", "GB"},
    {"Scotland", "GB"},
    {"Wales", "GB"},
    {"Northern Ireland", "GB"},
    {"Grossbritannien", "GB"},
    {"Vereinigtes Konigreich", "GB"},
    {"Holland", "NL"},
    {"Niederlande", "NL"},
    {"Federal Republic of Germany", "DE"},
    {"Bundesrepublik Deutschland", "DE"},
    {"BRD", "DE"},
    {"Allemagne", "DE"},
    {"Germania", "DE"},
    {"Alemania", "DE"},
    {"Frankreich", "FR"},
    {"Italien", "IT"},
    {"Spanien", "ES"},
    {"Belgien", "BE"},
    {"Schweden", "SE"},
    {"Danemark", "DK"},
    {"Norwegen", "NO"},
    {"Finnland", "FI"},
    {"Osterreich", "AT"},
    {"Schweiz", "CH"},
    {"Switzerland", "CH"},
    {"Kanada", "CA"},
    {"Czech Republic", "CZ"},
    {"South Korea", "KR"},
    {"Korea", "KR"},
    {"Russia", "RU"},
    {"Republic of Ireland", "IE"},
    {"Eire", "IE"},
    {"CAN", "CA"},
    {"GBR", "GB"},
    {"DEU", "DE"},
    {"FRA", "FR"},
    {"ITA", "IT"},
    {"ESP", "ES"},
    {"NLD", "NL"},
    {"BEL", "BE"},
    {"CHE", "CH"},
    {"AUT", "AT"},
    {"DNK", "DK"},
    {"SWE", "SE"},
    {"NOR", "NO"},
    {"FIN", "FI"},
    {"ISL", "IS"},
    {"IRL", "IE"},
    {"PRT", "PT"},
    {"POL", "PL"},
    {"LUX", "LU"},
    {"CZE", "CZ"},
    {"AUS", "AU"},
    {"NZL", "NZ"},
    {"MEX", "MX"},
    {"JPN", "JP"},
};

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
        for (const Alias &a : kAliases)
            add(QString::fromUtf8(a.name), QString::fromLatin1(a.code));
        for (int t = 1; t <= int(QLocale::LastTerritory); ++t) {
            const auto territory = static_cast<QLocale::Territory>(t);
            const QString code = QLocale::territoryToCode(territory);
            if (code.size() != 2 || !code[0].isLetter())
                continue;
            add(code, code);
            const QString name = QLocale::territoryToString(territory);
            ix.names.insert(code, name);
            add(name, code);
        }
        // Each country's own name in each of its languages.
        const auto locales =
            QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory);
        for (const QLocale &locale : locales) {
            const QString code = QLocale::territoryToCode(locale.territory());
            if (code.size() == 2 && code[0].isLetter())
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

QList<std::pair<QString, QString>> KnownCountries()
{
    QList<std::pair<QString, QString>> out;
    const auto &names = index().names;
    for (auto it = names.cbegin(); it != names.cend(); ++it)
        out.append({it.key(), it.value()});
    std::sort(out.begin(), out.end(), [](const auto &a, const auto &b) {
        return QString::localeAwareCompare(a.second, b.second) < 0;
    });
    return out;
}

} // namespace zentrope
