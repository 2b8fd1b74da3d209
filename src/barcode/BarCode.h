#pragma once

#include <QString>

class QColor;
class QImage;
class QPainter;

namespace zentrope {

// Bar sizes in device units, each rounded halves to even.
struct BarGeometry {
    int BarWidth = 0;
    int Gap = 0;
    int Pitch = 0; // bar width plus gap
    int TallHeight = 0;
    int ShortHeight = 0;
    int SpaceBelow = 0;
    int RightMargin = 0;
};

// The screen preview's geometry, every size from the vertical resolution; the
// pitch is bar width plus gap, each rounded on its own.
BarGeometry BarCodeGeometry(int dpiY);

// The printed geometry: bars 0.020 in wide at a pitch of 1/22 in (USPS POSTNET
// tolerances: width 0.015-0.025 in, 20-24 bars per inch), each rounded to whole
// dots of the horizontal resolution; heights and the space below as on screen.
BarGeometry PrinterBarCodeGeometry(int dpiX, int dpiY);

// The vertical room a bar code takes in a layout: tall bars plus the space below.
int BarCodeHeight(const BarGeometry &geometry);
int BarCodeHeight(int dpiY); // of the screen geometry

// Draws the bar code of digits (from ExtractZipCode) with its top left corner at
// (x, y) in the given geometry. x moves left when the code would come closer
// than the right margin to rightLimit, whether or not anything is drawn; y moves
// below the code when one is drawn (6, 10 or 12 digits). The painter's pen keeps
// its colour and takes the bar width.
void DrawBarCode(QPainter &painter, const BarGeometry &geometry, const QString &digits, int &x,
                 int rightLimit, int &y);
// The same in the screen geometry of a surface of vertical resolution dpiY.
void DrawBarCode(QPainter &painter, int dpiY, const QString &digits, int &x, int rightLimit, int &y);

// The screen's preview strip: the surface filled with paper and, when `bars`
// is set, the code of digits drawn at (1, 8) screen pixels in the screen
// geometry of dpiY. A surface with a device pixel ratio is drawn in its own
// pixels: position and bars scaled by the ratio, the bars computed for the
// resolution that many times dpiY, so a high-density screen shows them sharp.
void DrawBarCodePreview(QImage &surface, int dpiY, const QString &digits, bool bars, const QColor &paper);

} // namespace zentrope
