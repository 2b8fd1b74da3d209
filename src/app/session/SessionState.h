#pragma once

#include "document/OldFileList.h"
#include "envelope/EnvelopeSizeCatalog.h"
#include "envelope/ReturnAddressCatalog.h"
#include "platform/CornerGraphic.h"
#include "print/PrinterDevice.h"
#include "settings/QevIniFile.h"

#include <QString>
#include <memory>

namespace zentrope {

// The application's facts for this run.
struct ApplicationInfo {
    QString Title;
    QString HelpFile;
    QString ExeName; // the program file's full path
    bool ShowHint = true;
};

// The program's state, owned by the session from start-up to shutdown and
// handed to the windows by reference.
struct SessionState {
    ApplicationInfo Application;
    std::unique_ptr<TQevIniFile> Settings;
    std::unique_ptr<TOldFileList> RecentFiles;
    EnvelopeSizeCatalog EnvelopeSizes;
    ReturnAddressCatalog ReturnAddresses;
    CornerGraphic Graphic;
    std::unique_ptr<PrinterDevice> Printer;
    // A settings write that failed on its own (GuardedOnce) has been shown.
    bool SettingsFailureShown = false;
};

} // namespace zentrope
