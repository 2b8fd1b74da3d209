#include "barcode/BarCode.h"
#include "barcode/Postnet.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {
struct Bars {
    int count = 0;
    int firstLeft = -1; // leftmost dark column of the first bar
    int width = 0;      // of the first bar
};

Bars barsAlong(const QImage &img, int row)
{
    Bars b;
    bool in = false;
    for (int x = 0; x < img.width(); ++x) {
        const bool dark = qGray(img.pixel(x, row)) < 128;
        if (dark && !in && ++b.count == 1)
            b.firstLeft = x;
        if (dark && b.count == 1)
            ++b.width;
        in = dark;
    }
    return b;
}
} // namespace

TEST(HighDensity, PreviewStripDrawnInTheSurfacesOwnPixels)
{
    const QString digits =
        ExtractZipCode({QStringLiteral("1742 Elm Street"), QStringLiteral("Anytown, ST 12345-6789")});
    const QColor paper(255, 255, 240);
    Bars single;
    for (int ratio : {1, 2}) {
        SCOPED_TRACE(ratio);
        QImage surface(QSize(468, 40) * ratio, QImage::Format_RGB32);
        surface.setDevicePixelRatio(ratio);
        DrawBarCodePreview(surface, 120, digits, true, paper);
        EXPECT_EQ(surface.devicePixelRatio(), ratio);
        EXPECT_EQ(surface.pixelColor(surface.width() - 1, 0), paper);
        const BarGeometry g = BarCodeGeometry(120 * ratio);
        const Bars b = barsAlong(surface, 8 * ratio + g.TallHeight - 1);
        EXPECT_EQ(b.count, 62);
        EXPECT_EQ(b.width, g.BarWidth);
        // The first bar is centred on (1, 8) of the screen, its top on row 8.
        EXPECT_EQ(b.firstLeft + g.BarWidth / 2, ratio);
        EXPECT_EQ(qGray(surface.pixel(b.firstLeft, 8 * ratio)), 0);
        EXPECT_EQ(surface.pixelColor(b.firstLeft, 8 * ratio - 1), paper);
        if (ratio == 1)
            single = b;
        else
            // Twice the pixels for the same inch: sharp bars, not stretched ones.
            EXPECT_EQ(b.width, 2 * single.width);

        // The option off leaves plain paper.
        DrawBarCodePreview(surface, 120, digits, false, Qt::white);
        EXPECT_EQ(barsAlong(surface, 8 * ratio + g.TallHeight - 1).count, 0);
        EXPECT_EQ(surface.pixelColor(0, 0), QColor(Qt::white));
    }
}
