// Exports shaped like those of real address books, in their own character
// sets, each turned into the exact envelope text the import appends, sent
// from the United States and from Germany.
#include "barcode/Postnet.h"
#include "contacts/AddressFormat.h"
#include "contacts/ContactImport.h"
#include "contacts/Envelopes.h"
#include "contacts/TextDecoding.h"
#include "support/TestEnv.h"

#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

using namespace zentrope;
using zentrope::test::contactSample;

namespace {

struct Sample {
    const char *file;
    const char *report; // how the file was read
    const char *fromUs;
    const char *fromGermany;
};

const Sample kCountries[] = {
    {"google.csv", "Contacts read: 5.",
     "Ada Lovelace\nAnalytical Engines Ltd\n12 St James's Square\nLONDON\nSW1Y 4JH\n"
     "UNITED KINGDOM\n\nGrace Hopper\n1000 Navy Pentagon\nRoom 4E536\n"
     "Washington, DC 20350-1000\n\nKonrad Zuse\nKarl-Marx-Allee 1\n10178 Berlin\n"
     "GERMANY\n\nMARY KENNETH KELLER\nRIDEAU COTTAGE\n24 SUSSEX DRIVE\n"
     "OTTAWA ON K1M 1M4\nCANADA",
     "Ada Lovelace\nAnalytical Engines Ltd\n12 St James's Square\nLONDON\nSW1Y 4JH\n"
     "VEREINIGTES KÖNIGREICH\n\nGrace Hopper\n1000 Navy Pentagon\nRoom 4E536\n"
     "WASHINGTON, DC 20350-1000\nVEREINIGTE STAATEN\n\nKonrad Zuse\n"
     "Karl-Marx-Allee 1\n10178 Berlin\n\nMARY KENNETH KELLER\nRIDEAU COTTAGE\n"
     "24 SUSSEX DRIVE\nOTTAWA ON K1M 1M4\nKANADA"},
    {"outlook.csv", "Contacts read: 4.",
     "RENÉE DUBOIS\nFABRIKAM, INC.\n123 RUE SAINTE-CATHERINE O\nMONTRÉAL QC H2X 1Y4\n"
     "CANADA\n\nTomás O'Brien\nContoso \"Widgets\" Ltd\nPO Box 1234\n"
     "Redmond, WA 98073-9999\n\nHeike Schröder\nFriedrichstraße 123\n10117 BERLIN\n"
     "GERMANY",
     "RENÉE DUBOIS\nFABRIKAM, INC.\n123 RUE SAINTE-CATHERINE O\nMONTRÉAL QC H2X 1Y4\n"
     "KANADA\n\nTomás O'Brien\nContoso \"Widgets\" Ltd\nPO Box 1234\n"
     "REDMOND, WA 98073-9999\nVEREINIGTE STAATEN\n\nHeike Schröder\n"
     "Friedrichstraße 123\n10117 Berlin"},
    {"thunderbird-de.csv", "Contacts read: 5.",
     "Jürgen Weiß\nKönigsallee 12\nHinterhaus\n40212 DÜSSELDORF\nGERMANY\n\n"
     "Müller & Söhne GmbH\nMüller & Söhne\nMariahilfer Straße 1\n1060 WIEN\nAUSTRIA\n"
     "\nUrsula Keller\nSeestrasse 4\nCH-8700 Küsnacht\nSWITZERLAND\n\nJohn Doe\n"
     "350 Fifth Avenue\nNew York, NY 10118",
     "Jürgen Weiß\nKönigsallee 12\nHinterhaus\n40212 Düsseldorf\n\n"
     "Müller & Söhne GmbH\nMüller & Söhne\nMariahilfer Straße 1\n1060 WIEN\n"
     "ÖSTERREICH\n\nUrsula Keller\nSeestrasse 4\nCH-8700 Küsnacht\nSCHWEIZ\n\n"
     "John Doe\n350 Fifth Avenue\nNEW YORK, NY 10118\nVEREINIGTE STAATEN"},
    {"android-2.1.vcf", "Contacts read: 3.",
     "Jürgen Müller\nHauptstraße 5\n80331 MÜNCHEN\nGERMANY\n\nCafé des Deux Moulins\n"
     "Amélie Lefèvre\n15 Rue Lepic\nBâtiment B\n75018 PARIS\nFRANCE",
     "Jürgen Müller\nHauptstraße 5\n80331 München\n\nCafé des Deux Moulins\n"
     "Amélie Lefèvre\n15 Rue Lepic\nBâtiment B\n75018 PARIS\nFRANKREICH"},
    {"iphone-3.0.vcf", "Contacts read: 3.",
     "Johnny Appleseed\nApple Inc.\n1 Infinite Loop\nBuilding 3\n"
     "Cupertino, CA 95014-2083\n\nAcme Corporation\n1600 Pennsylvania Ave NW\n"
     "Washington, DC 20500-0003\n\nDr. Anna Gruber\nRathausplatz 1\n1010 WIEN\nAUSTRIA",
     "Johnny Appleseed\nApple Inc.\n1 Infinite Loop\nBuilding 3\n"
     "CUPERTINO, CA 95014-2083\nVEREINIGTE STAATEN\n\nAcme Corporation\n"
     "1600 Pennsylvania Ave NW\nWASHINGTON, DC 20500-0003\nVEREINIGTE STAATEN\n\n"
     "Dr. Anna Gruber\nRathausplatz 1\n1010 WIEN\nÖSTERREICH"},
    {"vcard-4.0.vcf", "Contacts read: 3.",
     "SIMON PERREAULT\nVIAGÉNIE\n2875 BOUL. LAURIER, SUITE D2-630\nQUÉBEC QC G1V 2M2\n"
     "CANADA\n\nHomer Simpson\n742 Evergreen Terrace\nSpringfield, OR 97403-1234\n\n"
     "Stichting Boekhuis\nPostbus 2345\n1000 AB AMSTERDAM\nNETHERLANDS",
     "SIMON PERREAULT\nVIAGÉNIE\n2875 BOUL. LAURIER, SUITE D2-630\nQUÉBEC QC G1V 2M2\n"
     "KANADA\n\nHomer Simpson\n742 Evergreen Terrace\nSPRINGFIELD, OR 97403-1234\n"
     "VEREINIGTE STAATEN\n\nStichting Boekhuis\nPostbus 2345\n1000 AB AMSTERDAM\n"
     "NIEDERLANDE"},
    {"outlook-2.1.vcf", "Contacts read: 2.",
     "Bjørn Sørensen\nNorthwind Traders\nØstergade 1\n1150 KØBENHAVN K\nDENMARK\n\n"
     "Wei Chen\n500 Oracle Pkwy\nRedwood City, CA 94065",
     "Bjørn Sørensen\nNorthwind Traders\nØstergade 1\n1150 KØBENHAVN K\nDÄNEMARK\n\n"
     "Wei Chen\n500 Oracle Pkwy\nREDWOOD CITY, CA 94065\nVEREINIGTE STAATEN"},
};

const Sample kCharsets[] = {
    {"japanese-phone.vcf", "Contacts read: 1.", "〒154-0023\n東京都\n世田谷区\n若林1-2-3\n安藤 ロイド\nJAPAN",
     "〒154-0023\n東京都\n世田谷区\n若林1-2-3\n安藤 ロイド\nJAPAN"},
    {"nokia-iso-8859-2.vcf", "Contacts read: 1.",
     "Łukasz Włodarczyk\nul. Świętokrzyska 12 m. 4\n50-001 WROCŁAW\nPOLAND",
     "Łukasz Włodarczyk\nul. Świętokrzyska 12 m. 4\n50-001 WROCŁAW\nPOLEN"},
    {"windows-mobile.vcf", "Contacts read: 2.",
     "Пётр Иванов\nУЛ. ТВЕРСКАЯ, Д. 7, КВ. 15\nМОСКВА\n125009\nRUSSIA\n\n"
     "Νίκος Παπαδόπουλος\nΕρμού 10\n105 63 ΑΘΗΝΑ\nGREECE",
     "Пётр Иванов\nУЛ. ТВЕРСКАЯ, Д. 7, КВ. 15\nМОСКВА\n125009\nRUSSLAND\n\n"
     "Νίκος Παπαδόπουλος\nΕρμού 10\n105 63 ΑΘΗΝΑ\nGRIECHENLAND"},
    {"thunderbird-1251.csv", "Contacts read: 1.",
     "Ольга Смирнова\nНЕВСКИЙ ПР., Д. 28\nСАНКТ-ПЕТЕРБУРГ\n191186\nRUSSIA",
     "Ольга Смирнова\nНЕВСКИЙ ПР., Д. 28\nСАНКТ-ПЕТЕРБУРГ\n191186\nRUSSLAND"},
};

const Sample kLabelAndAdr[] = {
    {"outlook-de.vcf", "Contacts read: 1.",
     "Heike Schröder\nSchröder & Partner GmbH\nFriedrichstraße 123\n10117 BERLIN\n"
     "GERMANY",
     "Heike Schröder\nSchröder & Partner GmbH\nFriedrichstraße 123\n10117 Berlin"},
};

const Sample kDamaged[] = {
    {"android-continued.vcf", "Contacts read: 1.",
     "Mary Keller\n47 Clarendon Road\nFlat 3\nWATFORD\nWD17 1JF\nUNITED KINGDOM",
     "Mary Keller\n47 Clarendon Road\nFlat 3\nWATFORD\nWD17 1JF\n"
     "VEREINIGTES KÖNIGREICH"},
    {"iphone-crcrlf.vcf", "Contacts read: 2. Skipped: 1 not closed. Damaged lines passed over: 1.",
     "Konrad Zuse\nKarl-Marx-Allee 1\n10178 BERLIN\nGERMANY\n\nGrace Hopper\n"
     "1000 Navy Pentagon\nWashington, DC 20350-1000",
     "Konrad Zuse\nKarl-Marx-Allee 1\n10178 Berlin\n\nGrace Hopper\n"
     "1000 Navy Pentagon\n20350-1000 Washington DC"},
};

const Sample kCsvLanguages[] = {
    {"outlook-de.csv", "Contacts read: 3.",
     "Jürgen Weiß\nKönigsallee 12\nHinterhaus\n40212 DÜSSELDORF\nGERMANY\n\n"
     "Gruber & Söhne KG\nAnna Gruber\nMariahilfer Straße 1\n1060 WIEN\nAUSTRIA\n\n"
     "John Doe\n350 Fifth Avenue\nNew York, NY 10118",
     "Jürgen Weiß\nKönigsallee 12\nHinterhaus\n40212 Düsseldorf\n\nGruber & Söhne KG\n"
     "Anna Gruber\nMariahilfer Straße 1\n1060 WIEN\nÖSTERREICH\n\nJohn Doe\n"
     "350 Fifth Avenue\nNEW YORK, NY 10118\nVEREINIGTE STAATEN"},
    {"outlook-fr.csv", "Contacts read: 2.",
     "Café des Deux Moulins\nAmélie Lefèvre\n15 rue Lepic\n75018 PARIS\nFRANCE\n\n"
     "JEAN TREMBLAY\n1200, RUE SAINTE-CATHERINE OUEST\nAPP. 4\nMONTRÉAL QC H3B 1K1\n"
     "CANADA",
     "Café des Deux Moulins\nAmélie Lefèvre\n15 rue Lepic\n75018 PARIS\nFRANKREICH\n\n"
     "JEAN TREMBLAY\n1200, RUE SAINTE-CATHERINE OUEST\nAPP. 4\nMONTRÉAL QC H3B 1K1\n"
     "KANADA"},
    {"outlook-es.csv", "Contacts read: 2.",
     "Lucía García Pérez\nLibrería Cervantes S.L.\nCalle Mayor, 1\n2º izda.\n"
     "28013 MADRID MADRID\nSPAIN\n\nMateo Silva\nAv. Paulista, 1578\nSÃO PAULO-SP\n"
     "01310-200\nBRAZIL",
     "Lucía García Pérez\nLibrería Cervantes S.L.\nCalle Mayor, 1\n2º izda.\n"
     "28013 MADRID MADRID\nSPANIEN\n\nMateo Silva\nAv. Paulista, 1578\nSÃO PAULO-SP\n"
     "01310-200\nBRASILIEN"},
    {"thunderbird-fr.csv", "Contacts read: 2.",
     "Claire Martin\n4 place Bellecour\n69002 LYON\nFRANCE\n\nHarbour Pty Ltd\n"
     "Mia Wong\nLevel 5, 1 Martin Place\nSYDNEY NSW 2000\nAUSTRALIA",
     "Claire Martin\n4 place Bellecour\n69002 LYON\nFRANKREICH\n\nHarbour Pty Ltd\n"
     "Mia Wong\nLevel 5, 1 Martin Place\nSYDNEY NSW 2000\nAUSTRALIEN"},
};

// Reads each file (a CSV file in the character set named after "@") and
// checks its envelopes from both homes.
void expectEnvelopes(const Sample *samples, size_t count)
{
    for (size_t i = 0; i < count; ++i) {
        const Sample &s = samples[i];
        SCOPED_TRACE(s.file);
        ContactImport import = ReadContactFile(contactSample(s.file));
        EXPECT_FALSE(import.NeedsMapping);
        EXPECT_EQ(ReadReport(int(import.Contacts.size()), import.Counts), QString::fromUtf8(s.report));
        const QList<ImportChoice> choices = DefaultChoices(import.Contacts);
        EXPECT_EQ(ImportedText(import.Contacts, choices, QStringLiteral("US")), QString::fromUtf8(s.fromUs));
        EXPECT_EQ(ImportedText(import.Contacts, choices, QStringLiteral("DE")),
                  QString::fromUtf8(s.fromGermany));
    }
}

} // namespace

TEST(ContactSamples, EveryCountryLaidOutAsItsPostWantsIt)
{
    // The layouts of the address data: capitals where the destination wants
    // them on mail from abroad, the country in the sender's language.
    expectEnvelopes(kCountries, std::size(kCountries));
}

TEST(ContactSamples, EveryCharacterSetDecoded)
{
    // Shift_JIS, ISO-8859-2 in quoted-printable, Windows-1251 and -1253.
    expectEnvelopes(kCharsets, std::size(kCharsets) - 1);

    // A CSV file in a character set only the user knows: read as
    // Windows-1252 first, then as the user chose.
    const Sample &csv = kCharsets[std::size(kCharsets) - 1];
    ContactImport import = ReadContactFile(contactSample(csv.file));
    ASSERT_EQ(import.Contacts.size(), 1);
    EXPECT_NE(import.Contacts[0].NameLine(), QStringLiteral("Ольга Смирнова"));
    ChangeCharset(import, "windows-1251");
    EXPECT_EQ(import.Charset, QByteArray("windows-1251"));
    EXPECT_EQ(ImportedText(import.Contacts, DefaultChoices(import.Contacts), QStringLiteral("US")),
              QString::fromUtf8(csv.fromUs));
    EXPECT_EQ(ImportedText(import.Contacts, DefaultChoices(import.Contacts), QStringLiteral("DE")),
              QString::fromUtf8(csv.fromGermany));
    ChangeCharset(import, QByteArray());
    EXPECT_NE(import.Contacts[0].NameLine(), QStringLiteral("Ольга Смирнова"));
    EXPECT_TRUE(KnownCharsets().contains(QStringLiteral("Shift_JIS")));
    EXPECT_TRUE(KnownCharsets().contains(QStringLiteral("ISO-8859-2")));
}

TEST(ContactSamples, NamesInAnyScriptPrint)
{
    // The address font has no Japanese letters; fontconfig's fallback fonts
    // (here WenQuanYi Micro Hei, fonts-wqy-microhei) draw them, so the name
    // prints instead of empty boxes.
    const ContactImport import = ReadContactFile(contactSample("japanese-phone.vcf"));
    ASSERT_EQ(import.Contacts.size(), 1);
    const QString name = import.Contacts[0].NameLine();
    ASSERT_EQ(name, QStringLiteral("安藤 ロイド"));
    const QFont font(QStringLiteral("Arial"), 12);
    const QRawFont own = QRawFont::fromFont(font);
    EXPECT_EQ(own.familyName(), QStringLiteral("Liberation Sans"));
    EXPECT_FALSE(own.supportsCharacter(name[0])) << "the address font covers Japanese";
    QTextLayout layout(name, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int glyphs = 0;
    QString fallback;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        for (quint32 index : run.glyphIndexes()) {
            EXPECT_NE(index, 0u) << "no font for part of the name: "
                                 << run.rawFont().familyName().toStdString();
            if (run.rawFont().familyName() != own.familyName())
                fallback = run.rawFont().familyName();
            ++glyphs;
        }
    }
    EXPECT_EQ(glyphs, name.size());
    EXPECT_EQ(fallback, QStringLiteral("WenQuanYi Micro Hei"));
    // And it leaves ink on the page.
    QImage image(400, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(QPointF(5, 40), name);
    painter.end();
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qGray(image.pixel(x, y)) < 128;
    EXPECT_GT(dark, 100);
}

TEST(ContactSamples, StructuredAddressWinsAndKeepsItsCountry)
{
    // German Outlook: the label leaves out the "Deutschland" of the ADR.
    expectEnvelopes(kLabelAndAdr, std::size(kLabelAndAdr));

    // A label alone is used, and the ADR's country is added to it; a label's
    // own country line is written in the sender's language.
    PostalAddress a;
    a.Label = QStringLiteral("Friedrichstraße 123\n10117 Berlin");
    a.Country = QStringLiteral("Deutschland");
    EXPECT_EQ(AddressLines(a, QStringLiteral("US")).join(u'\n'),
              QStringLiteral("Friedrichstraße 123\n10117 Berlin\nGERMANY"));
    EXPECT_EQ(AddressLines(a, QStringLiteral("DE")).join(u'\n'),
              QStringLiteral("Friedrichstraße 123\n10117 Berlin"));
    a.Country.clear();
    a.Label += QStringLiteral("\nFrance");
    EXPECT_EQ(AddressLines(a, QStringLiteral("DE")).join(u'\n'),
              QStringLiteral("Friedrichstraße 123\n10117 Berlin\nFRANKREICH"));
}

TEST(ContactSamples, CsvExportsInEveryLanguage)
{
    // German, French and Spanish Outlook (semicolons, Windows-1252) and French
    // Thunderbird, which names the town of both addresses alike.
    expectEnvelopes(kCsvLanguages, std::size(kCsvLanguages));
    for (const char *file : {"outlook-de.csv", "outlook-fr.csv", "outlook-es.csv"})
        EXPECT_EQ(ReadContactFile(contactSample(file)).Preset, CsvPreset::Outlook) << file;
    EXPECT_EQ(ReadContactFile(contactSample("thunderbird-fr.csv")).Preset, CsvPreset::Thunderbird);
}

TEST(ContactSamples, DamagedLinesCostTheLineNotTheCard)
{
    // Android 2.1's backslash before a line break inside an ADR; an iPhone's
    // CR CR LF line ends around a folded PHOTO, a stray line and a card cut
    // off by the next.
    expectEnvelopes(kDamaged, std::size(kDamaged));
}

TEST(ContactSamples, ModelKeepsKindsPreferenceAndOtherAddresses)
{
    // Google: "* Home" is the preferred home address; a custom type is a caption.
    const ContactImport google = ReadContactFile(contactSample("google.csv"));
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
    const ContactImport outlook = ReadContactFile(contactSample("outlook.csv"));
    EXPECT_EQ(outlook.Preset, CsvPreset::Outlook);
    EXPECT_EQ(outlook.Contacts[0].DefaultAddress(), 0);
    EXPECT_EQ(
        ImportedText(outlook.Contacts, {{0, 1}}, QStringLiteral("US")),
        QStringLiteral("Renée Dubois\nFabrikam, Inc.\n4567 Main St\nSuite 200\nBuffalo, NY 14201-1234"));

    // iPhone: Apple's own captions set the kind, the user's word is a caption;
    // a fold inside "ü" is joined before decoding.
    const ContactImport iphone = ReadContactFile(contactSample("iphone-3.0.vcf"));
    EXPECT_EQ(AddressKindName(iphone.Contacts[0].Addresses[1]), QStringLiteral("Cottage"));
    const Contact &anna = iphone.Contacts[2];
    ASSERT_EQ(anna.Addresses.size(), 2);
    EXPECT_TRUE(anna.Addresses[0].Other());
    EXPECT_TRUE(anna.Addresses[1].Work);
    EXPECT_EQ(anna.DefaultAddress(), 1);
    EXPECT_EQ(EnvelopeText(anna, 0, QStringLiteral("US")),
              QStringLiteral("Dr. Anna Gruber\nGrüner Weg 7, 2. Stock\n8010 GRAZ\nAUSTRIA"));

    // vCard 4.0: PREF=1 beats PREF=2; a fold inside a value joins the words.
    const ContactImport v4 = ReadContactFile(contactSample("vcard-4.0.vcf"));
    const Contact &homer = v4.Contacts[1];
    EXPECT_TRUE(homer.Addresses[0].Home && homer.Addresses[0].Work);
    EXPECT_EQ(homer.Addresses[0].Preference, 2);
    EXPECT_EQ(homer.DefaultAddress(), 1);
    EXPECT_EQ(homer.Addresses[1].Street, QStringLiteral("742 Evergreen Terrace"));

    // Outlook 2.1: LABEL goes with the ADR of its kind; the mailing address
    // Outlook names apart is the default when no ADR is marked preferred.
    const ContactImport o21 = ReadContactFile(contactSample("outlook-2.1.vcf"));
    const Contact &bjorn = o21.Contacts[0];
    EXPECT_EQ(bjorn.Addresses[0].Label, QStringLiteral("Nørrebrogade 20\n2200 København N\nDanmark"));
    EXPECT_EQ(bjorn.Addresses[0].Street, QStringLiteral("Nørrebrogade 20"));
    EXPECT_EQ(o21.Contacts[1].DefaultAddress(), 0);
    EXPECT_TRUE(o21.Contacts[1].Addresses[0].Work);
}

TEST(ContactSamples, UsAddressesCarryTheirBarCode)
{
    // The ZIP ends the last line, and the street above gives the delivery point.
    const ContactImport iphone = ReadContactFile(contactSample("iphone-3.0.vcf"));
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(iphone.Contacts[1], 0, QStringLiteral("US"))),
              QStringLiteral("205000003000"));
    const ContactImport outlook = ReadContactFile(contactSample("outlook.csv"));
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(outlook.Contacts[1], 0, QStringLiteral("US"))),
              QStringLiteral("9807399997"));
    // Sent from abroad the country ends the address, and no code is derived.
    EXPECT_EQ(ExtractZipCode(EnvelopeLines(iphone.Contacts[1], 0, QStringLiteral("DE"))), QString());
}
