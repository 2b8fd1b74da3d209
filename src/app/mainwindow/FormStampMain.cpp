#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/controls/GlyphIconEngine.h"
#include "app/controls/ProgramIcon.h"
#include "app/controls/Named.h"
#include "platform/PaperPalette.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "app/help/HelpContext.h"
#include "app/controls/Scale.h"
#include "platform/Contrast.h"
#include "platform/Topics.h"
#include "settings/ProgramSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QSignalBlocker>
#include <QSvgRenderer>
#include <QToolButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QRegularExpression>
#include <QShortcut>
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

template <typename Signal, typename Sender>
void TFormStampMain::Wire(Sender *sender, Signal signal, Handler handler)
{
    connect(sender, signal, this, Guard([this, sender, handler] { (this->*handler)(sender); }));
}

// The document commands' questions, asked with the window's message boxes
// and its Save As dialog.
class TFormStampMain::Prompts : public ComposerPrompts {
public:
    explicit Prompts(TFormStampMain &window) : m_window(window) {}

    Answer confirm(const QString &question) override
    {
        const int answer = Prompt::message(&m_window, Prompt::Kind::Confirmation, question,
                                           Prompt::Yes | Prompt::No | Prompt::Cancel);
        return answer == Prompt::Yes ? Answer::Yes : answer == Prompt::No ? Answer::No : Answer::Cancel;
    }
    void inform(const QString &text) override { Prompt::message(&m_window, Prompt::Kind::Information, text); }
    void warn(const QString &text) override { Prompt::message(&m_window, Prompt::Kind::Warning, text); }
    QString saveFileName(const QString &current) override { return m_window.AskSaveFileName(current); }

private:
    TFormStampMain &m_window;
};

TFormStampMain::TFormStampMain(SessionState &session, HelpDesk &help, QWidget *parent)
    : QMainWindow(parent), FSession(session), FHelp(help), FPrompts(std::make_unique<Prompts>(*this))
{
    initAssets();
    setObjectName(QStringLiteral("FormStampMain"));
    setWindowTitle(QStringLiteral("Zentrope"));
    setWindowIcon(ProgramIcon());
    setFont(windowFont(18));
    resize(Scale::dp(QSize(722, 458)));
    CreateControls();
    // Made after the address boxes, so it outlives them: they show its documents.
    FComposer = new EnvelopeComposer(session.EnvelopeSizes, session.ReturnAddresses, this);
    FComposer->setObjectName(QStringLiteral("EnvelopeComposer"));
    FComposer->setPrompts(FPrompts.get());
    FComposer->setRecentFiles(session.RecentFiles.get());
    ShowComposer();
    CreateMenus();
    WireHandlers();
    CreateFitCheck();
    FormCreate(this);
}

void TFormStampMain::SetDialogs(const Dialogs &dialogs)
{
    FDialogs = dialogs;
}

ProgramSettings TFormStampMain::Options() const
{
    return ProgramSettings(Settings());
}

TFormStampMain::~TFormStampMain()
{
    // FormDestroy has normally run in the shutdown sequence already.
    if (!FDestroyed)
        Guarded([this] { FormDestroy(this); });
}

void TFormStampMain::ShowComposer()
{
    for (MemoControl *memo : {MemoAddress, MemoReturnAddress}) {
        QTextDocument *document =
            memo == MemoAddress ? FComposer->addressDocument() : FComposer->returnDocument();
        // An edit box of plain text lays its document out as plain text.
        document->setDocumentLayout(new QPlainTextDocumentLayout(document));
        document->setDefaultFont(memo->font());
        memo->setDocument(document);
    }
    connect(FComposer, &EnvelopeComposer::changed, this, Guard([this] {
                setWindowTitle(FComposer->title());
                UpdateMenu(FComposer);
            }));
    connect(FComposer, &EnvelopeComposer::textReplaced, this, Guard([this] {
                MemoAddress->moveCursor(QTextCursor::Start);
                MemoAddressChange(FComposer);
            }));
    connect(FComposer, &EnvelopeComposer::recentFilesChanged, this, Guard([this] { RefreshRecentFiles(); }));
}

namespace {

// A toolbar button: 30 x 30 at y 5, with its hint.
QToolButton *toolButton(QWidget *bar, const char *name, int x, const QString &hint)
{
    auto *b = named(new QToolButton(bar), name);
    b->setGeometry(Scale::dp(x), Scale::dp(5), Scale::dp(30), Scale::dp(30));
    b->setAutoRaise(true);
    setHint(b, hint);
    // A glyph says nothing to a screen reader: the hint names the button.
    b->setAccessibleName(hint);
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
    QFrame *bar = toolbarPanel(central, "PanelStandardToolbar");
    const auto button = [bar](const char *name, int x, const QString &hint, const char *glyphName) {
        QToolButton *b = toolButton(bar, name, x, hint);
        b->setIcon(glyph(glyphName));
        return b;
    };
    button("SpeedButtonFileNew", 5, tr("Start a new envelope"), "new");
    button("SpeedButtonFileOpen", 35, tr("Open a file"), "open");
    button("SpeedButtonFileSave", 65, tr("Save current file"), "save");
    button("SpeedButtonCut", 105, tr("Cut selected text to clipboard"), "cut");
    button("SpeedButtonCopy", 135, tr("Copy selected text to clipboard"), "copy");
    button("SpeedButtonPaste", 165, tr("Paste text from clipboard"), "paste");
    button("SpeedButtonPrint", 205, tr("Print envelope"), "print");
    button("SpeedButtonReturnAddresses", 235, tr("Change return addresses"), "returnaddresses");
    const auto picker = [bar](const char *name, int x, const QString &hint) {
        auto *c = named(new PickerCombo(bar), name);
        c->setGeometry(Scale::dp(x), Scale::dp(8), Scale::dp(150), c->sizeHint().height());
        setHint(c, hint);
        c->setAccessibleName(hint);
        c->setFont(windowFont(15));
        return c;
    };
    ComboBoxReturnAddress = picker("ComboBoxReturnAddress", 270, tr("Current return address"));
    button("SpeedButtonSize", 430, tr("Change envelope sizes"), "size");
    ComboBoxEnvelopeSize = picker("ComboBoxEnvelopeSize", 465, tr("Current envelope size"));
    ComboBoxEnvelopeSize->addItems(
        {QStringLiteral("Business"), QStringLiteral("Greeting Card"), QStringLiteral("Small")});
    // After the pickers: the designed row has no room beside Print.
    button("SpeedButtonPrintPreview", 625, tr("Print preview"), "printpreview");
    setTabOrder(ComboBoxReturnAddress, ComboBoxEnvelopeSize);
    column->addWidget(bar);
}

void TFormStampMain::CreateFormatToolbar(QWidget *central, QVBoxLayout *column)
{
    PanelFormatToolbar = toolbarPanel(central, "PanelFormatToolbar");
    const QFont small = windowFont(15);
    ComboBoxFontName = named(new QComboBox(PanelFormatToolbar), "ComboBoxFontName");
    ComboBoxFontName->setGeometry(Scale::dp(8), Scale::dp(8), Scale::dp(201),
                                  ComboBoxFontName->sizeHint().height());
    setHint(ComboBoxFontName, tr("Current font"));
    ComboBoxFontName->setAccessibleName(tr("Current font"));
    ComboBoxFontName->setFont(small);
    ComboBoxFontSize = named(new QComboBox(PanelFormatToolbar), "ComboBoxFontSize");
    ComboBoxFontSize->setGeometry(Scale::dp(224), Scale::dp(8), Scale::dp(65),
                                  ComboBoxFontSize->sizeHint().height());
    for (int s = 5; s <= 20; ++s)
        ComboBoxFontSize->addItem(QString::number(s));
    ComboBoxFontSize->setFont(small);
    ComboBoxFontSize->setAccessibleName(tr("Font size"));
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
    SpeedButtonBold->setAccessibleName(tr("Bold"));
    SpeedButtonItalic->setAccessibleName(tr("Italic"));
    SpeedButtonUnderline->setAccessibleName(tr("Underline"));
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

    // The address boxes have no labels on the envelope: their names, with an
    // Alt key each, stand in for them (the letters differ from the menus').
    const auto reach = [this](MemoControl *memo, const char *name, const QString &caption) {
        QString plain = caption;
        plain.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        memo->setAccessibleName(plain);
        auto *key = new QShortcut(QKeySequence::mnemonic(caption), this);
        key->setObjectName(QString::fromLatin1(name));
        key->setProperty("caption", caption);
        return key;
    };
    connect(reach(MemoAddress, "ShortcutMemoAddress", tr("&Destination address")), &QShortcut::activated,
            this, Guard([this] {
                MemoAddress->setFocus(Qt::ShortcutFocusReason);
                MemoAddressClick(MemoAddress);
            }));
    connect(reach(MemoReturnAddress, "ShortcutMemoReturnAddress", tr("&Return address")),
            &QShortcut::activated, this, Guard([this] {
                MemoReturnAddress->setFocus(Qt::ShortcutFocusReason);
                MemoReturnAddressClick(MemoReturnAddress);
            }));
}

void TFormStampMain::CreateStatusBar(QWidget *central, QVBoxLayout *column)
{
    auto *bottom = named(new QFrame(central), "PanelBottom");
    bottom->setFixedHeight(Scale::dp(25));
    bottom->setFrameStyle(QFrame::NoFrame);
    auto *h = new QHBoxLayout(bottom);
    h->setContentsMargins(0, 0, 0, 0);
    h->setSpacing(0);
    PanelModified = named(new StatusPanel(tr(" Modified"), bottom), "PanelModified");
    setHint(PanelModified, tr("Indicates if the file was modified since it was last saved."));
    PanelWhichAddress = named(new StatusPanel(tr(" Address"), bottom), "PanelWhichAddress");
    setHint(PanelWhichAddress, tr("Indicates which address is selected for formatting"));
    PanelHints = named(new StatusPanel(tr(" Hint"), bottom), "PanelHints");
    for (StatusPanel *p : {PanelModified, PanelWhichAddress, PanelHints})
        p->setFont(windowFont(15));
    // The designed widths, or what the longest caption of the language needs.
    const auto fit = [](StatusPanel *p, int design, std::initializer_list<QString> captions) {
        int width = Scale::dp(design);
        for (const QString &c : captions) {
            p->setText(c);
            width = std::max(width, p->sizeHint().width());
        }
        p->setText(*captions.begin());
        p->setFixedWidth(width);
    };
    fit(PanelModified, 81, {tr(" Modified")});
    fit(PanelWhichAddress, 128, {tr(" Address"), tr(" Return"), tr(" Destination")});
    h->addWidget(PanelModified);
    h->addWidget(PanelWhichAddress);
    h->addWidget(PanelHints, 1);
    column->addWidget(bottom);
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

QAction *TFormStampMain::Command(QMenu *menu, const char *name, const QString &caption, Handler handler,
                                 const QKeySequence &key, const QString &hint)
{
    QAction *a = item(menu, name, caption, key, hint);
    Wire(a, &QAction::triggered, handler);
    return a;
}

void TFormStampMain::Follow(QAction *command, std::initializer_list<QObject *> followers, bool trigger)
{
    for (QObject *follower : followers) {
        auto *widget = qobject_cast<QWidget *>(follower);
        auto *action = qobject_cast<QAction *>(follower);
        const auto enable = [widget, action](bool on) {
            if (widget)
                widget->setEnabled(on);
            else if (action)
                action->setEnabled(on);
        };
        enable(command->isEnabled());
        connect(command, &QAction::enabledChanged, follower, enable);
        if (!trigger)
            continue;
        if (auto *button = qobject_cast<QAbstractButton *>(follower))
            connect(button, &QAbstractButton::clicked, command, [command] { command->trigger(); });
        else if (action)
            connect(action, &QAction::triggered, command, [command] { command->trigger(); });
    }
}

void TFormStampMain::CreateMenus()
{
    auto *bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("ZentropeMainMenu"));
    setMenuBar(bar);
    CreateFileMenu(bar);
    CreateEditMenu(bar);
    CreateOptionsMenu(bar);
    CreateHelpMenu(bar);
    CreatePopupMenus();

    // The menu's shortcuts win over the address boxes' own key bindings.
    QList<QKeySequence> keys;
    for (QAction *a : findChildren<QAction *>())
        if (!a->shortcut().isEmpty())
            keys << a->shortcut();
    MemoAddress->setYieldedShortcuts(keys);
    MemoReturnAddress->setYieldedShortcuts(keys);
}

void TFormStampMain::CreateFileMenu(QMenuBar *bar)
{
    using F = TFormStampMain;
    FileMenu = newMenu(bar, nullptr, "FileMenu", tr("&File"));
    Wire(FileMenu, &QMenu::aboutToShow, &F::ClipboardChange);
    QAction *fileNew = Command(FileMenu, "FileNew", tr("&New"), &F::FileNewClick,
                               QKeySequence(Qt::CTRL | Qt::Key_N), tr("Open a new Zentrope file"));
    QAction *fileOpen =
        Command(FileMenu, "FileOpen", tr("&Open"), &F::FileOpenClick, QKeySequence(Qt::CTRL | Qt::Key_O),
                tr("Open an existing Zentrope or text file"));
    Command(FileMenu, "FileImportAddresses", tr("&Import Addresses..."), &F::FileImportAddressesClick, {},
            tr("Add envelopes for contacts from a vCard or CSV file"));
    FileSave = Command(FileMenu, "FileSave", tr("&Save"), &F::FileSaveClick,
                       QKeySequence(Qt::CTRL | Qt::Key_S), tr("Save the current file"));
    FileSaveAs = Command(FileMenu, "FileSaveAs", tr("Save &As..."), &F::FileSaveAsClick,
                         QKeySequence(Qt::CTRL | Qt::Key_A), tr("Save the current file with a new name"));
    FileClose = Command(FileMenu, "FileClose", tr("&Close"), &F::FileNewClick,
                        QKeySequence(Qt::CTRL | Qt::Key_F4), tr("Close the current address file."));
    separator(FileMenu, "N8");
    FilePrintEnvelope =
        Command(FileMenu, "FilePrintEnvelope", tr("&Print Envelope..."), &F::FilePrintEnvelopeClick,
                QKeySequence(Qt::CTRL | Qt::Key_P), tr("Print an envelope"));
    FilePrintTest = Command(FileMenu, "FilePrintTest", tr("Print &Test Envelope..."), &F::FilePrintTestClick,
                            {}, tr("Print an envelope with a border to help configure the printer."));
    QAction *preview =
        Command(FileMenu, "FilePrintPreview", tr("Print Pre&view..."), &F::FilePrintPreviewClick, {},
                tr("Show the envelopes as they will be printed"));
    FilePrintAlignment =
        Command(FileMenu, "FilePrintAlignment", tr("Print A&lignment Test..."), &F::FilePrintAlignmentClick,
                {}, tr("Print rulers and marks to read how far the printing is off on the envelope"));
    Command(FileMenu, "FilePrintSetup", tr("P&rint Setup..."), &F::FilePrintSetupClick, {},
            tr("Setup the printer"));
    QAction *exportPdf = Command(FileMenu, "FileExportPdf", tr("Export as P&DF..."), &F::FileExportPdfClick,
                                 QKeySequence(Qt::CTRL | Qt::Key_E), tr("Save the envelopes as a PDF file"));
    separator(FileMenu, "N1");
    Command(FileMenu, "FileExit", tr("E&xit"), &F::FileExitClick, QKeySequence(Qt::ALT | Qt::Key_F4));
    FileOldFileBreak = separator(FileMenu, "FileOldFileBreak");

    const auto button = [this](const char *name) { return findChild<QToolButton *>(QLatin1String(name)); };
    Follow(fileNew, {button("SpeedButtonFileNew")});
    Follow(fileOpen, {button("SpeedButtonFileOpen")});
    Follow(FileSave, {button("SpeedButtonFileSave")});
    // Whatever prints, previews or exports has text to work on.
    Follow(FilePrintEnvelope, {FilePrintTest, preview, exportPdf, button("SpeedButtonPrint")}, false);
    Follow(preview, {button("SpeedButtonPrintPreview")});
}

void TFormStampMain::CreateEditMenu(QMenuBar *bar)
{
    using F = TFormStampMain;
    QMenu *menu = newMenu(bar, nullptr, "EditMenu", tr("&Edit"));
    Wire(menu, &QMenu::aboutToShow, &F::ClipboardChange);
    EditCut = Command(menu, "EditCut", tr("Cu&t"), &F::EditCutClick, QKeySequence(Qt::CTRL | Qt::Key_X),
                      tr("Cut the current selection to the clipboard."));
    EditCopy = Command(menu, "EditCopy", tr("&Copy"), &F::EditCopyClick, QKeySequence(Qt::CTRL | Qt::Key_C),
                       tr("Copy the current selection to the clipboard"));
    EditPaste = Command(menu, "EditPaste", tr("&Paste"), &F::EditPasteClick,
                        QKeySequence(Qt::CTRL | Qt::Key_V), tr("Paste text from the clipboard"));
    EditDelete = Command(menu, "EditDelete", tr("&Delete"), &F::EditDeleteClick, QKeySequence(Qt::Key_Delete),
                         tr("Delete the selected text"));
    EditClear =
        Command(menu, "EditClear", tr("C&lear"), &F::EditClearClick, {}, tr("Clear the current address"));
    separator(menu, "N4");
    EditSelectAll =
        Command(menu, "EditSelectAll", tr("Select &All"), &F::EditSelectAllClick, {}, tr("Select all text"));

    const auto button = [this](const char *name) { return findChild<QToolButton *>(QLatin1String(name)); };
    Follow(EditCut, {button("SpeedButtonCut")});
    Follow(EditCopy, {button("SpeedButtonCopy")});
    Follow(EditPaste, {button("SpeedButtonPaste")});
}

void TFormStampMain::CreateOptionsMenu(QMenuBar *bar)
{
    using F = TFormStampMain;
    QMenu *menu = newMenu(bar, nullptr, "OptionsMenu", tr("&Options"));
    Wire(menu, &QMenu::aboutToShow, &F::ClipboardChange);
    QAction *returns =
        Command(menu, "OptionsReturnAddresses", tr("&Return Addresses..."), &F::OptionsReturnAddressesClick,
                {}, tr("Define the list of return addresses"));
    QAction *sizes = Command(menu, "OptionsEnvelope", tr("&Envelope Sizes..."), &F::OptionsEnvelopeClick, {},
                             tr("Define the list of envelopes"));
    Command(menu, "OptionsEnvelopeFeed", tr("Envelope Fee&d..."), &F::OptionsEnvelopeFeedClick, {},
            tr("Set how the current printer takes envelopes"));
    QMenu *fonts = newMenu(bar, menu, "FontsMenu", tr("&Fonts"));
    Command(fonts, "OptionsFontReturnAddress", tr("&Return Address..."), &F::OptionsFontReturnAddressClick,
            {}, tr("Change the font of the return address"));
    Command(fonts, "OptionsFontAddress", tr("&Destination Address..."), &F::OptionsFontAddressClick, {},
            tr("Change the font of the address"));
    separator(menu, "N5");
    Command(menu, "OptionsGraphic", tr("&Select Graphic..."), &F::OptionsGraphicClick, {},
            tr("Select a graphic for the upper left corner of the envelope"));
    OptionsUpdateGraphic = Command(menu, "OptionsUpdateGraphic", tr("&Update Graphic"),
                                   &F::OptionsUpdateGraphicClick, {}, tr("Read the graphic from disk again"));
    OptionsClearGraphic =
        Command(menu, "OptionsClearGraphic", tr("&Clear Graphic"), &F::OptionsClearGraphicClick, {},
                tr("Remove the graphic from the envelope"));
    OptionsEditGraphic = Command(menu, "OptionsEditGraphic", tr("Edit &Graphic..."),
                                 &F::OptionsEditGraphicClick, {}, tr("Edit the graphic"));
    separator(menu, "N3");
    OptionsShowHints = Command(menu, "OptionsShowHints", tr("Show &Hints"), &F::OptionsShowHintsClick, {},
                               tr("Check this to show popup hints"));
    OptionsBarCode = Command(menu, "OptionsBarCode", tr("&Print Postal Bar Code"), &F::OptionsBarCodeClick,
                             {}, tr("Check this box to print the postal bar code on the letter"));
    OptionsFontToolbar =
        Command(menu, "OptionsFontToolbar", tr("Show Font Toolbar"), &F::OptionsFontToolbarClick);
    for (QAction *a : {OptionsShowHints, OptionsBarCode, OptionsFontToolbar})
        a->setCheckable(true);

    Follow(returns, {findChild<QToolButton *>(QStringLiteral("SpeedButtonReturnAddresses"))});
    Follow(sizes, {findChild<QToolButton *>(QStringLiteral("SpeedButtonSize"))});
}

void TFormStampMain::CreateHelpMenu(QMenuBar *bar)
{
    using F = TFormStampMain;
    QMenu *menu = newMenu(bar, nullptr, "HelpMenu", tr("&Help"));
    Wire(menu, &QMenu::aboutToShow, &F::ClipboardChange);
    Command(menu, "HelpContents", tr("&Contents"), &F::HelpContentsClick,
            QKeySequence(Qt::CTRL | Qt::Key_F1));
    Command(menu, "HelpOverview", tr("&Overview"), &F::HelpOverviewClick, QKeySequence(Qt::ALT | Qt::Key_F1));
    Command(menu, "HelpSearch", tr("Topic &Search..."), &F::HelpSearchClick,
            QKeySequence(Qt::SHIFT | Qt::Key_F1));
    separator(menu, "N6");
    Command(menu, "HelpSupport", tr("S&upport"), &F::HelpSupportClick);
    Command(menu, "HelpWarranty", tr("&Warranty"), &F::HelpWarrantyClick);
    Command(menu, "HelpLicense", tr("&License"), &F::HelpLicenseClick);
    Command(menu, "HelpProducts", tr("&Product Information"), &F::HelpProductsClick);
    separator(menu, "N7");
    Command(menu, "HelpAbout", tr("&About Zentrope..."), &F::HelpAboutClick);
}

void TFormStampMain::CreatePopupMenus()
{
    const auto command = [this](const char *name) { return findChild<QAction *>(QLatin1String(name)); };
    const auto popup = [this](const char *name) {
        auto *m = new QMenu(this);
        m->setObjectName(QLatin1String(name));
        return m;
    };
    // Each pop-up item carries out a command of the menu bar.
    PopupMenuReturnAddress = popup("PopupMenuReturnAddress");
    Follow(command("OptionsReturnAddresses"),
           {item(PopupMenuReturnAddress, "M_EditReturnAddresses", tr("Edit Return Addresses..."))});
    Follow(command("OptionsFontReturnAddress"),
           {item(PopupMenuReturnAddress, "FontReturnAddress", tr("Font..."))});
    PopupMenuAddress = popup("PopupMenuAddress");
    Wire(PopupMenuAddress, &QMenu::aboutToShow, &TFormStampMain::ClipboardChange);
    Follow(EditCut, {item(PopupMenuAddress, "M_Cut", tr("Cut"))});
    Follow(EditCopy, {item(PopupMenuAddress, "M_Copy", tr("Copy"))});
    Follow(EditPaste, {item(PopupMenuAddress, "M_Paste", tr("Paste"))});
    Follow(EditDelete, {item(PopupMenuAddress, "M_Delete", tr("&Delete"))});
    separator(PopupMenuAddress, "N9");
    Follow(command("OptionsFontAddress"), {item(PopupMenuAddress, "M_Font", tr("Font..."))});
    PopupMenuGraphic = popup("PopupMenuGraphic");
    Follow(command("OptionsGraphic"), {item(PopupMenuGraphic, "M_SelectGraphic", tr("Select..."))});
    Follow(OptionsUpdateGraphic, {item(PopupMenuGraphic, "M_UpdateGraphic", tr("Update"))});
    Follow(OptionsClearGraphic, {item(PopupMenuGraphic, "M_ClearGraphic", tr("Clear"))});
    Follow(OptionsEditGraphic, {item(PopupMenuGraphic, "M_EditGraphic", tr("Edit..."))});
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
        // The picture is only read: its read-only box shows so, ticked.
        if (auto *grid = qobject_cast<QGridLayout *>(SelectBitmapDialog->layout())) {
            auto *readOnly = new QCheckBox(tr("Read &only"), SelectBitmapDialog);
            readOnly->setObjectName(QStringLiteral("ReadOnlyCheckBox"));
            readOnly->setChecked(true);
            grid->addWidget(readOnly, grid->rowCount(), 1);
        }
    }
    return *SelectBitmapDialog;
}

void TFormStampMain::WireHandlers()
{
    using F = TFormStampMain;
    const auto press = [&](QToolButton *b, Handler h) { Wire(b, &QToolButton::clicked, h); };
    press(findChild<QToolButton *>(QStringLiteral("SpeedButtonPrint")), &F::SpeedButtonPrintClick);
    press(SpeedButtonBold, &F::SpeedButtonBoldClick);
    press(SpeedButtonItalic, &F::SpeedButtonItalicClick);
    press(SpeedButtonUnderline, &F::SpeedButtonUnderlineClick);

    // A combo box's "change" is the user's choice (activated), never a refill.
    connect(ComboBoxReturnAddress, &QComboBox::activated, this, Guard([this] {
                AddressFocusNone(ComboBoxReturnAddress);
                ComboBoxReturnAddressChange(ComboBoxReturnAddress);
            }));
    Wire(ComboBoxEnvelopeSize, &QComboBox::activated, &F::AddressFocusNone);
    // The picker shows the composer's size: whatever changes it, chooses it.
    connect(ComboBoxEnvelopeSize, &QComboBox::currentIndexChanged, this,
            [this](int index) { Guarded([&] { FComposer->selectSize(index); }); });
    Wire(static_cast<PickerCombo *>(ComboBoxEnvelopeSize), &PickerCombo::popupOpened, &F::AddressFocusNone);
    Wire(static_cast<PickerCombo *>(ComboBoxReturnAddress), &PickerCombo::popupOpened, &F::AddressFocusNone);
    Wire(ComboBoxFontName, &QComboBox::activated, &F::ComboBoxFontNameChange);
    Wire(ComboBoxFontSize, &QComboBox::activated, &F::ComboBoxFontSizeChange);

    Wire(PanelEnvelope, &ResizePanel::resized, &F::PanelEnvelopeResize);
    Wire(ImageReturnAddress, &ImageControl::doubleClicked, &F::OptionsGraphicClick);
    Wire(ImageStamp, &ImageControl::clicked, &F::FilePrintEnvelopeClick);
    Wire(MemoReturnAddress, &MemoControl::clicked, &F::MemoReturnAddressClick);
    Wire(MemoReturnAddress, &MemoControl::doubleClicked, &F::OptionsReturnAddressesClick);
    Wire(MemoAddress, &MemoControl::textChanged, &F::MemoAddressChange);
    Wire(MemoAddress, &MemoControl::clicked, &F::MemoAddressClick);
    // What may be cut, copied or pasted changes with the selection and the clipboard.
    Wire(MemoAddress, &MemoControl::selectionChanged, &F::UpdateMenu);
    Wire(MemoReturnAddress, &MemoControl::selectionChanged, &F::UpdateMenu);
    Wire(QGuiApplication::clipboard(), &QClipboard::dataChanged, &F::ClipboardChange);

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
    const auto set = [this](int ctx, std::initializer_list<const char *> names) {
        for (const char *name : names) {
            const QString n = QLatin1String(name);
            QObject *o = findChild<QMenu *>(n);
            if (!o)
                o = findChild<QAction *>(n);
            if (!o)
                o = findChild<QWidget *>(n);
            if (o)
                SetHelpContext(o, ctx);
        }
    };
    SetHelpContext(this, Topic::MainWindow);
    set(Topic::MainWindow, {"MemoReturnAddress", "MemoAddress", "ComboBoxEnvelopeSize",
                            "ComboBoxReturnAddress", "PopupMenuAddress", "M_UpdateGraphic"});
    set(Topic::FileMenu,
        {"FileMenu", "FileNew", "FileOpen", "FileImportAddresses", "FileSave", "FileSaveAs", "FileClose",
         "FilePrintEnvelope", "FilePrintTest", "FilePrintSetup", "FileExportPdf", "FileExit"});
    set(Topic::PrintPreview, {"FilePrintPreview"});
    set(Topic::EditMenu, {"EditMenu", "EditCut", "EditCopy", "EditPaste", "EditDelete", "EditClear",
                          "EditSelectAll", "M_Cut", "M_Copy", "M_Paste", "M_Delete"});
    set(Topic::OptionsMenu,
        {"OptionsMenu", "OptionsReturnAddresses", "OptionsEnvelope", "OptionsFontReturnAddress",
         "OptionsFontAddress", "OptionsGraphic", "OptionsUpdateGraphic", "OptionsClearGraphic",
         "OptionsEditGraphic", "OptionsFontToolbar", "PopupMenuReturnAddress", "M_EditReturnAddresses",
         "FontReturnAddress", "M_Font", "PopupMenuGraphic", "M_SelectGraphic", "M_ClearGraphic",
         "M_EditGraphic"});
    set(Topic::Contents, {"HelpMenu", "HelpContents", "HelpSearch", "HelpAbout"});
    set(Topic::Overview, {"HelpOverview"});
    set(Topic::EnvelopeFeed, {"FilePrintAlignment", "OptionsEnvelopeFeed"});
    set(Topic::Support, {"HelpSupport"});
    set(Topic::Warranty, {"HelpWarranty"});
    set(Topic::Products, {"HelpProducts"});
    set(Topic::License, {"HelpLicense"});
    // The print dialogs are made when printing; they take these contexts then.
    setProperty("printDialogHelpContext", Topic::MainWindow);
    setProperty("printerSetupDialogHelpContext", Topic::PrintSetup);
}

void TFormStampMain::FormCreate(QObject *)
{
    FState.TestPrint = false;
    FState.InLayout = false;
    FState.PrintEnvelopes = {};

    const ProgramSettings options = Options();
    {
        // The command state waits for its first occasion.
        const QSignalBlocker quiet(FComposer);
        const QSignalBlocker quietBox(MemoAddress);
        FComposer->setActiveAddress(aaDestination);
        FComposer->setText(QString());
        FComposer->readSettings(options, static_cast<int>(Scale::screenDpi()));
    }
    CornerGraphic &graphic = Corner();
    graphic.GraphicFileName = options.GraphicFile();
    if (!graphic.GraphicFileName.isEmpty()) {
        Guarded([this] { LoadGraphic(); });
        graphic.GraphicLoaded = true;
    } else {
        graphic.GraphicLoaded = false;
    }
    {
        const QSignalBlocker quiet(FComposer);
        ComposeGraphic();
    }

    OptionsBarCode->setChecked(FComposer->printBarCode());
    PanelFormatToolbar->setVisible(options.FormatToolbar());

    FSession.Application.ShowHint = options.ShowHints();
    OptionsShowHints->setChecked(FSession.Application.ShowHint);
    ApplyHintSettings();
    ShowAddressFonts();

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
    FCreated = true;

    AcceptFileDrops();
    Guarded([this] { RefreshRecentFiles(); });
    FState.VersionText = tr("Version %1").arg(QStringLiteral("6.0a"));
    // Until the whole list comes, after the first paint, the font box holds
    // the faces it may show.
    for (const bool returnAddress : {false, true})
        if (ComboBoxFontName->findText(FComposer->font(returnAddress).Name, Qt::MatchFixedString) < 0)
            ComboBoxFontName->addItem(FComposer->font(returnAddress).Name);
}

void TFormStampMain::AfterFirstPaint()
{
    if (FFirstPaintDone)
        return;
    FFirstPaintDone = true;
    Guarded([this] { RegisterFileType(); });
    AssignHelpContexts();
    Guarded([this] {
        FillFontNames();
        UpdateMenu(this);
    });
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
    GuardedOnce(FSession.SettingsFailureShown,
                [this] { Options().SetEnvelopeSizeIndex(FComposer->sizeIndex()); });
    CanClose = FComposer->querySaveChanges();
}

void TFormStampMain::FormDestroy(QObject *)
{
    if (FDestroyed)
        return;
    AfterFirstPaint();
    GuardedOnce(FSession.SettingsFailureShown, [this] { SavePosition(); });
    FDestroyed = true;
    FState.PrintEnvelopes = {};
}

void TFormStampMain::FileExitClick(QObject *)
{
    close();
}

void TFormStampMain::SavePosition()
{
    // Until FormCreate has read the stored position, a layout pass must not
    // overwrite it with the window's first, provisional bounds.
    if (!FCreated || FDestroyed)
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
    // Typing goes to the destination address from the start.
    if (e->type() == QEvent::Show && !FShown) {
        FShown = true;
        MemoAddress->setFocus(Qt::ActiveWindowFocusReason);
    }
    const bool handled = QMainWindow::event(e);
    // A new desktop palette: the colours that must stay readable, and the paper.
    const bool paletteChanged =
        e->type() == QEvent::ApplicationPaletteChange || e->type() == QEvent::PaletteChange;
    if (paletteChanged && FCreated && !FDestroyed)
        Guarded([this] {
            ApplyPalette();
            ShowAddressFonts();
            MemoAddressChange(this);
        });
    return handled;
}

} // namespace zentrope
