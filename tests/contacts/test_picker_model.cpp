// The picker's list: what it shows, what a search lists, and which envelopes
// the ticks and chosen addresses make.
#include "contacts/ContactImport.h"
#include "contacts/ContactPickerModel.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace zentrope;
using zentrope::test::contactSample;

namespace {

QStringList listed(const ContactPickerModel &m)
{
    QStringList out;
    for (int r = 0; r < m.rowCount(); ++r)
        out << m.data(m.index(r, ContactPickerModel::NameColumn)).toString();
    return out;
}

} // namespace

TEST(ContactPickerModel, SearchTicksAndAddressesMakeTheEnvelopes)
{
    ContactPickerModel m;
    m.SetHomeCountry(QStringLiteral("US"));
    m.SetContacts(ReadContactFile(contactSample("google.csv")).Contacts);
    EXPECT_EQ(listed(m), QStringList({"Ada Lovelace", "Grace Hopper", "Konrad Zuse", "Alan Turing",
                                      "Mary Kenneth Keller"}));
    // Everyone with an address starts ticked at the default address; Alan has none.
    EXPECT_EQ(m.TickedCount(), 4);
    EXPECT_EQ(m.TickableCount(), 4);
    EXPECT_EQ(m.ChosenAddress(0), 1);
    EXPECT_EQ(m.data(m.index(0, 0), Qt::CheckStateRole).toInt(), int(Qt::Checked));
    EXPECT_TRUE(m.flags(m.index(0, 0)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m.flags(m.index(0, 2)) & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(m.flags(m.index(3, 0)) & Qt::ItemIsEnabled);
    EXPECT_FALSE(m.setData(m.index(3, 0), int(Qt::Checked), Qt::CheckStateRole));
    m.SetTicked(3, true);
    EXPECT_FALSE(m.Ticked(3));
    EXPECT_EQ(m.data(m.index(0, 1)).toString(), QStringLiteral("Analytical Engines Ltd"));
    EXPECT_EQ(m.data(m.index(3, 2)).toString(), QStringLiteral("No postal address"));
    EXPECT_EQ(m.data(m.index(4, 2)).toString(),
              QStringLiteral("Cottage: RIDEAU COTTAGE, 24 SUSSEX DRIVE, OTTAWA ON K1M 1M4, CANADA"));

    // Words anywhere in name, organisation or address, in any case and
    // without accents; every word must be found.
    m.SetFilter(QStringLiteral("  engines  "));
    EXPECT_EQ(listed(m), QStringList({"Ada Lovelace"}));
    m.SetFilter(QStringLiteral("NAVY pentagon"));
    EXPECT_EQ(listed(m), QStringList({"Grace Hopper"}));
    m.SetFilter(QStringLiteral("navy berlin"));
    EXPECT_TRUE(listed(m).isEmpty());
    m.SetFilter(QStringLiteral("k1m"));
    EXPECT_EQ(m.ContactAt(0), 4);
    EXPECT_EQ(m.RowOf(0), -1);

    // None acts on the contacts listed; hidden ones keep their ticks.
    m.SetFilter(QStringLiteral("a"));
    EXPECT_EQ(m.rowCount(), 5);
    m.SetFilter(QStringLiteral("10"));
    EXPECT_EQ(listed(m), QStringList({"Ada Lovelace", "Grace Hopper", "Konrad Zuse"}));
    m.TickListed(false);
    EXPECT_EQ(m.TickedCount(), 1);
    m.SetFilter(QString());
    EXPECT_EQ(m.rowCount(), 5);
    EXPECT_TRUE(m.Ticked(4));

    // Ticks and a chosen address, in file order whatever the order of clicks.
    m.SetTicked(2, true);
    m.setData(m.index(0, 0), int(Qt::Checked), Qt::CheckStateRole);
    m.SetChosenAddress(0, 0);
    m.SetChosenAddress(0, 7); // no such address: ignored
    EXPECT_EQ(m.ChosenAddress(0), 0);
    const QList<ImportChoice> choices = m.Choices();
    ASSERT_EQ(choices.size(), 3);
    EXPECT_EQ(choices[0].Contact, 0);
    EXPECT_EQ(choices[0].Address, 0);
    EXPECT_EQ(choices[2].Contact, 4);
    EXPECT_EQ(m.ImportedText(), QStringLiteral("Ada Lovelace\nAnalytical Engines Ltd\n350 Fifth Avenue\n"
                                               "New York, NY 10118\n\nKonrad Zuse\nKarl-Marx-Allee 1\n"
                                               "10178 Berlin\nGERMANY\n\nMARY KENNETH KELLER\n"
                                               "RIDEAU COTTAGE\n24 SUSSEX DRIVE\nOTTAWA ON K1M 1M4\nCANADA"));

    // Another home country lays the addresses out again, and the list is told.
    int changed = 0;
    QObject::connect(&m, &QAbstractItemModel::dataChanged,
                     [&](const QModelIndex &from, const QModelIndex &to) {
                         if (from.row() == 0 && to.row() == 4 && from.column() <= 2 && to.column() >= 2)
                             ++changed;
                     });
    m.SetHomeCountry(QStringLiteral("CA"));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(m.data(m.index(4, 2)).toString(),
              QStringLiteral("Cottage: Rideau Cottage, 24 Sussex Drive, Ottawa ON K1M 1M4"));
    EXPECT_EQ(m.data(m.index(4, 2), Qt::ToolTipRole).toString(),
              QStringLiteral("Mary Kenneth Keller\nRideau Cottage\n24 Sussex Drive\nOttawa ON K1M 1M4"));
}
