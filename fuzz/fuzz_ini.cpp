// The settings file parser on hostile input: the input is written as the
// settings file, read through every accessor, then written to. Reads never
// fail; a write changes only the key it names; a refused write leaves the file
// as it was.
#include "core/Error.h"
#include "settings/QevIniFile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QSet>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

using namespace zentrope;

namespace {

QString g_path;

QByteArray contents()
{
    QFile f(g_path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void check(bool ok, const char *what)
{
    if (!ok) {
        fprintf(stderr, "invariant broken: %s\n", what);
        abort();
    }
}

int characters(const QString &s)
{
    int n = 0;
    for (qsizetype i = 0; i < s.size(); ++i, ++n)
        if (s[i].isHighSurrogate() && i + 1 < s.size() && s[i + 1].isLowSurrogate())
            ++i;
    return n;
}

// Sections worth looking at: the program's own and every header in the input.
QStringList sectionsOf(const TIniFile &, const QByteArray &data)
{
    QStringList names = {"Options", "EnvelopeFont", "Position", "OldFiles", "ReturnAddresses", "Envelopes"};
    const QString text = QString::fromUtf8(data);
    qsizetype at = 0;
    while ((at = text.indexOf(QLatin1Char('['), at)) >= 0 && names.size() < 40) {
        const qsizetype close = text.indexOf(QLatin1Char(']'), at);
        const qsizetype eol = text.indexOf(QLatin1Char('\n'), at);
        if (close < 0)
            break;
        if (eol < 0 || close < eol)
            names << text.mid(at + 1, close - at - 1).trimmed();
        at = close;
    }
    return names;
}

// What a reader sees now: each section's keys with the value ReadString gives.
QList<QHash<QString, QString>> snapshot(const TIniFile &ini, const QStringList &sections)
{
    QList<QHash<QString, QString>> all;
    for (const QString &s : sections) {
        QHash<QString, QString> values;
        int direct = 0;
        for (const auto &[key, value] : ini.ReadSectionValues(s)) {
            const QString k = key.toCaseFolded();
            if (values.contains(k))
                continue; // a read finds the first of two equal keys
            check(characters(value) <= TIniFile::MaxValueLength, "read longer than the limit");
            // The one-pass section read and the single-key read must agree.
            if (direct++ < 4)
                check(ini.ReadString(s, key, QStringLiteral("\x01missing")) == value,
                      "section read disagrees");
            values.insert(k, value);
        }
        all << values;
    }
    return all;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Memory-backed when the machine has it: each input means several file
    // replaces, and a disk would make that the fuzzer's whole cost.
    QByteArray dir = QDir(QStringLiteral("/dev/shm")).exists() ? "/dev/shm" : qgetenv("TMPDIR");
    if (dir.isEmpty())
        dir = "/tmp";
    dir += "/zentrope-fuzz-ini-XXXXXX";
    if (!::mkdtemp(dir.data()))
        abort();
    g_path = QString::fromLocal8Bit(dir) + QStringLiteral("/zentrope.ini");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    {
        QFile f(g_path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        f.write(input);
    }
    TQevIniFile ini(g_path);

    // Every typed reader on whatever the file holds.
    FontDescription font;
    ini.ReadFont(QStringLiteral("EnvelopeFont"), font);
    IniRect rect;
    bool minimized = false, maximized = false;
    ini.ReadRect(QStringLiteral("Position"), rect, minimized, maximized);
    QStringList list;
    ini.ReadTStrings(QStringLiteral("OldFiles"), QStringLiteral("File"), list);
    check(list.size() <= TQevIniFile::MaxListItems, "list longer than the cap");
    TStringList sorted;
    sorted.Sorted = true;
    ini.ReadTStringList(QStringLiteral("ReturnAddresses"), QStringLiteral("Address1"), sorted);
    (void)ini.ReadReal(QStringLiteral("Envelopes"), QStringLiteral("Envelope1_Width"), 6.0);

    const QStringList sections = sectionsOf(ini, input);
    const auto before = snapshot(ini, sections);

    // A write into each kind of place: an existing section taken from the
    // input (perhaps a name that cannot be written) and a new one.
    for (const QString &target : {sections.value(6, QStringLiteral("Options")), QStringLiteral("FuzzNew")}) {
        const QByteArray old = contents();
        const QString key = QStringLiteral("FuzzKey");
        try {
            ini.WriteString(target, key, QStringLiteral("fuzz value"));
        } catch (const ZentropeError &) {
            check(contents() == old, "a refused write changed the file");
            continue;
        }
        check(ini.ReadString(target, key, QString()) == QStringLiteral("fuzz value"),
              "written value not read back");
        const QByteArray once = contents();
        ini.WriteString(target, key, QStringLiteral("fuzz value"));
        check(contents() == once, "an unchanged value rewrote the file");
    }
    const auto after = snapshot(ini, sections);
    for (int i = 0; i < sections.size(); ++i)
        for (auto it = before[i].cbegin(); it != before[i].cend(); ++it)
            if (it.key() != QStringLiteral("fuzzkey"))
                check(after[i].value(it.key()) == it.value(), "a write changed another key");

    // Erasing a section leaves nothing of it and every other section as it was.
    try {
        ini.EraseSection(QStringLiteral("Options"));
        check(ini.ReadSectionValues(QStringLiteral("Options")).isEmpty(), "erased section still has keys");
        const auto erased = snapshot(ini, sections);
        for (int i = 0; i < sections.size(); ++i) {
            if (sections[i].compare(QStringLiteral("Options"), Qt::CaseInsensitive) == 0)
                continue;
            for (auto it = after[i].cbegin(); it != after[i].cend(); ++it)
                check(erased[i].value(it.key()) == it.value(), "erasing changed another section");
        }
    } catch (const ZentropeError &) {
        check(false, "erasing a valid section failed");
    }
    return 0;
}
