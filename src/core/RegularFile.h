#pragma once

#include <QByteArray>
#include <QString>

namespace zentrope {

// The bytes of a file that the program reads whole (pictures, address files),
// or why there are none.
struct RegularFileBytes {
    enum class Status {
        Ok,
        CannotOpen, // missing, no permission, or a read error
        NotRegular, // a folder, FIFO, device or socket, after following links
        TooLarge,   // more than the bound the caller gave
    };
    Status status = Status::CannotOpen;
    QByteArray bytes;

    bool ok() const { return status == Status::Ok; }
};

// Reads a file only when it is a regular file (after following links), never
// waiting on it: a FIFO or a device is refused at once instead of blocking or
// streaming endlessly. At most maxBytes are kept; a longer file is TooLarge.
// With stopAtNul the reading ends at the first NUL byte (not included), and
// only the bytes before it count against the bound.
RegularFileBytes readRegularFile(const QString &path, qint64 maxBytes, bool stopAtNul = false);

// An open file descriptor, closed when it goes out of scope; -1 holds none.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor();
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace zentrope
