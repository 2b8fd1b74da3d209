#pragma once

#include "envelope/EnvelopeDimension.h"
#include "platform/Graphic.h"
#include "print/page/EnvelopePage.h"

#include <QString>
#include <QStringList>

namespace zentrope {

// What the pages of a job share, whoever prints them (the main window, the
// script options, a preview): the envelope size, the corner graphic, the
// return address, both fonts and the options. No device and no widget: a job
// adds the device's resolution and orientation to each page.
struct EnvelopeDesign {
    // The chosen envelope size: its catalog name and record ("Printer Setup"
    // stands for the device's own page).
    QString SizeName;
    TEnvelopeDimension Dimension;

    bool TestPrint = false;

    // The corner graphic (a null picture: none), printed GraphicX x GraphicY
    // inches, or at its own size when either is not positive.
    Graphic Picture;
    double GraphicX = 0.0;
    double GraphicY = 0.0;

    PageFont ReturnFont;
    QStringList ReturnLines; // every line of the return address, empty ones too
    PageFont AddressFont;
    bool PrintBarCode = true;
};

// One envelope's page of the design: its lines (trimmed, as SplitEnvelopes
// gives them) on the design's envelope. The device fields keep their defaults.
EnvelopePage MakeEnvelopePage(const EnvelopeDesign &design, const QStringList &lines);

} // namespace zentrope
