#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/controls/GlyphIconEngine.h"
#include "app/controls/Named.h"
#include "platform/PaperPalette.h"
#include "app/prompt/Guard.h"
#include "app/help/HelpContext.h"
#include "app/controls/Scale.h"
#include "platform/Contrast.h"
#include "platform/Topics.h"
#include "settings/ProgramSettings.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QToolButton>
#include <QVBoxLayout>

// The pictures live in the widgets library, which a static link does not
// register by itself.
static void initAssets()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(assets);
        return true;
    }();
    (void)done;
}

namespace zentrope {

namespace {

QFont windowFont(int pixelHeight)
{
    QFont f = QApplication::font();
    f.setPixelSize(Scale::dp(pixelHeight));
    return f;
}

QString iconFile(const char *name)
{
    return QStringLiteral(":/zentrope/icons/%1.svg").arg(QLatin1String(name));
}

// A toolbar glyph, which sits on the window's background (the palette's Base).
QIcon glyph(const char *name)
{
    return GlyphIconEngine::icon(iconFile(name), QPalette::Base);
}

// The stamp: a 64 x 64 picture drawn from its vector source.
QImage stampPicture()
{
    QImage img(64, 64, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QSvgRenderer svg(QStringLiteral(":/zentrope/icons/stamp.svg"));
    QPainter p(&img);
    svg.render(&p, QRectF(0, 0, 64, 64));
    return img;
}

} // namespace

template <typename Signal, typename Sender, typename Handler>
void TFormStampMain::Wire(Sender *sender, Signal signal, Handler handler)
{
    connect(sender, signal, this, Guard([this, sender, handler] { (this->*handler)(sender); }));
}

TFormStampMain::TFormStampMain(SessionState &session, HelpDesk &help, QWidget *parent)
    : QMainWindow(parent), m_session(session), m_help(help)
{
    initAssets();
    setObjectName(QStringLiteral("FormStampMain"));
    setWindowTitle(QStringLiteral("Zentrope"));
    setWindowIcon(QIcon(iconFile("zentrope")));
    setFont(windowFont(18));
    resize(Scale::dp(QSize(722, 458)));
    CreateControls();
    CreateMenus();
    WireHandlers();
    CreateFitCheck();
    FormCreate(this);
}

void TFormStampMain::SetDialogs(const Dialogs &dialogs)
{
    m_dialogs = dialogs;
}

ProgramSettings TFormStampMain::Options() const
{
    return ProgramSettings(Settings());
}

TFormStampMain::~TFormStampMain()
{
    // FormDestroy has normally run in the shutdown sequence already.
    if (!m_destroyed)
        Guarded([this] { FormDestroy(this); });
}

namespace {

// A toolbar button: 30 x 30 at y 5, with its hint.
QToolButton *toolButton(QWidget *bar, const char *name, int x, const QString &hint)
{
    auto *b = named(new QToolButton(bar), name);
    b->setGeometry(Scale::dp(x), Scale::dp(5), Scale::dp(30), Scale::dp(30));
    b->setAutoRaise(true);
    setHint(b, hint);
    b->setFont(windowFont(15));
    b->setIconSize(Scale::dp(QSize(22, 22)));
    return b;
}

QFrame *toolbarPanel(QWidget *central, const char *name)
{
    auto *panel = named(new QFrame(central), name);
    panel->setFixedHeight(Scale::dp(40));
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return panel;
}

} // namespace

void TFormStampMain::CreateControls()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("CentralWidget"));
    central->setAutoFillBackground(true);
    // White on a light desktop; a dark desktop's fields on a dark one.
    central->setBackgroundRole(QPalette::Base);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);

    CreateStandardToolbar(central, column);
    CreateFormatToolbar(central, column);
    CreateEnvelopePanel(central, column);
    CreateStatusBar(central, column);
    ApplyPalette();
}

void TFormStampMain::ApplyPalette()
{
    const QPalette desktop = QApplication::palette();
    PanelEnvelope->setPalette(PaperPalette(desktop));
    // The style captions are navy where navy reads on the window's background;
    // on a dark one the same blue is made light enough. A disabled button keeps
    // the style's grey.
    const QColor caption = ReadableInk(QColor(0, 0, 128), desktop.color(QPalette::Active, QPalette::Base));
    for (QToolButton *b : {SpeedButtonBold, SpeedButtonItalic, SpeedButtonUnderline}) {
        QPalette p = b->palette();
        p.setColor(QPalette::Active, QPalette::ButtonText, caption);
        p.setColor(QPalette::Inactive, QPalette::ButtonText, caption);
        b->setPalette(p);
    }
    // The selection stays visible when the address box loses the focus.
    QPalette p = MemoAddress->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight, desktop.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               desktop.color(QPalette::Active, QPalette::HighlightedText));
    MemoAddress->setPalette(p);
}

void TFormStampMain::CreateStandardToolbar(QWidget *central, QVBoxLayout *column)
{
    PanelStandardToolbar = toolbarPanel(central, "PanelStandardToolbar");
    const auto button = [this](const char *name, int x, const QString &hint, const char *glyphName) {
        QToolButton *b = toolButton(PanelStandardToolbar, name, x, hint);
        b->setIcon(glyph(glyphName));
        return b;
    };
    SpeedButtonFileNew = button("SpeedButtonFileNew", 5, tr("Start a new envelope"), "new");
    SpeedButtonFileOpen = button("SpeedButtonFileOpen", 35, tr("Open a file"), "open");
    SpeedButtonFileSave = button("SpeedButtonFileSave", 65, tr("Save current file"), "save");
    SpeedButtonCut = button("SpeedButtonCut", 105, tr("Cut selected text to clipboard"), "cut");
    SpeedButtonCopy = button("SpeedButtonCopy", 135, tr("Copy selected text to clipboard"), "copy");
    SpeedButtonPaste = button("SpeedButtonPaste", 165, tr("Paste text from clipboard"), "paste");
    SpeedButtonPrint = button("SpeedButtonPrint", 205, tr("Print envelope"), "print");
    SpeedButtonReturnAddresses =
        button("SpeedButtonReturnAddresses", 235, tr("Change return addresses"), "returnaddresses");
    const auto picker = [this](const char *name, int x, const QString &hint) {
        auto *c = named(new PickerCombo(PanelStandardToolbar), name);
        c->setGeometry(Scale::dp(x), Scale::dp(8), Scale::dp(150), c->sizeHint().height());
        setHint(c, hint);
        c->setFont(windowFont(15));
        return c;
    };
    ComboBoxReturnAddress = picker("ComboBoxReturnAddress", 270, tr("Current return address"));
    SpeedButtonSize = button("SpeedButtonSize", 430, tr("Change envelope sizes"), "size");
    ComboBoxEnvelopeSize = picker("ComboBoxEnvelopeSize", 465, tr("Current envelope size"));
    ComboBoxEnvelopeSize->addItems(
        {QStringLiteral("Business"), QStringLiteral("Greeting Card"), QStringLiteral("Small")});
    // After the pickers: the designed row has no room beside Print.
    SpeedButtonPrintPreview = button("SpeedButtonPrintPreview", 625, tr("Print preview"), "printpreview");
    setTabOrder(ComboBoxReturnAddress, ComboBoxEnvelopeSize);
    column->addWidget(PanelStandardToolbar);
}

void TFormStampMain::CreateFormatToolbar(QWidget *central, QVBoxLayout *column)
{
    PanelFormatToolbar = toolbarPanel(central, "PanelFormatToolbar");
    const QFont small = windowFont(15);
    ComboBoxFontName = named(new QComboBox(PanelFormatToolbar), "ComboBoxFontName");
    ComboBoxFontName->setGeometry(Scale::dp(8), Scale::dp(8), Scale::dp(201),
                                  ComboBoxFontName->sizeHint().height());
    setHint(ComboBoxFontName, tr("Current font"));
    ComboBoxFontName->setFont(small);
    ComboBoxFontSize = named(new QComboBox(PanelFormatToolbar), "ComboBoxFontSize");
    ComboBoxFontSize->setGeometry(Scale::dp(224), Scale::dp(8), Scale::dp(65),
                                  ComboBoxFontSize->sizeHint().height());
    for (int s = 5; s <= 20; ++s)
        ComboBoxFontSize->addItem(QString::number(s));
    ComboBoxFontSize->setFont(small);
    setTabOrder(ComboBoxFontName, ComboBoxFontSize);
    const auto toggle = [this](const char *name, int x, const QString &caption, const QString &hint,
                               int style) {
        QToolButton *b = toolButton(PanelFormatToolbar, name, x, hint);
        b->setCheckable(true);
        b->setText(caption);
        QFont f = windowFont(18);
        f.setBold(style == 0);
        f.setItalic(style == 1);
        f.setUnderline(style == 2);
        b->setFont(f);
        return b;
    };
    // The letters of the style buttons are the language's own (F, K, U in German).
    SpeedButtonBold = toggle("SpeedButtonBold", 307, tr("B", "bold button"), tr("bold"), 0);
    SpeedButtonItalic = toggle("SpeedButtonItalic", 337, tr("i", "italic button"), tr("italic"), 1);
    SpeedButtonUnderline =
        toggle("SpeedButtonUnderline", 367, tr("U", "underline button"), tr("underline"), 2);
    column->addWidget(PanelFormatToolbar);
}

void TFormStampMain::CreateEnvelopePanel(QWidget *central, QVBoxLayout *column)
{
    PanelEnvelope = named(new ResizePanel(central), "PanelEnvelope");
    PanelEnvelope->setFrameStyle(QFrame::NoFrame);
    PanelEnvelope->setAutoFillBackground(true);
    column->addWidget(PanelEnvelope, 1);

    ImageReturnAddress = named(new ImageControl(PanelEnvelope), "ImageReturnAddress");
    ImageReturnAddress->setGeometry(Scale::dp(8, 8, 96, 96));
    setHint(ImageReturnAddress, tr("Graphic (right click for options)"));
    ImageReturnAddress->setVisible(false);

    MemoReturnAddress = named(new MemoControl(PanelEnvelope), "MemoReturnAddress");
    MemoReturnAddress->setGeometry(Scale::dp(113, 5, 432, 100));
    MemoReturnAddress->setReadOnly(true);
    MemoReturnAddress->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    MemoReturnAddress->setFocusPolicy(Qt::ClickFocus);
    MemoReturnAddress->setFrameStyle(QFrame::NoFrame);
    setHint(MemoReturnAddress, tr("Return Address (right click for options)"));
    MemoReturnAddress->setPlainText(QString());
    MemoReturnAddress->setContextMenuPolicy(Qt::CustomContextMenu);

    ImageZipBarCode = named(new ImageControl(PanelEnvelope), "ImageZipBarCode");
    ImageZipBarCode->setGeometry(Scale::dp(109, 113, 468, 40));
    setHint(ImageZipBarCode, tr("Postal Bar Code"));

    MemoAddress = named(new MemoControl(PanelEnvelope), "MemoAddress");
    MemoAddress->setGeometry(Scale::dp(184, 168, 449, 113));
    MemoAddress->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoAddress->setLineWrapMode(QPlainTextEdit::NoWrap);
    setHint(MemoAddress, tr("Destination Address (right click for options)"));
    MemoAddress->setContextMenuPolicy(Qt::CustomContextMenu);

    ImageStamp = named(new ImageControl(PanelEnvelope), "ImageStamp");
    ImageStamp->setGeometry(Scale::dp(552, 8, 80, 80));
    ImageStamp->setStretch(false);
    // Drawn from its vector source at the first paint, once the window shows.
    ImageStamp->setPainter([stamp = QImage()](QPainter &p, const QRect &) mutable {
        if (stamp.isNull())
            stamp = stampPicture();
        p.drawImage(QPoint(0, 0), stamp);
    });
    setHint(ImageStamp, tr("Click here to print an envelope."));
    ImageStamp->setCursor(Qt::PointingHandCursor);

    MemoShellNew = named(new MemoControl(PanelEnvelope), "MemoShellNew");
    MemoShellNew->setGeometry(Scale::dp(64, 240, 97, 65));
    MemoShellNew->setPlainText(QStringLiteral(" "));
    MemoShellNew->setVisible(false);
    setTabOrder(MemoAddress, MemoShellNew);
}

void TFormStampMain::CreateStatusBar(QWidget *central, QVBoxLayout *column)
{
    PanelBottom = named(new QFrame(central), "PanelBottom");
    PanelBottom->setFixedHeight(Scale::dp(25));
    PanelBottom->setFrameStyle(QFrame::NoFrame);
    auto *h = new QHBoxLayout(PanelBottom);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    PanelModified = named(new StatusPanel(tr(" Modified"), PanelBottom), "PanelModified");
    PanelModified->setFixedWidth(Scale::dp(81));
    setHint(PanelModified, tr("Indicates if the file was modified since it was last saved."));
    PanelWhichAddress = named(new StatusPanel(tr(" Address"), PanelBottom), "PanelWhichAddress");
    PanelWhichAddress->setFixedWidth(Scale::dp(128));
    setHint(PanelWhichAddress, tr("Indicates which address is selected for formatting"));
    PanelHints = named(new StatusPanel(tr(" Hint"), PanelBottom), "PanelHints");
    for (StatusPanel *p : {PanelModified, PanelWhichAddress, PanelHints})
        p->setFont(windowFont(15));
    h->addWidget(PanelModified);
    h->addWidget(PanelWhichAddress);
    h->addWidget(PanelHints, 1);
    column->addWidget(PanelBottom);
}

namespace {

// A menu of the menu bar (no parent menu) or a submenu, named like its action.
QMenu *newMenu(QMenuBar *bar, QMenu *parentMenu, const char *name, const QString &caption)
{
    QMenu *m = parentMenu ? parentMenu->addMenu(caption) : bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    m->setToolTipsVisible(false);
    return m;
}

QAction *item(QMenu *m, const char *name, const QString &caption, const QKeySequence &key = {},
              const QString &hint = {})
{
    QAction *a = m->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!key.isEmpty())
        a->setShortcut(key);
    a->setStatusTip(hint);
    return a;
}

QAction *separator(QMenu *m, const char *name)
{
    QAction *a = m->addSeparator();
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

} // namespace

void TFormStampMain::CreateMenus()
{
    ZentropeMainMenu = new QMenuBar(this);
    ZentropeMainMenu->setObjectName(QStringLiteral("ZentropeMainMenu"));
    setMenuBar(ZentropeMainMenu);
    CreateFileMenu();
    CreateEditMenu();
    CreateOptionsMenu();
    CreateHelpMenu();
    CreatePopupMenus();

    // The menu's shortcuts win over the address boxes' own key bindings.
    QList<QKeySequence> keys;
    for (QAction *a : findChildren<QAction *>())
        if (!a->shortcut().isEmpty())
            keys << a->shortcut();
    MemoAddress->setYieldedShortcuts(keys);
    MemoReturnAddress->setYieldedShortcuts(keys);
}

void TFormStampMain::CreateFileMenu()
{
    FileMenu = newMenu(ZentropeMainMenu, nullptr, "FileMenu", tr("&File"));
    FileNew = item(FileMenu, "FileNew", tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N),
                   tr("Open a new Zentrope file"));
    FileOpen = item(FileMenu, "FileOpen", tr("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O),
                    tr("Open an existing Zentrope or text file"));
    FileImportAddresses = item(FileMenu, "FileImportAddresses", tr("&Import Addresses..."), {},
                               tr("Add envelopes for contacts from a vCard or CSV file"));
    FileSave = item(FileMenu, "FileSave", tr("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S),
                    tr("Save the current file"));
    FileSaveAs = item(FileMenu, "FileSaveAs", tr("Save &As..."), QKeySequence(Qt::CTRL | Qt::Key_A),
                      tr("Save the current file with a new name"));
    FileClose = item(FileMenu, "FileClose", tr("&Close"), QKeySequence(Qt::CTRL | Qt::Key_F4),
                     tr("Close the current address file."));
    N8 = separator(FileMenu, "N8");
    FilePrintEnvelope = item(FileMenu, "FilePrintEnvelope", tr("&Print Envelope..."),
                             QKeySequence(Qt::CTRL | Qt::Key_P), tr("Print an envelope"));
    FilePrintTest = item(FileMenu, "FilePrintTest", tr("Print &Test Envelope..."), {},
                         tr("Print an envelope with a border to help configure the printer."));
    FilePrintPreview = item(FileMenu, "FilePrintPreview", tr("Print Pre&view..."), {},
                            tr("Show the envelopes as they will be printed"));
    FilePrintAlignment =
        item(FileMenu, "FilePrintAlignment", tr("Print A&lignment Test..."), {},
             tr("Print rulers and marks to read how far the printing is off on the envelope"));
    FilePrintSetup = item(FileMenu, "FilePrintSetup", tr("P&rint Setup..."), {}, tr("Setup the printer"));
    FileExportPdf = item(FileMenu, "FileExportPdf", tr("E&xport as PDF..."),
                         QKeySequence(Qt::CTRL | Qt::Key_E), tr("Save the envelopes as a PDF file"));
    N1 = separator(FileMenu, "N1");
    FileExit = item(FileMenu, "FileExit", tr("E&xit"), QKeySequence(Qt::ALT | Qt::Key_F4));
    FileOldFileBreak = separator(FileMenu, "FileOldFileBreak");
}

void TFormStampMain::CreateEditMenu()
{
    EditMenu = newMenu(ZentropeMainMenu, nullptr, "EditMenu", tr("&Edit"));
    EditCut = item(EditMenu, "EditCut", tr("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X),
                   tr("Cut the current selection to the clipboard."));
    EditCopy = item(EditMenu, "EditCopy", tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C),
                    tr("Copy the current selection to the clipboard"));
    EditPaste = item(EditMenu, "EditPaste", tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V),
                     tr("Paste text from the clipboard"));
    EditDelete = item(EditMenu, "EditDelete", tr("&Delete"), QKeySequence(Qt::Key_Delete),
                      tr("Delete the selected text"));
    EditClear = item(EditMenu, "EditClear", tr("C&lear"), {}, tr("Clear the current address"));
    N4 = separator(EditMenu, "N4");
    EditSelectAll = item(EditMenu, "EditSelectAll", tr("Select &All"), {}, tr("Select all text"));
}

void TFormStampMain::CreateOptionsMenu()
{
    OptionsMenu = newMenu(ZentropeMainMenu, nullptr, "OptionsMenu", tr("&Options"));
    OptionsReturnAddresses = item(OptionsMenu, "OptionsReturnAddresses", tr("&Return Addresses..."), {},
                                  tr("Define the list of return addresses"));
    OptionsEnvelope = item(OptionsMenu, "OptionsEnvelope", tr("&Envelope Sizes..."), {},
                           tr("Define the list of envelopes"));
    OptionsEnvelopeFeed = item(OptionsMenu, "OptionsEnvelopeFeed", tr("Envelope Fee&d..."), {},
                               tr("Set how the current printer takes envelopes"));
    FontsMenu = newMenu(ZentropeMainMenu, OptionsMenu, "FontsMenu", tr("&Fonts"));
    OptionsFontReturnAddress = item(FontsMenu, "OptionsFontReturnAddress", tr("&Return Address..."), {},
                                    tr("Change the font of the return address"));
    OptionsFontAddress = item(FontsMenu, "OptionsFontAddress", tr("&Destination Address..."), {},
                              tr("Change the font of the address"));
    N5 = separator(OptionsMenu, "N5");
    OptionsGraphic = item(OptionsMenu, "OptionsGraphic", tr("&Select Graphic..."), {},
                          tr("Select a graphic for the upper left corner of the envelope"));
    OptionsUpdateGraphic = item(OptionsMenu, "OptionsUpdateGraphic", tr("&Update Graphic"), {},
                                tr("Read the graphic from disk again"));
    OptionsClearGraphic = item(OptionsMenu, "OptionsClearGraphic", tr("&Clear Graphic"), {},
                               tr("Remove the graphic from the envelope"));
    OptionsEditGraphic =
        item(OptionsMenu, "OptionsEditGraphic", tr("Edit &Graphic..."), {}, tr("Edit the graphic"));
    N3 = separator(OptionsMenu, "N3");
    OptionsShowHints =
        item(OptionsMenu, "OptionsShowHints", tr("Show &Hints"), {}, tr("Check this to show popup hints"));
    OptionsBarCode = item(OptionsMenu, "OptionsBarCode", tr("&Print Postal Bar Code"), {},
                          tr("Check this box to print the postal bar code on the letter"));
    OptionsFontToolbar = item(OptionsMenu, "OptionsFontToolbar", tr("Show Font Toolbar"));
    for (QAction *a : {OptionsShowHints, OptionsBarCode, OptionsFontToolbar})
        a->setCheckable(true);
}

void TFormStampMain::CreateHelpMenu()
{
    HelpMenu = newMenu(ZentropeMainMenu, nullptr, "HelpMenu", tr("&Help"));
    HelpContents = item(HelpMenu, "HelpContents", tr("&Contents"), QKeySequence(Qt::CTRL | Qt::Key_F1));
    HelpOverview = item(HelpMenu, "HelpOverview", tr("&Overview"), QKeySequence(Qt::ALT | Qt::Key_F1));
    HelpSearch = item(HelpMenu, "HelpSearch", tr("Topic &Search..."), QKeySequence(Qt::SHIFT | Qt::Key_F1));
    N6 = separator(HelpMenu, "N6");
    HelpSupport = item(HelpMenu, "HelpSupport", tr("S&upport"));
    HelpWarranty = item(HelpMenu, "HelpWarranty", tr("&Warranty"));
    HelpLicense = item(HelpMenu, "HelpLicense", tr("&License"));
    HelpProducts = item(HelpMenu, "HelpProducts", tr("&Product Information"));
    N7 = separator(HelpMenu, "N7");
    HelpAbout = item(HelpMenu, "HelpAbout", tr("&About Zentrope..."));
}

void TFormStampMain::CreatePopupMenus()
{
    PopupMenuReturnAddress = new QMenu(this);
    PopupMenuReturnAddress->setObjectName(QStringLiteral("PopupMenuReturnAddress"));
    M_EditReturnAddresses =
        item(PopupMenuReturnAddress, "M_EditReturnAddresses", tr("Edit Return Addresses..."));
    FontReturnAddress = item(PopupMenuReturnAddress, "FontReturnAddress", tr("Font..."));
    PopupMenuAddress = new QMenu(this);
    PopupMenuAddress->setObjectName(QStringLiteral("PopupMenuAddress"));
    M_Cut = item(PopupMenuAddress, "M_Cut", tr("Cut"));
    M_Copy = item(PopupMenuAddress, "M_Copy", tr("Copy"));
    M_Paste = item(PopupMenuAddress, "M_Paste", tr("Paste"));
    M_Delete = item(PopupMenuAddress, "M_Delete", tr("&Delete"));
    N9 = separator(PopupMenuAddress, "N9");
    M_Font = item(PopupMenuAddress, "M_Font", tr("Font..."));
    PopupMenuGraphic = new QMenu(this);
    PopupMenuGraphic->setObjectName(QStringLiteral("PopupMenuGraphic"));
    M_SelectGraphic = item(PopupMenuGraphic, "M_SelectGraphic", tr("Select..."));
    M_UpdateGraphic = item(PopupMenuGraphic, "M_UpdateGraphic", tr("Update"));
    M_ClearGraphic = item(PopupMenuGraphic, "M_ClearGraphic", tr("Clear"));
    M_EditGraphic = item(PopupMenuGraphic, "M_EditGraphic", tr("Edit..."));
    ImageReturnAddress->setContextMenuPolicy(Qt::CustomContextMenu);
}

// The file dialogs are built the first time they are used: most runs never
// show them, and building one looks up many icons.
QFileDialog *TFormStampMain::FileDialog(const char *name, QFileDialog::AcceptMode mode, int helpContext)
{
    auto *d = new QFileDialog(this);
    d->setObjectName(QString::fromLatin1(name));
    d->setOption(QFileDialog::DontUseNativeDialog);
    d->setAcceptMode(mode);
    SetHelpContext(d, helpContext);
    return d;
}

QFileDialog &TFormStampMain::OpenDialog()
{
    if (!OpenFileDialog) {
        OpenFileDialog = FileDialog("OpenFileDialog", QFileDialog::AcceptOpen, Topic::FileMenu);
        OpenFileDialog->setDefaultSuffix(QStringLiteral("ENV"));
        OpenFileDialog->setNameFilters(
            {tr("Zentrope files (*.ENV *.env)"), tr("Text files (*.TXT *.txt)"), tr("All files (*)")});
        OpenFileDialog->setWindowTitle(tr("Open Zentrope File"));
        OpenFileDialog->setFileMode(QFileDialog::ExistingFile);
        SetUpDocumentDialog(OpenFileDialog);
    }
    return *OpenFileDialog;
}

QFileDialog &TFormStampMain::SaveDialog()
{
    if (!SaveFileDialog) {
        SaveFileDialog = FileDialog("SaveFileDialog", QFileDialog::AcceptSave, Topic::FileMenu);
        SaveFileDialog->setDefaultSuffix(QStringLiteral("ENV"));
        SaveFileDialog->setNameFilters(
            {tr("Zentrope file (*.ENV *.env)"), tr("Text file (*.TXT *.txt)"), tr("All files (*)")});
        SaveFileDialog->setFileMode(QFileDialog::AnyFile);
        SetUpDocumentDialog(SaveFileDialog);
    }
    return *SaveFileDialog;
}

QFileDialog &TFormStampMain::BitmapDialog()
{
    if (!SelectBitmapDialog) {
        SelectBitmapDialog = FileDialog("SelectBitmapDialog", QFileDialog::AcceptOpen, Topic::MainWindow);
        SelectBitmapDialog->setDefaultSuffix(QStringLiteral("BMP"));
        // File names on Linux keep their letter case: match the extensions in
        // any case, and show the caption once, without the patterns.
        SelectBitmapDialog->setOption(QFileDialog::HideNameFilterDetails);
        SelectBitmapDialog->setNameFilters(
            {tr("Graphic (BMP, ICO, WMF) (*.[bB][mM][pP] *.[iI][cC][oO] *.[wW][mM][fF])")});
        SelectBitmapDialog->setWindowTitle(tr("Select Return Address Bitmap"));
        SelectBitmapDialog->setFileMode(QFileDialog::ExistingFile);
    }
    return *SelectBitmapDialog;
}

void TFormStampMain::WireHandlers()
{
    using F = TFormStampMain;
    const auto click = [&](QAction *a, void (F::*h)(QObject *)) { Wire(a, &QAction::triggered, h); };
    const auto press = [&](QToolButton *b, void (F::*h)(QObject *)) { Wire(b, &QToolButton::clicked, h); };

    for (QMenu *m : {FileMenu, EditMenu, OptionsMenu, HelpMenu})
        Wire(m, &QMenu::aboutToShow, &F::UpdateMenu);
    click(FileNew, &F::FileNewClick);
    click(FileOpen, &F::FileOpenClick);
    click(FileImportAddresses, &F::FileImportAddressesClick);
    click(FileSave, &F::FileSaveClick);
    click(FileSaveAs, &F::FileSaveAsClick);
    click(FileClose, &F::FileNewClick);
    click(FilePrintEnvelope, &F::FilePrintEnvelopeClick);
    click(FilePrintTest, &F::FilePrintTestClick);
    click(FilePrintPreview, &F::FilePrintPreviewClick);
    click(FilePrintAlignment, &F::FilePrintAlignmentClick);
    click(FilePrintSetup, &F::FilePrintSetupClick);
    click(FileExportPdf, &F::FileExportPdfClick);
    click(FileExit, &F::FileExitClick);
    click(EditCut, &F::EditCutClick);
    click(EditCopy, &F::EditCopyClick);
    click(EditPaste, &F::EditPasteClick);
    click(EditDelete, &F::EditDeleteClick);
    click(EditClear, &F::EditClearClick);
    click(EditSelectAll, &F::EditSelectAllClick);
    click(OptionsReturnAddresses, &F::OptionsReturnAddressesClick);
    click(OptionsEnvelope, &F::OptionsEnvelopeClick);
    click(OptionsEnvelopeFeed, &F::OptionsEnvelopeFeedClick);
    click(OptionsFontReturnAddress, &F::OptionsFontReturnAddressClick);
    click(OptionsFontAddress, &F::OptionsFontAddressClick);
    click(OptionsGraphic, &F::OptionsGraphicClick);
    click(OptionsUpdateGraphic, &F::OptionsUpdateGraphicClick);
    click(OptionsClearGraphic, &F::OptionsClearGraphicClick);
    click(OptionsEditGraphic, &F::OptionsEditGraphicClick);
    click(OptionsShowHints, &F::OptionsShowHintsClick);
    click(OptionsBarCode, &F::OptionsBarCodeClick);
    click(OptionsFontToolbar, &F::OptionsFontToolbarClick);
    click(HelpContents, &F::HelpContentsClick);
    click(HelpOverview, &F::HelpOverviewClick);
    click(HelpSearch, &F::HelpSearchClick);
    click(HelpSupport, &F::HelpSupportClick);
    click(HelpWarranty, &F::HelpWarrantyClick);
    click(HelpLicense, &F::HelpLicenseClick);
    click(HelpProducts, &F::HelpProductsClick);
    click(HelpAbout, &F::HelpAboutClick);
    click(M_EditReturnAddresses, &F::OptionsReturnAddressesClick);
    click(FontReturnAddress, &F::OptionsFontReturnAddressClick);
    click(M_Cut, &F::EditCutClick);
    click(M_Copy, &F::EditCopyClick);
    click(M_Paste, &F::EditPasteClick);
    click(M_Delete, &F::EditDeleteClick);
    click(M_Font, &F::OptionsFontAddressClick);
    click(M_SelectGraphic, &F::OptionsGraphicClick);
    click(M_UpdateGraphic, &F::OptionsUpdateGraphicClick);
    click(M_ClearGraphic, &F::OptionsClearGraphicClick);
    click(M_EditGraphic, &F::OptionsEditGraphicClick);

    press(SpeedButtonFileNew, &F::FileNewClick);
    press(SpeedButtonFileOpen, &F::FileOpenClick);
    press(SpeedButtonFileSave, &F::FileSaveClick);
    press(SpeedButtonCut, &F::EditCutClick);
    press(SpeedButtonCopy, &F::EditCopyClick);
    press(SpeedButtonPaste, &F::EditPasteClick);
    press(SpeedButtonPrint, &F::SpeedButtonPrintClick);
    press(SpeedButtonPrintPreview, &F::FilePrintPreviewClick);
    press(SpeedButtonReturnAddresses, &F::OptionsReturnAddressesClick);
    press(SpeedButtonSize, &F::OptionsEnvelopeClick);
    press(SpeedButtonBold, &F::SpeedButtonBoldClick);
    press(SpeedButtonItalic, &F::SpeedButtonItalicClick);
    press(SpeedButtonUnderline, &F::SpeedButtonUnderlineClick);

    // A combo box's "change" is the user's choice (activated), never a refill.
    connect(ComboBoxReturnAddress, &QComboBox::activated, this, Guard([this] {
                AddressFocusNone(ComboBoxReturnAddress);
                ComboBoxReturnAddressChange(ComboBoxReturnAddress);
            }));
    Wire(ComboBoxEnvelopeSize, &QComboBox::activated, &F::AddressFocusNone);
    Wire(static_cast<PickerCombo *>(ComboBoxEnvelopeSize), &PickerCombo::popupOpened, &F::AddressFocusNone);
    Wire(static_cast<PickerCombo *>(ComboBoxReturnAddress), &PickerCombo::popupOpened, &F::AddressFocusNone);
    Wire(ComboBoxFontName, &QComboBox::activated, &F::ComboBoxFontNameChange);
    Wire(ComboBoxFontSize, &QComboBox::activated, &F::ComboBoxFontSizeChange);

    Wire(PanelEnvelope, &ResizePanel::resized, &F::PanelEnvelopeResize);
    Wire(ImageReturnAddress, &ImageControl::doubleClicked, &F::OptionsGraphicClick);
    Wire(ImageStamp, &ImageControl::clicked, &F::FilePrintEnvelopeClick);
    Wire(MemoReturnAddress, &MemoControl::textChanged, &F::MemoReturnAddressChange);
    Wire(MemoReturnAddress, &MemoControl::clicked, &F::MemoReturnAddressClick);
    Wire(MemoReturnAddress, &MemoControl::doubleClicked, &F::OptionsReturnAddressesClick);
    Wire(MemoAddress, &MemoControl::textChanged, &F::MemoAddressChange);
    Wire(MemoAddress, &MemoControl::clicked, &F::MemoAddressClick);
    Wire(MemoAddress, &MemoControl::mouseReleased, &F::MemoAddressMouseUp);

    const auto popup = [this](QWidget *w, QMenu *m) {
        connect(w, &QWidget::customContextMenuRequested, this,
                [w, m](const QPoint &pos) { m->popup(w->mapToGlobal(pos)); });
    };
    popup(MemoReturnAddress, PopupMenuReturnAddress);
    popup(MemoAddress, PopupMenuAddress);
    popup(ImageReturnAddress, PopupMenuGraphic);
}

void TFormStampMain::AssignHelpContexts()
{
    const auto set = [](int ctx, std::initializer_list<QObject *> objects) {
        for (QObject *o : objects)
            SetHelpContext(o, ctx);
    };
    set(Topic::MainWindow, {this, MemoReturnAddress, MemoAddress, ComboBoxEnvelopeSize, ComboBoxReturnAddress,
                            PopupMenuAddress, M_UpdateGraphic});
    set(Topic::FileMenu, {FileMenu, FileNew, FileOpen, FileImportAddresses, FileSave, FileSaveAs, FileClose,
                          FilePrintEnvelope, FilePrintTest, FilePrintSetup, FileExportPdf, FileExit});
    set(Topic::PrintPreview, {FilePrintPreview});
    set(Topic::EditMenu, {EditMenu, EditCut, EditCopy, EditPaste, EditDelete, EditClear, EditSelectAll, M_Cut,
                          M_Copy, M_Paste, M_Delete});
    set(Topic::OptionsMenu,
        {OptionsMenu, OptionsReturnAddresses, OptionsEnvelope, OptionsFontReturnAddress, OptionsFontAddress,
         OptionsGraphic, OptionsUpdateGraphic, OptionsClearGraphic, OptionsEditGraphic, OptionsFontToolbar,
         PopupMenuReturnAddress, M_EditReturnAddresses, FontReturnAddress, M_Font, PopupMenuGraphic,
         M_SelectGraphic, M_ClearGraphic, M_EditGraphic});
    set(Topic::Contents, {HelpMenu, HelpContents, HelpSearch, HelpAbout});
    set(Topic::Overview, {HelpOverview});
    set(Topic::EnvelopeFeed, {FilePrintAlignment, OptionsEnvelopeFeed});
    set(Topic::Support, {HelpSupport});
    set(Topic::Warranty, {HelpWarranty});
    set(Topic::Products, {HelpProducts});
    set(Topic::License, {HelpLicense});
    // The print dialogs are made when printing; they take these contexts then.
    setProperty("printDialogHelpContext", Topic::MainWindow);
    setProperty("printerSetupDialogHelpContext", Topic::PrintSetup);
}

void TFormStampMain::FormCreate(QObject *)
{
    m_state.TestPrint = false;
    m_state.InLayout = false;
    m_state.AddressFileName.clear();
    m_state.PrintEnvelopes = {};
    m_state.ActiveAddress = aaDestination;

    const ProgramSettings options = Options();
    CornerGraphic &graphic = Corner();
    graphic.GraphicFileName = options.GraphicFile();
    if (!graphic.GraphicFileName.isEmpty()) {
        Guarded([this] { LoadGraphic(); });
        graphic.GraphicLoaded = true;
    } else {
        graphic.GraphicLoaded = false;
    }
    {
        // Emptying the box is no edit: the command state waits for its first occasion.
        const QSignalBlocker quiet(MemoAddress);
        MemoAddress->clear();
        MemoAddress->setModified(false);
    }

    m_state.PrintBarCode = options.PrintBarCode();
    OptionsBarCode->setChecked(m_state.PrintBarCode);
    PanelFormatToolbar->setVisible(options.FormatToolbar());

    m_session.Application.ShowHint = options.ShowHints();
    OptionsShowHints->setChecked(m_session.Application.ShowHint);
    ApplyHintSettings();

    for (MemoControl *memo : {MemoAddress, MemoReturnAddress}) {
        FontDescription f;
        f.PixelsPerInch = static_cast<int>(Scale::screenDpi());
        options.ReadAddressFont(memo == MemoReturnAddress, f);
        SetAddressFont(memo, f);
    }

    // Applied when the printer is built: at its first use, or just after the
    // window is first shown (building it asks CUPS, which takes longer than
    // everything else at start-up).
    Printer().SetUpWhenBuilt([this] { Guarded([this] { LoadPrinterSettings(); }); });

    // Window position: the stored sides over the current bounds.
    IniRect r{x(), y(), x() + width(), y() + height()};
    bool minimized = false, maximized = false;
    options.ReadPosition(r, minimized, maximized);
    move(x(), r.Top);
    move(r.Left, y());
    resize(width(), r.Bottom - r.Top);
    resize(r.Right - r.Left, height());
    if (minimized)
        setWindowState(windowState() | Qt::WindowMinimized);
    if (maximized)
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowMaximized);
    m_created = true;

    AcceptFileDrops();
    Guarded([this] { RegisterFileType(); });
    Guarded([this] { RefreshRecentFiles(); });
    AssignHelpContexts();
    m_state.VersionText = tr("Version %1").arg(QStringLiteral("6.0a"));
    Guarded([this] { FillFontNames(); });
}

void TFormStampMain::FormActivate(QObject *)
{
    FillReturnAddressCombo();
    ShowReturnAddress();
    UpdateEnvelopeSizeCombo();
}

void TFormStampMain::FormCloseQuery(QObject *, bool &CanClose)
{
    // A settings file that cannot be written never keeps the window open.
    GuardedOnce(m_session.SettingsFailureShown,
                [this] { Options().SetEnvelopeSizeIndex(ComboBoxEnvelopeSize->currentIndex()); });
    CanClose = QuerySaveChanges();
}

void TFormStampMain::FormDestroy(QObject *)
{
    if (m_destroyed)
        return;
    GuardedOnce(m_session.SettingsFailureShown, [this] { SavePosition(); });
    m_destroyed = true;
    m_state.PrintEnvelopes = {};
}

void TFormStampMain::FileExitClick(QObject *)
{
    close();
}

void TFormStampMain::SavePosition()
{
    // Until FormCreate has read the stored position, a layout pass must not
    // overwrite it with the window's first, provisional bounds.
    if (!m_created || m_destroyed)
        return;
    // The frame's position with the inner size, as move() and resize() take them
    // back, so the window does not drift by its frame at every start.
    Options().WritePosition(IniRect{x(), y(), x() + width(), y() + height()}, isMinimized(), isMaximized());
}

void TFormStampMain::closeEvent(QCloseEvent *e)
{
    bool canClose = true;
    bool failed = true;
    Guarded([&] {
        FormCloseQuery(this, canClose);
        failed = false;
    });
    if (failed || !canClose) {
        e->ignore();
        return;
    }
    e->accept();
    emit closed();
}

void TFormStampMain::resizeEvent(QResizeEvent *e)
{
    QMainWindow::resizeEvent(e);
    Guarded([this] { FormResize(this); });
}

bool TFormStampMain::event(QEvent *e)
{
    if (e->type() == QEvent::StatusTip) {
        auto *tip = static_cast<QStatusTipEvent *>(e);
        Guarded([&] { ShowHint(tip->tip()); });
        return true;
    }
    const bool handled = QMainWindow::event(e);
    // A new desktop palette: the colours that must stay readable, and the paper.
    const bool paletteChanged =
        e->type() == QEvent::ApplicationPaletteChange || e->type() == QEvent::PaletteChange;
    if (paletteChanged && m_created && !m_destroyed)
        Guarded([this] {
            ApplyPalette();
            RefreshAddressColours();
            MemoAddressChange(this);
        });
    return handled;
}

} // namespace zentrope
