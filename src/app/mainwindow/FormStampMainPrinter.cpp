#include "app/mainwindow/FormStampMain.h"

#include "app/dialogs/EnvelopeFeedDialog.h"
#include "app/dialogs/PrintSetupDialog.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "envelope/FeedProfile.h"
#include "envelope/LengthUnit.h"
#include "print/CupsJob.h"
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
    if (!PrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    PrintSetupDialog dialog(Printer(), this);
    connect(&dialog, &PrintSetupDialog::envelopeFeedRequested, this,
            [this, &dialog](const QString &printer, bool landscape) {
                Guarded([&] { EditEnvelopeFeed(printer, landscape, &dialog); });
            });
    if (Prompt::exec(dialog) == QDialog::Accepted)
        dialog.Apply();
    // Saved whatever the user chose.
    SavePrinterSettings();
}

std::optional<FeedProfile> TFormStampMain::PrinterFeedProfile() const
{
    return ReadFeedProfile(Settings(), Printer().PrinterName());
}

void TFormStampMain::OptionsEnvelopeFeedClick(QObject *)
{
    if (!PrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    EditEnvelopeFeed(Printer().PrinterName(), Printer().Landscape(), this);
}

void TFormStampMain::EditEnvelopeFeed(const QString &printer, bool landscape, QWidget *parent)
{
    const FeedProfile profile = ReadFeedProfile(Settings(), printer).value_or(FeedProfile());
    EnvelopeFeedDialog dialog(printer, profile, ReadLengthUnit(Settings()), PrinterPaperSources(printer),
                              landscape, parent);
    if (Prompt::exec(dialog) == QDialog::Accepted)
        WriteFeedProfile(Settings(), printer, dialog.Profile());
}

} // namespace zentrope
