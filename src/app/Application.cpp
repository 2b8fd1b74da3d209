#include "app/Application.h"

#include "app/DlgAbout.h"
#include "app/DlgEnvelopeSizes.h"
#include "app/DlgNewEnvelopeSize.h"
#include "app/DlgNewReturnAddress.h"
#include "app/DlgReturnAddresses.h"
#include "app/FormPrintStatus.h"
#include "app/FormStampMain.h"
#include "app/Guard.h"
#include "app/Prompt.h"
#include "document/OldFileList.h"
#include "settings/QevIniFile.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>

namespace zentrope {

ApplicationInfo Application;
TFormStampMain *FormStampMain = nullptr;
TDlgAbout *DlgAbout = nullptr;
TDlgNewReturnAddress *DlgNewReturnAddress = nullptr;
TDlgNewEnvelopeSize *DlgNewEnvelopeSize = nullptr;
TDlgEnvelopeSizes *DlgEnvelopeSizes = nullptr;
TDlgReturnAddresses *DlgReturnAddresses = nullptr;
TFormPrintStatus *FormPrintStatus = nullptr;

struct ZentropeSession::Windows {
    std::unique_ptr<TFormStampMain> main;
    std::unique_ptr<TDlgAbout> about;
    std::unique_ptr<TDlgNewReturnAddress> newReturnAddress;
    std::unique_ptr<TDlgNewEnvelopeSize> newEnvelopeSize;
    std::unique_ptr<TDlgEnvelopeSizes> envelopeSizes;
    std::unique_ptr<TDlgReturnAddresses> returnAddresses;
    std::unique_ptr<TFormPrintStatus> printStatus;
};

ZentropeSession::ZentropeSession() : m_windows(std::make_unique<Windows>()) {}

ZentropeSession::~ZentropeSession()
{
    Shutdown();
}

void ZentropeSession::Start(const StartOptions &options)
{
    Application.ExeName = options.ProgramPath.isEmpty() ? QCoreApplication::applicationFilePath()
                                                        : QFileInfo(options.ProgramPath).absoluteFilePath();
    const QString settings = options.SettingsPath.isEmpty()
                                 ? SettingsFilePath(QFileInfo(Application.ExeName).absolutePath())
                                 : options.SettingsPath;
    SettingsFile = std::make_unique<TQevIniFile>(QFileInfo(settings).absoluteFilePath());
    OldFileList = std::make_unique<TOldFileList>();
    Application.Title = QStringLiteral("Zentrope");
    Application.HelpFile = QStringLiteral("zentrope.hlp");
    QGuiApplication::setApplicationDisplayName(QString());
    Prompt::helpHandler() = [](int topic) { TFormStampMain::ShowHelpTopic(topic); };
    Prompt::afterModalHandler() = [] {
        if (FormStampMain && FormStampMain->isVisible())
            Guarded([] { FormStampMain->FormActivate(FormStampMain); });
    };

    Windows &w = *m_windows;
    w.main = std::make_unique<TFormStampMain>();
    FormStampMain = w.main.get();
    w.about = std::make_unique<TDlgAbout>(FormStampMain);
    DlgAbout = w.about.get();
    w.newReturnAddress = std::make_unique<TDlgNewReturnAddress>(FormStampMain);
    DlgNewReturnAddress = w.newReturnAddress.get();
    w.newEnvelopeSize = std::make_unique<TDlgNewEnvelopeSize>(FormStampMain);
    DlgNewEnvelopeSize = w.newEnvelopeSize.get();
    w.envelopeSizes = std::make_unique<TDlgEnvelopeSizes>(FormStampMain);
    DlgEnvelopeSizes = w.envelopeSizes.get();
    w.returnAddresses = std::make_unique<TDlgReturnAddresses>(FormStampMain);
    DlgReturnAddresses = w.returnAddresses.get();
    w.printStatus = std::make_unique<TFormPrintStatus>(FormStampMain);
    FormPrintStatus = w.printStatus.get();
    m_started = true;

    Guarded([&] { FormStampMain->RunCommandLine(options.Arguments); });
}

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
    Windows &w = *m_windows;
    // The catalogs are saved here, in the order their dialogs would be
    // destroyed, since nothing may throw from a destructor.
    Guarded([&] { w.returnAddresses->SaveAddresses(); });
    Guarded([&] { w.envelopeSizes->SaveEnvelopes(); });
    w.printStatus.reset();
    FormPrintStatus = nullptr;
    w.returnAddresses.reset();
    DlgReturnAddresses = nullptr;
    w.envelopeSizes.reset();
    DlgEnvelopeSizes = nullptr;
    w.newEnvelopeSize.reset();
    DlgNewEnvelopeSize = nullptr;
    w.newReturnAddress.reset();
    DlgNewReturnAddress = nullptr;
    w.about.reset();
    DlgAbout = nullptr;
    Guarded([&] { w.main->FormDestroy(w.main.get()); });
    w.main.reset();
    FormStampMain = nullptr;
    SettingsFile.reset();
    OldFileList.reset();
}

TFormStampMain *ZentropeSession::MainWindow() const
{
    return m_windows->main.get();
}

int RunZentrope(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentrope"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zentrope/icons/zentrope.svg")));
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        if (!argv[i] || !*argv[i])
            break; // an empty argument ends the list
        args << QString::fromLocal8Bit(argv[i]);
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
