// The vCard reader on hostile input: it never fails, and whatever it reads
// gives envelopes without empty or untrimmed lines, so an import can never
// split or merge envelopes in the address text.
#include "ContactInvariants.h"
#include "contacts/ContactImport.h"
#include "contacts/VCard.h"

#include <QByteArray>
#include <cstdint>

using namespace zentrope;
using namespace zentrope::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ContactList list = ReadVCards(input);
    check(list.Unreadable >= 0, "negative count");
    checkContacts(list.Contacts, {"US", "DE", "GB"}, true);
    const QList<ImportChoice> choices = DefaultChoices(list.Contacts);
    const QString all = ImportedText(list.Contacts, choices, QStringLiteral("US"));
    check(!all.contains(QStringLiteral("\n\n\n")), "more than one empty line between envelopes");
    check(all.isEmpty() || all.split(QStringLiteral("\n\n")).size() <= choices.size(),
          "more envelopes than choices");
    (void)DetectContactFileFormat(input);
    return 0;
}
