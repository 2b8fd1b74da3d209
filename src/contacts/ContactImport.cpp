#include "contacts/ContactImport.h"

#include "contacts/VCard.h"
#include "core/Error.h"

#include <QCoreApplication>
#include <QFile>

namespace zentrope {

ContactFileFormat DetectContactFileFormat(const QByteArray &bytes)
{
    if (LooksLikeVCard(bytes))
        return ContactFileFormat::VCard;
    if (LooksLikeCsv(bytes))
        return ContactFileFormat::Csv;
    return ContactFileFormat::Unknown;
}

QString NotContactFileMessage(const QString &fileName)
{
    return QCoreApplication::translate("zentrope::ContactImport", "%1 is neither a vCard nor a CSV file.")
        .arg(fileName);
}

QString UnreadableMessage(int count)
{
    if (count <= 0)
        return QString();
    if (count == 1)
        return QCoreApplication::translate("zentrope::ContactImport", "1 contact could not be read.");
    return QCoreApplication::translate("zentrope::ContactImport", "%1 contacts could not be read.")
        .arg(count);
}

ContactImport ReadContacts(const QByteArray &bytes, const QString &fileName, const TQevIniFile *settings)
{
    ContactImport import;
    import.Format = DetectContactFileFormat(bytes);
    switch (import.Format) {
    case ContactFileFormat::Unknown:
        throw ZentropeError(NotContactFileMessage(fileName));
    case ContactFileFormat::VCard: {
        ContactList list = ReadVCards(bytes);
        import.Contacts = std::move(list.Contacts);
        import.Unreadable = list.Unreadable;
        return import;
    }
    case ContactFileFormat::Csv:
        break;
    }
    import.Table = ReadCsvTable(bytes);
    import.Preset = RecognizeCsvHeader(import.Table.Header);
    if (import.Preset != CsvPreset::None) {
        ContactList list = CsvContacts(import.Table);
        import.Contacts = std::move(list.Contacts);
        import.Unreadable = list.Unreadable;
        return import;
    }
    ColumnMapping remembered;
    if (settings && LoadImportMapping(*settings, import.Table.Header, remembered)) {
        ApplyColumnMapping(import, remembered);
        return import;
    }
    import.Mapping = GuessColumnMapping(import.Table.Header);
    import.NeedsMapping = true;
    return import;
}

ContactImport ReadContactFile(const QString &fileName, const TQevIniFile *settings)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw ZentropeError(
            QCoreApplication::translate("zentrope::ContactImport", "Cannot open file %1.").arg(fileName));
    if (file.size() > ContactFileCapacity)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::ContactImport", "%1 is too large to import.")
                .arg(fileName));
    const QByteArray bytes = file.read(ContactFileCapacity + 1);
    if (file.error() != QFileDevice::NoError)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::ContactImport", "Cannot open file %1.").arg(fileName));
    if (bytes.size() > ContactFileCapacity)
        throw ZentropeError(
            QCoreApplication::translate("zentrope::ContactImport", "%1 is too large to import.")
                .arg(fileName));
    return ReadContacts(bytes, fileName, settings);
}

void ApplyColumnMapping(ContactImport &import, const ColumnMapping &mapping)
{
    ContactList list = CsvContacts(import.Table, mapping);
    import.Contacts = std::move(list.Contacts);
    import.Unreadable = list.Unreadable;
    import.Mapping = mapping;
    import.NeedsMapping = false;
}

} // namespace zentrope
