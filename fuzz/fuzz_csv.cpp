// The CSV reader on hostile input: it never fails (a line past the bound is
// refused with the address files' message, nothing else), keeps the cells of
// a record within the header's columns, and what a preset or a guessed
// mapping reads gives envelopes without empty or untrimmed lines. The first
// byte picks a character set, as a user would.
#include "ContactInvariants.h"
#include "contacts/ContactImport.h"
#include "contacts/Csv.h"
#include "contacts/CsvContacts.h"
#include "core/Error.h"

#include <QByteArray>
#include <cstdint>

using namespace zentrope;
using namespace zentrope::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QByteArray charsets[] = {
        "", "", "Shift_JIS", "ISO-8859-2", "windows-1251", "UTF-16LE", "GB18030", "no-such-charset"};
    const QByteArray charset = size > 0 ? charsets[data[0] % std::size(charsets)] : QByteArray();
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    CsvTable table;
    try {
        table = ReadCsvTable(input, charset);
    } catch (const ZentropeError &e) {
        check(e.message() == QStringLiteral("Text exceeds memo capacity."), "unexpected error");
        return 0;
    }
    check(table.OpenQuote >= 0 && table.ExtraCells >= 0, "negative count");
    for (qsizetype r = 0; r < table.RowCount(); ++r)
        check(table.Row(r).size() <= table.Header.size(), "a record keeps cells beyond the header");

    const ColumnMapping guess = GuessColumnMapping(table.Header);
    check(guess.FitsHeader(table.Header.size()), "guessed column outside the header");
    const ContactList list =
        RecognizeCsvHeader(table.Header) != CsvPreset::None ? CsvContacts(table) : CsvContacts(table, guess);
    checkCounts(list.Counts);
    check(list.Counts.OpenQuote == table.OpenQuote && list.Counts.ExtraCells == table.ExtraCells,
          "reader count lost");
    checkContacts(list.Contacts, {"US"}, false);
    const QList<ImportChoice> choices = DefaultChoices(list.Contacts);
    const QString all = ImportedText(list.Contacts, choices, QStringLiteral("DE"));
    check(!all.contains(QStringLiteral("\n\n\n")), "more than one empty line between envelopes");
    check(all.isEmpty() || all.split(QStringLiteral("\n\n")).size() <= choices.size(),
          "more envelopes than choices");
    (void)DetectContactFileFormat(input);
    return 0;
}
