// The vCard reader on hostile input: it never fails (a line past the bound is
// refused with the address files' message, nothing else), and whatever it
// reads gives envelopes without empty or untrimmed lines, so an import can
// never split or merge envelopes in the address text.
#include "ContactInvariants.h"
#include "contacts/ContactImport.h"
#include "contacts/VCard.h"
#include "core/Error.h"

#include <QByteArray>
#include <cstdint>

using namespace zentrope;
using namespace zentrope::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    ContactList list;
    try {
        list = ReadVCards(input);
    } catch (const ZentropeError &e) {
        check(e.message() == QStringLiteral("Text exceeds memo capacity."), "unexpected error");
        return 0;
    }
    checkCounts(list.Counts);
    checkContacts(list.Contacts, {"US", "DE", "GB", "JP"}, true);
    const QList<ImportChoice> choices = DefaultChoices(list.Contacts);
    const QString all = ImportedText(list.Contacts, choices, QStringLiteral("US"));
    check(!all.contains(QStringLiteral("\n\n\n")), "more than one empty line between envelopes");
    check(all.isEmpty() || all.split(QStringLiteral("\n\n")).size() <= choices.size(),
          "more envelopes than choices");
    (void)DetectContactFileFormat(input);
    return 0;
}
