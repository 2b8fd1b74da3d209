#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <QStringList>

namespace zentrope {

// Addresses laid out as the destination country's post expects, for an
// envelope sent from homeCountry (an ISO 3166 code such as "US"; a country
// name is accepted too, and an unknown or empty one means the United States).
// Every country's layout comes from Google's address metadata (AddressData.h):
// the order of the name, organisation, street, town, region and postal code
// and what shares a line. No line is empty.
//
// - The home country is not printed; another country goes alone on the last
//   line: its name in capitals in the sender's language (CountryLine).
// - Mail abroad writes the fields the destination wants in capitals (its
//   town, often its region and postal code) in capitals, and the prefix its
//   postal codes take from abroad ("CH-"); mail at home is written as the
//   address book has it.
// - An address in the destination's own script takes its native layout
//   (Japan: postal code first, name last); one in Latin letters the Latin one.
// - A town or postal code the layout has no place for is kept next to the
//   nearest part; a region the destination's post does not use (a German
//   Land, an English county) is left out. An address without a country is
//   laid out as mail at home, and keeps its region even where home has no
//   place for one: it may belong abroad.
// A post office box that is only a number gets the destination's word for it
// ("PO Box 12", "Postfach 12").

// The lines of a text as an envelope shows them: split at line breaks, control
// characters blanked (a NUL would cut an address file short), trimmed, and
// empty ones dropped.
QStringList VisibleLines(const QString &text);

// Whether the address's parts make an address: its destination's required
// parts (street, town, region, postal code, as far as it needs them) are there.
bool HasUsableParts(const PostalAddress &address, const QString &homeCountry);

// The address's lines: from its parts when they are usable, else from the
// user's label, else from whatever parts there are. A country that either of
// them names is never lost.
QStringList AddressLines(const PostalAddress &address, const QString &homeCountry);

// The parts laid out with a name and an organisation (either may be empty)
// where the destination puts them, ignoring any label.
QStringList FormatAddressParts(const PostalAddress &address, const QString &homeCountry,
                               const QString &name = QString(), const QString &organization = QString());

// A label's lines: its last line, when it names a country, is taken for the
// country line (left out at home, written in the sender's language abroad);
// a label without one takes the country of the address's parts.
QStringList LabelLines(const PostalAddress &address, const QString &homeCountry);

// The address on one line, for a list to show which address is used.
QString AddressSummary(const PostalAddress &address, const QString &homeCountry);

} // namespace zentrope
