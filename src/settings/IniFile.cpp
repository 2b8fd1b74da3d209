#include "settings/IniFile.h"

#include "core/Error.h"
#include "core/FileName.h"
#include "core/Units.h"
#include "settings/IniSection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace zentrope {

namespace {

enum class LineEnd { Lf, CrLf, Cr };

// The file as lines, with what is needed to write it back the way it was.
struct IniText {
    QStringList lines;
    LineEnd eol = LineEnd::Lf;
    bool cp1252 = false;
    bool bom = false;
    bool trailingNewline = true;
    bool readable = true; // false when the file exists but could not be read
};

// One state of the file on disk. A rename over the file gives another inode; a
// rewrite in place changes the modification time, and nearly always the size.
struct FileStamp {
    bool known = false; // false when the file could not be looked at: never current
    bool exists = false;
    dev_t dev = 0;
    ino_t ino = 0;
    off_t size = 0;
    timespec mtime{};
    timespec ctime{};
};

FileStamp stampOf(const struct stat &st)
{
    FileStamp s;
    s.known = s.exists = true;
    s.dev = st.st_dev;
    s.ino = st.st_ino;
    s.size = st.st_size;
    s.mtime = st.st_mtim;
    s.ctime = st.st_ctim;
    return s;
}

FileStamp stampOfPath(const QByteArray &path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) == 0)
        return stampOf(st);
    FileStamp s;
    s.known = errno == ENOENT || errno == ENOTDIR;
    return s;
}

bool sameTime(const timespec &a, const timespec &b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool sameStamp(const FileStamp &a, const FileStamp &b)
{
    if (!a.known || !b.known || a.exists != b.exists)
        return false;
    return !a.exists || (a.dev == b.dev && a.ino == b.ino && a.size == b.size && sameTime(a.mtime, b.mtime) &&
                         sameTime(a.ctime, b.ctime));
}

// Lines split at CR LF, LF and a lone CR alike; the first line end found is
// the file's style.
void splitLines(const QString &text, IniText &t)
{
    t.lines.clear();
    bool styleSeen = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        t.lines << text.mid(start, i - start);
        const bool crlf = c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n');
        if (!styleSeen) {
            t.eol = crlf ? LineEnd::CrLf : c == QLatin1Char('\r') ? LineEnd::Cr : LineEnd::Lf;
            styleSeen = true;
        }
        i += crlf ? 1 : 0;
        start = i + 1;
    }
    t.trailingNewline = start == text.size();
    if (!t.trailingNewline)
        t.lines << text.mid(start);
}

IniText decode(const QByteArray &bytes)
{
    IniText t;
    // One decoding pass tells UTF-8 from Windows-1252; it also drops a leading mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = decodeCp1252(bytes);
        t.cp1252 = true;
    } else {
        t.bom = bytes.startsWith("\xEF\xBB\xBF");
    }
    splitLines(text, t);
    return t;
}

// The bytes of the text; `cp1252` tells whether it stayed Windows-1252.
QByteArray encode(const IniText &t, bool &cp1252)
{
    const QString eol = t.eol == LineEnd::CrLf ? QStringLiteral("\r\n")
                        : t.eol == LineEnd::Cr ? QStringLiteral("\r")
                                               : QStringLiteral("\n");
    QString text = t.lines.join(eol);
    if (!t.lines.isEmpty() && t.trailingNewline)
        text += eol;
    QByteArray bytes;
    if (t.cp1252 && fitsCp1252(text))
        bytes = encodeCp1252(text);
    // Windows-1252 bytes that happen to form valid UTF-8 (the invalid ones were
    // erased) would read back as other text: such a file becomes UTF-8 whole.
    if (bytes.isEmpty() || isValidUtf8(bytes)) {
        bytes.clear();
        if (t.bom)
            bytes = QByteArrayLiteral("\xEF\xBB\xBF");
        bytes += text.toUtf8();
    }
    cp1252 = t.cp1252 && !bytes.isEmpty() && !isValidUtf8(bytes);
    return bytes;
}

// The blanks the profile functions trim: the C locale's white space, so that a
// no-break space or another Unicode blank inside a value survives a read.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\r' || u == '\n' || u == '\v' || u == '\f';
}

QString trimBlanks(const QString &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char(';'));
}

// Whether the line is a "[name]" header, and its name ("[]" has the empty one).
bool sectionName(const QString &line, QString &name)
{
    qsizetype first = 0;
    while (first < line.size() && isBlank(line[first]))
        ++first;
    if (first == line.size() || line[first] != QLatin1Char('['))
        return false; // most lines: decided without a copy
    const QString t = trimBlanks(line);
    if (!t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return false;
    name = trimBlanks(t.mid(1, close - 1));
    return true;
}

bool keyOf(const QString &line, QString &key, QString &value)
{
    const QString t = trimBlanks(line);
    if (t.isEmpty() || isComment(t) || t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = trimBlanks(t.left(eq));
    value = trimBlanks(t.mid(eq + 1));
    return true;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Index range [begin, end) of the lines of the first section of that name,
// begin pointing at its header; begin is -1 when there is none.
std::pair<int, int> findSection(const IniText &t, const QString &section)
{
    int begin = -1;
    for (int i = 0; i < t.lines.size(); ++i) {
        QString name;
        if (!sectionName(t.lines[i], name))
            continue;
        if (begin >= 0)
            return {begin, i};
        if (sameName(name, section))
            begin = i;
    }
    return {begin, static_cast<int>(t.lines.size())};
}

QString unquote(const QString &v)
{
    if (v.size() >= 2) {
        const QChar q = v.front();
        if ((q == QLatin1Char('"') || q == QLatin1Char('\'')) && v.back() == q)
            return v.mid(1, v.size() - 2);
    }
    return v;
}

// The first MaxValueLength characters, a surrogate pair counting as one.
QString cutToReadLimit(const QString &s)
{
    if (s.size() <= TIniFile::MaxValueLength)
        return s;
    qsizetype i = 0;
    for (int n = 0; n < TIniFile::MaxValueLength && i < s.size(); ++n)
        i += (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate()) ? 2 : 1;
    return s.left(i);
}

bool hasLineBreak(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')) || s.contains(QChar(0));
}

// Names that cannot be one INI line, or would read back as something else: a
// section name with "]" ends its header early; a key with "=" would shadow
// another key, and one starting with "[" or ";" reads as a header or a comment.
bool validSection(const QString &trimmed)
{
    return !trimmed.isEmpty() && !hasLineBreak(trimmed) && !trimmed.contains(QLatin1Char(']'));
}

bool validKey(const QString &trimmed)
{
    return !trimmed.isEmpty() && !hasLineBreak(trimmed) && !trimmed.contains(QLatin1Char('=')) &&
           !trimmed.startsWith(QLatin1Char('[')) && !trimmed.startsWith(QLatin1Char(';'));
}

// Trailing blanks of a default go as a stored value's do (the Windows
// functions cut them too); leading ones stay.
QString trimTrailingBlanks(const QString &s)
{
    qsizetype e = s.size();
    while (e > 0 && isBlank(s[e - 1]))
        --e;
    return s.left(e);
}

// A line as reads see it: a header's name, or a key's name and its value
// without the quotes.
struct LineInfo {
    enum Kind : quint8 { Other, Header, Key };
    Kind kind = Other;
    QString name;
    QString value;
};

// A name as the comparison ignoring letter case sees it: each code point
// folded alone, so that equal folds are exactly the names sameName matches.
QString foldName(const QString &name)
{
    QString out(name.size(), Qt::Uninitialized);
    char16_t *o = reinterpret_cast<char16_t *>(out.data());
    qsizetype n = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t u = name[i].unicode();
        if (u < 0x80) { // the common case: folding is lower case
            o[n++] = u >= 'A' && u <= 'Z' ? char16_t(u + ('a' - 'A')) : u;
            continue;
        }
        char32_t c = u;
        if (name[i].isHighSurrogate() && i + 1 < name.size() && name[i + 1].isLowSurrogate())
            c = QChar::surrogateToUcs4(name[i], name[i + 1]), ++i;
        const char32_t f = QChar::toCaseFolded(c);
        if (QChar::requiresSurrogates(f)) {
            o[n++] = QChar::highSurrogate(f);
            o[n++] = QChar::lowSurrogate(f);
        } else {
            o[n++] = char16_t(f);
        }
    }
    out.truncate(n);
    return out;
}

// The lines of the first section of a name, which is the one reads search,
// and a table of its keys, made at the first look-up: the line of each key's
// first occurrence, as a read finds it.
struct SectionIndex {
    int header = -1;
    int end = -1;
    bool keysMade = false;
    QHash<QString, int> keys;
};

// The file as it was last read or written, ready for reads.
struct Parsed {
    IniText text;
    QByteArray raw; // the bytes on disk, so an unchanged rewrite can be told
    QList<LineInfo> info;
    QHash<QString, SectionIndex> sections;
    bool indexed = false; // info and sections are made at the first read
    FileStamp stamp;
};

void index(Parsed &p)
{
    p.info.clear();
    p.sections.clear();
    p.info.reserve(p.text.lines.size());
    SectionIndex *current = nullptr;
    for (const QString &line : std::as_const(p.text.lines)) {
        const int at = int(p.info.size());
        LineInfo li;
        QString value;
        if (sectionName(line, li.name)) {
            li.kind = LineInfo::Header;
            if (current)
                current->end = at;
            current = nullptr;
            const QString folded = foldName(li.name);
            if (!p.sections.contains(folded)) {
                current = &p.sections[folded]; // used only until the next insertion
                current->header = at;
            }
        } else if (keyOf(line, li.name, value)) {
            li.kind = LineInfo::Key;
            li.value = unquote(value);
        }
        p.info.append(std::move(li));
    }
    if (current)
        current->end = int(p.info.size());
    p.indexed = true;
}

Parsed parse(const QByteArray &bytes, const FileStamp &stamp)
{
    Parsed p;
    p.text = decode(bytes);
    p.raw = bytes;
    p.stamp = stamp;
    return p;
}

Parsed load(const QString &path)
{
    const QByteArray name = EncodeFileName(path);
    // Not blocking on a FIFO; the stamp comes from the descriptor read, so it
    // always belongs to the bytes that were read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        // A file that cannot be read is tried again at the next read: its
        // stamp is unknown, so it never counts as current.
        Parsed p;
        p.text.readable = errno == ENOENT || errno == ENOTDIR;
        p.stamp.known = p.text.readable;
        return p;
    }
    struct stat st {};
    QByteArray bytes;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (ok)
        bytes.reserve(qsizetype(st.st_size));
    char block[65536];
    for (ssize_t n; ok;) {
        while ((n = ::read(fd, block, sizeof block)) < 0 && errno == EINTR) {
        }
        ok = n >= 0;
        if (n <= 0)
            break;
        bytes.append(block, qsizetype(n));
    }
    ::close(fd);
    if (!ok) {
        Parsed p;
        p.text.readable = false;
        return p;
    }
    return parse(bytes, stampOf(st));
}

SectionIndex *findIndexed(Parsed &p, const QString &section)
{
    const auto it = p.sections.find(foldName(section));
    return it == p.sections.end() ? nullptr : &*it;
}

// The line of a key in the section, or -1.
int findKey(const Parsed &p, SectionIndex &s, const QString &key)
{
    if (!s.keysMade) {
        // Backwards, so that the first line of a key is the one left in the table.
        s.keys.reserve(s.end - s.header - 1);
        for (int i = s.end - 1; i > s.header; --i)
            if (p.info[i].kind == LineInfo::Key)
                s.keys.insert(foldName(p.info[i].name), i);
        s.keysMade = true;
    }
    return s.keys.value(foldName(key), -1);
}

[[noreturn]] void writeError(const QString &path)
{
    throw ZentropeError(QCoreApplication::translate("zentrope::IniFile", "Unable to write to %1").arg(path));
}

// Serialises writers of one settings file, across processes too. The lock lives
// in a file of its own because each write replaces the settings file's inode.
class FileLock {
public:
    explicit FileLock(const QString &path)
    {
        const QByteArray lockPath = EncodeFileName(path + QStringLiteral(".lock"));
        m_fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0) // a lock file we may not write (another user's) can still be locked
            m_fd = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC);
        if (m_fd < 0)
            return;
        int rc;
        while ((rc = ::flock(m_fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        if (rc != 0) {
            ::close(m_fd);
            m_fd = -1;
        }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool ok() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

// The file a write replaces: the settings file, or where its link leads.
// Empty for a dangling link.
QByteArray writeTarget(const QString &path)
{
    QByteArray target = EncodeFileName(path);
    struct stat st {};
    if (::lstat(target.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        char *resolved = ::realpath(target.constData(), nullptr);
        target = resolved ? QByteArray(resolved) : QByteArray();
        std::free(resolved);
    }
    return target;
}

const char TempInfix[] = ".tmp-";

// Writes the bytes to a new file beside the target and renames it over the
// target, so a reader or a crash sees the old file or the new one, never a part.
// No fsync: the rename is atomic for every process, file systems such as ext4
// write a replacing file's data out at the rename, and a synchronous flush per
// settings key would cost milliseconds each. A read-only settings file is not
// replaced behind the user's back; a symbolic link is followed to its target.
// `written` is the new file's stamp.
bool replaceFile(const QString &path, const QByteArray &bytes, FileStamp &written)
{
    const QByteArray target = writeTarget(path);
    if (target.isEmpty())
        return false; // a dangling link: where it leads cannot be written
    struct stat st {};
    const bool exists = ::stat(target.constData(), &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || ::access(target.constData(), W_OK) != 0))
        return false;

    static std::atomic<unsigned> serial{0};
    const QByteArray temp =
        target + TempInfix + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial.fetch_add(1));
    const int fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = !exists || ::fchmod(fd, st.st_mode & 07777) == 0;
    for (qsizetype done = 0; ok && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        done += n > 0 ? n : 0;
    }
    // A second descriptor outlives the checked close, so that the stamp is the
    // renamed file's own, whatever another process does to the name meanwhile.
    const int probe = ok ? ::dup(fd) : -1;
    ok = ::close(fd) == 0 && ok && probe >= 0;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temp.constData());
    struct stat now {};
    written = ok && ::fstat(probe, &now) == 0 ? stampOf(now) : FileStamp();
    if (probe >= 0)
        ::close(probe);
    return ok;
}

// A process id from a temporary file's name: "<name>.tmp-<pid>-<n>", digits only.
bool leftoverPid(const QByteArray &entry, const QByteArray &base, pid_t &pid)
{
    const QByteArray prefix = base + TempInfix;
    if (!entry.startsWith(prefix))
        return false;
    const QList<QByteArray> parts = entry.mid(prefix.size()).split('-');
    if (parts.size() != 2)
        return false;
    for (const QByteArray &part : parts) {
        if (part.isEmpty() || part.size() > 10)
            return false;
        for (const char c : part)
            if (c < '0' || c > '9')
                return false;
    }
    const qint64 value = parts[0].toLongLong();
    if (value <= 0 || value > INT_MAX)
        return false;
    pid = pid_t(value);
    return true;
}

// Called under the writers' lock: a live writer holds it while its temporary
// file exists, and a writer of another process shows by its id.
void removeLeftovers(const QString &path)
{
    const QByteArray target = writeTarget(path);
    if (target.isEmpty())
        return;
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray dir = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : target.left(slash);
    const QByteArray base = target.mid(slash + 1);
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return;
    while (const dirent *e = ::readdir(d)) {
        pid_t pid = 0;
        const QByteArray entry(e->d_name);
        if (!leftoverPid(entry, base, pid) || pid == ::getpid())
            continue;
        if (::kill(pid, 0) == 0 || errno != ESRCH)
            continue; // running, or another user's process that runs
        const QByteArray file = dir + '/' + entry;
        struct stat st {};
        if (::lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlink(file.constData());
    }
    ::closedir(d);
}

} // namespace

struct TIniFile::Cache {
    std::mutex mutex;
    QByteArray encodedName; // the settings file's name for the system calls
    Parsed parsed;
    bool valid = false;
    bool cleaned = false; // leftovers removed
    int replaces = 0;
    // The thread that holds the writers' lock for a whole Transaction; its
    // writes in between do not take it again.
    std::thread::id lockOwner;

    // The parsed file, read again when it changed on disk since.
    const Parsed &current(const QString &path)
    {
        if (!valid || !sameStamp(stampOfPath(encodedName), parsed.stamp)) {
            parsed = load(path);
            valid = true;
        }
        return parsed;
    }

    // The same, ready for reads.
    Parsed &forReading(const QString &path)
    {
        current(path);
        if (!parsed.indexed)
            index(parsed);
        return parsed;
    }

    // Changes the file under the writers' lock. The change works on the file as
    // it is on disk now, and returns false when it has nothing to change.
    template <typename Change> void modify(const QString &path, Change change)
    {
        const QFileInfo info(path);
        if (!QDir().mkpath(info.absolutePath()))
            writeError(path);
        std::optional<FileLock> lock;
        if (lockOwner != std::this_thread::get_id()) {
            lock.emplace(path);
            if (!lock->ok())
                writeError(path);
        }
        if (!cleaned) {
            removeLeftovers(path);
            cleaned = true;
        }
        const Parsed &now = current(path);
        if (!now.text.readable)
            writeError(path); // rewriting a file we cannot read would lose its keys
        IniText t = now.text;
        if (!change(t))
            return; // nothing to change: the file stays as it is
        bool cp1252 = false;
        const QByteArray bytes = encode(t, cp1252);
        if (now.stamp.exists && bytes == now.raw)
            return;
        FileStamp written;
        if (!replaceFile(path, bytes, written))
            writeError(path);
        ++replaces;
        // As a fresh read of what was written would see it: the encoding may
        // have become UTF-8. Text that begins like a byte order mark without
        // being one is left to a real decoding.
        if (bytes.startsWith("\xEF\xBB\xBF") == t.bom) {
            t.cp1252 = cp1252;
            parsed.text = std::move(t);
            parsed.raw = bytes;
            parsed.stamp = written;
            parsed.indexed = false;
        } else {
            parsed = parse(bytes, written);
        }
    }
};

bool ParseIniInteger(const QString &input, int32_t &value)
{
    QString s = input;
    if (s.size() > 2 && s[0] == QLatin1Char('0') && (s[1] == QLatin1Char('x') || s[1] == QLatin1Char('X')))
        s = QLatin1Char('$') + s.mid(2);
    qsizetype i = 0;
    while (i < s.size() && s[i] == QLatin1Char(' '))
        ++i;
    if (i < s.size() && s[i] == QLatin1Char('$')) {
        if (++i >= s.size())
            return false;
        uint64_t v = 0;
        for (; i < s.size(); ++i) {
            const char16_t c = s[i].unicode();
            const int d = (c >= '0' && c <= '9')   ? c - '0'
                          : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                          : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                   : -1;
            if (d < 0)
                return false;
            v = v * 16 + d;
            if (v > 0xFFFFFFFFull)
                return false;
        }
        value = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    if (i >= s.size())
        return false;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        if (c < '0' || c > '9')
            return false;
        v = v * 10 + (c - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL)
        return false;
    value = static_cast<int32_t>(v);
    return true;
}

TIniFile::TIniFile(QString fileName) : m_fileName(std::move(fileName)), m_cache(std::make_unique<Cache>())
{
    m_cache->encodedName = EncodeFileName(m_fileName);
}

TIniFile::~TIniFile() = default;

std::function<void(const QString &, const QString &)> &TIniFile::WriteObserver()
{
    static std::function<void(const QString &, const QString &)> observer;
    return observer;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const std::lock_guard guard(m_cache->mutex);
    Parsed &p = m_cache->forReading(m_fileName);
    if (SectionIndex *s = findIndexed(p, trimBlanks(section))) {
        if (const int line = findKey(p, *s, trimBlanks(key)); line >= 0)
            return cutToReadLimit(p.info[line].value);
    }
    return cutToReadLimit(trimTrailingBlanks(def));
}

QStringList TIniFile::ReadList(const QString &section, const QString &prefix, int maxItems) const
{
    const std::lock_guard guard(m_cache->mutex);
    Parsed &p = m_cache->forReading(m_fileName);
    SectionIndex *s = findIndexed(p, trimBlanks(section));
    if (!s)
        return {};
    const auto value = [&](const QString &key) {
        const int line = findKey(p, *s, key);
        return line < 0 ? QString() : cutToReadLimit(p.info[line].value);
    };
    int32_t count = 0;
    if (!ParseIniInteger(value(prefix + QStringLiteral("_Count")), count))
        count = 0;
    QStringList items;
    for (int i = 0; i < std::min(count, maxItems); ++i)
        items << value(prefix + QLatin1Char('_') + QString::number(i));
    return items;
}

bool TIniFile::SectionExists(const QString &section) const
{
    const std::lock_guard guard(m_cache->mutex);
    return findIndexed(m_cache->forReading(m_fileName), trimBlanks(section)) != nullptr;
}

QStringList TIniFile::ReadSectionKeys(const QString &section) const
{
    QStringList keys;
    for (const auto &kv : ReadSectionValues(section))
        keys << kv.first;
    return keys;
}

QList<std::pair<QString, QString>> TIniFile::ReadSectionValues(const QString &section) const
{
    const std::lock_guard guard(m_cache->mutex);
    Parsed &p = m_cache->forReading(m_fileName);
    QList<std::pair<QString, QString>> values;
    const SectionIndex *s = findIndexed(p, trimBlanks(section));
    for (int i = s ? s->header + 1 : 0; s && i < s->end; ++i) {
        const LineInfo &li = p.info[i];
        if (li.kind == LineInfo::Key)
            values.append({li.name, cutToReadLimit(li.value)});
    }
    return values;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString sec = trimBlanks(section);
    const QString name = trimBlanks(key);
    if (!validSection(sec) || !validKey(name) || hasLineBreak(value))
        writeError(m_fileName);
    const std::lock_guard guard(m_cache->mutex);
    m_cache->modify(m_fileName, [&](IniText &t) {
        const QString line = name + QLatin1Char('=') + value;
        auto [begin, end] = findSection(t, sec);
        if (begin < 0) {
            if (!t.lines.isEmpty() && !trimBlanks(t.lines.last()).isEmpty())
                t.lines << QString();
            t.lines << QLatin1Char('[') + sec + QLatin1Char(']') << line;
            return true;
        }
        for (int i = begin + 1; i < end; ++i) {
            QString k, v;
            if (keyOf(t.lines[i], k, v) && sameName(k, name)) {
                if (t.lines[i] == line)
                    return false;
                t.lines[i] = line;
                return true;
            }
        }
        // A new key goes after the last non-blank line of its section.
        int at = end;
        while (at > begin + 1 && trimBlanks(t.lines[at - 1]).isEmpty())
            --at;
        t.lines.insert(at, line);
        return true;
    });
    if (auto &observe = WriteObserver())
        observe(sec, name);
}

int32_t TIniFile::ReadInteger(const QString &section, const QString &key, int32_t def) const
{
    int32_t v = 0;
    return ParseIniInteger(ReadString(section, key, QString()), v) ? v : def;
}

void TIniFile::WriteInteger(const QString &section, const QString &key, int32_t value)
{
    WriteString(section, key, QString::number(value));
}

bool TIniFile::ReadBool(const QString &section, const QString &key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteBool(const QString &section, const QString &key, bool value)
{
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

namespace {
bool eraseSections(IniText &t, const QString &sec)
{
    bool changed = false;
    for (auto [begin, end] = findSection(t, sec); begin >= 0; std::tie(begin, end) = findSection(t, sec)) {
        // Blank lines that separated the section from the next one go too.
        t.lines.erase(t.lines.begin() + begin, t.lines.begin() + end);
        changed = true;
    }
    return changed;
}
} // namespace

void TIniFile::EraseSection(const QString &section)
{
    const QString sec = trimBlanks(section);
    if (!validSection(sec))
        writeError(m_fileName);
    const std::lock_guard guard(m_cache->mutex);
    m_cache->modify(m_fileName, [&](IniText &t) { return eraseSections(t, sec); });
    if (auto &observe = WriteObserver())
        observe(sec, QString());
}

void TIniFile::WriteSection(const IniSection &section)
{
    const QString sec = trimBlanks(section.Name());
    if (!validSection(sec))
        writeError(m_fileName);
    // The lines as one write per key would leave them: the first line of a key
    // (letter case aside) takes the last value written for it.
    QStringList lines;
    QHash<QString, qsizetype> at;
    for (const auto &[key, value] : section.Values()) {
        const QString name = trimBlanks(key);
        if (!validKey(name) || hasLineBreak(value))
            writeError(m_fileName);
        const QString line = name + QLatin1Char('=') + value;
        const QString folded = name.toCaseFolded();
        if (const auto it = at.constFind(folded); it != at.cend()) {
            lines[*it] = line;
        } else {
            at.insert(folded, lines.size());
            lines << line;
        }
    }
    const std::lock_guard guard(m_cache->mutex);
    m_cache->modify(m_fileName, [&](IniText &t) {
        const bool erased = eraseSections(t, sec);
        if (lines.isEmpty())
            return erased;
        if (!t.lines.isEmpty() && !trimBlanks(t.lines.last()).isEmpty())
            t.lines << QString();
        t.lines << QLatin1Char('[') + sec + QLatin1Char(']');
        t.lines << lines;
        return true;
    });
    if (auto &observe = WriteObserver())
        observe(sec, QString());
}

void TIniFile::RemoveLeftovers()
{
    const std::lock_guard guard(m_cache->mutex);
    FileLock lock(m_fileName);
    if (!lock.ok())
        return;
    removeLeftovers(m_fileName);
    m_cache->cleaned = true;
}

void TIniFile::Transaction(const std::function<void()> &update)
{
    bool nested = false;
    {
        const std::lock_guard guard(m_cache->mutex);
        nested = m_cache->lockOwner == std::this_thread::get_id();
    }
    if (nested) {
        update();
        return;
    }
    // Taken before the cache's mutex, so reads of other threads go on while
    // another process holds the file. Without a lock (no folder yet) the
    // writes take their own, and say when they cannot.
    FileLock lock(m_fileName);
    if (!lock.ok()) {
        update();
        return;
    }
    {
        const std::lock_guard guard(m_cache->mutex);
        m_cache->lockOwner = std::this_thread::get_id();
    }
    struct Release {
        Cache &cache;
        ~Release()
        {
            const std::lock_guard guard(cache.mutex);
            cache.lockOwner = {};
        }
    } release{*m_cache};
    update();
}

int TIniFile::ReplaceCount() const
{
    const std::lock_guard guard(m_cache->mutex);
    return m_cache->replaces;
}

} // namespace zentrope
