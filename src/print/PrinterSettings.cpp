#include "print/PrinterSettings.h"

#include "print/PrinterDevice.h"
#include "settings/QevIniFile.h"

#include <QLocale>
#include <QPageSize>
#include <QPrinterInfo>

namespace zentrope {

namespace {
const QString kSection = QStringLiteral("Printer");
const QString kPrinterName = QStringLiteral("PrinterName");
} // namespace

void SavePrinterSettings(PrinterDevice &printer, TQevIniFile &ini)
{
    if (!PrinterDevice::PrintersInstalled())
        return;
    // Erased first, so keys of fields this printer does not declare disappear.
    ini.EraseSection(kSection);
    ini.WriteString(kSection, kPrinterName, printer.PrinterName());
    const DeviceMode mode = printer.GetDeviceMode();
    for (const DeviceMode::Key &key : DeviceMode::Keys())
        if (mode.has(key.flag))
            ini.WriteInteger(kSection, QLatin1String(key.name), mode.*key.member);
}

void LoadPrinterSettings(PrinterDevice &printer, const TQevIniFile &ini)
{
    if (!PrinterDevice::PrintersInstalled())
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

QPageLayout StoredPaper(const TQevIniFile &ini)
{
    QPageSize size;
    const int code = ini.ReadInteger(kSection, QStringLiteral("PaperSize"), 0);
    if (code == DeviceMode::PaperUser) {
        const int width = ini.ReadInteger(kSection, QStringLiteral("PaperWidth"), 0);
        const int length = ini.ReadInteger(kSection, QStringLiteral("PaperLength"), 0);
        if (width > 0 && length > 0)
            size = QPageSize(QSizeF(width / 10.0, length / 10.0), QPageSize::Millimeter, QString(),
                             QPageSize::ExactMatch);
    } else if (code > 0 && QPageSize::id(code) != QPageSize::Custom) {
        size = QPageSize(QPageSize::id(code));
    }
    if (!size.isValid()) {
        const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
        if (!printer.isNull())
            size = printer.defaultPageSize();
    }
    if (!size.isValid()) {
        const QLocale::Territory here = QLocale::system().territory();
        size = QPageSize(here == QLocale::UnitedStates || here == QLocale::Canada ? QPageSize::Letter
                                                                                  : QPageSize::A4);
    }
    const bool landscape = ini.ReadInteger(kSection, QStringLiteral("Orientation"),
                                           DeviceMode::OrientPortrait) == DeviceMode::OrientLandscape;
    return QPageLayout(size, landscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

} // namespace zentrope
