#include "envelope/EnvelopeSizeCatalog.h"

#include "envelope/Collation.h"
#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <algorithm>

namespace zentrope {

namespace {
QString entryKey(int index)
{
    return QStringLiteral("Envelope") + QString::number(index + 1);
}

TEnvelopeDimension dimension(double width, double height)
{
    TEnvelopeDimension d;
    d.Width = width;
    d.Height = height;
    d.Indent = 0.0;
    return d;
}
} // namespace

int TEnvelopeSizeCatalog::Insert(const QString &name, const TEnvelopeDimension &dim)
{
    const int at = CatalogInsertPosition(m_entries, name, [](const EnvelopeSize &e) { return e.Name; });
    m_entries.insert(m_entries.begin() + at, EnvelopeSize{name, std::make_shared<TEnvelopeDimension>(dim)});
    m_modified = true;
    return at;
}

void TEnvelopeSizeCatalog::Remove(int index)
{
    if (IsValidIndex(index)) {
        m_entries.erase(m_entries.begin() + index);
        m_modified = true;
    }
}

int TEnvelopeSizeCatalog::Load(const TQevIniFile &ini)
{
    m_entries.clear();
    const int count = ini.ReadInteger(Section, QStringLiteral("Count"), 0);
    FDefaultIndex = ini.ReadInteger(Section, QStringLiteral("Default"), 1) - 1;
    FGraphicY = ini.ReadReal(Section, QStringLiteral("GraphicY"), 1);
    FGraphicX = ini.ReadReal(Section, QStringLiteral("GraphicX"), 1);
    if (FDefaultIndex >= count)
        FDefaultIndex = 0;
    const QSet<QString> stored = LowerKeys(ini.ReadSectionKeys(Section));
    for (int n = 0; n < std::min(count, CatalogMaxCount); ++n) {
        const QString key = entryKey(n);
        const QString lower = key.toLower();
        TEnvelopeDimension d;
        QString name;
        if (stored.contains(lower) || stored.contains(lower + QStringLiteral("_width")) ||
            stored.contains(lower + QStringLiteral("_height")) ||
            stored.contains(lower + QStringLiteral("_indent"))) {
            d.ReadINI(ini, Section, key);
            name = ini.ReadString(Section, key, QString());
        }
        Insert(name, d);
    }
    int selected = -1;
    if (FDefaultIndex >= 0)
        selected = FDefaultIndex;
    else if (count > 0)
        selected = 0;
    if (count == 0) {
        Insert(QStringLiteral("Printer Setup"), dimension(0, 0));
        Insert(QStringLiteral("Small"), dimension(6, 3.5));
        Insert(QStringLiteral("Greeting Card"), dimension(7, 5));
        selected = Insert(QStringLiteral("Business #10"), dimension(9, 4));
        FDefaultIndex = selected;
    }
    m_modified = false;
    return IsValidIndex(selected) ? selected : -1;
}

void TEnvelopeSizeCatalog::Save(TQevIniFile &ini)
{
    TIniSection section(Section);
    section.WriteInteger(QStringLiteral("Count"), Count());
    section.WriteReal(QStringLiteral("GraphicX"), FGraphicX);
    section.WriteReal(QStringLiteral("GraphicY"), FGraphicY);
    section.WriteInteger(QStringLiteral("Default"), FDefaultIndex + 1);
    for (int i = 0; i < Count(); ++i) {
        section.WriteString(entryKey(i), m_entries[i].Name);
        m_entries[i].Dimension->WriteINI(section, entryKey(i));
    }
    ini.WriteSection(section);
    m_modified = false;
}

bool TEnvelopeSizeCatalog::SaveAtShutdown(TQevIniFile &ini)
{
    if (!m_modified && ini.SectionExists(Section))
        return false;
    Save(ini);
    return true;
}

void TEnvelopeSizeCatalog::SetDefaultIndex(int index)
{
    if (index != FDefaultIndex) {
        FDefaultIndex = index;
        m_modified = true;
    }
}

void TEnvelopeSizeCatalog::SetGraphicSize(double x, double y)
{
    // Compared as stored, so retyping the same value is no change.
    if (IniRealValue(x) != IniRealValue(FGraphicX) || IniRealValue(y) != IniRealValue(FGraphicY))
        m_modified = true;
    FGraphicX = x;
    FGraphicY = y;
}

void TEnvelopeSizeCatalog::SetDimensionFromControls(int index, const QString &width, const QString &height,
                                                    const QString &indent, LengthUnit unit)
{
    if (!IsValidIndex(index))
        return;
    TEnvelopeDimension &d = *m_entries[index].Dimension;
    const TEnvelopeDimension before = d;
    d.GetValueFromControls(width, height, indent, unit);
    if (IniRealValue(d.Width) != IniRealValue(before.Width) ||
        IniRealValue(d.Height) != IniRealValue(before.Height) ||
        IniRealValue(d.Indent) != IniRealValue(before.Indent))
        m_modified = true;
}

int TEnvelopeSizeCatalog::Add(const QString &name)
{
    return Add(name, TEnvelopeDimension());
}

int TEnvelopeSizeCatalog::Add(const QString &name, const TEnvelopeDimension &dimension)
{
    const int at = Insert(name, dimension);
    CatalogIndex::Added(FDefaultIndex, at);
    return at;
}

int TEnvelopeSizeCatalog::Rename(int index, const QString &name)
{
    if (!IsValidIndex(index))
        return -1;
    const TEnvelopeDimension copy = *m_entries[index].Dimension;
    Remove(index);
    const int at = Insert(name, copy);
    CatalogIndex::Renamed(FDefaultIndex, index, at);
    return at;
}

int TEnvelopeSizeCatalog::Delete(int index)
{
    if (!IsValidIndex(index))
        return -1;
    Remove(index);
    return CatalogIndex::Deleted(FDefaultIndex, index, Count());
}

} // namespace zentrope
