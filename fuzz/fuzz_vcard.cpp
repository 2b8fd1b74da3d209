// The vCard reader on hostile input: it never fails, and whatever it reads
// gives envelopes without empty or untrimmed lines, so an import can never
// split or merge envelopes in the address text.
#include "contacts/ContactImport.h"
#include "contacts/Envelopes.h"
#include "contacts/VCard.h"

#include <QByteArray>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace zentrope;

namespace {

void check(bool ok, const char *what)
{
    if (!ok) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}

void checkEnvelope(const QString &text)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        check(!line.isEmpty(), "empty line inside an envelope");
        check(line == line.trimmed(), "untrimmed envelope line");
        for (QChar c : line)
            check(c.category() != QChar::Other_Control && c != u'\r', "control character in an envelope");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ContactList list = ReadVCards(input);
    check(list.Unreadable >= 0, "negative count");
    for (const Contact &c : list.Contacts) {
        check(!c.IsEmpty(), "empty contact listed");
        const int chosen = c.DefaultAddress();
        check(chosen >= -1 && chosen < c.Addresses.size(), "default address out of range");
        check((chosen >= 0) == c.HasAddress(), "default address without addresses");
        for (int i = 0; i < c.Addresses.size(); ++i) {
            check(!c.Addresses[i].IsEmpty(), "empty address kept");
            for (const char *home : {"US", "DE", "GB"}) {
                const QString text = EnvelopeText(c, i, QString::fromLatin1(home));
                if (!text.isEmpty())
                    checkEnvelope(text);
            }
        }
    }
    const QList<ImportChoice> choices = DefaultChoices(list.Contacts);
    const QString all = ImportedText(list.Contacts, choices, QStringLiteral("US"));
    check(!all.contains(QStringLiteral("\n\n\n")), "more than one empty line between envelopes");
    check(all.isEmpty() || all.split(QStringLiteral("\n\n")).size() <= choices.size(),
          "more envelopes than choices");
    (void)DetectContactFileFormat(input);
    return 0;
}
