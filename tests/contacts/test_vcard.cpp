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
