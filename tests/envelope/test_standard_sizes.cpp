#include "envelope/StandardEnvelopes.h"

#include <QPageSize>
#include <QSizeF>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace zentrope;

TEST(StandardSizes, EachSizeAgainstQPageSizeOrItsStatedValue)
{
    // The PWG 5101.1 names as CUPS and the standard list them; A7 has none.
    const char *pwg[] = {
        "iso_c4_229x324mm",
        "iso_c5_162x229mm",
        "iso_c6_114x162mm",
        "iso_c6c5_114x229mm",
        "iso_dl_110x220mm",
        "iso_b4_250x353mm",
        "iso_b5_176x250mm",
        "iso_b6_125x176mm",
        "na_number-9_3.875x8.875in",
        "na_number-10_4.125x9.5in",
        "na_number-11_4.5x10.375in",
        "na_number-12_4.75x11in",
        "na_number-14_5x11.5in",
        "na_monarch_3.875x7.5in",
        "na_personal_3.625x6.5in",
        "na_a2_4.375x5.75in",
        "custom_5.25x7.25in_5.25x7.25in",
        "jpn_chou3_120x235mm",
        "jpn_chou4_90x205mm",
        "jpn_kaku2_240x332mm",
        "jpn_you4_105x235mm",
    };
    const auto &table = StandardEnvelopes();
    ASSERT_EQ(table.size(), std::size(pwg));
    for (size_t i = 0; i < table.size(); ++i) {
        const StandardEnvelope &e = table[i];
        SCOPED_TRACE(e.Name.toStdString());
        EXPECT_EQ(e.PwgName.toStdString(), pwg[i]);
        if (e.PageSizeId != QPageSize::Custom) {
            EXPECT_EQ(QPageSize::definitionUnits(e.PageSizeId), e.Unit);
            // Qt keeps B6 on its side, and #10 as 4.12 in where USPS and PWG
            // say 4⅛: sides are compared short first, #10 to Qt's hundredth.
            const QSizeF qt = QPageSize::definitionSize(e.PageSizeId);
            EXPECT_EQ(std::min(qt.width(), qt.height()),
                      e.PageSizeId == QPageSize::Envelope10 ? 4.12 : e.ShortSide);
            EXPECT_EQ(std::max(qt.width(), qt.height()), e.LongSide);
        }
        const double inches = e.Unit == QPageSize::Millimeter ? 1 / 25.4 : 1.0;
        EXPECT_EQ(e.ShortThousandths, qRound(e.ShortSide * inches * 1000));
        EXPECT_EQ(e.LongThousandths, qRound(e.LongSide * inches * 1000));
        // Read as the catalog keeps sizes: the long side across.
        const TEnvelopeDimension d = e.Dimension();
        EXPECT_EQ(d.Width * 1000, e.LongThousandths);
        EXPECT_EQ(d.Height * 1000, e.ShortThousandths);
        EXPECT_EQ(d.Indent, 0.0);
    }
    // Qt has no US A2 or A7 envelope: its A2 and A7 are ISO paper.
    const StandardEnvelope &a2 = table[15], &a7 = table[16];
    EXPECT_EQ(a2.Name, QStringLiteral("US A2 (4\u215C \u00D7 5\u00BE in)"));
    EXPECT_EQ(QSizeF(a2.ShortSide, a2.LongSide), QSizeF(4.375, 5.75));
    EXPECT_EQ(a7.Name, QStringLiteral("US A7 (5\u00BC \u00D7 7\u00BC in)"));
    EXPECT_EQ(QSizeF(a7.ShortSide, a7.LongSide), QSizeF(5.25, 7.25));
    EXPECT_EQ(QPageSize::definitionSize(QPageSize::A2), QSizeF(420, 594));
    EXPECT_EQ(table[1].Name, QStringLiteral("ISO C5 (162 \u00D7 229 mm)"));
    EXPECT_EQ(table[3].Name, QStringLiteral("ISO C6/C5 (114 \u00D7 229 mm)"));
    EXPECT_EQ(table[9].ShortSide, 4.125);
    EXPECT_EQ(table[9].Name, QStringLiteral("US #10 (4\u215B \u00D7 9\u00BD in)"));
    EXPECT_EQ(table[10].Name, QStringLiteral("US #11 (4\u00BD \u00D7 10\u215C in)"));
    EXPECT_EQ(table[14].Name, QStringLiteral("US 6\u00BE Personal (3\u215D \u00D7 6\u00BD in)"));
    EXPECT_EQ(table[20].Name, QStringLiteral("Japanese You 4 (105 \u00D7 235 mm)"));
}

TEST(StandardSizes, PwgNameFromTheSides)
{
    for (const StandardEnvelope &e : StandardEnvelopes()) {
        const TEnvelopeDimension d = e.Dimension();
        EXPECT_EQ(PwgMediaName(d.Width, d.Height), e.PwgName);
        EXPECT_EQ(PwgMediaName(d.Height, d.Width), e.PwgName) << "either way round";
    }
    // Within 0.02 in of both sides (CUPS allows 0.5 mm); beyond, a custom size.
    EXPECT_EQ(PwgMediaName(9.52, 4.105), QStringLiteral("na_number-10_4.125x9.5in"));
    EXPECT_EQ(PwgMediaName(9.521, 4.125), QStringLiteral("custom_4.125x9.521in_4.125x9.521in"));
    // DL typed as 110 x 220 mm and stored in thousandths.
    EXPECT_EQ(PwgMediaName(8.661, 4.331), QStringLiteral("iso_dl_110x220mm"));
    // The first-run catalog's own sizes are not standard envelopes.
    EXPECT_EQ(PwgMediaName(9, 4), QStringLiteral("custom_4x9in_4x9in"));
    EXPECT_EQ(PwgMediaName(6, 3.5), QStringLiteral("custom_3.5x6in_3.5x6in"));
    EXPECT_EQ(PwgMediaName(7.0004, 5.0096), QStringLiteral("custom_5.01x7in_5.01x7in"));
    // No size, no name ("Printer Setup" is 0 by 0).
    EXPECT_EQ(PwgMediaName(0, 0), QString());
    EXPECT_EQ(PwgMediaName(-9.5, 4.125), QString());
    EXPECT_EQ(PwgMediaName(std::nan(""), 4.125), QString());
}
