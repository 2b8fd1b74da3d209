#pragma once

#include "contacts/Contact.h"

#include <QByteArray>

namespace zentrope {

// Whether bytes look like a vCard file: the first line that is not blank opens
// a card ("BEGIN:VCARD", any letter case).
bool LooksLikeVCard(const QByteArray &bytes);

// The contacts of a vCard file, version 2.1, 3.0 or 4.0, as phones, mail
// programs and contact services write them (RFC 2426, RFC 6350 and the vCard
// 2.1 text): folded lines, quoted-printable values in any CHARSET with soft line
// breaks, escaped text, bare and TYPE= parameters, pref and PREF=n, grouped
// itemN.ADR with itemN.X-ABLabel, LABEL as a property or, in 4.0, as a
// parameter of ADR. The file is UTF-8 or UTF-16 or, where a value is not
// valid UTF-8 and names no CHARSET, Windows-1252. Blank lines (CR CR LF line
// ends) and a backslash before a line break inside a value (old Android
// phones) are read as their writers meant them.
//
// A line that is no property is passed over and counted; its card is kept. A
// card that is not closed is skipped and counted, as is a card with neither a
// name, an organisation nor an address, and every card after the first
// ContactCapacity. Text outside cards is ignored. Throws "Text exceeds memo
// capacity." for a name, organisation or address longer than
// ContactLineCapacity.
ContactList ReadVCards(const QByteArray &bytes);

} // namespace zentrope
