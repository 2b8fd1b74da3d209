// The print preview of 2560 envelopes, through the real main window and the
// private CUPS server's default queue: File, Print Preview until the first
// sheet is on the screen (the printer's paper read, the envelopes split, the
// window made and shown), and turning to another page of the open preview.
// Opening must stay under 0.2 s.

#include "app/controls/Controls.h"
#include "app/controls/Scale.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/preview/PrintPreviewWindow.h"
#include "app/preview/PreviewView.h"
#include "app/prompt/Prompt.h"
#include "app/session/Session.h"
#include "support/CupsServer.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>

using namespace zentrope;
using zentrope::test::CupsServer;

namespace {

constexpr int Envelopes = 2560;
TFormStampMain *g_main = nullptr;
CupsServer *g_cups = nullptr;

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

PrintPreviewWindow *preview()
{
    return g_main->findChild<PrintPreviewWindow *>(QStringLiteral("PrintPreviewWindow"));
}

// Lets events through until a sheet has been painted; false after 10 s.
bool untilPainted(const PreviewView *view, int before)
{
    QElapsedTimer waited;
    waited.start();
    while (view->RenderedSheets() == before) {
        if (waited.elapsed() > 10000)
            return false;
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void closePreview()
{
    if (PrintPreviewWindow *p = preview())
        p->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

void BM_OpenPreview(benchmark::State &state)
{
    if (!g_cups) {
        state.SkipWithError("private CUPS server unavailable");
        return;
    }
    auto *open = g_main->findChild<QAction *>(QStringLiteral("FilePrintPreview"));
    int pages = 0, painted = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        open->trigger();
        PrintPreviewWindow *p = preview();
        if (!p || !untilPainted(p->View(), 0)) {
            state.SkipWithError("the preview painted nothing");
            return;
        }
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        pages = p->View()->PageCount();
        painted = p->View()->RenderedSheets();
        closePreview();
    }
    state.counters["pages"] = pages;
    state.counters["sheets_painted"] = painted;
}
BENCHMARK(BM_OpenPreview)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(10)->Repetitions(3);

void BM_TurnPage(benchmark::State &state)
{
    if (!g_cups) {
        state.SkipWithError("private CUPS server unavailable");
        return;
    }
    g_main->findChild<QAction *>(QStringLiteral("FilePrintPreview"))->trigger();
    PrintPreviewWindow *p = preview();
    if (!p || !untilPainted(p->View(), 0)) {
        state.SkipWithError("the preview painted nothing");
        return;
    }
    PreviewView *view = p->View();
    int page = 1;
    for (auto _ : state) {
        // Far enough each time that the sheet is never one already painted.
        page = (page + 97) % Envelopes + 1;
        const int before = view->RenderedSheets();
        view->ShowPage(page);
        view->viewport()->repaint();
        if (view->RenderedSheets() == before) {
            state.SkipWithError("the page was not painted");
            break;
        }
    }
    closePreview();
}
BENCHMARK(BM_TurnPage)->Unit(benchmark::kMillisecond)->Iterations(50);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // A private home and only the private print server.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    if (!home.isValid())
        return 2;
    for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"})
        qputenv(var, QFile::encodeName(home.path()));
    qputenv("CUPS_SERVER", QFile::encodeName(home.filePath(QStringLiteral("no-cups.sock"))));
    QApplication app(argc, argv);
    Scale::setFixedDpi(120);
    Prompt::setScripted(true); // an unexpected dialog is refused, never waited on
    QString whyNot;
    g_cups = CupsServer::shared(&whyNot);
    if (!g_cups)
        std::fprintf(stderr, "private CUPS server unavailable: %s\n", qPrintable(whyNot));
    {
        ZentropeSession session;
        session.Start(StartOptions{
            {}, home.path() + QStringLiteral("/zentrope"), home.path() + QStringLiteral("/zentrope.ini")});
        g_main = session.MainWindow();
        g_main->show();
        QApplication::processEvents();
        g_main->FormActivate(g_main);
        auto *memo = g_main->findChild<MemoControl *>(QStringLiteral("MemoAddress"));
        memo->setText(addresses(Envelopes));
        g_main->UpdateMenu(g_main);
        // The fit check of the new text runs in slices; it is over before anything is timed.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 3000)
            QApplication::processEvents(QEventLoop::AllEvents, 50);

        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        memo->setModified(false);
        session.Shutdown();
    }
    return Prompt::unexpected() == 0 ? 0 : 2;
}
