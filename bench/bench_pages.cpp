// 256 envelopes painted by the print job's page painter into a PDF at 600 dpi,
// each with a 12-digit bar code, a return address and a metafile logo: time
// per page and the process's memory growth per page.

#include "platform/Metafile.h"
#include "SampleEnvelope.h"
#include "print/page/EnvelopePage.h"

#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

using namespace zentrope;

namespace {
// A small placeable metafile: a filled rectangle, an ellipse and a polygon.
QByteArray logoWmf()
{
    QByteArray records;
    QDataStream r(&records, QIODevice::WriteOnly);
    r.setByteOrder(QDataStream::LittleEndian);
    auto rec = [&r](quint16 fn, std::initializer_list<qint16> params) {
        r << quint32(3 + params.size()) << fn;
        for (qint16 p : params)
            r << p;
    };
    rec(0x020B, {0, 0});                                      // SetWindowOrg
    rec(0x020C, {1000, 1000});                                // SetWindowExt
    rec(0x02FC, {0, 0x3366, 0x00CC, 0});                      // CreateBrushIndirect: solid, colour
    rec(0x012D, {0});                                         // SelectObject
    rec(0x041B, {900, 900, 100, 100});                        // Rectangle (bottom, right, top, left)
    rec(0x0418, {700, 700, 300, 300});                        // Ellipse
    rec(0x0324, {4, 500, 150, 850, 500, 500, 850, 150, 500}); // Polygon
    rec(0x0003, {});                                          // EOF
    const quint32 words = 9 + records.size() / 2;

    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const quint16 head[] = {0xCDD7, 0x9AC6, 0, 0, 0, 1000, 1000, 1000, 0, 0};
    quint16 sum = 0;
    for (quint16 h : head)
        sum ^= h;
    for (quint16 h : head)
        s << h;
    s << sum;
    s << quint16(1) << quint16(9) << quint16(0x0300) << words << quint16(1) << quint32(12) << quint16(0);
    out += records;
    return out;
}

long rssKiB()
{
    FILE *f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

EnvelopePage makePage(const Metafile &logo, int i)
{
    EnvelopePage p = bench::SampleEnvelopePage(i);
    p.DpiX = p.DpiY = 600;
    p.GraphicLoaded = true;
    p.Graphic = [logo](QPainter &painter, const QRect &r) { logo.play(painter, r); };
    p.GraphicPixels = QSize(96, 96);
    p.GraphicX = 1.0;
    p.GraphicY = 1.0;
    return p;
}

void BM_Pages256At600Dpi(benchmark::State &state)
{
    QTemporaryDir dir;
    if (const char *keep = std::getenv("ZENTROPE_BENCH_KEEP"))
        dir.setAutoRemove(std::atoi(keep) == 0);
    const Metafile logo = Metafile::fromData(logoWmf());
    std::vector<EnvelopePage> pages;
    for (int i = 0; i < 256; ++i)
        pages.push_back(makePage(logo, i));
    double growthPerPage = 0;
    for (auto _ : state) {
        QPdfWriter pdf(dir.filePath(QStringLiteral("envelopes.pdf")));
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QPageSize::Comm10E));
        pdf.setPageOrientation(QPageLayout::Landscape);
        pdf.setTitle(QStringLiteral("Zentrope Envelope"));
        QPainter painter(&pdf);
        // The first page warms the fonts and the writer; growth is measured after it.
        PaintEnvelopePage(painter, pages[0]);
        const long before = rssKiB();
        for (int i = 1; i < 256; ++i) {
            pdf.newPage();
            PaintEnvelopePage(painter, pages[i]);
        }
        const long after = rssKiB();
        painter.end();
        growthPerPage = double(after - before) / 255.0;
    }
    state.SetItemsProcessed(state.iterations() * 256);
    // Processor seconds per page; the report prints it with its unit (e.g. "4.1ms").
    state.counters["cpu_per_page"] = benchmark::Counter(
        double(state.iterations()) * 256, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["KiB_growth_per_page"] = growthPerPage;
}
BENCHMARK(BM_Pages256At600Dpi)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);
} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
