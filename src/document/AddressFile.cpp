#include "document/AddressFile.h"

#include "core/Error.h"
#include "core/FileName.h"
#include "core/RegularFile.h"
#include "core/Units.h"
#include "core/WholeFileWriter.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <sys/stat.h>
#include <unistd.h>

namespace zentrope {

namespace {

[[noreturn]] void capacityExceeded()
{
    throw ZentropeError(QCoreApplication::translate("zentrope::AddressFile", "Text exceeds memo capacity."));
}

[[noreturn]] void cannotOpen(const QString &fileName)
{
    throw ZentropeError(
        QCoreApplication::translate("zentrope::AddressFile", "Cannot open file %1.").arg(fileName));
}

[[noreturn]] void cannotCreate(const QString &fileName)
{
    throw ZentropeError(
        QCoreApplication::translate("zentrope::AddressFile", "Cannot create file %1.").arg(fileName));
}

[[noreturn]] void streamWriteError()
{
    throw ZentropeError(QCoreApplication::translate("zentrope::AddressFile", "Stream write error."));
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
    struct stat st {};
    return !fileName.isEmpty() && ::stat(EncodeFileName(fileName).constData(), &st) == 0 &&
           S_ISREG(st.st_mode);
}

bool AddressFileIsReadOnly(const QString &fileName)
{
    const QByteArray name = EncodeFileName(fileName);
    struct stat st {};
    return ::stat(name.constData(), &st) == 0 && ::access(name.constData(), W_OK) != 0;
}

AddressText ReadAddressFile(const QString &fileName)
{
    // Only the text before a NUL counts, so a huge file is never loaded whole
    // just to be refused; a FIFO or a device is refused without waiting on it.
    RegularFileBytes file = readRegularFile(fileName, AddressFileCapacity, true);
    if (file.status == RegularFileBytes::Status::TooLarge)
        capacityExceeded();
    if (!file.ok())
        cannotOpen(fileName);
    return DecodeAddressText(file.bytes);
}

TextEncoding WriteAddressFile(const QString &fileName, const QString &text, TextEncoding preferred)
{
    TextEncoding used = TextEncoding::Utf8;
    const QByteArray bytes = EncodeAddressText(text, preferred, &used);
    switch (WriteWholeFile(fileName, bytes)) {
    case WholeFileWriter::Failure::None:
        return used;
    case WholeFileWriter::Failure::WriteFailed:
        streamWriteError();
    case WholeFileWriter::Failure::CannotCreate:
        break;
    }
    cannotCreate(fileName);
}

} // namespace zentrope
