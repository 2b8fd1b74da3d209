#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <utility>

namespace zentrope {

// A whole section assembled in memory, for TIniFile::WriteSection: the keys in
// the order they are added, with the values the store's typed writers would
// write for them.
class IniSection {
public:
    explicit IniSection(QString name) : m_name(std::move(name)) {}

    const QString &Name() const { return m_name; }
    const QList<std::pair<QString, QString>> &Values() const { return m_values; }

    void WriteString(const QString &key, const QString &value) { m_values.append({key, value}); }
    void WriteInteger(const QString &key, int32_t value);
    void WriteReal(const QString &key, double value);
    // As TQevIniFile::WriteTStrings: prefix_Count, then prefix_0, prefix_1, ...
    void WriteTStrings(const QString &prefix, const QStringList &list);

private:
    QString m_name;
    QList<std::pair<QString, QString>> m_values;
};

// A real as the settings file stores it: thousandths, rounded half to even,
// clamped to the 32-bit range (NaN is 0).
int32_t IniRealValue(double value);

} // namespace zentrope
