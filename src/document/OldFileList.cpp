#include "document/OldFileList.h"

namespace zentrope {

namespace {
const QString kSection = QStringLiteral("OldFiles");
const QString kPrefix = QStringLiteral("File");
} // namespace

TOldFileList::TOldFileList(TQevIniFile &ini) : m_ini(ini)
{
    m_ini.ReadTStringList(kSection, kPrefix, *this);
}

QString TOldFileList::Normalized(const QString &fileName)
{
    qsizetype n = fileName.size();
    while (n > 0 && fileName.at(n - 1).unicode() <= 32)
        --n;
    return fileName.left(n);
}

QString TOldFileList::Caption(int index, const QString &fileName)
{
    QString name = fileName;
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QLatin1Char('&') + QString::number(index + 1) + QLatin1Char(' ') + name;
}

void TOldFileList::OpenedFile(const QString &FileName)
{
    const QString entry = Normalized(FileName);
    Items.removeAll(entry);
    while (Items.size() >= MaxFiles)
        Items.removeLast();
    Items.prepend(entry);
    m_ini.EraseSection(kSection);
    m_ini.WriteTStringList(kSection, kPrefix, *this);
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
