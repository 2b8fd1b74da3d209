#include "barcode/BarCode.h"
#include "barcode/Postnet.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

using namespace zentrope;

TEST(BarCode, GeometryTable)
{
    struct Row {
        int dpi, width, gap, pitch, tall, shortBar, below, margin, height;
    };
    const Row rows[] = {
        {96, 1, 3, 4, 12, 5, 9, 72, 21},         {120, 2, 4, 6, 15, 6, 11, 90, 26},
        {150, 2, 5, 7, 19, 8, 14, 112, 33},      {300, 4, 10, 14, 38, 15, 28, 225, 66},
        {360, 5, 12, 17, 45, 18, 34, 270, 79},   {600, 9, 19, 28, 75, 30, 56, 450, 131},
        {720, 11, 23, 34, 90, 36, 68, 540, 158},
    };
    for (const Row &r : rows) {
        const BarGeometry g = BarCodeGeometry(r.dpi);
        EXPECT_EQ(g.BarWidth, r.width) << r.dpi;
        EXPECT_EQ(g.Gap, r.gap) << r.dpi;
        EXPECT_EQ(g.Pitch, r.pitch) << r.dpi;
        EXPECT_EQ(g.TallHeight, r.tall) << r.dpi;
        EXPECT_EQ(g.ShortHeight, r.shortBar) << r.dpi;
        EXPECT_EQ(g.SpaceBelow, r.below) << r.dpi;
        EXPECT_EQ(g.RightMargin, r.margin) << r.dpi;
        EXPECT_EQ(BarCodeHeight(r.dpi), r.height) << r.dpi;
    }

    // On paper: 0.020 in bars at a pitch of 1/22 in, across the horizontal
    // resolution; heights and the room below across the vertical one.
    struct PaperRow {
        int dpiX, dpiY, width, pitch, margin, tall, height;
    };
    const PaperRow paper[] = {
        {300, 300, 6, 14, 225, 38, 66}, {600, 600, 12, 27, 450, 75, 131}, {1200, 1200, 24, 55, 900, 150, 262},
        {360, 360, 7, 16, 270, 45, 79}, {720, 720, 14, 33, 540, 90, 158}, {600, 300, 12, 27, 450, 38, 66},
        {72, 72, 1, 3, 54, 9, 16},      {20, 20, 1, 2, 15, 2, 4},
    };
    for (const PaperRow &r : paper) {
        const BarGeometry g = PrinterBarCodeGeometry(r.dpiX, r.dpiY);
        EXPECT_EQ(g.BarWidth, r.width) << r.dpiX;
        EXPECT_EQ(g.Pitch, r.pitch) << r.dpiX;
        EXPECT_EQ(g.Gap, r.pitch - r.width) << r.dpiX;
        EXPECT_EQ(g.RightMargin, r.margin) << r.dpiX;
        EXPECT_EQ(g.TallHeight, r.tall) << r.dpiY;
        EXPECT_EQ(BarCodeHeight(g), r.height) << r.dpiY;
    }
}

TEST(BarCode, OverrunRuleAndLengths)
{
    QImage img(100, 100, QImage::Format_RGB32);
    QPainter p(&img);
    int x = 1500, y = 10;
    DrawBarCode(p, 300, QStringLiteral("123456789429"), x, 2000, y);
    EXPECT_EQ(x, 935);
    EXPECT_EQ(y, 76);
    // Fits: nothing moves sideways.
    x = 1000, y = 0;
    DrawBarCode(p, 300, QStringLiteral("123455"), x, 2000, y);
    EXPECT_EQ(x, 1000);
    EXPECT_EQ(y, 66);
    // Other lengths draw nothing and keep y, but still obey the overrun rule.
    for (const char *digits : {"", "12345", "1234567", "1234567890123"}) {
        x = 1990, y = 5;
        const QString d = QString::fromLatin1(digits);
        DrawBarCode(p, 300, d, x, 2000, y);
        EXPECT_EQ(y, 5) << digits;
        EXPECT_EQ(x, 2000 - 225 - static_cast<int>(d.size()) * 70) << digits;
    }
}

namespace {
struct Bar {
    int left, right, top, bottom;
};
// Dark runs of columns, each with the rows it covers.
std::vector<Bar> bars(const QImage &img)
{
    std::vector<Bar> out;
    bool inBar = false;
    for (int x = 0; x < img.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        if (top >= 0) {
            if (!inBar)
                out.push_back({x, x, top, bottom});
            Bar &b = out.back();
            b.right = x;
            b.top = std::min(b.top, top);
            b.bottom = std::max(b.bottom, bottom);
        }
        inBar = top >= 0;
    }
    return out;
}

QImage paint(int dpi, const QString &digits, int w, int h, int x0, int y0)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    int x = x0, y = y0;
    DrawBarCode(p, dpi, digits, x, 1 << 14, y);
    return img;
}
} // namespace

TEST(BarCode, PreviewAt96Dpi)
{
    const QString digits = QStringLiteral("123456789429");
    const QImage img = paint(96, digits, 300, 40, 1, 8);
    const std::vector<Bar> found = bars(img);
    ASSERT_EQ(found.size(), 62u);
    EXPECT_EQ(found.front().left, 1);
    EXPECT_EQ(found.back().right, 245);
    const QString pattern = EncodePostnet(digits);
    for (size_t k = 0; k < found.size(); ++k) {
        EXPECT_EQ(found[k].left, 1 + 4 * static_cast<int>(k));
        EXPECT_EQ(found[k].right, found[k].left) << "1-pixel bars";
        // Bottom line at 20: the end row may or may not be painted.
        EXPECT_GE(found[k].bottom, 19);
        EXPECT_LE(found[k].bottom, 20);
        EXPECT_EQ(found[k].top, pattern[k] == u'1' ? 8 : 15) << k;
    }
}

TEST(BarCode, PaintedHeightsAtPrinterResolutions)
{
    for (int dpi : {300, 600}) {
        const BarGeometry g = BarCodeGeometry(dpi);
        const QImage img =
            paint(dpi, QStringLiteral("123455"), 40 * g.Pitch, 3 * g.TallHeight, 2 * g.Pitch, 10);
        const std::vector<Bar> found = bars(img);
        ASSERT_EQ(found.size(), 32u) << dpi;
        for (size_t k = 0; k < found.size(); ++k) {
            const Bar &b = found[k];
            EXPECT_EQ(b.right - b.left + 1, g.BarWidth) << dpi;
            const int height = b.bottom - b.top + 1;
            const bool tall = (b.top == 10);
            EXPECT_EQ(height, tall ? g.TallHeight : g.ShortHeight) << dpi << " bar " << k;
            if (k > 0) {
                EXPECT_EQ(b.left - found[k - 1].left, g.Pitch);
            }
        }
        EXPECT_EQ(found.front().top, 10);
        EXPECT_EQ(found.front().bottom, 10 + g.TallHeight - 1);
    }
}
