#pragma once

#include <QColor>

namespace zentrope {

// Readability of colours by WCAG 2.x: what the windows use to keep text and
// glyphs readable on whatever palette the desktop hands them.

// The contrast text needs against its background (WCAG 2 level AA).
inline constexpr double ReadableContrast = 4.5;

// Relative luminance of an sRGB colour: 0 for black, 1 for white. Alpha is ignored.
double RelativeLuminance(const QColor &color);

// (lighter + 0.05) / (darker + 0.05): 1 for equal colours, 21 for black on white.
double ContrastRatio(const QColor &a, const QColor &b);

// The ink itself when it reaches `minimum` against the background; otherwise
// the ink made lighter (on a dark background) or darker (on a light one),
// keeping its hue and saturation, just far enough to reach it. Every
// background has a side that reaches 4.5: white and black give at least 4.58
// on the worst one.
QColor ReadableInk(const QColor &ink, const QColor &background, double minimum = ReadableContrast);

} // namespace zentrope
