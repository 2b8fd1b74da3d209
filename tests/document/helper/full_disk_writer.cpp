// Fills a small file system and checks that every writer of the program then
// reports the failure and leaves the old file as it was: address files (new,
// replaced, and rewritten in place in a folder that cannot be written), the
// settings file, the desktop registration and the template. The document tests
// run it on a 64 KiB tmpfs mounted in a user and mount namespace:
//   full_disk_writer DIR
// One line per check, "ok ..." or "FAIL ..."; the exit status is 1 on a failure.
#include "core/Error.h"
#include "document/AddressFile.h"
#include "settings/IniFile.h"
#include "shell/FileTypeRegistration.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentrope;

namespace {

int failures = 0;

void check(bool ok, const QString &what)
{
    std::printf("%s %s\n", ok ? "ok" : "FAIL", qPrintable(what));
    failures += ok ? 0 : 1;
}

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.flush())
        check(false, "cannot prepare " + path);
}

template <typename F> QString errorOf(F &&f)
{
    try {
        f();
    } catch (const ZentropeError &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

// Fills the file system with one file; gives its descriptor back.
int fill(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    static const char block[4096] = {};
    while (::write(fd, block, sizeof block) > 0) {
    }
    while (::write(fd, block, 1) > 0) {
    }
    return fd;
}

QStringList namesIn(const QString &dir)
{
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2)
        return 2;
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString docs = root + QStringLiteral("/docs");
    const QString shared = root + QStringLiteral("/shared");
    const QString data = root + QStringLiteral("/data");
    const QString templates = root + QStringLiteral("/Templates");
    for (const QString &d : {docs, shared, data, templates})
        QDir().mkpath(d);
    const QByteArray oldText = "Old text\r\n";
    const QString letter = docs + QStringLiteral("/letter.env");
    put(letter, oldText);
    const QString ini = docs + QStringLiteral("/zentrope.ini");
    put(ini, "[Options]\nSize=1\n");
    const QString inPlace = shared + QStringLiteral("/letter.env");
    put(inPlace, oldText);
    ::chmod(QFile::encodeName(shared).constData(), 0555);

    const int filler = fill(root + QStringLiteral("/filler"));
    check(::write(filler, "x", 1) < 0, "the file system is full");

    // Address files: replaced and new, small ones included (a small text must
    // not sit in a buffer and be committed as an empty file).
    for (const int n : {10, 1000, 16000, 17000}) {
        const QString text(n, QLatin1Char('a'));
        const QString what = QStringLiteral("address file of %1 characters").arg(n);
        check(errorOf([&] { WriteAddressFile(letter, text, TextEncoding::Utf8); }) ==
                  QStringLiteral("Stream write error."),
              what + " fails");
        check(bytesOf(letter) == oldText, what + " leaves the old file");
        const QString fresh = docs + QStringLiteral("/new.env");
        check(errorOf([&] { WriteAddressFile(fresh, text, TextEncoding::Utf8); }) ==
                  QStringLiteral("Stream write error."),
              what + " fails as a new file");
    }
    check(namesIn(docs) == QStringList({"letter.env", "zentrope.ini"}), "no file left beside the documents");

    // The settings file.
    TIniFile settings(ini);
    check(errorOf([&] { settings.WriteString("Options", "Name", "x"); }) == "Unable to write to " + ini,
          "settings write fails");
    check(bytesOf(ini) == "[Options]\nSize=1\n", "settings file unchanged");
    check(settings.ReadString("Options", "Name", "none") == "none", "settings read gives the old value");
    check(namesIn(docs) == QStringList({"letter.env", "zentrope.ini", "zentrope.ini.lock"}),
          "no temporary settings file left");

    // The desktop registration and the template.
    FileTypeInfo info;
    info.Extension = QStringLiteral(".env");
    info.TypeName = QStringLiteral("Zentrope");
    info.TypeDescription = QStringLiteral("Zentrope Envelope");
    info.MimeType = QStringLiteral("application/x-zentrope-envelope");
    info.TemplateLines = {QStringLiteral(" ")};
    info.IconSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    info.Commands.VerbCount = 1;
    info.Commands.Verbs[0] = QStringLiteral("open");
    info.Commands.Commands[0] = QStringLiteral("zentrope %f");
    const RegistrationOutcome outcome = WriteFileTypeRegistration(info, {data, templates, {}});
    check(outcome.Failed.size() == 3,
          QStringLiteral("registration reports its %1 failed files").arg(outcome.Failed.size()));
    check(!outcome.DesktopChanged && !outcome.MimeChanged && !outcome.IconChanged,
          "registration reports no change");
    check(!outcome.TemplateNotCreated.isEmpty(), "template reported as not created");
    QStringList written;
    for (QDirIterator it(root, {"*.desktop", "*.xml", "*.svg", "*.env"}, QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();)
        written << it.next();
    written.sort();
    check(written == QStringList({docs + "/letter.env", inPlace}),
          "no registration or template file left: " + written.join(u' '));

    // A writable file in a folder that cannot be written is rewritten in place:
    // the free space is checked first.
    struct stat before {};
    ::stat(QFile::encodeName(inPlace).constData(), &before);
    check(errorOf([&] { WriteAddressFile(inPlace, QString(20000, QLatin1Char('b')), TextEncoding::Utf8); }) ==
              QStringLiteral("Stream write error."),
          "in-place write larger than the free space fails");
    check(bytesOf(inPlace) == oldText, "in-place write leaves the old text");
    // A shorter text needs no new block.
    check(errorOf([&] { WriteAddressFile(inPlace, QStringLiteral("New"), TextEncoding::Utf8); }) ==
              QStringLiteral("<no error>"),
          "in-place write within the file's block succeeds on a full disk");
    check(bytesOf(inPlace) == "New", "in-place write wrote the new text");
    ::ftruncate(filler, 0);
    check(errorOf([&] { WriteAddressFile(inPlace, QString(20000, QLatin1Char('c')), TextEncoding::Utf8); }) ==
              QStringLiteral("<no error>"),
          "in-place write succeeds with room");
    struct stat after {};
    ::stat(QFile::encodeName(inPlace).constData(), &after);
    check(bytesOf(inPlace) == QByteArray(20000, 'c') && after.st_ino == before.st_ino,
          "in-place write kept the file");
    check(namesIn(shared) == QStringList({"letter.env"}), "nothing else in the closed folder");
    ::close(filler);
    return failures ? 1 : 0;
}
