#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/dialogs/PrintSetupDialog.h"
#include "print/PrinterDevice.h"
#include "print/PrinterSettings.h"
#include "support/CupsServer.h"

#include <QComboBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QToolButton>
#include <QRadioButton>
#include <QRegularExpression>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QSizeF firstPagePoints(const QString &pdf)
{
    const auto m = QRegularExpression(QStringLiteral("Page size:\\s*([\\d.]+) x ([\\d.]+) pts"))
                       .match(runOutput(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

class PrinterSettingsTest : public CupsAppFixture {
protected:
    void store(std::initializer_list<std::pair<const char *, QString>> keys)
    {
        TQevIniFile s(iniPath);
        for (const auto &[key, value] : keys)
            s.WriteString(QStringLiteral("Printer"), QLatin1String(key), value);
    }
    QStringList printerKeys() { return TIniFile(iniPath).ReadSectionKeys(QStringLiteral("Printer")); }
    QStringList declaredKeys()
    {
        QStringList keys{QStringLiteral("PrinterName")};
        const DeviceMode m = Printer().GetDeviceMode();
        for (const DeviceMode::Key &k : DeviceMode::Keys())
            if (m.has(k.flag))
                keys << QLatin1String(k.name);
        return keys;
    }

    // One envelope through the toolbar's print button (no print dialog).
    QString printOneEnvelope(const QString &queue)
    {
        find<MemoControl>("MemoAddress")
            ->setPlainText(QStringLiteral("Jane Doe\n12 Elm Street\nSpringfield, IL 62704"));
        emit find<QToolButton>("SpeedButtonPrint")->clicked();
        if (!cups->waitForJobs(queue, 1))
            return {};
        return cups->receivedFiles(queue).last();
    }
};

} // namespace

TEST_F(PrinterSettingsTest, EmptySettingsKeepTheDefaultPrinter)
{
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawB);
    EXPECT_EQ(Printer().Orientation(), QPageLayout::Portrait);
    shutdown();
    EXPECT_TRUE(printerKeys().isEmpty()) << "a run that never prints leaves the section as it was";
}

TEST_F(PrinterSettingsTest, JobLeavesExactlyTheDeclaredKeys)
{
    // Keys of an earlier printer with more fields, and of fields no Linux printer declares.
    store({{"PrinterName", CupsServer::Ppd},
           {"Duplex", QStringLiteral("2")},
           {"Scale", QStringLiteral("75")},
           {"DefaultSource", QStringLiteral("15")},
           {"PrintQuality", QStringLiteral("-3")}});
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::Ppd);
    EXPECT_EQ(Printer().QtPrinter().duplex(), QPrinter::DuplexLongSide);

    Printer().SetPrinterIndex(int(Printer().Printers().indexOf(CupsServer::RawA)));
    const QString job = printOneEnvelope(CupsServer::RawA);
    ASSERT_FALSE(job.isEmpty()) << cups->logTail().toStdString();
    const QStringList keys = printerKeys();
    EXPECT_EQ(keys, declaredKeys());
    EXPECT_EQ(ini("Printer", "PrinterName"), CupsServer::RawA);
    for (const char *gone : {"Duplex", "Scale", "DefaultSource", "PrintQuality", "PaperLength", "PaperWidth"})
        EXPECT_FALSE(keys.contains(QLatin1String(gone))) << gone;
    for (const char *kept : {"Orientation", "PaperSize", "Copies"})
        EXPECT_TRUE(keys.contains(QLatin1String(kept))) << kept;
    EXPECT_EQ(ini("Printer", "Orientation"), QStringLiteral("1"));
    EXPECT_EQ(ini("Printer", "Copies"), QStringLiteral("1"));
}

TEST_F(PrinterSettingsTest, SavedPrinterBecomesCurrentOrDefaultStaysWithStoredFields)
{
    // The saved printer is the first of the list, another one is the default.
    ASSERT_EQ(Printer().Printers().first(), CupsServer::RawA);
    store({{"PrinterName", CupsServer::RawA}});
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawA);
    shutdown();

    // A printer that is gone: the default stays, the stored fields still apply.
    QFile::remove(iniPath);
    Printer().Reset();
    store({{"PrinterName", QStringLiteral("ZentropeGone")},
           {"Orientation", QStringLiteral("2")},
           {"Copies", QStringLiteral("3")},
           {"PaperSize", QStringLiteral("9")}});
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawB);
    EXPECT_TRUE(Printer().Landscape());
    EXPECT_EQ(Printer().QtPrinter().copyCount(), 3);
    EXPECT_EQ(Printer().QtPrinter().pageLayout().pageSize().id(), QPageSize::A4);
    shutdown();

    // Case matters in the comparison; junk values leave their fields alone.
    QFile::remove(iniPath);
    Printer().Reset();
    store({{"PrinterName", CupsServer::RawA.toLower()}, {"Orientation", QStringLiteral("sideways")}});
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawB);
    EXPECT_FALSE(Printer().Landscape());
}

TEST_F(PrinterSettingsTest, StoredLandscapeTurnsTheNextJob)
{
    store({{"PrinterName", CupsServer::RawA}, {"Orientation", QStringLiteral("2")}});
    start();
    const QString job = printOneEnvelope(CupsServer::RawA);
    ASSERT_FALSE(job.isEmpty()) << cups->logTail().toStdString();
    const QSizeF page = firstPagePoints(job);
    EXPECT_GT(page.width(), page.height()) << "the envelope page comes out landscape";
    EXPECT_EQ(ini("Printer", "Orientation"), QStringLiteral("2"));
}

TEST_F(PrinterSettingsTest, SetupDialogCancelledRewritesTheUnchangedSettings)
{
    store({{"PrinterName", CupsServer::RawB},
           {"Orientation", QStringLiteral("1")},
           {"Scale", QStringLiteral("50")}});
    start();
    int helped = 0;
    Prompt::helpHandler() = [&](int topic) { helped = topic; };
    Prompt::push([](QDialog &d) {
        auto *setup = qobject_cast<PrintSetupDialog *>(&d);
        EXPECT_NE(setup, nullptr) << d.objectName().toStdString();
        if (!setup)
            return int(QDialog::Rejected);
        EXPECT_EQ(setup->ComboBoxPrinter->currentText(), CupsServer::RawB) << "starts on the current printer";
        EXPECT_TRUE(setup->RadioButtonPortrait->isChecked());
        setup->HelpBtn->click();
        // Changes that Cancel must throw away.
        setup->SelectPrinter(CupsServer::RawA);
        setup->RadioButtonLandscape->setChecked(true);
        return int(QDialog::Rejected);
    });
    find<QAction>("FilePrintSetup")->trigger();
    EXPECT_EQ(helped, PrintSetupDialog::HelpTopic);
    EXPECT_EQ(Printer().PrinterName(), CupsServer::RawB);
    EXPECT_FALSE(Printer().Landscape());
    EXPECT_EQ(printerKeys(), declaredKeys()) << "Scale is not declared and goes";
    EXPECT_EQ(ini("Printer", "PrinterName"), CupsServer::RawB);
    EXPECT_EQ(ini("Printer", "Orientation"), QStringLiteral("1"));
}

TEST_F(PrinterSettingsTest, SetupDialogConfirmedChangesPrinterAndPage)
{
    start();
    Prompt::push([](QDialog &d) {
        auto *setup = qobject_cast<PrintSetupDialog *>(&d);
        if (!setup)
            return int(QDialog::Rejected);
        EXPECT_TRUE(setup->SelectPrinter(CupsServer::Ppd));
        EXPECT_TRUE(setup->ComboBoxDuplex->isEnabled()) << "the PPD printer has a duplex unit";
        EXPECT_TRUE(setup->SelectPaper(QPageSize::Legal));
        setup->RadioButtonLandscape->setChecked(true);
        setup->ComboBoxDuplex->setCurrentIndex(
            setup->ComboBoxDuplex->findData(int(QPrinter::DuplexShortSide)));
        return int(QDialog::Accepted);
    });
    find<QAction>("FilePrintSetup")->trigger();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::Ppd);
    EXPECT_TRUE(Printer().Landscape());
    EXPECT_EQ(ini("Printer", "PrinterName"), CupsServer::Ppd);
    EXPECT_EQ(ini("Printer", "Orientation"), QStringLiteral("2"));
    EXPECT_EQ(ini("Printer", "PaperSize"), QStringLiteral("5")) << "the Windows code of Legal";
    EXPECT_EQ(ini("Printer", "Duplex"), QStringLiteral("3"));

    // The next run starts where this one left off.
    shutdown();
    Printer().Reset();
    start();
    EXPECT_EQ(Printer().PrinterName(), CupsServer::Ppd);
    EXPECT_TRUE(Printer().Landscape());
    EXPECT_EQ(Printer().QtPrinter().pageLayout().pageSize().id(), QPageSize::Legal);
    EXPECT_EQ(Printer().QtPrinter().duplex(), QPrinter::DuplexShortSide);
}

TEST_F(PrinterSettingsTest, NoPrinterInstalledLeavesSettingsAlone)
{
    store({{"PrinterName", CupsServer::RawA}, {"Orientation", QStringLiteral("2")}});
    ScopedNoPrinters none;
    start();
    answerMessage(Prompt::Ok, NoPrinterMessage());
    find<QAction>("FilePrintSetup")->trigger();
    SavePrinterSettings(Printer(), *session->State().Settings);
    EXPECT_EQ(printerKeys(), (QStringList{QStringLiteral("PrinterName"), QStringLiteral("Orientation")}));
    EXPECT_EQ(ini("Printer", "PrinterName"), CupsServer::RawA);
}
