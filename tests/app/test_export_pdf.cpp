#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "support/PdfProbe.h"

#include <QComboBox>
#include <QProcess>
#include <QStandardPaths>
#include <QMenu>

using namespace zentrope;
using namespace zentrope::test;

using ExportPdfTest = AppFixture;

TEST_F(ExportPdfTest, OnePagePerEnvelopeOfTheChosenSizeInAFolderItRemembers)
{
    start();
    // In the File menu after Print Setup, with its shortcut; enabled as the print commands are.
    QAction *exportPdf = find("FileExportPdf");
    ASSERT_NE(exportPdf, nullptr);
    const QList<QAction *> items = find<QMenu>("FileMenu")->actions();
    ASSERT_GT(items.indexOf(exportPdf), 0);
    EXPECT_EQ(items[items.indexOf(exportPdf) - 1]->objectName(), QStringLiteral("FilePrintSetup"));
    EXPECT_EQ(exportPdf->text(), QStringLiteral("Export as P&DF..."));
    EXPECT_EQ(exportPdf->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    main->UpdateMenu(main);
    EXPECT_FALSE(exportPdf->isEnabled());

    auto *memo = find<MemoControl>("MemoAddress");
    memo->setText(QStringLiteral("Alice Able\nAlbany, NY 12207\n\nBob Baker\nBoston, MA 02118"));
    main->UpdateMenu(main);
    EXPECT_TRUE(exportPdf->isEnabled());
    auto *sizes = find<QComboBox>("ComboBoxEnvelopeSize");
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("Small")));

    const QString folder = dir + QStringLiteral("/pdfs");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString out = folder + QStringLiteral("/cards.pdf");
    Prompt::push([&](QDialog &d) {
        EXPECT_EQ(d.objectName(), QStringLiteral("ExportPdfDialog"));
        auto *fd = qobject_cast<QFileDialog *>(&d);
        if (!fd)
            return int(QDialog::Rejected);
        EXPECT_EQ(fd->directory().absolutePath(), QDir::homePath()) << "an untitled document starts at home";
        fd->selectFile(out);
        return int(QDialog::Accepted);
    });
    exportPdf->trigger();
    const PdfInfo info = pdfInfo(out, 2);
    EXPECT_EQ(info.Pages, 2);
    EXPECT_EQ(info.PageSize, QSizeF(432, 252)) << "the Small envelope, 6 x 3.5 in";
    EXPECT_EQ(info.Title, QStringLiteral("Zentrope Envelope"));
    EXPECT_TRUE(pageText(out, 2).contains(QLatin1String("Bob Baker")));
    EXPECT_FALSE(pageText(out, 2).contains(QLatin1String("Alice Able")));
    EXPECT_EQ(ini(QStringLiteral("Options"), QStringLiteral("PdfFolder")), folder);

    // The next export starts where the last one went.
    QString seen;
    Prompt::push([&](QDialog &d) {
        if (auto *fd = qobject_cast<QFileDialog *>(&d))
            seen = fd->directory().absolutePath();
        return int(QDialog::Rejected);
    });
    exportPdf->trigger();
    EXPECT_EQ(seen, folder);

    // Only blank lines: nothing to export.
    memo->setText(QStringLiteral(" \n\t\n"));
    answerMessage(Prompt::Ok, QStringLiteral("There is no address to print."));
    exportPdf->trigger();
}

// A write that fails is reported, not taken for a PDF (a full device here).
TEST_F(ExportPdfTest, AFailedWriteIsReported)
{
    start();
    find<MemoControl>("MemoAddress")->setText(QStringLiteral("Alice Able\nAlbany, NY 12207"));
    const QString full = dir + QStringLiteral("/full.pdf");
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/full"), full));
    Prompt::push([&](QDialog &d) {
        auto *fd = qobject_cast<QFileDialog *>(&d);
        if (!fd)
            return int(QDialog::Rejected);
        fd->selectFile(full);
        return int(QDialog::Accepted);
    });
    answerMessage(Prompt::Ok, QStringLiteral("Stream write error."));
    find("FileExportPdf")->trigger();
    EXPECT_TRUE(QFileInfo(full).isSymLink()) << "the link stays, and the device a device";
}

// Every word of a PDF with its box, as Poppler reads it.
static QStringList wordBoxes(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    QStringList words;
    for (const QString &line : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n'))
        if (line.contains(QLatin1String("<word")) || line.contains(QLatin1String("<page")))
            words << line.trimmed();
    return words;
}

TEST_F(ExportPdfTest, TheWindowAndTheScriptOptionsPrintTheSamePages)
{
    const QString built = QStringLiteral(ZENTROPE_BINARY_DIR "/src/zentrope");
    if (!QFile::exists(built) || QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "needs the built program and pdftotext";
    const QString file = writeFile(dir + QStringLiteral("/two.env"),
                                   "Alice Able\r\n12 First Ave\r\nAlbany, NY 12207-1234\r\n\r\n"
                                   "Bob Baker\r\nBoston, MA 02118\r\n");
    {
        // A return address, a default size and fonts of the user's own.
        TQevIniFile settings(iniPath);
        ReturnAddressCatalog returns;
        returns.Load(settings);
        returns.SetLines(0, {QStringLiteral("Zentrope Office"), QStringLiteral("1 Stamp Row")});
        returns.Save(settings);
        EnvelopeSizeCatalog sizes;
        sizes.Load(settings);
        sizes.SetDefaultIndex(sizes.Add(QStringLiteral("Card"), TEnvelopeDimension{7.25, 5.25, 0.5}));
        sizes.Save(settings);
        settings.WriteInteger(QStringLiteral("EnvelopeFont"), QStringLiteral("FontSize"), 13);
        settings.WriteBool(QStringLiteral("ReturnAddressFont"), QStringLiteral("FontItalic"), true);
    }
    start({file});
    const QString fromWindow = dir + QStringLiteral("/window.pdf");
    Prompt::push([&](QDialog &d) {
        static_cast<QFileDialog &>(d).selectFile(fromWindow);
        return int(QDialog::Accepted);
    });
    find("FileExportPdf")->trigger();
    shutdown();

    const QString fromScript = dir + QStringLiteral("/script.pdf");
    QProcess p;
    p.start(built, {QStringLiteral("--pdf"), fromScript, QStringLiteral("--settings"), iniPath, file});
    ASSERT_TRUE(p.waitForFinished(60000));
    ASSERT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    const QStringList window = wordBoxes(fromWindow);
    ASSERT_TRUE(window.join(u' ').contains(QLatin1String("Zentrope")));
    EXPECT_EQ(window, wordBoxes(fromScript));
}
