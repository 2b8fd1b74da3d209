#include "contacts/TextDecoding.h"

#include "core/Units.h"

#include <QStringDecoder>
#include <algorithm>

namespace zentrope {

namespace {

enum class Utf16 { No, LittleEndian, BigEndian };

// A mark, or text where nearly every pair of bytes is one ASCII byte and a zero
// on the same side: exports from Windows are often written that way.
Utf16 utf16Kind(const QByteArray &bytes, qsizetype *markSize)
{
    *markSize = 0;
    if (bytes.startsWith("\xFF\xFE")) {
        *markSize = 2;
        return Utf16::LittleEndian;
    }
    if (bytes.startsWith("\xFE\xFF")) {
        *markSize = 2;
        return Utf16::BigEndian;
    }
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 512);
    if (pairs < 2)
        return Utf16::No;
    int low = 0, high = 0;
    for (qsizetype i = 0; i < pairs; ++i) {
        const char a = bytes[2 * i], b = bytes[2 * i + 1];
        if (a != 0 && b == 0)
            ++low;
        else if (a == 0 && b != 0)
            ++high;
    }
    if (low * 10 >= pairs * 9)
        return Utf16::LittleEndian;
    if (high * 10 >= pairs * 9)
        return Utf16::BigEndian;
    return Utf16::No;
}

QString decodeUtf8OrCp1252(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        text = decodeCp1252(bytes);
    return text;
}

QString decodeWith(QStringDecoder::Encoding encoding, const QByteArray &bytes)
{
    QStringDecoder decoder(encoding, QStringDecoder::Flag::Stateless);
    return decoder.decode(bytes);
}

} // namespace

QString DecodeImportedText(const QByteArray &bytes)
{
    qsizetype mark = 0;
    switch (utf16Kind(bytes, &mark)) {
    case Utf16::LittleEndian:
        return decodeWith(QStringDecoder::Utf16LE, bytes.mid(mark));
    case Utf16::BigEndian:
        return decodeWith(QStringDecoder::Utf16BE, bytes.mid(mark));
    case Utf16::No:
        break;
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringDecoder::Utf8, bytes.mid(3));
    return decodeUtf8OrCp1252(bytes);
}

QByteArray ImportedBytes(const QByteArray &bytes)
{
    qsizetype mark = 0;
    if (utf16Kind(bytes, &mark) != Utf16::No)
        return DecodeImportedText(bytes).toUtf8();
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return bytes.mid(3);
    return bytes;
}

QString DecodeCharset(const QByteArray &bytes, const QByteArray &charset)
{
    const QByteArray name = charset.trimmed().toLower();
    if (name.isEmpty())
        return decodeUtf8OrCp1252(bytes);
    if (name == "utf-8" || name == "utf8")
        return decodeWith(QStringDecoder::Utf8, bytes);
    // Files that claim Latin-1 or ASCII are nearly always Windows text, and
    // Windows-1252 agrees with Latin-1 on every printable character.
    if (name == "windows-1252" || name == "cp1252" || name == "iso-8859-1" || name == "iso8859-1" ||
        name == "latin1" || name == "latin-1" || name == "us-ascii" || name == "ascii")
        return decodeCp1252(bytes);
    const auto encoding = QStringConverter::encodingForName(name.constData());
    if (encoding)
        return decodeWith(*encoding, bytes);
    return decodeUtf8OrCp1252(bytes);
}

QString FoldedKey(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD).toCaseFolded();
    QString out;
    out.reserve(decomposed.size());
    for (QChar c : decomposed)
        if (c.isLetterOrNumber())
            out.append(c);
    return out;
}

} // namespace zentrope
