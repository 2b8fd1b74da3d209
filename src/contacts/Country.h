#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <utility>

namespace zentrope {

// The ISO 3166 two-letter code ("DE") of the country a text names: by its code
// (two or three letters), its name in English, German, French, Spanish,
// Italian, Dutch or Portuguese, its name in its own language, or a common
// other name ("UK", "Holland"), ignoring letter case, accents, punctuation and
// a leading "the". Empty when the text names no country known.
QString CountryCode(const QString &text);

// The English name of a country code ("Germany"); empty for an unknown code.
QString CountryName(const QString &code);

// A country's name in a language (an ISO 639 code such as "de"), from the
// locale data (CLDR) through ICU: "Frankreich" for "FR" in "de". Empty for an
// unknown code.
QString CountryNameIn(const QString &code, const QString &language);

// The language mail from a country is written in: the country's main language
// in the locale data ("de" for "DE" and "CH", "en" for "US").
QString SenderLanguage(const QString &homeCode);

// The last line of an envelope sent from home to another country: the
// destination's name in the sender's language, in capitals ("FRANKREICH" from
// Germany, "SWITZERLAND" from the United States).
QString CountryLine(const QString &destinationCode, const QString &homeCode);

// A text in capitals as the country's language writes them: Greek drops its
// accents ("ΑΘΗΝΑ"), German "ß" becomes "SS".
QString UpperCase(const QString &text, const QString &countryCode);

// The country addresses are sent from: the locale's territory, and the United
// States when the locale names none (the C or POSIX locale).
QString HomeCountryCode(const QLocale &locale);
QString DefaultHomeCountryCode();

// Every country mail goes to (those of the address data, no regions or
// unions), with its code and its name in a language, sorted by name as that
// language sorts, for a list to choose the home country from.
QList<std::pair<QString, QString>> KnownCountries(const QString &language = QStringLiteral("en"));

} // namespace zentrope
