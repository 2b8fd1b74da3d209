#pragma once

#include "platform/Graphic.h"

#include <QString>

namespace zentrope {

// The corner graphic as the program holds it: the file the settings name,
// whether it is on the envelope, the type its name gives, and the picture read
// from it (null until a read has succeeded).
struct CornerGraphic {
    QString GraphicFileName;
    bool GraphicLoaded = false;
    QString GraphicExtension;
    Graphic GraphicPicture;

    // Printed at the catalog's graphic size; an icon keeps its own size.
    bool Sized() const
    {
        return GraphicLoaded && GraphicExtension.compare(QLatin1String("ICO"), Qt::CaseInsensitive) != 0;
    }
};

} // namespace zentrope
