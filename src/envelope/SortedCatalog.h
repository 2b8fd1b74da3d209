#pragma once

#include "envelope/Collation.h"
#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <QString>
#include <algorithm>
#include <vector>

namespace zentrope {

// What both catalogs are: named entries kept sorted by name (Collation.h),
// a default entry whose index follows it while entries come, go and move,
// the entry selected in the catalog's list, and one settings section that
// holds it all. Indexes are positions in the sorted order, from 0.
//
// `Derived` supplies what differs between the catalogs:
//   static const QString Section;
//   static QString &NameOf(Entry &);  static const QString &NameOf(const Entry &);
//   int &DefaultIndexField();               the default's index, under its own name
//   void ReadHeader(const TQevIniFile &);   section-wide values beyond Count and Default
//   void WriteHeader(IniSection &) const;  written between Count and Default
//   Entry ReadEntry(const TQevIniFile &, const QSet<QString> &storedLowerKeys, int index) const;
//   void WriteEntry(IniSection &, int index, const Entry &) const;
//   int InsertBuiltIns();                   for an empty section; returns the new default
template <typename Derived, typename Entry> class SortedCatalog {
public:
    int Count() const { return static_cast<int>(m_entries.size()); }
    bool IsValidIndex(int index) const { return index >= 0 && index < Count(); }
    // The entry at index, or nullptr outside the catalog.
    const Entry *At(int index) const { return IsValidIndex(index) ? &m_entries[size_t(index)] : nullptr; }
    const std::vector<Entry> &Entries() const { return m_entries; }

    // The entry selected in the catalog's list (-1 for none); the main window's
    // picker takes it whenever it is refilled.
    int CurrentIndex() const { return IsValidIndex(m_current) ? m_current : -1; }
    void SetCurrentIndex(int index) { m_current = index; }

    // Puts an entry at its sorted place and returns its index (no default adjustment).
    int Insert(Entry entry)
    {
        const int at =
            CatalogInsertPosition(m_entries, Derived::NameOf(entry),
                                  [](const Entry &e) -> const QString & { return Derived::NameOf(e); });
        m_entries.insert(m_entries.begin() + at, std::move(entry));
        m_modified = true;
        return at;
    }
    void Remove(int index)
    {
        if (IsValidIndex(index)) {
            m_entries.erase(m_entries.begin() + index);
            m_modified = true;
        }
    }
    void Clear()
    {
        m_entries.clear();
        m_modified = true;
    }

    // Add: the entry at its sorted place; the default stays on its entry.
    // Returns its index.
    int Add(Entry entry)
    {
        const int at = Insert(std::move(entry));
        CatalogIndex::Added(defaultIndex(), at);
        return at;
    }
    // Rename: the entry moves to the new name's place, keeping everything else
    // and, when it was the default, its default role. Returns the new index.
    int Rename(int index, const QString &name)
    {
        if (!IsValidIndex(index))
            return -1;
        Entry moved = m_entries[size_t(index)];
        Derived::NameOf(moved) = name;
        Remove(index);
        const int at = Insert(std::move(moved));
        CatalogIndex::Renamed(defaultIndex(), index, at);
        return at;
    }
    // Delete: deleting the default makes the first entry the default. Returns
    // the index to select (the first, or -1 when empty).
    int Delete(int index)
    {
        if (!IsValidIndex(index))
            return -1;
        Remove(index);
        return CatalogIndex::Deleted(defaultIndex(), index, Count());
    }
    // Makes another entry the default (any index outside the catalog: none).
    void SetDefaultIndex(int index)
    {
        if (index != defaultIndex()) {
            defaultIndex() = index;
            m_modified = true;
        }
    }

    // Loads the section; a stored count of 0 gives the built-in entries.
    // Returns the index to select (-1 for none), which becomes the current one.
    int Load(const TQevIniFile &ini)
    {
        m_entries.clear();
        const QString &section = Derived::Section;
        const int count = ini.ReadInteger(section, QStringLiteral("Count"), 0);
        int &def = defaultIndex();
        def = ini.ReadInteger(section, QStringLiteral("Default"), 1) - 1;
        self().ReadHeader(ini);
        if (def >= count)
            def = 0;
        const QSet<QString> stored = LowerKeys(ini.ReadSectionKeys(section));
        for (int n = 0; n < std::min(count, CatalogMaxCount); ++n)
            Insert(self().ReadEntry(ini, stored, n));
        int selected = -1;
        if (def >= 0)
            selected = def;
        else if (count > 0)
            selected = 0;
        if (count == 0) {
            selected = self().InsertBuiltIns();
            def = selected;
        }
        m_modified = false;
        m_current = IsValidIndex(selected) ? selected : -1;
        return m_current;
    }
    // Erases the section and writes the whole catalog, in one replace of the file.
    void Save(TQevIniFile &ini)
    {
        IniSection section(Derived::Section);
        section.WriteInteger(QStringLiteral("Count"), Count());
        self().WriteHeader(section);
        section.WriteInteger(QStringLiteral("Default"), defaultIndex() + 1);
        for (int i = 0; i < Count(); ++i)
            self().WriteEntry(section, i, m_entries[size_t(i)]);
        ini.WriteSection(section);
        m_modified = false;
    }
    // Whether the catalog changed since it was loaded or saved.
    bool Modified() const { return m_modified; }
    // The save at shutdown: only a catalog that changed is written, or one whose
    // section the file lacks (a first run), so a second running copy that exits
    // later does not write back a catalog it never touched over the first
    // copy's changes. Returns whether it wrote.
    bool SaveAtShutdown(TQevIniFile &ini)
    {
        if (!m_modified && ini.SectionExists(Derived::Section))
            return false;
        Save(ini);
        return true;
    }

protected:
    SortedCatalog() = default;
    // The entry at index for an edit in place; the caller marks the change.
    Entry &EntryAt(int index) { return m_entries[size_t(index)]; }
    void MarkModified() { m_modified = true; }

private:
    Derived &self() { return static_cast<Derived &>(*this); }
    int &defaultIndex() { return self().DefaultIndexField(); }

    std::vector<Entry> m_entries;
    bool m_modified = false;
    int m_current = -1;
};

} // namespace zentrope
