#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/EnvelopeFeedDialog.h"
#include "app/dialogs/PrintSetupDialog.h"
#include "app/help/HelpContext.h"
#include "envelope/FeedProfile.h"
#include "envelope/StandardEnvelopes.h"
#include "print/PrinterDevice.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

using namespace zentrope;
using namespace zentrope::test;

namespace {

class EnvelopeFeedTest : public CupsAppFixture {
protected:
    // Print Setup: choose a printer; with a profile given, set it through the
    // dialog's Envelope Feed button first.
    void printSetup(const QString &printer, std::function<void(EnvelopeFeedDialog &)> feed = {})
    {
        Prompt::push([=](QDialog &d) {
            auto *setup = qobject_cast<PrintSetupDialog *>(&d);
            EXPECT_NE(setup, nullptr) << "expected Print Setup";
            if (!setup)
                return int(QDialog::Rejected);
            EXPECT_TRUE(setup->SelectPrinter(printer));
            if (feed) {
                Prompt::push([=](QDialog &f) {
                    auto *dialog = qobject_cast<EnvelopeFeedDialog *>(&f);
                    EXPECT_NE(dialog, nullptr) << "expected Envelope Feed";
                    if (!dialog)
                        return int(QDialog::Rejected);
                    EXPECT_TRUE(dialog->LabelPrinter->text().contains(printer));
                    feed(*dialog);
                    return int(QDialog::Accepted);
                });
                setup->EnvelopeFeedBtn->click();
            }
            return int(QDialog::Accepted);
        });
        find<QAction>("FilePrintSetup")->trigger();
    }

    // One envelope through the toolbar button; the values of one attribute of the job.
    QStringList printAndRead(const QString &queue, const char *attribute)
    {
        const int before = cups->receivedCount(queue);
        find<MemoControl>("MemoAddress")
            ->setText(QStringLiteral("Jane Doe\n12 Elm Street\nSpringfield, IL 62704"));
        find<QToolButton>("SpeedButtonPrint")->click();
        EXPECT_TRUE(cups->waitForJobs(queue, before + 1)) << cups->logTail().toStdString();
        QStringList values;
        for (const auto &[name, value] : cups->lastJobAttributeList(queue))
            if (name == QLatin1String(attribute))
                values << value;
        return values;
    }

    // The PWG name of the envelope size chosen in the main window.
    QString chosenMedia()
    {
        const EnvelopeSize *size =
            session->State().EnvelopeSizes.At(find<QComboBox>("ComboBoxEnvelopeSize")->currentIndex());
        return size ? PwgMediaName(size->Dimension.Width, size->Dimension.Height) : QString();
    }
};

} // namespace

TEST_F(EnvelopeFeedTest, TheDialogEditsTheCurrentPrintersProfileInTheSizeDialogsUnit)
{
    TQevIniFile(iniPath).WriteInteger(QStringLiteral("Options"), QStringLiteral("Units"), 1); // millimetres
    start();
    Printer().SetPrinterIndex(int(Printer().Printers().indexOf(CupsServer::Feed)));
    // Where the commands sit in their menus.
    const QList<QAction *> file = find<QMenu>("FileMenu")->actions();
    // After Print Test Envelope, with Print Preview between them.
    EXPECT_EQ(file.value(file.indexOf(find("FilePrintTest")) + 2), find("FilePrintAlignment"));
    const QList<QAction *> options = find<QMenu>("OptionsMenu")->actions();
    EXPECT_EQ(options.value(options.indexOf(find("OptionsEnvelope")) + 1), find("OptionsEnvelopeFeed"));

    Prompt::push([](QDialog &d) {
        auto *f = qobject_cast<EnvelopeFeedDialog *>(&d);
        EXPECT_NE(f, nullptr);
        if (!f)
            return int(QDialog::Rejected);
        EXPECT_EQ(HelpContext(f), 21011);
        for (QWidget *w : f->findChildren<QWidget *>()) {
            if (qobject_cast<QAbstractButton *>(w) || qobject_cast<QLineEdit *>(w) ||
                qobject_cast<QComboBox *>(w) || qobject_cast<QLabel *>(w) || qobject_cast<QGroupBox *>(w)) {
                EXPECT_FALSE(w->objectName().isEmpty()) << w->metaObject()->className();
                EXPECT_EQ(HelpContext(w), 21011) << w->objectName().toStdString();
            }
        }
        QStringList sources;
        for (int i = 0; i < f->ComboBoxSource->count(); ++i)
            sources << f->ComboBoxSource->itemText(i);
        EXPECT_EQ(sources,
                  QStringList({"Printer's default", "Paper Tray", "Manual Feed", "Envelope Feeder"}));
        EXPECT_EQ(f->findChild<QLabel *>(QStringLiteral("LabelOffsetXUnit"))->text(), QStringLiteral("mm"));
        // The first edge and the turn belong to envelope-size pages.
        EXPECT_TRUE(f->RadioButtonPrinterPaper->isChecked());
        EXPECT_FALSE(f->RadioButtonShortEdge->isEnabled() || f->CheckBoxTurn180->isEnabled());
        f->RadioButtonEnvelopePaper->setChecked(true);
        EXPECT_TRUE(f->RadioButtonShortEdge->isEnabled() && f->CheckBoxTurn180->isEnabled());
        // Business #10 (9 x 4 in): a custom size short edge first; 9 in is
        // wider than the queue's widest custom sheet and it has no long-edge size.
        EXPECT_TRUE(f->LabelMediaCheck->isVisibleTo(f));
        f->RadioButtonShortEdge->setChecked(true);
        EXPECT_EQ(f->LabelMediaCheck->text(), "The printer takes this envelope's size as a custom size.");
        f->RadioButtonLongEdge->setChecked(true);
        EXPECT_EQ(f->LabelMediaCheck->text(), "This printer's driver offers no long-edge envelope size");
        f->RadioButtonShortEdge->setChecked(true);
        f->CheckBoxTurn180->setChecked(true);
        f->RadioButtonRight->setChecked(true);
        f->EditOffsetX->setText(QStringLiteral("-3"));
        f->EditOffsetY->setText(QStringLiteral("1,5"));
        f->ComboBoxSource->setCurrentIndex(f->ComboBoxSource->findData(QStringLiteral("Manual")));
        return int(QDialog::Accepted);
    });
    find<QAction>("OptionsEnvelopeFeed")->trigger();
    const QString section = QStringLiteral("Feed ") + CupsServer::Feed;
    EXPECT_EQ(ini(section, "Paper"), QStringLiteral("1"));
    EXPECT_EQ(ini(section, "Edge"), QStringLiteral("2"));
    EXPECT_EQ(ini(section, "LongEdgeFirst"), QStringLiteral("0"));
    EXPECT_EQ(ini(section, "Turn180"), QStringLiteral("1"));
    EXPECT_EQ(ini(section, "OffsetX"), QStringLiteral("-118")); // -3 mm in thousandths of an inch
    EXPECT_EQ(ini(section, "OffsetY"), QStringLiteral("59"));
    EXPECT_EQ(ini(section, "Source"), QStringLiteral("Manual"));

    // Opened again it shows the profile; Cancel keeps it.
    Prompt::push([](QDialog &d) {
        auto *f = qobject_cast<EnvelopeFeedDialog *>(&d);
        EXPECT_TRUE(f && f->RadioButtonShortEdge->isChecked() && f->CheckBoxTurn180->isChecked());
        EXPECT_EQ(f ? f->EditOffsetX->text() : QString(), QStringLiteral("-3.0"));
        EXPECT_EQ(f ? f->ComboBoxSource->currentText() : QString(), QStringLiteral("Manual Feed"));
        if (f)
            f->RadioButtonPrinterPaper->setChecked(true);
        return int(QDialog::Rejected);
    });
    find<QAction>("OptionsEnvelopeFeed")->trigger();
    EXPECT_EQ(ini(section, "Paper"), QStringLiteral("1"));
}

TEST_F(EnvelopeFeedTest, TheProfileFollowsThePrinterAndSurvivesARestart)
{
    start();
    // Print Setup: the Feed queue, given a profile through its Envelope Feed button.
    printSetup(CupsServer::Feed, [](EnvelopeFeedDialog &f) {
        f.RadioButtonEnvelopePaper->setChecked(true);
        // The queue has no Business #10 long-edge sheet: short edge first.
        f.RadioButtonShortEdge->setChecked(true);
        f.ComboBoxSource->setCurrentIndex(f.ComboBoxSource->findData(QStringLiteral("Envelope")));
    });
    EXPECT_EQ(Printer().PrinterName(), CupsServer::Feed);
    const QString media = chosenMedia();
    ASSERT_FALSE(media.isEmpty());
    EXPECT_EQ(printAndRead(CupsServer::Feed, "media"), QStringList{media});
    EXPECT_EQ(cups->lastJobAttributes(CupsServer::Feed).value(QStringLiteral("InputSlot")),
              QStringLiteral("Envelope"));

    // Another printer has no profile: it prints as it always did, through Qt.
    printSetup(CupsServer::RawA);
    EXPECT_NE(printAndRead(CupsServer::RawA, "media"), QStringList{media});
    EXPECT_FALSE(cups->lastJobAttributes(CupsServer::RawA).contains(QStringLiteral("print-scaling")));

    // Back on the Feed printer after a restart: its profile still applies.
    shutdown();
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawA);
    printSetup(CupsServer::Feed);
    EXPECT_EQ(printAndRead(CupsServer::Feed, "media"), QStringList{media});

    // The alignment test goes the same way, without any address.
    find<MemoControl>("MemoAddress")->setText(QString());
    Prompt::push([](QDialog &d) {
        EXPECT_NE(qobject_cast<QPrintDialog *>(&d), nullptr);
        return int(QDialog::Accepted);
    });
    const int before = cups->receivedCount(CupsServer::Feed);
    find<QAction>("FilePrintAlignment")->trigger();
    ASSERT_TRUE(cups->waitForJobs(CupsServer::Feed, before + 1)) << cups->logTail().toStdString();
    const QString test = cups->receivedFiles(CupsServer::Feed).value(before);
    EXPECT_EQ(pdfPages(test), 1);
    EXPECT_TRUE(pageText(test, 1).contains(QLatin1String("alignment test")))
        << pageText(test, 1).toStdString();
    EXPECT_EQ(cups->lastJobAttributes(CupsServer::Feed).value(QStringLiteral("media")), media);
}
