#include "print/page/EnvelopeDesign.h"

#include <QPainter>

namespace zentrope {

EnvelopePage MakeEnvelopePage(const EnvelopeDesign &design, const QStringList &lines)
{
    EnvelopePage page;
    page.SizeName = design.SizeName;
    page.Dimension = design.Dimension;
    page.TestPrint = design.TestPrint;
    page.GraphicLoaded = !design.Picture.isNull();
    if (page.GraphicLoaded) {
        // A metafile plays as vectors at the device's resolution.
        page.GraphicPixels = design.Picture.naturalSize();
        page.Graphic = [graphic = design.Picture](QPainter &p, const QRect &r) { graphic.paint(p, r); };
    }
    page.GraphicX = design.GraphicX;
    page.GraphicY = design.GraphicY;
    page.ReturnFont = design.ReturnFont;
    page.ReturnLines = design.ReturnLines;
    page.AddressFont = design.AddressFont;
    page.AddressLines = lines;
    page.PrintBarCode = design.PrintBarCode;
    return page;
}

} // namespace zentrope
