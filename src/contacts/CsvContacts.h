#pragma once

#include "contacts/Contact.h"
#include "contacts/Csv.h"

#include <QString>
#include <QStringList>

namespace zentrope {

class TQevIniFile;

// The exports whose columns are known by their header, in English, German,
// French and Spanish.
enum class CsvPreset {
    None,
    GoogleContacts, // old ("Given Name", "Address 1 - Type") and new ("First Name", "Address 1 - Label")
    Outlook,     // "Business Street" ... "Home Country/Region", "Straße geschäftlich", "Rue (bureau)", ...
    Thunderbird, // "Home Address", "Privat: Adresse", "Adresse privée", ...
};

// "Google Contacts", "Outlook", "Thunderbird"; empty for None.
QString CsvPresetName(CsvPreset preset);

// Which columns hold what in a file whose header is not known: column
// indexes into the header. A part may take several columns (first and last
// name, street and house number), joined with a blank in the order given;
// none leaves the part empty. Street and Extra (a second address line,
// printed after the street) may hold several lines.
struct ColumnMapping {
    QList<int> Name;
    QList<int> Company;
    QList<int> Street;
    QList<int> Extra;
    QList<int> City;
    QList<int> Region;
    QList<int> PostalCode;
    QList<int> Country;

    // No column mapped at all.
    bool IsEmpty() const;
    // Every column mapped exists in a header of that many columns.
    bool FitsHeader(qsizetype columns) const;
    bool operator==(const ColumnMapping &) const = default;
};

// The parts of a mapping in the order the columns dialog shows them.
inline constexpr QList<int> ColumnMapping::*ColumnMappingParts[] = {
    &ColumnMapping::Name, &ColumnMapping::Company, &ColumnMapping::Street,     &ColumnMapping::Extra,
    &ColumnMapping::City, &ColumnMapping::Region,  &ColumnMapping::PostalCode, &ColumnMapping::Country};

// Recognises a header written by one of the known exports; header cells are
// compared ignoring case, accents, blanks and punctuation, so the wordings of
// different versions meet.
CsvPreset RecognizeCsvHeader(const QStringList &header);

// The contacts of a table whose header is a known export (none for
// CsvPreset::None). Google's cells that hold several values joined by " ::: "
// give one line per value; a cell "* Home" marks the preferred address.
// The counts take the table's damaged records, the records without a name or
// an address and those after the first ContactCapacity contacts.
ContactList CsvContacts(const CsvTable &table);

// The contacts of a table through a mapping: the name columns give the name
// line, and each row one address. With `rows`, only that many records are read.
ContactList CsvContacts(const CsvTable &table, const ColumnMapping &mapping, qsizetype rows = -1);

// A first guess at the mapping from the header's words (English, German,
// French and Spanish), for the user to correct: first and last name make the
// name where no column holds it whole.
ColumnMapping GuessColumnMapping(const QStringList &header);

// Mappings are remembered in the settings file under this section, one key per
// header: a hash of the header's cells, so the next file with the same header
// gets the same mapping.
inline constexpr char ImportMappingSection[] = "ImportMapping";
QString ImportMappingKey(const QStringList &header);

// Loads the mapping remembered for this header; false when there is none or
// it does not fit the header.
bool LoadImportMapping(const TQevIniFile &settings, const QStringList &header, ColumnMapping &mapping);
// Remembers the mapping for this header; throws the settings store's error
// when the file cannot be written.
void SaveImportMapping(TQevIniFile &settings, const QStringList &header, const ColumnMapping &mapping);

} // namespace zentrope
