#pragma once

#include <QSet>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace zentrope {

// The one order of both catalogs, their list boxes, the main window's pickers
// and the positions stored in the settings file: alphabetical, ignoring letter
// case, independent of the locale so stored positions mean the same everywhere.
inline int CatalogCompare(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive);
}

// Where a new name goes in a sorted sequence: after every entry that sorts
// equal to it, so an entry among equal names is added last.
template <typename Entry, typename NameOf>
int CatalogInsertPosition(const std::vector<Entry> &entries, const QString &name, NameOf nameOf)
{
    const auto at =
        std::upper_bound(entries.begin(), entries.end(), name,
                         [&](const QString &n, const Entry &e) { return CatalogCompare(n, nameOf(e)) < 0; });
    return static_cast<int>(at - entries.begin());
}

// The index arithmetic both catalogs share: their default index keeps naming
// the same entry while entries come, go and move.
namespace CatalogIndex {
// An entry was inserted at `at`.
inline void Added(int &defaultIndex, int at)
{
    if (at <= defaultIndex)
        ++defaultIndex;
}
// A rename moved the entry at `from` to `to` (taken out, then put at its new
// sorted place); the default moves along when it was that entry.
inline void Renamed(int &defaultIndex, int from, int to)
{
    const bool wasDefault = from == defaultIndex;
    if (from < defaultIndex)
        --defaultIndex;
    Added(defaultIndex, to);
    if (wasDefault)
        defaultIndex = to;
}
// The entry at `index` was deleted, `countAfter` entries remain; a deleted
// default passes to the first entry. Returns the index to select.
inline int Deleted(int &defaultIndex, int index, int countAfter)
{
    if (index == defaultIndex)
        defaultIndex = 0;
    else if (index < defaultIndex)
        --defaultIndex;
    return countAfter > 0 ? 0 : -1;
}
} // namespace CatalogIndex

// The keys of a section, in lower case, so a load can skip the reads of
// entries that are not stored at all (each read goes to the file).
inline QSet<QString> LowerKeys(const QStringList &keys)
{
    QSet<QString> out;
    for (const QString &k : keys)
        out.insert(k.toLower());
    return out;
}

// The most entries a catalog loads, as many as the platform's list box could
// hold: a damaged or hand-edited count must not stall the start-up.
inline constexpr int CatalogMaxCount = 32767;

} // namespace zentrope
