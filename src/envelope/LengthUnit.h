#pragma once

#include <QLocale>
#include <QString>

namespace zentrope {

class TQevIniFile;

// The unit the size and graphic boxes show. Stored sizes are always
// thousandths of an inch; the unit only changes what the boxes read.
enum class LengthUnit { Inches = 0, Millimetres = 1 };

// Millimetres wherever the locale names a territory other than the United
// States, Liberia or Myanmar; the C and POSIX locales, which name none, keep inches.
LengthUnit DefaultLengthUnit(const QLocale &locale);

// Key "Units" of section "Options": 0 inches, 1 millimetres. Absent or any other
// value gives the locale's default.
LengthUnit ReadLengthUnit(const TQevIniFile &ini, const QLocale &locale = QLocale());
void WriteLengthUnit(TQevIniFile &ini, LengthUnit unit);

// "in" or "mm", for captions beside the boxes.
QString LengthUnitSymbol(LengthUnit unit);

// A box's text for a length in inches: two decimals in inches ("9.50"), one in
// millimetres ("241.3"); a point, no blanks or grouping.
QString FormatLength(double inches, LengthUnit unit);

// A box's text back to inches. A comma serves as the point, blanks around the
// number are accepted, an empty box and malformed text are 0. Millimetres are
// rounded to the whole thousandths of an inch the settings file keeps, so the
// value in memory is the one that is stored; any millimetres with one decimal
// read back as typed (the rounding moves them by at most 0.0127 mm).
double ParseLength(const QString &text, LengthUnit unit);

// As ParseLength, but in millimetres a text that shows what `current` shows
// keeps `current`: an inch size such as 4.125 in (104.8 mm) is not moved to
// 4.126 in because another box of the same record was edited. Inches parse as
// ParseLength does.
double ParseLength(const QString &text, LengthUnit unit, double current);

} // namespace zentrope
