#include "core/Error.h"
#include "envelope/EnvelopeDimension.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"
#include "support/TestEnv.h"

#include <QCoreApplication>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <vector>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// One printer for the whole test program, as the session keeps one for a run;
// released with the application object, which a QPrinter must not outlive.
PrinterDevice &Printer()
{
    static PrinterDevice *printer = nullptr;
    if (!printer) {
        printer = new PrinterDevice;
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

// What Poppler says about a PDF a queue received.
struct PdfInfo {
    int pages = 0;
    QString title;
    QSizeF firstPage; // points
};

PdfInfo pdfInfo(const QString &path)
{
    const QString out = runOutput(QStringLiteral("pdfinfo"), {path});
    PdfInfo info;
    const auto field = [&](const char *name) {
        const QRegularExpression re(QStringLiteral("^%1:\\s*(.*)$").arg(QLatin1String(name)),
                                    QRegularExpression::MultilineOption);
        return re.match(out).captured(1).trimmed();
    };
    info.pages = field("Pages").toInt();
    info.title = field("Title");
    const auto m = QRegularExpression(QStringLiteral("([\\d.]+) x ([\\d.]+) pts")).match(field("Page size"));
    if (m.hasMatch())
        info.firstPage = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    return info;
}

int queueIndex(const QString &queue)
{
    return int(Printer().Printers().indexOf(queue));
}

class PrinterDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cups = CupsServer::shared(&whyNot);
        if (!cups)
            GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
        cups->clearReceived();
        Printer().Reset();
    }
    void TearDown() override
    {
        if (cups)
            Printer().Reset();
    }

    // Prints `pages` pages with a line of text on the given queue and returns the received file.
    QString printPages(const QString &queue, int pages,
                       const QString &title = QStringLiteral("Zentrope Envelope"))
    {
        PrinterDevice &p = Printer();
        p.SetPrinterIndex(queueIndex(queue));
        p.SetTitle(title);
        p.BeginDoc();
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                p.NewPage();
            p.Canvas().drawText(QPoint(100, 200), QStringLiteral("Page %1").arg(i + 1));
        }
        p.EndDoc();
        if (!cups->waitForJobs(queue, 1))
            return {};
        return cups->receivedFiles(queue).last();
    }

    CupsServer *cups = nullptr;
    QString whyNot;
};

} // namespace

TEST_F(PrinterDeviceTest, ListsTheQueuesAndStartsOnTheDefault)
{
    const QStringList names = Printer().Printers();
    for (const QString &q : cups->queueNames())
        EXPECT_TRUE(names.contains(q)) << q.toStdString();
    EXPECT_EQ(PrinterDevice::DefaultPrinterName(), CupsServer::RawB);
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawB);
    EXPECT_EQ(Printer().PrinterIndex(), queueIndex(CupsServer::RawB));

    Printer().SetPrinterIndex(queueIndex(CupsServer::RawA));
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawA);
    EXPECT_THROW(Printer().SetPrinterIndex(int(names.size())), ZentropeError);
    EXPECT_THROW(Printer().SetPrinterIndex(-1), ZentropeError);
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawA);
}

TEST_F(PrinterDeviceTest, DocumentReachesTheQueueAsOnePdfWithItsPages)
{
    const QString title = QStringLiteral("A title that is longer than thirty-one characters");
    const QString file = printPages(CupsServer::RawA, 3, title);
    ASSERT_FALSE(file.isEmpty()) << cups->logTail().toStdString();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5).startsWith("%PDF")) << "a raw queue passes Qt's PDF on unchanged";
    const PdfInfo info = pdfInfo(file);
    EXPECT_EQ(info.pages, 3);
    EXPECT_EQ(info.title, title.left(31));
    EXPECT_EQ(cups->receivedCount(CupsServer::RawB), 0) << "only the chosen queue prints";
    EXPECT_FALSE(Printer().Printing());

    // The PPD queue runs CUPS's filters and hands the printer PostScript.
    const QString ps = printPages(CupsServer::Ppd, 1);
    ASSERT_FALSE(ps.isEmpty()) << cups->logTail().toStdString();
    QFile psFile(ps);
    ASSERT_TRUE(psFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(psFile.read(4).startsWith("%!")) << "PostScript expected";

    EXPECT_THROW(Printer().NewPage(), ZentropeError);
    EXPECT_THROW(Printer().Canvas(), ZentropeError);
}

TEST_F(PrinterDeviceTest, LandscapeSettingTurnsTheNextJob)
{
    const QString portrait = printPages(CupsServer::RawA, 1);
    ASSERT_FALSE(portrait.isEmpty());
    const QSizeF p = pdfInfo(portrait).firstPage;
    EXPECT_LT(p.width(), p.height());

    DeviceMode m = Printer().GetDeviceMode();
    ASSERT_TRUE(m.has(DeviceMode::DM_ORIENTATION));
    m.Orientation = DeviceMode::OrientLandscape;
    Printer().SetDeviceMode(m);
    EXPECT_TRUE(Printer().Landscape());
    EXPECT_EQ(Printer().GetDeviceMode().Orientation, DeviceMode::OrientLandscape);
    cups->clearReceived();
    const QString landscape = printPages(CupsServer::RawA, 1);
    ASSERT_FALSE(landscape.isEmpty());
    const QSizeF l = pdfInfo(landscape).firstPage;
    EXPECT_GT(l.width(), l.height());
    EXPECT_NEAR(l.width(), p.height(), 1.0);
}

TEST_F(PrinterDeviceTest, DeclaredFieldsFollowThePrinter)
{
    Printer().SetPrinterIndex(queueIndex(CupsServer::Ppd));
    DeviceMode m = Printer().GetDeviceMode();
    for (auto f : {DeviceMode::DM_ORIENTATION, DeviceMode::DM_PAPERSIZE, DeviceMode::DM_COPIES})
        EXPECT_TRUE(m.has(f)) << f;
    for (auto f : {DeviceMode::DM_SCALE, DeviceMode::DM_DEFAULTSOURCE, DeviceMode::DM_PRINTQUALITY,
                   DeviceMode::DM_PAPERLENGTH, DeviceMode::DM_PAPERWIDTH})
        EXPECT_FALSE(m.has(f)) << f;
    EXPECT_TRUE(m.has(DeviceMode::DM_DUPLEX)) << "the PPD offers duplex";

    // Windows paper code 9 is A4; it and duplex survive the round trip.
    m.PaperSize = 9;
    m.Duplex = DeviceMode::DuplexHorizontal;
    m.Copies = 3;
    Printer().SetDeviceMode(m);
    const DeviceMode back = Printer().GetDeviceMode();
    EXPECT_EQ(back.PaperSize, 9);
    EXPECT_EQ(back.Duplex, DeviceMode::DuplexHorizontal);
    EXPECT_EQ(back.Copies, 3);
    EXPECT_EQ(Printer().QtPrinter().pageLayout().pageSize().id(), QPageSize::A4);

    // Codes no printer knows leave the fields as they were.
    DeviceMode bad = back;
    bad.PaperSize = 30000;
    bad.Orientation = 7;
    bad.Duplex = -4;
    Printer().SetDeviceMode(bad);
    EXPECT_EQ(Printer().GetDeviceMode(), back);

    // A raw queue has no duplex unit.
    Printer().SetPrinterIndex(queueIndex(CupsServer::RawA));
    EXPECT_FALSE(Printer().GetDeviceMode().has(DeviceMode::DM_DUPLEX));
}

TEST_F(PrinterDeviceTest, CustomPaperCarriesItsDimensions)
{
    Printer().SetPrinterIndex(queueIndex(CupsServer::RawA));
    DeviceMode m = Printer().GetDeviceMode();
    m.PaperSize = DeviceMode::PaperUser;
    m.Fields |= DeviceMode::DM_PAPERLENGTH | DeviceMode::DM_PAPERWIDTH;
    m.PaperWidth = 2413;  // 241.3 mm
    m.PaperLength = 1048; // 104.8 mm: a No. 10 envelope turned
    Printer().SetDeviceMode(m);
    const DeviceMode back = Printer().GetDeviceMode();
    ASSERT_TRUE(back.has(DeviceMode::DM_PAPERLENGTH) && back.has(DeviceMode::DM_PAPERWIDTH));
    EXPECT_EQ(back.PaperSize, DeviceMode::PaperUser);
    EXPECT_EQ(back.PaperWidth, 2413);
    EXPECT_EQ(back.PaperLength, 1048);
}

TEST_F(PrinterDeviceTest, PrintableAreaAtThePrinterResolution)
{
    Printer().SetPrinterIndex(queueIndex(CupsServer::Ppd));
    DeviceMode m = Printer().GetDeviceMode();
    m.PaperSize = 1; // Letter
    m.Orientation = DeviceMode::OrientPortrait;
    Printer().SetDeviceMode(m);

    // The PPD's imageable area for Letter, in points.
    QFile ppd(cups->ppdPath(CupsServer::Ppd));
    ASSERT_TRUE(ppd.open(QIODevice::ReadOnly)) << "no PPD kept for the queue";
    const auto area =
        QRegularExpression(
            QStringLiteral("\\*ImageableArea Letter[^:]*:\\s*\"([\\d.]+) ([\\d.]+) ([\\d.]+) ([\\d.]+)\""))
            .match(QString::fromLatin1(ppd.readAll()));
    ASSERT_TRUE(area.hasMatch());
    const double wPt = area.captured(3).toDouble() - area.captured(1).toDouble();
    const double hPt = area.captured(4).toDouble() - area.captured(2).toDouble();
    const int wMM = Printer().WidthMM();
    const int hMM = Printer().HeightMM();
    EXPECT_NEAR(wMM, wPt * 25.4 / 72, 1.0);
    EXPECT_NEAR(hMM, hPt * 25.4 / 72, 1.0);

    TEnvelopeDimension dim;
    dim.Indent = 1.5;
    dim.GetPrinterSize(wMM, hMM);
    EXPECT_DOUBLE_EQ(dim.Width, wMM / 25.4);
    EXPECT_DOUBLE_EQ(dim.Height, hMM / 25.4);
    EXPECT_EQ(dim.Indent, 0.0);
    EXPECT_GE(Printer().DpiY(), 300);
}

TEST_F(PrinterDeviceTest, PageSurfaceHoldsForTheJobAndFollowsTheSettingsAfterIt)
{
    PrinterDevice &p = Printer();
    p.SetPrinterIndex(queueIndex(CupsServer::Ppd));
    DeviceMode m = p.GetDeviceMode();
    m.PaperSize = 1; // Letter
    m.Orientation = DeviceMode::OrientPortrait;
    p.SetDeviceMode(m);
    const auto surface = [&p] {
        const PrinterPaper paper = p.Paper();
        return std::vector<int>{p.DpiX(),
                                p.DpiY(),
                                p.WidthMM(),
                                p.HeightMM(),
                                p.PageWidth(),
                                p.PageHeight(),
                                int(p.Landscape()),
                                paper.Sheet.width(),
                                paper.Sheet.height(),
                                paper.Printable.x(),
                                paper.Printable.y(),
                                paper.Printable.width(),
                                paper.Printable.height(),
                                paper.DpiX,
                                paper.PrintableWidthMM};
    };
    const std::vector<int> portrait = surface();
    // The whole sheet with its printable area, in one reading that agrees
    // with the device's answers one by one.
    const PrinterPaper paper = p.Paper();
    EXPECT_EQ(paper.Printable.size(), QSize(p.PageWidth(), p.PageHeight()));
    EXPECT_TRUE(QRect(QPoint(0, 0), paper.Sheet).contains(paper.Printable));
    EXPECT_GT(paper.Printable.x(), 0) << "the PPD's margins";
    EXPECT_NEAR(paper.Sheet.width(), 8.5 * p.DpiX(), 1);
    EXPECT_NEAR(paper.Sheet.height(), 11 * p.DpiY(), 1);
    EXPECT_EQ(paper.PrintableHeightMM, p.HeightMM());

    p.BeginDoc();
    EXPECT_EQ(surface(), portrait);
    p.NewPage();
    EXPECT_EQ(surface(), portrait) << "the surface holds for every page";
    p.Abort();

    // A job that ended leaves nothing behind: the next settings are read anew.
    m.Orientation = DeviceMode::OrientLandscape;
    p.SetDeviceMode(m);
    const std::vector<int> landscape = surface();
    EXPECT_EQ(landscape[6], 1);
    EXPECT_NEAR(landscape[2], portrait[3], 1);
    EXPECT_NEAR(landscape[3], portrait[2], 1);
    EXPECT_EQ(landscape[7], portrait[8]) << "the sheet turns";
    p.BeginDoc();
    EXPECT_EQ(surface(), landscape);
    p.EndDoc();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::Ppd, 1)) << cups->logTail().toStdString();
    m.Orientation = DeviceMode::OrientPortrait;
    p.SetDeviceMode(m);
    EXPECT_EQ(surface(), portrait);
}
