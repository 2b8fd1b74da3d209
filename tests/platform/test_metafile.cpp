#include "WmfBuilder.h"

#include "core/Error.h"
#include "platform/Metafile.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QImage render(const Metafile &m, int w, int h, double dpi = 96)
{
    QImage img = blankImage(w, h, dpi);
    QPainter p(&img);
    m.play(p, QRectF(0, 0, w, h));
    return img;
}

QRect inkBounds(const QImage &img)
{
    QRect r;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (img.pixel(x, y) != 0xFFFFFFFFu)
                r |= QRect(x, y, 1, 1);
    return r;
}

QString errorOf(const QByteArray &data)
{
    try {
        Metafile::fromData(data);
    } catch (const ZentropeError &e) {
        return e.message();
    }
    return {};
}

bool near(QRgb a, QColor b, int tol = 24)
{
    return std::abs(qRed(a) - b.red()) <= tol && std::abs(qGreen(a) - b.green()) <= tol &&
           std::abs(qBlue(a) - b.blue()) <= tol;
}

} // namespace

TEST(Metafile, CorpusPlaysAndFillsItsFrame)
{
    ZENTROPE_REQUIRE_CORPUS();
    const QDir dir(corpusDir() + QStringLiteral("/wmf"));
    const QStringList files = dir.entryList({QStringLiteral("*.wmf")}, QDir::Files);
    ASSERT_EQ(files.size(), 17);
    int placeable = 0;
    for (const QString &f : files) {
        SCOPED_TRACE(f.toStdString());
        Metafile m;
        ASSERT_NO_THROW(m = Metafile::fromFile(dir.filePath(f)));
        placeable += m.isPlaceable();
        // Drawn at the frame's own aspect, the ink reaches near every edge.
        const QRectF frame = m.frame();
        const double aspect = std::abs(frame.width() / frame.height());
        const int w = aspect >= 1 ? 256 : std::max(16, int(256 * aspect));
        const int h = aspect >= 1 ? std::max(16, int(256 / aspect)) : 256;
        const QRect ink = inkBounds(render(m, w, h));
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_LE(ink.left(), w / 5);
        EXPECT_LE(ink.top(), h / 5);
        EXPECT_GE(ink.right(), w - 1 - w / 5);
        EXPECT_GE(ink.bottom(), h - 1 - h / 5);
    }
    EXPECT_EQ(placeable, 14);

    try {
        Metafile::fromFile(dir.filePath(QStringLiteral("not-a-metafile/Readme.wmf")));
        ADD_FAILURE() << "a text file was accepted";
    } catch (const ZentropeError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Metafile is not valid."));
    }
}

TEST(Metafile, SamePictureAtScreenAndPrinterResolution)
{
    ZENTROPE_REQUIRE_CORPUS();
    for (const char *name : {"fjftest.wmf", "formula2.wmf", "ant.wmf"}) {
        SCOPED_TRACE(name);
        const Metafile m = Metafile::fromFile(corpusDir() + QStringLiteral("/wmf/") + QLatin1String(name));
        const QImage small = render(m, 96, 96, 96);
        // One inch of picture at 1200 dpi, brought back down to 96 pixels.
        const QImage big = render(m, 1200, 1200, 1200)
                               .scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                               .convertToFormat(QImage::Format_ARGB32);
        double diff = 0;
        for (int y = 0; y < 96; ++y)
            for (int x = 0; x < 96; ++x) {
                const QRgb a = small.pixel(x, y), b = big.pixel(x, y);
                diff += std::abs(qGray(a) - qGray(b));
            }
        EXPECT_LT(diff / (96 * 96), 12.0) << diff / (96 * 96);
    }
}

TEST(Metafile, HeaderAndFrame)
{
    WmfBuilder b;
    b.brush(0, Qt::red).select(0).rectangle(0, 0, 100, 100);
    // A wrong placeable checksum is tolerated.
    const Metafile bad = Metafile::fromData(b.placeable(QRect(0, 0, 100, 50), 100, false));
    EXPECT_TRUE(bad.isPlaceable());
    EXPECT_FALSE(bad.checksumValid());
    EXPECT_EQ(bad.frame(), QRectF(0, 0, 100, 50));
    EXPECT_EQ(bad.sizeInches(), QSizeF(1.0, 0.5));
    EXPECT_TRUE(Metafile::fromData(b.placeable(QRect(0, 0, 100, 50))).checksumValid());

    // A standard file takes its frame from its window, else from what it draws.
    WmfBuilder w;
    w.window(10, 20, 300, 200).rectangle(0, 0, 5, 5);
    EXPECT_EQ(Metafile::fromData(w.standard()).frame(), QRectF(10, 20, 300, 200));
    WmfBuilder d;
    d.pen(5, 0, Qt::black).rectangle(40, 30, 140, 80);
    EXPECT_EQ(Metafile::fromData(d.standard()).frame(), QRectF(40, 30, 100, 50));

    // Damaged headers and records are refused with the one message.
    const QByteArray good = w.standard();
    const QString invalid = QStringLiteral("Metafile is not valid.");
    EXPECT_EQ(errorOf(QByteArray()), invalid);
    EXPECT_EQ(errorOf(good.left(17)), invalid);
    QByteArray wrongType = good;
    wrongType[0] = 7;
    EXPECT_EQ(errorOf(wrongType), invalid);
    QByteArray pastEnd = good;
    pastEnd[18] = char(0xFF); // the first record claims more words than the file has
    EXPECT_EQ(errorOf(pastEnd), invalid);
    QByteArray tooShort = good;
    tooShort[18] = 2; // a record smaller than its own header
    EXPECT_EQ(errorOf(tooShort), invalid);
    // Bytes after the end record are ignored; a missing end record ends at the data's end.
    EXPECT_EQ(errorOf(good + QByteArray(7, 'x')), QString());
    EXPECT_EQ(errorOf(good.chopped(6)), QString());
}

TEST(Metafile, ObjectTableMappingAndState)
{
    // Deleting frees the lowest slot, which the next object takes: the blue
    // brush lands in slot 1 and must be the one selected there.
    WmfBuilder t;
    t.window(0, 0, 100, 100)
        .rec(0x02FA, {5, 0, 0, 0, 0}) // null pen, slot 0
        .select(0)
        .brush(0, Qt::green)
        .brush(0, Qt::red)
        .remove(1)
        .brush(0, Qt::blue)
        .select(1)
        .rectangle(0, 0, 100, 100)
        .select(99) // no such object: ignored
        .remove(1234);
    QImage img = render(Metafile::fromData(t.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(50, 50), Qt::blue));

    // y upwards: window origin at the top, negative height. The rectangle in the
    // upper logical half appears in the image's top half.
    WmfBuilder y;
    y.window(0, 1000, 1000, -1000)
        .rec(0x02FA, {5, 0, 0, 0, 0})
        .brush(0, Qt::red)
        .select(0)
        .select(1)
        .rectangle(0, 1000, 1000, 500);
    img = render(Metafile::fromData(y.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(50, 25), Qt::red));
    EXPECT_TRUE(near(img.pixel(50, 75), Qt::white));

    // SaveDC / RestoreDC bring back the brush and the window; a restore past
    // the stack does nothing.
    WmfBuilder s;
    s.window(0, 0, 100, 100)
        .rec(0x02FA, {5, 0, 0, 0, 0})
        .select(0)
        .brush(0, Qt::red)
        .brush(0, Qt::blue)
        .select(1)
        .rec(0x001E, {})
        .select(2)
        .window(0, 0, 200, 200)
        .rec(0x0127, {-1})
        .rec(0x0127, {-5})
        .rectangle(50, 0, 100, 100)
        .rec(0x0127, {3});
    img = render(Metafile::fromData(s.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(75, 50), Qt::red));
    EXPECT_TRUE(near(img.pixel(25, 50), Qt::white));

    // Isotropic mapping keeps the aspect and centres the picture.
    WmfBuilder iso;
    iso.rec(0x0103, {7})
        .window(0, 0, 100, 50)
        .rec(0x02FA, {5, 0, 0, 0, 0})
        .select(0)
        .brush(0, Qt::red)
        .select(1)
        .rectangle(0, 0, 100, 50);
    img = render(Metafile::fromData(iso.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(50, 50), Qt::red));
    EXPECT_TRUE(near(img.pixel(50, 10), Qt::white));
    EXPECT_TRUE(near(img.pixel(50, 90), Qt::white));
}

TEST(Metafile, FillsArcsTextAndBitmaps)
{
    // Two overlapping squares as one polypolygon: alternate leaves the overlap
    // empty, winding fills it.
    for (int mode : {1, 2}) {
        WmfBuilder p;
        p.window(0, 0, 100, 100)
            .rec(0x02FA, {5, 0, 0, 0, 0})
            .select(0)
            .brush(0, Qt::black)
            .select(1)
            .rec(0x0106, {mode})
            .rec(0x0538, {2, 4, 4, 0, 0, 60, 0, 60, 60, 0, 60, 40, 40, 100, 40, 100, 100, 40, 100});
        const QImage img = render(Metafile::fromData(p.standard()), 100, 100);
        EXPECT_TRUE(near(img.pixel(20, 20), Qt::black));
        EXPECT_TRUE(near(img.pixel(50, 50), mode == 1 ? QColor(Qt::white) : QColor(Qt::black))) << mode;
    }

    // A pie from the right (3 o'clock) to the top (12 o'clock) runs counter-clockwise
    // through the upper right quarter only; a null brush leaves insides alone.
    WmfBuilder pie;
    pie.window(0, 0, 100, 100)
        .rec(0x02FA, {5, 0, 0, 0, 0})
        .select(0)
        .brush(0, Qt::red)
        .select(1)
        .rec(0x081A, {0, 50, 50, 100, 100, 100, 0, 0})
        .brush(1, Qt::black)
        .select(2)
        .rectangle(0, 0, 100, 100);
    QImage img = render(Metafile::fromData(pie.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(70, 30), Qt::red));
    EXPECT_TRUE(near(img.pixel(30, 30), Qt::white));
    EXPECT_TRUE(near(img.pixel(70, 70), Qt::white));

    // Text: a baseline-aligned string draws above its reference point.
    WmfBuilder text;
    QByteArray font(18 + 32, '\0');
    qToLittleEndian<qint16>(-40, font.data());
    qToLittleEndian<qint16>(700, font.data() + 8);
    font.replace(18, 15, "Liberation Sans");
    text.window(0, 0, 200, 100).raw(0x02FB, font).select(0).rec(0x0102, {1}).rec(0x012E, {24});
    text.raw(0x0521, QByteArray("\x04\x00HHHH\x50\x00\x0A\x00", 10));
    img = render(Metafile::fromData(text.standard()), 200, 100);
    const QRect ink = inkBounds(img);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_NEAR(ink.bottom(), 79, 2);
    EXPECT_NEAR(ink.left(), 12, 4);
    EXPECT_NEAR(ink.height(), 29, 5); // the cap height of a 40 pixel font

    // A 2 x 2 bottom-up DIB stretched over the frame keeps its rows the right way up.
    QByteArray dib(40, '\0');
    qToLittleEndian<quint32>(40, dib.data());
    qToLittleEndian<qint32>(2, dib.data() + 4);
    qToLittleEndian<qint32>(2, dib.data() + 8);
    qToLittleEndian<quint16>(1, dib.data() + 12);
    qToLittleEndian<quint16>(24, dib.data() + 14);
    // Bottom row first: blue, white; then top row: red, green (BGR, rows padded to 4 bytes).
    dib.append(QByteArray("\xFF\x00\x00\xFF\xFF\xFF\x00\x00"
                          "\x00\x00\xFF\x00\xFF\x00\x00\x00",
                          16));
    QByteArray params(22, '\0');
    const int stretch[] = {0x0020, 0x00CC, 0, 2, 2, 0, 0, 100, 100, 0, 0};
    for (int i = 0; i < 11; ++i)
        qToLittleEndian<quint16>(quint16(stretch[i]), params.data() + 2 * i);
    WmfBuilder bmp;
    bmp.window(0, 0, 100, 100).raw(0x0F43, params + dib);
    img = render(Metafile::fromData(bmp.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(25, 25), Qt::red));
    EXPECT_TRUE(near(img.pixel(75, 25), Qt::green));
    EXPECT_TRUE(near(img.pixel(25, 75), Qt::blue));
    EXPECT_TRUE(near(img.pixel(75, 75), Qt::white));
    // Source rows of a bottom-up bitmap count from its bottom: (0, 0) is the blue pixel.
    const int corner[] = {0x0020, 0x00CC, 0, 1, 1, 0, 0, 100, 100, 0, 0};
    for (int i = 0; i < 11; ++i)
        qToLittleEndian<quint16>(quint16(corner[i]), params.data() + 2 * i);
    WmfBuilder one;
    one.window(0, 0, 100, 100).raw(0x0F43, params + dib);
    img = render(Metafile::fromData(one.standard()), 100, 100);
    EXPECT_TRUE(near(img.pixel(50, 50), Qt::blue));
}

TEST(Metafile, HostileRecordsAreSkipped)
{
    WmfBuilder h;
    h.window(0, 0, 100, 100)
        .rec(0x0324, {30000, 1, 2})      // polygon count beyond the record
        .rec(0x0538, {3, 30000, 1, 1})   // polypolygon counts beyond the record
        .rec(0x0521, {32000, 0x4141})    // text longer than its record
        .rec(0x0A32, {0, 0, 5, 6, 1})    // clipped text without its rectangle
        .rec(0x0F43, {0, 0xCC, 0, 1, 1}) // stretch DIB cut short
        .rec(0x0127, {32767})
        .rec(0x0410, {0, 0, 0, 0}) // scale by 0/0
        .rec(0x020C, {0, 0})       // empty window
        .rec(0x041B, {100, 100, 0, 0})
        .rec(0x0000 | 0x7777, {1, 2, 3}); // unknown record
    for (int i = 0; i < 2000; ++i)
        h.rec(0x001E, {}); // SaveDC without end
    for (int i = 0; i < 70000; ++i)
        h.brush(0, Qt::red); // more objects than the table holds
    QByteArray huge(40, '\0');
    qToLittleEndian<quint32>(40, huge.data());
    qToLittleEndian<qint32>(60000, huge.data() + 4);
    qToLittleEndian<qint32>(60000, huge.data() + 8);
    qToLittleEndian<quint16>(24, huge.data() + 14);
    h.raw(0x0F43, QByteArray(22, '\0') + huge); // a bitmap far larger than its data
    const Metafile m = Metafile::fromData(h.standard());
    QImage img = render(m, 64, 64);
    EXPECT_EQ(img.size(), QSize(64, 64));
}

TEST(Metafile, StretchedIndexedBitmapShowsOnlyItsOwnPixels)
{
    // A 5 x 40 bitmap of 8-bit colour indexes, all index 1 (only indexes 0 and 1
    // are red), scaled down and cut by the left edge of the picture. Its rows
    // are shorter than a whole number of words; no stale memory after them may
    // reach the picture as some other index's colour.
    const int w = 5, h = 40, stride = 8;
    QByteArray dib(40, '\0');
    qToLittleEndian<quint32>(40, dib.data());
    qToLittleEndian<qint32>(w, dib.data() + 4);
    qToLittleEndian<qint32>(h, dib.data() + 8);
    qToLittleEndian<quint16>(1, dib.data() + 12);
    qToLittleEndian<quint16>(8, dib.data() + 14);
    for (int i = 0; i < 256; ++i)
        dib.append(i <= 1 ? QByteArray("\x00\x00\xFF\x00", 4) : QByteArray("\x00\xFF\x00\x00", 4));
    dib.append(QByteArray(stride * h, '\x01'));
    QByteArray params(22, '\0');
    const int stretch[] = {0x0020, 0x00CC, 0, h, w, 0, 0, 24, 28, 100, -6};
    for (int i = 0; i < 11; ++i)
        qToLittleEndian<quint16>(quint16(stretch[i]), params.data() + 2 * i);
    WmfBuilder bmp;
    bmp.window(0, 0, 1000, 1000).raw(0x0F43, params + dib);
    const Metafile m = Metafile::fromData(bmp.standard());
    // Freed blocks the size of the bitmap's copy, full of index 255, are what
    // the next allocation of that size most likely gets.
    for (int round = 0; round < 2; ++round) {
        std::vector<void *> stale;
        for (int i = 0; i < 64; ++i)
            stale.push_back(std::memset(std::malloc(stride * h), 0xFF, stride * h));
        for (void *p : stale)
            std::free(p);
        // Premultiplied, as a window's backing store is.
        QImage img = blankImage(96, 96).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        QPainter p(&img);
        m.play(p, QRectF(0, 0, 96, 96));
        p.end();
        int foreign = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                foreign += qGreen(img.pixel(x, y)) > qBlue(img.pixel(x, y)) + 8;
        EXPECT_EQ(foreign, 0) << "round " << round;
    }
}
