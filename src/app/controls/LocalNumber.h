#pragma once

#include "envelope/LengthUnit.h"
#include "shell/ProgramLanguage.h"

#include <QLocale>
#include <QString>

namespace zentrope {

// A length as the dialogs show it: with the decimal separator of the
// program's language (the system's in English). The settings file keeps the
// point; the boxes read either.
inline QString ShownLength(double inches, LengthUnit unit)
{
    const QString language = ProgramLanguage::Current();
    const QLocale locale = language == QLatin1String("en") ? QLocale() : QLocale(language);
    QString s = FormatLength(inches, unit);
    s.replace(QLatin1Char('.'), locale.decimalPoint());
    return s;
}

} // namespace zentrope
