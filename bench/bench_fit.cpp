// The window's fit check: one envelope laid out without drawing, as the check
// does for every envelope whose text changed. A document of 10,000 envelopes
// costs this many times 10,000 once after it is opened.

#include "print/page/EnvelopeFit.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

using namespace zentrope;

static void BM_MeasureEnvelopeFit(benchmark::State &state)
{
    EnvelopePage page;
    page.DpiX = page.DpiY = static_cast<int>(state.range(0));
    page.Dimension.Width = 9.5;
    page.Dimension.Height = 4.125;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(11);
    page.AddressFont.Font = f;
    page.ReturnFont.Font = f;
    page.ReturnLines = {QStringLiteral("Jo Sender"), QStringLiteral("12 Side Street"),
                        QStringLiteral("Hometown, ST 54321")};
    page.AddressLines = {QStringLiteral("Jane Doe"), QStringLiteral("Acme Corporation"),
                         QStringLiteral("1742 Elm Street"), QStringLiteral("Anytown, ST 12345-6789")};
    int n = 0;
    for (auto _ : state) {
        // A different text each round, as the check meets new envelopes.
        page.AddressLines[0] = QStringLiteral("Jane Doe %1").arg(++n);
        benchmark::DoNotOptimize(MeasureEnvelopeFit(page).Fits);
    }
}
BENCHMARK(BM_MeasureEnvelopeFit)->Arg(600)->Arg(1200)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
