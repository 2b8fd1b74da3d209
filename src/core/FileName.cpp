#include "core/FileName.h"

namespace zentrope {

namespace {

constexpr char16_t EscapeBase = 0xDC00; // U+DC80..U+DCFF stand for the bytes 0x80..0xFF

bool isEscape(char16_t u)
{
    return u >= 0xDC80 && u <= 0xDCFF;
}

// The length of the valid UTF-8 sequence at `at`, 0 when there is none:
// no overlong forms, no surrogates, nothing above U+10FFFF.
int validSequence(const QByteArray &b, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < b.size() ? uchar(b[i]) : 0; };
    const uchar c = byte(at);
    const auto cont = [&](qsizetype i) { return (byte(i) & 0xC0) == 0x80; };
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return cont(at + 1) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        const uchar c1 = byte(at + 1);
        if (!cont(at + 1) || !cont(at + 2))
            return 0;
        if ((c == 0xE0 && c1 < 0xA0) || (c == 0xED && c1 >= 0xA0))
            return 0;
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        const uchar c1 = byte(at + 1);
        if (!cont(at + 1) || !cont(at + 2) || !cont(at + 3))
            return 0;
        if ((c == 0xF0 && c1 < 0x90) || (c == 0xF4 && c1 >= 0x90))
            return 0;
        return 4;
    }
    return 0;
}

} // namespace

QString DecodeFileName(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    qsizetype run = 0; // start of the valid text not yet appended
    qsizetype i = 0;
    while (i < bytes.size()) {
        const int n = validSequence(bytes, i);
        if (n > 0) {
            i += n;
            continue;
        }
        out += QString::fromUtf8(bytes.constData() + run, i - run);
        out += QChar(char16_t(EscapeBase + uchar(bytes[i])));
        run = ++i;
    }
    out += QString::fromUtf8(bytes.constData() + run, bytes.size() - run);
    return out;
}

QByteArray EncodeFileName(const QString &name)
{
    if (!HasUndecodedBytes(name))
        return name.toUtf8();
    QByteArray out;
    out.reserve(name.size() * 2);
    qsizetype run = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        // A low surrogate that ends a pair is text, not a byte.
        if (!isEscape(u) || (i > 0 && name[i - 1].isHighSurrogate()))
            continue;
        out += QStringView(name).mid(run, i - run).toUtf8();
        out += char(u - EscapeBase);
        run = i + 1;
    }
    out += QStringView(name).mid(run).toUtf8();
    return out;
}

bool HasUndecodedBytes(const QString &name)
{
    for (qsizetype i = 0; i < name.size(); ++i)
        if (isEscape(name[i].unicode()) && !(i > 0 && name[i - 1].isHighSurrogate()))
            return true;
    return false;
}

} // namespace zentrope
