#pragma once

#include "app/session/SessionState.h"

#include <QStringList>
#include <memory>

namespace zentrope {

class HelpDesk;
class TDlgAbout;
class TDlgEnvelopeSizes;
class TDlgNewEnvelopeSize;
class TDlgNewReturnAddress;
class TDlgReturnAddresses;
class TFormPrintStatus;
class TFormStampMain;

struct StartOptions {
    QStringList Arguments; // the command line after the program name
    QString ProgramPath;   // defaults to the running executable
    QString SettingsPath;  // defaults to the settings file of the program
};

// The program from start-up to shutdown: it owns the program's state and its
// windows, and hands each window what it needs. The entry function runs all
// of it; tests use the steps one by one.
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
    // The catalogs are written, then the windows are destroyed, main window
    // last, then the state is released.
    void Shutdown();

    TFormStampMain *MainWindow() const;
    SessionState &State() { return m_state; }
    HelpDesk &Help() { return *m_help; }
    // The catalog dialogs, made at their first use; null outside a session.
    TDlgEnvelopeSizes *EnvelopeSizesDialog();
    TDlgReturnAddresses *ReturnAddressesDialog();
    TFormPrintStatus *PrintStatusWindow() const;

private:
    struct Windows;
    SessionState m_state;
    std::unique_ptr<HelpDesk> m_help;
    std::unique_ptr<Windows> m_windows;
    bool m_started = false;
};

// The program's entry: what main() calls.
int RunZentrope(int argc, char **argv);

} // namespace zentrope
