#include "contacts/AddressData.h"
#include "contacts/AddressFormat.h"
#include "contacts/Country.h"
#include "contacts/Envelopes.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {

struct Rule {
    const char *home;
    // PO box, extended, street, locality, region, postal code, country
    const char *parts[7];
    const char *lines; // joined with "\n"
};

// One row per layout of the address data, sent from home.
const Rule kRules[] = {
    // The United States: "City, ST ZIP", the home country left out however it
    // is written; from abroad the town and state in capitals.
    {"US",
     {"", "", "1600 Amphitheatre Pkwy", "Mountain View", "CA", "94043", ""},
     "1600 Amphitheatre Pkwy\nMountain View, CA 94043"},
    {"US", {"", "", "1 Main St", "Ely", "NV", "89301-1234", "u.s.a."}, "1 Main St\nEly, NV 89301-1234"},
    {"US", {"", "", "1 Main St", "", "NV", "89301", "United States of America"}, "1 Main St\nNV 89301"},
    {"DE",
     {"", "", "1 Main St", "Ely", "NV", "89301", "USA"},
     "1 Main St\nELY, NV 89301\nVEREINIGTE STAATEN"},
    // Canada: no comma, and everything in capitals from abroad.
    {"US",
     {"", "Apt 4", "290 Bremner Blvd", "Toronto", "ON", "M5V 3L9", "Canada"},
     "APT 4\n290 BREMNER BLVD\nTORONTO ON M5V 3L9\nCANADA"},
    {"CA",
     {"", "", "290 Bremner Blvd", "Toronto", "ON", "M5V 3L9", "CAN"},
     "290 Bremner Blvd\nToronto ON M5V 3L9"},
    // The United Kingdom: post town and postcode on lines of their own, no county.
    {"US",
     {"", "", "10 Downing Street", "London", "Greater London", "SW1A 2AA", "UK"},
     "10 Downing Street\nLONDON\nSW1A 2AA\nUNITED KINGDOM"},
    {"GB",
     {"", "", "10 Downing Street", "London", "", "SW1A 2AA", "England"},
     "10 Downing Street\nLondon\nSW1A 2AA"},
    // Ireland: the county and the Eircode below the town.
    {"US",
     {"", "", "1 Grafton Street", "Dublin 2", "Co. Dublin", "D02 X285", "Ireland"},
     "1 Grafton Street\nDUBLIN 2\nCo. Dublin D02 X285\nIRELAND"},
    {"DE", {"", "", "Main Street", "Ennis", "", "V95 T9R2", "IE"}, "Main Street\nENNIS\nV95 T9R2\nIRLAND"},
    // Germany and France: postal code before the town; no region.
    {"DE",
     {"", "", "Unter den Linden 77", "Berlin", "Berlin", "10117", "Deutschland"},
     "Unter den Linden 77\n10117 Berlin"},
    {"US",
     {"", "", "Unter den Linden 77", "Berlin", "", "10117", "DEU"},
     "Unter den Linden 77\n10117 BERLIN\nGERMANY"},
    {"DE",
     {"", "", "55 Rue du Faubourg Saint-Honoré", "Paris", "Île-de-France", "75008", "fr"},
     "55 Rue du Faubourg Saint-Honoré\n75008 PARIS\nFRANKREICH"},
    // Australia: "SYDNEY NSW 2000".
    {"US",
     {"", "", "1 Martin Place", "Sydney", "NSW", "2000", "Australia"},
     "1 Martin Place\nSYDNEY NSW 2000\nAUSTRALIA"},
    {"AU", {"", "", "1 Martin Place", "Sydney", "NSW", "2000", ""}, "1 Martin Place\nSydney NSW 2000"},
    // Japan: in Japanese, postal code first and prefecture, town and street
    // after it; in Latin letters the other way round.
    {"US",
     {"", "", "若林1-2-3", "世田谷区", "東京都", "154-0023", "日本"},
     "〒154-0023\n東京都\n世田谷区\n若林1-2-3\nJAPAN"},
    {"DE",
     {"", "", "1-1 Chiyoda", "Chiyoda-ku", "Tokyo", "100-8111", "Japan"},
     "1-1 Chiyoda\nChiyoda-ku, TOKYO\n100-8111\nJAPAN"},
    // Brazil: "CITY-ST", postal code below.
    {"US",
     {"", "", "Av. Paulista, 1578", "São Paulo", "SP", "01310-200", "Brasil"},
     "Av. Paulista, 1578\nSÃO PAULO-SP\n01310-200\nBRAZIL"},
    // Switzerland: "CH-" before the postal code from abroad only.
    {"FR", {"", "", "Bundesplatz 3", "Bern", "BE", "3005", "Suisse"}, "Bundesplatz 3\nCH-3005 Bern\nSUISSE"},
    {"CH", {"", "", "Bundesplatz 3", "Bern", "BE", "3005", "Schweiz"}, "Bundesplatz 3\n3005 Bern"},
    // Without a country an address is laid out as mail at home, and keeps a
    // region home has no place for.
    {"DE", {"", "", "1 Main St", "Springfield", "IL", "62701", ""}, "1 Main St\n62701 Springfield IL"},
    // An unknown country is printed as given; a numbered box gets the
    // destination's word; empty parts leave no lines; a part's own line
    // breaks and blanks are tidied.
    {"DE", {"", "", "1 Coral Way", "Poseidonia", "", "", "Atlantis"}, "1 Coral Way\nPOSEIDONIA\nATLANTIS"},
    {"DE", {"123456", "", "", "Berlin", "", "10117", ""}, "Postfach 123456\n10117 Berlin"},
    {"US",
     {"", " c/o Smith \n\n", "1 Main St\n \nRear ", " Ely ", "NV", "89301", ""},
     "c/o Smith\n1 Main St\nRear\nEly, NV 89301"},
    // The home country may be named; an empty one is the United States.
    {"Germany",
     {"", "", "Unter den Linden 77", "Berlin", "", "10117", "Germany"},
     "Unter den Linden 77\n10117 Berlin"},
    {"", {"", "", "1 Main St", "Ely", "NV", "89301", "US"}, "1 Main St\nEly, NV 89301"},
};

PostalAddress addressOf(const char *const parts[7])
{
    PostalAddress a;
    QString *fields[7] = {&a.PoBox,  &a.Extended,   &a.Street, &a.Locality,
                          &a.Region, &a.PostalCode, &a.Country};
    for (int i = 0; i < 7; ++i)
        *fields[i] = QString::fromUtf8(parts[i]);
    return a;
}

QJsonObject countryEntry(const QString &code)
{
    QFile file(QStringLiteral(ZENTROPE_ADDRESS_DATA "/") + code.toLower() + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(code).toObject();
}

} // namespace

TEST(AddressFormat, CountryTableMatchesTheDataSet)
{
    // The embedded table holds what the data set says, with its defaults.
    const QJsonObject defaults = countryEntry(QStringLiteral("ZZ"));
    ASSERT_FALSE(defaults.isEmpty()) << ZENTROPE_ADDRESS_DATA;
    for (const char *code : {"US", "CA", "GB", "IE", "DE", "FR", "AU", "JP", "BR"}) {
        SCOPED_TRACE(code);
        const QJsonObject entry = countryEntry(QString::fromLatin1(code));
        ASSERT_FALSE(entry.isEmpty());
        const auto field = [&](const char *name, bool defaulted) {
            const QString key = QString::fromLatin1(name);
            return entry.value(key).toString(defaulted ? defaults.value(key).toString() : QString());
        };
        const CountryFormat &f = CountryFormatOf(QString::fromLatin1(code).toLower());
        EXPECT_EQ(f.Code, QString::fromLatin1(code));
        EXPECT_EQ(f.Format, field("fmt", true));
        EXPECT_EQ(f.LatinFormat, field("lfmt", false));
        EXPECT_EQ(f.Require, field("require", true));
        EXPECT_EQ(f.Upper, field("upper", true));
        EXPECT_EQ(f.PostalPattern, field("zip", false));
        EXPECT_EQ(f.PostPrefix, field("postprefix", false));
    }
    EXPECT_GT(CountryFormats().size(), 240);
    EXPECT_EQ(CountryFormatOf(QStringLiteral("QQ")).Code, QStringLiteral("ZZ"));
}

TEST(AddressFormat, CountryRules)
{
    for (const Rule &r : kRules) {
        const PostalAddress a = addressOf(r.parts);
        SCOPED_TRACE(QStringLiteral("%1 from %2").arg(a.Street, QString::fromUtf8(r.home)).toStdString());
        EXPECT_EQ(AddressLines(a, QString::fromUtf8(r.home)).join(QLatin1Char('\n')).toStdString(),
                  std::string(r.lines));
    }
}

TEST(AddressFormat, CountriesAndHome)
{
    const std::pair<const char *, const char *> names[] = {
        {"Deutschland", "DE"},
        {"ALLEMAGNE", "DE"},
        {"deu", "DE"},
        {"the Netherlands", "NL"},
        {"Schweiz", "CH"},
        {"Svizzera", "CH"},
        {"Österreich", "AT"},
        {"Sverige", "SE"},
        {"Norge", "NO"},
        {"ca", "CA"},
        {"U.S.", "US"},
        {"Great Britain", "GB"},
        {"日本", "JP"},
        {"Ελλάδα", "GR"},
        {"Россия", "RU"},
        {"Atlantis", ""},
        {"", ""},
        {"  ", ""},
    };
    for (const auto &[name, code] : names)
        EXPECT_EQ(CountryCode(QString::fromUtf8(name)), QString::fromLatin1(code)) << name;

    // The country line in the sender's language, from the locale data.
    EXPECT_EQ(CountryLine(QStringLiteral("FR"), QStringLiteral("DE")), QStringLiteral("FRANKREICH"));
    EXPECT_EQ(CountryLine(QStringLiteral("CH"), QStringLiteral("US")), QStringLiteral("SWITZERLAND"));
    EXPECT_EQ(CountryLine(QStringLiteral("DE"), QStringLiteral("FR")), QStringLiteral("ALLEMAGNE"));
    EXPECT_EQ(CountryLine(QStringLiteral("DE"), QStringLiteral("ES")), QStringLiteral("ALEMANIA"));
    EXPECT_EQ(SenderLanguage(QStringLiteral("CH")), QStringLiteral("de"));

    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("de_DE"))), QStringLiteral("DE"));
    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("fr_CA"))), QStringLiteral("CA"));
    EXPECT_EQ(HomeCountryCode(QLocale::c()), QStringLiteral("US"));
    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("POSIX"))), QStringLiteral("US"));
    EXPECT_EQ(CountryName(QStringLiteral("de")), QStringLiteral("Germany"));

    // The list to choose home from: countries only, in the user's language.
    const auto german = KnownCountries(QStringLiteral("de"));
    EXPECT_GT(german.size(), 240);
    QStringList codes, names_;
    for (const auto &[code, name] : german) {
        codes << code;
        names_ << name;
    }
    EXPECT_TRUE(names_.contains(QStringLiteral("Frankreich")));
    EXPECT_FALSE(codes.contains(QStringLiteral("EU")));
    EXPECT_FALSE(names_.contains(QStringLiteral("Europäische Union")));
    EXPECT_FALSE(names_.contains(QStringLiteral("Europa")));
    EXPECT_LT(names_.indexOf(QStringLiteral("Österreich")), names_.indexOf(QStringLiteral("Polen")));
}

TEST(AddressFormat, LabelsAndEnvelopes)
{
    // The user's label stands in for parts that make no address; its last
    // line, naming a country, becomes the country line in the sender's language.
    PostalAddress a;
    a.Street = QStringLiteral("1 Main St");
    a.Label = QStringLiteral("Ely Lodge\r\n1 Main St\r\n\r\nEly, NV 89301\r\nUnited States");
    EXPECT_EQ(AddressLines(a, QStringLiteral("US")),
              QStringList({"Ely Lodge", "1 Main St", "Ely, NV 89301"}));
    EXPECT_EQ(AddressLines(a, QStringLiteral("DE")),
              QStringList({"Ely Lodge", "1 Main St", "Ely, NV 89301", "VEREINIGTE STAATEN"}));
    EXPECT_EQ(AddressSummary(a, QStringLiteral("US")), QStringLiteral("Ely Lodge, 1 Main St, Ely, NV 89301"));

    // Name from N when there is no FN; a label's opening name and organisation
    // are not repeated; no address gives the name alone.
    Contact c;
    c.GivenName = QStringLiteral("Ada");
    c.FamilyName = QStringLiteral("Lovelace");
    c.Organization = QStringLiteral("Engines Ltd");
    a.Label = QStringLiteral("ada lovelace\nEngines Ltd\n1 Main St\nEly, NV 89301");
    c.Addresses = {a};
    EXPECT_EQ(EnvelopeText(c, 0, QStringLiteral("US")),
              QStringLiteral("Ada Lovelace\nEngines Ltd\n1 Main St\nEly, NV 89301"));
    EXPECT_EQ(EnvelopeText(c, 5, QStringLiteral("US")), QStringLiteral("Ada Lovelace\nEngines Ltd"));

    // Control characters never reach the address text: a NUL would end an
    // address file there.
    Contact odd;
    odd.FormattedName = QString::fromUtf8("Ada\0\x01Lovelace\x7F", 14);
    odd.Addresses = {PostalAddress()};
    odd.Addresses[0].Street = QStringLiteral("\x1B\u2028 1 Main St\u2029");
    EXPECT_EQ(EnvelopeText(odd, 0, QStringLiteral("US")), QStringLiteral("Ada  Lovelace\n1 Main St"));

    // Choices out of range and contacts without an address are passed over.
    Contact none;
    none.FormattedName = QStringLiteral("Nobody");
    const QList<Contact> list = {c, none, c};
    EXPECT_EQ(DefaultChoices(list).size(), 2);
    EXPECT_EQ(ImportedText(list, {{2, 0}, {1, 0}, {7, 0}, {0, -1}, {0, 0}}, QStringLiteral("US")),
              QStringLiteral("Ada Lovelace\nEngines Ltd\n1 Main St\nEly, NV 89301\n\n"
                             "Ada Lovelace\nEngines Ltd\n1 Main St\nEly, NV 89301"));
}

TEST(AddressFormat, TextToAppendKeepsOneEmptyLineBetweenEnvelopes)
{
    const QString x = QStringLiteral("X");
    EXPECT_EQ(TextToAppend(QString(), x), x);
    EXPECT_EQ(TextToAppend(QStringLiteral(" \n \n"), x), x);
    EXPECT_EQ(TextToAppend(QStringLiteral("A"), x), QStringLiteral("\n\nX"));
    EXPECT_EQ(TextToAppend(QStringLiteral("A\n"), x), QStringLiteral("\nX"));
    EXPECT_EQ(TextToAppend(QStringLiteral("A\r\n"), x), QStringLiteral("\nX"));
    EXPECT_EQ(TextToAppend(QStringLiteral("A \n\t"), x), QStringLiteral("\nX"));
    EXPECT_EQ(TextToAppend(QStringLiteral("A\n  \n"), x), x);
    EXPECT_EQ(TextToAppend(QStringLiteral("A\n\n\n"), x), x);
    EXPECT_EQ(TextToAppend(QStringLiteral("A"), QString()), QString());
}
