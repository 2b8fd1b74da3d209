#pragma once

#include <QString>

class QPainter;

namespace zentrope {

// Bar sizes in device units for a vertical resolution, each rounded halves to even.
struct BarGeometry {
    int BarWidth = 0;
    int Gap = 0;
    int Pitch = 0; // bar width plus gap, each rounded on its own
    int TallHeight = 0;
    int ShortHeight = 0;
    int SpaceBelow = 0;
    int RightMargin = 0;
};
BarGeometry BarCodeGeometry(int dpiY);

// The vertical room a bar code takes in a layout: tall bars plus the space below.
int BarCodeHeight(int dpiY);

// Draws the bar code of digits (from ExtractZipCode) with its top left corner at
// (x, y) on a surface of vertical resolution dpiY. x moves left when the code
// would come closer than the right margin to rightLimit, whether or not anything
// is drawn; y moves below the code when one is drawn (6, 10 or 12 digits). The
// painter's pen keeps its colour and takes the bar width.
void DrawBarCode(QPainter &painter, int dpiY, const QString &digits, int &x, int rightLimit, int &y);

} // namespace zentrope
