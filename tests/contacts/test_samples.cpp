// Exports shaped like those of real address books, each turned into the exact
// envelope text the import appends.
#include "barcode/Postnet.h"
#include "contacts/ContactImport.h"
#include "contacts/Envelopes.h"

#include <gtest/gtest.h>

using namespace zentrope;

namespace {

QString sample(const char *name)
{
    return QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data/") + QString::fromUtf8(name);
}

struct Sample {
    const char *file;
    const char *home;
    ContactFileFormat format;
    int contacts; // listed, with or without an address
    const char *text;
};

const Sample kSamples[] = {
    {"google.csv", "US", ContactFileFormat::Csv, 5,
     "Ada Lovelace\nAnalytical Engines Ltd\n12 St James's Square\nLondon\nSW1Y 4JH\nUNITED KINGDOM\n\n"
     "Grace Hopper\n1000 Navy Pentagon\nRoom 4E536\nWashington, DC 20350-1000\n\n"
     "Konrad Zuse\nKarl-Marx-Allee 1\n10178 Berlin\nGermany\n\n"
     "Mary Kenneth Keller\nRideau Cottage\n24 Sussex Drive\nOttawa, ON K1M 1M4\nCANADA"},
    {"outlook.csv", "US", ContactFileFormat::Csv, 4,
     "Renée Dubois\nFabrikam, Inc.\n123 Rue Sainte-Catherine O\nMontréal, QC H2X 1Y4\nCANADA\n\n"
     "Tomás O'Brien\nContoso \"Widgets\" Ltd\nPO Box 1234\nRedmond, WA 98073-9999\n\n"
     "Heike Schröder\nFriedrichstraße 123\n10117 Berlin\nGERMANY"},
    {"thunderbird-de.csv", "DE", ContactFileFormat::Csv, 5,
     "Jürgen Weiß\nKönigsallee 12\nHinterhaus\n40212 Düsseldorf\n\n"
     "Müller & Söhne\nMüller & Söhne GmbH\nMariahilfer Straße 1\n1060 Wien\nÖSTERREICH\n\n"
     "Ursula Keller\nSeestrasse 4\n8700 Küsnacht\nSWITZERLAND\n\n"
     "John Doe\n350 Fifth Avenue\nNew York, NY 10118\nUNITED STATES"},
    {"android-2.1.vcf", "DE", ContactFileFormat::VCard, 3,
     "Jürgen Müller\nHauptstraße 5\n80331 München\n\n"
     "Amélie Lefèvre\nCafé des Deux Moulins\n15 Rue Lepic\nBâtiment B\n75018 Paris\nFRANCE"},
    {"iphone-3.0.vcf", "US", ContactFileFormat::VCard, 3,
     "Johnny Appleseed\nApple Inc.\n1 Infinite Loop\nBuilding 3\nCupertino, CA 95014-2083\n\n"
     "Acme Corporation\n1600 Pennsylvania Ave NW\nWashington, DC 20500-0003\n\n"
     "Dr. Anna Gruber\nRathausplatz 1\n1010 Wien\nAUSTRIA"},
    {"vcard-4.0.vcf", "US", ContactFileFormat::VCard, 3,
     "Simon Perreault\nViagénie\n2875 boul. Laurier, suite D2-630\nQuébec, QC G1V 2M2\nCanada\n\n"
     "Homer Simpson\n742 Evergreen Terrace\nSpringfield, OR 97403-1234\n\n"
     "Stichting Boekhuis\nPostbus 2345\n1000 AB Amsterdam\nNEDERLAND"},
    {"outlook-2.1.vcf", "US", ContactFileFormat::VCard, 2,
     "Bjørn Sørensen\nNorthwind Traders\nØstergade 1\n1150 København K\nDanmark\n\n"
     "Wei Chen\n500 Oracle Pkwy\nRedwood City, CA  94065"},
};

} // namespace

TEST(ContactSamples, EachExportBecomesItsEnvelopes)
{
    for (const Sample &s : kSamples) {
        SCOPED_TRACE(s.file);
        const ContactImport import = ReadContactFile(sample(s.file));
        EXPECT_EQ(import.Format, s.format);
        EXPECT_FALSE(import.NeedsMapping);
        EXPECT_EQ(import.Counts.Skipped(), 0);
        EXPECT_EQ(import.Contacts.size(), s.contacts);
        EXPECT_EQ(ImportedText(import.Contacts, DefaultChoices(import.Contacts), QString::fromLatin1(s.home)),
                  QString::fromUtf8(s.text));
    }
}

TEST(ContactSamples, ModelKeepsKindsPreferenceAndOtherAddresses)
{
    // Google: "* Home" is the preferred home address; a custom type is a caption.
    const ContactImport google = ReadContactFile(sample("google.csv"));
    EXPECT_EQ(google.Preset, CsvPreset::GoogleContacts);
    const Contact &ada = google.Contacts[0];
    ASSERT_EQ(ada.Addresses.size(), 2);
    EXPECT_TRUE(ada.Addresses[0].Work);
    EXPECT_TRUE(ada.Addresses[1].Home && ada.Addresses[1].Preferred());
    EXPECT_EQ(ada.DefaultAddress(), 1);
    EXPECT_FALSE(google.Contacts[3].HasAddress()); // Alan Turing: listed, greyed out
    EXPECT_EQ(google.Contacts[3].DefaultAddress(), -1);
    EXPECT_EQ(AddressKindName(google.Contacts[4].Addresses[0]), QStringLiteral("Cottage"));

    // Outlook: no preference, so home comes before business; another address
    // can be chosen.
    const ContactImport outlook = ReadContactFile(sample("outlook.csv"));
    EXPECT_EQ(outlook.Preset, CsvPreset::Outlook);
    EXPECT_EQ(outlook.Contacts[0].DefaultAddress(), 0);
    EXPECT_EQ(
        ImportedText(outlook.Contacts, {{0, 1}}, QStringLiteral("US")),
        QStringLiteral("Renée Dubois\nFabrikam, Inc.\n4567 Main St\nSuite 200\nBuffalo, NY 14201-1234"));

    // iPhone: Apple's own captions set the kind, the user's word is a caption;
    // a fold inside "ü" is joined before decoding.
    const ContactImport iphone = ReadContactFile(sample("iphone-3.0.vcf"));
    EXPECT_EQ(AddressKindName(iphone.Contacts[0].Addresses[1]), QStringLiteral("Cottage"));
    const Contact &anna = iphone.Contacts[2];
    ASSERT_EQ(anna.Addresses.size(), 2);
    EXPECT_TRUE(anna.Addresses[0].Other());
    EXPECT_TRUE(anna.Addresses[1].Work);
    EXPECT_EQ(anna.DefaultAddress(), 1);
    EXPECT_EQ(EnvelopeText(anna, 0, QStringLiteral("US")),
              QStringLiteral("Dr. Anna Gruber\nGrüner Weg 7, 2. Stock\n8010 Graz\nÖSTERREICH"));

    // vCard 4.0: PREF=1 beats PREF=2; a fold inside a value joins the words.
    const ContactImport v4 = ReadContactFile(sample("vcard-4.0.vcf"));
    const Contact &homer = v4.Contacts[1];
    EXPECT_TRUE(homer.Addresses[0].Home && homer.Addresses[0].Work);
    EXPECT_EQ(homer.Addresses[0].Preference, 2);
    EXPECT_EQ(homer.DefaultAddress(), 1);
    EXPECT_EQ(homer.Addresses[1].Street, QStringLiteral("742 Evergreen Terrace"));
    EXPECT_EQ(EnvelopeText(v4.Contacts[2], 1, QStringLiteral("US")),
              QStringLiteral("Stichting Boekhuis\nKeizersgracht 123\n1015 CJ Amsterdam\nNETHERLANDS"));

    // Outlook 2.1: LABEL goes with the ADR of its kind; the mailing address
    // Outlook names apart is the default when no ADR is marked preferred.
    const ContactImport o21 = ReadContactFile(sample("outlook-2.1.vcf"));
    const Contact &bjorn = o21.Contacts[0];
    EXPECT_EQ(bjorn.Addresses[0].Label, QStringLiteral("Nørrebrogade 20\n2200 København N\nDanmark"));
    EXPECT_EQ(bjorn.Addresses[0].Street, QStringLiteral("Nørrebrogade 20"));
    EXPECT_EQ(o21.Contacts[1].DefaultAddress(), 0);
    EXPECT_TRUE(o21.Contacts[1].Addresses[0].Work);
}

TEST(ContactSamples, UsAddressesCarryTheirBarCode)
{
    // The ZIP ends the last line, and the street above gives the delivery point.
    const ContactImport iphone = ReadContactFile(sample("iphone-3.0.vcf"));
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(iphone.Contacts[1], 0, QStringLiteral("US"))),
              QStringLiteral("205000003000"));
    const ContactImport outlook = ReadContactFile(sample("outlook.csv"));
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(outlook.Contacts[1], 0, QStringLiteral("US"))),
              QStringLiteral("9807399997"));
    // Sent from abroad the country ends the address, and no code is derived.
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(iphone.Contacts[1], 0, QStringLiteral("DE"))), QString());
}
