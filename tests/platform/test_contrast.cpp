#include "platform/Contrast.h"

#include <gtest/gtest.h>

using namespace zentrope;

TEST(DarkPalette, ContrastByWcagAndTheReadableInk)
{
    EXPECT_DOUBLE_EQ(RelativeLuminance(Qt::black), 0.0);
    EXPECT_DOUBLE_EQ(RelativeLuminance(Qt::white), 1.0);
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(Qt::white, Qt::black), 21.0, 1e-9);
    // The published figures: #767676 is the lightest grey that reads on white.
    EXPECT_NEAR(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);
    EXPECT_LT(ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.5);
    EXPECT_NEAR(ContrastRatio(QColor(0, 0, 128), Qt::white), 16.0, 0.1);

    // A readable ink is kept as it is.
    EXPECT_EQ(ReadableInk(QColor(0, 0, 128), Qt::white), QColor(0, 0, 128));
    EXPECT_EQ(ReadableInk(QColor(0x33, 0x33, 0x33), QColor(0xef, 0xef, 0xef)), QColor(0x33, 0x33, 0x33));
    // On dark, mid and light backgrounds an unreadable ink is moved just far
    // enough, keeping its hue; greys stay grey.
    const QColor backgrounds[] = {QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35), QColor(0, 0, 0x40),
                                  QColor(0x76, 0x76, 0x76), QColor(0xb0, 0xb0, 0xb0), Qt::white};
    const QColor inks[] = {QColor(0, 0, 128), QColor(0x33, 0x33, 0x33), QColor(0x7a, 0x5a, 0x12),
                           QColor(0xc0, 0xc0, 0xc0), QColor(0x80, 0x80, 0x80)};
    for (const QColor &bg : backgrounds)
        for (const QColor &ink : inks) {
            SCOPED_TRACE((ink.name() + QStringLiteral(" on ") + bg.name()).toStdString());
            const QColor out = ReadableInk(ink, bg);
            EXPECT_GE(ContrastRatio(out, bg), ReadableContrast);
            EXPECT_LT(ContrastRatio(out, bg), std::max(ReadableContrast, ContrastRatio(ink, bg)) + 0.5);
            if (ink.hslSaturation() > 0 && out != Qt::white && out != Qt::black) {
                EXPECT_NEAR(out.hslHue(), ink.hslHue(), 2);
            }
            if (ink.hslSaturation() == 0) {
                EXPECT_EQ(out.red(), out.blue());
            }
        }
}
