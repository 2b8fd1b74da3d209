#include "app/FormStampMain.h"

#include "app/Application.h"
#include "app/Controls.h"
#include "app/DlgEnvelopeSizes.h"
#include "app/FormPrintStatus.h"
#include "app/Prompt.h"
#include "app/Scale.h"
#include "core/Error.h"
#include "print/PrinterDevice.h"
#include "print/page/EnvelopePage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>

namespace zentrope {

// Printing envelopes.

namespace {
const QString kDocumentTitle = QStringLiteral("Zentrope Envelope");

// The lines of an address box as the box counts them: a final line break does
// not start a further line.
QStringList memoLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

// Breaks text at CR, LF and CR LF.
QStringList breakLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

// An address box's font as the printer takes it: size in points (a pixel-sized
// font is converted at the screen's resolution) and its text colour.
PageFont pageFont(const MemoControl *memo)
{
    PageFont f;
    f.Font = memo->font();
    if (f.Font.pointSizeF() <= 0 && f.Font.pixelSize() > 0)
        f.Font.setPointSizeF(f.Font.pixelSize() * 72.0 / Scale::screenDpi());
    f.Color = memo->palette().color(QPalette::Text);
    return f;
}

// The print commands, the cursor and the progress window come back however
// the job ends; an error of the printing layer also drops its open document.
class JobState {
public:
    explicit JobState(TFormStampMain &w) : m_w(w)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~JobState()
    {
        if (!m_finished && Printer().Printing()) {
            try {
                Printer().Abort();
            } catch (...) {
                // The job is already failing; its own error is the one shown.
            }
        }
        setCommands(true);
        if (FormPrintStatus) {
            FormPrintStatus->hide();
            FormPrintStatus->setWindowModality(Qt::NonModal);
        }
        QGuiApplication::restoreOverrideCursor();
    }
    JobState(const JobState &) = delete;
    JobState &operator=(const JobState &) = delete;

    void setCommands(bool on)
    {
        m_w.ImageStamp->setEnabled(on);
        m_w.SpeedButtonPrint->setEnabled(on);
        m_w.FilePrintEnvelope->setEnabled(on);
        m_w.FilePrintTest->setEnabled(on);
    }
    void finished() { m_finished = true; }

private:
    TFormStampMain &m_w;
    bool m_finished = false;
};

} // namespace

void TFormStampMain::FilePrintEnvelopeClick(QObject *)
{
    QPrinter &printer = Printer().QtPrinter();
    printer.setCopyCount(1);
    CollectPrintLines(false);

    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }

    const bool selection = MemoAddress->textCursor().hasSelection();
    QPrintDialog dialog(&printer, this);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    if (EnvelopeCount > 1)
        options |= QAbstractPrintDialog::PrintPageRange;
    if (selection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    if (EnvelopeCount > 1) {
        dialog.setMinMax(1, EnvelopeCount);
        printer.setFromTo(1, EnvelopeCount);
    } else {
        printer.setFromTo(0, 0);
    }
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;

    // The program makes its own copies and picks its own envelopes; the
    // printer must not repeat or filter the pages again.
    const int copies = std::max(1, printer.copyCount());
    const QPrinter::PrintRange range = printer.printRange();
    const int from = printer.fromPage(), to = printer.toPage();
    printer.setCopyCount(1);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);

    switch (range) {
    case QPrinter::Selection:
        CollectPrintLines(true);
        PrintEnvelopes(copies, 1, EnvelopeCount);
        break;
    case QPrinter::PageRange:
        PrintEnvelopes(copies, std::max(1, from), std::min(EnvelopeCount, to));
        break;
    default:
        PrintEnvelopes(copies, 1, EnvelopeCount);
        break;
    }
}

void TFormStampMain::FilePrintTestClick(QObject *Sender)
{
    TestPrint = true;
    try {
        FilePrintEnvelopeClick(Sender);
    } catch (...) {
        TestPrint = false;
        throw;
    }
    TestPrint = false;
}

void TFormStampMain::SpeedButtonPrintClick(QObject *)
{
    CollectPrintLines(true);
    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    PrintEnvelopes(1, 1, EnvelopeCount);
}

void TFormStampMain::CollectPrintLines(bool SelectionOnly)
{
    const QTextCursor cursor = MemoAddress->textCursor();
    QString text;
    if (SelectionOnly && cursor.hasSelection()) {
        text = cursor.selectedText();
        text.replace(QChar(QChar::ParagraphSeparator), u'\n');
        text.replace(QChar(QChar::LineSeparator), u'\n');
    } else {
        text = MemoAddress->text();
    }
    PrintLines = breakLines(text);
    SplitEnvelopes();
}

void TFormStampMain::SplitEnvelopes()
{
    for (QString &line : PrintLines) {
        qsizetype n = line.size();
        while (n > 0 && line[n - 1].unicode() <= 32)
            --n;
        line.truncate(n);
    }
    // Envelope k (from 1) is EnvelopeRanges[k - 1]; the table has no fixed limit.
    EnvelopeCount = 0;
    EnvelopeRanges.clear();
    bool between = true;
    for (int i = 0; i < PrintLines.size(); ++i) {
        const bool empty = PrintLines[i].isEmpty();
        if (between) {
            if (!empty) {
                between = false;
                ++EnvelopeCount;
                EnvelopeRanges.emplace_back(i, 1);
            }
        } else if (!empty) {
            ++EnvelopeRanges.back().second;
        } else {
            between = true;
        }
    }
}

void TFormStampMain::PrintEnvelopes(int Copies, int First, int Last)
{
    {
        JobState job(*this);

        // Shown application-modal: Cancel works, and nothing can change the
        // window under the job.
        TFormPrintStatus &status = *FormPrintStatus;
        status.SetCopyText(1, First);
        status.Start(std::max(0, (Last - First + 1) * Copies));

        job.setCommands(false);
        ShowReturnAddress();
        // Refilling the return box refreshes the command state, which would
        // enable the print commands again for the length of the job.
        job.setCommands(false);

        QStringList envelope;
        TPrinterDevice &printer = Printer();
        printer.SetTitle(kDocumentTitle);
        printer.BeginDoc();
        bool firstPage = true;
        for (int e = First; e <= Last; ++e) {
            if (e < 1 || e > static_cast<int>(EnvelopeRanges.size()))
                continue;
            const auto [start, count] = EnvelopeRanges[e - 1];
            envelope = PrintLines.mid(start, count);
            for (int c = 1; c <= Copies; ++c) {
                if (!status.ContinuePrinting)
                    continue;
                status.SetCopyText(c, e);
                if (!firstPage)
                    printer.NewPage();
                firstPage = false;
                PaintEnvelopePage(printer.Canvas(), CurrentEnvelopePage(envelope));
                status.SetProgress(status.Progress() + 1);
                emit PagePrinted(e, c);
            }
        }
        printer.EndDoc();
        job.finished();
    }
    // The window is restored (~JobState) before the settings are written.
    SavePrinterSettings();
}

EnvelopePage TFormStampMain::CurrentEnvelopePage(const QStringList &lines)
{
    TPrinterDevice &printer = Printer();
    EnvelopePage page;
    page.DpiX = printer.DpiX();
    page.DpiY = printer.DpiY();
    page.Landscape = printer.Landscape();

    const EnvelopeSize *size = DlgEnvelopeSizes ? DlgEnvelopeSizes->Envelope(ComboBoxEnvelopeSize->currentIndex()) : nullptr;
    if (!size || !size->Dimension)
        throw ZentropeError(QStringLiteral("No envelope size is chosen."));
    page.SizeName = size->Name;
    page.Dimension = *size->Dimension;
    page.PrintableWidthMM = printer.WidthMM();
    page.PrintableHeightMM = printer.HeightMM();

    page.TestPrint = TestPrint;
    page.GraphicLoaded = GraphicLoaded && !GraphicPicture.isNull();
    if (page.GraphicLoaded) {
        // A metafile plays as vectors at the printer's resolution.
        page.GraphicPixels = GraphicPicture.naturalSize();
        page.Graphic = [graphic = GraphicPicture](QPainter &p, const QRect &r) { graphic.paint(p, r); };
    }
    page.GraphicX = DlgEnvelopeSizes->FGraphicX();
    page.GraphicY = DlgEnvelopeSizes->FGraphicY();

    page.ReturnFont = pageFont(MemoReturnAddress);
    page.ReturnLines = memoLines(MemoReturnAddress->text());
    page.AddressFont = pageFont(MemoAddress);
    page.AddressLines = lines;
    page.PrintBarCode = PrintBarCode;
    return page;
}

} // namespace zentrope
