#include "envelope/LengthUnit.h"

#include "core/Units.h"
#include "envelope/EnvelopeDimension.h"
#include "settings/QevIniFile.h"

#include <QCoreApplication>

namespace zentrope {

namespace {
constexpr double MillimetresPerInch = 25.4;
}

LengthUnit DefaultLengthUnit(const QLocale &locale)
{
    switch (locale.territory()) {
    case QLocale::AnyTerritory:
    case QLocale::UnitedStates:
    case QLocale::Liberia:
    case QLocale::Myanmar:
        return LengthUnit::Inches;
    default:
        return LengthUnit::Millimetres;
    }
}

LengthUnit ReadLengthUnit(const TQevIniFile &ini, const QLocale &locale)
{
    switch (ini.ReadInteger(QStringLiteral("Options"), QStringLiteral("Units"), -1)) {
    case 0:
        return LengthUnit::Inches;
    case 1:
        return LengthUnit::Millimetres;
    default:
        return DefaultLengthUnit(locale);
    }
}

void WriteLengthUnit(TQevIniFile &ini, LengthUnit unit)
{
    ini.WriteInteger(QStringLiteral("Options"), QStringLiteral("Units"), static_cast<int32_t>(unit));
}

QString LengthUnitSymbol(LengthUnit unit)
{
    return unit == LengthUnit::Millimetres
               ? QCoreApplication::translate("zentrope::LengthUnit", "mm", "unit symbol of millimetres")
               : QCoreApplication::translate("zentrope::LengthUnit", "in", "unit symbol of inches");
}

QString FormatLength(double inches, LengthUnit unit)
{
    if (unit == LengthUnit::Inches)
        return TEnvelopeDimension::FormatValue(inches);
    QString s = QString::number(inches * MillimetresPerInch, 'f', 1);
    if (s == QStringLiteral("-0.0"))
        s = QStringLiteral("0.0");
    return s;
}

double ParseLength(const QString &text, LengthUnit unit)
{
    const double value = TEnvelopeDimension::ParseValue(text);
    if (unit == LengthUnit::Inches)
        return value;
    return static_cast<double>(roundHalfEven(value / MillimetresPerInch * 1000.0)) / 1000.0;
}

double ParseLength(const QString &text, LengthUnit unit, double current)
{
    const double value = ParseLength(text, unit);
    if (unit == LengthUnit::Millimetres && FormatLength(value, unit) == FormatLength(current, unit))
        return current;
    return value;
}

} // namespace zentrope
