#include "app/FormStampMain.h"

#include "app/Prompt.h"
#include "app/PrintSetupDialog.h"
#include "print/PrinterDevice.h"
#include "settings/QevIniFile.h"

namespace zentrope {

// The printer settings: which printer was last used and its device settings,
// kept in section "Printer". With no printer installed there is nothing to
// keep, and the program still starts.

namespace {
const QString kSection = QStringLiteral("Printer");
const QString kPrinterName = QStringLiteral("PrinterName");
} // namespace

void TFormStampMain::SavePrinterSettings()
{
    if (!TPrinterDevice::PrintersInstalled())
        return;
    TPrinterDevice &printer = Printer();
    // Erased first, so keys of fields this printer does not declare disappear.
    SettingsFile->EraseSection(kSection);
    SettingsFile->WriteString(kSection, kPrinterName, printer.PrinterName());
    const DeviceMode mode = printer.GetDeviceMode();
    for (const DeviceMode::Key &key : DeviceMode::Keys())
        if (mode.has(key.flag))
            SettingsFile->WriteInteger(kSection, QLatin1String(key.name), mode.*key.member);
}

void TFormStampMain::LoadPrinterSettings()
{
    if (!TPrinterDevice::PrintersInstalled())
        return;
    TPrinterDevice &printer = Printer();
    const QString current = printer.PrinterName();
    const QString saved = SettingsFile->ReadString(kSection, kPrinterName, current);
    if (saved != current) {
        const int index = int(printer.Printers().indexOf(saved));
        if (index >= 0)
            printer.SetPrinterIndex(index);
    }
    // The stored values apply to whichever printer is now current.
    DeviceMode mode = printer.GetDeviceMode();
    const auto read = [&](const DeviceMode::Key &key) {
        // 16-bit fields, as the device-mode record holds them.
        mode.*key.member = static_cast<std::int16_t>(
            SettingsFile->ReadInteger(kSection, QLatin1String(key.name), mode.*key.member));
    };
    for (const DeviceMode::Key &key : DeviceMode::Keys())
        if (mode.has(key.flag))
            read(key);
    // A stored custom paper size brings its dimensions along, even when the
    // printer's present size is a standard one.
    if (mode.has(DeviceMode::DM_PAPERSIZE) && mode.PaperSize == DeviceMode::PaperUser &&
        !mode.has(DeviceMode::DM_PAPERLENGTH)) {
        mode.Fields |= DeviceMode::DM_PAPERLENGTH | DeviceMode::DM_PAPERWIDTH;
        for (const DeviceMode::Key &key : DeviceMode::Keys())
            if (key.flag == DeviceMode::DM_PAPERLENGTH || key.flag == DeviceMode::DM_PAPERWIDTH)
                read(key);
    }
    printer.SetDeviceMode(mode);
}

void TFormStampMain::FilePrintSetupClick(QObject *)
{
    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    TPrintSetupDialog dialog(this);
    if (Prompt::exec(dialog) == QDialog::Accepted)
        dialog.Apply();
    // Saved whatever the user chose.
    SavePrinterSettings();
}

} // namespace zentrope
