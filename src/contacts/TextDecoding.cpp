#include "contacts/TextDecoding.h"

#include "core/Units.h"

#include <QCollator>
#include <QStringDecoder>
#include <algorithm>
#include <memory>
#include <unicode/ucnv.h>

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

struct ConverterCloser {
    void operator()(UConverter *c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openConverter(const QByteArray &name)
{
    UErrorCode status = U_ZERO_ERROR;
    Converter c(ucnv_open(name.constData(), &status));
    if (U_FAILURE(status))
        c.reset();
    return c;
}

// The bytes through an ICU converter, in pieces so the output never needs
// more than one allocation; bytes the character set has no character for
// become U+FFFD.
QString decodeWithIcu(UConverter *converter, const QByteArray &bytes)
{
    QString out;
    out.resize(bytes.size() + 16);
    const char *source = bytes.constData();
    const char *const sourceEnd = source + bytes.size();
    qsizetype written = 0;
    for (;;) {
        UChar *target = reinterpret_cast<UChar *>(out.data()) + written;
        UChar *const targetEnd = reinterpret_cast<UChar *>(out.data()) + out.size();
        UErrorCode status = U_ZERO_ERROR;
        ucnv_toUnicode(converter, &target, targetEnd, &source, sourceEnd, nullptr, true, &status);
        written = target - reinterpret_cast<UChar *>(out.data());
        if (status == U_BUFFER_OVERFLOW_ERROR) {
            out.resize(out.size() + (sourceEnd - source) + 16);
            continue;
        }
        break;
    }
    out.truncate(written);
    return out;
}

bool isLatin1OrAscii(const QByteArray &name)
{
    // Files that claim Latin-1 or ASCII are nearly always Windows text.
    return name == "windows-1252" || name == "cp1252" || name == "iso-8859-1" || name == "iso8859-1" ||
           name == "iso_8859-1" || name == "latin1" || name == "latin-1" || name == "us-ascii" ||
           name == "ascii" || name == "8859-1";
}

} // namespace

QString DecodeImportedText(const QByteArray &bytes, const QByteArray &charset)
{
    if (!charset.trimmed().isEmpty() && IsKnownCharset(charset)) {
        // A mark says more than a choice: UTF-8 and UTF-16 files carry one.
        if (bytes.startsWith("\xEF\xBB\xBF"))
            return decodeWith(QStringDecoder::Utf8, bytes.mid(3));
        if (bytes.startsWith("\xFF\xFE"))
            return decodeWith(QStringDecoder::Utf16LE, bytes.mid(2));
        if (bytes.startsWith("\xFE\xFF"))
            return decodeWith(QStringDecoder::Utf16BE, bytes.mid(2));
        return DecodeCharset(bytes, charset);
    }
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
    if (isLatin1OrAscii(name))
        return decodeCp1252(bytes);
    if (const Converter converter = openConverter(name))
        return decodeWithIcu(converter.get(), bytes);
    return decodeUtf8OrCp1252(bytes);
}

bool IsKnownCharset(const QByteArray &charset)
{
    const QByteArray name = charset.trimmed().toLower();
    return !name.isEmpty() && (isLatin1OrAscii(name) || openConverter(name) != nullptr);
}

QStringList KnownCharsets()
{
    static const QStringList names = [] {
        QStringList out;
        const int32_t count = ucnv_countAvailable();
        for (int32_t i = 0; i < count; ++i) {
            const char *canonical = ucnv_getAvailableName(i);
            UErrorCode status = U_ZERO_ERROR;
            // The MIME name is the one files carry ("ISO-8859-2"), else the IANA one.
            const char *name = ucnv_getStandardName(canonical, "MIME", &status);
            if (U_FAILURE(status) || !name) {
                status = U_ZERO_ERROR;
                name = ucnv_getStandardName(canonical, "IANA", &status);
            }
            if (U_FAILURE(status) || !name)
                continue;
            const QString text = QString::fromLatin1(name);
            if (!out.contains(text, Qt::CaseInsensitive))
                out.append(text);
        }
        QCollator collator(QLocale::c());
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(out.begin(), out.end(), collator);
        return out;
    }();
    return names;
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
