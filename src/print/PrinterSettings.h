#pragma once

namespace zentrope {

class TPrinterDevice;
class TQevIniFile;

// The printer settings in section "Printer": which printer was last used and
// the device settings it declares. With no printer installed there is nothing
// to keep, and both do nothing.

// Erases the section and writes the current printer's name and fields.
void SavePrinterSettings(TPrinterDevice &printer, TQevIniFile &ini);
// Makes the stored printer current when it still exists and applies the
// stored fields to whichever printer is current then.
void LoadPrinterSettings(TPrinterDevice &printer, const TQevIniFile &ini);

} // namespace zentrope
