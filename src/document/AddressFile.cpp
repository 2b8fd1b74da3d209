#include "document/AddressFile.h"

#include "core/Error.h"
#include "core/RegularFile.h"
#include "core/Units.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
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

// Writes the whole buffer at the offset; false on any failure.
bool writeAllAt(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool replaceContent(int fd, const QByteArray &bytes)
{
    // Written before the file is cut to size, so a failure never leaves less
    // than the old text's length on disk; fsync so a late failure is seen now.
    return writeAllAt(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Rewrites a file in place. The old text is kept in memory and written back
// when anything fails, so the file ends with the new text or the old one.
void writeInPlace(const QString &target, const QByteArray &bytes)
{
    const FileDescriptor fd(
        ::open(QFile::encodeName(target).constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        cannotCreate(target);
    QByteArray old(qsizetype(st.st_size), Qt::Uninitialized);
    for (qsizetype done = 0; done < old.size();) {
        const ssize_t n = ::pread(fd.get(), old.data() + done, size_t(old.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            cannotCreate(target);
        if (n == 0) {
            old.truncate(done); // it shrank meanwhile
            break;
        }
        done += n;
    }
    // The growth must fit in the free space, with a block to spare for the
    // rounding of the last one.
    struct statvfs fs {};
    if (::fstatvfs(fd.get(), &fs) == 0) {
        const qint64 growth = std::max<qint64>(0, bytes.size() - old.size());
        const qint64 block = qint64(fs.f_frsize ? fs.f_frsize : fs.f_bsize);
        if (growth > 0 && qint64(fs.f_bavail) * block < growth + block)
            streamWriteError();
    }
    if (!replaceContent(fd.get(), bytes)) {
        // The old length fitted before, so writing it back normally succeeds.
        replaceContent(fd.get(), old);
        streamWriteError();
    }
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
    // A file the user may not write is not replaced, although its folder would
    // let a rename do it.
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || info.isDir() || (info.exists() && !info.isWritable()))
        cannotCreate(fileName);
    if (info.exists()) {
        // A writable file in a folder that is not (a shared group folder): no
        // file can be made beside it, so it is written in place.
        const QString target = info.canonicalFilePath();
        if (!target.isEmpty() && !QFileInfo(QFileInfo(target).absolutePath()).isWritable()) {
            writeInPlace(target, bytes);
            return used;
        }
    }
    // Unbuffered, so that every write reaches the file system at once and a
    // failure (a full disk) is seen here: QSaveFile would otherwise keep a
    // small text in its buffer and commit an empty file when the final flush fails.
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        cannotCreate(fileName);
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        streamWriteError();
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::WriteError || file.error() == QFileDevice::ResourceError)
            streamWriteError();
        cannotCreate(fileName);
    }
    return used;
}

} // namespace zentrope
