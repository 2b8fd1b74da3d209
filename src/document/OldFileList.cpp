#include "document/OldFileList.h"

#include "core/FileName.h"
#include "settings/IniSection.h"

namespace zentrope {

namespace {
const QString kSection = QStringLiteral("OldFiles");
const QString kPrefix = QStringLiteral("File");
} // namespace

TOldFileList::TOldFileList(TQevIniFile &ini) : m_ini(ini)
{
    m_ini.ReadTStringList(kSection, kPrefix, *this);
}

bool TOldFileList::Storable(const QString &fileName)
{
    return !fileName.isEmpty() && !fileName.contains(QLatin1Char('\n')) &&
           !fileName.contains(QLatin1Char('\r')) && !fileName.contains(QChar(0)) &&
           !HasUndecodedBytes(fileName);
}

QString TOldFileList::StoredValue(const QString &fileName)
{
    // A read trims blanks around a value and takes one pair of matching
    // quotes off it: such a name goes in quotes, so it reads back exactly.
    const auto blank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\v') ||
               c == QLatin1Char('\f');
    };
    const QChar first = fileName.front(), last = fileName.back();
    const bool quoted =
        fileName.size() >= 2 && first == last && (first == QLatin1Char('"') || first == QLatin1Char('\''));
    if (blank(first) || blank(last) || quoted)
        return QLatin1Char('"') + fileName + QLatin1Char('"');
    return fileName;
}

QString TOldFileList::Caption(int index, const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + name;
}

void TOldFileList::OpenedFile(const QString &FileName)
{
    // A name that cannot be one line of the settings file stays out of the
    // list; the other entries stay as they are.
    if (!Storable(FileName))
        return;
    QStringList items = Items;
    items.removeAll(FileName);
    while (items.size() >= MaxFiles)
        items.removeLast();
    items.prepend(FileName);
    QStringList stored;
    for (const QString &item : std::as_const(items))
        stored << (Storable(item) ? StoredValue(item) : QString());
    // The section whole, in one write: a failure leaves the file and the list as they were.
    IniSection section(kSection);
    section.WriteTStrings(kPrefix, stored);
    m_ini.WriteSection(section);
    Items = items;
}

QString TOldFileList::GetFilename(QObject *Sender)
{
    const auto *a = qobject_cast<QAction *>(Sender);
    return a ? a->data().toString() : QString();
}

void TOldFileList::UpdateOtherList(QStringList &other) const
{
    other = Items;
}

void TOldFileList::UpdateOtherList(TStringList &other) const
{
    other.Clear();
    for (const QString &s : Items)
        other.Add(s);
}

} // namespace zentrope
