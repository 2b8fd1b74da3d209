#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/FormPrintStatus.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

const QString kOne = QStringLiteral("Jane Doe\n12 Elm Street\nSpringfield, IL 62704");
const QString kThree = QStringLiteral("Ann One\n1 First St\nAlbany, NY 12207\n\n"
                                      "Ben Two\n2 Second St\nBoston, MA 02118\n\n"
                                      "Cy Three\n3 Third St\nChicago, IL 60601");

// The job attributes that say which paper, which way round and which pages.
QString paperOf(const QMap<QString, QString> &job)
{
    QStringList shown;
    for (const char *name : {"media", "orientation-requested", "landscape", "page-set", "outputorder"})
        if (job.contains(QLatin1String(name)))
            shown << QStringLiteral("%1=%2").arg(QLatin1String(name), job.value(QLatin1String(name)));
    return shown.join(QLatin1Char(' '));
}

// Presses Print as it is, with whatever the dialog shows.
void pressPrint(std::function<void(QDialog &)> first = {})
{
    Prompt::push([first](QDialog &d) {
        if (first)
            first(d);
        d.accept();
        return d.result();
    });
}

class KeptWordTest : public CupsAppFixture {
protected:
    // Print Setup's result as it is stored: a queue, Env10 (code 20), landscape.
    void storeEnv10Landscape(const QString &queue)
    {
        TQevIniFile s(iniPath);
        s.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), queue);
        s.WriteInteger(QStringLiteral("Printer"), QStringLiteral("PaperSize"), 20);
        s.WriteInteger(QStringLiteral("Printer"), QStringLiteral("Orientation"), 2);
    }
    int stored(const char *key)
    {
        return TQevIniFile(iniPath).ReadInteger(QStringLiteral("Printer"), QLatin1String(key), -1);
    }

    QString jobOn(const QString &queue, int count)
    {
        EXPECT_TRUE(cups->waitForJobs(queue, count)) << cups->logTail().toStdString();
        return paperOf(cups->lastJobAttributes(queue));
    }
};

} // namespace

TEST_F(KeptWordTest, EveryPathSendsTheStoredPaperAndTheDialogWritesBackOnlyWhatChanged)
{
    const QString queue = CupsServer::Ppd;
    storeEnv10Landscape(queue);
    const QString file = writeFile(dir + QStringLiteral("/one.env"), kOne.toUtf8());

    // zentrope /p FILE: the print dialog comes up at once.
    pressPrint();
    start({QStringLiteral("/p"), file});
    const QString byFile = jobOn(queue, 1);
    EXPECT_EQ(stored("PaperSize"), 20) << "not written over";
    EXPECT_EQ(stored("Orientation"), 2);
    shutdown();

    start();
    find<MemoControl>("MemoAddress")->setText(kOne);
    pressPrint();
    find<QAction>("FilePrintEnvelope")->trigger();
    const QString byDialog = jobOn(queue, 2);
    EXPECT_EQ(stored("PaperSize"), 20);

    emit find<QToolButton>("SpeedButtonPrint")->clicked();
    const QString byToolbar = jobOn(queue, 3);

    QProcess script;
    script.start(QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope"),
                 {QStringLiteral("--print"), QStringLiteral("--settings"), iniPath, file});
    ASSERT_TRUE(script.waitForFinished(60000));
    EXPECT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
    const QString byScript = jobOn(queue, 4);

    std::printf("job attributes on %s:\n  dialog:  %s\n  /p FILE: %s\n  toolbar: %s\n  --print: %s\n",
                qPrintable(queue), qPrintable(byDialog), qPrintable(byFile), qPrintable(byToolbar),
                qPrintable(byScript));
    // The queue's own name for its Env10, on an upright sheet the program turned.
    EXPECT_TRUE(byToolbar.contains(QLatin1String("media=na_number-10_4.125x9.5in")))
        << byToolbar.toStdString();
    EXPECT_EQ(byDialog, byToolbar);
    EXPECT_EQ(byFile, byToolbar);
    EXPECT_EQ(byScript, byToolbar);

    // Properties opens on the stored paper; the user's own change is used
    // for the job and kept, the rest stays.
    pressPrint([](QDialog &d) {
        QTimer::singleShot(0, &d, [&d] {
            for (QDialog *page : d.findChildren<QDialog *>()) {
                if (!page->isVisible())
                    continue;
                auto *sizes = page->findChild<QComboBox *>(QStringLiteral("pageSizeCombo"));
                auto *landscape = page->findChild<QRadioButton *>(QStringLiteral("landscape"));
                EXPECT_TRUE(sizes && sizes->currentData().value<QPageSize>().id() == QPageSize::Envelope10)
                    << (sizes ? sizes->currentText().toStdString() : "no paper list");
                EXPECT_TRUE(landscape && landscape->isChecked());
                if (sizes)
                    for (int i = 0; i < sizes->count(); ++i)
                        if (sizes->itemData(i).value<QPageSize>().id() == QPageSize::A4)
                            sizes->setCurrentIndex(i);
                page->accept();
            }
        });
        d.findChild<QPushButton *>(QStringLiteral("properties"))->click();
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_TRUE(jobOn(queue, 5).contains(QLatin1String("media=A4")))
        << paperOf(cups->lastJobAttributes(queue)).toStdString();
    EXPECT_EQ(stored("PaperSize"), 9);
    EXPECT_EQ(stored("Orientation"), 2);
}

TEST_F(KeptWordTest, WithoutAStoredPaperTheQueuesOwnDefault)
{
    // The generic PPD's default is Letter, and it lists A4 too.
    {
        TQevIniFile s(iniPath);
        s.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::Ppd);
    }
    start();
    find<MemoControl>("MemoAddress")->setText(kOne);
    pressPrint();
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_TRUE(jobOn(CupsServer::Ppd, 1).contains(QLatin1String("media=Letter")))
        << paperOf(cups->lastJobAttributes(CupsServer::Ppd)).toStdString();
}

TEST_F(KeptWordTest, PageSetIsNotOfferedReverseTurnsTheEnvelopeOrderAndNeitherReachesCups)
{
    {
        TQevIniFile s(iniPath);
        s.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::RawA);
    }
    start();
    find<MemoControl>("MemoAddress")->setText(kThree);
    pressPrint([](QDialog &d) {
        auto *pageSet = d.findChild<QComboBox *>(QStringLiteral("pageSetCombo"));
        auto *reverse = d.findChild<QCheckBox *>(QStringLiteral("reverse"));
        ASSERT_TRUE(pageSet && reverse);
        EXPECT_FALSE(pageSet->isVisible());
        // Even a page set that somehow got chosen is the program's business.
        pageSet->setCurrentIndex(1);
        reverse->setChecked(true);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::RawA, 1)) << cups->logTail().toStdString();
    const QString pdf = cups->receivedFiles(CupsServer::RawA).constLast();
    ASSERT_EQ(pdfPages(pdf), 3);
    EXPECT_TRUE(pageText(pdf, 1).contains(QLatin1String("Cy Three")));
    EXPECT_TRUE(pageText(pdf, 3).contains(QLatin1String("Ann One")));
    const QString job = paperOf(cups->lastJobAttributes(CupsServer::RawA));
    EXPECT_FALSE(job.contains(QLatin1String("page-set")) || job.contains(QLatin1String("outputorder")))
        << job.toStdString();
}

TEST_F(KeptWordTest, ARefusedOrCancelledJobIsReportedNotPassedOffAsPrinted)
{
    // A printer that cancels the job at the device: it takes no envelopes.
    storeEnv10Landscape(CupsServer::Strict);
    start();
    find<MemoControl>("MemoAddress")->setText(kOne);
    QString told;
    Prompt::push([&told](QDialog &d) {
        if (auto *m = qobject_cast<MessageDialog *>(&d))
            told = m->text();
        return int(Prompt::Ok);
    });
    emit find<QToolButton>("SpeedButtonPrint")->clicked();
    EXPECT_TRUE(told.startsWith(QStringLiteral("The printer ZentropeStrict refused the job: ")) &&
                told.contains(QLatin1String("Unsupported media-col")))
        << told.toStdString();
    EXPECT_FALSE(session->PrintStatusWindow()->isVisible());

    // A queue removed while the dialog was open: nothing goes to another one.
    ASSERT_TRUE(cups->runClient(QStringLiteral("lpadmin"),
                                {QStringLiteral("-p"), QStringLiteral("ZentropeGone"), QStringLiteral("-E"),
                                 QStringLiteral("-v"), QStringLiteral("socket://127.0.0.1:9")}));
    Printer().SetPrinterIndex(int(Printer().Printers().indexOf(QStringLiteral("ZentropeGone"))));
    ASSERT_EQ(Printer().PrinterName(), QStringLiteral("ZentropeGone"));
    pressPrint([this](QDialog &) {
        cups->runClient(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("ZentropeGone")});
    });
    answerMessage(Prompt::Ok,
                  QStringLiteral("The printer ZentropeGone is no longer installed. Nothing was printed."));
    cups->clearReceived();
    find<QAction>("FilePrintEnvelope")->trigger();
    for (const QString &q : cups->queueNames())
        EXPECT_FALSE(cups->waitForJobs(q, 1, q == CupsServer::RawB ? 3000 : 1)) << q.toStdString();
    EXPECT_EQ(ini(QStringLiteral("Printer"), QStringLiteral("PrinterName")), CupsServer::Strict)
        << "the stored printer stays";

    // --print to a queue that rejects jobs: exit 4 and one line naming it and why.
    ASSERT_TRUE(
        cups->runClient(QStringLiteral("cupsreject"),
                        {QStringLiteral("-r"), QStringLiteral("Out of envelopes"), CupsServer::RawA}));
    const QString file = writeFile(dir + QStringLiteral("/one.env"), kOne.toUtf8());
    QProcess script;
    script.start(QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope"),
                 {QStringLiteral("--print"), QStringLiteral("--settings"), iniPath,
                  QStringLiteral("--printer"), CupsServer::RawA, file});
    const bool finished = script.waitForFinished(60000);
    cups->runClient(QStringLiteral("cupsaccept"), {CupsServer::RawA});
    ASSERT_TRUE(finished);
    EXPECT_EQ(script.exitCode(), 4);
    EXPECT_EQ(QString::fromLocal8Bit(script.readAllStandardError()),
              QStringLiteral("zentrope: The printer ZentropeA refused the job: Out of envelopes\n"));

    // A stopped queue keeps the job pending: that is no refusal.
    ASSERT_TRUE(cups->runClient(QStringLiteral("cupsdisable"), {CupsServer::RawA}));
    script.start(script.program(), script.arguments());
    const bool ended = script.waitForFinished(60000);
    cups->runClient(QStringLiteral("cancel"), {QStringLiteral("-a"), CupsServer::RawA});
    cups->runClient(QStringLiteral("cupsenable"), {CupsServer::RawA});
    ASSERT_TRUE(ended);
    EXPECT_EQ(script.exitCode(), 0) << script.readAllStandardError().toStdString();
}

TEST_F(KeptWordTest, TheProgressWindowShowsTheJobAsItGoesAndCancelStopsIt)
{
    {
        TQevIniFile s(iniPath);
        s.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::RawA);
    }
    start();
    QStringList addresses;
    for (int i = 1; i <= 250; ++i)
        addresses << QStringLiteral("Person %1\n%1 Main St\nTown, ST 12345").arg(i);
    find<MemoControl>("MemoAddress")->setText(addresses.join(QStringLiteral("\n\n")));
    TFormPrintStatus *status = session->PrintStatusWindow();

    // When the gauge was painted, and when each page was done.
    struct PaintLog : QObject {
        QElapsedTimer clock;
        QList<qint64> painted;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                painted << clock.elapsed();
            return false;
        }
    } log;
    status->Gauge->installEventFilter(&log);
    QList<qint64> pages;
    QObject::connect(main, &TFormStampMain::PagePrinted, status, [&] { pages << log.clock.elapsed(); });
    const auto printCopies = [&](int copies) {
        Prompt::push([copies](QDialog &d) {
            qobject_cast<QPrintDialog *>(&d)->printer()->setCopyCount(copies);
            return int(QDialog::Accepted);
        });
        pages.clear();
        log.painted.clear();
        log.clock.start();
        find<QAction>("FilePrintEnvelope")->trigger();
    };

    printCopies(40);
    ASSERT_EQ(pages.size(), 10000);
    qint64 gap = 0, last = pages.first();
    for (const qint64 t : log.painted)
        if (t <= pages.last()) {
            gap = std::max(gap, t - last);
            last = std::max(last, t);
        }
    gap = std::max(gap, pages.last() - last);
    // A quarter of a second, unless one page alone takes longer (a sanitized
    // build on a loaded machine): the window is painted between pages.
    qint64 longestPage = 0;
    for (qsizetype i = 1; i < pages.size(); ++i)
        longestPage = std::max(longestPage, pages[i] - pages[i - 1]);
    EXPECT_LE(gap, std::max<qint64>(250, 2 * longestPage + 50))
        << log.painted.size() << " paints while " << pages.size() << " pages took "
        << pages.last() - pages.first() << " ms";

    // Cancel while pages are made: the job ends after the page in hand.
    qint64 cancelled = -1;
    QTimer::singleShot(200, status, [&] {
        cancelled = log.clock.elapsed();
        status->CancelBtn->click();
    });
    printCopies(40);
    ASSERT_GE(cancelled, 0);
    EXPECT_LT(pages.size(), 10000);
    EXPECT_LE(std::count_if(pages.begin(), pages.end(), [&](qint64 t) { return t > cancelled; }), 1);
    EXPECT_TRUE(cups->waitForJobs(CupsServer::RawA, 2));
}
