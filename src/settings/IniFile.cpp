#include "settings/IniFile.h"

#include "core/Error.h"
#include "core/Units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zentrope {

namespace {

// The file as lines, with what is needed to write it back the way it was.
struct IniText {
    QStringList lines;
    bool crlf = false;
    bool cp1252 = false;
    bool bom = false;
    bool trailingNewline = true;
    bool readable = true; // false when the file exists but could not be read
};

IniText load(const QString &path)
{
    IniText t;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        t.readable = !f.exists();
        return t;
    }
    const QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        t.readable = false;
        return t;
    }
    // One decoding pass tells UTF-8 from Windows-1252; it also drops a leading mark.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        text = decodeCp1252(bytes);
        t.cp1252 = true;
    } else {
        t.bom = bytes.startsWith("\xEF\xBB\xBF");
    }
    const qsizetype firstLf = text.indexOf(QLatin1Char('\n'));
    t.crlf = firstLf > 0 && text.at(firstLf - 1) == QLatin1Char('\r');
    t.trailingNewline = text.isEmpty() || text.endsWith(QLatin1Char('\n'));
    t.lines = text.split(QLatin1Char('\n'));
    if (t.trailingNewline && !t.lines.isEmpty())
        t.lines.removeLast();
    for (QString &l : t.lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    return t;
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

[[noreturn]] void writeError(const QString &path)
{
    throw ZentropeError(QStringLiteral("Unable to write to %1").arg(path));
}

// Serialises writers of one settings file, across processes too. The lock lives
// in a file of its own because each write replaces the settings file's inode.
class FileLock {
public:
    explicit FileLock(const QString &path)
    {
        const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
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

// Writes the bytes to a new file beside the target and renames it over the
// target, so a reader or a crash sees the old file or the new one, never a part.
// No fsync: the rename is atomic for every process, file systems such as ext4
// write a replacing file's data out at the rename, and a synchronous flush per
// settings key would cost milliseconds each. A read-only settings file is not
// replaced behind the user's back; a symbolic link is followed to its target.
bool replaceFile(const QString &path, const QByteArray &bytes)
{
    QByteArray target = QFile::encodeName(path);
    struct stat st {};
    const bool exists = ::lstat(target.constData(), &st) == 0;
    if (exists && S_ISLNK(st.st_mode)) {
        const QString resolved = QFileInfo(path).canonicalFilePath();
        if (resolved.isEmpty())
            return false; // a dangling link: where it leads cannot be written
        target = QFile::encodeName(resolved);
        if (::stat(target.constData(), &st) != 0)
            return false;
    }
    if (exists && (!S_ISREG(st.st_mode) || ::access(target.constData(), W_OK) != 0))
        return false;

    static std::atomic<unsigned> serial{0};
    const QByteArray temp =
        target + ".tmp-" + QByteArray::number(::getpid()) + '-' + QByteArray::number(serial.fetch_add(1));
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
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.constData(), target.constData()) == 0;
    if (!ok)
        ::unlink(temp.constData());
    return ok;
}

template <typename Change> void modify(const QString &path, Change change)
{
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        writeError(path);
    FileLock lock(path);
    if (!lock.ok())
        writeError(path);
    IniText t = load(path);
    if (!t.readable)
        writeError(path); // rewriting a file we cannot read would lose its keys
    if (!change(t))
        return; // nothing to change: the file stays as it is
    const QString eol = t.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
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
    if (!replaceFile(path, bytes))
        writeError(path);
}

} // namespace

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

TIniFile::TIniFile(QString fileName) : m_fileName(std::move(fileName))
{
}

std::function<void(const QString &, const QString &)> &TIniFile::WriteObserver()
{
    static std::function<void(const QString &, const QString &)> observer;
    return observer;
}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const QString name = trimBlanks(key);
    const IniText t = load(m_fileName);
    const auto [begin, end] = findSection(t, trimBlanks(section));
    for (int i = begin + 1; begin >= 0 && i < end; ++i) {
        QString k, v;
        if (keyOf(t.lines[i], k, v) && sameName(k, name))
            return cutToReadLimit(unquote(v));
    }
    return cutToReadLimit(def);
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
    const IniText t = load(m_fileName);
    const auto [begin, end] = findSection(t, trimBlanks(section));
    QList<std::pair<QString, QString>> values;
    for (int i = begin + 1; begin >= 0 && i < end; ++i) {
        QString k, v;
        if (keyOf(t.lines[i], k, v))
            values.append({k, cutToReadLimit(unquote(v))});
    }
    return values;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    const QString sec = trimBlanks(section);
    const QString name = trimBlanks(key);
    if (!validSection(sec) || !validKey(name) || hasLineBreak(value))
        writeError(m_fileName);
    modify(m_fileName, [&](IniText &t) {
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

void TIniFile::EraseSection(const QString &section)
{
    const QString sec = trimBlanks(section);
    if (!validSection(sec))
        writeError(m_fileName);
    modify(m_fileName, [&](IniText &t) {
        bool changed = false;
        for (auto [begin, end] = findSection(t, sec); begin >= 0;
             std::tie(begin, end) = findSection(t, sec)) {
            // Blank lines that separated the section from the next one go too.
            t.lines.erase(t.lines.begin() + begin, t.lines.begin() + end);
            changed = true;
        }
        return changed;
    });
    if (auto &observe = WriteObserver())
        observe(sec, QString());
}

} // namespace zentrope
