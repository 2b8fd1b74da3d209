#pragma once

#include "contacts/Contact.h"
#include "contacts/Csv.h"

#include <QString>
#include <QStringList>

namespace zentrope {

class TQevIniFile;

// The exports whose columns are known by their header.
enum class CsvPreset {
    None,
    GoogleContacts, // old ("Given Name", "Address 1 - Type") and new ("First Name", "Address 1 - Label")
    Outlook,        // English headers, "Business Street" ... "Home Country/Region"
    Thunderbird,    // English or German headers
};

// "Google Contacts", "Outlook", "Thunderbird"; empty for None.
QString CsvPresetName(CsvPreset preset);

// Which column holds what in a file whose header is not known: column
// indexes into the header, -1 for none. Street and Extra (a second address
// line, printed after the street) may hold several lines.
struct ColumnMapping {
    int Name = -1;
    int Company = -1;
    int Street = -1;
    int Extra = -1;
    int City = -1;
    int Region = -1;
    int PostalCode = -1;
    int Country = -1;

    // No column mapped at all.
    bool IsEmpty() const;
    // Every column mapped exists in a header of that many columns.
    bool FitsHeader(qsizetype columns) const;
    bool operator==(const ColumnMapping &) const = default;
};

// Recognises a header written by one of the known exports; header cells are
// compared ignoring case, accents, blanks and punctuation, so the wordings of
// different versions meet.
CsvPreset RecognizeCsvHeader(const QStringList &header);

// The contacts of a table whose header is a known export (none for
// CsvPreset::None). Google's cells that hold several values joined by " ::: "
// give one line per value; a cell "* Home" marks the preferred address.
// Unreadable counts the table's damaged records.
ContactList CsvContacts(const CsvTable &table);

// The contacts of a table through a mapping: the name column gives the name
// line, and each row one address.
ContactList CsvContacts(const CsvTable &table, const ColumnMapping &mapping);

// A first guess at the mapping from the header's words (English and German),
// for the user to correct.
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
