#pragma once

// What every contact reader must give, whatever its input: contacts that are
// not empty, a default address inside the list, and envelopes without empty,
// untrimmed or control-character lines, so an import can never split or
// merge envelopes in the address text.
#include "contacts/Contact.h"
#include "contacts/Envelopes.h"

#include <QString>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>

namespace zentrope::fuzz {

inline void check(bool ok, const char *what)
{
    if (!ok) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}

inline void checkEnvelope(const QString &text)
{
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        check(!line.isEmpty(), "empty line inside an envelope");
        check(line == line.trimmed(), "untrimmed envelope line");
        for (QChar c : line)
            check(c.category() != QChar::Other_Control && c != u'\r', "control character in an envelope");
    }
}

inline void checkCounts(const ReadCounts &c)
{
    check(c.NotClosed >= 0 && c.OpenQuote >= 0 && c.ExtraCells >= 0 && c.Empty >= 0 &&
              c.BeyondCapacity >= 0 && c.DamagedLines >= 0,
          "negative count");
}

// `everyAddressUsed`: each address is one the reader filled (the vCard reader
// drops empty ones; CSV columns may leave an address empty).
inline void checkContacts(const QList<Contact> &contacts, std::initializer_list<const char *> homes,
                          bool everyAddressUsed)
{
    for (const Contact &c : contacts) {
        check(!c.IsEmpty(), "empty contact listed");
        const int chosen = c.DefaultAddress();
        check(chosen >= -1 && chosen < c.Addresses.size(), "default address out of range");
        if (everyAddressUsed)
            check((chosen >= 0) == c.HasAddress(), "default address without addresses");
        for (int i = 0; i < c.Addresses.size(); ++i) {
            if (everyAddressUsed)
                check(!c.Addresses[i].IsEmpty(), "empty address kept");
            for (const char *home : homes) {
                const QString text = EnvelopeText(c, i, QString::fromLatin1(home));
                if (!text.isEmpty())
                    checkEnvelope(text);
            }
        }
    }
}

} // namespace zentrope::fuzz
