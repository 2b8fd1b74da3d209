#include "contacts/AddressFormat.h"
#include "contacts/Country.h"
#include "contacts/Envelopes.h"

#include <gtest/gtest.h>

using namespace zentrope;

namespace {

struct Rule {
    const char *home;
    // PO box, extended, street, locality, region, postal code, country
    const char *parts[7];
    const char *lines; // joined with "\n"
};

// One row per rule of the destination country, sent from home.
const Rule kRules[] = {
    // United States and Canada: "City, ST ZIP"; the home country is left out
    // however it is written.
    {"US",
     {"", "", "1600 Amphitheatre Pkwy", "Mountain View", "CA", "94043", ""},
     "1600 Amphitheatre Pkwy\nMountain View, CA 94043"},
    {"US", {"", "", "1 Main St", "Ely", "NV", "89301-1234", "u.s.a."}, "1 Main St\nEly, NV 89301-1234"},
    {"US", {"", "", "1 Main St", "", "NV", "89301", "United States of America"}, "1 Main St\nNV 89301"},
    {"US",
     {"", "Apt 4", "290 Bremner Blvd", "Toronto", "ON", "M5V 3L9", "Canada"},
     "Apt 4\n290 Bremner Blvd\nToronto, ON M5V 3L9\nCANADA"},
    {"CA",
     {"", "", "290 Bremner Blvd", "Toronto", "ON", "M5V 3L9", "CAN"},
     "290 Bremner Blvd\nToronto, ON M5V 3L9"},
    // Postal code before the town; the region is left out, except Italy's province.
    {"DE",
     {"", "", "Unter den Linden 77", "Berlin", "Berlin", "10117", "Deutschland"},
     "Unter den Linden 77\n10117 Berlin"},
    {"US",
     {"", "", "Unter den Linden 77", "Berlin", "", "10117", "DEU"},
     "Unter den Linden 77\n10117 Berlin\nGERMANY"},
    {"DE",
     {"", "", "55 Rue du Faubourg Saint-Honoré", "Paris", "Île-de-France", "75008", "fr"},
     "55 Rue du Faubourg Saint-Honoré\n75008 Paris\nFRANCE"},
    {"DE",
     {"", "", "Via del Corso 1", "Roma", "RM", "00186", "Italia"},
     "Via del Corso 1\n00186 Roma RM\nITALIA"},
    {"US",
     {"", "", "Calle Mayor 1", "Madrid", "Madrid", "28013", "España"},
     "Calle Mayor 1\n28013 Madrid\nESPAÑA"},
    {"DE",
     {"", "", "Damrak 1", "Amsterdam", "Noord-Holland", "1012 LG", "The Netherlands"},
     "Damrak 1\n1012 LG Amsterdam\nTHE NETHERLANDS"},
    {"NL",
     {"", "", "Grote Markt 1", "Brussel", "", "1000", "Belgique"},
     "Grote Markt 1\n1000 Brussel\nBELGIQUE"},
    {"FR", {"", "", "Bundesplatz 3", "Bern", "BE", "3005", "Suisse"}, "Bundesplatz 3\n3005 Bern\nSUISSE"},
    {"AT", {"", "", "Stephansplatz 1", "Wien", "Wien", "1010", "osterreich"}, "Stephansplatz 1\n1010 Wien"},
    {"DE",
     {"", "", "Rådhuspladsen 1", "København V", "", "1550", "Danmark"},
     "Rådhuspladsen 1\n1550 København V\nDANMARK"},
    {"SE",
     {"", "", "Drottninggatan 1", "Stockholm", "", "111 51", "Sverige"},
     "Drottninggatan 1\n111 51 Stockholm"},
    {"DE", {"", "", "Karl Johans gate 1", "Oslo", "", "0154", "NO"}, "Karl Johans gate 1\n0154 Oslo\nNORWAY"},
    {"DE",
     {"", "", "Mannerheimintie 1", "Helsinki", "", "00100", "Suomi"},
     "Mannerheimintie 1\n00100 Helsinki\nSUOMI"},
    {"US", {"", "", "Laugavegur 1", "Reykjavík", "", "101", "Ísland"}, "Laugavegur 1\n101 Reykjavík\nÍSLAND"},
    // The United Kingdom: postcode on its own line, no county.
    {"US",
     {"", "", "10 Downing Street", "London", "Greater London", "SW1A 2AA", "UK"},
     "10 Downing Street\nLondon\nSW1A 2AA\nUNITED KINGDOM"},
    {"GB",
     {"", "", "10 Downing Street", "London", "", "SW1A 2AA", "England"},
     "10 Downing Street\nLondon\nSW1A 2AA"},
    // Anywhere else: "postal code town region"; an unknown country is printed as given.
    {"US",
     {"", "", "1-1 Chiyoda", "Chiyoda-ku", "Tokyo", "100-8111", "Japan"},
     "1-1 Chiyoda\n100-8111 Chiyoda-ku Tokyo\nJAPAN"},
    {"DE", {"", "", "1 Coral Way", "Poseidonia", "", "", "Atlantis"}, "1 Coral Way\nPoseidonia\nATLANTIS"},
    // A numbered box gets the destination's word; empty parts leave no lines;
    // a part's own line breaks and blanks are tidied.
    {"DE", {"123456", "", "", "Berlin", "", "10117", ""}, "Postfach 123456\n10117 Berlin"},
    {"DE", {"77", "", "", "Ely", "NV", "89301", "USA"}, "PO Box 77\nEly, NV 89301\nUNITED STATES"},
    {"US", {"", "", "", "Reykjavík", "", "", "Iceland"}, "Reykjavík\nICELAND"},
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

} // namespace

TEST(AddressFormat, CountryRules)
{
    for (const Rule &r : kRules) {
        const PostalAddress a = addressOf(r.parts);
        SCOPED_TRACE(QStringLiteral("%1 from %2").arg(a.Street, QString::fromUtf8(r.home)).toStdString());
        EXPECT_EQ(AddressLines(a, QString::fromUtf8(r.home)).join(QLatin1Char('\n')),
                  QString::fromUtf8(r.lines));
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
        {"Atlantis", ""},
        {"", ""},
        {"  ", ""},
    };
    for (const auto &[name, code] : names)
        EXPECT_EQ(CountryCode(QString::fromUtf8(name)), QString::fromLatin1(code)) << name;

    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("de_DE"))), QStringLiteral("DE"));
    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("fr_CA"))), QStringLiteral("CA"));
    EXPECT_EQ(HomeCountryCode(QLocale::c()), QStringLiteral("US"));
    EXPECT_EQ(HomeCountryCode(QLocale(QStringLiteral("POSIX"))), QStringLiteral("US"));
    EXPECT_EQ(CountryName(QStringLiteral("de")), QStringLiteral("Germany"));
    EXPECT_GT(KnownCountries().size(), 200);
}

TEST(AddressFormat, LabelsAndEnvelopes)
{
    // The user's label wins over the parts; its last line goes only when it
    // names the home country.
    PostalAddress a;
    a.Street = QStringLiteral("1 Main St");
    a.Label = QStringLiteral("Ely Lodge\r\n1 Main St\r\n\r\nEly, NV 89301\r\nUnited States");
    EXPECT_EQ(AddressLines(a, QStringLiteral("US")),
              QStringList({"Ely Lodge", "1 Main St", "Ely, NV 89301"}));
    EXPECT_EQ(AddressLines(a, QStringLiteral("DE")),
              QStringList({"Ely Lodge", "1 Main St", "Ely, NV 89301", "United States"}));
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
