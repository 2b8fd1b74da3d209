#include "app/mainwindow/FormStampMain.h"

#include "app/dialogs/PrintSetupDialog.h"
#include "app/prompt/Prompt.h"
#include "print/PrinterDevice.h"
#include "print/PrinterSettings.h"

namespace zentrope {

// The printer settings and Print Setup.

void TFormStampMain::SavePrinterSettings()
{
    zentrope::SavePrinterSettings(Printer(), Settings());
    // Saved after every print dialog and Print Setup: the paper may have changed.
    UpdatePrintPreviewPaper();
}

void TFormStampMain::LoadPrinterSettings()
{
    zentrope::LoadPrinterSettings(Printer(), Settings());
}

void TFormStampMain::FilePrintSetupClick(QObject *)
{
    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    TPrintSetupDialog dialog(Printer(), this);
    if (Prompt::exec(dialog) == QDialog::Accepted)
        dialog.Apply();
    // Saved whatever the user chose.
    SavePrinterSettings();
}

} // namespace zentrope
