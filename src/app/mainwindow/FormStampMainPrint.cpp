#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/dialogs/FormPrintStatus.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "core/Error.h"
#include "document/AddressLines.h"
#include "platform/Topics.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
#include "print/page/EnvelopePage.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>
#include <numeric>
#include <vector>

namespace zentrope {

// Printing envelopes.

namespace {
const QString kDocumentTitle = QStringLiteral("Zentrope Envelope");

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

// Every envelope of a list, in order.
std::vector<int> allEnvelopes(int count)
{
    std::vector<int> all(static_cast<size_t>(std::max(0, count)));
    std::iota(all.begin(), all.end(), 1);
    return all;
}

// With a single envelope there is no page to choose, but Qt's dialog offers
// its page choices again as it appears (and when another printer is picked)
// wherever CUPS can filter pages; this keeps them disabled.
class PageChoiceLock : public QObject {
public:
    explicit PageChoiceLock(QObject *dialog) : QObject(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Show && watched == parent()) {
            for (const char *name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
                if (auto *w = parent()->findChild<QWidget *>(QLatin1String(name))) {
                    w->setEnabled(false);
                    w->installEventFilter(this);
                }
            }
        } else if (e->type() == QEvent::EnabledChange && watched != parent()) {
            if (auto *w = qobject_cast<QWidget *>(watched); w && w->isEnabled())
                w->setEnabled(false);
        }
        return QObject::eventFilter(watched, e);
    }
};

// The print commands, the cursor and the progress window come back however
// the job ends; an error of the printing layer also drops its open document.
class JobState {
public:
    JobState(TPrinterDevice &printer, TFormPrintStatus &status, std::initializer_list<QObject *> commands)
        : m_printer(printer), m_status(status), m_commands(commands)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~JobState()
    {
        if (!m_finished && m_printer.Printing()) {
            try {
                m_printer.Abort();
            } catch (...) {
                // The job is already failing; its own error is the one shown.
            }
        }
        setCommands(true);
        m_status.hide();
        m_status.setWindowModality(Qt::NonModal);
        QGuiApplication::restoreOverrideCursor();
    }
    JobState(const JobState &) = delete;
    JobState &operator=(const JobState &) = delete;

    void setCommands(bool on)
    {
        for (QObject *command : m_commands) {
            if (auto *w = qobject_cast<QWidget *>(command))
                w->setEnabled(on);
            else if (auto *a = qobject_cast<QAction *>(command))
                a->setEnabled(on);
        }
    }
    void finished() { m_finished = true; }

private:
    TPrinterDevice &m_printer;
    TFormPrintStatus &m_status;
    std::vector<QObject *> m_commands;
    bool m_finished = false;
};

} // namespace

void TFormStampMain::FilePrintEnvelopeClick(QObject *)
{
    QPrinter &printer = Printer().QtPrinter();
    printer.setCopyCount(1);
    CollectPrintLines(false);
    const int envelopeCount = m_state.PrintEnvelopes.EnvelopeCount();

    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }

    const bool selection = MemoAddress->textCursor().hasSelection();
    QPrintDialog dialog(&printer, this);
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintShowPageSize;
    if (envelopeCount > 1)
        options |= QAbstractPrintDialog::PrintPageRange;
    if (selection)
        options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    printer.setPrintRange(selection ? QPrinter::Selection : QPrinter::AllPages);
    if (envelopeCount > 1) {
        dialog.setMinMax(1, envelopeCount);
        printer.setFromTo(1, envelopeCount);
    } else {
        printer.setFromTo(0, 0);
        new PageChoiceLock(&dialog);
    }
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;

    // The program makes its own copies and picks its own envelopes (every
    // page list the dialog allows, "1,3" included); the printer must not
    // repeat or filter the pages again.
    const int copies = std::max(1, printer.copyCount());
    const QPrinter::PrintRange range = printer.printRange();
    const QPageRanges pages = printer.pageRanges();
    ClearPrinterChoices(printer);

    switch (range) {
    case QPrinter::Selection:
        CollectPrintLines(true);
        PrintEnvelopes(copies, allEnvelopes(m_state.PrintEnvelopes.EnvelopeCount()));
        break;
    case QPrinter::PageRange:
        PrintEnvelopes(copies, EnvelopesInRanges(pages, envelopeCount));
        break;
    default:
        PrintEnvelopes(copies, allEnvelopes(envelopeCount));
        break;
    }
}

void TFormStampMain::FilePrintTestClick(QObject *Sender)
{
    m_state.TestPrint = true;
    try {
        FilePrintEnvelopeClick(Sender);
    } catch (...) {
        m_state.TestPrint = false;
        throw;
    }
    m_state.TestPrint = false;
}

void TFormStampMain::SpeedButtonPrintClick(QObject *)
{
    CollectPrintLines(true);
    if (!TPrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    PrintEnvelopes(1, allEnvelopes(m_state.PrintEnvelopes.EnvelopeCount()));
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
    m_state.PrintEnvelopes = SplitEnvelopes(text);
}

void TFormStampMain::PrintEnvelopes(int Copies, const std::vector<int> &Envelopes)
{
    if (Envelopes.empty()) {
        // Qt cannot end a document without a page: it would send a blank
        // one and waste an envelope.
        Prompt::message(this, Prompt::Kind::Information, NoAddressMessage(), Prompt::Ok, Topic::FileMenu);
        SavePrinterSettings();
        return;
    }
    {
        // Shown application-modal: Cancel works, and nothing can change the
        // window under the job.
        TFormPrintStatus &status = *m_dialogs.PrintStatus;
        JobState job(Printer(), status, {ImageStamp, SpeedButtonPrint, FilePrintEnvelope, FilePrintTest});

        status.SetCopyText(1, Envelopes.front());
        status.Start(static_cast<int>(Envelopes.size()) * Copies);

        job.setCommands(false);
        ShowReturnAddress();
        // Refilling the return box refreshes the command state, which would
        // enable the print commands again for the length of the job.
        job.setCommands(false);

        const EnvelopeList &envelopes = m_state.PrintEnvelopes;
        TPrinterDevice &printer = Printer();
        printer.SetTitle(kDocumentTitle);
        printer.BeginDoc();
        bool firstPage = true;
        for (const int e : Envelopes) {
            const QStringList envelope = envelopes.Envelope(e);
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

    const EnvelopeSize *size = m_session.EnvelopeSizes.At(ComboBoxEnvelopeSize->currentIndex());
    if (!size || !size->Dimension)
        throw ZentropeError(QStringLiteral("No envelope size is chosen."));
    page.SizeName = size->Name;
    page.Dimension = *size->Dimension;
    page.PrintableWidthMM = printer.WidthMM();
    page.PrintableHeightMM = printer.HeightMM();

    page.TestPrint = m_state.TestPrint;
    page.GraphicLoaded = Corner().GraphicLoaded && !Corner().GraphicPicture.isNull();
    if (page.GraphicLoaded) {
        // A metafile plays as vectors at the printer's resolution.
        page.GraphicPixels = Corner().GraphicPicture.naturalSize();
        page.Graphic = [graphic = Corner().GraphicPicture](QPainter &p, const QRect &r) {
            graphic.paint(p, r);
        };
    }
    page.GraphicX = m_session.EnvelopeSizes.FGraphicX;
    page.GraphicY = m_session.EnvelopeSizes.FGraphicY;

    page.ReturnFont = pageFont(MemoReturnAddress);
    page.ReturnLines = MemoLines(MemoReturnAddress->text());
    page.AddressFont = pageFont(MemoAddress);
    page.AddressLines = lines;
    page.PrintBarCode = m_state.PrintBarCode;
    return page;
}

} // namespace zentrope
