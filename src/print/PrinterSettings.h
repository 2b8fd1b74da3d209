#pragma once

#include <QPageLayout>

namespace zentrope {

class PrinterDevice;
class TQevIniFile;

// The printer settings in section "Printer": which printer was last used and
// the device settings it declares. With no printer installed there is nothing
// to keep, and both do nothing.

// Erases the section and writes the current printer's name and fields.
void SavePrinterSettings(PrinterDevice &printer, TQevIniFile &ini);
// Makes the stored printer current when it still exists and applies the
// stored fields to whichever printer is current then.
void LoadPrinterSettings(PrinterDevice &printer, const TQevIniFile &ini);

// The paper the stored settings describe (PaperSize, or PaperWidth and
// PaperLength for a custom size, turned by Orientation), without margins;
// without a stored paper the default printer's default paper, and without a
// printer Letter in the United States and Canada and A4 elsewhere.
QPageLayout StoredPaper(const TQevIniFile &ini);

} // namespace zentrope
