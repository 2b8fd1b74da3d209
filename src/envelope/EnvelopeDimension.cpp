#include "envelope/EnvelopeDimension.h"

#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <QRegularExpression>

namespace zentrope {

void TEnvelopeDimension::ReadINI(const TQevIniFile &ini, const QString &section, const QString &name)
{
    Width = ini.ReadReal(section, name + QStringLiteral("_Width"), 6.0);
    Height = ini.ReadReal(section, name + QStringLiteral("_Height"), 4.0);
    Indent = ini.ReadReal(section, name + QStringLiteral("_Indent"), 0.0);
}

void TEnvelopeDimension::WriteINI(TQevIniFile &ini, const QString &section, const QString &name) const
{
    ini.WriteReal(section, name + QStringLiteral("_Width"), Width);
    ini.WriteReal(section, name + QStringLiteral("_Height"), Height);
    ini.WriteReal(section, name + QStringLiteral("_Indent"), Indent);
}

void TEnvelopeDimension::WriteINI(IniSection &section, const QString &name) const
{
    section.WriteReal(name + QStringLiteral("_Width"), Width);
    section.WriteReal(name + QStringLiteral("_Height"), Height);
    section.WriteReal(name + QStringLiteral("_Indent"), Indent);
}

void TEnvelopeDimension::GetPrinterSize(int widthMM, int heightMM)
{
    Width = widthMM * (1.0 / 25.4);
    Height = heightMM * (1.0 / 25.4);
    Indent = 0;
}

void TEnvelopeDimension::GetValueFromControls(const QString &width, const QString &height,
                                              const QString &indent)
{
    Width = ParseValue(width);
    Height = ParseValue(height);
    Indent = ParseValue(indent);
}

void TEnvelopeDimension::SetValueForControls(QString &width, QString &height, QString &indent) const
{
    width = FormatValue(Width);
    height = FormatValue(Height);
    indent = FormatValue(Indent);
}

void TEnvelopeDimension::GetValueFromControls(const QString &width, const QString &height,
                                              const QString &indent, LengthUnit unit)
{
    Width = ParseLength(width, unit, Width);
    Height = ParseLength(height, unit, Height);
    Indent = ParseLength(indent, unit, Indent);
}

void TEnvelopeDimension::SetValueForControls(QString &width, QString &height, QString &indent,
                                             LengthUnit unit) const
{
    width = FormatLength(Width, unit);
    height = FormatLength(Height, unit);
    indent = FormatLength(Indent, unit);
}

QString TEnvelopeDimension::FormatValue(double inches)
{
    QString s = QString::number(inches, 'f', 2);
    if (s == QStringLiteral("-0.00"))
        s = QStringLiteral("0.00");
    return s;
}

double TEnvelopeDimension::ParseValue(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*[+-]?(\\d+([.,]\\d*)?|[.,]\\d+)([eE][+-]?\\d+)?\\s*$"));
    if (text.trimmed().isEmpty() || !number.match(text).hasMatch())
        return 0;
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0;
}

} // namespace zentrope
