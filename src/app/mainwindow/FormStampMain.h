#pragma once

#include "app/session/SessionState.h"
#include "document/AddressLines.h"
#include "document/EnvelopeComposer.h"

#include <QFileDialog>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QMenuBar;
class QMenu;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace zentrope {

class AddressFontDialog;
class HelpDesk;
class ImageControl;
class MemoControl;
class PrintPreviewWindow;
class ProgramSettings;
class ResizePanel;
class StatusPanel;
class TDlgAbout;
class TDlgEnvelopeSizes;
class TDlgReturnAddresses;
class TFormPrintStatus;
struct FeedProfile;

// What the window keeps for itself beside the envelope being composed.
struct MainWindowState {
    bool TestPrint = false;
    bool InLayout = false;
    // The envelopes of the last print command.
    EnvelopeList PrintEnvelopes;
    QString VersionText;
};

// The main window: it shows the envelope being composed (EnvelopeComposer)
// in its address boxes, pickers and status panels, and forwards the user's
// commands to it. Its handlers are grouped in one source file per concern
// (FormStampMain*.cpp). Tests find its controls by their object names.
class TFormStampMain : public QMainWindow {
    Q_OBJECT
public:
    // The windows this one opens; the session makes the progress window after
    // this one, the others at their first use.
    struct Dialogs {
        std::function<TDlgAbout &()> About;
        std::function<TDlgEnvelopeSizes &()> EnvelopeSizes;
        std::function<TDlgReturnAddresses &()> ReturnAddresses;
        TFormPrintStatus *PrintStatus = nullptr;
    };

    TFormStampMain(SessionState &session, HelpDesk &help, QWidget *parent = nullptr);
    ~TFormStampMain() override;
    void SetDialogs(const Dialogs &dialogs);

    const MainWindowState &State() const { return FState; }
    const EnvelopeComposer &Composer() const { return *FComposer; }

    // --- Run by the session --------------------------------------------------------------------
    void FormActivate(QObject *Sender);
    void FormDestroy(QObject *Sender);
    void RunCommandLine(const QStringList &Arguments);
    // What the window's first paint does not need (the desktop registration,
    // the font list, the help contexts): run once, just after that paint, or
    // when the window is destroyed without one.
    void AfterFirstPaint();

    // --- What the catalog dialogs report -------------------------------------------------------
    void UpdateEnvelopeSizeCombo();
    void FillReturnAddressCombo();
    void ShowReturnAddress();
    // The dialogs' selection becomes the pickers' selection.
    void SelectEnvelopeSize(int index);
    void SelectReturnAddress(int index);
    void FilePrintSetupClick(QObject *Sender);

    // Recomputes the commands' enabled and checked states and the status panels.
    void UpdateMenu(QObject *Sender);
    // The clipboard changed, or a menu opens: it is asked again.
    void ClipboardChange(QObject *Sender);

    // The envelopes of the address box, or of its selection, as the print
    // commands take them (State().PrintEnvelopes).
    void CollectPrintLines(bool SelectionOnly);

signals:
    // The window has closed for good; the program's loop ends.
    void closed();
    // A print job has laid out one page: copy `copy` of envelope `envelope`.
    void PagePrinted(int envelope, int copy);

protected:
    void closeEvent(QCloseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    bool event(QEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dropEvent(QDropEvent *e) override;

private:
    class Prompts;
    using Handler = void (TFormStampMain::*)(QObject *);

    // --- Construction --------------------------------------------------------------------------
    void CreateControls();
    void CreateStandardToolbar(QWidget *central, QVBoxLayout *column);
    void CreateFormatToolbar(QWidget *central, QVBoxLayout *column);
    void CreateEnvelopePanel(QWidget *central, QVBoxLayout *column);
    void CreateStatusBar(QWidget *central, QVBoxLayout *column);
    void CreateMenus();
    void CreateFileMenu(QMenuBar *bar);
    void CreateEditMenu(QMenuBar *bar);
    void CreateOptionsMenu(QMenuBar *bar);
    void CreateHelpMenu(QMenuBar *bar);
    void CreatePopupMenus();
    void CreateFitCheck();
    void ShowComposer();
    // The colours that must read on the desktop's palette, and the envelope's
    // paper; set again when the palette changes.
    void ApplyPalette();
    // A menu item that runs `handler`, and the items and buttons that carry
    // out the same command: they follow its enabled state and trigger it.
    QAction *Command(QMenu *menu, const char *name, const QString &caption, Handler handler,
                     const QKeySequence &key = {}, const QString &hint = {});
    void Follow(QAction *command, std::initializer_list<QObject *> followers, bool trigger = true);
    QFileDialog *FileDialog(const char *name, QFileDialog::AcceptMode mode, int helpContext);
    QFileDialog &OpenDialog();
    QFileDialog &SaveDialog();
    QFileDialog &BitmapDialog();
    void AssignHelpContexts();
    void WireHandlers();
    // Connects an action or button signal to a handler, inside the error guard.
    template <typename Signal, typename Sender> void Wire(Sender *sender, Signal signal, Handler handler);

    // --- Lifecycle -----------------------------------------------------------------------------
    void FormCreate(QObject *Sender);
    void FormCloseQuery(QObject *Sender, bool &CanClose);
    void FileExitClick(QObject *Sender);
    void SavePosition();

    // --- Command state, status panels and hints -----------------------------------------------
    void MemoAddressClick(QObject *Sender);
    void MemoReturnAddressClick(QObject *Sender);
    void AddressFocusNone(QObject *Sender);
    void EditCutClick(QObject *Sender);
    void EditCopyClick(QObject *Sender);
    void EditPasteClick(QObject *Sender);
    void EditDeleteClick(QObject *Sender);
    void EditSelectAllClick(QObject *Sender);
    void EditClearClick(QObject *Sender);
    void ShowHint(const QString &hint);
    void OptionsShowHintsClick(QObject *Sender);
    void OptionsFontToolbarClick(QObject *Sender);
    // Pop-up hints on or off, with their colour and delay.
    void ApplyHintSettings();

    // --- Envelope preview layout ---------------------------------------------------------------
    void FormResize(QObject *Sender);
    void PanelEnvelopeResize(QObject *Sender);

    // --- Address fonts and formatting toolbar -------------------------------------------------
    void FillFontNames();
    void ComboBoxFontNameChange(QObject *Sender);
    void ComboBoxFontSizeChange(QObject *Sender);
    void SpeedButtonBoldClick(QObject *Sender);
    void SpeedButtonItalicClick(QObject *Sender);
    void SpeedButtonUnderlineClick(QObject *Sender);
    void OptionsFontAddressClick(QObject *Sender);
    void OptionsFontReturnAddressClick(QObject *Sender);
    // The composer's fonts on the address boxes.
    void ShowAddressFonts();
    // One change of an address font, written whole.
    void ChangeAddressFont(bool ReturnAddress, const std::function<void(FontDescription &)> &change);
    void RunFontDialog(bool ReturnAddress);

    // --- Corner graphic ------------------------------------------------------------------------
    void LoadGraphic();
    // The corner graphic as the envelope prints it.
    void ComposeGraphic();
    void OptionsGraphicClick(QObject *Sender);
    void OptionsUpdateGraphicClick(QObject *Sender);
    void OptionsClearGraphicClick(QObject *Sender);
    void OptionsEditGraphicClick(QObject *Sender);

    // --- Help commands -------------------------------------------------------------------------
    void HelpContentsClick(QObject *Sender);
    void HelpOverviewClick(QObject *Sender);
    void HelpSearchClick(QObject *Sender);
    void HelpSupportClick(QObject *Sender);
    void HelpWarrantyClick(QObject *Sender);
    void HelpLicenseClick(QObject *Sender);
    void HelpProductsClick(QObject *Sender);
    void HelpAboutClick(QObject *Sender);

    // --- Envelope sizes and return addresses ---------------------------------------------------
    void ComboBoxReturnAddressChange(QObject *Sender);
    void OptionsEnvelopeClick(QObject *Sender);
    void OptionsReturnAddressesClick(QObject *Sender);

    // --- Postal bar code preview ---------------------------------------------------------------
    void MemoAddressChange(QObject *Sender);
    void OptionsBarCodeClick(QObject *Sender);

    // --- Fit of the envelopes on the chosen size ------------------------------------------------
    // A check runs shortly after a change of the text, the size, a font or the
    // graphic; the first envelope that does not fit is named in the hint panel.
    void ScheduleFitCheck();
    void CheckEnvelopeFit();

    // --- Printing ------------------------------------------------------------------------------
    void FilePrintEnvelopeClick(QObject *Sender);
    void FilePrintTestClick(QObject *Sender);
    // One alignment test page on the printer the print dialog leaves chosen,
    // fed as its profile says.
    void FilePrintAlignmentClick(QObject *Sender);
    void SpeedButtonPrintClick(QObject *Sender);
    // Writes the envelopes of the address box to a PDF file the user names.
    void FileExportPdfClick(QObject *Sender);
    // Prints the chosen envelopes (numbers from 1, in printing order), each
    // Copies times; with none chosen it says there is nothing to print.
    void PrintEnvelopes(int Copies, const std::vector<int> &Envelopes);
    // The composer's design as this job prints it.
    EnvelopeDesign JobDesign() const;
    void LoadPrinterSettings();
    void SavePrinterSettings();
    // The current printer's feed profile; none: it prints as it always did.
    std::optional<FeedProfile> PrinterFeedProfile() const;
    void OptionsEnvelopeFeedClick(QObject *Sender);
    // Edits and stores one printer's feed profile, over the given window.
    void EditEnvelopeFeed(const QString &printer, bool landscape, QWidget *parent);

    // --- Print preview -------------------------------------------------------------------------
    // Opens the preview (made at its first use, freed when closed); it
    // follows the envelopes as the fit check does, and the printer's paper
    // whenever the printer settings are saved.
    void FilePrintPreviewClick(QObject *Sender);
    void UpdatePrintPreview();
    void UpdatePrintPreviewPaper();

    // --- Address documents and recent files ----------------------------------------------------
    void FileNewClick(QObject *Sender);
    void FileOpenClick(QObject *Sender);
    void OpenAddressFile(QObject *Sender, const QString &FileName, bool ReadOnly);
    void FileSaveClick(QObject *Sender);
    void FileSaveAsClick(QObject *Sender);
    void FileOpenOldClick(QObject *Sender);
    // The File menu's recent items and the file dialogs' history lists.
    void RefreshRecentFiles();
    // The Save As dialog, starting from the given file; empty when cancelled.
    QString AskSaveFileName(const QString &current);
    // What an address file dialog needs beyond QFileDialog's own controls.
    void SetUpDocumentDialog(QFileDialog *dialog);

    // --- Address import -----------------------------------------------------------------------
    void FileImportAddressesClick(QObject *Sender);
    // Reads a vCard or CSV file and lets the user pick the envelopes to add.
    void ImportAddressFile(QObject *Sender, const QString &FileName);
    QFileDialog &ImportDialog();

    // --- Command line, dropped files, registration ---------------------------------------------
    void WMDropFiles(const QStringList &Files);
    void RegisterFileType();
    // Makes the window, address boxes included, a target for dropped files.
    void AcceptFileDrops();

    // --- What the window works on --------------------------------------------------------------
    TQevIniFile &Settings() const { return *FSession.Settings; }
    ProgramSettings Options() const;
    CornerGraphic &Corner() const { return FSession.Graphic; }
    PrinterDevice &Printer() const { return *FSession.Printer; }

    SessionState &FSession;
    HelpDesk &FHelp;
    Dialogs FDialogs;
    MainWindowState FState;
    std::unique_ptr<Prompts> FPrompts;
    EnvelopeComposer *FComposer = nullptr;

    // The fit check's timer, its hint (empty when all fit), what its findings
    // were measured against, and its findings: envelope text -> fits.
    QTimer *FitTimer = nullptr;
    QString FFitHint;
    QString FFitKey;
    QHash<QString, bool> FFitCache;

    QPointer<PrintPreviewWindow> PrintPreview;
    // The printer the preview shows, read when it opened or the printer changed.
    QString FPreviewPrinterName;
    std::optional<FeedProfile> FPreviewFeed;
    PrinterPage FPreviewPrinterPage;

    // --- Controls the handlers use (objectName = the member's name) ----------------------------
    QComboBox *ComboBoxReturnAddress = nullptr;
    QComboBox *ComboBoxEnvelopeSize = nullptr;
    QFrame *PanelFormatToolbar = nullptr;
    QComboBox *ComboBoxFontName = nullptr;
    QComboBox *ComboBoxFontSize = nullptr;
    QToolButton *SpeedButtonBold = nullptr;
    QToolButton *SpeedButtonItalic = nullptr;
    QToolButton *SpeedButtonUnderline = nullptr;
    StatusPanel *PanelModified = nullptr;
    StatusPanel *PanelWhichAddress = nullptr;
    StatusPanel *PanelHints = nullptr;
    ResizePanel *PanelEnvelope = nullptr;
    ImageControl *ImageReturnAddress = nullptr;
    MemoControl *MemoReturnAddress = nullptr;
    ImageControl *ImageZipBarCode = nullptr;
    MemoControl *MemoAddress = nullptr;
    ImageControl *ImageStamp = nullptr;
    MemoControl *MemoShellNew = nullptr;

    // The commands whose state the handlers set; the menu items, pop-up items
    // and buttons that carry out the same command follow them.
    QMenu *FileMenu = nullptr;
    QAction *FileSave = nullptr, *FileSaveAs = nullptr, *FileClose = nullptr, *FilePrintEnvelope = nullptr,
            *FilePrintTest = nullptr, *FilePrintAlignment = nullptr, *FileOldFileBreak = nullptr;
    QAction *EditCut = nullptr, *EditCopy = nullptr, *EditPaste = nullptr, *EditDelete = nullptr,
            *EditClear = nullptr, *EditSelectAll = nullptr;
    QAction *OptionsUpdateGraphic = nullptr, *OptionsClearGraphic = nullptr, *OptionsEditGraphic = nullptr,
            *OptionsShowHints = nullptr, *OptionsBarCode = nullptr, *OptionsFontToolbar = nullptr;
    QMenu *PopupMenuReturnAddress = nullptr;
    QMenu *PopupMenuAddress = nullptr;
    QMenu *PopupMenuGraphic = nullptr;
    // The file dialogs, made at their first use; shown through the prompt layer.
    QFileDialog *OpenFileDialog = nullptr;
    QFileDialog *SaveFileDialog = nullptr;
    QFileDialog *SelectBitmapDialog = nullptr;
    QFileDialog *ImportFileDialog = nullptr;
    QFileDialog *ExportPdfDialog = nullptr;
    // The font dialog of both address fonts; made at its first use.
    AddressFontDialog *FontDialog = nullptr;

    bool FCreated = false;        // FormCreate has read the stored position
    bool FDestroyed = false;      // FormDestroy has run
    bool FShown = false;          // the window has been shown once
    bool FFirstPaintDone = false; // AfterFirstPaint has run
    // Whether the clipboard holds text; asked again when it changes or a menu
    // opens, since asking the X server's clipboard owner takes a round trip.
    std::optional<bool> FClipboardText;
};

} // namespace zentrope
