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
    ReadCounts Counts;       // what was passed over, and why

    // CSV only.
    QByteArray Bytes;   // the file, so that it can be read again in another character set
    QByteArray Charset; // the character set the user chose; empty: found from the bytes
    CsvPreset Preset = CsvPreset::None;
    CsvTable Table; // kept, so a mapping is applied without reading the file again
    // Without a preset: the mapping the contacts were read with (remembered
    // for this header), or, when NeedsMapping, a guess for the user to correct.
    ColumnMapping Mapping;
    bool NeedsMapping = false; // the columns are unknown: ask, then ApplyColumnMapping
};

// Reads a vCard or CSV file. A CSV file whose header is no known export takes
// the mapping remembered for its header in settings (when given), else comes
// back with NeedsMapping and no contacts. The file is read as address files
// are: only a regular file, never waiting on it (a FIFO or a device is
// refused at once). Throws "Cannot open file <name>." when it cannot be read,
// "Text exceeds memo capacity." when it is larger than an address file may
// be or holds a line longer than ContactLineCapacity, and
// NotContactFileMessage when it is neither format.
ContactImport ReadContactFile(const QString &fileName, const TQevIniFile *settings = nullptr);

// The same for bytes already read; fileName only names the file in messages.
ContactImport ReadContacts(const QByteArray &bytes, const QString &fileName,
                           const TQevIniFile *settings = nullptr);

// Reads the CSV table again through the mapping the user chose: fills the
// contacts and clears NeedsMapping. Remembering it is SaveImportMapping's job.
void ApplyColumnMapping(ContactImport &import, const ColumnMapping &mapping);

// Reads a CSV file again in the character set the user chose (empty: found
// from the bytes), with the export's columns or the mapping it was read
// with. Throws as ReadContactFile.
void ChangeCharset(ContactImport &import, const QByteArray &charset);

// "<name> is neither a vCard nor a CSV file."
QString NotContactFileMessage(const QString &fileName);

// How a file was read: "Contacts read: 12." and, when anything was passed
// over, "Skipped: 1 not closed, 2 without a name or an address." and
// "Damaged lines passed over: 3."
QString ReadReport(int read, const ReadCounts &counts);

} // namespace zentrope
