#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace zentrope {

// The windows are designed at 120 pixels per inch; design values are scaled to
// the screen's logical resolution through here.
class Scale {
public:
    static int dp(int designPixels);
    static QSize dp(QSize s) { return {dp(s.width()), dp(s.height())}; }
    static QPoint dp(QPoint p) { return {dp(p.x()), dp(p.y())}; }
    static QRect dp(int left, int top, int width, int height)
    {
        return {dp(left), dp(top), dp(width), dp(height)};
    }
    // Pixels per inch of the screen that design values are scaled to.
    static double screenDpi();
    // Tests fix the resolution (120 makes design values literal); 0 follows the screen.
    static void setFixedDpi(double dpi);
};

} // namespace zentrope
