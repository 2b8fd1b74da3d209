#include "AppFixture.h"

#include "app/controls/Controls.h"
#include "app/preview/PrintPreviewWindow.h"
#include "app/preview/PreviewView.h"
#include "barcode/BarCode.h"
#include "envelope/FeedProfile.h"
#include "barcode/Postnet.h"
#include "print/PrinterDevice.h"
#include "print/page/EnvelopeFit.h"
#include "support/CupsServer.h"
#include "support/PdfProbe.h"

#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>
#include <cmath>

using namespace zentrope;
using namespace zentrope::test;

namespace {

QString addresses(int count)
{
    QStringList text;
    for (int i = 1; i <= count; ++i)
        text << QStringLiteral("Addressee %1\n%2 Elm Street\nAnytown, ST %3-6789")
                    .arg(i)
                    .arg(1700 + i % 100)
                    .arg(10000 + i * 37 % 90000, 5, 10, QChar(u'0'));
    return text.join(QStringLiteral("\n\n"));
}

// Rows holding ink (grey below 128), as runs: first and last row of each.
std::vector<std::pair<int, int>> inkRows(const QImage &img)
{
    std::vector<std::pair<int, int>> runs;
    bool inRun = false;
    for (int y = 0; y < img.height(); ++y) {
        const uchar *line = img.constScanLine(y);
        bool ink = false;
        for (int x = 0; x < img.width() && !ink; ++x)
            ink = line[x] < 128;
        if (ink && !inRun)
            runs.push_back({y, y});
        if (ink)
            runs.back().second = y;
        inRun = ink;
    }
    return runs;
}

// The middles of the dark column runs of one row between two columns: the bars.
std::vector<int> barMiddles(const QImage &img, int y, int from, int to)
{
    std::vector<int> middles;
    int start = -1;
    for (int x = std::max(0, from); x <= std::min(img.width() - 1, to) + 1; ++x) {
        const bool dark = x <= std::min(img.width() - 1, to) && img.constScanLine(y)[x] < 128;
        if (dark && start < 0)
            start = x;
        if (!dark && start >= 0) {
            middles.push_back((start + x - 1) / 2);
            start = -1;
        }
    }
    return middles;
}

class PrintPreviewTest : public AppFixture {
protected:
    void SetUp() override
    {
        AppFixture::SetUp();
        cups = CupsServer::shared(&whyNot);
    }

    PrintPreviewWindow *openPreview(const QString &text)
    {
        find<MemoControl>("MemoAddress")->setText(text);
        main->UpdateMenu(main);
        find<QAction>("FilePrintPreview")->trigger();
        auto *preview = main->findChild<PrintPreviewWindow *>(QStringLiteral("PrintPreviewWindow"));
        EXPECT_NE(preview, nullptr);
        if (preview) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(preview));
        }
        return preview;
    }

    // The pause after a change, after which the fit check and the preview look again.
    void settle()
    {
        auto *timer = main->findChild<QTimer *>(QStringLiteral("FitTimer"));
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(QTest::qWaitFor([timer] { return !timer->isActive(); }, 5000));
        QApplication::processEvents();
    }

    CupsServer *cups = nullptr;
    QString whyNot;
};

} // namespace

TEST_F(PrintPreviewTest, OnePagePerEnvelopeFollowingTheTextAndPaintedOnlyInView)
{
    if (!cups)
        GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
    start();
    Printer().Reset();
    // On the File menu after Print Test Envelope; enabled as the print
    // commands are, and so is its button, which sits clear of the pickers.
    QAction *item = find("FilePrintPreview");
    const QList<QAction *> items = find<QMenu>("FileMenu")->actions();
    ASSERT_GT(items.indexOf(item), 0);
    EXPECT_EQ(items[items.indexOf(item) - 1]->objectName(), QStringLiteral("FilePrintTest"));
    EXPECT_EQ(item->text(), QStringLiteral("Print Pre&view..."));
    EXPECT_FALSE(item->statusTip().isEmpty());
    auto *button = find<QToolButton>("SpeedButtonPrintPreview");
    EXPECT_GE(button->x(), find<QWidget>("ComboBoxEnvelopeSize")->geometry().right());
    main->UpdateMenu(main);
    EXPECT_FALSE(item->isEnabled() || button->isEnabled());

    PrintPreviewWindow *preview = openPreview(addresses(3));
    ASSERT_NE(preview, nullptr);
    EXPECT_TRUE(button->isEnabled());
    PreviewView *view = preview->View();
    EXPECT_EQ(view->PageCount(), 3);
    EXPECT_EQ(view->CurrentPage(), 1);
    EXPECT_EQ(preview->LabelPageCount->text().trimmed(), QStringLiteral("of 3"));
    EXPECT_TRUE(preview->LabelPaper->text().startsWith(Printer().PrinterName() + QLatin1Char(':')))
        << preview->LabelPaper->text().toStdString();
    const QImage before = view->PageImage(1);

    // Typing, a size and an option: the open preview follows after the pause.
    auto *memo = find<MemoControl>("MemoAddress");
    memo->setText(QStringLiteral("Zed Zebra\n") + addresses(4));
    settle();
    EXPECT_EQ(view->PageCount(), 4);
    EXPECT_NE(view->PageImage(1), before);
    SheetMarks business, small;
    view->PageImage(1, &business);
    auto *sizes = find<QComboBox>("ComboBoxEnvelopeSize");
    sizes->setCurrentIndex(sizes->findText(QStringLiteral("Small")));
    settle();
    view->PageImage(1, &small);
    EXPECT_LT(small.Envelope.width(), business.Envelope.width());
    const QImage withBars = view->PageImage(2);
    find<QAction>("OptionsBarCode")->trigger();
    settle();
    EXPECT_NE(view->PageImage(2), withBars);
    find<QAction>("OptionsBarCode")->trigger();

    // 2560 envelopes: only the sheets in view are painted.
    const int painted = view->RenderedSheets();
    memo->setText(addresses(2560));
    settle();
    view->viewport()->repaint();
    EXPECT_EQ(view->PageCount(), 2560);
    const int inView = view->RenderedSheets() - painted;
    EXPECT_GE(inView, 1);
    EXPECT_LE(inView, 3);
    view->viewport()->repaint();
    EXPECT_EQ(view->RenderedSheets() - painted, inView) << "painted sheets are kept";

    // No text: no pages, and Print is off.
    memo->setText(QString());
    settle();
    EXPECT_EQ(view->PageCount(), 0);
    EXPECT_FALSE(preview->PreviewPrint->isEnabled());

    // Closing frees the window and its sheets.
    QPointer<PrintPreviewWindow> gone(preview);
    preview->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
}

TEST_F(PrintPreviewTest, FirstPageMatchesTheJobsPdfPage)
{
    if (!cups)
        GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
    start();
    Printer().Reset();
    cups->clearReceived();
    // Landscape with wide margins: the preview must place the page as the
    // printer's paint engine does.
    QPrinter &printer = Printer().QtPrinter();
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setPageMargins(QMarginsF(12, 18, 10, 8), QPageLayout::Millimeter);
    PrintPreviewWindow *preview = openPreview(addresses(2));
    ASSERT_NE(preview, nullptr);
    PreviewView *view = preview->View();
    const PageGeometry geometry = view->PageGeometryShown();
    ASSERT_TRUE(geometry.Paper.Landscape);
    ASSERT_GT(geometry.Paper.Printable.x(), 0);

    // Print... runs Print Envelope with its dialog.
    bool dialogShown = false;
    Prompt::push([&](QDialog &d) {
        dialogShown = qobject_cast<QPrintDialog *>(&d) != nullptr;
        return int(QDialog::Accepted);
    });
    preview->PreviewPrint->trigger();
    EXPECT_TRUE(dialogShown);
    ASSERT_TRUE(cups->waitForJobs(Printer().PrinterName(), 1)) << cups->logTail().toStdString();
    const QString pdf = cups->receivedFiles(Printer().PrinterName()).last();
    ASSERT_EQ(pdfPages(pdf), 2);

    // Both at 300 pixels per inch.
    const QImage printed =
        renderPage(pdf, 1, freshDir(QStringLiteral("preview"))).convertToFormat(QImage::Format_Grayscale8);
    view->SetZoom(300.0 / Scale::screenDpi());
    const QImage shown = view->PageImage(1).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_FALSE(printed.isNull());
    EXPECT_LE(std::abs(printed.width() - shown.width()), 1) << printed.width() << " " << shown.width();
    EXPECT_LE(std::abs(printed.height() - shown.height()), 1);
    EXPECT_GT(printed.width(), printed.height()) << "a landscape sheet";

    // The rows of text and bars.
    const auto printedRows = inkRows(printed), shownRows = inkRows(shown);
    ASSERT_EQ(printedRows.size(), shownRows.size());
    ASSERT_GE(printedRows.size(), 5u);
    for (size_t i = 0; i < printedRows.size(); ++i) {
        EXPECT_NEAR(printedRows[i].first, shownRows[i].first, 2) << "row " << i;
        EXPECT_NEAR(printedRows[i].second, shownRows[i].second, 2) << "row " << i;
    }

    // The bars, along the short bars' middle row as the page painter laid them out.
    EnvelopePage page = MakeEnvelopePage(main->Composer().design(), SplitEnvelopes(addresses(2)).Envelope(1));
    PlaceEnvelopePage(page, geometry);
    EnvelopePageLayout layout;
    MeasureEnvelopeFit(page, &layout);
    ASSERT_FALSE(layout.BarCodeDigits.isEmpty());
    const BarGeometry bars = PrinterBarCodeGeometry(page.DpiX, page.DpiY);
    const QPointF barsAt = geometry.PageToSheet().map(QPointF(layout.BarCodeX, layout.BarCodeY));
    const double s = 300.0 / page.DpiX;
    const int row = int(std::lround((barsAt.y() + bars.TallHeight - bars.ShortHeight / 2.0) * s));
    const int count = int(EncodePostnet(layout.BarCodeDigits).size());
    const int from = int(barsAt.x() * s) - 20;
    const int to = int((barsAt.x() + count * bars.Pitch) * s) + 20;
    const std::vector<int> printedBars = barMiddles(printed, row, from, to);
    const std::vector<int> shownBars = barMiddles(shown, row, from, to);
    ASSERT_EQ(printedBars.size(), size_t(count));
    ASSERT_EQ(shownBars.size(), printedBars.size());
    for (size_t i = 0; i < printedBars.size(); ++i)
        EXPECT_NEAR(printedBars[i], shownBars[i], 2) << "bar " << i;
    EXPECT_EQ(decodeBarCode(shown), decodeBarCode(printed));
}

TEST_F(PrintPreviewTest, NavigationAndZoom)
{
    if (!cups)
        GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
    start();
    Printer().Reset();
    PrintPreviewWindow *preview = openPreview(addresses(5));
    ASSERT_NE(preview, nullptr);
    PreviewView *view = preview->View();
    ASSERT_EQ(view->PageCount(), 5);

    EXPECT_FALSE(preview->PreviewFirst->isEnabled() || preview->PreviewPrevious->isEnabled());
    preview->PreviewNext->trigger();
    EXPECT_EQ(view->CurrentPage(), 2);
    preview->PreviewLast->trigger();
    EXPECT_EQ(view->CurrentPage(), 5);
    EXPECT_FALSE(preview->PreviewNext->isEnabled() || preview->PreviewLast->isEnabled());
    preview->PreviewPrevious->trigger();
    EXPECT_EQ(view->CurrentPage(), 4);
    EXPECT_EQ(preview->SpinPageNumber->value(), 4);
    preview->SpinPageNumber->setValue(2);
    EXPECT_EQ(view->CurrentPage(), 2);
    preview->PreviewFirst->trigger();
    EXPECT_EQ(view->CurrentPage(), 1);
    // Scrolling to the end makes the last page current.
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->maximum());
    EXPECT_EQ(view->CurrentPage(), 5);

    // Fit page: a whole sheet shows; fit width: the sheet spans the view.
    const PrinterPaper paper = view->PageGeometryShown().Paper;
    const double inchesW = double(paper.Sheet.width()) / paper.DpiX;
    const double inchesH = double(paper.Sheet.height()) / paper.DpiY;
    const QSize viewport = view->viewport()->size();
    EXPECT_EQ(view->Mode(), PreviewView::ZoomMode::FitPage);
    EXPECT_TRUE(preview->PreviewFitPage->isChecked());
    EXPECT_LE(view->Zoom() * inchesH * Scale::screenDpi(), viewport.height());
    EXPECT_LE(view->Zoom() * inchesW * Scale::screenDpi(), viewport.width());
    preview->PreviewFitWidth->trigger();
    EXPECT_TRUE(preview->PreviewFitWidth->isChecked() && !preview->PreviewFitPage->isChecked());
    EXPECT_NEAR(view->Zoom() * inchesW * Scale::screenDpi(), viewport.width() - 24, 2);
    EXPECT_EQ(view->CurrentPage(), 5) << "zooming keeps the page";

    // 100 %: the paper at its real size on the screen; in and out in steps.
    preview->PreviewActualSize->trigger();
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.0);
    EXPECT_EQ(preview->LabelZoom->text(), QStringLiteral("100 %"));
    EXPECT_NEAR(view->PageImage(1).width(), inchesW * Scale::screenDpi(), 1);
    preview->PreviewZoomIn->trigger();
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.25);
    preview->PreviewZoomOut->trigger();
    preview->PreviewZoomOut->trigger();
    EXPECT_DOUBLE_EQ(view->Zoom(), 0.8);
    // Ctrl and the wheel zoom; the wheel alone scrolls.
    const QPointF at(viewport.width() / 2.0, viewport.height() / 2.0);
    QWheelEvent ctrlWheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &ctrlWheel);
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.0);
    const int scrolled = view->verticalScrollBar()->value();
    QWheelEvent wheel(at, view->viewport()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view->viewport(), &wheel);
    EXPECT_DOUBLE_EQ(view->Zoom(), 1.0);
    EXPECT_LT(view->verticalScrollBar()->value(), scrolled);
    for (int i = 0; i < 20; ++i)
        preview->PreviewZoomIn->trigger();
    EXPECT_DOUBLE_EQ(view->Zoom(), PreviewView::MaxZoom);
    EXPECT_FALSE(preview->PreviewZoomIn->isEnabled());
}

TEST_F(PrintPreviewTest, FollowsThePrintersFeedProfile)
{
    if (!cups)
        GTEST_SKIP() << "private CUPS server unavailable: " << whyNot.toStdString();
    start();
    // Envelope paper, short edge first: each sheet is the envelope, turned.
    FeedProfile profile;
    profile.Paper = FeedProfile::EnvelopePaper;
    profile.LongEdgeFirst = false;
    WriteFeedProfile(*session->State().Settings, Printer().PrinterName(), profile);
    PrintPreviewWindow *preview = openPreview(addresses(2));
    ASSERT_NE(preview, nullptr);
    const PageGeometry &g = preview->View()->PageGeometryShown();
    ASSERT_TRUE(g.Feed.has_value());
    const TEnvelopeDimension &size =
        session->State().EnvelopeSizes.At(find<QComboBox>("ComboBoxEnvelopeSize")->currentIndex())->Dimension;
    const int dpi = g.Paper.DpiX;
    EXPECT_NEAR(g.Paper.Sheet.width(), size.Height * dpi, 2);
    EXPECT_NEAR(g.Paper.Sheet.height(), size.Width * dpi, 2);
    EXPECT_EQ(g.Paper.Printable, QRect(QPoint(0, 0), g.Paper.Sheet));

    // Without a profile the sheet is the printer's paper again.
    WriteFeedProfile(*session->State().Settings, Printer().PrinterName(), FeedProfile());
    find<QAction>("FilePrintPreview")->trigger();
    EXPECT_FALSE(preview->View()->PageGeometryShown().Feed.has_value());
}
