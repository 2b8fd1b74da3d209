#pragma once

#include "contacts/Contact.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace zentrope {

// The lines of one contact's envelope: the name line, the organisation unless
// it is the name, then the address's lines (AddressLines). A user's label that
// starts with the name or the organisation does not repeat them. An address
// index outside the contact's addresses gives the name lines alone.
QStringList EnvelopeLines(const Contact &contact, int addressIndex, const QString &homeCountry);
QString EnvelopeText(const Contact &contact, int addressIndex, const QString &homeCountry);

// A contact the user ticked, with the address chosen for it (indexes into the
// contact list and into the contact's addresses).
struct ImportChoice {
    int Contact = -1;
    int Address = -1;
};

// Every contact with an address, at its default address: what an import
// without a picker takes.
QList<ImportChoice> DefaultChoices(const QList<Contact> &contacts);

// One envelope per choice, in the order given, an empty line between
// envelopes, no line break after the last. Choices that name no contact or no
// address of it are passed over.
QString ImportedText(const QList<Contact> &contacts, const QList<ImportChoice> &choices,
                     const QString &homeCountry);

// Envelope texts joined with an empty line between them; empty ones are left out.
QString JoinEnvelopes(const QStringList &envelopes);

// What to add at the end of the address text so that the imported envelopes
// follow the text there, separated from it by one empty line: the imported
// text with as many line breaks before it as the existing text still needs.
QString TextToAppend(const QString &existing, const QString &imported);

} // namespace zentrope
