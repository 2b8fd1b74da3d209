// The print job end to end, as `zentrope /p FILE` runs it: a fresh process
// starts the program, opens an address file of N envelopes read-only, prints
// every envelope through the private CUPS server (the print dialog answered as
// a user would, with OK) and closes. A benchmark iteration lasts from starting
// that process until it has exited and the queue's device has received the
// job. Reported per size: the job alone (OK to the job handed to CUPS), the
// process's peak memory and, after both sizes, the marginal cost of one more
// page. Every envelope has a 3-line address with ZIP+4 (so a POSTNET bar
// code), the return address and a logo picture.
//
// Other uses, for scripts:
//   bench_print_job --print FILE --settings INI [--out PDF]
//       one job with a copy of the settings INI (its printer set to the
//       private server's queue), the PDF saved as PDF; prints
//       "seconds=<start to exit and job received> job_ms=... peak_kib=...".
//   bench_print_job --write-logo FILE
//       writes the logo picture the benchmark prints (BMP, PNG: by the suffix).
//   bench_print_job --child FILE INI   (the program process itself)

#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Prompt.h"
#include "app/session/Session.h"
#include "settings/QevIniFile.h"
#include "support/CupsServer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sys/resource.h>

using namespace zentrope;
using zentrope::test::CupsServer;

namespace {

CupsServer *cups = nullptr;
QString selfPath;
QTemporaryDir *workDir = nullptr;

struct JobResult {
    bool ok = false;
    double seconds = 0; // start of the process to its exit and the job received
    double jobMs = 0;   // OK in the print dialog to the job handed to CUPS
    long peakKib = 0;
    int requests = 0; // CUPS requests of the whole run
    QString pdf;
    QString error;
};

// The program's own process: what `zentrope /p FILE` does, with the print
// dialog answered OK.
int runChild(const QString &file, const QString &ini)
{
    int argc = 1;
    char name[] = "zentrope";
    char *argv[] = {name, nullptr};
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentrope"));
    Prompt::setScripted(true);
    QElapsedTimer job;
    Prompt::push([&job](QDialog &) {
        job.start();
        return int(QDialog::Accepted);
    });
    double jobMs = -1;
    {
        ZentropeSession session;
        session.Start(StartOptions{
            {QStringLiteral("/p"), file}, QFileInfo(ini).absolutePath() + QStringLiteral("/zentrope"), ini});
        if (job.isValid())
            jobMs = job.nsecsElapsed() / 1e6;
        session.Exec();
        session.Shutdown();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("job_ms=%.3f peak_kib=%ld unexpected=%d\n", jobMs, usage.ru_maxrss, Prompt::unexpected());
    return jobMs < 0 || Prompt::unexpected() ? 1 : 0;
}

// The logo in the corner: a small picture of a few colours.
QImage logo()
{
    QImage img(96, 96, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 6));
    p.setBrush(QColor(255, 200, 0));
    p.drawEllipse(QRectF(8, 8, 80, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawRect(QRectF(30, 40, 36, 16));
    return img;
}

// N envelopes of three lines, the last ending in ZIP+4, CR LF between lines
// and an empty line between envelopes.
QString writeAddresses(int envelopes)
{
    const QString path = workDir->filePath(QStringLiteral("envelopes-%1.env").arg(envelopes));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    QByteArray text;
    for (int i = 0; i < envelopes; ++i) {
        if (i > 0)
            text += "\r\n";
        text += QStringLiteral("Addressee %1\r\n%2 Elm Street\r\nAnytown, ST %3-%4\r\n")
                    .arg(i + 1)
                    .arg(1700 + i % 100)
                    .arg(10000 + i * 37 % 90000, 5, 10, QChar(u'0'))
                    .arg(1000 + i % 9000, 4, 10, QChar(u'0'))
                    .toLatin1();
    }
    f.write(text);
    return path;
}

// The settings a user would have: the raw queue as the printer and the logo.
QString writeSettings()
{
    const QString ini = workDir->filePath(QStringLiteral("app/zentrope.ini"));
    QDir().mkpath(QFileInfo(ini).absolutePath());
    QFile::remove(ini);
    const QString bmp = workDir->filePath(QStringLiteral("logo.bmp"));
    logo().save(bmp, "BMP");
    TQevIniFile settings(ini);
    settings.WriteString(QStringLiteral("Options"), QStringLiteral("GraphFile"), bmp);
    settings.WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::RawA);
    return ini;
}

JobResult runJob(const QString &file, const QString &ini)
{
    JobResult r;
    cups->clearReceived();
    const int before = cups->requestCount();
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(selfPath, {QStringLiteral("--child"), file, ini});
    if (!child.waitForFinished(600000)) {
        child.kill();
        r.error = QStringLiteral("the program did not end");
        return r;
    }
    if (!cups->waitForJobs(CupsServer::RawA, 1, 600000)) {
        r.error = QStringLiteral("the job did not arrive");
        return r;
    }
    r.seconds = clock.nsecsElapsed() / 1e9;
    r.requests = cups->requestCount() - before;
    const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
    for (const QString &field : out.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString key = field.section(QLatin1Char('='), 0, 0);
        const QString value = field.section(QLatin1Char('='), 1).trimmed();
        if (key == QLatin1String("job_ms"))
            r.jobMs = value.toDouble();
        else if (key == QLatin1String("peak_kib"))
            r.peakKib = value.toLong();
    }
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        r.error = QStringLiteral("the program failed: ") + out +
                  QString::fromLocal8Bit(child.readAllStandardError());
        return r;
    }
    r.pdf = cups->receivedFiles(CupsServer::RawA).last();
    r.ok = true;
    return r;
}

std::map<int, JobResult> best;

void BM_PrintJob(benchmark::State &state)
{
    if (!cups) {
        state.SkipWithError("private CUPS server unavailable");
        return;
    }
    const int envelopes = int(state.range(0));
    const QString file = writeAddresses(envelopes);
    const QString ini = writeSettings();
    JobResult last;
    for (auto _ : state) {
        last = runJob(file, ini);
        if (!last.ok) {
            state.SkipWithError(last.error.toLocal8Bit().constData());
            return;
        }
        state.SetIterationTime(last.seconds);
        JobResult &b = best[envelopes];
        if (!b.ok || last.seconds < b.seconds)
            b.seconds = last.seconds, b.ok = true;
        if (b.jobMs == 0 || last.jobMs < b.jobMs)
            b.jobMs = last.jobMs;
        b.peakKib = std::max(b.peakKib, last.peakKib);
    }
    state.counters["job_ms"] = last.jobMs;
    state.counters["job_per_page_ms"] = last.jobMs / envelopes;
    state.counters["peak_MiB"] = last.peakKib / 1024.0;
    state.counters["cups_requests"] = last.requests;
    // ZENTROPE_BENCH_KEEP_PDF=<folder> keeps each size's PDF for a page-by-page comparison.
    if (const char *keep = std::getenv("ZENTROPE_BENCH_KEEP_PDF")) {
        const QString target =
            QDir(QString::fromLocal8Bit(keep)).filePath(QStringLiteral("job-%1.pdf").arg(envelopes));
        QFile::remove(target);
        QFile::copy(last.pdf, target);
    }
}
BENCHMARK(BM_PrintJob)
    ->Arg(256)
    ->Arg(2560)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(1)
    ->Repetitions(5);

// A private home for everything the program writes.
bool makeHome(QTemporaryDir &home)
{
    if (!home.isValid())
        return false;
    workDir = &home;
    for (const char *var : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"})
        qputenv(var, QFile::encodeName(home.path()));
    qputenv("CUPS_SERVER", QFile::encodeName(home.filePath(QStringLiteral("no-cups.sock"))));
    return true;
}

// The private server, which the program's processes reach through CUPS_SERVER.
bool startCups()
{
    QString whyNot;
    cups = CupsServer::shared(&whyNot);
    if (!cups)
        std::fprintf(stderr, "private CUPS server unavailable: %s\n", qPrintable(whyNot));
    return cups != nullptr;
}

int printOnce(const QString &file, const QString &ini, const QString &out)
{
    // A copy of the caller's settings, printing on the private server's queue.
    const QString copy = workDir->filePath(QStringLiteral("app/zentrope.ini"));
    QDir().mkpath(QFileInfo(copy).absolutePath());
    if (!QFile::copy(ini, copy)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(ini));
        return 1;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    TQevIniFile(copy).WriteString(QStringLiteral("Printer"), QStringLiteral("PrinterName"), CupsServer::RawA);
    const JobResult r = runJob(file, copy);
    if (!r.ok) {
        std::fprintf(stderr, "%s\n", qPrintable(r.error));
        return 1;
    }
    if (!out.isEmpty()) {
        QFile::remove(out);
        QFile::copy(r.pdf, out);
    }
    std::printf("seconds=%.3f job_ms=%.1f peak_kib=%ld\n", r.seconds, r.jobMs, r.peakKib);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));

    // The program process gets absolute paths.
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    const auto absolute = [](const QString &p) { return QFileInfo(p).absoluteFilePath(); };
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/zentrope-bench-XXXXXX"));
    if (!makeHome(home))
        return 2;
    QApplication app(argc, argv);
    selfPath = QCoreApplication::applicationFilePath();
    if (args.size() == 2 && args[0] == QLatin1String("--write-logo"))
        return logo().save(absolute(args[1])) ? 0 : 1; // the format by the name's suffix
    if (args.size() >= 4 && args[0] == QLatin1String("--print") && args[2] == QLatin1String("--settings")) {
        const QString out =
            args.size() >= 6 && args[4] == QLatin1String("--out") ? absolute(args[5]) : QString();
        if (!startCups())
            return 2;
        return printOnce(absolute(args[1]), absolute(args[3]), out);
    }
    startCups();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (best.count(256) && best.count(2560)) {
        const JobResult &small = best[256], &large = best[2560];
        std::printf("marginal cost per page, start to job received and exit (best of each size): %.3f ms\n",
                    (large.seconds - small.seconds) * 1000.0 / (2560 - 256));
        std::printf("marginal cost per page, the job alone (best of each size): %.3f ms\n",
                    (large.jobMs - small.jobMs) / (2560 - 256));
        std::printf("peak memory: %.1f MiB at 256 envelopes, %.1f MiB at 2560\n", small.peakKib / 1024.0,
                    large.peakKib / 1024.0);
    }
    return 0;
}
