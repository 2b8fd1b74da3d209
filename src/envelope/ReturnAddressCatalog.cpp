#include "envelope/ReturnAddressCatalog.h"

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

void ReturnAddressCatalog::SetLines(int index, const QStringList &lines)
{
    if (IsValidIndex(index) && EntryAt(index).Lines != lines) {
        EntryAt(index).Lines = lines;
        MarkEdited(index);
    }
}

ReturnAddress ReturnAddressCatalog::ReadEntry(const TQevIniFile &ini, const QSet<QString> &stored,
                                              int index) const
{
    ReturnAddress a;
    if (stored.contains(addressKey(index).toLower() + QStringLiteral("_count")))
        ini.ReadTStrings(Section, addressKey(index), a.Lines);
    if (stored.contains(descriptionKey(index).toLower()))
        a.Description = ini.ReadString(Section, descriptionKey(index), QString());
    return a;
}

void ReturnAddressCatalog::WriteEntry(IniSection &section, int index, const ReturnAddress &entry) const
{
    section.WriteString(descriptionKey(index), entry.Description);
    section.WriteTStrings(addressKey(index), entry.Lines);
}

int ReturnAddressCatalog::InsertBuiltIns()
{
    return Insert(QStringLiteral("home"), {QStringLiteral("Your Name"), QStringLiteral("123 Main St."),
                                           QStringLiteral("Somewhere, XX 98765")});
}

} // namespace zentrope
