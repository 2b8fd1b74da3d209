// `zentrope --pdf` as a script runs it: the real program started for 256
// envelopes (three lines with ZIP+4, a return address, a bar code and a corner
// logo BMP), wall time per run with the start-up included; and the peak
// memory of one run with 2560 envelopes. One command reproduces both:
//     build/bench/bench_script_pdf

#include "envelope/ReturnAddressCatalog.h"
#include "settings/ProgramSettings.h"
#include "settings/QevIniFile.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

using namespace zentrope;

namespace {

// A folder with the settings (a logo, the built-in return address), the two
// address files and room for the PDF, made once.
struct Workplace {
    QTemporaryDir dir;
    QString settings, pdf;

    Workplace()
    {
        QImage logo(96, 96, QImage::Format_RGB32);
        logo.fill(Qt::white);
        QPainter p(&logo);
        p.fillRect(8, 8, 80, 80, QColor(0x33, 0x66, 0xcc));
        p.fillRect(28, 28, 40, 40, Qt::black);
        p.end();
        logo.save(dir.filePath(QStringLiteral("logo.bmp")), "BMP");
        settings = dir.filePath(QStringLiteral("zentrope.ini"));
        TQevIniFile ini(settings);
        ProgramSettings(ini).SetGraphicFile(dir.filePath(QStringLiteral("logo.bmp")));
        ProgramSettings(ini).SetPrintBarCode(true);
        ReturnAddressCatalog returns;
        returns.Load(ini);
        returns.Save(ini);
        for (const int count : {256, 2560}) {
            QByteArray text;
            for (int i = 0; i < count; ++i)
                text += QStringLiteral("Addressee %1\r\n%2 Elm Street\r\nAnytown, ST %3-6789\r\n\r\n")
                            .arg(i)
                            .arg(1700 + i % 100)
                            .arg(10000 + i * 37 % 90000, 5, 10, QChar(u'0'))
                            .toUtf8();
            QFile f(addresses(count));
            if (f.open(QIODevice::WriteOnly))
                f.write(text);
        }
        pdf = dir.filePath(QStringLiteral("envelopes.pdf"));
    }
    QString addresses(int count) const { return dir.filePath(QStringLiteral("%1.env").arg(count)); }
};

Workplace &workplace()
{
    static Workplace w;
    return w;
}

// What one run of the program cost: its processor time (user and system) and
// its peak resident memory.
struct RunCost {
    double cpuMs = 0;
    long maxRssKiB = 0;
};

// Runs the program to its end; its exit status.
int runProgram(int envelopes, RunCost *cost)
{
    const QByteArray program = ZENTROPE_PROGRAM;
    const QByteArray out = workplace().pdf.toLocal8Bit(), in = workplace().addresses(envelopes).toLocal8Bit(),
                     settings = workplace().settings.toLocal8Bit();
    const char *argv[] = {program.constData(),  "--pdf",        out.constData(), "--settings",
                          settings.constData(), in.constData(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, const_cast<char **>(argv), environ) != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return -1;
    if (cost) {
        cost->maxRssKiB = usage.ru_maxrss;
        cost->cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                      (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Wall time per run (the benchmark's time, real time: this process only
// waits), the program's own processor time per run, which another load on the
// machine hardly changes, and its peak memory.
void runScript(benchmark::State &state, int envelopes)
{
    workplace();
    double cpuMs = 0;
    long peak = 0;
    for (auto _ : state) {
        RunCost cost;
        if (runProgram(envelopes, &cost) != 0) {
            state.SkipWithError("zentrope --pdf failed");
            break;
        }
        cpuMs += cost.cpuMs;
        peak = std::max(peak, cost.maxRssKiB);
    }
    state.counters["program_cpu_ms"] =
        cpuMs / double(std::max<benchmark::IterationCount>(1, state.iterations()));
    state.counters["peak_MiB"] = double(peak) / 1024.0;
}

void BM_ScriptPdf256Envelopes(benchmark::State &state)
{
    runScript(state, 256);
}
BENCHMARK(BM_ScriptPdf256Envelopes)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(20)
    ->Repetitions(3);

void BM_ScriptPdf2560Envelopes(benchmark::State &state)
{
    runScript(state, 2560);
}
BENCHMARK(BM_ScriptPdf2560Envelopes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

BENCHMARK_MAIN();
