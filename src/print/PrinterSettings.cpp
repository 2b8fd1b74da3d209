#include "print/PrinterSettings.h"

#include "print/PrinterDevice.h"
#include "settings/QevIniFile.h"

namespace zentrope {

namespace {
const QString kSection = QStringLiteral("Printer");
const QString kPrinterName = QStringLiteral("PrinterName");
} // namespace

void SavePrinterSettings(TPrinterDevice &printer, TQevIniFile &ini)
{
    if (!TPrinterDevice::PrintersInstalled())
        return;
    // Erased first, so keys of fields this printer does not declare disappear.
    ini.EraseSection(kSection);
    ini.WriteString(kSection, kPrinterName, printer.PrinterName());
    const DeviceMode mode = printer.GetDeviceMode();
    for (const DeviceMode::Key &key : DeviceMode::Keys())
        if (mode.has(key.flag))
            ini.WriteInteger(kSection, QLatin1String(key.name), mode.*key.member);
}

void LoadPrinterSettings(TPrinterDevice &printer, const TQevIniFile &ini)
{
    if (!TPrinterDevice::PrintersInstalled())
        return;
    const QString current = printer.PrinterName();
    const QString saved = ini.ReadString(kSection, kPrinterName, current);
    if (saved != current) {
        const int index = int(printer.Printers().indexOf(saved));
        if (index >= 0)
            printer.SetPrinterIndex(index);
    }
    // The stored values apply to whichever printer is now current.
    DeviceMode mode = printer.GetDeviceMode();
    const auto read = [&](const DeviceMode::Key &key) {
        // 16-bit fields, as the device-mode record holds them.
        mode.*key.member =
            static_cast<std::int16_t>(ini.ReadInteger(kSection, QLatin1String(key.name), mode.*key.member));
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

} // namespace zentrope
