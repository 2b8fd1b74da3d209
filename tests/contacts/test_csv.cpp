#include "contacts/ContactImport.h"
#include "contacts/Envelopes.h"
#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

TEST(CsvImport, UnknownColumnsAreMappedOnceAndRemembered)
{
    const QString dir = freshDir(QStringLiteral("csv-mapping"));
    TQevIniFile settings(dir + QStringLiteral("/zentrope.ini"));
    const QByteArray bytes = "Kunde\tFirma\tStrasse\tPLZ\tOrt\tLand\n"
                             "Eva Lang\tLang KG\tRing 1\t1010\tWien\tAT\n";
    const QString file = writeFile(dir + QStringLiteral("/kunden.txt"), bytes);

    ContactImport first = ReadContactFile(file, &settings);
    EXPECT_EQ(first.Table.Separator, QLatin1Char('\t'));
    ASSERT_TRUE(first.NeedsMapping);
    EXPECT_TRUE(first.Contacts.isEmpty());
    EXPECT_EQ(first.Table.Header, QStringList({"Kunde", "Firma", "Strasse", "PLZ", "Ort", "Land"}));
    // The guess knows the German words but not "Kunde": the user maps it.
    ColumnMapping mapping = first.Mapping;
    EXPECT_EQ(mapping.Name, QList<int>());
    EXPECT_EQ(mapping.Company, QList<int>{1});
    EXPECT_EQ(mapping.Street, QList<int>{2});
    EXPECT_EQ(mapping.PostalCode, QList<int>{3});
    EXPECT_EQ(mapping.City, QList<int>{4});
    EXPECT_EQ(mapping.Country, QList<int>{5});
    mapping.Name = {0};
    ApplyColumnMapping(first, mapping);
    SaveImportMapping(settings, first.Table.Header, mapping);
    EXPECT_EQ(ImportedText(first.Contacts, DefaultChoices(first.Contacts), QStringLiteral("DE")),
              QStringLiteral("Lang KG\nEva Lang\nRing 1\n1010 WIEN\nÖSTERREICH"));

    // The next file with the same header is read at once; another header asks.
    const QString next =
        writeFile(dir + QStringLiteral("/more.txt"), bytes + "Max Rot\t\tGasse 2\t8010\tGraz\tAT\n");
    const ContactImport second = ReadContactFile(next, &settings);
    EXPECT_FALSE(second.NeedsMapping);
    EXPECT_EQ(second.Mapping, mapping);
    EXPECT_EQ(second.Contacts.size(), 2);
    const QString other = writeFile(dir + QStringLiteral("/other.txt"), "Kunde\tOrt\nEva\tWien\n");
    EXPECT_TRUE(ReadContactFile(other, &settings).NeedsMapping);

    // A stored mapping that does not fit the header is not used.
    const QString key = ImportMappingKey(first.Table.Header);
    for (const char *stored : {"0,1,2,-1,4,-1,3,9", "0,1,2", "a,b,c,d,e,f,g,h", "-1,-1,-1,-1,-1,-1,-1,-1"}) {
        settings.WriteString(QString::fromLatin1(ImportMappingSection), key, QString::fromLatin1(stored));
        ColumnMapping m;
        EXPECT_FALSE(LoadImportMapping(settings, first.Table.Header, m)) << stored;
    }
}

TEST(CsvImport, EncodingsSeparatorsAndHeaderVariants)
{
    // Google's current header names, semicolons, UTF-8 with a byte order mark.
    const QString text = QStringLiteral(
        "First Name;Middle Name;Last Name;Organization Name;Address 1 - Label;Address 1 - Street;"
        "Address 1 - City;Address 1 - Region;Address 1 - Postal Code;Address 1 - Country\r\n"
        "Zoë;;Ærø;Ørsted A/S;* Work;\"Nørre Allé 1 ::: 3. sal\";København;;2200;Danmark\r\n");
    const QByteArray bom = "\xEF\xBB\xBF";
    QStringEncoder be(QStringEncoder::Utf16BE, QStringEncoder::Flag::WriteBom);
    for (const QByteArray &bytes : {bom + text.toUtf8(), QByteArray(be.encode(text))}) {
        const ContactImport import = ReadContacts(bytes, QStringLiteral("contacts.csv"));
        EXPECT_EQ(import.Preset, CsvPreset::GoogleContacts);
        ASSERT_EQ(import.Contacts.size(), 1);
        EXPECT_TRUE(import.Contacts[0].Addresses[0].Work && import.Contacts[0].Addresses[0].Preferred());
        EXPECT_EQ(EnvelopeText(import.Contacts[0], 0, QStringLiteral("DK")),
                  QStringLiteral("Zoë Ærø\nØrsted A/S\nNørre Allé 1\n3. sal\n2200 København"));
    }

    // Excel names its separator on a line of its own.
    const CsvTable excel = ReadCsvTable("sep=,\r\nName;Note,City\r\nAda;x,Ely\r\n");
    EXPECT_EQ(excel.Header, QStringList({"Name;Note", "City"}));
    EXPECT_EQ(excel.RowCount(), 1);

    // Thunderbird in English, as it writes it: a comma after every record.
    const QByteArray thunderbird =
        "First Name,Last Name,Display Name,Nickname,Primary Email,Home Address,Home Address 2,Home City,"
        "Home State,Home ZipCode,Home Country,Work Address,Work Address 2,Work City,Work State,Work ZipCode,"
        "Work Country,Organization,\r\n"
        "Ada,Lovelace,Ada L.,,ada@example.org,,,,,,,\"1 Main St, Rear\",,Ely,NV,89301,,Engines,\r\n";
    const ContactImport tb = ReadContacts(thunderbird, QStringLiteral("tb.csv"));
    EXPECT_EQ(tb.Preset, CsvPreset::Thunderbird);
    EXPECT_EQ(ImportedText(tb.Contacts, DefaultChoices(tb.Contacts), QStringLiteral("US")),
              QStringLiteral("Ada L.\nEngines\n1 Main St, Rear\nEly, NV 89301"));

    // Outlook without its byte order mark, and with only the whole address
    // in "Home Address": that is used when the parts are empty.
    const QString outlook =
        QStringLiteral("\"First Name\",\"Last Name\",\"Home Address\",\"Home Street\",\"Home City\"\r\n"
                       "\"Åsa\",\"Berg\",\"Storgatan 1\r\n111 22 Stockholm\",\"\",\"\"\r\n");
    QStringEncoder le(QStringEncoder::Utf16LE);
    const ContactImport ol = ReadContacts(le.encode(outlook), QStringLiteral("outlook.csv"));
    EXPECT_EQ(ol.Preset, CsvPreset::Outlook);
    ASSERT_EQ(ol.Contacts.size(), 1);
    EXPECT_EQ(EnvelopeText(ol.Contacts[0], 0, QStringLiteral("SE")),
              QStringLiteral("Åsa Berg\nStorgatan 1\n111 22 Stockholm"));
}
