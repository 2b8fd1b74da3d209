#include "envelope/EnvelopeSizeCatalog.h"

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

void EnvelopeSizeCatalog::ReadHeader(const TQevIniFile &ini)
{
    FGraphicY = ini.ReadReal(Section, QStringLiteral("GraphicY"), 1);
    FGraphicX = ini.ReadReal(Section, QStringLiteral("GraphicX"), 1);
}

void EnvelopeSizeCatalog::WriteHeader(IniSection &section) const
{
    section.WriteReal(QStringLiteral("GraphicX"), FGraphicX);
    section.WriteReal(QStringLiteral("GraphicY"), FGraphicY);
}

EnvelopeSize EnvelopeSizeCatalog::ReadEntry(const TQevIniFile &ini, const QSet<QString> &stored,
                                            int index) const
{
    const QString key = entryKey(index);
    const QString lower = key.toLower();
    EnvelopeSize e;
    if (stored.contains(lower) || stored.contains(lower + QStringLiteral("_width")) ||
        stored.contains(lower + QStringLiteral("_height")) ||
        stored.contains(lower + QStringLiteral("_indent"))) {
        e.Dimension.ReadINI(ini, Section, key);
        e.Name = ini.ReadString(Section, key, QString());
    }
    return e;
}

void EnvelopeSizeCatalog::WriteEntry(IniSection &section, int index, const EnvelopeSize &entry) const
{
    section.WriteString(entryKey(index), entry.Name);
    entry.Dimension.WriteINI(section, entryKey(index));
}

int EnvelopeSizeCatalog::InsertBuiltIns()
{
    Insert(QStringLiteral("Printer Setup"), dimension(0, 0));
    Insert(QStringLiteral("Small"), dimension(6, 3.5));
    Insert(QStringLiteral("Greeting Card"), dimension(7, 5));
    return Insert(QStringLiteral("Business #10"), dimension(9, 4));
}

void EnvelopeSizeCatalog::SetGraphicSize(double x, double y)
{
    // Compared as stored, so retyping the same value is no change.
    if (IniRealValue(x) != IniRealValue(FGraphicX) || IniRealValue(y) != IniRealValue(FGraphicY))
        MarkHeaderEdited();
    FGraphicX = x;
    FGraphicY = y;
}

void EnvelopeSizeCatalog::SetDimensionFromControls(int index, const QString &width, const QString &height,
                                                   const QString &indent, LengthUnit unit)
{
    if (!IsValidIndex(index))
        return;
    TEnvelopeDimension &d = EntryAt(index).Dimension;
    const TEnvelopeDimension before = d;
    d.GetValueFromControls(width, height, indent, unit);
    if (IniRealValue(d.Width) != IniRealValue(before.Width) ||
        IniRealValue(d.Height) != IniRealValue(before.Height) ||
        IniRealValue(d.Indent) != IniRealValue(before.Indent))
        MarkEdited(index);
}

} // namespace zentrope
