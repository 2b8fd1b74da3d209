#pragma once

#include "contacts/Contact.h"

#include <QString>
#include <QStringList>

namespace zentrope {

// Addresses laid out as the destination country expects, for an envelope sent
// from homeCountry (an ISO 3166 code such as "US"; a country name is accepted
// too, and an unknown or empty one means the United States). No line is empty.
//
// - The home country is not printed; another country goes alone on the last
//   line in capitals (its English name when the address gives only a code).
//   An address without a country is taken to stay in the home country.
// - The United States and Canada: "City, ST ZIP" on one line, so a ZIP code
//   ends the address where the postal bar code looks for it.
// - Germany, France, Italy, Spain, the Netherlands, Belgium, Switzerland,
//   Austria and the Nordic countries: "postal code town" (Italy adds its
//   province after the town; the others leave the region out, as their post
//   does).
// - The United Kingdom: the post town, then the postcode on its own line (the
//   county is not wanted by Royal Mail and is left out).
// - Every other country: "postal code town region".
// A post office box that is only a number gets the destination's word for it
// ("PO Box 12", "Postfach 12").

// The lines of a text as an envelope shows them: split at line breaks, control
// characters blanked (a NUL would cut an address file short), trimmed, and
// empty ones dropped.
QStringList VisibleLines(const QString &text);

// The address's lines: the user's label when there is one, else the parts.
QStringList AddressLines(const PostalAddress &address, const QString &homeCountry);

// The parts laid out, ignoring any label.
QStringList FormatAddressParts(const PostalAddress &address, const QString &homeCountry);

// A label's lines, without empty lines and without a last line that names the
// home country (the same country the parts would leave out).
QStringList LabelLines(const QString &label, const QString &homeCountry);

// The address on one line, for a list to show which address is used.
QString AddressSummary(const PostalAddress &address, const QString &homeCountry);

} // namespace zentrope
