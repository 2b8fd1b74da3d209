#include "core/WholeFileWriter.h"

#include "core/FileName.h"
#include "core/RegularFile.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zentrope {

namespace {

// write() that goes on after an interruption and never raises SIGPIPE: a
// reader that went away fails the write instead of ending the program.
ssize_t writeSome(int fd, const char *data, size_t size)
{
    sigset_t pipe, old;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    sigset_t pending;
    sigemptyset(&pending);
    ::sigpending(&pending);
    const bool alreadyPending = sigismember(&pending, SIGPIPE);
    ::pthread_sigmask(SIG_BLOCK, &pipe, &old);
    ssize_t n;
    while ((n = ::write(fd, data, size)) < 0 && errno == EINTR) {
    }
    const int error = errno;
    if (n < 0 && error == EPIPE && !alreadyPending) {
        const timespec none{};
        ::sigtimedwait(&pipe, nullptr, &none);
    }
    ::pthread_sigmask(SIG_SETMASK, &old, nullptr);
    errno = error;
    return n;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    for (qint64 done = 0; done < size;) {
        const ssize_t n = writeSome(fd, data + done, size_t(std::min<qint64>(size - done, SSIZE_MAX)));
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += n;
    }
    return true;
}

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
    // than the old content's length on disk; fsync so a late failure is seen now.
    return writeAllAt(fd, bytes) && ::ftruncate(fd, off_t(bytes.size())) == 0 && ::fsync(fd) == 0;
}

// Rewrites a regular file in place, keeping its old content in memory to
// write back when anything fails.
WholeFileWriter::Failure writeInPlace(const QByteArray &target, const QByteArray &bytes)
{
    using Failure = WholeFileWriter::Failure;
    const FileDescriptor fd(::open(target.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Failure::CannotCreate;
    QByteArray old(qsizetype(st.st_size), Qt::Uninitialized);
    for (qsizetype done = 0; done < old.size();) {
        const ssize_t n = ::pread(fd.get(), old.data() + done, size_t(old.size() - done), off_t(done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return Failure::CannotCreate;
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
            return Failure::WriteFailed;
    }
    if (!replaceContent(fd.get(), bytes)) {
        // The old length fitted before, so writing it back normally succeeds.
        replaceContent(fd.get(), old);
        return Failure::WriteFailed;
    }
    return Failure::None;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

const char TempInfix[] = ".tmp-";

} // namespace

WholeFileWriter::WholeFileWriter(QString fileName) : m_fileName(std::move(fileName))
{
}

WholeFileWriter::WholeFileWriter(int descriptor) : m_mode(Mode::Stream), m_given(descriptor)
{
}

WholeFileWriter::~WholeFileWriter()
{
    if (!m_done)
        cancel();
}

bool WholeFileWriter::fail(Failure failure)
{
    if (m_failure == Failure::None) {
        m_failure = failure;
        m_errno = errno;
    }
    return false;
}

void WholeFileWriter::closeDescriptor()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool WholeFileWriter::begin()
{
    if (m_begun)
        return m_failure == Failure::None;
    m_begun = true;
    if (m_mode == Mode::Stream) {
        m_fd = m_given >= 0 ? ::fcntl(m_given, F_DUPFD_CLOEXEC, 0) : -1;
        if (m_fd < 0)
            return fail(Failure::CannotCreate);
        return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    const QByteArray name = EncodeFileName(m_fileName);
    if (name.isEmpty() || name.contains('\0')) {
        errno = ENOENT;
        return fail(Failure::CannotCreate);
    }
    // A link is written through to where it leads; a dangling one or a loop
    // cannot be written.
    struct stat st {};
    const bool exists = ::stat(name.constData(), &st) == 0;
    if (!exists && errno != ENOENT)
        return fail(Failure::CannotCreate);
    if (exists && (S_ISCHR(st.st_mode) || S_ISFIFO(st.st_mode))) {
        // Opened by the name given: /dev/stdout leads to a pipe that has no
        // path of its own. Not waiting on a FIFO that nobody reads; once
        // open, writes block as a pipe's writes do.
        m_target = name;
        m_fd = ::open(name.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
        struct stat opened {};
        if (m_fd < 0 || ::fstat(m_fd, &opened) != 0 ||
            !(S_ISCHR(opened.st_mode) || S_ISFIFO(opened.st_mode))) {
            fail(Failure::CannotCreate);
            closeDescriptor();
            return false;
        }
        const int flags = ::fcntl(m_fd, F_GETFL);
        if (flags != -1)
            ::fcntl(m_fd, F_SETFL, flags & ~O_NONBLOCK);
        m_mode = Mode::Stream;
        return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    struct stat link {};
    if (::lstat(name.constData(), &link) == 0 && S_ISLNK(link.st_mode)) {
        if (!exists)
            return fail(Failure::CannotCreate);
        char *resolved = ::realpath(name.constData(), nullptr);
        if (!resolved)
            return fail(Failure::CannotCreate);
        m_target = QByteArray(resolved);
        std::free(resolved);
    } else {
        m_target = name;
    }

    if (exists && !S_ISREG(st.st_mode)) {
        errno = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
        return fail(Failure::CannotCreate);
    }
    // A file the user may not write is not replaced, although its folder would
    // let a rename do it.
    if (exists && ::access(m_target.constData(), W_OK) != 0)
        return fail(Failure::CannotCreate);
    const QByteArray folder = folderOf(m_target);
    if (exists && ::access(folder.constData(), W_OK | X_OK) != 0) {
        // A writable file in a folder that is not (a shared group folder): no
        // file can be made beside it, so it is rewritten in place.
        m_mode = Mode::InPlace;
        return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    static std::atomic<unsigned> serial{0};
    // Beside the target; a name too long to take the suffix gets a short one.
    QByteArray stem = m_target;
    for (int attempt = 0; attempt < 100 && m_fd < 0; ++attempt) {
        m_temp =
            stem + TempInfix + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial.fetch_add(1));
        // 0666 less the umask, as any new file; a replaced file keeps its own mode.
        m_fd = ::open(m_temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (m_fd < 0 && errno == ENAMETOOLONG && stem == m_target)
            stem = folder + "/.zentrope";
        else if (m_fd < 0 && errno != EEXIST)
            break;
    }
    if (m_fd < 0) {
        m_temp.clear();
        return fail(Failure::CannotCreate);
    }
    if (exists) {
        // The owner too, where the user may give it (root editing a user's
        // file); elsewhere the user becomes the owner, as with any save.
        if (::fchown(m_fd, st.st_uid, st.st_gid) != 0) {
        }
        if (::fchmod(m_fd, st.st_mode & 07777) != 0) {
            fail(Failure::CannotCreate);
            cancel();
            return false;
        }
    }
    m_mode = Mode::Replace;
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WholeFileWriter::readData(char *, qint64)
{
    return -1;
}

qint64 WholeFileWriter::writeData(const char *data, qint64 size)
{
    if (m_failure != Failure::None || m_done)
        return -1;
    if (m_mode == Mode::InPlace) {
        m_buffer.append(data, qsizetype(size));
        return size;
    }
    if (!writeAll(m_fd, data, size)) {
        fail(Failure::WriteFailed);
        setErrorString(QString::fromLocal8Bit(::strerror(m_errno)));
        return -1;
    }
    return size;
}

bool WholeFileWriter::commit()
{
    if (!m_begun)
        begin();
    if (m_done || m_failure != Failure::None) {
        cancel();
        return false;
    }
    m_done = true;
    QIODevice::close();
    switch (m_mode) {
    case Mode::InPlace: {
        const Failure f = writeInPlace(m_target, m_buffer);
        m_buffer.clear();
        return f == Failure::None || fail(f);
    }
    case Mode::Stream: {
        // A regular file behind the descriptor (standard output sent to a
        // file) is flushed too, so its failure is seen now.
        struct stat st {};
        bool ok = true;
        if (::fstat(m_fd, &st) == 0 && S_ISREG(st.st_mode))
            ok = ::fsync(m_fd) == 0 || errno == EINVAL;
        if (!ok)
            fail(Failure::WriteFailed);
        if (::close(m_fd) != 0 && ok && errno != EINTR)
            ok = fail(Failure::WriteFailed);
        m_fd = -1;
        return ok;
    }
    case Mode::Replace: {
        bool ok = ::fsync(m_fd) == 0 || fail(Failure::WriteFailed);
        ok = (::close(m_fd) == 0 || fail(Failure::WriteFailed)) && ok;
        m_fd = -1;
        ok = ok && (::rename(m_temp.constData(), m_target.constData()) == 0 || fail(Failure::CannotCreate));
        if (!ok)
            ::unlink(m_temp.constData());
        m_temp.clear();
        return ok;
    }
    }
    return false;
}

void WholeFileWriter::cancel()
{
    m_done = true;
    if (isOpen())
        QIODevice::close();
    closeDescriptor();
    if (!m_temp.isEmpty())
        ::unlink(m_temp.constData());
    m_temp.clear();
    m_buffer.clear();
}

WholeFileWriter::Failure WriteWholeFile(const QString &fileName, const QByteArray &bytes)
{
    WholeFileWriter file(fileName);
    if (!file.begin())
        return file.failure();
    if (file.write(bytes) != bytes.size()) {
        file.cancel();
        return file.failure() == WholeFileWriter::Failure::None ? WholeFileWriter::Failure::WriteFailed
                                                                : file.failure();
    }
    if (!file.commit())
        return file.failure() == WholeFileWriter::Failure::None ? WholeFileWriter::Failure::WriteFailed
                                                                : file.failure();
    return WholeFileWriter::Failure::None;
}

} // namespace zentrope
