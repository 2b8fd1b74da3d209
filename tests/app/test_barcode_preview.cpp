#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "barcode/BarCode.h"

#include <QPalette>

using namespace zentrope;
using namespace zentrope::test;

namespace {
// Columns of the preview surface that hold a dark pixel.
int darkColumns(const QImage &img)
{
    int n = 0;
    for (int x = 0; x < img.width(); ++x)
        for (int y = 0; y < img.height(); ++y)
            if (qGray(img.pixel(x, y)) < 128) {
                ++n;
                break;
            }
    return n;
}

// The bars of the preview, counted along the row just above their bottom line.
int barCount(const QImage &img, int row)
{
    int n = 0;
    bool in = false;
    for (int x = 0; x < img.width(); ++x) {
        const bool dark = qGray(img.pixel(x, row)) < 128;
        if (dark && !in)
            ++n;
        in = dark;
    }
    return n;
}

bool blank(const QImage &img, const QColor &c)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixelColor(x, y) != c)
                return false;
    return true;
}
} // namespace

using BarCodePreviewTest = AppFixture;

TEST_F(BarCodePreviewTest, PreviewFollowsTextAndOption)
{
    start();
    auto *memo = find<MemoControl>("MemoAddress");
    auto *strip = find<ImageControl>("ImageZipBarCode");
    const QColor window = QApplication::palette().color(QPalette::Base);
    const BarGeometry g = BarCodeGeometry(120);
    const int row = 8 + g.TallHeight - 2; // every bar covers it

    memo->setText(QStringLiteral("Jane Doe\n1742 Elm Street\nAnytown, ST 12345-6789"));
    ASSERT_FALSE(strip->picture().isNull());
    EXPECT_EQ(barCount(strip->picture(), row), 62);
    // Drawn at x 1, y 8 at the screen's resolution: first bar centred on column 1.
    EXPECT_LT(qGray(strip->picture().pixel(1, 8)), 128);
    EXPECT_EQ(qGray(strip->picture().pixel(1, 7)), qGray(window.rgb()));

    // A final line break is not a further line; a second one is.
    memo->setText(QStringLiteral("Jane Doe\nAnytown, ST 12345\n"));
    EXPECT_EQ(barCount(strip->picture(), row), 32);
    memo->setText(QStringLiteral("Jane Doe\nAnytown, ST 12345\n\n"));
    EXPECT_TRUE(blank(strip->picture(), window));

    // Several envelopes: the last line of the whole text decides.
    memo->setText(QStringLiteral("A\nTown, ST 12345-6789\n\nB\nNY 12345"));
    EXPECT_TRUE(blank(strip->picture(), window));
    memo->setText(QStringLiteral("A\nNY 12345\n\nB\n42 Oak Road\nTown, ST 12345-6789"));
    EXPECT_EQ(barCount(strip->picture(), row), 62);

    // The option off: blank and stored; on again: redrawn at once.
    find<QAction>("OptionsBarCode")->trigger();
    EXPECT_FALSE(main->Composer().printBarCode());
    EXPECT_FALSE(find<QAction>("OptionsBarCode")->isChecked());
    EXPECT_EQ(ini("Options", "PrintBarCode"), QStringLiteral("0"));
    EXPECT_TRUE(blank(strip->picture(), window));
    find<QAction>("OptionsBarCode")->trigger();
    EXPECT_TRUE(main->Composer().printBarCode());
    EXPECT_TRUE(find<QAction>("OptionsBarCode")->isChecked());
    EXPECT_EQ(ini("Options", "PrintBarCode"), QStringLiteral("1"));
    EXPECT_EQ(barCount(strip->picture(), row), 62);
    EXPECT_EQ(darkColumns(strip->picture()), 62 * g.BarWidth);

    // The stored option is read at the next start.
    find<QAction>("OptionsBarCode")->trigger();
    shutdown();
    start();
    EXPECT_FALSE(main->Composer().printBarCode());
    EXPECT_FALSE(find<QAction>("OptionsBarCode")->isChecked());
    find<MemoControl>("MemoAddress")->setText(QStringLiteral("Anytown, ST 12345"));
    EXPECT_TRUE(blank(find<ImageControl>("ImageZipBarCode")->picture(), window));
}
