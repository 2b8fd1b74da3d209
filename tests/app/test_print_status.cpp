#include "app/dialogs/FormPrintStatus.h"
#include "app/controls/Scale.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {

class PrintStatusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Scale::setFixedDpi(120);
        form = std::make_unique<TFormPrintStatus>();
    }
    void TearDown() override
    {
        form.reset();
        Scale::setFixedDpi(0);
    }
    std::unique_ptr<TFormPrintStatus> form;
};

} // namespace

TEST_F(PrintStatusTest, WindowAsDesigned)
{
    EXPECT_FALSE(form->isVisible()) << "created hidden";
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zentrope"));
    EXPECT_EQ(form->size(), QSize(317, 165));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(flags & (Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(form->PanelStatic->text(), QStringLiteral("Zentrope is printing..."));
    EXPECT_EQ(form->PanelProgress->text(), QStringLiteral("Copy X of Envelope X"));
    EXPECT_EQ(form->PanelStatic->geometry(), QRect(0, 0, 317, 36));
    EXPECT_EQ(form->PanelProgress->geometry(), QRect(0, 36, 317, 36));
    EXPECT_EQ(form->Gauge->geometry(), QRect(0, 72, 317, 32));
    EXPECT_EQ(form->CancelBtn->geometry(), QRect(110, 118, 95, 33));
    EXPECT_EQ(form->CancelBtn->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(form->font().bold());
    EXPECT_EQ(form->font().pixelSize(), 14);
    for (const char *name : {"PanelStatic", "PanelProgress", "Gauge", "CancelBtn"})
        EXPECT_NE(form->findChild<QWidget *>(QLatin1String(name)), nullptr) << name;
}

TEST_F(PrintStatusTest, GaugeDropsTheFraction)
{
    form->Start(6);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isModal()) << "nothing else may change the main window under the job";
    EXPECT_EQ(form->Gauge->text(), QStringLiteral("0%"));
    const char *expected[] = {"16%", "33%", "50%", "66%", "83%", "100%"};
    for (int page = 1; page <= 6; ++page) {
        form->SetProgress(page);
        EXPECT_EQ(form->Gauge->text(), QLatin1String(expected[page - 1])) << "after page " << page;
    }

    // The filled part is in the same proportion: at 2 of 6 a third is aqua.
    form->SetProgress(2);
    const QImage bar = form->Gauge->grab().toImage();
    const int y = 3;
    EXPECT_EQ(QColor(bar.pixel(bar.width() * 30 / 100, y)), QColor(0, 255, 255));
    EXPECT_EQ(QColor(bar.pixel(bar.width() * 40 / 100, y)), QColor(Qt::white));

    form->SetCopyText(3, 12);
    EXPECT_EQ(form->PanelProgress->text(), QStringLiteral("Copy 3 of Envelope 12"));

    // A job with no envelopes: maximum 0 shows 0%, not a busy bar or a division by zero.
    form->Start(0);
    EXPECT_EQ(form->Gauge->maximum(), 0);
    EXPECT_EQ(form->Gauge->text(), QStringLiteral("0%"));
    form->hide();
}

TEST_F(PrintStatusTest, CancelOnlyClearsTheFlag)
{
    form->ContinuePrinting = false;
    form->Start(6);
    EXPECT_TRUE(form->ContinuePrinting) << "each job starts with the flag set";
    form->SetProgress(1);

    QTest::mouseClick(form->CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(form->ContinuePrinting);
    EXPECT_TRUE(form->isVisible()) << "the window stays until the job hides it";
    EXPECT_EQ(form->Progress(), 1);
    QTest::mouseClick(form->CancelBtn, Qt::LeftButton);
    EXPECT_FALSE(form->ContinuePrinting);
    EXPECT_TRUE(form->isVisible());

    // Escape presses Cancel; a close request does not hide the window either.
    form->Start(6);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_FALSE(form->ContinuePrinting);
    EXPECT_TRUE(form->isVisible());
    form->ContinuePrinting = true;
    EXPECT_FALSE(form->close());
    EXPECT_FALSE(form->ContinuePrinting);
    EXPECT_TRUE(form->isVisible());

    form->hide();
    EXPECT_FALSE(form->ContinuePrinting) << "keeps its last value while hidden";
}

TEST_F(PrintStatusTest, RepaintsPacedValuesKeptLastPageShown)
{
    // What the window showed each time the gauge was painted.
    struct PaintLog : QObject {
        TFormPrintStatus *form = nullptr;
        QStringList shown;
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                shown << form->PanelProgress->text() + QLatin1Char(' ') + form->Gauge->text();
            return false;
        }
    } log;
    log.form = form.get();
    form->Gauge->installEventFilter(&log);

    // A job as the print job runs it: the printing layer lets events through
    // between pages.
    const int pages = 400;
    form->SetCopyText(1, 1);
    form->Start(pages);
    QElapsedTimer clock;
    clock.start();
    for (int page = 1; page <= pages; ++page) {
        form->SetCopyText(1, page);
        QApplication::processEvents();
        form->SetProgress(page);
        ASSERT_EQ(form->Progress(), page);
        ASSERT_EQ(form->PanelProgress->text(), QStringLiteral("Copy 1 of Envelope %1").arg(page));
        ASSERT_EQ(form->Gauge->text(), QStringLiteral("%1%").arg(page * 100 / pages));
    }
    QApplication::processEvents();
    const qint64 elapsed = clock.elapsed();
    ASSERT_FALSE(log.shown.isEmpty());
    EXPECT_EQ(log.shown.last(), QStringLiteral("Copy 1 of Envelope 400 100%")) << "the last page is shown";
    EXPECT_LE(log.shown.size(), elapsed / TFormPrintStatus::RepaintInterval + 3)
        << "painted " << log.shown.size() << " times in " << elapsed << " ms";
    EXPECT_TRUE(form->updatesEnabled());

    // Cancel during the second of six pages: the job ends after it, and the
    // window shows it.
    log.shown.clear();
    form->Start(6);
    for (int page = 1; page <= 2; ++page) {
        form->SetCopyText(1, page);
        QApplication::processEvents();
        if (page == 2)
            form->CancelBtn->click();
        form->SetProgress(page);
    }
    QApplication::processEvents();
    ASSERT_FALSE(log.shown.isEmpty());
    EXPECT_EQ(log.shown.last(), QStringLiteral("Copy 1 of Envelope 2 33%"));
    form->hide();
    EXPECT_TRUE(form->updatesEnabled());
}
