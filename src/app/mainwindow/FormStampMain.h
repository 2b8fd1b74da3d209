#pragma once

#include "app/session/SessionState.h"
#include "document/AddressFile.h"
#include "document/AddressLines.h"

#include <QFileDialog>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QMenuBar;
class QTimer;
class QToolButton;
class QVBoxLayout;

namespace zentrope {

class AddressFontDialog;
class HelpDesk;
class ImageControl;
class MemoControl;
class ProgramSettings;
class ResizePanel;
class StatusPanel;
class TDlgAbout;
class TDlgEnvelopeSizes;
class TDlgReturnAddresses;
class TFormPrintPreview;
class TFormPrintStatus;
struct EnvelopeDesign;
struct FeedProfile;

// No underlying type: lupdate (Qt 6.4) then loses the class below and files
// its texts under the wrong context.
enum TActiveAddress { aaReturn = 0, aaDestination = 1, aaNone = 2 };

// The envelope being composed: the document in the address box, the options
// that shape its printing and the window's own bookkeeping.
struct MainWindowState {
    QString AddressFileName;
    bool AddressFileReadOnly = false;
    // The encoding the document was read with; new documents are UTF-8.
    TextEncoding AddressFileEncoding = TextEncoding::Utf8;
    bool PrintBarCode = true;
    bool TestPrint = false;
    bool InLayout = false;
    // The envelopes of the last print command.
    EnvelopeList PrintEnvelopes;
    TActiveAddress ActiveAddress = aaDestination;
    QString VersionText;
};

// The main window: the envelope being composed, with its menus, toolbars and
// status panels. Its handlers are grouped in one source file per concern
// (FormStampMain*.cpp). Tests find its controls by their object names.
class TFormStampMain : public QMainWindow {
    Q_OBJECT
public:
    // The windows this one opens; the session makes them after this one.
    struct Dialogs {
        TDlgAbout *About = nullptr;
        TDlgEnvelopeSizes *EnvelopeSizes = nullptr;
        TDlgReturnAddresses *ReturnAddresses = nullptr;
        TFormPrintStatus *PrintStatus = nullptr;
    };

    TFormStampMain(SessionState &session, HelpDesk &help, QWidget *parent = nullptr);
    ~TFormStampMain() override;
    void SetDialogs(const Dialogs &dialogs);

    const MainWindowState &State() const { return m_state; }

    // --- Run by the session --------------------------------------------------------------------
    void FormActivate(QObject *Sender);
    void FormDestroy(QObject *Sender);
    void RunCommandLine(const QStringList &Arguments);

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

    // --- The print job's view of the envelope, for the job and its tests -----------------------
    // The envelopes of the address box, or of its selection, as the print
    // commands take them (State().PrintEnvelopes).
    void CollectPrintLines(bool SelectionOnly);
    // What every page of a job shares as the window shows it now: envelope
    // size, graphic, return address, fonts and options.
    EnvelopeDesign CurrentEnvelopeDesign();

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
    // --- Construction --------------------------------------------------------------------------
    void CreateControls();
    void CreateStandardToolbar(QWidget *central, QVBoxLayout *column);
    void CreateFormatToolbar(QWidget *central, QVBoxLayout *column);
    void CreateEnvelopePanel(QWidget *central, QVBoxLayout *column);
    void CreateStatusBar(QWidget *central, QVBoxLayout *column);
    void CreateMenus();
    void CreateFileMenu();
    void CreateEditMenu();
    void CreateOptionsMenu();
    void CreateHelpMenu();
    void CreatePopupMenus();
    void CreateFitCheck();
    // The colours that must read on the desktop's palette, and the envelope's
    // paper; set again when the palette changes.
    void ApplyPalette();
    QFileDialog *FileDialog(const char *name, QFileDialog::AcceptMode mode, int helpContext);
    QFileDialog &OpenDialog();
    QFileDialog &SaveDialog();
    QFileDialog &BitmapDialog();
    void AssignHelpContexts();
    void WireHandlers();
    // Connects an action or button signal to a handler, inside the error guard.
    template <typename Signal, typename Sender, typename Handler>
    void Wire(Sender *sender, Signal signal, Handler handler);

    // --- Lifecycle -----------------------------------------------------------------------------
    void FormCreate(QObject *Sender);
    void FormCloseQuery(QObject *Sender, bool &CanClose);
    void FileExitClick(QObject *Sender);
    void SavePosition();

    // --- Command state, status panels and hints -----------------------------------------------
    void MemoAddressClick(QObject *Sender);
    void MemoReturnAddressClick(QObject *Sender);
    void AddressFocusNone(QObject *Sender);
    void MemoAddressMouseUp(QObject *Sender);
    void MemoReturnAddressChange(QObject *Sender);
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
    // The font of an address box as the settings file stores it, and back.
    FontDescription AddressFont(MemoControl *memo) const;
    void SetAddressFont(MemoControl *memo, const FontDescription &font);
    // The box the formatting toolbar applies to (null for aaNone), and one
    // change of its font written whole.
    MemoControl *ActiveAddressMemo() const;
    void ChangeAddressFont(MemoControl *memo, const std::function<void(FontDescription &)> &change);
    void RunFontDialog(MemoControl *memo);
    // The address boxes' system text colours, resolved again after a palette change.
    void RefreshAddressColours();

    // --- Corner graphic ------------------------------------------------------------------------
    void LoadGraphic();
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
    QTimer *FitTimer = nullptr;
    QString m_fitHint;               // the hint panel's fit message; empty when all fit
    QString m_fitKey;                // what the cached findings were measured against
    QHash<QString, bool> m_fitCache; // envelope text -> fits

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
    QPointer<TFormPrintPreview> PrintPreview;
    // The printer the preview shows, read when it opened or the printer changed.
    QString m_previewPrinterName;
    std::optional<FeedProfile> m_previewFeed;
    PrinterPage m_previewPrinterPage;

    // --- Address documents and recent files ----------------------------------------------------
    bool QuerySaveChanges();
    void FileNewClick(QObject *Sender);
    void NewAddressFile();
    void FileOpenClick(QObject *Sender);
    void OpenAddressFile(QObject *Sender, const QString &FileName, bool ReadOnly);
    void FileSaveClick(QObject *Sender);
    void FileSaveAsClick(QObject *Sender);
    // Save and Save As; false when the user cancelled the file dialog.
    bool SaveDocument();
    bool SaveDocumentAs();
    void FileOpenOldClick(QObject *Sender);
    // Puts text into the address box as a whole: caret at the start, not modified.
    void SetAddressText(const QString &text);
    // The recent-files update after an open or Save As.
    void RecentFilesUpdate();
    // The File menu's recent items and the file dialogs' history lists.
    void RefreshRecentFiles();
    // What an address file dialog needs beyond QFileDialog's own controls.
    void SetUpDocumentDialog(QFileDialog *dialog);

    // --- Address import -----------------------------------------------------------------------
    void FileImportAddressesClick(QObject *Sender);
    // Reads a vCard or CSV file and lets the user pick the envelopes to add.
    void ImportAddressFile(QObject *Sender, const QString &FileName);
    // Adds text at the end of the address box as one step the user can undo.
    void AppendAddressText(QObject *Sender, const QString &text);
    QFileDialog &ImportDialog();

    // --- Command line, dropped files, registration ---------------------------------------------
    void WMDropFiles(const QStringList &Files);
    void RegisterFileType();
    // Makes the window, address boxes included, a target for dropped files.
    void AcceptFileDrops();

    // --- What the window works on --------------------------------------------------------------
    SessionState &m_session;
    HelpDesk &m_help;
    Dialogs m_dialogs;
    MainWindowState m_state;
    TQevIniFile &Settings() const { return *m_session.Settings; }
    ProgramSettings Options() const;
    CornerGraphic &Corner() const { return m_session.Graphic; }
    TPrinterDevice &Printer() const { return *m_session.Printer; }

    // --- Controls (objectName = the member's name) -------------------------------------------
    QMenuBar *ZentropeMainMenu = nullptr;
    QFrame *PanelStandardToolbar = nullptr;
    QToolButton *SpeedButtonFileNew = nullptr;
    QToolButton *SpeedButtonFileOpen = nullptr;
    QToolButton *SpeedButtonFileSave = nullptr;
    QToolButton *SpeedButtonCut = nullptr;
    QToolButton *SpeedButtonCopy = nullptr;
    QToolButton *SpeedButtonPaste = nullptr;
    QToolButton *SpeedButtonPrint = nullptr;
    QToolButton *SpeedButtonPrintPreview = nullptr;
    QToolButton *SpeedButtonReturnAddresses = nullptr;
    QComboBox *ComboBoxReturnAddress = nullptr;
    QToolButton *SpeedButtonSize = nullptr;
    QComboBox *ComboBoxEnvelopeSize = nullptr;
    QFrame *PanelFormatToolbar = nullptr;
    QComboBox *ComboBoxFontName = nullptr;
    QComboBox *ComboBoxFontSize = nullptr;
    QToolButton *SpeedButtonBold = nullptr;
    QToolButton *SpeedButtonItalic = nullptr;
    QToolButton *SpeedButtonUnderline = nullptr;
    QFrame *PanelBottom = nullptr;
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

    // Menus and their items.
    QMenu *FileMenu = nullptr;
    QAction *FileNew = nullptr, *FileOpen = nullptr, *FileSave = nullptr, *FileSaveAs = nullptr,
            *FileClose = nullptr, *N8 = nullptr, *FilePrintEnvelope = nullptr, *FilePrintTest = nullptr,
            *FilePrintSetup = nullptr, *FileExportPdf = nullptr, *N1 = nullptr, *FileExit = nullptr,
            *FileOldFileBreak = nullptr;
    QAction *FileImportAddresses = nullptr;
    QAction *FilePrintPreview = nullptr;
    QAction *FilePrintAlignment = nullptr;
    QMenu *EditMenu = nullptr;
    QAction *EditCut = nullptr, *EditCopy = nullptr, *EditPaste = nullptr, *EditDelete = nullptr,
            *EditClear = nullptr, *N4 = nullptr, *EditSelectAll = nullptr;
    QMenu *OptionsMenu = nullptr;
    QAction *OptionsReturnAddresses = nullptr, *OptionsEnvelope = nullptr;
    QAction *OptionsEnvelopeFeed = nullptr;
    QMenu *FontsMenu = nullptr;
    QAction *OptionsFontReturnAddress = nullptr, *OptionsFontAddress = nullptr, *N5 = nullptr,
            *OptionsGraphic = nullptr, *OptionsUpdateGraphic = nullptr, *OptionsClearGraphic = nullptr,
            *OptionsEditGraphic = nullptr, *N3 = nullptr, *OptionsShowHints = nullptr,
            *OptionsBarCode = nullptr, *OptionsFontToolbar = nullptr;
    QMenu *HelpMenu = nullptr;
    QAction *HelpContents = nullptr, *HelpOverview = nullptr, *HelpSearch = nullptr, *N6 = nullptr,
            *HelpSupport = nullptr, *HelpWarranty = nullptr, *HelpLicense = nullptr, *HelpProducts = nullptr,
            *N7 = nullptr, *HelpAbout = nullptr;
    // Pop-up menus.
    QMenu *PopupMenuReturnAddress = nullptr;
    QAction *M_EditReturnAddresses = nullptr, *FontReturnAddress = nullptr;
    QMenu *PopupMenuAddress = nullptr;
    QAction *M_Cut = nullptr, *M_Copy = nullptr, *M_Paste = nullptr, *M_Delete = nullptr, *N9 = nullptr,
            *M_Font = nullptr;
    QMenu *PopupMenuGraphic = nullptr;
    QAction *M_SelectGraphic = nullptr, *M_UpdateGraphic = nullptr, *M_ClearGraphic = nullptr,
            *M_EditGraphic = nullptr;
    // The file dialogs, made at their first use; shown through the prompt layer.
    QFileDialog *OpenFileDialog = nullptr;
    QFileDialog *SaveFileDialog = nullptr;
    QFileDialog *SelectBitmapDialog = nullptr;
    QFileDialog *ImportFileDialog = nullptr;
    // The PDF export's dialog; made at its first use.
    QFileDialog *ExportPdfDialog = nullptr;
    // The font dialog of both address fonts; made at its first use.
    AddressFontDialog *FontDialog = nullptr;

    bool m_created = false;   // FormCreate has read the stored position
    bool m_destroyed = false; // FormDestroy has run
};

} // namespace zentrope
