#include "document/AddressFile.h"

#include "core/Error.h"
#include "core/Units.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace zentrope {

namespace {

[[noreturn]] void capacityExceeded()
{
    throw ZentropeError(QStringLiteral("Text exceeds memo capacity."));
}

[[noreturn]] void cannotOpen(const QString &fileName)
{
    throw ZentropeError(QStringLiteral("Cannot open file %1.").arg(fileName));
}

[[noreturn]] void cannotCreate(const QString &fileName)
{
    throw ZentropeError(QStringLiteral("Cannot create file %1.").arg(fileName));
}

[[noreturn]] void streamWriteError()
{
    throw ZentropeError(QStringLiteral("Stream write error."));
}

} // namespace

AddressText DecodeAddressText(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul >= 0 ? bytes.left(nul) : bytes;
    if (text.size() > AddressFileCapacity)
        capacityExceeded();
    AddressText out;
    // A byte order mark stays in the text, so the file is saved back as it was.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    out.Text = utf8.decode(text);
    if (!utf8.hasError()) {
        out.Encoding = TextEncoding::Utf8;
    } else {
        out.Encoding = TextEncoding::Cp1252;
        out.Text = decodeCp1252(text);
    }
    out.Text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.Text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QByteArray EncodeAddressText(const QString &text, TextEncoding preferred, TextEncoding *used)
{
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const TextEncoding encoding =
        preferred == TextEncoding::Cp1252 && fitsCp1252(crlf) ? TextEncoding::Cp1252 : TextEncoding::Utf8;
    if (used)
        *used = encoding;
    return encoding == TextEncoding::Cp1252 ? encodeCp1252(crlf) : crlf.toUtf8();
}

bool AddressFileExists(const QString &fileName)
{
    return !fileName.isEmpty() && QFileInfo(fileName).isFile();
}

bool AddressFileIsReadOnly(const QString &fileName)
{
    const QFileInfo info(fileName);
    return info.exists() && !info.isWritable();
}

AddressText ReadAddressFile(const QString &fileName)
{
    QFile file(fileName);
    if (fileName.isEmpty() || !file.open(QIODevice::ReadOnly))
        cannotOpen(fileName);
    // Read in blocks and stop at a NUL or past the capacity, so a huge file is
    // never loaded whole just to be refused.
    QByteArray bytes;
    QByteArray block(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n < 0)
            cannotOpen(fileName);
        if (n == 0)
            break;
        const QByteArrayView got(block.constData(), n);
        const qsizetype nul = got.indexOf('\0');
        if (nul >= 0) {
            bytes.append(got.first(nul));
            break;
        }
        bytes.append(got);
        if (bytes.size() > AddressFileCapacity)
            capacityExceeded();
    }
    return DecodeAddressText(bytes);
}

TextEncoding WriteAddressFile(const QString &fileName, const QString &text, TextEncoding preferred)
{
    TextEncoding used = TextEncoding::Utf8;
    const QByteArray bytes = EncodeAddressText(text, preferred, &used);
    // A file the user may not write is not replaced, although its folder would
    // let a rename do it.
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || info.isDir() || (info.exists() && !info.isWritable()))
        cannotCreate(fileName);
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        cannotCreate(fileName);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        streamWriteError();
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::WriteError)
            streamWriteError();
        cannotCreate(fileName);
    }
    return used;
}

} // namespace zentrope
