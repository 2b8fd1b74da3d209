#pragma once

#include <QString>
#include <QStringList>

namespace zentrope {

// The digits a destination address gives its postal bar code: empty, or 6, 10 or
// 12 digits (ZIP, ZIP+4, ZIP+4 with delivery point, each with its check digit).
// Only the last line decides, with the line before it for the delivery point.
QString ExtractZipCode(const QStringList &lines);

// Appends the check digit that makes the sum of all digits a multiple of 10.
void AddCheckDigit(QString &digits);

// The bar pattern: "1" for a tall bar, "0" for a short one, framed by tall bars.
// Characters other than digits contribute no bars.
QString EncodePostnet(const QString &digits);

// True when every character is one of "0" to "9" (also for the empty text).
bool IsAllDigits(const QString &text);

// 0 to 9 for a digit, 0 for any other character.
int DigitValue(QChar c);

} // namespace zentrope
