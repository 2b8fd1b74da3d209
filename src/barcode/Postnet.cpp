#include "barcode/Postnet.h"

namespace zentrope {

namespace {
bool isDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Bars per digit, weights 7 4 2 1 0 from the left; 0 is written as 7 + 4.
constexpr const char16_t *kBars[10] = {u"11000", u"00011", u"00101", u"00110", u"01001",
                                       u"01010", u"01100", u"10001", u"10010", u"10100"};
} // namespace

bool IsAllDigits(const QString &text)
{
    for (QChar c : text)
        if (!isDigit(c))
            return false;
    return true;
}

int DigitValue(QChar c)
{
    return isDigit(c) ? c.unicode() - u'0' : 0;
}

void AddCheckDigit(QString &digits)
{
    int sum = 0;
    for (QChar c : digits)
        sum += DigitValue(c);
    const int check = (10 - sum % 10) % 10;
    digits += QChar(u'0' + check);
}

QString EncodePostnet(const QString &digits)
{
    QString bars;
    bars.reserve(digits.size() * 5 + 2);
    bars += u'1';
    for (QChar c : digits)
        if (isDigit(c))
            bars += QString::fromUtf16(kBars[DigitValue(c)], 5);
    bars += u'1';
    return bars;
}

QString ExtractZipCode(const QStringList &lines)
{
    QString result;
    if (lines.isEmpty())
        return result;

    // Only blanks are trimmed: a tab after the code hides it.
    QStringView last(lines.last());
    while (!last.isEmpty() && last.back() == u' ')
        last.chop(1);
    const qsizetype n = last.size();
    if (n < 9)
        return result;

    if (n >= 10) {
        const QStringView tail = last.right(10);
        const QString zip = tail.left(5).toString();
        const QString plus4 = tail.right(4).toString();
        if (tail[5] == u'-' && IsAllDigits(zip) && IsAllDigits(plus4)) {
            result = zip + plus4;
            if (lines.size() >= 2) {
                // Delivery point: the last two digits of an all-digit house number
                // of at least two characters, taken untrimmed from the line above.
                const QString &street = lines[lines.size() - 2];
                const qsizetype blank = street.indexOf(u' ');
                if (blank >= 2 && IsAllDigits(street.left(blank)))
                    result += street.mid(blank - 2, 2);
            }
            AddCheckDigit(result);
            return result;
        }
    }

    const QString five = last.right(5).toString();
    if (IsAllDigits(five)) {
        result = five;
        AddCheckDigit(result);
    }
    return result;
}

} // namespace zentrope
