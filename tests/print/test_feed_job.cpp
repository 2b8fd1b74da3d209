#include "print/CupsJob.h"
#include "print/EnvelopeJob.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"
#include "support/TestEnv.h"

#include <QPrintEngine>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

namespace {

const QString kTwo = QStringLiteral("Alice Able\n12 First Ave\nAlbany, NY 12207-1234\n\n"
                                    "Bob Baker\n345 Second St\nBoston, MA 02118");

PageSource envelopeOf(double width, double height)
{
    return [=](const QStringList &lines) {
        EnvelopePage page;
        page.Dimension.Width = width;
        page.Dimension.Height = height;
        QFont f(QStringLiteral("Liberation Sans"));
        f.setPointSize(11);
        page.AddressFont.Font = f;
        page.ReturnFont.Font = f;
        page.ReturnLines = {QStringLiteral("Ann Sender")};
        page.AddressLines = lines;
        return page;
    };
}

FeedProfile envelopePaper(bool longFirst = true, bool turn = false, const QString &source = {})
{
    FeedProfile f;
    f.Paper = FeedProfile::EnvelopePaper;
    f.LongEdgeFirst = longFirst;
    f.Turn180 = turn;
    f.Source = source;
    return f;
}

class FeedJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        cups = CupsServer::shared(&whyNot);
        if (!cups)
            GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
        cups->clearReceived();
        printer = std::make_unique<PrinterDevice>();
    }

    // Prints the two envelopes on a queue with a profile; the file its device received.
    QString print(const QString &queue, const FeedProfile &feed, const PageSource &source)
    {
        printer->SetPrinterIndex(int(printer->Printers().indexOf(queue)));
        const int before = cups->receivedCount(queue);
        EXPECT_EQ(PrintEnvelopeJob(*printer, SplitEnvelopes(kTwo), JobPlan::All(2), source, {}, feed), 2);
        EXPECT_TRUE(cups->waitForJobs(queue, before + 1)) << cups->logTail().toStdString();
        return cups->receivedFiles(queue).value(before);
    }

    // Every value of one attribute the newest job carries.
    QStringList values(const QString &queue, const char *name)
    {
        QStringList found;
        for (const auto &[n, v] : cups->lastJobAttributeList(queue))
            if (n == QLatin1String(name))
                found << v;
        return found;
    }

    CupsServer *cups = nullptr;
    QString whyNot;
    std::unique_ptr<PrinterDevice> printer;
};

} // namespace

TEST_F(FeedJobTest, TheJobCarriesExactlyOnePwgMediaTheSourceAndNoScalingOrTurning)
{
    // What the print dialog may leave in Qt's option list, and a landscape
    // setting: none of it may size, turn, repeat or filter the pages.
    printer->SetPrinterIndex(int(printer->Printers().indexOf(CupsServer::Feed)));
    QPrinter &qt = printer->QtPrinter();
    qt.setPageOrientation(QPageLayout::Landscape);
    qt.printEngine()->setProperty(QPrintEngine::PrintEnginePropertyKey(0xfe00),
                                  QStringList{"page-ranges", "2", "copies", "3", "Collate", "True", "media",
                                              "A4", "landscape", "", "job-priority", "60"});

    const struct {
        FeedProfile feed;
        PageSource source;
        const char *media;
        const char *slot;
    } jobs[] = {
        {envelopePaper(true, false, QStringLiteral("Envelope")), envelopeOf(9.5, 4.125),
         "na_number-10_4.125x9.5in", "Envelope"},
        {envelopePaper(false, true, QStringLiteral("Manual")), envelopeOf(8.661, 4.331), "iso_dl_110x220mm",
         "Manual"},
        {envelopePaper(), envelopeOf(6, 4.5), "custom_4.5x6in_4.5x6in", nullptr},
    };
    for (const auto &job : jobs) {
        const QString received = print(CupsServer::Feed, job.feed, job.source);
        EXPECT_EQ(pdfPages(received), 2) << "the program's pages, once";
        EXPECT_EQ(values(CupsServer::Feed, "media"), QStringList{QLatin1String(job.media)});
        EXPECT_EQ(values(CupsServer::Feed, "InputSlot"),
                  job.slot ? QStringList{QLatin1String(job.slot)} : QStringList());
        EXPECT_EQ(values(CupsServer::Feed, "print-scaling"), QStringList{"none"});
        EXPECT_EQ(values(CupsServer::Feed, "fit-to-page"), QStringList{"false"});
        EXPECT_EQ(values(CupsServer::Feed, "sides"), QStringList{"one-sided"});
        EXPECT_TRUE(values(CupsServer::Feed, "landscape").isEmpty());
        for (const QString &o : values(CupsServer::Feed, "orientation-requested"))
            EXPECT_EQ(o, QStringLiteral("portrait"));
        EXPECT_TRUE(values(CupsServer::Feed, "page-ranges").isEmpty());
        EXPECT_TRUE(values(CupsServer::Feed, "Collate").isEmpty());
        for (const QString &c : values(CupsServer::Feed, "copies"))
            EXPECT_EQ(c, QStringLiteral("1"));
        EXPECT_EQ(values(CupsServer::Feed, "job-priority"), QStringList{"60"})
            << "the user's own options stay";
        EXPECT_EQ(values(CupsServer::Feed, "job-name"), QStringList{"Zentrope Envelope"});
    }
    // The printer's sources, by the names the printer gives them.
    QStringList names;
    for (const PaperSource &s : PrinterPaperSources(CupsServer::Feed))
        names << s.Name + u'/' + s.Option;
    EXPECT_EQ(names, QStringList({"Tray/InputSlot", "Manual/InputSlot", "Envelope/InputSlot"}));
    EXPECT_TRUE(PrinterPaperSources(CupsServer::RawA).isEmpty());
}

TEST_F(FeedJobTest, ThePageIsTheEnvelopeOrThePrintersPaper)
{
    // A raw queue passes the program's PDF on as it was sent.
    const PageSource number10 = envelopeOf(9.5, 4.125);
    EXPECT_EQ(pdfInfo(print(CupsServer::RawA, envelopePaper(true), number10)).PageSize, QSizeF(684, 297));
    EXPECT_EQ(pdfInfo(print(CupsServer::RawA, envelopePaper(false), number10)).PageSize, QSizeF(297, 684));

    FeedProfile paper; // printer paper, with an offset so that it is a profile
    paper.OffsetY = 10;
    const QSizeF own = printer->QtPrinter().pageLayout().fullRect(QPageLayout::Point).size();
    EXPECT_EQ(pdfInfo(print(CupsServer::RawA, paper, number10)).PageSize, own);
    EXPECT_EQ(values(CupsServer::RawA, "media"),
              QStringList{
                  PwgPaperName(printer->QtPrinter().pageLayout().fullRect(QPageLayout::Millimeter).size())});
}
