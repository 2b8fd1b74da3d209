#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <utility>

namespace zentrope {

// The ISO 3166 two-letter code ("DE") of the country a text names: by its code
// (two letters, or three for the common ones), its English name or its name in
// one of its own languages, ignoring letter case, accents, punctuation and a
// leading "the". Empty when the text names no country known.
QString CountryCode(const QString &text);

// The English name of a country code ("Germany"); empty for an unknown code.
QString CountryName(const QString &code);

// The country addresses are sent from: the locale's territory, and the United
// States when the locale names none (the C or POSIX locale).
QString HomeCountryCode(const QLocale &locale);
QString DefaultHomeCountryCode();

// Every country with its code and English name, sorted by name, for a list to
// choose the home country from.
QList<std::pair<QString, QString>> KnownCountries();

} // namespace zentrope
