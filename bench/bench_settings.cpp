// One key written to a settings file of 300 keys: the cost of a settings write
// with the locked, atomic replace of the whole file; and one key read, from the
// store's parsed copy and after another running copy changed the file.
#include "settings/QevIniFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace zentrope;

namespace {

// 300 keys in the sections a real settings file has, about 9 KB.
void fill(TIniFile &ini)
{
    const QStringList sections = {"Options",   "EnvelopeFont",    "ReturnAddressFont", "Position",
                                  "Envelopes", "ReturnAddresses", "OldFiles",          "Printer"};
    for (int i = 0; i < 300; ++i)
        ini.WriteString(sections[i % sections.size()], QStringLiteral("Key%1").arg(i),
                        QStringLiteral("value %1 with some ordinary text").arg(i));
}

void BM_WriteOneKey(benchmark::State &state)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    TIniFile ini(dir.filePath(QStringLiteral("zentrope.ini")));
    fill(ini);
    int n = 0;
    std::vector<double> each;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        // A changed value each time: an unchanged one leaves the file alone.
        ini.WriteInteger(QStringLiteral("Envelopes"), QStringLiteral("Key4"), ++n);
        each.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    // The median of single writes: a few slow flushes by the file system
    // should not hide what a typical write costs.
    std::nth_element(each.begin(), each.begin() + each.size() / 2, each.end());
    state.counters["median_write_us"] = each.empty() ? 0.0 : each[each.size() / 2];
}

// The file is unchanged between reads: each read checks the file's identity
// and answers from the parsed copy.
void BM_ReadOneKey(benchmark::State &state)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    TIniFile ini(dir.filePath(QStringLiteral("zentrope.ini")));
    fill(ini);
    for (auto _ : state)
        benchmark::DoNotOptimize(ini.ReadInteger(QStringLiteral("Printer"), QStringLiteral("Key295"), 0));
}

// Another store (as another running copy would) changes the file before each
// read, so the read parses the file again: what every read cost before the
// parsed copy was kept.
void BM_ReadOneKeyChangedByOther(benchmark::State &state)
{
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    TIniFile ini(dir.filePath(QStringLiteral("zentrope.ini")));
    TIniFile other(ini.FileName());
    fill(ini);
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        other.WriteInteger(QStringLiteral("Options"), QStringLiteral("Key0"), ++n);
        state.ResumeTiming();
        benchmark::DoNotOptimize(ini.ReadInteger(QStringLiteral("Printer"), QStringLiteral("Key295"), 0));
    }
}

} // namespace

BENCHMARK(BM_WriteOneKey)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadOneKey)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadOneKeyChangedByOther)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
