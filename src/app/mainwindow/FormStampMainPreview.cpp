#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/preview/FormPrintPreview.h"
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
    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    if (!PrintPreview) {
        PrintPreview = new TFormPrintPreview(this);
        connect(PrintPreview, &TFormPrintPreview::printRequested, this,
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
    const EnvelopeSize *size = m_session.EnvelopeSizes.At(ComboBoxEnvelopeSize->currentIndex());
    if (!size || !size->Dimension) {
        PrintPreview->SetNoPages(tr("No envelope size is chosen."));
        return;
    }
    EnvelopeDesign design = CurrentEnvelopeDesign();
    design.TestPrint = false;
    // With a feed profile the sheet follows the envelope size.
    if (m_previewFeed)
        PrintPreview->SetPageGeometry(
            MakePageGeometry(m_previewPrinterPage, *m_previewFeed, MakeEnvelopePage(design, {})),
            m_previewPrinterName);
    PrintPreview->SetEnvelopes(SplitEnvelopes(MemoAddress->text()), design);
}

void TFormStampMain::UpdatePrintPreviewPaper()
{
    if (!PrintPreview || !TPrinterDevice::PrintersInstalled())
        return;
    TPrinterDevice &printer = Printer();
    // As the print job places its pages (EnvelopeJob.cpp): through the
    // printer's feed profile when it has one. Paper() has made sure the
    // printer is an installed one.
    const PageGeometry geometry = MakePageGeometry(printer.Paper());
    m_previewPrinterName = printer.QtPrinter().printerName();
    m_previewFeed = PrinterFeedProfile();
    m_previewPrinterPage = printer.Page();
    PrintPreview->SetPageGeometry(geometry, m_previewPrinterName);
}

} // namespace zentrope
