#include "app/controls/Scale.h"

#include "core/Units.h"

#include <QGuiApplication>
#include <QScreen>

namespace zentrope {

namespace {
double g_fixedDpi = 0;
}

double Scale::screenDpi()
{
    if (g_fixedDpi > 0)
        return g_fixedDpi;
    if (const QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInch();
    return 96;
}

void Scale::setFixedDpi(double dpi)
{
    g_fixedDpi = dpi;
}

int Scale::dp(int designPixels)
{
    return static_cast<int>(roundHalfEven(designPixels * screenDpi() / 120.0));
}

} // namespace zentrope
