// The CSV reader on hostile input: it never fails, keeps the cells of a record
// within the header's columns, and what a preset or a guessed mapping reads
// gives envelopes without empty or untrimmed lines.
#include "ContactInvariants.h"
#include "contacts/ContactImport.h"
#include "contacts/Csv.h"
#include "contacts/CsvContacts.h"

#include <QByteArray>
#include <cstdint>

using namespace zentrope;
using namespace zentrope::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CsvTable table = ReadCsvTable(input);
    check(table.Unreadable >= 0, "negative count");
    for (const QStringList &row : table.Rows)
        for (qsizetype i = table.Header.size(); i < row.size(); ++i)
            check(row[i].trimmed().isEmpty(), "a record fills cells beyond the header");

    const ColumnMapping guess = GuessColumnMapping(table.Header);
    check(guess.FitsHeader(table.Header.size()), "guessed column outside the header");
    const ContactList list =
        RecognizeCsvHeader(table.Header) != CsvPreset::None ? CsvContacts(table) : CsvContacts(table, guess);
    check(list.Unreadable == table.Unreadable, "reader count lost");
    checkContacts(list.Contacts, {"US"}, false);
    const QList<ImportChoice> choices = DefaultChoices(list.Contacts);
    const QString all = ImportedText(list.Contacts, choices, QStringLiteral("DE"));
    check(!all.contains(QStringLiteral("\n\n\n")), "more than one empty line between envelopes");
    check(all.isEmpty() || all.split(QStringLiteral("\n\n")).size() <= choices.size(),
          "more envelopes than choices");
    (void)DetectContactFileFormat(input);
    return 0;
}
