#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace zentrope {

// Writes a file so that it is whole or not there at all: the new content goes
// to a file beside the target that replaces it only when every write, the
// flush to the disk and the close have succeeded; on any failure the old file
// stays as it was. Every write is checked, so a full disk is seen even when
// the one who writes (Qt's PDF engine) does not look at what a write returns.
//
// What the name stands for decides how it is written:
// - a regular file, or none yet: replaced as above, keeping the old file's
//   permissions; a symbolic link is followed and its target replaced;
// - a regular file the user may write in a folder the user may not: rewritten
//   in place at the commit, after a check of the free space, the old content
//   written back when that fails;
// - a character device or a FIFO (/dev/stdout, a pipe): written in place, as
//   a stream; a FIFO nobody reads is refused instead of waited on;
// - anything else (a folder, a block device, a socket), a read-only file, a
//   dangling link: refused.
// Names go to the system by their bytes (FileName.h).
class WholeFileWriter : public QIODevice {
public:
    enum class Failure {
        None,
        CannotCreate, // the target cannot be made, replaced or opened
        WriteFailed,  // a write, the flush or the close failed (a full disk)
    };

    explicit WholeFileWriter(QString fileName);
    // A stream to a descriptor the caller keeps (standard output, a temporary
    // file): written in place, never replaced; the descriptor stays open.
    explicit WholeFileWriter(int descriptor);
    ~WholeFileWriter() override;

    // Opens the device for writing; false (and failure()) when the target cannot be written.
    bool begin();
    // Makes the new content the file's; false when anything failed, and then
    // the old file is there as it was.
    bool commit();
    // Drops what was written; the old file stays.
    void cancel();

    Failure failure() const { return m_failure; }
    // The system's error of the failure, for diagnostics.
    int systemError() const { return m_errno; }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 size) override;

private:
    enum class Mode { Replace, InPlace, Stream };
    bool fail(Failure failure);
    void closeDescriptor();

    QString m_fileName;
    QByteArray m_target; // the file that gets the content, by its bytes
    QByteArray m_temp;   // Replace: the new file beside it
    QByteArray m_buffer; // InPlace: the new content until the commit
    Mode m_mode = Mode::Replace;
    int m_fd = -1;
    int m_given = -1; // the caller's descriptor, for the stream to it
    Failure m_failure = Failure::None;
    int m_errno = 0;
    bool m_begun = false;
    bool m_done = false;
};

// Writes the bytes as the file's whole content (as WholeFileWriter does).
WholeFileWriter::Failure WriteWholeFile(const QString &fileName, const QByteArray &bytes);

} // namespace zentrope
