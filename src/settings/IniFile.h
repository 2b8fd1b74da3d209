#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <utility>

namespace zentrope {

class IniSection;

// An INI file with the call semantics of the Windows profile functions. Section
// and key names match ignoring letter case; values are trimmed of blanks and of
// one pair of matching quotes; ';' starts a comment line; CR LF, LF and a lone
// CR each end a line, and a rewrite keeps the file's own line ends.
//
// The parsed file is kept in memory and read again only when it changed on
// disk (another running copy wrote it): its inode, size, or modification or
// change time differ. Every write that changes something reaches the file at
// once: under an advisory lock the file is checked for changes, the change is
// made, and the file is replaced atomically, so a crash or a second running
// copy never leaves a truncated or half-merged file. A write that leaves the
// file's content as it is does not touch the file. A write that cannot be one
// INI line (a line break in a name or value, "]" in a section name, "=" in a
// key, a key that would read as a header or comment) fails like any other
// write, with "Unable to write to <FileName>".
class TIniFile {
public:
    explicit TIniFile(QString fileName);
    virtual ~TIniFile();
    TIniFile(const TIniFile &) = delete;
    TIniFile &operator=(const TIniFile &) = delete;

    const QString &FileName() const { return m_fileName; }

    QString ReadString(const QString &section, const QString &key, const QString &def) const;
    void WriteString(const QString &section, const QString &key, const QString &value);
    int32_t ReadInteger(const QString &section, const QString &key, int32_t def) const;
    void WriteInteger(const QString &section, const QString &key, int32_t value);
    bool ReadBool(const QString &section, const QString &key, bool def) const;
    void WriteBool(const QString &section, const QString &key, bool value);
    void EraseSection(const QString &section);
    // Erases every section of that name and writes the given one whole at the
    // end of the file: the same file as EraseSection followed by one write per
    // key, made in one replace of the file. Nothing is written when a name or
    // value cannot be stored.
    void WriteSection(const IniSection &section);

    // A list stored as prefix_Count and prefix_0, prefix_1, ..., read from one
    // state of the file; at most maxItems items, whatever count is stored.
    QStringList ReadList(const QString &section, const QString &prefix, int maxItems) const;
    // Whether the file holds a section of that name (even an empty one).
    bool SectionExists(const QString &section) const;
    // The keys of a section in file order (for tests and diagnostics).
    QStringList ReadSectionKeys(const QString &section) const;
    // Every key of a section with its value as ReadString returns it, in file
    // order, from one read of the file.
    QList<std::pair<QString, QString>> ReadSectionValues(const QString &section) const;

    // Runs `update` holding the writers' lock, so that what it reads is the
    // file as it is now and no other running copy writes between those reads
    // and its own writes. Reads and writes inside are the usual ones.
    void Transaction(const std::function<void()> &update);

    // Removes temporary files that a writer killed between writing and renaming
    // left beside the settings file: only names of this store's own pattern
    // ("<name>.tmp-<pid>-<n>"), of processes that no longer run. Every store
    // does this once, at its first write; it takes the writers' lock, which a
    // live writer holds while its temporary file exists.
    void RemoveLeftovers();

    // How many times this store replaced the file (for tests and benchmarks).
    int ReplaceCount() const;

    // The longest value a read returns, as with the platform's 1024-byte buffer.
    static constexpr int MaxValueLength = 1023;

    // Tests watch the order of writes through this; called after each write
    // with the section and the key (an empty key for an erased or whole section).
    static std::function<void(const QString &, const QString &)> &WriteObserver();

private:
    struct Cache;
    QString m_fileName;
    std::unique_ptr<Cache> m_cache;
};

// Integer text as the settings file stores it: decimal, "$" or "0x" hexadecimal
// (a 32-bit pattern), nothing else. Returns false when the text does not convert.
bool ParseIniInteger(const QString &text, int32_t &value);

} // namespace zentrope
