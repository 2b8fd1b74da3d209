#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/DlgReturnAddresses.h"
#include "app/dialogs/FormPrintStatus.h"
#include "barcode/Postnet.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintEngine>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <QTextCursor>
#include <QToolButton>
#include <map>

using namespace zentrope;
using namespace zentrope::test;

namespace {

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

namespace {

// Answers the print dialog through its own controls, as a person would: the
// printer, the copies and a list in the "Pages" field, job options in the
// Properties dialog, then Print.
void answerWithPageList(const QString &printerName, int copies, const QString &pages)
{
    Prompt::push([=](QDialog &d) {
        auto *pd = qobject_cast<QPrintDialog *>(&d);
        EXPECT_NE(pd, nullptr) << "expected the print dialog";
        if (!pd)
            return int(QDialog::Rejected);
        auto *printers = pd->findChild<QComboBox *>(QStringLiteral("printers"));
        auto *copiesBox = pd->findChild<QSpinBox *>(QStringLiteral("copies"));
        auto *pagesButton = pd->findChild<QRadioButton *>(QStringLiteral("pagesRadioButton"));
        auto *pagesEdit = pd->findChild<QLineEdit *>(QStringLiteral("pagesLineEdit"));
        EXPECT_TRUE(printers && copiesBox && pagesButton && pagesEdit) << "the dialog's controls changed";
        if (!printers || !copiesBox || !pagesButton || !pagesEdit)
            return int(QDialog::Rejected);
        printers->setCurrentIndex(printers->findText(printerName));
        copiesBox->setValue(copies);
        pagesButton->setChecked(true);
        pagesEdit->setText(pages);
        // The Properties dialog's job options: a priority and a billing account.
        auto *properties = pd->findChild<QPushButton *>(QStringLiteral("properties"));
        EXPECT_NE(properties, nullptr);
        QTimer::singleShot(0, pd, [pd] {
            for (QDialog *p : pd->findChildren<QDialog *>()) {
                if (!p->isVisible())
                    continue;
                if (auto *priority = p->findChild<QSpinBox *>(QStringLiteral("jobPrioritySpinBox")))
                    priority->setValue(60);
                if (auto *billing = p->findChild<QLineEdit *>(QStringLiteral("jobBillingLineEdit")))
                    billing->setText(QStringLiteral("Envelopes"));
                p->accept();
            }
        });
        if (properties)
            properties->click();
        pd->accept();
        return pd->result();
    });
}

// Pages of a job a queue with a driver received as PostScript.
int postScriptPages(const QString &file)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(f.readAll().count("\n%%Page: "));
}

} // namespace

TEST_F(PrintJobCupsTest, PageListsPrintThoseEnvelopesAndNoPageFilterReachesCups)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);

    // "1,3" on a raw queue, twice each: envelopes 1 and 3 only, in order.
    answerWithPageList(CupsServer::RawA, 2, QStringLiteral("3,1"));
    find<QAction>("FilePrintEnvelope")->trigger();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::RawA, 1)) << cups->logTail().toStdString();
    const QString pdf = cups->receivedFiles(CupsServer::RawA).last();
    ASSERT_EQ(pdfPages(pdf), 4);
    const char *names[] = {"Alice Able", "Alice Able", "Carol Cole", "Carol Cole"};
    for (int p = 1; p <= 4; ++p) {
        const QString text = pageText(pdf, p);
        EXPECT_TRUE(text.contains(QLatin1String(names[p - 1]))) << p << text.toStdString();
        EXPECT_FALSE(text.contains(QLatin1String("Bob Baker"))) << p;
    }
    QMap<QString, QString> job = cups->lastJobAttributes(CupsServer::RawA);
    ASSERT_FALSE(job.isEmpty()) << "the server keeps no job";
    EXPECT_FALSE(job.contains(QStringLiteral("page-ranges"))) << job.value("page-ranges").toStdString();
    EXPECT_EQ(job.value(QStringLiteral("copies"), QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(job.value(QStringLiteral("job-priority")), QStringLiteral("60")) << "other options stay";
    EXPECT_EQ(job.value(QStringLiteral("job-billing")), QStringLiteral("Envelopes"));
    const QStringList left = PrinterJobOptions(Printer().QtPrinter());
    EXPECT_FALSE(left.contains(QStringLiteral("page-ranges")));
    EXPECT_TRUE(left.contains(QStringLiteral("job-priority")));

    // "2,3" on a queue with a driver, which filters pages itself: both envelopes.
    answerWithPageList(CupsServer::Ppd, 1, QStringLiteral("2,3"));
    find<QAction>("FilePrintEnvelope")->trigger();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::Ppd, 1)) << cups->logTail().toStdString();
    EXPECT_EQ(postScriptPages(cups->receivedFiles(CupsServer::Ppd).last()), 2);
    job = cups->lastJobAttributes(CupsServer::Ppd);
    ASSERT_FALSE(job.isEmpty());
    EXPECT_FALSE(job.contains(QStringLiteral("page-ranges"))) << job.value("page-ranges").toStdString();
    EXPECT_EQ(job.value(QStringLiteral("copies"), QStringLiteral("1")), QStringLiteral("1"));
    EXPECT_EQ(job.value(QStringLiteral("job-priority")), QStringLiteral("60"));
}

TEST_F(PrintJobCupsTest, ASingleEnvelopeOffersNoPageChoiceAfterTheDialogAppears)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);
    find<MemoControl>("MemoAddress")->setText(QStringLiteral("Dan Dare\nDover, DE 19901"));
    const auto rangeControls = [](QDialog &d) {
        QStringList enabled;
        for (const char *name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            auto *w = d.findChild<QWidget *>(QLatin1String(name));
            EXPECT_NE(w, nullptr) << name;
            if (w && w->isEnabled())
                enabled << QLatin1String(name);
        }
        return enabled;
    };
    Prompt::push([&](QDialog &d) {
        EXPECT_EQ(rangeControls(d), QStringList()) << "as shown";
        // Picking another printer re-enables them inside Qt.
        auto *printers = d.findChild<QComboBox *>(QStringLiteral("printers"));
        EXPECT_NE(printers, nullptr);
        if (printers)
            printers->setCurrentIndex(printers->findText(CupsServer::Ppd));
        EXPECT_EQ(rangeControls(d), QStringList()) << "after another printer was picked";
        return int(QDialog::Rejected);
    });
    find<QAction>("FilePrintEnvelope")->trigger();
}

TEST_F(PrintJobCupsTest, NoAddressSendsNoJob)
{
    ZENTROPE_REQUIRE_CUPS(cups);
    startPrinting(cups);
    int helpTopic = 0;
    Prompt::helpHandler() = [&](int topic) { helpTopic = topic; };
    const auto answerNoAddress = [] {
        Prompt::push([](QDialog &d) {
            auto *m = qobject_cast<MessageDialog *>(&d);
            EXPECT_NE(m, nullptr) << "expected a message, got " << d.objectName().toStdString();
            if (!m)
                return int(QDialog::Rejected);
            EXPECT_EQ(m->text(), QStringLiteral("There is no address to print."));
            EXPECT_EQ(m->kind(), Prompt::Kind::Information);
            EXPECT_EQ(m->buttons(), int(Prompt::Ok));
            m->press(Prompt::Help);
            return int(Prompt::Ok);
        });
    };
    // Only blank lines: the dialog as usual, then the message instead of a blank page.
    find<MemoControl>("MemoAddress")->setText(QStringLiteral("\n   \n\t\n"));
    answerPrintDialog(1);
    answerNoAddress();
    find<QAction>("FilePrintEnvelope")->trigger();
    EXPECT_EQ(helpTopic, 20030);
    // The toolbar button, which asks nothing first.
    answerNoAddress();
    find<QToolButton>("SpeedButtonPrint")->click();
    EXPECT_FALSE(session->PrintStatusWindow()->isVisible());
    EXPECT_TRUE(find("FilePrintEnvelope")->isEnabled());
    shutdown();

    // "/p" with a missing file, then Print.
    const QString missing = dir + QStringLiteral("/gone.env");
    answerMessage(Prompt::Ok, QStringLiteral("Cannot find file \"%1\".").arg(missing));
    answerPrintDialog(1);
    answerNoAddress();
    start({QStringLiteral("/p"), missing}, false);
    EXPECT_EQ(Prompt::pending(), 0);
    for (const QString &queue : cups->queueNames())
        EXPECT_FALSE(cups->waitForJobs(queue, 1, 500)) << queue.toStdString() << " received a job";
}
