#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace zentrope {

class TQevIniFile;

// One named return address: a description (any text, not unique) and its lines.
struct ReturnAddress {
    QString Description;
    QStringList Lines;
};

// The catalog of return addresses, kept sorted by description (Collation.h).
// Indexes are positions in the sorted order, from 0; the operations that change
// the entries keep DefaultIndex on the same entry and return the index to select.
class TReturnAddressCatalog {
public:
    static inline const QString Section = QStringLiteral("ReturnAddresses");

    int DefaultIndex = -1; // negative or not below Count(): no default

    int Count() const { return static_cast<int>(m_entries.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
    const ReturnAddress *At(int index) const { return IsValidIndex(index) ? &m_entries[index] : nullptr; }
    const std::vector<ReturnAddress> &Entries() const { return m_entries; }
    // Replaces the lines of one entry (outside the catalog: nothing).
    void SetLines(int index, const QStringList &lines);
    // Makes another entry the default (any index outside the catalog: none).
    void SetDefaultIndex(int index);

    int Insert(const QString &description, const QStringList &lines);
    void Remove(int index);
    void Clear()
    {
        m_entries.clear();
        m_modified = true;
    }

    // Loads section "ReturnAddresses"; a stored count of 0 gives the built-in
    // entry "home". Returns the index to select (-1 for none).
    int Load(const TQevIniFile &ini);
    // Erases the section and writes the whole catalog, in one replace of the file.
    void Save(TQevIniFile &ini);
    // Whether the catalog changed since it was loaded or saved.
    bool Modified() const { return m_modified; }
    // The save at shutdown: only a catalog that changed is written, or one whose
    // section the file lacks (a first run). Returns whether it wrote.
    bool SaveAtShutdown(TQevIniFile &ini);

    int Add(const QString &description);
    int Rename(int index, const QString &description);
    int Delete(int index);

private:
    std::vector<ReturnAddress> m_entries;
    bool m_modified = false;
};

} // namespace zentrope
