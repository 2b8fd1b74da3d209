#include "contacts/ContactPickerModel.h"

#include "contacts/AddressFormat.h"
#include "contacts/TextDecoding.h"

#include <QRegularExpression>
#include <algorithm>

namespace zentrope {

namespace {

// Everything a search may find in a contact, folded as the search words are;
// a bar keeps the fields apart.
QString haystackOf(const Contact &c)
{
    QString out = FoldedKey(c.DisplayName());
    const auto add = [&out](const QString &text) {
        if (text.isEmpty())
            return;
        out += QLatin1Char('|');
        out += FoldedKey(text);
    };
    add(c.Organization);
    for (const PostalAddress &a : c.Addresses)
        for (const QString *part :
             {&a.Label, &a.PoBox, &a.Extended, &a.Street, &a.Locality, &a.Region, &a.PostalCode, &a.Country})
            add(*part);
    return out;
}

} // namespace

ContactPickerModel::ContactPickerModel(QObject *parent) : QAbstractTableModel(parent)
{
}

void ContactPickerModel::SetContacts(QList<Contact> contacts)
{
    beginResetModel();
    m_contacts = std::move(contacts);
    const auto n = size_t(m_contacts.size());
    m_haystack.assign(n, QString());
    m_ticked.assign(n, 0);
    m_address.assign(n, -1);
    m_rows.resize(n);
    m_tickedCount = 0;
    m_tickable = 0;
    m_filter.clear();
    for (size_t i = 0; i < n; ++i) {
        const Contact &c = m_contacts[qsizetype(i)];
        m_haystack[i] = haystackOf(c);
        m_address[i] = c.DefaultAddress();
        m_rows[i] = int(i);
        if (m_address[i] >= 0) {
            m_ticked[i] = 1;
            ++m_tickedCount;
            ++m_tickable;
        }
    }
    endResetModel();
    emit ChoicesChanged();
}

void ContactPickerModel::SetHomeCountry(const QString &code)
{
    if (code == m_home)
        return;
    m_home = code;
    EmitColumnChanged(AddressColumn, {});
    emit ChoicesChanged();
}

void ContactPickerModel::SetFilter(const QString &text)
{
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QStringList words;
    for (const QString &w : text.split(blanks, Qt::SkipEmptyParts)) {
        const QString folded = FoldedKey(w);
        if (!folded.isEmpty())
            words.append(folded);
    }
    beginResetModel();
    m_filter = text;
    m_rows.clear();
    for (size_t i = 0; i < m_haystack.size(); ++i) {
        const QString &hay = m_haystack[i];
        if (std::all_of(words.cbegin(), words.cend(), [&hay](const QString &w) { return hay.contains(w); }))
            m_rows.push_back(int(i));
    }
    endResetModel();
}

int ContactPickerModel::ContactAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? m_rows[size_t(row)] : -1;
}

int ContactPickerModel::RowOf(int contact) const
{
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), contact);
    return it != m_rows.cend() && *it == contact ? int(it - m_rows.cbegin()) : -1;
}

bool ContactPickerModel::Ticked(int contact) const
{
    return contact >= 0 && size_t(contact) < m_ticked.size() && m_ticked[size_t(contact)];
}

void ContactPickerModel::SetTicked(int contact, bool on)
{
    if (contact < 0 || size_t(contact) >= m_ticked.size() || m_address[size_t(contact)] < 0)
        return;
    if (bool(m_ticked[size_t(contact)]) == on)
        return;
    m_ticked[size_t(contact)] = on;
    m_tickedCount += on ? 1 : -1;
    const int row = RowOf(contact);
    if (row >= 0)
        emit dataChanged(index(row, NameColumn), index(row, NameColumn), {Qt::CheckStateRole});
    emit ChoicesChanged();
}

void ContactPickerModel::TickListed(bool on)
{
    for (int contact : m_rows) {
        const auto i = size_t(contact);
        if (m_address[i] < 0 || bool(m_ticked[i]) == on)
            continue;
        m_ticked[i] = on;
        m_tickedCount += on ? 1 : -1;
    }
    EmitColumnChanged(NameColumn, {Qt::CheckStateRole});
    emit ChoicesChanged();
}

int ContactPickerModel::ChosenAddress(int contact) const
{
    return contact >= 0 && size_t(contact) < m_address.size() ? m_address[size_t(contact)] : -1;
}

void ContactPickerModel::SetChosenAddress(int contact, int address)
{
    if (contact < 0 || contact >= m_contacts.size() || address < 0 ||
        address >= m_contacts[contact].Addresses.size() || m_address[size_t(contact)] == address)
        return;
    m_address[size_t(contact)] = address;
    const int row = RowOf(contact);
    if (row >= 0)
        emit dataChanged(index(row, AddressColumn), index(row, AddressColumn));
    emit ChoicesChanged();
}

QList<ImportChoice> ContactPickerModel::Choices() const
{
    QList<ImportChoice> out;
    out.reserve(m_tickedCount);
    for (size_t i = 0; i < m_ticked.size(); ++i)
        if (m_ticked[i])
            out.append({int(i), m_address[i]});
    return out;
}

QString ContactPickerModel::ImportedText() const
{
    return zentrope::ImportedText(m_contacts, Choices(), m_home);
}

QString ContactPickerModel::AddressCaption(int contact, int address) const
{
    if (contact < 0 || contact >= m_contacts.size())
        return QString();
    const Contact &c = m_contacts[contact];
    if (address < 0 || address >= c.Addresses.size())
        return QString();
    const PostalAddress &a = c.Addresses[address];
    return AddressKindName(a) + QStringLiteral(": ") + AddressSummary(a, m_home);
}

int ContactPickerModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ContactPickerModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ContactPickerModel::data(const QModelIndex &index, int role) const
{
    const int contact = ContactAt(index.row());
    if (contact < 0 || index.column() < 0 || index.column() >= ColumnCount)
        return {};
    const Contact &c = m_contacts[contact];
    const int address = m_address[size_t(contact)];
    switch (index.column()) {
    case NameColumn:
        if (role == Qt::DisplayRole)
            return c.DisplayName();
        if (role == Qt::CheckStateRole)
            return int(m_ticked[size_t(contact)] ? Qt::Checked : Qt::Unchecked);
        break;
    case OrganizationColumn:
        // Companies listed by their name alone would show it twice.
        if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
            const QString org = c.Organization.trimmed();
            const bool none = org.isEmpty() || org.compare(c.DisplayName(), Qt::CaseInsensitive) == 0;
            // A screen reader says the empty cell is empty rather than nothing.
            if (none)
                return role == Qt::DisplayRole ? QString() : tr("No organization");
            return org;
        }
        break;
    case AddressColumn:
        if (role == Qt::DisplayRole)
            return address < 0 ? tr("No postal address") : AddressCaption(contact, address);
        // The envelope as it will be written.
        if (role == Qt::ToolTipRole && address >= 0)
            return EnvelopeText(c, address, m_home);
        break;
    default:
        break;
    }
    return {};
}

bool ContactPickerModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::CheckStateRole || index.column() != NameColumn)
        return false;
    const int contact = ContactAt(index.row());
    if (contact < 0 || m_address[size_t(contact)] < 0)
        return false;
    SetTicked(contact, value.toInt() == Qt::Checked);
    return true;
}

Qt::ItemFlags ContactPickerModel::flags(const QModelIndex &index) const
{
    const int contact = ContactAt(index.row());
    if (contact < 0)
        return Qt::NoItemFlags;
    if (m_address[size_t(contact)] < 0)
        return Qt::ItemNeverHasChildren;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (index.column() == NameColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

QVariant ContactPickerModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case NameColumn:
        return tr("Name");
    case OrganizationColumn:
        return tr("Organization");
    case AddressColumn:
        return tr("Address used");
    default:
        return {};
    }
}

void ContactPickerModel::EmitColumnChanged(int column, const QList<int> &roles)
{
    if (!m_rows.empty())
        emit dataChanged(index(0, column), index(int(m_rows.size()) - 1, column), roles);
}

} // namespace zentrope
