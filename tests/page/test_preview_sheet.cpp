#include "print/page/PreviewSheet.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {

// A Letter sheet at 300 dpi with a printable area a quarter inch in from the
// left and a third of an inch from the top.
PrinterPaper letter(bool landscape)
{
    PrinterPaper p;
    p.DpiX = p.DpiY = 300;
    p.Landscape = landscape;
    p.Sheet = landscape ? QSize(3300, 2550) : QSize(2550, 3300);
    p.Printable = QRect(75, 100, p.Sheet.width() - 150, p.Sheet.height() - 200);
    p.PrintableWidthMM = p.Printable.width() * 254 / 3000;
    p.PrintableHeightMM = p.Printable.height() * 254 / 3000;
    return p;
}

// A 6.5 x 4 inch envelope fed one inch in.
EnvelopePage envelope(const QString &firstLine = QStringLiteral("Jane Doe"))
{
    EnvelopePage p;
    p.Dimension.Width = 6.5;
    p.Dimension.Height = 4.0;
    p.Dimension.Indent = 1.0;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(11);
    p.AddressFont.Font = f;
    p.ReturnFont.Font = f;
    p.ReturnLines = {QStringLiteral("Jo Sender"), QStringLiteral("Home, ST 54321")};
    p.AddressLines = {firstLine, QStringLiteral("1742 Elm Street"), QStringLiteral("Anytown, ST 12345-6789")};
    return p;
}

int redPixels(const QImage &img)
{
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QColor c = img.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
                ++n;
        }
    return n;
}

} // namespace

TEST(PreviewSheet, TheEnvelopeLandsWhereThePrintableAreaAndTheIndentPutIt)
{
    for (const bool landscape : {false, true}) {
        SCOPED_TRACE(landscape ? "landscape" : "portrait");
        const PageGeometry g = MakePageGeometry(letter(landscape));
        SheetMarks marks;
        const QImage img = RenderPreviewSheet(g, envelope(), QSizeF(1, 1), {}, 1.0, &marks);
        EXPECT_EQ(img.size(), g.Paper.Sheet);
        // The indent moves the envelope across a portrait sheet and down a
        // landscape one, from the printable area's corner.
        const QPoint corner = landscape ? QPoint(75, 100 + 300) : QPoint(75 + 300, 100);
        EXPECT_EQ(marks.Envelope, QRect(corner, QSize(1950, 1200)));
        EXPECT_TRUE(marks.Overrun.isEmpty());
        EXPECT_EQ(redPixels(img), 0);
        // The destination address's ink lies on the envelope's lower half.
        int inkTop = -1;
        for (int y = marks.Envelope.center().y(); y < img.height() && inkTop < 0; ++y)
            for (int x = marks.Envelope.center().x(); x < marks.Envelope.right(); ++x)
                if (qGray(img.pixel(x, y)) < 100) {
                    inkTop = y;
                    break;
                }
        EXPECT_GT(inkTop, marks.Envelope.center().y());
        EXPECT_LT(inkTop, marks.Envelope.bottom() - 300) << "the address ends an inch above the bottom";
    }
}

TEST(PreviewSheet, TextRunningOffTheEnvelopeIsOutlinedInRed)
{
    const PageGeometry g = MakePageGeometry(letter(false));
    SheetMarks marks;
    const QImage img =
        RenderPreviewSheet(g, envelope(QStringLiteral("A name far too long for the envelope ").repeated(3)),
                           QSizeF(0.25, 0.25), {}, 1.0, &marks);
    ASSERT_FALSE(marks.Overrun.isEmpty());
    EXPECT_FALSE(marks.Envelope.contains(marks.Overrun));
    EXPECT_GT(redPixels(img), 200);
}

TEST(PreviewSheet, APartIsTheSameAsThatPartOfTheWhole)
{
    // Zoomed far in, the view paints only what shows.
    const PageGeometry g = MakePageGeometry(letter(true));
    const QSizeF scale(0.6, 0.6);
    const QImage whole = RenderPreviewSheet(g, envelope(), scale);
    ASSERT_EQ(whole.size(), PreviewSheetSize(g, scale));
    const QRect part(700, 450, 900, 500);
    const QImage piece = RenderPreviewSheet(g, envelope(), scale, part);
    ASSERT_EQ(piece.size(), part.size());
    const QImage crop = whole.copy(part);
    int differ = 0, ink = 0;
    for (int y = 0; y < part.height(); ++y)
        for (int x = 0; x < part.width(); ++x) {
            const int a = qGray(piece.pixel(x, y)), b = qGray(crop.pixel(x, y));
            ink += b < 128;
            differ += std::abs(a - b) > 48;
        }
    EXPECT_GT(ink, 500) << "the part holds the address";
    EXPECT_LE(differ, ink / 100);
    // At twice the pixel density: the same sheet, in twice as many pixels.
    const QImage dense = RenderPreviewSheet(g, envelope(), scale, part, 2.0);
    EXPECT_EQ(dense.size(), part.size() * 2);
    EXPECT_EQ(dense.deviceIndependentSize().toSize(), part.size());
}
