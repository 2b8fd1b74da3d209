#include "contacts/ContactImport.h"
#include "contacts/VCard.h"

#include <QStringEncoder>
#include <gtest/gtest.h>

using namespace zentrope;

TEST(VCardReader, EscapesLineEndsAndEncodings)
{
    // Escaped separators stay in their part; old Mac line ends (CR alone) and a
    // UTF-16 file read like any other.
    const QString card =
        QStringLiteral("BEGIN:VCARD\rVERSION:3.0\rFN:Smith\\, Jones \\\\ Co\\;\r"
                       "N:Smith;Ann\\;Marie;;;\r"
                       "ADR;TYPE=HOME:PO 7;Flat 2\\;B;1 High St\\nRear\\,Left;Ely;;CB7 4DL;UK\r"
                       "END:VCARD\r");
    QStringEncoder le(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    for (const QByteArray &bytes : {card.toUtf8(), QByteArray(le.encode(card))}) {
        const ContactList list = ReadVCards(bytes);
        ASSERT_EQ(list.Contacts.size(), 1);
        const Contact &c = list.Contacts[0];
        EXPECT_EQ(c.FormattedName, QStringLiteral("Smith, Jones \\ Co;"));
        EXPECT_EQ(c.GivenName, QStringLiteral("Ann;Marie"));
        const PostalAddress &a = c.Addresses[0];
        EXPECT_EQ(a.PoBox, QStringLiteral("PO 7"));
        EXPECT_EQ(a.Extended, QStringLiteral("Flat 2;B"));
        EXPECT_EQ(a.Street, QStringLiteral("1 High St\nRear,Left"));
        EXPECT_EQ(a.Country, QStringLiteral("UK"));
        EXPECT_EQ(DetectContactFileFormat(bytes), ContactFileFormat::VCard);
    }

    // Without CHARSET a value that is not UTF-8 is Windows-1252; a quoted-
    // printable value names its own; a label of its own is an address too.
    const QByteArray mixed = "BEGIN:VCARD\nVERSION:2.1\nFN:Fran\xE7ois \x80uro\n"
                             "ORG;CHARSET=ISO-8859-1;ENCODING=QUOTED-PRINTABLE:Caf=E9\n"
                             "LABEL;HOME;ENCODING=QUOTED-PRINTABLE:1 Rue Haute=0D=0A75001 Paris\n"
                             "END:VCARD\n";
    const ContactList list = ReadVCards(mixed);
    ASSERT_EQ(list.Contacts.size(), 1);
    EXPECT_EQ(list.Contacts[0].FormattedName, QStringLiteral("François €uro"));
    EXPECT_EQ(list.Contacts[0].Organization, QStringLiteral("Café"));
    ASSERT_EQ(list.Contacts[0].Addresses.size(), 1);
    EXPECT_TRUE(list.Contacts[0].Addresses[0].Home);
    EXPECT_EQ(list.Contacts[0].Addresses[0].Label, QStringLiteral("1 Rue Haute\n75001 Paris"));
}

TEST(VCardReader, LabelsAndCaptionsFindTheirAddress)
{
    // A LABEL goes to the ADR of its group, else to one of its kind; Apple's
    // own caption sets the kind; a quoted-printable "=" never takes in the
    // line that closes the card.
    const QByteArray bytes = "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Ann Lee\r\n"
                             "item1.ADR:;;1 Oak Rd;Ely;NV;89301;\r\n"
                             "item1.X-ABLabel:_$!<Home>!$_\r\n"
                             "ADR;TYPE=WORK:;;2 Elm Rd;Ely;NV;89301;\r\n"
                             "LABEL;TYPE=WORK:Elm Works\\n2 Elm Rd\\nEly\\, NV 89301\r\n"
                             "item1.LABEL:Oak House\\n1 Oak Rd\r\n"
                             "NOTE;ENCODING=QUOTED-PRINTABLE:cut short=\r\n"
                             "END:VCARD\r\n"
                             "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Bo\r\nLABEL:9 Pine Rd\r\nEND:VCARD\r\n";
    const ContactList list = ReadVCards(bytes);
    EXPECT_EQ(list.Counts, ReadCounts{});
    ASSERT_EQ(list.Contacts.size(), 2);
    const Contact &ann = list.Contacts[0];
    ASSERT_EQ(ann.Addresses.size(), 2);
    EXPECT_TRUE(ann.Addresses[0].Home);
    EXPECT_EQ(ann.Addresses[0].Label, QStringLiteral("Oak House\n1 Oak Rd"));
    EXPECT_EQ(ann.Addresses[1].Label, QStringLiteral("Elm Works\n2 Elm Rd\nEly, NV 89301"));
    EXPECT_EQ(ann.DefaultAddress(), 0);
    ASSERT_EQ(list.Contacts[1].Addresses.size(), 1);
    EXPECT_EQ(list.Contacts[1].Addresses[0].Label, QStringLiteral("9 Pine Rd"));
}
