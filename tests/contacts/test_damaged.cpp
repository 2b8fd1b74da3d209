// Damaged and foreign files: the import goes on past what it cannot read,
// counts it, and says plainly when a file is no contact file at all.
#include "contacts/ContactImport.h"
#include "contacts/VCard.h"
#include "core/Error.h"
#include "document/AddressFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <sys/stat.h>

#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QStringList names(const QList<Contact> &contacts)
{
    QStringList out;
    for (const Contact &c : contacts)
        out.append(c.DisplayName());
    return out;
}

template <typename F> QString errorOf(F &&f)
{
    try {
        f();
    } catch (const ZentropeError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

} // namespace

TEST(DamagedContacts, SkippedAndCounted)
{
    // A card cut off by the next one and one the file ends inside are
    // skipped; a line that is no property and a property without a name
    // cost only that line; an empty card is skipped as such.
    const ContactImport vcards = ReadContactFile(contactSample("damaged.vcf"));
    EXPECT_EQ(names(vcards.Contacts), QStringList({"Good One", "Garbage Inside", "Good Two", "Empty Name"}));
    EXPECT_EQ(vcards.Counts.NotClosed, 2);
    EXPECT_EQ(vcards.Counts.Empty, 1);
    EXPECT_EQ(vcards.Counts.DamagedLines, 2);
    EXPECT_EQ(ReadReport(int(vcards.Contacts.size()), vcards.Counts),
              QStringLiteral("Contacts read: 4. Skipped: 2 not closed, 1 without a name or an address. "
                             "Damaged lines passed over: 2."));

    // CSV: a record with more filled cells than the header, and a quote never
    // closed, after which reading picks up again on the next line.
    ContactImport csv = ReadContactFile(contactSample("damaged.csv"));
    ASSERT_TRUE(csv.NeedsMapping);
    EXPECT_EQ(csv.Table.Separator, QLatin1Char(';'));
    ApplyColumnMapping(csv, csv.Mapping);
    EXPECT_EQ(names(csv.Contacts), QStringList({"Good One", "Good Two", "Good Three", "Recovered"}));
    EXPECT_EQ(csv.Contacts[2].Addresses[0].Street, QStringLiteral("5 Main St\nRear"));
    EXPECT_EQ(
        ReadReport(int(csv.Contacts.size()), csv.Counts),
        QStringLiteral("Contacts read: 4. Skipped: 1 with a quote not closed, 1 with more cells than the "
                       "header."));

    // Hostile vCard input never stops the reader.
    const QByteArray hostile[] = {
        "BEGIN:VCARD",
        "BEGIN:VCARD\r\nFN;ENCODING=QUOTED-PRINTABLE:=\r\n=\r\n=",
        "BEGIN:VCARD\nADR;LABEL=\"unclosed:;;1 Main St\nEND:VCARD\n",
        "BEGIN:VCARD\n \n\t\nFN:\\\nEND:VCARD\nEND:VCARD\nBEGIN:VCARD\nN:;;;;;;;;;\nEND:VCARD",
        QByteArray("BEGIN:VCARD\nFN:A\0B\nEND:VCARD", 28),
        "BEGIN:VCARD\nADR:;;1 Main St\\\n\\\n\\\nEND:VCARD\n",
    };
    int notClosed = 0;
    for (const QByteArray &bytes : hostile)
        notClosed += ReadVCards(bytes).Counts.NotClosed;
    EXPECT_EQ(notClosed, 2);
}

TEST(DamagedContacts, InputIsBounded)
{
    const QString dir = freshDir(QStringLiteral("bounded"));
    // A FIFO is refused at once instead of waiting for a writer.
    const QString fifo = dir + QStringLiteral("/contacts.vcf");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(errorOf([&] { ReadContactFile(fifo); }), QStringLiteral("Cannot open file %1.").arg(fifo));

    // More than an address file may hold, and a line longer than any address
    // book writes, give the address files' message.
    const QString capacity = QStringLiteral("Text exceeds memo capacity.");
    QByteArray big = "BEGIN:VCARD\nFN:A\nEND:VCARD\n";
    big = big.repeated(int(AddressFileCapacity / big.size()) + 1);
    EXPECT_EQ(errorOf([&] { ReadContactFile(writeFile(dir + QStringLiteral("/big.vcf"), big)); }), capacity);
    const QByteArray longLine =
        "BEGIN:VCARD\nFN:A\nADR:;;" + QByteArray(ContactLineCapacity + 1, 'x') + "\nEND:VCARD\n";
    EXPECT_EQ(errorOf([&] { ReadContactFile(writeFile(dir + QStringLiteral("/long.vcf"), longLine)); }),
              capacity);
    const QByteArray longCsv = "Name,City\nA," + QByteArray(ContactLineCapacity + 1, 'x') + "\n";
    EXPECT_EQ(errorOf([&] { ReadContactFile(writeFile(dir + QStringLiteral("/long.csv"), longCsv)); }),
              capacity);
    // A photo of that length is no text for an envelope: the card is read.
    const QByteArray photo = "BEGIN:VCARD\nFN:A\nADR:;;1 Main St;Ely;NV;89301;\nPHOTO;ENCODING=b:" +
                             QByteArray(ContactLineCapacity + 1, 'A') + "\nEND:VCARD\n";
    EXPECT_EQ(ReadContactFile(writeFile(dir + QStringLiteral("/photo.vcf"), photo)).Contacts.size(), 1);

    // Contacts after the most one import takes are counted, not read.
    QByteArray many = "BEGIN:VCARD\nFN:A\nEND:VCARD\n";
    many = many.repeated(ContactCapacity + 2);
    const ContactImport import = ReadContacts(many, QStringLiteral("many.vcf"));
    EXPECT_EQ(import.Contacts.size(), ContactCapacity);
    EXPECT_EQ(import.Counts.BeyondCapacity, 2);
    EXPECT_TRUE(ReadReport(int(import.Contacts.size()), import.Counts)
                    .contains(QStringLiteral("Skipped: 2 after the first ")));
}

TEST(DamagedContacts, NeitherVCardNorCsv)
{
    const QString dir = freshDir(QStringLiteral("not-contacts"));
    const QString png =
        writeFile(dir + QStringLiteral("/photo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_EQ(errorOf([&] { ReadContactFile(png); }),
              png + QStringLiteral(" is neither a vCard nor a CSV file."));
    const QString empty = writeFile(dir + QStringLiteral("/empty.vcf"), QByteArray());
    EXPECT_EQ(errorOf([&] { ReadContactFile(empty); }),
              empty + QStringLiteral(" is neither a vCard nor a CSV file."));
    const QString letter = writeFile(dir + QStringLiteral("/letter.txt"), "Dear Ada\nThank you.\n");
    EXPECT_EQ(errorOf([&] { ReadContactFile(letter); }),
              letter + QStringLiteral(" is neither a vCard nor a CSV file."));
    const QString missing = dir + QStringLiteral("/missing.vcf");
    EXPECT_EQ(errorOf([&] { ReadContactFile(missing); }),
              QStringLiteral("Cannot open file %1.").arg(missing));
}
