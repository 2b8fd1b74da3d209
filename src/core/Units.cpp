#include "core/Units.h"

#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cmath>

namespace zentrope {

int64_t roundHalfEven(double value)
{
    // Values from a hostile file can be anything: saturate instead of the
    // undefined conversion of an out-of-range double.
    if (std::isnan(value))
        return 0;
    const double r = std::nearbyint(value); // default FE_TONEAREST: halves to even
    if (r >= 9223372036854775808.0)
        return INT64_MAX;
    if (r < -9223372036854775808.0)
        return INT64_MIN;
    return static_cast<int64_t>(r);
}

int clampToInt(int64_t value)
{
    return static_cast<int>(std::clamp<int64_t>(value, INT_MIN, INT_MAX));
}

int inchesToDots(double inches, int dotsPerInch)
{
    return clampToInt(roundHalfEven(inches * dotsPerInch));
}

namespace {
// 0x80..0x9F of Windows-1252; 0 marks the five undefined bytes, which map to the
// C1 control of the same value so that every byte round-trips.
constexpr char16_t kHigh[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

int encodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (int i = 0; i < 32; ++i) {
        char16_t m = kHigh[i] ? kHigh[i] : char16_t(0x80 + i);
        if (m == c)
            return 0x80 + i;
    }
    return -1;
}
} // namespace

QString decodeCp1252(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b < 0xA0)
            out.append(QChar(kHigh[b - 0x80] ? kHigh[b - 0x80] : char16_t(b)));
        else
            out.append(QChar(char16_t(b)));
    }
    return out;
}

bool fitsCp1252(const QString &text)
{
    for (QChar c : text)
        if (encodeChar(c.unicode()) < 0)
            return false;
    return true;
}

QByteArray encodeCp1252(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        int b = encodeChar(c.unicode());
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    // decode() is lazy: the text must be produced for errors to be seen.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace zentrope
