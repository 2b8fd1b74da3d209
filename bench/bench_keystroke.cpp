// One keystroke in a 200-line destination address, through the real main
// window: the key reaches the address box, its text change runs the bar code
// preview and the command-state refresh.

#include "app/controls/Controls.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "app/session/Session.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <memory>

using namespace zentrope;

namespace {
TFormStampMain *g_main = nullptr;

void sendKey(QWidget *w, int key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(w, &release);
}

void BM_KeystrokeIn200LineAddress(benchmark::State &state)
{
    auto *memo = g_main->findChild<MemoControl *>(QStringLiteral("MemoAddress"));
    QString text;
    for (int i = 1; i < 200; ++i)
        text += QStringLiteral("%1 Line of the address, some words long\n").arg(i);
    text += QStringLiteral("Anytown, ST 12345-6789");
    memo->setText(text);
    memo->setFocus();
    QTextCursor c = memo->textCursor();
    c.movePosition(QTextCursor::Start);
    memo->setTextCursor(c);
    sendKey(memo, Qt::Key_A, QStringLiteral("a"));
    if (memo->text().size() != text.size() + 1) {
        state.SkipWithError("the keystrokes do not reach the address box");
        return;
    }
    sendKey(memo, Qt::Key_Backspace, QString());
    bool type = true;
    for (auto _ : state) {
        // Typing and erasing in turn keeps the text the same size.
        if (type)
            sendKey(memo, Qt::Key_A, QStringLiteral("a"));
        else
            sendKey(memo, Qt::Key_Backspace, QString());
        type = !type;
    }
}
BENCHMARK(BM_KeystrokeIn200LineAddress)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
} // namespace

int main(int argc, char **argv)
{
    // A private home: start-up writes desktop registration and settings.
    QTemporaryDir home;
    if (!home.isValid())
        return 1;
    const QByteArray h = home.path().toLocal8Bit();
    setenv("HOME", h.constData(), 1);
    for (const char *var : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        setenv(var, (h + '/' + var).constData(), 1);
    setenv("CUPS_SERVER", (h + "/no-cups.sock").constData(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);

    QApplication app(argc, argv);
    Scale::setFixedDpi(120);
    Prompt::setScripted(true); // an unexpected dialog is refused, never waited on
    {
        ZentropeSession session;
        session.Start(StartOptions{
            {}, home.path() + QStringLiteral("/zentrope"), home.path() + QStringLiteral("/zentrope.ini")});
        g_main = session.MainWindow();
        g_main->show();
        QApplication::processEvents();
        g_main->FormActivate(g_main);

        benchmark::Initialize(&argc, argv);
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        g_main->findChild<MemoControl *>(QStringLiteral("MemoAddress"))->setModified(false);
        session.Shutdown();
    }
    return Prompt::unexpected() == 0 ? 0 : 2;
}
