#include "print/page/EnvelopePage.h"

#include "barcode/BarCode.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

using namespace zentrope;

namespace {
bool dark(const QImage &img, int x, int y)
{
    return qGray(img.pixel(x, y)) < 128;
}

// First row at or below `from` with a dark pixel between columns x0 and x1.
int firstInkRow(const QImage &img, int x0, int x1, int from = 0)
{
    for (int y = from; y < img.height(); ++y)
        for (int x = x0; x <= x1 && x < img.width(); ++x)
            if (dark(img, x, y))
                return y;
    return -1;
}

// An address font whose cell is `cell` dots at 300 dpi, when one exists.
QFont fontWithCell(int cell)
{
    for (const char *family : {"Liberation Sans", "DejaVu Sans", "Liberation Serif"})
        for (double pt = 6; pt < 20; pt += 0.12) {
            QFont f(QString::fromLatin1(family));
            f.setPointSizeF(pt);
            if (QFontMetrics(PrinterFont(f, 300)).height() == cell)
                return f;
        }
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(10);
    return f;
}

EnvelopePage page9x4()
{
    EnvelopePage p;
    p.Dimension.Width = 9.0;
    p.Dimension.Height = 4.0;
    p.AddressFont.Font = fontWithCell(50);
    p.ReturnFont.Font = p.AddressFont.Font;
    p.ReturnLines = {QStringLiteral("Home, ST 54321"), QString(), QStringLiteral("Home, ST 54321")};
    p.AddressLines = {QStringLiteral("Jane Doe"), QStringLiteral("Acme"), QStringLiteral("1742 Elm Street"),
                      QStringLiteral("Anytown, ST 12345-6789")};
    return p;
}

QImage paint(const EnvelopePage &p, EnvelopePageLayout *layout = nullptr, QSize size = {2800, 1800})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    const EnvelopePageLayout l = PaintEnvelopePage(painter, p);
    if (layout)
        *layout = l;
    return img;
}
} // namespace

TEST(EnvelopePage, NineByFourAt300Dpi)
{
    EnvelopePageLayout l;
    const EnvelopePage p = page9x4();
    const QImage img = paint(p, &l);
    EXPECT_EQ(l.EnvW, 2700);
    EXPECT_EQ(l.EnvH, 1200);
    EXPECT_EQ(l.BarCodeX, 1350);
    EXPECT_EQ(l.BarCodeDigits, QStringLiteral("123456789429"));
    const int cell = l.LineHeight;
    EXPECT_EQ(l.BlockHeight, 4 * cell + 66);
    EXPECT_EQ(l.BarCodeY, 1200 - 300 - l.BlockHeight);
    EXPECT_EQ(l.AddressOrigin, QPoint(1350, l.BarCodeY + 66));
    if (cell == 50) {
        EXPECT_EQ(l.BarCodeY, 634);
        EXPECT_EQ(l.AddressOrigin.y(), 700);
    }

    // The first bar: 6 dots (0.020 in) wide around x 1350, from the top of the
    // code to its bottom line 38 dots lower; the last of 62 bars 61 pitches further.
    EXPECT_EQ(firstInkRow(img, 1347, 1352), l.BarCodeY);
    EXPECT_TRUE(dark(img, 1347, l.BarCodeY + 37) && dark(img, 1352, l.BarCodeY + 37));
    EXPECT_FALSE(dark(img, 1346, l.BarCodeY + 20) || dark(img, 1353, l.BarCodeY + 20));
    EXPECT_FALSE(dark(img, 1350, l.BarCodeY + 38));
    EXPECT_TRUE(dark(img, 1350 + 61 * 14, l.BarCodeY + 10));
    EXPECT_FALSE(dark(img, 1350 + 62 * 14, l.BarCodeY + 30));
    // The destination lines start below the room kept under the bars and end
    // above the last inch.
    const int text = firstInkRow(img, 1340, 2400, l.BarCodeY + 38);
    EXPECT_GE(text, l.AddressOrigin.y());
    EXPECT_LT(text, l.AddressOrigin.y() + cell);
    EXPECT_EQ(firstInkRow(img, 0, 2799, 1200 - 300 + 1), -1);

    // The return address starts at the page origin, level with the top.
    EXPECT_EQ(l.ReturnOrigin, QPoint(0, 0));
    const int retTop = firstInkRow(img, 0, 1000);
    EXPECT_GE(retTop, 0);
    EXPECT_LT(retTop, cell);
    // Its empty middle line still takes a line's room.
    EXPECT_EQ(firstInkRow(img, 0, 1000, cell), 2 * cell + retTop);
    EXPECT_EQ(cell, 50) << "no font with a 50-dot cell: the worked numbers were not checked";
}

TEST(EnvelopePage, CodeMovesLeftOnANarrowEnvelope)
{
    EnvelopePage p = page9x4();
    p.Dimension.Width = 6.0;
    p.Dimension.Height = 3.5;
    EnvelopePageLayout l;
    const QImage img = paint(p, &l);
    EXPECT_EQ(l.BarCodeX, 735);
    EXPECT_EQ(l.AddressOrigin.x(), 735);
    EXPECT_EQ(l.BarCodeY, 1050 - 300 - l.BlockHeight);
    EXPECT_EQ(firstInkRow(img, 733, 736), l.BarCodeY);
    EXPECT_EQ(firstInkRow(img, 900, 1800, 0) >= 0, true);

    // A line wider than half the envelope less an inch pushes the block left
    // so that it ends an inch from the right edge.
    p.Dimension.Width = 9.0;
    p.PrintBarCode = false;
    p.AddressLines.prepend(QString(60, u'W'));
    paint(p, &l);
    const int widest =
        QFontMetrics(PrinterFont(p.AddressFont.Font, 300)).horizontalAdvance(p.AddressLines[0]);
    ASSERT_GT(widest, 1350 - 300);
    EXPECT_EQ(l.AddressOrigin.x(), 2700 - 300 - widest);
    // No bar code: no room kept for it.
    EXPECT_EQ(l.BlockHeight, 5 * l.LineHeight);
    EXPECT_TRUE(l.BarCodeDigits.isEmpty());
}

TEST(EnvelopePage, IndentByOrientation)
{
    EnvelopePage base = page9x4();
    base.TestPrint = true;
    EnvelopePageLayout l0, l1;
    const QImage portrait = paint(base, &l0, {2800, 1800});

    EnvelopePage land = base;
    land.Landscape = true;
    land.Dimension.Indent = 1.5;
    const QImage landscape = paint(land, &l1, {2800, 1800});
    EXPECT_EQ(l1.OffX, 0);
    EXPECT_EQ(l1.OffY, 450);
    EXPECT_EQ(l1.BarCodeX, l0.BarCodeX);
    EXPECT_EQ(l1.BarCodeY, l0.BarCodeY + 450);
    EXPECT_EQ(l1.AddressOrigin, l0.AddressOrigin + QPoint(0, 450));
    // The whole page moves down by 450 dots, nothing sideways.
    EXPECT_EQ(landscape.copy(0, 450, 2800, 1300), portrait.copy(0, 0, 2800, 1300));

    EnvelopePage right = base;
    right.Dimension.Indent = 1.5;
    EnvelopePageLayout l2;
    const QImage indented = paint(right, &l2, {3300, 1800});
    EXPECT_EQ(l2.OffX, 450);
    EXPECT_EQ(l2.OffY, 0);
    EXPECT_EQ(indented.copy(450, 0, 2750, 1300), portrait.copy(0, 0, 2750, 1300));
    // The test outline's corners.
    EXPECT_EQ(l2.Outline.topLeft(), QPoint(450, 0));
    EXPECT_EQ(l2.Outline.topLeft() + QPoint(l2.EnvW, l2.EnvH), QPoint(450 + 2700, 1200));
    EXPECT_TRUE(dark(indented, 450, 0) && dark(indented, 3150, 1200) && dark(indented, 3150, 0) &&
                dark(indented, 450, 1200));
    EXPECT_FALSE(dark(indented, 449, 600) || dark(indented, 3151, 600) || dark(indented, 1000, 1201));
}

TEST(EnvelopePage, CornerGraphicAndPrinterSetup)
{
    EnvelopePage p = page9x4();
    QRect drawn;
    p.GraphicLoaded = true;
    p.GraphicPixels = QSize(96, 96);
    p.Graphic = [&drawn](QPainter &painter, const QRect &r) {
        drawn = r;
        painter.fillRect(r, Qt::red);
    };
    EnvelopePageLayout l;
    // Own size: one picture pixel per dot, an eighth of an inch (38 dots) before the text.
    QImage img = paint(p, &l);
    EXPECT_EQ(drawn, QRect(0, 0, 96, 96));
    EXPECT_EQ(l.ReturnOrigin, QPoint(96 + 38, 0));
    EXPECT_EQ(img.pixelColor(95, 95), QColor(Qt::red));
    EXPECT_EQ(img.pixelColor(96, 50), QColor(Qt::white));

    // Stretched to the sizes dialog's inches; both must be positive.
    p.GraphicX = 1.0;
    p.GraphicY = 0.5;
    img = paint(p, &l);
    EXPECT_EQ(drawn, QRect(0, 0, 300, 150));
    EXPECT_EQ(l.ReturnOrigin, QPoint(300 + 38, 0));
    p.GraphicY = 0.0;
    paint(p, &l);
    EXPECT_EQ(drawn, QRect(0, 0, 96, 96));

    // Not loaded: nothing drawn, the return address at the origin.
    drawn = QRect();
    p.GraphicLoaded = false;
    paint(p, &l);
    EXPECT_TRUE(drawn.isNull());
    EXPECT_EQ(l.ReturnOrigin, QPoint(0, 0));

    // "Printer Setup" is the printable area, indent 0; other names keep the record.
    p.SizeName = QStringLiteral("Printer Setup");
    p.Dimension.Indent = 2.0;
    p.PrintableWidthMM = 203;
    p.PrintableHeightMM = 254;
    paint(p, &l, {2500, 3100});
    EXPECT_EQ(l.EnvW, 2398); // 203 mm = 7.992 inches
    EXPECT_EQ(l.EnvH, 3000);
    EXPECT_EQ(l.OffX, 0);
    p.SizeName = QStringLiteral("printer setup");
    paint(p, &l, {2500, 3100});
    EXPECT_EQ(l.EnvW, 2700);
    EXPECT_EQ(l.OffX, 600);
}

TEST(EnvelopePage, FontsFollowThePrinterResolution)
{
    EnvelopePage p = page9x4();
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(12);
    p.AddressFont.Font = f;
    EnvelopePageLayout l300, l600;
    paint(p, &l300, {100, 100});
    p.DpiX = p.DpiY = 600;
    paint(p, &l600, {100, 100});
    // 12 points is 50 dots at 300 dpi and 100 at 600: cells scale with it.
    EXPECT_NEAR(l600.LineHeight, 2 * l300.LineHeight, 2);
    EXPECT_GT(l300.LineHeight, 50);
    EXPECT_LT(l300.LineHeight, 65);
    EXPECT_EQ(l600.BlockHeight, 4 * l600.LineHeight + BarCodeHeight(600));
}

namespace {
struct Bar {
    int left, right, top, bottom;
};

// Dark runs of columns, each with the rows it covers.
std::vector<Bar> barsIn(const QImage &img)
{
    std::vector<Bar> out;
    bool inBar = false;
    for (int x = 0; x < img.width(); ++x) {
        int top = -1, bottom = -1;
        for (int y = 0; y < img.height(); ++y)
            if (dark(img, x, y)) {
                if (top < 0)
                    top = y;
                bottom = y;
            }
        if (top >= 0) {
            if (!inBar)
                out.push_back({x, x, top, bottom});
            out.back().right = x;
            out.back().top = std::min(out.back().top, top);
            out.back().bottom = std::max(out.back().bottom, bottom);
        }
        inBar = top >= 0;
    }
    return out;
}
} // namespace

TEST(EnvelopePage, PrintedBarCodeMeetsPostalTolerances)
{
    // USPS POSTNET: bars 0.020 +- 0.005 in, 22 +- 2 bars per inch over any half
    // inch, spaces 0.012-0.040 in, tall bars 0.125 +- 0.010 in, short 0.050 +- 0.010 in.
    for (const int dpi : {300, 600, 1200}) {
        EnvelopePage p = page9x4();
        p.DpiX = p.DpiY = dpi;
        EnvelopePageLayout l;
        paint(p, &l, {1, 1});

        // The page again, through a window around the bar code only.
        const int margin = dpi / 30;
        QImage img(64 * dpi / 22 + 2 * margin, dpi / 8 + 2 * margin, QImage::Format_RGB32);
        img.setDotsPerMeterX(qRound(dpi / 0.0254));
        img.setDotsPerMeterY(qRound(dpi / 0.0254));
        img.fill(Qt::white);
        {
            QPainter painter(&img);
            painter.translate(margin - l.BarCodeX, margin - l.BarCodeY);
            PaintEnvelopePage(painter, p);
        }
        const std::vector<Bar> bars = barsIn(img);
        ASSERT_EQ(bars.size(), 62u) << dpi;

        const double in = dpi;
        double minW = 1, maxW = 0, minS = 1, maxS = 0, minBpi = 100, maxBpi = 0;
        double minTall = 1, maxTall = 0, minShort = 1, maxShort = 0;
        for (size_t k = 0; k < bars.size(); ++k) {
            const Bar &b = bars[k];
            const double w = (b.right - b.left + 1) / in, h = (b.bottom - b.top + 1) / in;
            minW = std::min(minW, w), maxW = std::max(maxW, w);
            if (b.top == margin)
                minTall = std::min(minTall, h), maxTall = std::max(maxTall, h);
            else
                minShort = std::min(minShort, h), maxShort = std::max(maxShort, h);
            EXPECT_EQ(b.bottom, bars[0].bottom) << "one bottom line";
            if (k + 1 < bars.size()) {
                const double s = (bars[k + 1].left - b.right - 1) / in;
                minS = std::min(minS, s), maxS = std::max(maxS, s);
            }
            // Bars per inch over the half inch that starts at this bar.
            size_t j = k;
            while (j + 1 < bars.size() && bars[j + 1].left - b.left <= dpi / 2)
                ++j;
            if (bars[j].left - b.left >= dpi / 4) {
                const double bpi = (j - k) * in / (bars[j].left - b.left);
                minBpi = std::min(minBpi, bpi), maxBpi = std::max(maxBpi, bpi);
            }
        }
        std::printf("%4d dpi: bar %.4f-%.4f in, %.2f-%.2f bars/in (pitch %.4f in), space %.4f-%.4f in, "
                    "tall %.4f-%.4f in, short %.4f-%.4f in\n",
                    dpi, minW, maxW, minBpi, maxBpi, (bars[1].left - bars[0].left) / in, minS, maxS, minTall,
                    maxTall, minShort, maxShort);

        EXPECT_DOUBLE_EQ(minW, 0.020) << dpi;
        EXPECT_DOUBLE_EQ(maxW, 0.020) << dpi;
        EXPECT_EQ(bars[1].left - bars[0].left, qRound(dpi / 22.0)) << dpi;
        EXPECT_GE(minBpi, 20.0) << dpi;
        EXPECT_LE(maxBpi, 24.0) << dpi;
        EXPECT_GE(minS, 0.012) << dpi;
        EXPECT_LE(maxS, 0.040) << dpi;
        EXPECT_NEAR(minTall, 0.125, 0.010) << dpi;
        EXPECT_NEAR(maxTall, 0.125, 0.010) << dpi;
        EXPECT_NEAR(minShort, 0.050, 0.010) << dpi;
        EXPECT_NEAR(maxShort, 0.050, 0.010) << dpi;
        // The heights and the room kept below them are those of the screen.
        EXPECT_EQ(l.BlockHeight, 4 * l.LineHeight + BarCodeHeight(dpi)) << dpi;
    }
}

// Each line is shaped once and drawn from that shape: the blocks keep the
// widths the font's metrics give (trailing spaces, tabs and right-to-left
// text too), the ink is what drawText leaves, and the shapes a job keeps
// across pages follow a change of font.
TEST(EnvelopePage, ShapedOnceAsDrawnAndMeasured)
{
    EnvelopePage p = page9x4();
    p.ReturnLines = {QStringLiteral("Trailing  "), QStringLiteral("Tab\there"), QStringLiteral("שלום 12")};
    p.AddressLines = {QStringLiteral("Jane\tDoe"), QStringLiteral("מרכז 7"), QStringLiteral("ST 12345-6789")};
    p.PrintBarCode = false;
    EnvelopePageLayout layout;
    const QImage shaped = paint(p, &layout);

    const QFont returnFont = PrinterFont(p.ReturnFont.Font, 300);
    const QFontMetrics fm(returnFont, &shaped);
    int widest = 0;
    for (const QString &line : p.ReturnLines)
        widest = std::max(widest, fm.horizontalAdvance(line));
    EXPECT_EQ(layout.ReturnBlock.width(), widest);

    QImage drawn(shaped.size(), QImage::Format_RGB32);
    drawn.fill(Qt::white);
    {
        QPainter painter(&drawn);
        painter.setFont(returnFont);
        int y = layout.ReturnOrigin.y();
        for (const QString &line : p.ReturnLines) {
            painter.drawText(layout.ReturnOrigin.x(), y + fm.ascent(), line);
            y += fm.height();
        }
        y = layout.AddressOrigin.y();
        for (const QString &line : p.AddressLines) {
            painter.drawText(layout.AddressOrigin.x(), y + fm.ascent(), line);
            y += fm.height();
        }
    }
    EXPECT_EQ(shaped, drawn);

    // Kept shapes: a second page alike, then another return font.
    ShapedLines kept;
    QImage first(shaped.size(), QImage::Format_RGB32), second(shaped.size(), QImage::Format_RGB32);
    for (QImage *img : {&first, &second}) {
        img->fill(Qt::white);
        QPainter painter(img);
        PaintEnvelopePage(painter, p, &kept);
    }
    EXPECT_EQ(first, shaped);
    EXPECT_EQ(second, shaped);
    EnvelopePage larger = p;
    larger.ReturnFont.Font.setPointSizeF(p.ReturnFont.Font.pointSizeF() * 2);
    QImage fresh(shaped.size(), QImage::Format_RGB32), reused(shaped.size(), QImage::Format_RGB32);
    EnvelopePageLayout freshLayout, reusedLayout;
    fresh.fill(Qt::white);
    reused.fill(Qt::white);
    {
        QPainter painter(&fresh);
        freshLayout = PaintEnvelopePage(painter, larger);
    }
    {
        QPainter painter(&reused);
        reusedLayout = PaintEnvelopePage(painter, larger, &kept);
    }
    EXPECT_EQ(reused, fresh);
    EXPECT_EQ(reusedLayout.ReturnBlock, freshLayout.ReturnBlock);
    EXPECT_GT(freshLayout.ReturnBlock.width(), layout.ReturnBlock.width());
}
