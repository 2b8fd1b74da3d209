#pragma once

#include <QList>
#include <QString>

namespace zentrope {

// How one country lays out its addresses, from Google's address metadata
// (embedded at build time). Fields are named by the data set's letters: N name,
// O organisation, A street address lines, D dependent locality, C city, S state
// or region, Z postal code, X sorting code.
struct CountryFormat {
    QString Code;          // "DE"; "ZZ" is the data set's default for countries without an entry
    QString Format;        // "%N%n%O%n%A%n%Z %C": fields, "%n" between lines
    QString LatinFormat;   // the layout for an address in Latin letters, where it differs; else empty
    QString Require;       // the fields an address needs there, as letters ("ACZ")
    QString Upper;         // the fields written in capitals ("CS")
    QString PostalPattern; // a regular expression for its postal codes, empty when it has none
    QString PostPrefix;    // written before the postal code on mail from abroad ("CH-")

    bool Requires(QChar field) const { return Require.contains(field); }
    bool InCapitals(QChar field) const { return Upper.contains(field); }
    // Whether a layout has a place for the field.
    static bool Holds(const QString &format, QChar field);
};

// The layout of a country (an ISO 3166 code, any letter case); the data set's
// default ("ZZ") for a code it has no entry for.
const CountryFormat &CountryFormatOf(const QString &code);

// Every country of the data set, in the order of their codes, without "ZZ".
const QList<CountryFormat> &CountryFormats();

} // namespace zentrope
