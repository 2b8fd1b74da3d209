#include "core/Error.h"
#include "core/FileName.h"
#include "document/AddressFile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<unreadable>";
    return f.readAll();
}

// The message of the error the call throws, or "<no error>".
template <typename F> std::string errorOf(F &&f)
{
    try {
        f();
    } catch (const ZentropeError &e) {
        return e.message().toStdString();
    }
    return "<no error>";
}

// Reads a file and writes the text back as the program does.
QByteArray roundTrip(const QString &dir, const QByteArray &bytes)
{
    const QString path = dir + QStringLiteral("/trip.env");
    writeBytes(path, bytes);
    const AddressText doc = ReadAddressFile(path);
    WriteAddressFile(path, doc.Text, doc.Encoding);
    return readBytes(path);
}

// Writes the text in a child process under a file-size limit, so that the
// write itself fails once the limit is reached; the message it gave.
std::string writeUnderSizeLimit(const QString &path, const QString &text, rlim_t limitBytes)
{
    int fds[2];
    if (::pipe(fds) != 0)
        return "<no pipe>";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{limitBytes, limitBytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const std::string msg = errorOf([&] { WriteAddressFile(path, text, TextEncoding::Utf8); });
        (void)!::write(fds[1], msg.data(), msg.size());
        ::_exit(0);
    }
    ::close(fds[1]);
    std::string msg;
    char buf[256];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        msg.append(buf, size_t(n));
    ::close(fds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? msg : "<child died>";
}

} // namespace

TEST(AddressFile, LineBreaksNulAndLastLine)
{
    // Every kind of line break is one break; nothing is added after the last line.
    EXPECT_EQ(DecodeAddressText("a\r\nb\rc\nd").Text, QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(DecodeAddressText("a\r\r\nb\n\r").Text, QStringLiteral("a\n\nb\n\n"));
    EXPECT_EQ(DecodeAddressText("John\r\n").Text, QStringLiteral("John\n"));
    // A NUL ends the text.
    EXPECT_EQ(DecodeAddressText(QByteArray("Jane\r\nDoe\0hidden\r\n", 19)).Text, QStringLiteral("Jane\nDoe"));
    EXPECT_EQ(DecodeAddressText(QByteArray("\0abc", 4)).Text, QString());
    EXPECT_EQ(EncodeAddressText(QStringLiteral("a\nb\n\nc"), TextEncoding::Utf8),
              QByteArray("a\r\nb\r\n\r\nc"));
    EXPECT_EQ(EncodeAddressText(QString(), TextEncoding::Utf8), QByteArray());
}

TEST(AddressFile, EncodingsRoundTripByteForByte)
{
    const QString dir = freshDir(QStringLiteral("encodings"));

    // Windows-1252 from elsewhere: every byte 0x80..0xFF comes back unchanged.
    QByteArray cp1252 = "Stra\xdf"
                        "e 5\r\n";
    for (int b = 0x80; b <= 0xFF; ++b)
        cp1252.append(char(b));
    cp1252.append("\r\n");
    const AddressText doc = DecodeAddressText(cp1252);
    EXPECT_EQ(doc.Encoding, TextEncoding::Cp1252);
    EXPECT_TRUE(doc.Text.startsWith(QStringLiteral("Stra\u00dfe 5\n\u20ac")));
    EXPECT_EQ(roundTrip(dir, cp1252), cp1252);

    // UTF-8, with and without a byte order mark, and plain ASCII.
    for (const QByteArray &bytes :
         {QByteArray("M\xc3\xbcller\r\n\xe6\x9d\xb1\xe4\xba\xac\xc2\xa0"
                     "1"),
          QByteArray("\xef\xbb\xbfJ\xc3\xb8rn"), QByteArray("Plain\r\nASCII\r\n")}) {
        EXPECT_EQ(DecodeAddressText(bytes).Encoding, TextEncoding::Utf8);
        EXPECT_EQ(roundTrip(dir, bytes), bytes);
    }
    EXPECT_EQ(DecodeAddressText("M\xc3\xbcller").Text, QStringLiteral("M\u00fcller"));

    // A 1252 document that gains a character outside 1252 is written as UTF-8;
    // one that keeps to 1252 stays 8-bit.
    TextEncoding used = TextEncoding::Utf8;
    EXPECT_EQ(EncodeAddressText(QStringLiteral("\u20ac \u0141\u00f3d\u017a"), TextEncoding::Cp1252, &used),
              QByteArray("\xe2\x82\xac \xc5\x81\xc3\xb3\x64\xc5\xba"));
    EXPECT_EQ(used, TextEncoding::Utf8);
    EXPECT_EQ(EncodeAddressText(QStringLiteral("\u20ac\u00e9"), TextEncoding::Cp1252, &used),
              QByteArray("\x80\xe9"));
    EXPECT_EQ(used, TextEncoding::Cp1252);
    // New documents are UTF-8 even when every character would fit in 1252.
    EXPECT_EQ(EncodeAddressText(QStringLiteral("\u00e9"), TextEncoding::Utf8, &used), QByteArray("\xc3\xa9"));
    const QString path = dir + QStringLiteral("/new.env");
    const QString typed = QStringLiteral("\u0141\u00f3d\u017a\n\u00a0Nowa 1\n");
    EXPECT_EQ(WriteAddressFile(path, typed, TextEncoding::Cp1252), TextEncoding::Utf8);
    EXPECT_EQ(ReadAddressFile(path).Text, typed);

    // LF-only and CR-only files read as the same lines and are saved with CR LF.
    EXPECT_EQ(roundTrip(dir, "One\nTwo\n\nThree"), QByteArray("One\r\nTwo\r\n\r\nThree"));
    EXPECT_EQ(roundTrip(dir, "One\rTwo\r"), QByteArray("One\r\nTwo\r\n"));
}

TEST(AddressFile, ReadFailures)
{
    const QString dir = freshDir(QStringLiteral("readfail"));
    EXPECT_FALSE(AddressFileExists(dir + QStringLiteral("/missing.env")));
    EXPECT_FALSE(AddressFileExists(dir)); // a folder is no file
    EXPECT_FALSE(AddressFileExists(QString()));
    EXPECT_EQ(errorOf([&] { ReadAddressFile(dir); }), "Cannot open file " + dir.toStdString() + ".");

    // At the capacity the text is read whole; one byte more is refused, unless
    // a NUL ends the text before the limit.
    const QString big = dir + QStringLiteral("/big.env");
    QByteArray bytes(AddressFileCapacity, 'x');
    writeBytes(big, bytes);
    EXPECT_EQ(ReadAddressFile(big).Text.size(), AddressFileCapacity);
    bytes.append('y');
    writeBytes(big, bytes);
    EXPECT_EQ(errorOf([&] { ReadAddressFile(big); }), "Text exceeds memo capacity.");
    EXPECT_EQ(errorOf([&] { DecodeAddressText(bytes); }), "Text exceeds memo capacity.");
    bytes[10] = '\0';
    writeBytes(big, bytes);
    EXPECT_EQ(ReadAddressFile(big).Text, QStringLiteral("xxxxxxxxxx"));
}

TEST(AddressFile, UnreadableFileAndUnwritableFolder)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    const QString dir = freshDir(QStringLiteral("perm"));
    const QString locked = dir + QStringLiteral("/locked.env");
    writeBytes(locked, "secret");
    QFile::setPermissions(locked, QFileDevice::WriteOwner);
    EXPECT_TRUE(AddressFileExists(locked));
    EXPECT_EQ(errorOf([&] { ReadAddressFile(locked); }), "Cannot open file " + locked.toStdString() + ".");

    // A read-only file in a writable folder is not replaced behind its back.
    const QString readOnly = dir + QStringLiteral("/ro.env");
    writeBytes(readOnly, "old");
    QFile::setPermissions(readOnly, QFileDevice::ReadOwner);
    EXPECT_TRUE(AddressFileIsReadOnly(readOnly));
    EXPECT_EQ(errorOf([&] { WriteAddressFile(readOnly, QStringLiteral("new"), TextEncoding::Utf8); }),
              "Cannot create file " + readOnly.toStdString() + ".");
    EXPECT_EQ(readBytes(readOnly), QByteArray("old"));

    // A folder that cannot be written: no new file, and a read-only file in it
    // is not rewritten either.
    const QString sub = dir + QStringLiteral("/closed");
    QDir().mkpath(sub);
    const QString inside = sub + QStringLiteral("/kept.env");
    writeBytes(inside, "kept");
    QFile::setPermissions(inside, QFileDevice::ReadOwner);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    for (const QString &target : {sub + QStringLiteral("/new.env"), inside}) {
        EXPECT_EQ(errorOf([&] { WriteAddressFile(target, QStringLiteral("x"), TextEncoding::Utf8); }),
                  "Cannot create file " + target.toStdString() + ".");
    }
    EXPECT_EQ(readBytes(inside), QByteArray("kept"));
    EXPECT_FALSE(QFile::exists(sub + QStringLiteral("/new.env")));
    EXPECT_EQ(QDir(sub).entryList(QDir::Files | QDir::Hidden).size(), 1);
    QFile::setPermissions(sub, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A file the user may write in a folder the user may not (a shared group
// folder) is saved in place; a failure on the way writes the old text back.
TEST(AddressFile, WritableFileInClosedFolderIsSavedInPlace)
{
    ZENTROPE_REQUIRE_UNPRIVILEGED();
    const QString dir = freshDir(QStringLiteral("shared"));
    const QString path = dir + QStringLiteral("/letter.env");
    writeBytes(path, "Old text\r\n");
    const QString link = freshDir(QStringLiteral("link")) + QStringLiteral("/via-link.env");
    ASSERT_TRUE(QFile::link(path, link));
    const auto inode = [&] {
        struct stat st {};
        ::stat(QFile::encodeName(path).constData(), &st);
        return st.st_ino;
    };
    const auto before = inode();
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    EXPECT_FALSE(AddressFileIsReadOnly(path));
    EXPECT_EQ(WriteAddressFile(path, QStringLiteral("Jane\nDoe"), TextEncoding::Utf8), TextEncoding::Utf8);
    EXPECT_EQ(readBytes(path), QByteArray("Jane\r\nDoe"));
    WriteAddressFile(link, QStringLiteral("Via link"), TextEncoding::Utf8); // the link's target is the file
    EXPECT_EQ(readBytes(path), QByteArray("Via link"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(inode(), before);

    // Longer and shorter than the limit the child may write: the long one fails
    // part way and the old text comes back.
    EXPECT_EQ(writeUnderSizeLimit(path, QString(256 * 1024, QLatin1Char('z')), 64 * 1024),
              "Stream write error.");
    EXPECT_EQ(readBytes(path), QByteArray("Via link"));
    EXPECT_EQ(writeUnderSizeLimit(path, QStringLiteral("Short"), 64 * 1024), "<no error>");
    EXPECT_EQ(readBytes(path), QByteArray("Short"));
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("letter.env")});
    QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

// A FIFO would block the open, a device never end: both are refused at once.
TEST(AddressFile, FifoAndDeviceAreRefusedAtOnce)
{
    const QString dir = freshDir(QStringLiteral("special"));
    const QString fifo = dir + QStringLiteral("/fifo.env");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString zero = dir + QStringLiteral("/zero.env");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    ::alarm(20); // a regression would hang here: end the test instead
    for (const QString &path : {fifo, zero}) {
        EXPECT_FALSE(AddressFileExists(path));
        EXPECT_EQ(errorOf([&] { ReadAddressFile(path); }), "Cannot open file " + path.toStdString() + ".");
    }
    ::alarm(0);
}

// A real full file system: a 64 KiB tmpfs in a user and mount namespace, so an
// unprivileged user can mount it. Every writer is tried there by a helper.
TEST(AddressFile, EveryWriterOnAFullFileSystem)
{
    const QString dir = freshDir(QStringLiteral("tmpfs"));
    QProcess probe;
    probe.start(QStringLiteral("unshare"),
                {QStringLiteral("-rm"), QStringLiteral("mount"), QStringLiteral("-t"),
                 QStringLiteral("tmpfs"), QStringLiteral("-o"), QStringLiteral("size=64k"),
                 QStringLiteral("none"), dir});
    if (!probe.waitForFinished(20000) || probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0)
        GTEST_SKIP() << "user and mount namespaces are not permitted here (unshare -rm mount failed: "
                     << probe.readAllStandardError().trimmed().toStdString() << ")";
    // Capabilities dropped after the mount, so the folder permissions hold for
    // the namespace's root as for the user.
    QProcess run;
    run.setProcessChannelMode(QProcess::MergedChannels);
    run.start(QStringLiteral("unshare"),
              {QStringLiteral("-rm"), QStringLiteral("sh"), QStringLiteral("-c"),
               QStringLiteral("mount -t tmpfs -o size=64k none \"$1\" && exec setpriv --bounding-set=-all "
                              "\"$2\" \"$1\""),
               QStringLiteral("sh"), dir, QStringLiteral(ZENTROPE_FULL_DISK_WRITER)});
    ASSERT_TRUE(run.waitForFinished(60000));
    const QString out = QString::fromUtf8(run.readAll());
    EXPECT_EQ(run.exitCode(), 0) << out.toStdString();
    EXPECT_FALSE(out.contains(QStringLiteral("FAIL"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("ok address file of 10 characters fails"))) << out.toStdString();
}

TEST(AddressFile, WriteFailingMidwayKeepsOldFile)
{
    const QString dir = freshDir(QStringLiteral("midway"));
    const QString path = dir + QStringLiteral("/letter.env");
    writeBytes(path, "Old text\r\n");
    // Small texts too: they must not sit in a buffer and be committed empty
    // when the final flush fails.
    for (const int n : {10, 1000, 16000, 256 * 1024}) {
        const QString text(n, QLatin1Char('z'));
        EXPECT_EQ(writeUnderSizeLimit(path, text, n / 2), "Stream write error.") << n;
        EXPECT_EQ(readBytes(path), QByteArray("Old text\r\n")) << n;
        EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("letter.env")});
    }

    // Without the limit the same write succeeds.
    const QString text(256 * 1024, QLatin1Char('z'));
    WriteAddressFile(path, text, TextEncoding::Utf8);
    EXPECT_EQ(QFileInfo(path).size(), text.size());
}

// What is not a regular file is never replaced: a device or a FIFO is
// written in place, anything else refused.
TEST(AddressFile, DevicesAndFifosWrittenInPlaceOthersRefused)
{
    const QString dir = freshDir(QStringLiteral("targets"));
    ::alarm(20); // a FIFO that blocked would hang here: end the test instead
    EXPECT_EQ(errorOf([] {
                  WriteAddressFile(QStringLiteral("/dev/null"), QStringLiteral("x"), TextEncoding::Utf8);
              }),
              "<no error>");
    EXPECT_EQ(errorOf([] {
                  WriteAddressFile(QStringLiteral("/dev/full"), QStringLiteral("x"), TextEncoding::Utf8);
              }),
              "Stream write error.");
    struct stat st {};
    ASSERT_EQ(::stat("/dev/full", &st), 0);
    EXPECT_TRUE(S_ISCHR(st.st_mode));

    const QString fifo = dir + QStringLiteral("/fifo.env");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(errorOf([&] { WriteAddressFile(fifo, QStringLiteral("x"), TextEncoding::Utf8); }),
              "Cannot create file " + fifo.toStdString() + ".")
        << "nobody reads it: refused at once";
    QProcess reader;
    reader.start(QStringLiteral("cat"), {fifo});
    ASSERT_TRUE(reader.waitForStarted());
    // The reader opens the FIFO soon after it starts.
    for (int i = 0; i < 200; ++i) {
        if (errorOf([&] { WriteAddressFile(fifo, QStringLiteral("Alice\nAlbany"), TextEncoding::Utf8); }) ==
            "<no error>")
            break;
        QThread::msleep(10);
    }
    ASSERT_TRUE(reader.waitForFinished(10000));
    EXPECT_EQ(reader.readAllStandardOutput(), QByteArray("Alice\r\nAlbany"));
    ::alarm(0);
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode));

    EXPECT_EQ(errorOf([&] { WriteAddressFile(dir, QStringLiteral("x"), TextEncoding::Utf8); }),
              "Cannot create file " + dir.toStdString() + ".");

    // A link: the file it leads to is replaced, the link stays.
    const QString real = dir + QStringLiteral("/real.env");
    const QString link = dir + QStringLiteral("/link.env");
    writeBytes(real, "old");
    ASSERT_TRUE(QFile::link(real, link));
    WriteAddressFile(link, QStringLiteral("new"), TextEncoding::Utf8);
    EXPECT_EQ(readBytes(real), QByteArray("new"));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}

// A file name that is not UTF-8 is opened and written by its bytes.
TEST(AddressFile, NamesThatAreNotUtf8)
{
    const std::pair<QByteArray, bool> names[] = {
        {"plain.env", false},
        {"caf\xc3\xa9.env", false},
        {"four\xf0\x9f\x93\xa7", false},
        {"caf\xe9.env", true},
        {"\xff\xfe", true},
        {"over\xc0\xaflong", true},
        {"sur\xed\xa0\x80rogate", true},
        {"cut\xf0\x9f", true},
    };
    for (const auto &[bytes, undecoded] : names) {
        EXPECT_EQ(EncodeFileName(DecodeFileName(bytes)), bytes) << bytes.toHex().toStdString();
        EXPECT_EQ(HasUndecodedBytes(DecodeFileName(bytes)), undecoded) << bytes.toHex().toStdString();
    }
    EXPECT_EQ(DecodeFileName("caf\xc3\xa9"), QStringLiteral("caf\u00e9"));

    const QString dir = freshDir(QStringLiteral("bytes"));
    const QByteArray raw = QFile::encodeName(dir) + "/caf\xe9.env";
    const QString name = DecodeFileName(raw);
    EXPECT_FALSE(AddressFileExists(name));
    WriteAddressFile(name, QStringLiteral("Bob"), TextEncoding::Utf8);
    struct stat st {};
    EXPECT_EQ(::stat(raw.constData(), &st), 0) << "the file has the very bytes of its name";
    EXPECT_TRUE(AddressFileExists(name));
    EXPECT_FALSE(AddressFileIsReadOnly(name));
    EXPECT_EQ(ReadAddressFile(name).Text, QStringLiteral("Bob"));
    ::unlink(raw.constData()); // Qt could not remove it with the folder
}
