#include "app/dialogs/DlgReturnAddresses.h"

#include "app/controls/Controls.h"
#include "app/controls/Named.h"
#include "app/dialogs/DlgNewReturnAddress.h"
#include "app/prompt/Guard.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "document/AddressLines.h"
#include "platform/Topics.h"
#include "settings/QevIniFile.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyle>

namespace zentrope {

namespace {
constexpr int HelpTopic = Topic::ReturnAddresses;
const char *const kGlyph = "glyph";

} // namespace

TDlgReturnAddresses::TDlgReturnAddresses(ReturnAddressCatalog &catalog, TQevIniFile &settings,
                                         TDlgNewReturnAddress &nameDialog, QWidget *parent)
    : CatalogDialog(parent, HelpTopic), FCatalog(catalog), m_settings(settings), m_nameDialog(nameDialog)
{
    setObjectName(QStringLiteral("DlgReturnAddresses"));
    setWindowTitle(tr("Define Return Addresses"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFixedSize(Scale::dp(QSize(596, 316)));
    QFont bold = QApplication::font();
    bold.setBold(true);
    setFont(bold);
    CreateControls();
}

void TDlgReturnAddresses::CreateControls()
{
    LabelReturnAddresses = named(new QLabel(tr("Return Addresses"), this), "LabelReturnAddresses");
    LabelReturnAddresses->setGeometry(Scale::dp(8, 10, 220, 20));
    ListAddresses = named(new QListWidget(this), "ListAddresses");
    ListAddresses->setGeometry(Scale::dp(8, 30, 220, 163));
    SetList(ListAddresses);
    setHint(ListAddresses, tr("These are the return addresses that have been defined."));
    LabelReturnAddresses->setBuddy(ListAddresses);
    LabelDefaultReturn = named(new QLabel(tr("Default Return Address"), this), "LabelDefaultReturn");
    LabelDefaultReturn->setGeometry(Scale::dp(8, 214, 220, 20));
    EditDefault = named(new QLineEdit(this), "EditDefault");
    EditDefault->setGeometry(Scale::dp(8, 234, 220, 30));
    EditDefault->setReadOnly(true);
    EditDefault->setFocusPolicy(Qt::NoFocus);
    setHint(EditDefault, tr("This is the return address selected when Zentrope starts."));
    LabelDetails = named(new QLabel(tr("Details"), this), "LabelDetails");
    LabelDetails->setGeometry(Scale::dp(250, 10, 330, 20));
    LabelDetails->setTextFormat(Qt::PlainText);
    MemoDetails = named(new MemoControl(this), "MemoDetails");
    MemoDetails->setGeometry(Scale::dp(250, 30, 330, 235));
    setHint(MemoDetails, tr("This is the return address for the description highlighted on the left."));

    // The glyphs come at the first show: looking up the style's icons in the
    // icon themes costs more than the rest of the dialog.
    auto button = [this](const char *name, const QString &caption, int x, QStyle::StandardPixmap glyph) {
        auto *b = named(new QPushButton(caption, this), name);
        b->setGeometry(Scale::dp(x, 276, 90, 32));
        b->setAutoDefault(false);
        b->setProperty(kGlyph, int(glyph));
        return b;
    };
    AddBtn = button("AddBtn", tr("Add"), 8, QStyle::SP_FileDialogNewFolder);
    setHint(AddBtn, tr("Click here to add a new return address."));
    RenameBtn = button("RenameBtn", tr("Rename"), 106, QStyle::SP_FileDialogDetailedView);
    setHint(RenameBtn, tr("Click here to change the description for the highlighted return address."));
    DeleteBtn = button("DeleteBtn", tr("Delete"), 204, QStyle::SP_TrashIcon);
    setHint(DeleteBtn, tr("Click here to remove the highlighted return address."));
    DefaultBtn = button("DefaultBtn", tr("Default"), 302, QStyle::SP_DialogApplyButton);
    setHint(DefaultBtn, tr("Click here to change the default return address"));
    OKBtn = button("OKBtn", tr("OK"), 400, QStyle::SP_DialogOkButton);
    OKBtn->setDefault(true);
    HelpBtn = button("HelpBtn", tr("Help"), 498, QStyle::SP_DialogHelpButton);

    setTabOrder(OKBtn, HelpBtn);
    setTabOrder(HelpBtn, ListAddresses);
    setTabOrder(ListAddresses, MemoDetails);
    setTabOrder(MemoDetails, EditDefault);
    setTabOrder(EditDefault, AddBtn);
    setTabOrder(AddBtn, RenameBtn);
    setTabOrder(RenameBtn, DeleteBtn);
    setTabOrder(DeleteBtn, DefaultBtn);
    MemoDetails->setTabChangesFocus(true);

    MemoDetails->installEventFilter(this);
    connect(MemoDetails, &QPlainTextEdit::textChanged, this,
            Guard([this] { MemoDetailsChange(MemoDetails); }));
    connect(AddBtn, &QPushButton::clicked, this, Guard([this] { AddBtnClick(AddBtn); }));
    connect(RenameBtn, &QPushButton::clicked, this, Guard([this] { RenameBtnClick(RenameBtn); }));
    connect(DeleteBtn, &QPushButton::clicked, this, Guard([this] { DeleteBtnClick(DeleteBtn); }));
    connect(DefaultBtn, &QPushButton::clicked, this, Guard([this] { DefaultBtnClick(DefaultBtn); }));
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    ConnectHelp(HelpBtn);
}

void TDlgReturnAddresses::FormCreate(QObject *)
{
    Updating = false;
    FillList(FCatalog.Load(m_settings));
    emit catalogChanged();
    ShowDetails();
    SetHelpContext(this, HelpTopic);
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        SetHelpContext(w, HelpTopic);
}

void TDlgReturnAddresses::FormActivate(QObject *)
{
    ShowDetails();
}

void TDlgReturnAddresses::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Guarded([this] { FormActivate(this); });
    // OK has the focus the first time; later the focus stays where it was left.
    if (!m_shown) {
        for (QPushButton *b : {AddBtn, RenameBtn, DeleteBtn, DefaultBtn, OKBtn, HelpBtn}) {
            // A caption too long to share the button with its picture (in some
            // languages) goes without the picture rather than cut short.
            QStyleOptionButton option;
            option.initFrom(b);
            const int room = style()->subElementRect(QStyle::SE_PushButtonContents, &option, b).width();
            if (b->fontMetrics().horizontalAdvance(b->text()) + b->iconSize().width() + 4 <= room)
                b->setIcon(style()->standardIcon(QStyle::StandardPixmap(b->property(kGlyph).toInt())));
        }
        OKBtn->setFocus();
    }
    m_shown = true;
}

bool TDlgReturnAddresses::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == MemoDetails && e->type() == QEvent::FocusOut)
        Guarded([this] { MemoDetailsChange(MemoDetails); });
    return CatalogDialog::eventFilter(watched, e);
}

void TDlgReturnAddresses::FillList(int selected)
{
    QStringList names;
    for (const ReturnAddress &a : FCatalog.Entries())
        names << a.Description;
    CatalogDialog::FillList(names, selected);
}

void TDlgReturnAddresses::ListKeyUp()
{
    ListAddressesKeyUp(ListAddresses);
}

void TDlgReturnAddresses::ListMouseUp()
{
    ListAddressesMouseUp(ListAddresses);
}

void TDlgReturnAddresses::ListAddressesKeyUp(QObject *)
{
    ShowDetails();
}

void TDlgReturnAddresses::ListAddressesMouseUp(QObject *)
{
    ShowDetails();
}

int TDlgReturnAddresses::ShowCatalog(int picked)
{
    ListAddresses->setCurrentRow(FCatalog.IsValidIndex(picked) ? picked : -1);
    ShowDetails();
    ShowDefault();
    return Prompt::exec(*this);
}

void TDlgReturnAddresses::ShowDetails()
{
    FlagScope updating(Updating);
    MemoDetails->clear();
    const int p = SelectedIndex();
    const ReturnAddress *a = FCatalog.At(p);
    // No selection in a non-empty catalog shows as an empty one rather than
    // reading past the list.
    if (!a) {
        LabelDetails->setText(QStringLiteral(" "));
        for (QWidget *w : std::initializer_list<QWidget *>{MemoDetails, RenameBtn, DeleteBtn, DefaultBtn})
            w->setEnabled(false);
        return;
    }
    LabelDetails->setText(tr("Return address for \"%1\"").arg(a->Description));
    MemoDetails->setEnabled(true);
    MemoDetails->setText(a->Lines.join(QLatin1Char('\n')));
    emit addressShown(p);
    RenameBtn->setEnabled(true);
    DeleteBtn->setEnabled(true);
    DefaultBtn->setEnabled(true);
}

void TDlgReturnAddresses::ShowDefault()
{
    const ReturnAddress *a = FCatalog.At(FCatalog.DefaultIndex);
    EditDefault->setText(a ? a->Description : QString());
}

void TDlgReturnAddresses::SaveAddresses()
{
    FCatalog.Save(m_settings);
}

void TDlgReturnAddresses::AddBtnClick(QObject *)
{
    QString name;
    if (!AskName(m_nameDialog, tr("Add Return Address"), QString(), name))
        return;
    FCatalog.AddShared(m_settings, ReturnAddress{name, {}}, [this](int at) {
        FillList(at);
        ShowDefault();
        ShowDetails();
        emit catalogChanged();
    });
}

void TDlgReturnAddresses::RenameBtnClick(QObject *)
{
    const int p = SelectedIndex();
    if (p < 0)
        return;
    QString name;
    if (!AskName(m_nameDialog, tr("Rename Return Address"), FCatalog.At(p)->Description, name))
        return;
    FCatalog.RenameShared(m_settings, p, name, [this](int at) {
        FillList(at);
        ShowDetails();
        ShowDefault();
        emit catalogChanged();
    });
}

void TDlgReturnAddresses::DeleteBtnClick(QObject *)
{
    const int p = SelectedIndex();
    if (p < 0)
        return;
    if (!ConfirmDelete(tr("Do you want to delete address \"%1\"").arg(FCatalog.At(p)->Description),
                       HelpTopic))
        return;
    FCatalog.DeleteShared(m_settings, p, [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowDetails();
        ShowDefault();
    });
}

void TDlgReturnAddresses::DefaultBtnClick(QObject *)
{
    // The list as the section holds it now, on the new default.
    FCatalog.SetDefaultShared(m_settings, SelectedIndex(), [this](int at) {
        FillList(at);
        ShowDetails();
        emit catalogChanged();
        ShowDefault();
    });
}

void TDlgReturnAddresses::MemoDetailsChange(QObject *)
{
    if (!Updating)
        FCatalog.SetLines(SelectedIndex(), MemoLines(MemoDetails->text()));
    emit detailsChanged();
}

} // namespace zentrope
