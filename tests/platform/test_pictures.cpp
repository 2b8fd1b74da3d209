#include "WmfBuilder.h"

#include "core/Error.h"
#include "platform/Graphic.h"
#include "platform/PictureReader.h"
#include "support/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QString errorOf(const std::function<void()> &f)
{
    try {
        f();
    } catch (const ZentropeError &e) {
        return e.message();
    }
    return {};
}

// Width and height as the file's own header gives them.
QSize bmpHeaderSize(const QString &path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    const QByteArray d = f.read(26);
    if (qFromLittleEndian<quint32>(d.constData() + 14) == 12)
        return QSize(qFromLittleEndian<quint16>(d.constData() + 18),
                     qFromLittleEndian<quint16>(d.constData() + 20));
    return QSize(qFromLittleEndian<qint32>(d.constData() + 18),
                 std::abs(qFromLittleEndian<qint32>(d.constData() + 22)));
}

} // namespace

TEST(Pictures, ExtensionFromTheFileName)
{
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/home/jane.doe/.local/logo.bmp")), QStringLiteral("BMP"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/MY.LOGOS/HOUSE.BMP")), QStringLiteral("BMP"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/pics/house.bak.wmf")), QStringLiteral("BAK"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/pics/a.ic")), QStringLiteral("IC"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/pics/logo.wmfx")), QStringLiteral("WMF"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("/pics/logo")), QStringLiteral("LOG"));
    EXPECT_EQ(Graphic::extensionOf(QStringLiteral("ab")), QStringLiteral("AB"));
    EXPECT_EQ(Graphic::kindOf(QStringLiteral("ICO")), Graphic::Kind::Icon);
    EXPECT_EQ(Graphic::kindOf(QStringLiteral("LOG")), Graphic::Kind::None);
    EXPECT_TRUE(Graphic::load(QStringLiteral("/nowhere/x.log"), Graphic::Kind::None).isNull());
}

TEST(Pictures, BitmapSuite)
{
    ZENTROPE_REQUIRE_CORPUS();
    const QString invalid = QStringLiteral("Bitmap image is not valid.");
    const QDir good(corpusDir() + QStringLiteral("/bmp/g"));
    const QStringList goodFiles = good.entryList({QStringLiteral("*.bmp")}, QDir::Files);
    ASSERT_FALSE(goodFiles.isEmpty());
    for (const QString &f : goodFiles) {
        SCOPED_TRACE(f.toStdString());
        const QString path = good.filePath(f);
        QImage img;
        ASSERT_NO_THROW(img = picture::readBitmap(path));
        EXPECT_EQ(img.size(), bmpHeaderSize(path));
        EXPECT_EQ(Graphic::load(path, Graphic::Kind::Bitmap).naturalSize(), img.size());
    }
    int loaded = 0, refused = 0;
    for (const char *folder : {"/bmp/q", "/bmp/b"}) {
        const QDir dir(corpusDir() + QLatin1String(folder));
        for (const QString &f : dir.entryList(QDir::Files)) {
            SCOPED_TRACE(f.toStdString());
            const QString e = errorOf([&] { picture::readBitmap(dir.filePath(f)); });
            if (e.isEmpty())
                ++loaded;
            else {
                EXPECT_EQ(e, invalid);
                ++refused;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(loaded, 0);
}

TEST(Pictures, IconsAndUnreadableFiles)
{
    ZENTROPE_REQUIRE_CORPUS();
    const QDir valid(corpusDir() + QStringLiteral("/ico/valid"));
    const QStringList files = valid.entryList(QDir::Files);
    ASSERT_EQ(files.size(), 13);
    for (const QString &f : files) {
        SCOPED_TRACE(f.toStdString());
        QFile file(valid.filePath(f));
        file.open(QIODevice::ReadOnly);
        const QByteArray dir = file.read(8);
        // The first directory entry's size; 0 stands for 256.
        const int w = uchar(dir[6]) ? uchar(dir[6]) : 256, h = uchar(dir[7]) ? uchar(dir[7]) : 256;
        Graphic g;
        ASSERT_NO_THROW(g = Graphic::load(valid.filePath(f), Graphic::Kind::Icon));
        EXPECT_EQ(g.naturalSize(), QSize(w, h));
    }
    EXPECT_EQ(errorOf([] { picture::readIcon(corpusDir() + QStringLiteral("/ico/invalid/35floppy.ico")); }),
              QStringLiteral("Icon image is not valid."));
    // A bitmap is not an icon, and an icon not a bitmap.
    EXPECT_EQ(errorOf([] { picture::readIcon(corpusDir() + QStringLiteral("/bmp/g/rgb24.bmp")); }),
              QStringLiteral("Icon image is not valid."));
    EXPECT_EQ(errorOf([&] { picture::readBitmap(valid.filePath(QStringLiteral("App.ico"))); }),
              QStringLiteral("Bitmap image is not valid."));

    const QString missing = freshDir(QStringLiteral("pictures")) + QStringLiteral("/gone.bmp");
    for (auto kind : {Graphic::Kind::Bitmap, Graphic::Kind::Icon, Graphic::Kind::Metafile})
        EXPECT_EQ(errorOf([&] { Graphic::load(missing, kind); }),
                  QStringLiteral("Cannot open file %1.").arg(missing));
}

// A corner picture that is no regular file: a FIFO would block the start-up,
// /dev/zero would be read until memory ran out. Both end at once; a file over
// the size bound is refused by its type's message without being read.
TEST(Pictures, SpecialAndOversizedFilesEndAtOnce)
{
    const QString dir = freshDir(QStringLiteral("special"));
    const std::pair<Graphic::Kind, QString> kinds[] = {{Graphic::Kind::Bitmap, QStringLiteral("bmp")},
                                                       {Graphic::Kind::Icon, QStringLiteral("ico")},
                                                       {Graphic::Kind::Metafile, QStringLiteral("wmf")}};
    ::alarm(20); // a regression would hang here: end the test instead
    for (const auto &[kind, ext] : kinds) {
        const QString fifo = dir + QStringLiteral("/fifo.") + ext;
        ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString zero = dir + QStringLiteral("/zero.") + ext;
        ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
        for (const QString &path : {fifo, zero})
            EXPECT_EQ(errorOf([&] { Graphic::load(path, kind); }),
                      QStringLiteral("Cannot open file %1.").arg(path));
    }
    ::alarm(0);
    const QString invalid[] = {QStringLiteral("Bitmap image is not valid."),
                               QStringLiteral("Icon image is not valid."),
                               QStringLiteral("Metafile is not valid.")};
    for (int i = 0; i < 3; ++i) {
        // Sparse: no disk space needed.
        const QString big = dir + QStringLiteral("/big.") + kinds[i].second;
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(picture::MaxFileBytes + 1));
        f.close();
        EXPECT_EQ(errorOf([&] { Graphic::load(big, kinds[i].first); }), invalid[i]);
    }
}

TEST(Pictures, GraphicPaintsStretched)
{
    WmfBuilder b;
    b.rec(0x02FA, {5, 0, 0, 0, 0}).select(0).brush(0, Qt::red).select(1).rectangle(0, 0, 100, 100);
    const QString path = freshDir(QStringLiteral("graphic")) + QStringLiteral("/logo.wmf");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(b.placeable(QRect(0, 0, 100, 100), 50));
    f.close();
    const Graphic g = Graphic::load(path, Graphic::Kind::Metafile);
    EXPECT_EQ(g.naturalSize(), QSize(192, 192)); // two inches at 96 pixels per inch
    QImage img = blankImage(60, 60);
    {
        QPainter p(&img);
        g.paint(p, QRectF(10, 10, 40, 40));
    }
    EXPECT_EQ(img.pixel(30, 30), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255)); // nothing outside the target
    EXPECT_EQ(img.pixel(55, 55), qRgb(255, 255, 255));
}
