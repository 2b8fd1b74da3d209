// Damaged and foreign files: the import goes on past what it cannot read,
// counts it, and says plainly when a file is no contact file at all.
#include "contacts/ContactImport.h"
#include "contacts/VCard.h"
#include "core/Error.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QString sample(const char *name)
{
    return QStringLiteral(ZENTROPE_SOURCE_DIR "/tests/contacts/data/") + QString::fromUtf8(name);
}

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
    // A card cut off by the next one, a line that is no property, a property
    // without a name and a card the file ends inside; an empty card is no
    // contact and no damage either.
    const ContactImport vcards = ReadContactFile(sample("damaged.vcf"));
    EXPECT_EQ(names(vcards.Contacts), QStringList({"Good One", "Good Two"}));

    // CSV: a record with more filled cells than the header, and a quote never
    // closed, after which reading picks up again on the next line.
    ContactImport csv = ReadContactFile(sample("damaged.csv"));
    ASSERT_TRUE(csv.NeedsMapping);
    EXPECT_EQ(csv.Table.Separator, QLatin1Char(';'));
    ApplyColumnMapping(csv, csv.Mapping);
    EXPECT_EQ(names(csv.Contacts), QStringList({"Good One", "Good Two", "Good Three", "Recovered"}));
    EXPECT_EQ(csv.Contacts[2].Addresses[0].Street, QStringLiteral("5 Main St\nRear"));
    EXPECT_EQ(csv.Counts.OpenQuote + csv.Counts.ExtraCells, 2);

    // Hostile vCard input never stops the reader.
    const QByteArray hostile[] = {
        "BEGIN:VCARD",
        "BEGIN:VCARD\r\nFN;ENCODING=QUOTED-PRINTABLE:=\r\n=\r\n=",
        "BEGIN:VCARD\nADR;LABEL=\"unclosed:;;1 Main St\nEND:VCARD\n",
        "BEGIN:VCARD\n \n\t\nFN:\\\nEND:VCARD\nEND:VCARD\nBEGIN:VCARD\nN:;;;;;;;;;\nEND:VCARD",
        QByteArray("BEGIN:VCARD\nFN:A\0B\nEND:VCARD", 28),
    };
    int unreadable = 0;
    for (const QByteArray &bytes : hostile)
        unreadable += ReadVCards(bytes).Counts.NotClosed;
    EXPECT_EQ(unreadable, 2);
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
