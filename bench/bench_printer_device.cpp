// A print job through the printing layer and the private CUPS server, as the
// print command runs it: per page the printer's resolution, orientation and
// printable size are read, a new page started and an envelope painted; the job
// ends when the queue's device has received the PDF. Reports the wall time per
// page, the CUPS requests the job made and, after both sizes ran, the marginal
// cost of one more page.

#include "print/DeviceMode.h"
#include "print/PrinterDevice.h"
#include "SampleEnvelope.h"
#include "print/page/EnvelopePage.h"
#include "support/CupsServer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>

using namespace zentrope;
using zentrope::test::CupsServer;

namespace {

CupsServer *cups = nullptr;
std::map<int, double> bestSecondsPerJob;

EnvelopePage makePage(PrinterDevice &printer, int i)
{
    EnvelopePage p = bench::SampleEnvelopePage(i);
    // What the job asks the printer for every page.
    p.DpiX = printer.DpiX();
    p.DpiY = printer.DpiY();
    p.Landscape = printer.Landscape();
    p.PrintableWidthMM = printer.WidthMM();
    p.PrintableHeightMM = printer.HeightMM();
    p.SizeName = QStringLiteral("Size 10");
    return p;
}

void BM_PrintJob(benchmark::State &state)
{
    if (!cups) {
        state.SkipWithError("private CUPS server unavailable");
        return;
    }
    const int pages = int(state.range(0));
    // One printer for the whole run, as the program keeps one per session;
    // released with the application object, which it must not outlive.
    static PrinterDevice *device = [] {
        auto *d = new PrinterDevice;
        qAddPostRoutine([] { delete device; });
        return d;
    }();
    PrinterDevice &printer = *device;
    printer.SetPrinterIndex(int(printer.Printers().indexOf(CupsServer::RawA)));
    DeviceMode mode = printer.GetDeviceMode();
    mode.PaperSize = 20; // No. 10 envelope
    mode.Orientation = DeviceMode::OrientLandscape;
    printer.SetDeviceMode(mode);
    int requests = 0;
    double best = 1e300;
    for (auto _ : state) {
        cups->clearReceived();
        const int before = cups->requestCount();
        const auto start = std::chrono::steady_clock::now();
        printer.SetTitle(QStringLiteral("Zentrope Envelope"));
        printer.BeginDoc();
        for (int i = 0; i < pages; ++i) {
            if (i > 0)
                printer.NewPage();
            PaintEnvelopePage(printer.Canvas(), makePage(printer, i));
        }
        printer.EndDoc();
        if (!cups->waitForJobs(CupsServer::RawA, 1, 600000)) {
            state.SkipWithError("the job did not arrive");
            return;
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        best = std::min(best, seconds);
        requests = cups->requestCount() - before;
    }
    state.SetItemsProcessed(state.iterations() * pages);
    state.counters["per_page"] = benchmark::Counter(
        double(state.iterations()) * pages, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["cups_requests"] = requests;
    const auto known = bestSecondsPerJob.find(pages);
    if (known == bestSecondsPerJob.end() || best < known->second)
        bestSecondsPerJob[pages] = best;
    // ZENTROPE_BENCH_KEEP_PDF=<folder> keeps each size's PDF for a page-by-page comparison.
    if (const char *keep = std::getenv("ZENTROPE_BENCH_KEEP_PDF")) {
        const QString target =
            QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("job-%1.pdf").arg(pages));
        QFile::remove(target);
        QFile::copy(cups->receivedFiles(CupsServer::RawA).last(), target);
    }
}
BENCHMARK(BM_PrintJob)
    ->Arg(256)
    ->Arg(2560)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(3);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // The job must reach only the private server and leave the user's files alone.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    if (!home.isValid())
        return 2;
    for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME"})
        qputenv(var, QFile::encodeName(home.path()));
    qputenv("CUPS_SERVER", QFile::encodeName(home.filePath(QStringLiteral("no-cups.sock"))));
    QApplication app(argc, argv);
    QString whyNot;
    cups = CupsServer::shared(&whyNot);
    if (!cups)
        std::fprintf(stderr, "private CUPS server unavailable: %s\n", qPrintable(whyNot));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (bestSecondsPerJob.count(256) && bestSecondsPerJob.count(2560))
        std::printf("marginal cost per page (best of each size): %.3f ms\n",
                    (bestSecondsPerJob[2560] - bestSecondsPerJob[256]) * 1000.0 / (2560 - 256));
    return 0;
}
