#include "settings/IniSection.h"

#include "core/Units.h"

#include <algorithm>

namespace zentrope {

int32_t IniRealValue(double value)
{
    return static_cast<int32_t>(std::clamp<int64_t>(roundHalfEven(value * 1000.0), INT32_MIN, INT32_MAX));
}

void IniSection::WriteInteger(const QString &key, int32_t value)
{
    WriteString(key, QString::number(value));
}

void IniSection::WriteReal(const QString &key, double value)
{
    WriteInteger(key, IniRealValue(value));
}

void IniSection::WriteTStrings(const QString &prefix, const QStringList &list)
{
    WriteInteger(prefix + QStringLiteral("_Count"), static_cast<int32_t>(list.size()));
    for (int i = 0; i < list.size(); ++i)
        WriteString(prefix + QLatin1Char('_') + QString::number(i), list[i]);
}

} // namespace zentrope
