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

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
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

// Qt's dialog offers a page set (odd or even pages) that CUPS would apply to
// the program's pages, copies included; the program picks its envelopes
// itself, so the choice is not offered.
class NoPageSet : public QObject {
public:
    explicit NoPageSet(QObject *dialog) : QObject(dialog) { dialog->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Show && watched == parent()) {
            if (auto *combo = parent()->findChild<QWidget *>(QStringLiteral("pageSetCombo"))) {
                combo->hide();
                for (QLabel *label : parent()->findChildren<QLabel *>())
                    if (label->buddy() == combo)
                        label->hide();
            }
        }
        return QObject::eventFilter(watched, e);
    }
};

// Qt's dialog builds its paper page (Properties) anew when it closes or when
// Properties opens; not finding the printer's paper among the queue's sizes
// by name, it takes the first one, and it resets the colour mode. This keeps
// what the user did not change in the dialog as the printer had it: the
// paper page opens on the printer's paper and orientation, and the paper,
// orientation, colour and duplex the user did not touch are put back.
class KeepUnchangedChoices : public QObject {
public:
    KeepUnchangedChoices(QDialog &dialog, PrinterDevice &printer)
        : QObject(&dialog), m_dialog(dialog), m_before(printer.GetDeviceMode()),
          m_layout(printer.QtPrinter().pageLayout())
    {
        // The paper page is a window of its own, made when it is needed.
        qApp->installEventFilter(this);
    }

    void Apply(PrinterDevice &printer) const
    {
        DeviceMode kept = m_before;
        kept.Fields = 0;
        if (!m_paperShown)
            kept.Fields |= m_before.Fields & (DeviceMode::DM_PAPERSIZE | DeviceMode::DM_PAPERLENGTH |
                                              DeviceMode::DM_PAPERWIDTH | DeviceMode::DM_ORIENTATION);
        if (m_optionsShown == checkedOptions()) {
            kept.Fields |= m_before.Fields & (DeviceMode::DM_COLOR | DeviceMode::DM_DUPLEX);
        }
        printer.SetDeviceMode(kept);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() != QEvent::Show)
            return false;
        if (watched == &m_dialog) {
            m_optionsShown = checkedOptions();
        } else if (auto *page = qobject_cast<QDialog *>(watched);
                   page && within(page) && !page->property(kShown).toBool()) {
            // Shown once per paper page: after that the page holds what the user chose.
            page->setProperty(kShown, true);
            m_paperShown = true;
            showPaper(*page);
        }
        return false;
    }

private:
    static constexpr const char *kShown = "zentropeShown";

    bool within(const QWidget *w) const
    {
        for (w = w->parentWidget(); w; w = w->parentWidget())
            if (w == &m_dialog)
                return true;
        return false;
    }

    QString checkedOptions() const
    {
        QString checked;
        for (const char *name : {"color", "grayscale", "noDuplex", "duplexLong", "duplexShort"})
            if (auto *b = m_dialog.findChild<QAbstractButton *>(QLatin1String(name)))
                checked += QLatin1String(b->isChecked() ? "1" : "0");
        return checked;
    }

    void showPaper(QDialog &page) const
    {
        if (auto *combo = page.findChild<QComboBox *>(QStringLiteral("pageSizeCombo"))) {
            const QPageSize paper = m_layout.pageSize();
            for (int i = 0; i < combo->count(); ++i) {
                const QPageSize offered = combo->itemData(i).value<QPageSize>();
                if (offered.isValid() && (offered.isEquivalentTo(paper) ||
                                          (paper.id() != QPageSize::Custom && offered.id() == paper.id()))) {
                    combo->setCurrentIndex(i);
                    break;
                }
            }
        }
        const bool landscape = m_layout.orientation() == QPageLayout::Landscape;
        if (auto *b = page.findChild<QAbstractButton *>(QLatin1String(landscape ? "landscape" : "portrait")))
            b->setChecked(true);
    }

    QDialog &m_dialog;
    const DeviceMode m_before;
    const QPageLayout m_layout;
    bool m_paperShown = false;
    QString m_optionsShown;
};

// The printer the dialog chose may have been removed while it was open; Qt
// would print on another queue without a word.
bool ChosenPrinterInstalled(QWidget *parent, const QPrinter &printer)
{
    if (PrinterDevice::PrintersInstalled() &&
        QPrinterInfo::availablePrinterNames().contains(printer.printerName()))
        return true;
    Prompt::message(parent, Prompt::Kind::Warning,
                    QCoreApplication::translate("zentrope::TFormStampMain",
                                                "The printer %1 is no longer installed. Nothing was printed.")
                        .arg(printer.printerName()));
    return false;
}

// While CUPS is asked what became of a job, the window stays alive.
void WaitWithEvents(int ms)
{
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    wait.exec();
}

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
    new NoPageSet(&dialog);
    const auto *unchanged = new KeepUnchangedChoices(dialog, Printer());
    if (Prompt::exec(dialog) != QDialog::Accepted || !ChosenPrinterInstalled(this, printer))
        return;
    unchanged->Apply(Printer());

    // The program makes its own copies and picks its own envelopes (every
    // page list the dialog allows, "1,3" included), in reverse when asked;
    // the printer must not repeat, filter or reorder the pages again.
    const int copies = std::max(1, printer.copyCount());
    const QPrinter::PrintRange range = printer.printRange();
    const QPageRanges pages = printer.pageRanges();
    const bool reverse = ReversePrinterOrder(printer);
    ClearPrinterChoices(printer);

    std::vector<int> envelopes;
    switch (range) {
    case QPrinter::Selection:
        CollectPrintLines(true);
        envelopes = allEnvelopes(FState.PrintEnvelopes.EnvelopeCount());
        break;
    case QPrinter::PageRange:
        envelopes = EnvelopesInRanges(pages, envelopeCount);
        break;
    default:
        envelopes = allEnvelopes(envelopeCount);
        break;
    }
    if (reverse)
        std::reverse(envelopes.begin(), envelopes.end());
    PrintEnvelopes(copies, envelopes);
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
    new NoPageSet(&dialog);
    const auto *unchanged = new KeepUnchangedChoices(dialog, Printer());
    if (Prompt::exec(dialog) != QDialog::Accepted || !ChosenPrinterInstalled(this, printer))
        return;
    unchanged->Apply(Printer());
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
            JobMonitor{{}, {}, {}, WaitWithEvents}, PrinterFeedProfile());
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
        monitor.Waiting = WaitWithEvents;
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
