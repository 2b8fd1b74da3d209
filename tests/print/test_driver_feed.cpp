#include "core/Error.h"
#include "print/CupsJob.h"
#include "print/EnvelopeJob.h"
#include "print/PrinterDevice.h"
#include "print/QueueMedia.h"
#include "support/CupsServer.h"
#include "support/DriverQueues.h"
#include "support/DriverlessPrinter.h"

#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

// Envelopes as the program's size list has them, in inches, read upright.
struct Envelope {
    double Width, Height;
};
constexpr Envelope kNumber10{9.5, 4.125}, kDL{8.661, 4.331}, kBusiness10{9, 4};

PageSource envelopeOf(Envelope e)
{
    return [=](const QStringList &lines) {
        EnvelopePage page;
        page.Dimension.Width = e.Width;
        page.Dimension.Height = e.Height;
        page.AddressLines = lines;
        page.ReturnLines = {QStringLiteral("Ann Sender")};
        return page;
    };
}

FeedProfile fed(bool longFirst, const QString &source = {})
{
    FeedProfile f;
    f.Paper = FeedProfile::EnvelopePaper;
    f.LongEdgeFirst = longFirst;
    f.Source = source;
    return f;
}

class DriverFeedTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cups = CupsServer::shared(&whyNot);
        if (!cups)
            GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
        printer = std::make_unique<PrinterDevice>();
    }

    void addQueue(const QString &name, const QString &model, bool raster = false)
    {
        QString error;
        if (!AddDriverQueue(*cups, name, model, raster, &error))
            GTEST_SKIP() << "driver not installed: " << error.toStdString();
        printer->Reset();
    }

    // What the driver of the queue made of one envelope; empty when the
    // job was refused (its message in `refused`).
    QString print(const QString &queue, Envelope e, const FeedProfile &feed, QString *refused = nullptr)
    {
        cups->clearReceived();
        if (!submit(queue, e, feed, refused))
            return {};
        EXPECT_TRUE(cups->waitForJobs(CupsServer::RawA, 1, 60000)) << cups->logTail().toStdString();
        return cups->receivedFiles(CupsServer::RawA).value(0);
    }

    // Sends one envelope to the queue; false when the job was refused.
    bool submit(const QString &queue, Envelope e, const FeedProfile &feed, QString *refused = nullptr)
    {
        printer->SetPrinterIndex(int(printer->Printers().indexOf(queue)));
        try {
            PrintEnvelopeJob(*printer, SplitEnvelopes(QStringLiteral("Bob Baker\n345 Second St")),
                             JobPlan::All(1), envelopeOf(e), {}, feed);
        } catch (const ZentropeError &error) {
            if (refused)
                *refused = error.message();
            return false;
        }
        return true;
    }

    CupsServer *cups = nullptr;
    QString whyNot;
    std::unique_ptr<PrinterDevice> printer;
};

} // namespace

TEST_F(DriverFeedTest, PostScriptDriversGetTheQueuesOwnSizeTurnAndSource)
{
    addQueue(QStringLiteral("DrvBrother"),
             QStringLiteral("openprinting-ppds:0/ppd/openprinting/Brother/BR5370_2_GPL.ppd"));
    addQueue(QStringLiteral("DrvHP"),
             QStringLiteral("postscript-hp:0/ppd/hplip/HP/hp-laserjet_p2055_series-ps.ppd"));

    // The queue's sizes by the names CUPS lists, with the margins of the driver.
    const QueueMedia hp = ReadQueueMedia(QStringLiteral("DrvHP"));
    const auto number10 = std::find_if(hp.Sizes.begin(), hp.Sizes.end(), [](const QueueSize &s) {
        return s.Name == "na_number-10_4.125x9.5in";
    });
    ASSERT_NE(number10, hp.Sizes.end());
    EXPECT_NEAR(number10->Margins.left(), 4.23, 0.01) << "*ImageableArea Env10: 12 pt";
    EXPECT_TRUE(hp.TakesCustom());

    auto features = PostScriptFeatures(print(QStringLiteral("DrvBrother"), kDL, fed(true)));
    EXPECT_EQ(features.value("PageSize"), "EnvDLRotated") << "the driver's own long-edge size";
    features = PostScriptFeatures(print(QStringLiteral("DrvBrother"), kDL, fed(false, ManualFeedSource)));
    EXPECT_EQ(features.value("PageSize"), "EnvDL");
    EXPECT_EQ(features.value("ManualFeed"), "True");
    features = PostScriptFeatures(print(QStringLiteral("DrvBrother"), kBusiness10, fed(false)));
    EXPECT_EQ(features.value("PageSize"), "Custom") << features.keys().join(' ').toStdString();

    features = PostScriptFeatures(
        print(QStringLiteral("DrvHP"), kNumber10, fed(false, QStringLiteral("Tray1_Man"))));
    EXPECT_EQ(features.value("PageSize"), "Env10");
    EXPECT_EQ(features.value("InputSlot"), "Tray1_Man");
    QString refused;
    EXPECT_TRUE(print(QStringLiteral("DrvHP"), kNumber10, fed(true), &refused).isEmpty());
    EXPECT_TRUE(refused.startsWith("This printer's driver offers no long-edge envelope size"))
        << refused.toStdString();
    features = PostScriptFeatures(print(QStringLiteral("DrvHP"), kBusiness10, fed(false)));
    EXPECT_EQ(features.value("PageSize"), "Custom");
}

TEST_F(DriverFeedTest, AQueueWithoutTheEnvelopesSizeRefusesTheJob)
{
    addQueue(QStringLiteral("DrvRicoh"),
             QStringLiteral("openprinting-ppds:0/ppd/openprinting/Ricoh/PXL/Ricoh-SP_212w_PXL.ppd"));
    QString refused;
    EXPECT_TRUE(print(QStringLiteral("DrvRicoh"), kNumber10, fed(false), &refused).isEmpty());
    EXPECT_TRUE(refused.contains("DrvRicoh")) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("4.125 \u00D7 9.5 in"))) << refused.toStdString();
    EXPECT_EQ(cups->receivedCount(CupsServer::RawA), 0);
}

TEST_F(DriverFeedTest, ARasterDriverGetsTheSizeAndSlotInItsPageHeader)
{
    addQueue(QStringLiteral("DrvBrlaser"), QStringLiteral("drv:///brlaser.drv/br2270dw.ppd"), true);
    const auto header =
        RasterHeader(print(QStringLiteral("DrvBrlaser"), kDL, fed(false, QStringLiteral("Manual"))));
    EXPECT_EQ(header.value("cupsPageSize"), "312x624");
    EXPECT_EQ(header.value("MediaPosition"), "5");
    QString refused;
    EXPECT_TRUE(print(QStringLiteral("DrvBrlaser"), kBusiness10, fed(false), &refused).isEmpty());
    EXPECT_TRUE(print(QStringLiteral("DrvBrlaser"), kDL, fed(true), &refused).isEmpty())
        << "no long-edge DL, no custom sizes";
}

TEST_F(DriverFeedTest, ADriverlessPrinterGetsItsOwnMediaAndTheChosenSource)
{
    DriverlessPrinter eve;
    QString error;
    bool missing = false;
    if (!eve.start(*cups, QStringLiteral("DrvDriverless"), &error, &missing)) {
        if (missing)
            GTEST_SKIP() << error.toStdString();
        FAIL() << error.toStdString();
    }
    printer->Reset();

    // What the Envelope Feed dialog and the job match the envelope against.
    const QueueMedia media = ReadQueueMedia(QStringLiteral("DrvDriverless"));
    const SheetMedia number10 = MatchSheetMedia(media, QSizeF(104.775, 241.3));
    EXPECT_EQ(number10.Name, "na_number-10_4.125x9.5in");
    EXPECT_NEAR(number10.Margins.left(), 4.23, 0.01);
    EXPECT_FALSE(MatchSheetMedia(media, QSizeF(101.6, 228.6)).Sendable());

    const QStringList sources = [&] {
        QStringList ids;
        for (const PaperSource &s : PrinterPaperSources(QStringLiteral("DrvDriverless")))
            ids << s.Option + QLatin1Char('=') + s.Name;
        return ids;
    }();
    ASSERT_TRUE(sources.contains("InputSlot=Manual")) << sources.join(' ').toStdString();
    QString refused;
    ASSERT_TRUE(
        submit(QStringLiteral("DrvDriverless"), kNumber10, fed(false, QStringLiteral("Manual")), &refused))
        << refused.toStdString() << cups->logTail(15).toStdString();
    ASSERT_TRUE(eve.waitForJobs(1)) << cups->logTail().toStdString();
    const QMap<QString, QString> job = eve.jobs().value(0);
    const QString col = job.value("media-col");
    // The printer's own #10 entry (PWG rounds 104.775 mm down), upright,
    // from the chosen source, with the margins the printer declared.
    EXPECT_TRUE(col.contains("media-size={x-dimension=10477 y-dimension=24130}")) << col.toStdString();
    EXPECT_TRUE(col.contains("media-source=manual")) << col.toStdString();
    EXPECT_TRUE(col.contains("media-left-margin=423")) << col.toStdString();
    const auto header = RasterHeader(job.value("document"));
    EXPECT_EQ(header.value("PageSize"), "297x684") << header.value("cupsPageSizeName").toStdString();
    EXPECT_EQ(header.value("MediaPosition"), "4") << "the queue's PPD: *InputSlot Manual, MediaPosition 4";

    EXPECT_FALSE(submit(QStringLiteral("DrvDriverless"), kBusiness10, fed(false), &refused));
    EXPECT_TRUE(refused.contains("DrvDriverless")) << refused.toStdString();
    EXPECT_TRUE(refused.contains(QStringLiteral("4 \u00D7 9 in"))) << refused.toStdString();
    EXPECT_FALSE(submit(QStringLiteral("DrvDriverless"), kDL, fed(true), &refused)) << "no long-edge size";
    EXPECT_EQ(eve.jobs().size(), 1) << "a refused job never reaches the printer";
}
