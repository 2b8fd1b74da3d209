#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgReturnAddresses.h"
#include "app/dialogs/FormPrintStatus.h"
#include "barcode/Postnet.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTextCursor>
#include <QToolButton>
#include <map>

using namespace zentrope;
using namespace zentrope::test;

namespace {

int pdfPages(const QString &pdf)
{
    const QString info = runOutput(QStringLiteral("pdfinfo"), {pdf});
    for (const QString &line : info.split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QString pageText(const QString &pdf, int page)
{
    const QString n = QString::number(page);
    return runOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), n, QStringLiteral("-l"), n,
                                                   QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

// Reads the POSTNET code off a page rendered at 300 dpi: narrow dark columns
// that share one bottom row at the code's pitch, tall or short.
QString decodeBarCode(const QImage &img)
{
    struct Bar {
        int x, top, bottom;
    };
    std::map<int, std::vector<Bar>> byBottom;
    auto darkAt = [&](int x, int y) { return qGray(img.pixel(x, y)) < 128; };
    for (int x = 0; x < img.width(); ++x) {
        int y = 0;
        while (y < img.height()) {
            if (!darkAt(x, y)) {
                ++y;
                continue;
            }
            const int top = y;
            while (y < img.height() && darkAt(x, y))
                ++y;
            const int h = y - top;
            // A bar's column, with light columns beside it a few dots away.
            if ((h >= 13 && h <= 17) || (h >= 36 && h <= 40))
                byBottom[y - 1].push_back({x, top, y - 1});
        }
    }
    for (auto &[bottom, cols] : byBottom) {
        // Merge neighbouring columns into bars.
        std::vector<Bar> bars;
        for (const Bar &c : cols) {
            if (!bars.empty() && c.x - bars.back().x <= 6 && c.top == bars.back().top)
                continue;
            bars.push_back(c);
        }
        if (bars.size() < 32)
            continue;
        QString pattern;
        for (const Bar &b : bars)
            pattern += (bottom - b.top + 1) > 25 ? u'1' : u'0';
        if (pattern.front() != u'1' || pattern.back() != u'1' || (pattern.size() - 2) % 5 != 0)
            continue;
        QString digits;
        for (int k = 1; k + 5 <= pattern.size() - 1; k += 5) {
            const QString group = pattern.mid(k, 5);
            int value = -1;
            for (int v = 0; v < 10; ++v)
                if (EncodePostnet(QString::number(v)).mid(1, 5) == group)
                    value = v;
            if (value < 0)
                return QStringLiteral("bad group ") + group;
            digits += QChar(u'0' + value);
        }
        return digits;
    }
    return {};
}

QImage renderPage(const QString &pdf, int page, const QString &dir)
{
    const QString n = QString::number(page);
    const QString prefix = dir + QStringLiteral("/page") + n;
    runOutput(QStringLiteral("pdftoppm"),
              {QStringLiteral("-r"), QStringLiteral("300"), QStringLiteral("-gray"),
               QStringLiteral("-singlefile"), QStringLiteral("-f"), n, QStringLiteral("-l"), n, pdf, prefix});
    return QImage(prefix + QStringLiteral(".pgm"));
}

// Answers the print dialog: the copies and range the user would enter.
void answerPrintDialog(int copies, QPrinter::PrintRange range = QPrinter::AllPages, int from = 0, int to = 0,
                       QAbstractPrintDialog::PrintDialogOptions *offered = nullptr)
{
    Prompt::push([=](QDialog &d) {
        auto *pd = qobject_cast<QPrintDialog *>(&d);
        EXPECT_NE(pd, nullptr) << "expected the print dialog";
        if (!pd)
            return int(QDialog::Rejected);
        if (offered)
            *offered = pd->options();
        QPrinter *printer = pd->printer();
        printer->setCopyCount(copies);
        printer->setPrintRange(range);
        if (range == QPrinter::PageRange)
            printer->setFromTo(from, to);
        return int(QDialog::Accepted);
    });
}

const QString kThree = QStringLiteral("Alice Able\n12 First Ave\nAlbany, NY 12207-1234\n\n"
                                      "Bob Baker\n345 Second St\nBoston, MA 02118\n\n"
                                      "Carol Cole\n67 Third Rd\nChicago, IL 60601-7890");
} // namespace

using PrintJobTest = AppFixture;

TEST_F(PrintJobTest, SelectionIsSplitOnItsOwn)
{
    start();
    auto *memo = find<MemoControl>("MemoAddress");
    // A selection over the second of three addresses is envelope 1 of its own.
    memo->setText(kThree);
    QTextCursor c(memo->document());
    const int at = static_cast<int>(kThree.indexOf(QLatin1String("Bob")));
    c.setPosition(at);
    c.setPosition(static_cast<int>(kThree.indexOf(QLatin1String("Carol"))) - 2, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
    main->CollectPrintLines(true);
    const EnvelopeList &envelopes = main->State().PrintEnvelopes;
    EXPECT_EQ(envelopes.EnvelopeCount(), 1);
    EXPECT_EQ(envelopes.Envelope(1), QStringList({"Bob Baker", "345 Second St", "Boston, MA 02118"}));
    main->CollectPrintLines(false);
    EXPECT_EQ(main->State().PrintEnvelopes.EnvelopeCount(), 3);
}

class PrintJobCupsTest : public AppFixture {
protected:
    TFormStampMain *startPrinting(CupsServer *cups)
    {
        start();
        Printer().Reset();
        cups->clearReceived();
        // The first run's catalog has one return address, chosen in the picker.
        const ReturnAddress *ret =
            session->State().ReturnAddresses.At(find<QComboBox>("ComboBoxReturnAddress")->currentIndex());
        EXPECT_NE(ret, nullptr);
        sender = ret ? ret->Lines.value(0) : QString();
        EXPECT_FALSE(sender.isEmpty());
        find<MemoControl>("MemoAddress")->setText(kThree);
        return main;
    }
    QString sender;

    QString lastJob(CupsServer *cups, int count = 1)
    {
        EXPECT_TRUE(cups->waitForJobs(Printer().PrinterName(), count)) << cups->logTail().toStdString();
        const QStringList files = cups->receivedFiles(Printer().PrinterName());
        return files.isEmpty() ? QString() : files.last();
    }
};

TEST_F(PrintJobCupsTest, CopiesAreOneJobInEnvelopeOrder)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);
    QAbstractPrintDialog::PrintDialogOptions offered;
    answerPrintDialog(2, QPrinter::AllPages, 0, 0, &offered);
    std::vector<QString> progress;
    QObject::connect(main, &TFormStampMain::PagePrinted, [&](int, int) {
        progress.push_back(session->PrintStatusWindow()->PanelProgress->text());
        EXPECT_TRUE(session->PrintStatusWindow()->isVisible());
        EXPECT_EQ(session->PrintStatusWindow()->windowModality(), Qt::ApplicationModal);
        EXPECT_FALSE(find<QToolButton>("SpeedButtonPrint")->isEnabled() ||
                     find("FilePrintEnvelope")->isEnabled() || find("FilePrintTest")->isEnabled() ||
                     find<ImageControl>("ImageStamp")->isEnabled());
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_TRUE(offered.testFlag(QAbstractPrintDialog::PrintPageRange));
    EXPECT_FALSE(offered.testFlag(QAbstractPrintDialog::PrintToFile));
    EXPECT_FALSE(offered.testFlag(QAbstractPrintDialog::PrintSelection));

    const QString pdf = lastJob(cups);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pdfPages(pdf), 6) << "copies are made by the program alone";
    EXPECT_FALSE(cups->waitForJobs(Printer().PrinterName(), 2, 1500)) << "the printer repeated the job";
    const char *names[] = {"Alice Able", "Alice Able", "Bob Baker", "Bob Baker", "Carol Cole", "Carol Cole"};
    for (int p = 1; p <= 6; ++p) {
        const QString text = pageText(pdf, p);
        EXPECT_TRUE(text.contains(QLatin1String(names[p - 1]))) << p << text.toStdString();
        EXPECT_TRUE(text.contains(sender)) << p;
        for (const char *other : names)
            if (qstrcmp(other, names[p - 1]) != 0) {
                EXPECT_FALSE(text.contains(QLatin1String(other))) << p;
            }
    }
    EXPECT_EQ(progress,
              (std::vector<QString>{"Copy 1 of Envelope 1", "Copy 2 of Envelope 1", "Copy 1 of Envelope 2",
                                    "Copy 2 of Envelope 2", "Copy 1 of Envelope 3", "Copy 2 of Envelope 3"}));
    EXPECT_EQ(session->PrintStatusWindow()->Gauge->maximum(), 6);

    // The bar code of each envelope reads back as its ZIP code.
    const QString dir = freshDir(QStringLiteral("pages"));
    EXPECT_EQ(decodeBarCode(renderPage(pdf, 1, dir)),
              ExtractZipCode({"12 First Ave", "Albany, NY 12207-1234"}));
    EXPECT_EQ(decodeBarCode(renderPage(pdf, 3, dir)), QStringLiteral("021188"));
    EXPECT_EQ(decodeBarCode(renderPage(pdf, 6, dir)),
              ExtractZipCode({"67 Third Rd", "Chicago, IL 60601-7890"}));

    // Afterwards: window restored, printer back to one copy of all pages.
    EXPECT_FALSE(session->PrintStatusWindow()->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(find<QToolButton>("SpeedButtonPrint")->isEnabled() && find("FilePrintEnvelope")->isEnabled());
    EXPECT_EQ(Printer().QtPrinter().copyCount(), 1);
    EXPECT_EQ(Printer().QtPrinter().printRange(), QPrinter::AllPages);
    EXPECT_EQ(Printer().Title(), QStringLiteral("Zentrope Envelope"));
}

TEST_F(PrintJobCupsTest, PageRangeSelectionAndCancel)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);

    // Pages 2 to 3: envelopes 2 and 3 only.
    std::vector<QString> progress;
    auto conn = QObject::connect(main, &TFormStampMain::PagePrinted, [&](int, int) {
        progress.push_back(session->PrintStatusWindow()->PanelProgress->text());
    });
    answerPrintDialog(1, QPrinter::PageRange, 2, 3);
    find<QAction>("FilePrintEnvelope")->trigger();
    QString pdf = lastJob(cups, 1);
    ASSERT_EQ(pdfPages(pdf), 2);
    EXPECT_TRUE(pageText(pdf, 1).contains(QLatin1String("Bob Baker")));
    EXPECT_TRUE(pageText(pdf, 2).contains(QLatin1String("Carol Cole")));
    EXPECT_EQ(progress, (std::vector<QString>{"Copy 1 of Envelope 2", "Copy 1 of Envelope 3"}));
    EXPECT_EQ(session->PrintStatusWindow()->Gauge->maximum(), 2);
    QObject::disconnect(conn);

    // A selection over the second address: preselected, printed as envelope 1.
    auto *memo = find<MemoControl>("MemoAddress");
    QTextCursor c(memo->document());
    c.setPosition(static_cast<int>(kThree.indexOf(QLatin1String("Bob"))));
    c.setPosition(static_cast<int>(kThree.indexOf(QLatin1String("02118"))) + 5, QTextCursor::KeepAnchor);
    memo->setTextCursor(c);
    QPrinter::PrintRange preset = QPrinter::AllPages;
    QAbstractPrintDialog::PrintDialogOptions offered;
    Prompt::push([&](QDialog &d) {
        auto *pd = qobject_cast<QPrintDialog *>(&d);
        preset = pd->printer()->printRange();
        offered = pd->options();
        return int(QDialog::Accepted);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_EQ(preset, QPrinter::Selection);
    EXPECT_TRUE(offered.testFlag(QAbstractPrintDialog::PrintSelection));
    pdf = lastJob(cups, 2);
    ASSERT_EQ(pdfPages(pdf), 1);
    EXPECT_TRUE(pageText(pdf, 1).contains(QLatin1String("Bob Baker")));
    EXPECT_FALSE(pageText(pdf, 1).contains(QLatin1String("Alice")));

    // Cancel while the second page is on its way: two pages, then the job ends.
    memo->setText(kThree);
    conn = QObject::connect(main, &TFormStampMain::PagePrinted, [&](int, int) {
        if (session->PrintStatusWindow()->Gauge->value() == 1) {
            QMetaObject::invokeMethod(session->PrintStatusWindow()->CancelBtn, &QPushButton::click,
                                      Qt::QueuedConnection);
        }
    });
    answerPrintDialog(2);
    find<QAction>("FilePrintEnvelope")->trigger();
    QObject::disconnect(conn);
    pdf = lastJob(cups, 3);
    EXPECT_EQ(pdfPages(pdf), 2);
    EXPECT_EQ(session->PrintStatusWindow()->Gauge->value(), 2);
    EXPECT_FALSE(session->PrintStatusWindow()->ContinuePrinting);
    EXPECT_FALSE(session->PrintStatusWindow()->isVisible());

    // A single address: no page range offered; the toolbar button prints
    // every address once without a dialog.
    memo->setText(QStringLiteral("Dan Dare\nDover, DE 19901"));
    Prompt::push([&](QDialog &d) {
        offered = qobject_cast<QPrintDialog *>(&d)->options();
        return int(QDialog::Rejected);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_FALSE(offered.testFlag(QAbstractPrintDialog::PrintPageRange));
    memo->setText(kThree);
    find<QToolButton>("SpeedButtonPrint")->click();
    pdf = lastJob(cups, 4);
    EXPECT_EQ(pdfPages(pdf), 3);
}

TEST_F(PrintJobCupsTest, ErrorInTheMiddleRestoresTheWindow)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);
    find<QComboBox>("ComboBoxEnvelopeSize")->setCurrentIndex(-1);
    answerMessage(Prompt::Ok, QStringLiteral("No envelope size is chosen."));
    find<QToolButton>("SpeedButtonPrint")->click();
    EXPECT_FALSE(session->PrintStatusWindow()->isVisible());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(find<QToolButton>("SpeedButtonPrint")->isEnabled() &&
                find("FilePrintEnvelope")->isEnabled() && find("FilePrintTest")->isEnabled() &&
                find<ImageControl>("ImageStamp")->isEnabled());
    EXPECT_FALSE(Printer().Printing());

    // The test envelope flag is cleared also when the dialog is cancelled.
    Prompt::push([](QDialog &) { return int(QDialog::Rejected); });
    find<QAction>("FilePrintTest")->trigger();
    EXPECT_FALSE(main->State().TestPrint);
}
