#include "app/session/Session.h"

#include "app/controls/ProgramIcon.h"
#include "app/dialogs/DlgAbout.h"
#include "app/dialogs/DlgEnvelopeSizes.h"
#include "app/dialogs/DlgNewEnvelopeSize.h"
#include "app/dialogs/DlgNewReturnAddress.h"
#include "app/dialogs/DlgReturnAddresses.h"
#include "app/dialogs/FormPrintStatus.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Guard.h"
#include "app/help/HelpDesk.h"
#include "app/prompt/Prompt.h"
#include "batch/ScriptCommand.h"
#include "batch/ScriptRun.h"
#include "core/FileName.h"
#include "shell/ProgramLanguage.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QTimer>
#include <QWindow>

namespace zentrope {

struct ZentropeSession::Windows {
    std::unique_ptr<TFormStampMain> main;
    std::unique_ptr<TDlgAbout> about;
    std::unique_ptr<TDlgNewReturnAddress> newReturnAddress;
    std::unique_ptr<TDlgNewEnvelopeSize> newEnvelopeSize;
    std::unique_ptr<TDlgEnvelopeSizes> envelopeSizes;
    std::unique_ptr<TDlgReturnAddresses> returnAddresses;
    std::function<void()> makeEnvelopeSizes;
    std::function<void()> makeReturnAddresses;
    std::unique_ptr<TFormPrintStatus> printStatus;
};

ZentropeSession::ZentropeSession()
    : m_help(std::make_unique<HelpDesk>(m_state.Application)), m_windows(std::make_unique<Windows>())
{
}

ZentropeSession::~ZentropeSession()
{
    Shutdown();
}

void ZentropeSession::Start(const StartOptions &options)
{
    ApplicationInfo &app = m_state.Application;
    app.ExeName = options.ProgramPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                : QFileInfo(options.ProgramPath).absoluteFilePath();
    const QString settings = options.SettingsPath.isEmpty()
                                 ? SettingsFilePath(QFileInfo(app.ExeName).absolutePath())
                                 : options.SettingsPath;
    m_state.Settings = std::make_unique<TQevIniFile>(QFileInfo(settings).absoluteFilePath());
    m_state.RecentFiles = std::make_unique<TOldFileList>(*m_state.Settings);
    m_state.Printer = std::make_unique<PrinterDevice>();
    app.Title = QStringLiteral("Zentrope");
    app.HelpFile = QStringLiteral("zentrope.hlp");
    QGuiApplication::setApplicationDisplayName(QString());

    Windows &w = *m_windows;
    w.main = std::make_unique<TFormStampMain>(m_state, *m_help);
    TFormStampMain *main = w.main.get();
    m_help->SetMainWindow(main);
    Prompt::helpHandler() = [help = m_help.get()](int topic) { help->ShowTopic(topic); };
    Prompt::afterModalHandler() = [main] {
        if (main->isVisible())
            Guarded([main] { main->FormActivate(main); });
    };
    QObject::connect(main, &TFormStampMain::closed, main, [help = m_help.get()] { help->Close(); });

    // The About box and the name dialogs are made at their first use: most
    // sessions never open them, and each costs start-up time.
    const auto about = [&w, main]() -> TDlgAbout & {
        if (!w.about)
            w.about = std::make_unique<TDlgAbout>(main);
        return *w.about;
    };
    const auto newEnvelopeSize = [&w, main]() -> TDlgNewEnvelopeSize & {
        if (!w.newEnvelopeSize)
            w.newEnvelopeSize = std::make_unique<TDlgNewEnvelopeSize>(main);
        return *w.newEnvelopeSize;
    };
    const auto newReturnAddress = [&w, main]() -> TDlgNewReturnAddress & {
        if (!w.newReturnAddress)
            w.newReturnAddress = std::make_unique<TDlgNewReturnAddress>(main);
        return *w.newReturnAddress;
    };
    // So are the catalog dialogs; their catalogs are loaded now, for the pickers.
    w.makeEnvelopeSizes = [this, &w, main, newEnvelopeSize] {
        w.envelopeSizes = std::make_unique<TDlgEnvelopeSizes>(m_state.EnvelopeSizes, *m_state.Settings,
                                                              m_state.Graphic, newEnvelopeSize, main);
        TDlgEnvelopeSizes *sizes = w.envelopeSizes.get();
        QObject::connect(sizes, &TDlgEnvelopeSizes::catalogChanged, main,
                         Guard([main] { main->UpdateEnvelopeSizeCombo(); }));
        QObject::connect(sizes, &TDlgEnvelopeSizes::envelopeShown, main,
                         [main](int index) { Guarded([&] { main->SelectEnvelopeSize(index); }); });
        QObject::connect(sizes, &TDlgEnvelopeSizes::printSetupRequested, main,
                         Guard([main, sizes] { main->FilePrintSetupClick(sizes->SetupBtn); }));
        // Made when it is about to open, which then selects the picker's size:
        // showing the catalog's own selection meanwhile must not reach the picker.
        const QSignalBlocker quiet(sizes);
        Guarded([sizes] { sizes->FormCreate(sizes); });
    };
    w.makeReturnAddresses = [this, &w, main, newReturnAddress] {
        w.returnAddresses = std::make_unique<TDlgReturnAddresses>(m_state.ReturnAddresses, *m_state.Settings,
                                                                  newReturnAddress, main);
        TDlgReturnAddresses *returns = w.returnAddresses.get();
        QObject::connect(returns, &TDlgReturnAddresses::catalogChanged, main,
                         Guard([main] { main->FillReturnAddressCombo(); }));
        QObject::connect(returns, &TDlgReturnAddresses::addressShown, main,
                         [main](int index) { Guarded([&] { main->SelectReturnAddress(index); }); });
        QObject::connect(returns, &TDlgReturnAddresses::detailsChanged, main,
                         Guard([main] { main->ShowReturnAddress(); }));
        const QSignalBlocker quiet(returns);
        Guarded([returns] { returns->FormCreate(returns); });
    };
    w.printStatus = std::make_unique<TFormPrintStatus>(main);
    main->SetDialogs({about, [this]() -> TDlgEnvelopeSizes & { return *EnvelopeSizesDialog(); },
                      [this]() -> TDlgReturnAddresses & { return *ReturnAddressesDialog(); },
                      w.printStatus.get()});

    // The pickers show the catalogs with the entries the catalogs select.
    Guarded([&] {
        const int selected = m_state.EnvelopeSizes.Load(*m_state.Settings);
        main->UpdateEnvelopeSizeCombo();
        main->SelectEnvelopeSize(selected);
    });
    Guarded([&] {
        const int selected = m_state.ReturnAddresses.Load(*m_state.Settings);
        main->FillReturnAddressCombo();
        main->SelectReturnAddress(selected);
    });
    m_started = true;

    Guarded([&] { main->RunCommandLine(options.Arguments); });
}

namespace {

// Finishes the main window and builds the printer once the window's first
// paint is done, so CUPS is asked while the user looks at the window rather
// than before it appears. Any use of the printer before then builds it first.
class FirstExposeWatch : public QObject {
public:
    FirstExposeWatch(QWindow *window, TFormStampMain &main, PrinterDevice &printer)
        : QObject(window), m_main(main), m_printer(printer)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (e->type() == QEvent::Expose && window && window->isExposed()) {
            window->removeEventFilter(this);
            // After the expose event, which paints the window.
            QTimer::singleShot(0, window,
                               [&main = m_main, &printer = m_printer] { afterFirstPaint(main, printer); });
            deleteLater();
        }
        return false;
    }

public:
    static void afterFirstPaint(TFormStampMain &main, PrinterDevice &printer)
    {
        main.AfterFirstPaint();
        Guarded([&] { printer.Prepare(); });
    }

private:
    TFormStampMain &m_main;
    PrinterDevice &m_printer;
};

void PrepareAfterFirstExpose(TFormStampMain *window, PrinterDevice &printer)
{
    if (QWindow *handle = window->windowHandle())
        new FirstExposeWatch(handle, *window, printer);
    else
        FirstExposeWatch::afterFirstPaint(*window, printer);
}

} // namespace

int ZentropeSession::Exec()
{
    TFormStampMain *main = MainWindow();
    if (!main)
        return 1;
    QEventLoop loop;
    QObject::connect(main, &TFormStampMain::closed, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    main->show();
    Guarded([main] { main->FormActivate(main); });
    PrepareAfterFirstExpose(main, *m_state.Printer);
    if (main->isVisible())
        loop.exec();
    return 0;
}

void ZentropeSession::Shutdown()
{
    if (!m_started)
        return;
    m_started = false;
    Prompt::afterModalHandler() = nullptr;
    Prompt::helpHandler() = nullptr;
    Windows &w = *m_windows;
    // No dialog is made from here on.
    w.makeEnvelopeSizes = nullptr;
    w.makeReturnAddresses = nullptr;
    // The catalogs are saved here, in the order their dialogs are destroyed,
    // since nothing may throw from a destructor. A catalog this copy did not
    // change is left as another running copy may have written it. A settings
    // file that cannot be written is told once, not once per catalog.
    bool &shown = m_state.SettingsFailureShown;
    GuardedOnce(shown, [&] { m_state.ReturnAddresses.SaveAtShutdown(*m_state.Settings); });
    GuardedOnce(shown, [&] { m_state.EnvelopeSizes.SaveAtShutdown(*m_state.Settings); });
    w.printStatus.reset();
    w.returnAddresses.reset();
    w.envelopeSizes.reset();
    w.newEnvelopeSize.reset();
    w.newReturnAddress.reset();
    w.about.reset();
    Guarded([&] { w.main->FormDestroy(w.main.get()); });
    w.main.reset();
    m_state.Printer.reset();
    m_state.RecentFiles.reset();
    m_state.Settings.reset();
}

TFormStampMain *ZentropeSession::MainWindow() const
{
    return m_windows->main.get();
}

TDlgEnvelopeSizes *ZentropeSession::EnvelopeSizesDialog()
{
    Windows &w = *m_windows;
    if (!w.envelopeSizes && w.makeEnvelopeSizes)
        w.makeEnvelopeSizes();
    return w.envelopeSizes.get();
}

TDlgReturnAddresses *ZentropeSession::ReturnAddressesDialog()
{
    Windows &w = *m_windows;
    if (!w.returnAddresses && w.makeReturnAddresses)
        w.makeReturnAddresses();
    return w.returnAddresses.get();
}

TFormPrintStatus *ZentropeSession::PrintStatusWindow() const
{
    return m_windows->printStatus.get();
}

int RunZentrope(int argc, char **argv)
{
    // A first argument beginning with "--" runs a script, without any window.
    if (IsScriptCommandLine(argc, argv))
        return RunScript(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentrope"));
    QApplication::setWindowIcon(ProgramIcon());
    // The user's language, Qt's dialogs included, before any window exists.
    const ProgramLanguage language(ProgramLanguage::Choose(ProgramLanguage::UserPreferences()));
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i] || !*argv[i])
            break; // an empty argument ends the list
        // A file name by its bytes, UTF-8 or not.
        args << DecodeFileName(argv[i]);
    }
    ZentropeSession session;
    int rc = 0;
    Guarded([&] {
        session.Start(StartOptions{args, {}, {}});
        rc = session.Exec();
    });
    session.Shutdown();
    return rc;
}

} // namespace zentrope
