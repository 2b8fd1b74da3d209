#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>
#include <functional>

namespace zentrope {

// An INI file with the call semantics of the Windows profile functions: every
// read and write goes straight to the file, nothing is cached. Section and key
// names match ignoring letter case; values are trimmed of blanks and of one pair
// of matching quotes; ';' starts a comment line. Writes replace the file
// atomically under an advisory lock, so a crash or a second running copy never
// leaves a truncated or half-merged file. A write that cannot be one INI line (a
// line break in a name or value, "]" in a section name, "=" in a key, a key that
// would read as a header or comment) fails like any other write, with
// "Unable to write to <FileName>".
class TIniFile {
public:
    explicit TIniFile(QString fileName);
    virtual ~TIniFile() = default;
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

    // The keys of a section in file order (for tests and diagnostics).
    QStringList ReadSectionKeys(const QString &section) const;
    // Every key of a section with its value as ReadString returns it, in file
    // order, from one read of the file.
    QList<std::pair<QString, QString>> ReadSectionValues(const QString &section) const;

    // The longest value a read returns, as with the platform's 1024-byte buffer.
    static constexpr int MaxValueLength = 1023;

    // Tests watch the order of writes through this; called after each write
    // with the section and the key (an empty key for an erased section).
    static std::function<void(const QString &, const QString &)> &WriteObserver();

private:
    QString m_fileName;
};

// Integer text as the settings file stores it: decimal, "$" or "0x" hexadecimal
// (a 32-bit pattern), nothing else. Returns false when the text does not convert.
bool ParseIniInteger(const QString &text, int32_t &value);

} // namespace zentrope
