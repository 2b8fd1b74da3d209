#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace zentrope {

// Rounds to the nearest integer, halves to the even neighbour (banker's rounding),
// the rounding every unit conversion of the program uses.
// NaN gives 0; values beyond the 64-bit range saturate.
int64_t roundHalfEven(double value);

// Saturates to the range of int.
int clampToInt(int64_t value);

// Inches to device units at the given resolution, rounded halves to even.
int inchesToDots(double inches, int dotsPerInch);

// Windows-1252: 8-bit files written on Windows are read and written with it.
QString decodeCp1252(const QByteArray &bytes);
bool fitsCp1252(const QString &text);
QByteArray encodeCp1252(const QString &text); // characters that do not fit become '?'
bool isValidUtf8(const QByteArray &bytes);

} // namespace zentrope
