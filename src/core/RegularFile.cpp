#include "core/RegularFile.h"

#include "core/FileName.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrope {

FileDescriptor::~FileDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

RegularFileBytes readRegularFile(const QString &path, qint64 maxBytes, bool stopAtNul)
{
    using Status = RegularFileBytes::Status;
    RegularFileBytes out;
    if (path.isEmpty())
        return out;
    // O_NONBLOCK: opening a FIFO without a writer would otherwise wait forever.
    // The type is checked on the opened descriptor, so a file swapped for a
    // FIFO between a check and the open cannot slip through.
    const FileDescriptor fd(
        ::open(EncodeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0)
        return out;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0)
        return out;
    if (!S_ISREG(st.st_mode)) {
        out.status = Status::NotRegular;
        return out;
    }
    if (!stopAtNul && st.st_size > maxBytes) {
        out.status = Status::TooLarge;
        return out;
    }
    // The size is a hint only: the file may grow while it is read, and some
    // regular files (under /proc) report none at all.
    QByteArray bytes;
    bytes.reserve(qsizetype(std::min<qint64>(std::max<qint64>(st.st_size, 0), maxBytes) + 1));
    constexpr qint64 Block = 1 << 20;
    for (;;) {
        const qsizetype at = bytes.size();
        const qint64 want = std::clamp<qint64>(qint64(st.st_size) - at + 1, 4096, Block);
        const qint64 room = std::min<qint64>(want, maxBytes + 1 - at);
        bytes.resize(at + qsizetype(room));
        ssize_t n;
        while ((n = ::read(fd.get(), bytes.data() + at, size_t(room))) < 0 && errno == EINTR) {
        }
        if (n < 0)
            return out;
        bytes.resize(at + n);
        if (stopAtNul) {
            const qsizetype nul = QByteArrayView(bytes).sliced(at).indexOf('\0');
            if (nul >= 0) {
                bytes.truncate(at + nul);
                break;
            }
        }
        if (bytes.size() > maxBytes) {
            out.status = Status::TooLarge;
            return out;
        }
        if (n == 0)
            break;
    }
    out.status = Status::Ok;
    out.bytes = std::move(bytes);
    return out;
}

} // namespace zentrope
