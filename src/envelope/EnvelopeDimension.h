#pragma once

#include "envelope/LengthUnit.h"

#include <QString>

namespace zentrope {

class TQevIniFile;
class IniSection;

// The physical size of one envelope size, in inches, and where it sits on the
// printer page.
class TEnvelopeDimension {
public:
    double Width = 6.0;  // along the page's x axis
    double Height = 4.0; // along the page's y axis
    double Indent = 0.0; // right on a portrait page, down on a landscape page

    // Keys name + "_Width", "_Height", "_Indent" in thousandths of an inch.
    void ReadINI(const TQevIniFile &ini, const QString &section, const QString &name);
    void WriteINI(TQevIniFile &ini, const QString &section, const QString &name) const;
    // The same keys into a section that is written whole.
    void WriteINI(IniSection &section, const QString &name) const;
    // The printer's printable area, given in whole millimetres.
    void GetPrinterSize(int widthMM, int heightMM);
    // The three detail boxes' texts, in the order width, height, indent.
    void GetValueFromControls(const QString &width, const QString &height, const QString &indent);
    void SetValueForControls(QString &width, QString &height, QString &indent) const;
    // The same in the boxes' unit (LengthUnit.h); in millimetres a box that
    // still shows the record's value keeps it exactly.
    void GetValueFromControls(const QString &width, const QString &height, const QString &indent,
                              LengthUnit unit);
    void SetValueForControls(QString &width, QString &height, QString &indent, LengthUnit unit) const;

    // "9.50": two decimals, a point, no blanks or grouping.
    static QString FormatValue(double inches);
    // A decimal number (a comma serves as the point); blanks around it are
    // accepted, an empty box is 0, and malformed text is 0 as well.
    static double ParseValue(const QString &text);
};

} // namespace zentrope
