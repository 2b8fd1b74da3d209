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
// valid UTF-8 and names no CHARSET, Windows-1252.
//
// A card that is not closed, or holds a line that is no property, is skipped
// and counted as unreadable; a card with neither a name, an organisation nor
// an address is passed over. Text outside cards is ignored.
ContactList ReadVCards(const QByteArray &bytes);

} // namespace zentrope
