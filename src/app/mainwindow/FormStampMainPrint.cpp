#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/dialogs/FormPrintStatus.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "core/Error.h"
#include "document/AddressLines.h"
#include "platform/Topics.h"
#include "print/EnvelopeJob.h"
#include "print/PrintChoices.h"
#include "print/PrinterDevice.h"
#include "print/PrinterSettings.h"
#include "print/page/EnvelopeDesign.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QToolButton>
#include <vector>

namespace zentrope {

// Printing envelopes.

namespace {

// Every envelope of a list, in order.
std::vector<int> allEnvelopes(int count)
{
    return JobPlan::All(count).Envelopes;
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
// the job ends.
class JobState {
public:
    JobState(TFormPrintStatus &status, std::initializer_list<QObject *> commands)
        : m_status(status), m_commands(commands)
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~JobState()
    {
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

private:
    TFormPrintStatus &m_status;
    std::vector<QObject *> m_commands;
};

// The hourglass while a file is written.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

void TFormStampMain::FilePrintEnvelopeClick(QObject *)
{
    QPrinter &printer = Printer().QtPrinter();
    printer.setCopyCount(1);
    CollectPrintLines(false);
    const int envelopeCount = FState.PrintEnvelopes.EnvelopeCount();

    if (!PrinterDevice::PrintersInstalled()) {
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
        PrintEnvelopes(copies, allEnvelopes(FState.PrintEnvelopes.EnvelopeCount()));
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
    FState.TestPrint = true;
    try {
        FilePrintEnvelopeClick(Sender);
    } catch (...) {
        FState.TestPrint = false;
        throw;
    }
    FState.TestPrint = false;
}

void TFormStampMain::FilePrintAlignmentClick(QObject *)
{
    if (!PrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    QPrinter &printer = Printer().QtPrinter();
    printer.setCopyCount(1);
    QPrintDialog dialog(&printer, this);
    dialog.setOptions(QAbstractPrintDialog::PrintShowPageSize);
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    new PageChoiceLock(&dialog);
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;
    ClearPrinterChoices(printer);
    {
        const WaitCursor wait;
        // One page, however many copies the dialog asked for: the test is read, not posted.
        const EnvelopeList one = SplitEnvelopes(QStringLiteral("Alignment test"));
        const EnvelopeDesign design = JobDesign();
        PrintEnvelopeJob(
            Printer(), one, JobPlan::All(1),
            [&design](const QStringList &lines) {
                EnvelopePage page = MakeEnvelopePage(design, lines);
                page.AlignmentTest = true;
                return page;
            },
            {}, PrinterFeedProfile());
    }
    SavePrinterSettings();
}

void TFormStampMain::SpeedButtonPrintClick(QObject *)
{
    CollectPrintLines(true);
    if (!PrinterDevice::PrintersInstalled()) {
        Prompt::message(this, Prompt::Kind::Warning, NoPrinterMessage());
        return;
    }
    PrintEnvelopes(1, allEnvelopes(FState.PrintEnvelopes.EnvelopeCount()));
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
        text = FComposer->addressText();
    }
    FState.PrintEnvelopes = SplitEnvelopes(text);
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
        TFormPrintStatus &status = *FDialogs.PrintStatus;
        // The print buttons and the other print commands follow these.
        JobState job(status, {ImageStamp, FilePrintEnvelope, FilePrintAlignment});

        status.SetCopyText(1, Envelopes.front());
        status.Start(static_cast<int>(Envelopes.size()) * Copies);

        job.setCommands(false);
        ShowReturnAddress();
        // Refilling the return box refreshes the command state, which would
        // enable the print commands again for the length of the job.
        job.setCommands(false);

        JobMonitor monitor;
        monitor.Continue = [&status] { return status.ContinuePrinting; };
        monitor.PageStarting = [&status](int envelope, int copy) { status.SetCopyText(copy, envelope); };
        monitor.PageDone = [this, &status](int envelope, int copy) {
            status.SetProgress(status.Progress() + 1);
            emit PagePrinted(envelope, copy);
        };
        // The job prints copies of everything it needs: nothing can change under it.
        const EnvelopeDesign design = JobDesign();
        PrintEnvelopeJob(
            Printer(), FState.PrintEnvelopes, JobPlan{Envelopes, Copies},
            [&design](const QStringList &lines) { return MakeEnvelopePage(design, lines); }, monitor,
            PrinterFeedProfile());
    }
    // The window is restored (~JobState) before the settings are written.
    SavePrinterSettings();
}

EnvelopeDesign TFormStampMain::JobDesign() const
{
    EnvelopeDesign design = FComposer->design();
    design.TestPrint = FState.TestPrint;
    return design;
}

void TFormStampMain::FileExportPdfClick(QObject *)
{
    CollectPrintLines(false);
    const int envelopeCount = FState.PrintEnvelopes.EnvelopeCount();
    if (envelopeCount == 0) {
        Prompt::message(this, Prompt::Kind::Information, NoAddressMessage(), Prompt::Ok, Topic::FileMenu);
        return;
    }
    if (!ExportPdfDialog) {
        ExportPdfDialog = FileDialog("ExportPdfDialog", QFileDialog::AcceptSave, Topic::Scripts);
        ExportPdfDialog->setFileMode(QFileDialog::AnyFile);
        ExportPdfDialog->setDefaultSuffix(QStringLiteral("pdf"));
        ExportPdfDialog->setNameFilters({tr("PDF files (*.pdf *.PDF)"), tr("All files (*)")});
        ExportPdfDialog->setWindowTitle(tr("Export as PDF"));
    }
    // The folder of the last export, else the address file's, else home.
    QString folder = Options().PdfFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = FComposer->fileName().isEmpty() ? QDir::homePath()
                                                 : QFileInfo(FComposer->fileName()).absolutePath();
    const QString name =
        FComposer->fileName().isEmpty()
            ? tr("Envelopes", "the PDF file's name when there is no address file") + QStringLiteral(".pdf")
            : QFileInfo(FComposer->fileName()).completeBaseName() + QStringLiteral(".pdf");
    ExportPdfDialog->setDirectory(folder);
    ExportPdfDialog->selectFile(name);
    if (Prompt::exec(*ExportPdfDialog) != QDialog::Accepted || ExportPdfDialog->selectedFiles().isEmpty())
        return;
    const QString fileName = ExportPdfDialog->selectedFiles().constFirst();
    // The folder is a convenience: the export goes on when it cannot be kept.
    GuardedOnce(FSession.SettingsFailureShown,
                [&] { Options().SetPdfFolder(QFileInfo(fileName).absolutePath()); });

    const WaitCursor wait;
    const EnvelopeDesign design = FComposer->design();
    WriteEnvelopePdf(
        fileName, FState.PrintEnvelopes, JobPlan::All(envelopeCount),
        [&design](const QStringList &lines) { return MakeEnvelopePage(design, lines); },
        StoredPaper(Settings()));
}

} // namespace zentrope
