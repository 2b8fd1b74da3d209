#include "contacts/ContactImport.h"

#include "contacts/VCard.h"
#include "core/Error.h"
#include "core/RegularFile.h"
#include "document/AddressFile.h"

#include <QCoreApplication>
#include <QLocale>

namespace zentrope {

namespace {

// A text of this module in the user's language.
QString translated(const char *text)
{
    return QCoreApplication::translate("zentrope::ContactImport", text);
}

// The CSV table read again from the kept bytes; the contacts follow the
// export's columns, a mapping, or wait for one.
void readTable(ContactImport &import, const TQevIniFile *settings)
{
    import.Table = ReadCsvTable(import.Bytes, import.Charset);
    import.Preset = RecognizeCsvHeader(import.Table.Header);
    import.NeedsMapping = false;
    if (import.Preset != CsvPreset::None) {
        ContactList list = CsvContacts(import.Table);
        import.Contacts = std::move(list.Contacts);
        import.Counts = list.Counts;
        return;
    }
    ColumnMapping remembered;
    if (settings && LoadImportMapping(*settings, import.Table.Header, remembered)) {
        ApplyColumnMapping(import, remembered);
        return;
    }
    import.Contacts.clear();
    import.Counts = ReadCounts{};
    import.Counts.OpenQuote = import.Table.OpenQuote;
    import.Counts.ExtraCells = import.Table.ExtraCells;
    import.Counts.BeyondCapacity = import.Table.BeyondCapacity;
    import.Mapping = GuessColumnMapping(import.Table.Header);
    import.NeedsMapping = true;
}

} // namespace

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

QString ReadReport(int read, const ReadCounts &counts)
{
    const QLocale locale;
    QStringList sentences{QCoreApplication::translate("zentrope::ContactImport", "Contacts read: %1.")
                              .arg(locale.toString(read))};
    QStringList skipped;
    const auto reason = [&](int n, const char *text) {
        if (n > 0)
            skipped.append(translated(text).arg(locale.toString(n)));
    };
    reason(counts.NotClosed, QT_TRANSLATE_NOOP("zentrope::ContactImport", "%1 not closed"));
    reason(counts.OpenQuote, QT_TRANSLATE_NOOP("zentrope::ContactImport", "%1 with a quote not closed"));
    reason(counts.ExtraCells,
           QT_TRANSLATE_NOOP("zentrope::ContactImport", "%1 with more cells than the header"));
    reason(counts.Empty, QT_TRANSLATE_NOOP("zentrope::ContactImport", "%1 without a name or an address"));
    if (counts.BeyondCapacity > 0)
        skipped.append(QCoreApplication::translate("zentrope::ContactImport", "%1 after the first %2")
                           .arg(locale.toString(counts.BeyondCapacity), locale.toString(ContactCapacity)));
    if (!skipped.isEmpty())
        sentences.append(QCoreApplication::translate("zentrope::ContactImport", "Skipped: %1.")
                             .arg(skipped.join(QStringLiteral(", "))));
    if (counts.DamagedLines > 0)
        sentences.append(
            QCoreApplication::translate("zentrope::ContactImport", "Damaged lines passed over: %1.")
                .arg(locale.toString(counts.DamagedLines)));
    return sentences.join(QLatin1Char(' '));
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
        import.Counts = list.Counts;
        return import;
    }
    case ContactFileFormat::Csv:
        break;
    }
    import.Bytes = bytes;
    readTable(import, settings);
    return import;
}

ContactImport ReadContactFile(const QString &fileName, const TQevIniFile *settings)
{
    const RegularFileBytes file = readRegularFile(fileName, AddressFileCapacity);
    switch (file.status) {
    case RegularFileBytes::Status::Ok:
        break;
    case RegularFileBytes::Status::TooLarge:
        throw ZentropeError(
            QCoreApplication::translate("zentrope::AddressFile", "Text exceeds memo capacity."));
    case RegularFileBytes::Status::CannotOpen:
    case RegularFileBytes::Status::NotRegular:
        throw ZentropeError(
            QCoreApplication::translate("zentrope::ContactImport", "Cannot open file %1.").arg(fileName));
    }
    return ReadContacts(file.bytes, fileName, settings);
}

void ApplyColumnMapping(ContactImport &import, const ColumnMapping &mapping)
{
    ContactList list = CsvContacts(import.Table, mapping);
    import.Contacts = std::move(list.Contacts);
    import.Counts = list.Counts;
    import.Mapping = mapping;
    import.NeedsMapping = false;
}

void ChangeCharset(ContactImport &import, const QByteArray &charset)
{
    if (import.Format != ContactFileFormat::Csv)
        return;
    const ColumnMapping mapping = import.Mapping;
    const bool mapped = import.Preset == CsvPreset::None && !import.NeedsMapping;
    CsvTable table = ReadCsvTable(import.Bytes, charset);
    import.Charset = charset;
    import.Table = std::move(table);
    import.Preset = RecognizeCsvHeader(import.Table.Header);
    if (import.Preset != CsvPreset::None) {
        ContactList list = CsvContacts(import.Table);
        import.Contacts = std::move(list.Contacts);
        import.Counts = list.Counts;
        import.NeedsMapping = false;
    } else if (mapped && mapping.FitsHeader(import.Table.Header.size())) {
        ApplyColumnMapping(import, mapping);
    } else {
        readTable(import, nullptr);
    }
}

} // namespace zentrope
