#include "platform/Contrast.h"

#include <algorithm>
#include <cmath>

namespace zentrope {

namespace {
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}
} // namespace

double RelativeLuminance(const QColor &color)
{
    const QColor c = color.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double ContrastRatio(const QColor &a, const QColor &b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableInk(const QColor &ink, const QColor &background, double minimum)
{
    if (ContrastRatio(ink, background) >= minimum)
        return ink;
    // Toward the end of the lightness scale that stands further from the background.
    const bool lighter = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background);
    const QColor hsl = ink.toHsl();
    const float hue = hsl.hslHueF(), saturation = hsl.hslSaturationF();
    // The lightness between the ink's (too close) and the far end (far enough, as
    // far as the background allows) is halved until it is known to a 1/4096.
    float near = hsl.lightnessF(), far = lighter ? 1.0f : 0.0f;
    const auto at = [&](float lightness) { return QColor::fromHslF(hue, saturation, lightness).toRgb(); };
    for (int i = 0; i < 12; ++i) {
        const float mid = (near + far) / 2;
        if (ContrastRatio(at(mid), background) >= minimum)
            far = mid;
        else
            near = mid;
    }
    QColor out = at(far);
    out.setAlphaF(ink.alphaF());
    return out;
}

} // namespace zentrope
