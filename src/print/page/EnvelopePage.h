#pragma once

#include "envelope/EnvelopeDimension.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPainter;
class QPaintDevice;
class QTextLayout;

namespace zentrope {

// Draws the corner graphic into a rectangle of the page, in device units.
using GraphicPainter = std::function<void(QPainter &, const QRect &)>;

// A font of an address box: face and style with the size in points, and the
// text colour.
struct PageFont {
    QFont Font;
    QColor Color = Qt::black;
};

// Everything one envelope page is laid out from, in the printer's terms.
struct EnvelopePage {
    int DpiX = 300;
    int DpiY = 300;
    bool Landscape = false;

    // The chosen envelope size: its catalog name and record. "Printer Setup"
    // takes the printable area (in whole millimetres) instead.
    QString SizeName;
    TEnvelopeDimension Dimension;
    int PrintableWidthMM = 0;
    int PrintableHeightMM = 0;

    bool TestPrint = false;

    // The corner graphic: drawn stretched to GraphicX x GraphicY inches when
    // both are positive, else at its own size of GraphicPixels, one pixel per dot.
    bool GraphicLoaded = false;
    GraphicPainter Graphic;
    QSize GraphicPixels;
    double GraphicX = 0.0;
    double GraphicY = 0.0;

    PageFont ReturnFont;
    QStringList ReturnLines; // every line of the return address box, empty ones too
    PageFont AddressFont;
    QStringList AddressLines; // the envelope's lines, trimmed at their ends

    bool PrintBarCode = true;

    // The alignment test instead of the envelope's text (AlignmentPage.h).
    bool AlignmentTest = false;
};

// Where the page's parts went, in device units; for tests and any preview.
struct EnvelopePageLayout {
    int EnvW = 0, EnvH = 0;
    int OffX = 0, OffY = 0;
    QRect Outline;       // the test outline (empty unless TestPrint)
    QRect GraphicRect;   // empty without a graphic
    QPoint ReturnOrigin; // top left of the first return address line
    int LineHeight = 0;  // the destination font's cell height
    int BlockHeight = 0; // the destination block, bar code room included
    int BarCodeX = 0;    // where the bars start, after the overrun rule
    int BarCodeY = 0;
    QString BarCodeDigits; // empty when no code was drawn
    QPoint AddressOrigin;  // top left of the first destination line
    // What the fit check (EnvelopeFit.h) compares: the envelope on the page,
    // the return address lines that hold text, and the destination lines with
    // the bar code drawn above them (each empty when nothing is there).
    QRect Envelope;
    QRect ReturnBlock;
    QRect AddressBlock;
};

// A font sized for the printer: the point size at the device's resolution.
QFont PrinterFont(const QFont &font, int dpiY);

// Where the envelope lies on the page, in device units: the chosen size ("Printer
// Setup" read as the printable area) moved by its indent, right on a portrait
// page and down on a landscape one.
QRect EnvelopeRect(const EnvelopePage &page);

// The corner graphic's rectangle with its top left at the corner: stretched to
// GraphicX x GraphicY inches, or at its own size; none without a graphic. The
// return address starts CornerGraphicGap() to its right.
std::optional<QRect> CornerGraphicRect(const EnvelopePage &page, const QPoint &corner);
int CornerGraphicGap(const EnvelopePage &page);

// Lines shaped for one font on one device, kept from page to page: a job
// gives every page the same return address, which is shaped once. Another
// font or device starts afresh.
class ShapedLines {
public:
    ShapedLines();
    ~ShapedLines();
    ShapedLines(const ShapedLines &) = delete;
    ShapedLines &operator=(const ShapedLines &) = delete;

    // The one line of text laid out in font on device, from before or new.
    const QTextLayout &Line(const QString &text, const QFont &font, QPaintDevice *device);

private:
    QFont FFont;
    QPaintDevice *FDevice = nullptr;
    std::vector<std::pair<QString, std::unique_ptr<QTextLayout>>> FLines;
};

// Paints one envelope page on the painter, whose device units are printer dots
// at page.DpiX x page.DpiY with the origin at the printable area's top left.
// A page with AlignmentTest set is the alignment test (AlignmentPage.h). Each
// line is shaped once, for its width and its drawing; the return address is
// shaped in returnLines when given, which a job keeps for all its pages.
EnvelopePageLayout PaintEnvelopePage(QPainter &painter, const EnvelopePage &page,
                                     ShapedLines *returnLines = nullptr);

} // namespace zentrope
