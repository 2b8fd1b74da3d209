#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/preview/PrintPreviewWindow.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "document/AddressLines.h"
#include "print/PrinterDevice.h"
#include "print/page/EnvelopeDesign.h"

#include <QComboBox>
#include <QPrinter>
#include <QTimer>

namespace zentrope {

// The print preview: the pages of Print Envelope with the print dialog's
// first choices (all envelopes, one copy each), on the current printer's paper.

void TFormStampMain::FilePrintPreviewClick(QObject *)
{
    if (!PrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    if (!PrintPreview) {
        PrintPreview = new PrintPreviewWindow(this);
        connect(PrintPreview, &PrintPreviewWindow::printRequested, this,
                Guard([this] { FilePrintEnvelopeClick(FilePrintEnvelope); }));
        // A change of the text, the size, a font, the return address, the
        // graphic or the bar code option runs the fit check after a pause;
        // the preview is refreshed then too.
        connect(FitTimer, &QTimer::timeout, PrintPreview, Guard([this] { UpdatePrintPreview(); }));
    }
    UpdatePrintPreviewPaper();
    UpdatePrintPreview();
    if (PrintPreview->isMinimized())
        PrintPreview->showNormal();
    else
        PrintPreview->show();
    PrintPreview->raise();
    PrintPreview->activateWindow();
}

void TFormStampMain::UpdatePrintPreview()
{
    if (!PrintPreview)
        return;
    if (!FComposer->size()) {
        PrintPreview->SetNoPages(tr("No envelope size is chosen."));
        return;
    }
    const EnvelopeDesign design = FComposer->design();
    // With a feed profile the sheet follows the envelope size.
    if (FPreviewFeed)
        PrintPreview->SetPageGeometry(
            MakePageGeometry(FPreviewPrinterPage, *FPreviewFeed, MakeEnvelopePage(design, {})),
            FPreviewPrinterName);
    PrintPreview->SetEnvelopes(FComposer->envelopes(), design);
}

void TFormStampMain::UpdatePrintPreviewPaper()
{
    if (!PrintPreview || !PrinterDevice::PrintersInstalled())
        return;
    PrinterDevice &printer = Printer();
    // As the print job places its pages (EnvelopeJob.cpp): through the
    // printer's feed profile when it has one. Paper() has made sure the
    // printer is an installed one.
    const PageGeometry geometry = MakePageGeometry(printer.Paper());
    FPreviewPrinterName = printer.QtPrinter().printerName();
    FPreviewFeed = PrinterFeedProfile();
    FPreviewPrinterPage = printer.Page();
    PrintPreview->SetPageGeometry(geometry, FPreviewPrinterName);
}

} // namespace zentrope
