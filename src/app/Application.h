#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace zentrope {

class TFormStampMain;
class TDlgAbout;
class TDlgNewReturnAddress;
class TDlgNewEnvelopeSize;
class TDlgEnvelopeSizes;
class TDlgReturnAddresses;
class TFormPrintStatus;

// The application's process-wide facts.
struct ApplicationInfo {
    QString Title;
    QString HelpFile;
    QString ExeName; // the program file's full path
    bool ShowHint = true;
};
extern ApplicationInfo Application;

// One reference to each window, valid from its creation to the shutdown.
extern TFormStampMain *FormStampMain;
extern TDlgAbout *DlgAbout;
extern TDlgNewReturnAddress *DlgNewReturnAddress;
extern TDlgNewEnvelopeSize *DlgNewEnvelopeSize;
extern TDlgEnvelopeSizes *DlgEnvelopeSizes;
extern TDlgReturnAddresses *DlgReturnAddresses;
extern TFormPrintStatus *FormPrintStatus;

struct StartOptions {
    QStringList Arguments;   // the command line after the program name
    QString ProgramPath;     // defaults to the running executable
    QString SettingsPath;    // defaults to the settings file of the program
};

// The program from start-up to shutdown. The entry function runs all of it;
// tests use the steps one by one.
class ZentropeSession {
public:
    ZentropeSession();
    ~ZentropeSession();
    ZentropeSession(const ZentropeSession &) = delete;
    ZentropeSession &operator=(const ZentropeSession &) = delete;

    // Start-up: settings store, recent files, the windows (hidden) and the
    // command-line actions.
    void Start(const StartOptions &options);
    // Shows the main window and runs the loop until it has closed.
    int Exec();
    // The catalogs are written, then the windows are destroyed, main window last.
    void Shutdown();
    TFormStampMain *MainWindow() const;

private:
    struct Windows;
    std::unique_ptr<Windows> m_windows;
    bool m_started = false;
};

// The program's entry: what main() calls.
int RunZentrope(int argc, char **argv);

} // namespace zentrope
