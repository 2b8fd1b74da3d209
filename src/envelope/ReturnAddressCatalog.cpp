#include "envelope/ReturnAddressCatalog.h"

#include "envelope/Collation.h"
#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <algorithm>

namespace zentrope {

namespace {
QString descriptionKey(int index)
{
    return QStringLiteral("Description") + QString::number(index + 1);
}

QString addressKey(int index)
{
    return QStringLiteral("Address") + QString::number(index + 1);
}
} // namespace

void TReturnAddressCatalog::SetLines(int index, const QStringList &lines)
{
    if (IsValidIndex(index) && m_entries[index].Lines != lines) {
        m_entries[index].Lines = lines;
        m_modified = true;
    }
}

void TReturnAddressCatalog::SetDefaultIndex(int index)
{
    if (index != DefaultIndex) {
        DefaultIndex = index;
        m_modified = true;
    }
}

int TReturnAddressCatalog::Insert(const QString &description, const QStringList &lines)
{
    const int at =
        CatalogInsertPosition(m_entries, description, [](const ReturnAddress &e) { return e.Description; });
    m_entries.insert(m_entries.begin() + at, ReturnAddress{description, lines});
    m_modified = true;
    return at;
}

void TReturnAddressCatalog::Remove(int index)
{
    if (IsValidIndex(index)) {
        m_entries.erase(m_entries.begin() + index);
        m_modified = true;
    }
}

int TReturnAddressCatalog::Load(const TQevIniFile &ini)
{
    m_entries.clear();
    const int count = ini.ReadInteger(Section, QStringLiteral("Count"), 0);
    DefaultIndex = ini.ReadInteger(Section, QStringLiteral("Default"), 1) - 1;
    if (DefaultIndex >= count)
        DefaultIndex = 0;
    const QSet<QString> stored = LowerKeys(ini.ReadSectionKeys(Section));
    for (int n = 0; n < std::min(count, CatalogMaxCount); ++n) {
        QStringList lines;
        if (stored.contains(addressKey(n).toLower() + QStringLiteral("_count")))
            ini.ReadTStrings(Section, addressKey(n), lines);
        QString description;
        if (stored.contains(descriptionKey(n).toLower()))
            description = ini.ReadString(Section, descriptionKey(n), QString());
        Insert(description, lines);
    }
    int selected = -1;
    if (DefaultIndex >= 0)
        selected = DefaultIndex;
    else if (count > 0)
        selected = 0;
    if (count == 0) {
        selected =
            Insert(QStringLiteral("home"), {QStringLiteral("Your Name"), QStringLiteral("123 Main St."),
                                            QStringLiteral("Somewhere, XX 98765")});
        DefaultIndex = selected;
    }
    m_modified = false;
    return IsValidIndex(selected) ? selected : -1;
}

void TReturnAddressCatalog::Save(TQevIniFile &ini)
{
    TIniSection section(Section);
    section.WriteInteger(QStringLiteral("Count"), Count());
    section.WriteInteger(QStringLiteral("Default"), DefaultIndex + 1);
    for (int i = 0; i < Count(); ++i) {
        section.WriteString(descriptionKey(i), m_entries[i].Description);
        section.WriteTStrings(addressKey(i), m_entries[i].Lines);
    }
    ini.WriteSection(section);
    m_modified = false;
}

bool TReturnAddressCatalog::SaveAtShutdown(TQevIniFile &ini)
{
    if (!m_modified && ini.SectionExists(Section))
        return false;
    Save(ini);
    return true;
}

int TReturnAddressCatalog::Add(const QString &description)
{
    const int at = Insert(description, {});
    CatalogIndex::Added(DefaultIndex, at);
    return at;
}

int TReturnAddressCatalog::Rename(int index, const QString &description)
{
    if (!IsValidIndex(index))
        return -1;
    const QStringList lines = m_entries[index].Lines;
    Remove(index);
    const int at = Insert(description, lines);
    CatalogIndex::Renamed(DefaultIndex, index, at);
    return at;
}

int TReturnAddressCatalog::Delete(int index)
{
    if (!IsValidIndex(index))
        return -1;
    Remove(index);
    return CatalogIndex::Deleted(DefaultIndex, index, Count());
}

} // namespace zentrope
