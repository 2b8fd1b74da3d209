#pragma once

#include "contacts/Contact.h"
#include "contacts/Envelopes.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace zentrope {

// The contacts of an import as the picker lists them: one row per contact the
// search lets through, a tick box in the name column, and the address each
// contact is imported with. Contacts without a postal address are listed but
// not enabled, so a view shows them greyed out and they cannot be ticked.
// Rows are computed only as a view asks for them, so ten thousand contacts
// cost little more than their search text.
class ContactPickerModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { NameColumn, OrganizationColumn, AddressColumn, ColumnCount };

    explicit ContactPickerModel(QObject *parent = nullptr);

    // New contacts, all listed: every contact with an address ticked, at its
    // default address.
    void SetContacts(QList<Contact> contacts);
    const QList<Contact> &Contacts() const { return m_contacts; }

    // The country the envelopes are sent from (an ISO code), which decides how
    // addresses are laid out.
    void SetHomeCountry(const QString &code);
    const QString &HomeCountry() const { return m_home; }

    // Lists only the contacts whose name, organisation or address holds every
    // word of the text, ignoring letter case and accents; an empty text lists all.
    void SetFilter(const QString &text);
    const QString &Filter() const { return m_filter; }

    // Row and contact indexes; -1 for a row outside the list or a contact the
    // search hides.
    int ContactAt(int row) const;
    int RowOf(int contact) const;

    bool Ticked(int contact) const;
    // A contact without an address stays unticked.
    void SetTicked(int contact, bool on);
    // Ticks or unticks every contact listed; those the search hides keep theirs.
    void TickListed(bool on);
    int TickedCount() const { return m_tickedCount; }
    // Contacts that have an address, listed or not.
    int TickableCount() const { return m_tickable; }

    // The address a contact is imported with (-1 for none); an index outside
    // its addresses is ignored.
    int ChosenAddress(int contact) const;
    void SetChosenAddress(int contact, int address);

    // The ticked contacts in file order, hidden ones included, each with its
    // chosen address; and the text they make.
    QList<ImportChoice> Choices() const;
    QString ImportedText() const;

    // "Home: 1 Main St, Ely, NV 89301": an address's kind and its lines on one line.
    QString AddressCaption(int contact, int address) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // A tick or a chosen address changed.
    void ChoicesChanged();

private:
    void EmitColumnChanged(int column, const QList<int> &roles);

    QList<Contact> m_contacts;
    std::vector<QString> m_haystack; // each contact's searchable text, folded
    std::vector<char> m_ticked;
    std::vector<int> m_address;
    std::vector<int> m_rows; // the contacts listed, in file order
    int m_tickedCount = 0;
    int m_tickable = 0;
    QString m_home = QStringLiteral("US");
    QString m_filter;
};

} // namespace zentrope
