#pragma once

#include "envelope/Collation.h"
#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <QString>
#include <algorithm>
#include <exception>
#include <functional>
#include <optional>
#include <set>
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
//   void TakeHeader(const Derived &);       the section-wide values of another copy
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
        m_modified = m_restructured = true;
        return at;
    }
    void Remove(int index)
    {
        if (IsValidIndex(index)) {
            m_entries.erase(m_entries.begin() + index);
            m_modified = m_restructured = true;
        }
    }
    void Clear()
    {
        m_entries.clear();
        m_modified = m_restructured = true;
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
            m_modified = m_restructured = true;
        }
    }

    // Loads the section; a stored count of 0 gives the built-in entries.
    // Returns the index to select (-1 for none), which becomes the current one.
    // A damaged section (a negative or oversized count, entries out of order,
    // a default that names no entry) loads as modified, so that it is written
    // back whole and in order.
    int Load(const TQevIniFile &ini) { return load(ini, true); }
    // The changes of the catalog's dialog, each made to the catalog as the
    // settings file holds it now: under the settings lock the section is read
    // again, with this copy's unsaved edits of entries kept, the one change is
    // made and the section is written. So what another running copy wrote
    // meanwhile stays. An index names an entry of the catalog as it was before
    // the change; one that another copy deleted meanwhile changes nothing.
    // `shown` gets the index to select (the new default for SetDefaultShared)
    // before a failed write is thrown, so the dialog shows the change it keeps
    // in memory either way.
    using Shown = std::function<void(int)>;
    void AddShared(TQevIniFile &ini, Entry entry, const Shown &shown)
    {
        update(
            ini, [&] { return Add(std::move(entry)); }, shown);
    }
    void RenameShared(TQevIniFile &ini, int index, const QString &name, const Shown &shown)
    {
        const EntryKey key = keyOf(index);
        update(
            ini, [&] { return Rename(indexOf(key), name); }, shown);
    }
    void DeleteShared(TQevIniFile &ini, int index, const Shown &shown)
    {
        const EntryKey key = keyOf(index);
        update(
            ini,
            [&] {
                const int at = indexOf(key);
                return at < 0 ? (Count() > 0 ? 0 : -1) : Delete(at);
            },
            shown);
    }
    void SetDefaultShared(TQevIniFile &ini, int index, const Shown &shown)
    {
        const EntryKey key = keyOf(index);
        update(
            ini,
            [&] {
                if (key.Name.isNull())
                    SetDefaultIndex(-1);
                else if (const int at = indexOf(key); at >= 0)
                    SetDefaultIndex(at);
                return defaultIndex();
            },
            shown);
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
        m_modified = m_restructured = false;
        m_edited.clear();
        m_headerEdited = false;
    }
    // Whether the catalog changed since it was loaded or saved (or was read
    // from a damaged section).
    bool Modified() const { return m_modified; }
    // The save at shutdown: only a catalog that changed is written, or one whose
    // section the file lacks (a first run), so a second running copy that exits
    // later does not write back a catalog it never touched over the first
    // copy's changes. Returns whether it wrote.
    bool SaveAtShutdown(TQevIniFile &ini)
    {
        if (!m_modified && ini.SectionExists(Derived::Section))
            return false;
        // A catalog changed only by edits in place (or read from a damaged
        // section) is read again first, keeping what another copy added since.
        if (m_restructured)
            Save(ini);
        else
            update(
                ini, [] { return 0; }, Shown());
        return true;
    }

protected:
    SortedCatalog() = default;
    // The entry at index for an edit in place; MarkEdited tells of the change.
    Entry &EntryAt(int index) { return m_entries[size_t(index)]; }
    void MarkEdited(int index)
    {
        m_edited.insert(keyOf(index));
        m_modified = true;
    }
    // A change of the section-wide values (Derived::TakeHeader carries it over
    // a reading again).
    void MarkHeaderEdited()
    {
        m_headerEdited = true;
        m_modified = true;
    }

private:
    Derived &self() { return static_cast<Derived &>(*this); }
    int &defaultIndex() { return self().DefaultIndexField(); }

    // An entry by its name and, among entries of exactly that name, its rank:
    // what still finds it after the section was read again.
    struct EntryKey {
        QString Name;
        int Rank = 0;
        bool operator<(const EntryKey &o) const { return Name < o.Name || (Name == o.Name && Rank < o.Rank); }
    };
    EntryKey keyOf(int index) const
    {
        if (!IsValidIndex(index))
            return {};
        const QString &name = Derived::NameOf(m_entries[size_t(index)]);
        int rank = 0;
        for (int i = 0; i < index; ++i)
            rank += Derived::NameOf(m_entries[size_t(i)]) == name ? 1 : 0;
        return {name.isNull() ? QStringLiteral("") : name, rank};
    }
    int indexOf(const EntryKey &key) const
    {
        int rank = 0;
        for (int i = 0; i < Count() && !key.Name.isNull(); ++i) {
            if (Derived::NameOf(m_entries[size_t(i)]) == key.Name && rank++ == key.Rank)
                return i;
        }
        return -1;
    }

    int load(const TQevIniFile &ini, bool builtIns)
    {
        m_entries.clear();
        m_edited.clear();
        m_headerEdited = false;
        const QString &section = Derived::Section;
        const int count = ini.ReadInteger(section, QStringLiteral("Count"), 0);
        int &def = defaultIndex();
        def = ini.ReadInteger(section, QStringLiteral("Default"), 1) - 1;
        self().ReadHeader(ini);
        bool damaged = count < 0 || count > CatalogMaxCount || def < -1 || (count > 0 && def >= count);
        if (def >= count)
            def = 0;
        def = std::max(def, -1);
        const QSet<QString> stored = LowerKeys(ini.ReadSectionKeys(section));
        for (int n = 0; n < std::min(count, CatalogMaxCount); ++n)
            damaged = Insert(self().ReadEntry(ini, stored, n)) != n || damaged;
        int selected = -1;
        if (def >= 0)
            selected = def;
        else if (count > 0)
            selected = 0;
        if (count == 0 && builtIns) {
            selected = self().InsertBuiltIns();
            def = selected;
        }
        m_modified = damaged;
        m_restructured = false;
        m_current = IsValidIndex(selected) ? selected : -1;
        return m_current;
    }

    // Reads the section again under the settings lock, puts this copy's edits
    // of entries back, makes the change and writes the section.
    template <typename Change> void update(TQevIniFile &ini, Change change, const Shown &shown)
    {
        int result = -1;
        std::exception_ptr failed;
        ini.Transaction([&] {
            std::vector<std::pair<EntryKey, Entry>> edits;
            for (const EntryKey &key : m_edited) {
                if (const int at = indexOf(key); at >= 0)
                    edits.emplace_back(key, m_entries[size_t(at)]);
            }
            std::optional<Derived> before;
            if (m_headerEdited)
                before.emplace(self());
            // Built-ins only where the section is missing: a catalog emptied
            // on purpose stays empty while the user adds to it.
            load(ini, !ini.SectionExists(Derived::Section));
            for (auto &[key, entry] : edits) {
                if (const int at = indexOf(key); at >= 0)
                    m_entries[size_t(at)] = std::move(entry);
            }
            if (before)
                self().TakeHeader(*before);
            result = change();
            try {
                Save(ini);
            } catch (...) {
                // Kept in memory, edits and all, for the save at exit.
                m_modified = m_restructured = true;
                failed = std::current_exception();
            }
        });
        if (shown)
            shown(result);
        if (failed)
            std::rethrow_exception(failed);
    }

    std::vector<Entry> m_entries;
    std::set<EntryKey> m_edited; // entries edited in place since the last write
    bool m_headerEdited = false;
    bool m_modified = false;
    bool m_restructured = false; // entries or default changed in memory alone
    int m_current = -1;
};

} // namespace zentrope
