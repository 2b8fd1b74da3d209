#include "app/FormStampMain.h"

namespace zentrope {

// Printing envelopes and the printer settings.

void TFormStampMain::FilePrintEnvelopeClick(QObject *) {}
void TFormStampMain::FilePrintTestClick(QObject *) {}
void TFormStampMain::SpeedButtonPrintClick(QObject *) {}
void TFormStampMain::FilePrintSetupClick(QObject *) {}
void TFormStampMain::CollectPrintLines(bool) {}
void TFormStampMain::SplitEnvelopes() {}
void TFormStampMain::PrintEnvelopes(int, int, int) {}
void TFormStampMain::LoadPrinterSettings() {}
void TFormStampMain::SavePrinterSettings() {}

} // namespace zentrope
