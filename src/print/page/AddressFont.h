#pragma once

#include "print/page/EnvelopePage.h"
#include "settings/QevIniFile.h"

#include <QColor>
#include <QFont>
#include <cstdint>

namespace zentrope {

// A stored font colour as it is shown. A value with the top bit set names a
// system colour by its index (window text, button text, ...) and follows the
// application's palette as the envelope's paper shows it; anything else is
// red in the lowest byte.
QColor AddressFontColor(int32_t color);

// The font of an address box as the settings describe it: face and style,
// with the point size, which holds on the screen and on the printer alike.
QFont AddressFontOf(const FontDescription &font);

// The same with its colour, as the page painter takes it.
PageFont AddressPageFont(const FontDescription &font);

} // namespace zentrope
