#pragma once

#include <QList>
#include <QString>

namespace zentrope {

// One postal address of a contact, as an address book holds it. Text parts are
// trimmed; Street, Extended and Label may hold several lines joined with "\n".
struct PostalAddress {
    // Neither home nor work means another kind ("other", or a kind the source
    // names itself in Caption).
    bool Home = false;
    bool Work = false;
    // 0 when the source does not prefer this address; otherwise 1 (most
    // preferred) to 100, as PREF in RFC 6350 ("TYPE=pref" counts as 1).
    int Preference = 0;
    // The kind as the user named it (an itemN.X-ABLabel, Google's type cell), empty
    // for the plain home/work/other kinds.
    QString Caption;

    // The address formatted by the user (LABEL); used instead of the parts when present.
    QString Label;

    // The seven parts of a vCard ADR, in its order.
    QString PoBox;
    QString Extended;
    QString Street;
    QString Locality;
    QString Region;
    QString PostalCode;
    QString Country;

    bool Preferred() const { return Preference > 0; }
    bool Other() const { return !Home && !Work; }
    // No part and no label: nothing to put on an envelope.
    bool IsEmpty() const;
};

// One contact: its name, organisation and postal addresses.
struct Contact {
    QString FormattedName; // FN, or the display name column of a CSV file
    // The parts of N.
    QString FamilyName;
    QString GivenName;
    QString AdditionalNames;
    QString Prefix;
    QString Suffix;
    QString Organization; // the organisation's name, without its units
    QList<PostalAddress> Addresses;

    // The line that names the contact on an envelope: FN, else given and family
    // name; may be empty.
    QString NameLine() const;
    // What a list shows: the name line, else the organisation; may be empty.
    QString DisplayName() const;
    bool HasAddress() const { return !Addresses.isEmpty(); }
    // The address used unless the user picks another: the most preferred, else
    // the first home address, else the first work address, else the first; -1
    // without addresses.
    int DefaultAddress() const;
    // Nothing to list: no name, no organisation, no address.
    bool IsEmpty() const;
};

// The most contacts one import reads: far beyond any address book, and few
// enough for the picker to stay quick and small. Those after them are counted.
inline constexpr int ContactCapacity = 100000;

// The longest line of a contact file whose text may go on an envelope (a
// name, an address, a CSV record), in characters: no address book writes one
// as long. A file with a longer one is refused as address files are.
inline constexpr qsizetype ContactLineCapacity = 256 * 1024;

// What a reader passed over, and why.
struct ReadCounts {
    int NotClosed = 0;      // vCard cards cut off by the next card or the end of the file
    int OpenQuote = 0;      // CSV records whose quote was never closed
    int ExtraCells = 0;     // CSV records with more filled cells than the header has columns
    int Empty = 0;          // cards or records with neither a name nor an address
    int BeyondCapacity = 0; // contacts after the first ContactCapacity
    int DamagedLines = 0;   // vCard lines that are no property; their card was kept

    // Contacts not listed.
    int Skipped() const { return NotClosed + OpenQuote + ExtraCells + Empty + BeyondCapacity; }
    bool operator==(const ReadCounts &) const = default;
};

// What a reader made of a file: the contacts in file order and what it passed over.
struct ContactList {
    QList<Contact> Contacts;
    ReadCounts Counts;
};

// "Home", "Work" or "Other", or the user's own caption.
QString AddressKindName(const PostalAddress &address);

} // namespace zentrope
