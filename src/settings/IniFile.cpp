#include "settings/IniFile.h"

#include "core/Error.h"
#include "core/Units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace zentrope {

namespace {

// The file as lines, with what is needed to write it back the way it was.
struct IniText {
    QStringList lines;
    bool crlf = false;
    bool cp1252 = false;
    bool trailingNewline = true;
};

IniText load(const QString &path)
{
    IniText t;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return t;
    const QByteArray bytes = f.readAll();
    QString text;
    if (isValidUtf8(bytes)) {
        text = QString::fromUtf8(bytes);
    } else {
        text = decodeCp1252(bytes);
        t.cp1252 = true;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
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

bool isComment(const QString &trimmed)
{
    return trimmed.startsWith(QLatin1Char(';'));
}

// The section name of a "[name]" line, or a null string for any other line.
QString sectionName(const QString &line)
{
    const QString t = line.trimmed();
    if (!t.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = t.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return t.mid(1, close - 1).trimmed();
}

bool keyOf(const QString &line, QString &key, QString &value)
{
    const QString t = line.trimmed();
    if (t.isEmpty() || isComment(t) || t.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype eq = t.indexOf(QLatin1Char('='));
    if (eq < 0)
        return false;
    key = t.left(eq).trimmed();
    value = t.mid(eq + 1).trimmed();
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
        const QString name = sectionName(t.lines[i]);
        if (name.isNull())
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

bool hasLineBreak(const QString &s)
{
    return s.contains(QLatin1Char('\n')) || s.contains(QLatin1Char('\r')) || s.contains(QChar(0));
}

// Serialises writers of one settings file, across processes too.
class FileLock {
public:
    explicit FileLock(const QString &path)
    {
        const QByteArray lockPath = QFile::encodeName(path + QStringLiteral(".lock"));
        m_fd = ::open(lockPath.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd >= 0)
            while (::flock(m_fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~FileLock()
    {
        if (m_fd >= 0)
            ::close(m_fd); // closing releases the lock
    }
    bool ok() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

template <typename Change>
void modify(const QString &path, Change change)
{
    const auto fail = [&] {
        throw ZentropeError(QStringLiteral("Unable to write to %1").arg(path));
    };
    const QFileInfo info(path);
    if (!QDir().mkpath(info.absolutePath()))
        fail();
    FileLock lock(path);
    if (!lock.ok())
        fail();
    IniText t = load(path);
    if (!change(t))
        return; // nothing to change: the file stays as it is
    QString text = t.lines.join(t.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
    if (!t.lines.isEmpty() && t.trailingNewline)
        text += t.crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
    const QByteArray bytes =
        t.cp1252 && fitsCp1252(text) ? encodeCp1252(text) : text.toUtf8();
    QSaveFile out(path);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        fail();
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
        ++i;
        if (i >= s.size())
            return false;
        uint64_t v = 0;
        for (; i < s.size(); ++i) {
            const int d = QChar(s[i]).isDigit() && s[i].unicode() < 128 ? s[i].unicode() - '0'
                          : (s[i] >= QLatin1Char('a') && s[i] <= QLatin1Char('f')) ? s[i].unicode() - 'a' + 10
                          : (s[i] >= QLatin1Char('A') && s[i] <= QLatin1Char('F')) ? s[i].unicode() - 'A' + 10
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
        if (s[i] < QLatin1Char('0') || s[i] > QLatin1Char('9'))
            return false;
        v = v * 10 + (s[i].unicode() - '0');
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

TIniFile::TIniFile(QString fileName) : m_fileName(std::move(fileName)) {}

QString TIniFile::ReadString(const QString &section, const QString &key, const QString &def) const
{
    const IniText t = load(m_fileName);
    const auto [begin, end] = findSection(t, section);
    QString result = def;
    if (begin >= 0) {
        for (int i = begin + 1; i < end; ++i) {
            QString k, v;
            if (keyOf(t.lines[i], k, v) && sameName(k, key)) {
                result = unquote(v);
                break;
            }
        }
    }
    return result.left(MaxValueLength);
}

QStringList TIniFile::ReadSectionKeys(const QString &section) const
{
    const IniText t = load(m_fileName);
    const auto [begin, end] = findSection(t, section);
    QStringList keys;
    for (int i = begin + 1; begin >= 0 && i < end; ++i) {
        QString k, v;
        if (keyOf(t.lines[i], k, v))
            keys << k;
    }
    return keys;
}

void TIniFile::WriteString(const QString &section, const QString &key, const QString &value)
{
    if (hasLineBreak(section) || hasLineBreak(key) || hasLineBreak(value) || key.trimmed().isEmpty())
        throw ZentropeError(QStringLiteral("Unable to write to %1").arg(m_fileName));
    modify(m_fileName, [&](IniText &t) {
        const QString line = key + QLatin1Char('=') + value;
        auto [begin, end] = findSection(t, section);
        if (begin < 0) {
            if (!t.lines.isEmpty() && !t.lines.last().trimmed().isEmpty())
                t.lines << QString();
            t.lines << QLatin1Char('[') + section + QLatin1Char(']') << line;
            return true;
        }
        for (int i = begin + 1; i < end; ++i) {
            QString k, v;
            if (keyOf(t.lines[i], k, v) && sameName(k, key)) {
                if (t.lines[i] == line)
                    return false;
                t.lines[i] = line;
                return true;
            }
        }
        // A new key goes after the last non-blank line of its section.
        int at = end;
        while (at > begin + 1 && t.lines[at - 1].trimmed().isEmpty())
            --at;
        t.lines.insert(at, line);
        return true;
    });
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
    if (hasLineBreak(section))
        throw ZentropeError(QStringLiteral("Unable to write to %1").arg(m_fileName));
    modify(m_fileName, [&](IniText &t) {
        bool changed = false;
        for (auto [begin, end] = findSection(t, section); begin >= 0; std::tie(begin, end) = findSection(t, section)) {
            // Blank lines that separated the section from the next one go too.
            t.lines.erase(t.lines.begin() + begin, t.lines.begin() + end);
            changed = true;
        }
        return changed;
    });
}

} // namespace zentrope
