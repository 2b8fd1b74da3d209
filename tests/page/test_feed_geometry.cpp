#include "print/page/FeedGeometry.h"

#include "print/page/AlignmentPage.h"
#include "support/PdfProbe.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

EnvelopePage envelope(double width, double height)
{
    EnvelopePage p;
    p.Dimension.Width = width;
    p.Dimension.Height = height;
    p.Dimension.Indent = 0.5; // never applies on an envelope-size page
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSize(11);
    p.AddressFont.Font = f;
    p.ReturnFont.Font = f;
    p.ReturnLines = {QStringLiteral("Ann Sender"), QStringLiteral("Home, ST 54321")};
    p.AddressLines = {QStringLiteral("Jane Doe"), QStringLiteral("1742 Elm Street"),
                      QStringLiteral("Anytown, ST 12345-6789")};
    return p;
}

// A printer with Letter paper and quarter-inch margins all round.
PrinterPage letter(int dpi, QPageLayout::Orientation orientation = QPageLayout::Portrait)
{
    PrinterPage p;
    p.Layout =
        QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(18, 18, 18, 18), QPageLayout::Point);
    p.DpiX = p.DpiY = dpi;
    p.PrintableWidthMM = 203;
    p.PrintableHeightMM = 266;
    return p;
}

FeedProfile onEnvelope(bool longFirst = true, bool turn = false)
{
    FeedProfile f;
    f.Paper = FeedProfile::EnvelopePaper;
    f.LongEdgeFirst = longFirst;
    f.Turn180 = turn;
    return f;
}

struct Sheet {
    QImage image;
    FeedGeometry geometry;
    EnvelopePageLayout layout;
};

// The page painted on its sheet through the geometry, as a job paints it.
Sheet paintSheet(EnvelopePage page, const PrinterPage &printer, const FeedProfile *profile)
{
    Sheet s;
    s.geometry = PlaceEnvelopePage(page, printer, profile);
    s.image = QImage(s.geometry.Sheet, QImage::Format_Grayscale8);
    s.image.fill(Qt::white);
    QPainter painter(&s.image);
    painter.setTransform(s.geometry.Transform);
    s.layout = PaintEnvelopePage(painter, page);
    return s;
}

QRect inkBox(const QImage &img)
{
    int left = img.width(), top = img.height(), right = -1, bottom = -1;
    for (int y = 0; y < img.height(); ++y) {
        const uchar *line = img.constScanLine(y);
        for (int x = 0; x < img.width(); ++x)
            if (line[x] < 128) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

void expectNear(const QRect &a, const QRect &b, int tolerance, const char *what)
{
    EXPECT_LE(std::abs(a.left() - b.left()), tolerance) << what;
    EXPECT_LE(std::abs(a.top() - b.top()), tolerance) << what;
    EXPECT_LE(std::abs(a.right() - b.right()), tolerance) << what;
    EXPECT_LE(std::abs(a.bottom() - b.bottom()), tolerance) << what;
}

} // namespace

TEST(FeedGeometry, TheEnvelopeIsThePageUprightOrTurned)
{
    // A 9 x 4 in size: 648 x 288 pt long edge first, 288 x 648 pt turned.
    const PrinterPage printer = letter(300);
    for (const bool longFirst : {true, false}) {
        for (const bool turn : {false, true}) {
            EnvelopePage page = envelope(9, 4);
            const FeedProfile f = onEnvelope(longFirst, turn);
            const FeedGeometry g = PlaceEnvelopePage(page, printer, &f);
            EXPECT_EQ(g.Layout.orientation(), QPageLayout::Portrait);
            EXPECT_EQ(g.Layout.fullRectPoints().size(), longFirst ? QSize(648, 288) : QSize(288, 648));
            EXPECT_EQ(g.Sheet, longFirst ? QSize(2700, 1200) : QSize(1200, 2700));
            EXPECT_TRUE(g.EnvelopeSheet);
            EXPECT_EQ(page.Dimension.Indent, 0);
            EXPECT_FALSE(page.Landscape);
            // The envelope covers the sheet exactly.
            EXPECT_EQ(g.Transform.mapRect(QRect(0, 0, 2700, 1200)), QRect(QPoint(0, 0), g.Sheet));
        }
    }
    // Short edge first: the right edge (the stamp end) leads; turned 180, the left one.
    EnvelopePage page = envelope(9, 4);
    FeedProfile f = onEnvelope(false);
    EXPECT_EQ(PlaceEnvelopePage(page, printer, &f).Transform.map(QPoint(2700, 0)), QPoint(0, 0));
    f.Turn180 = true;
    EXPECT_EQ(PlaceEnvelopePage(page, printer, &f).Transform.map(QPoint(0, 1200)), QPoint(0, 0));

    // "Printer Setup" is the printer's whole paper.
    page = envelope(1, 1);
    page.SizeName = QStringLiteral("Printer Setup");
    f = onEnvelope();
    EXPECT_EQ(PlaceEnvelopePage(page, printer, &f).Layout.fullRectPoints().size(), QSize(612, 792));
}

TEST(FeedGeometry, PrinterPaperKeepsTheLayoutAndTurnsALandscapePageItself)
{
    FeedProfile f; // printer paper
    EnvelopePage page = envelope(9, 4);
    page.Dimension.Width = 8; // narrower than the printable width
    // Without a profile and with the plain profile: the printable area's
    // corner, the indent to the right.
    FeedGeometry none = PlaceEnvelopePage(page, letter(300), nullptr);
    EXPECT_EQ(none.Layout, letter(300).Layout);
    EXPECT_EQ(none.Transform.map(QPoint(0, 0)), QPoint(75, 75));
    EXPECT_EQ(EnvelopeRect(page).topLeft(), QPoint(150, 0));
    FeedGeometry g = PlaceEnvelopePage(page, letter(300), &f);
    EXPECT_EQ(g.Transform, none.Transform);
    EXPECT_EQ(g.Layout.fullRectPoints().size(), QSize(612, 792));
    EXPECT_FALSE(g.EnvelopeSheet);
    // Centred and right across the printable width of 2400 dots.
    page.Dimension.Width = 7;
    f.Edge = FeedProfile::EdgeCentre;
    EXPECT_EQ(PlaceEnvelopePage(page, letter(300), &f).Transform.map(QPoint(0, 0)), QPoint(75 + 150, 75));
    f.Edge = FeedProfile::EdgeRight;
    EXPECT_EQ(PlaceEnvelopePage(page, letter(300), &f).Transform.map(QPoint(0, 0)), QPoint(75 + 300, 75));
    f.FaceDown = true; // seen from the printed side it lies left
    EXPECT_EQ(PlaceEnvelopePage(page, letter(300), &f).Transform.map(QPoint(0, 0)), QPoint(75, 75));

    // Landscape: laid out on the wide page, indent down, then turned
    // counter-clockwise onto the upright sheet as CUPS would turn it.
    f = FeedProfile();
    f.OffsetX = 100; // 30 dots right on the envelope: up the sheet
    page = envelope(9, 4);
    g = PlaceEnvelopePage(page, letter(300, QPageLayout::Landscape), &f);
    EXPECT_TRUE(page.Landscape);
    EXPECT_EQ(EnvelopeRect(page).topLeft(), QPoint(0, 150));
    EXPECT_EQ(g.Layout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(g.Layout.fullRectPoints().size(), QSize(612, 792));
    EXPECT_EQ(g.Sheet, QSize(2550, 3300));
    EXPECT_EQ(g.Transform.map(QPoint(0, 0)), QPoint(75, 3300 - 75 - 30));
    EXPECT_EQ(g.Transform.map(QPoint(2700, 0)), QPoint(75, 3300 - 75 - 30 - 2700));
}

TEST(FeedGeometry, OffsetsMoveEveryPrintedPositionByExactlyTheOffsetAt1200Dpi)
{
    // +1/8 in right (150 dots), 0.037 in down (44.4 dots: 44); inwards, so
    // nothing is cut off at the sheet's edge.
    const PrinterPage printer = letter(1200);
    struct Case {
        FeedProfile profile;
        PrinterPage printer;
        QPoint move; // on the sheet
    };
    FeedProfile turned = onEnvelope(false, true);
    FeedProfile paper;
    FeedProfile upright = onEnvelope();
    for (FeedProfile *f : {&upright, &turned, &paper}) {
        f->OffsetX = 125;
        f->OffsetY = 37;
    }
    const Case cases[] = {
        {upright, printer, {150, 44}},
        // Turned clockwise: right on the envelope is down the sheet.
        {turned, printer, {-44, 150}},
        // Landscape printer paper, turned counter-clockwise.
        {paper, letter(1200, QPageLayout::Landscape), {44, -150}},
    };
    for (const Case &c : cases) {
        FeedProfile still = c.profile;
        still.OffsetX = still.OffsetY = 0;
        const Sheet a = paintSheet(envelope(6, 3.5), c.printer, &still);
        const Sheet b = paintSheet(envelope(6, 3.5), c.printer, &c.profile);
        // Every part the layout places, and every dot of ink.
        for (const auto &[pa, pb] : {std::pair{a.layout.ReturnOrigin, b.layout.ReturnOrigin},
                                     std::pair{a.layout.AddressOrigin, b.layout.AddressOrigin},
                                     std::pair{QPoint(a.layout.BarCodeX, a.layout.BarCodeY),
                                               QPoint(b.layout.BarCodeX, b.layout.BarCodeY)}})
            EXPECT_EQ(b.geometry.Transform.map(pb) - a.geometry.Transform.map(pa), c.move);
        const QRect ink = inkBox(a.image);
        ASSERT_FALSE(ink.isNull());
        expectNear(inkBox(b.image), ink.translated(c.move), 1, "ink");
        EXPECT_EQ(b.image.copy(ink.translated(c.move)), a.image.copy(ink)) << "the same dots, moved";
    }
    // Negative offsets move the other way, by the same rule of rounding.
    EnvelopePage page = envelope(6, 3.5);
    upright.OffsetX = -125;
    upright.OffsetY = -37;
    EXPECT_EQ(PlaceEnvelopePage(page, printer, &upright).Transform.map(QPoint(1000, 1000)), QPoint(850, 956));
}

TEST(FeedGeometry, TurnsPutTheBarCodeWhereItBelongs)
{
    const PrinterPage printer = letter(300);
    FeedProfile f = onEnvelope();
    const Sheet upright = paintSheet(envelope(9.5, 4.125), printer, &f);
    ASSERT_EQ(decodeBarCode(upright.image).left(9), QStringLiteral("123456789")) << "the upright page reads";
    const QRect ink = inkBox(upright.image);
    const QPoint firstBar(upright.layout.BarCodeX, upright.layout.BarCodeY + 20);

    const struct {
        bool longFirst, turn;
        int back; // degrees clockwise that bring the sheet upright again
    } feeds[] = {{true, true, 180}, {false, false, 90}, {false, true, 270}};
    for (const auto &feed : feeds) {
        f = onEnvelope(feed.longFirst, feed.turn);
        const Sheet s = paintSheet(envelope(9.5, 4.125), printer, &f);
        // The first tall bar is where the turn puts it on the sheet.
        const QPoint bar = s.geometry.Transform.map(firstBar);
        EXPECT_LT(qGray(s.image.pixel(bar)), 128) << feed.back;
        if (feed.turn && feed.longFirst) {
            // Turned 180: the code sits in the sheet's upper left quarter.
            EXPECT_LE(bar.x(), s.image.width() / 2);
            EXPECT_LT(bar.y(), s.image.height() / 2);
        }
        const QImage back = s.image.transformed(QTransform().rotate(feed.back));
        EXPECT_EQ(back.size(), upright.image.size());
        EXPECT_EQ(decodeBarCode(back), decodeBarCode(upright.image)) << feed.back;
        expectNear(inkBox(back), ink, 2, "turned back");
    }
}

TEST(FeedGeometry, AlignmentTestMarksTheEnvelopeAndItsAnchors)
{
    EnvelopePage page = envelope(9, 4);
    page.AlignmentTest = true;
    FeedProfile f = onEnvelope();
    const Sheet s = paintSheet(page, letter(300), &f);
    EXPECT_EQ(s.layout.Outline, QRect(0, 0, 2700, 1200));
    EXPECT_EQ(s.layout.ReturnOrigin, QPoint(0, 0));
    EXPECT_EQ(s.layout.AddressOrigin, QPoint(1350, 900));
    // The outline runs along every edge, inside the envelope.
    EXPECT_EQ(inkBox(s.image), QRect(0, 0, 2700, 1200));
    for (const QPoint &p : {QPoint(1, 600), QPoint(2698, 600), QPoint(1000, 1), QPoint(1000, 1198)})
        EXPECT_LT(qGray(s.image.pixel(p)), 128);
    // The left ruler's 10 mm tick, 118 dots in, rises above its line.
    const int mid = 600, tick = 118;
    EXPECT_LT(qGray(s.image.pixel(tick, mid - 20)), 128);
    EXPECT_GT(qGray(s.image.pixel(tick + 6, mid - 20)), 128);
    // A cross at the address anchor.
    EXPECT_LT(qGray(s.image.pixel(1350 + 40, 900)), 128);
    EXPECT_LT(qGray(s.image.pixel(1350, 900 - 40)), 128);
}

TEST(FeedGeometry, AnEnvelopeSheetKeepsThePrintersMarginsAndMovesTheReturnAddressInward)
{
    // 4.23 mm all round, as many drivers declare for their envelope sizes:
    // 50 dots at 300 dpi.
    PrinterPage printer = letter(300);
    QSizeF asked;
    printer.SheetMargins = [&asked](const QSizeF &mm) {
        asked = mm;
        return QMarginsF(4.23, 4.23, 4.23, 4.23);
    };
    for (const bool longFirst : {true, false}) {
        for (const bool turn : {false, true}) {
            const FeedProfile f = onEnvelope(longFirst, turn);
            const Sheet s = paintSheet(envelope(9, 4), printer, &f);
            const QRect sheet(QPoint(0, 0), s.geometry.Sheet);
            EXPECT_EQ(s.geometry.Printable, sheet.adjusted(50, 50, -50, -50));
            EXPECT_NEAR(asked.width(), longFirst ? 228.6 : 101.6, 0.1);
            const QRect ink = inkBox(s.image);
            EXPECT_TRUE(s.geometry.Printable.contains(ink)) << longFirst << turn;
            // Moved only as far as needed: the return address touches the margin.
            const QRect back = s.geometry.Transform.mapRect(s.layout.ReturnBlock);
            const int gap = std::min({back.left() - 50, back.top() - 50, sheet.right() - 50 - back.right(),
                                      sheet.bottom() - 50 - back.bottom()});
            EXPECT_LE(gap, 2) << longFirst << turn;
        }
    }
    // Without declared margins nothing moves.
    printer.SheetMargins = nullptr;
    const FeedProfile f = onEnvelope();
    EnvelopePage page = envelope(9, 4);
    const FeedGeometry g = PlaceEnvelopePage(page, printer, &f);
    EXPECT_EQ(g.Printable, QRect(QPoint(0, 0), g.Sheet));
    EXPECT_EQ(g.Transform, QTransform());
}
