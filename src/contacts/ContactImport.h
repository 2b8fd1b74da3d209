#pragma once

#include "contacts/Contact.h"
#include "contacts/Csv.h"
#include "contacts/CsvContacts.h"

#include <QByteArray>
#include <QString>

namespace zentrope {

class TQevIniFile;

enum class ContactFileFormat { Unknown, VCard, Csv };

// vCard when the first line that is not blank opens a card; CSV when the file
// is text whose first record has two cells or more; Unknown otherwise.
ContactFileFormat DetectContactFileFormat(const QByteArray &bytes);

// A contact file read for the picker.
struct ContactImport {
    ContactFileFormat Format = ContactFileFormat::Unknown;
    QList<Contact> Contacts; // in file order, those without an address too
    int Unreadable = 0;      // damaged contacts skipped

    // CSV only.
    CsvPreset Preset = CsvPreset::None;
    CsvTable Table; // kept, so a mapping is applied without reading the file again
    // Without a preset: the mapping the contacts were read with (remembered
    // for this header), or, when NeedsMapping, a guess for the user to correct.
    ColumnMapping Mapping;
    bool NeedsMapping = false; // the columns are unknown: ask, then ApplyColumnMapping
};

// The largest contact file read, far beyond any address book's export.
inline constexpr qint64 ContactFileCapacity = qint64(256) * 1024 * 1024;

// Reads a vCard or CSV file. A CSV file whose header is no known export takes
// the mapping remembered for its header in settings (when given), else comes
// back with NeedsMapping and no contacts. Throws "Cannot open file <name>."
// when the file cannot be read, "<name> is too large to import." beyond the
// capacity, and NotContactFileMessage when it is neither format.
ContactImport ReadContactFile(const QString &fileName, const TQevIniFile *settings = nullptr);

// The same for bytes already read; fileName only names the file in messages.
ContactImport ReadContacts(const QByteArray &bytes, const QString &fileName,
                           const TQevIniFile *settings = nullptr);

// Reads the CSV table again through the mapping the user chose: fills the
// contacts and clears NeedsMapping. Remembering it is SaveImportMapping's job.
void ApplyColumnMapping(ContactImport &import, const ColumnMapping &mapping);

// "<name> is neither a vCard nor a CSV file."
QString NotContactFileMessage(const QString &fileName);

// "1 contact could not be read." or "<n> contacts could not be read."; empty
// for none.
QString UnreadableMessage(int count);

} // namespace zentrope
