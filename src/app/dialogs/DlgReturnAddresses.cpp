#include "app/dialogs/DlgReturnAddresses.h"

#include "app/controls/Controls.h"
#include "app/controls/DesignFit.h"
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
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zentrope {

namespace {
constexpr int HelpTopic = Topic::ReturnAddresses;
// The dialog in English at the default font, in design pixels.
constexpr QSize DesignSize(596, 316);
const char *const kGlyph = "glyph";

} // namespace

TDlgReturnAddresses::TDlgReturnAddresses(ReturnAddressCatalog &catalog, TQevIniFile &settings,
                                         std::function<TDlgNewReturnAddress &()> nameDialog, QWidget *parent)
    : CatalogDialog(parent, HelpTopic), FCatalog(catalog), FSettings(settings),
      FNameDialog(std::move(nameDialog))
{
    setObjectName(QStringLiteral("DlgReturnAddresses"));
    setWindowTitle(tr("Define Return Addresses"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont bold = QApplication::font();
    bold.setBold(true);
    setFont(bold);
    CreateControls();
}

void TDlgReturnAddresses::CreateControls()
{
    LabelReturnAddresses = named(new QLabel(tr("Return Addresses"), this), "LabelReturnAddresses");
    SetDesignSize(LabelReturnAddresses, 220, 20);
    ListAddresses = named(new QListWidget(this), "ListAddresses");
    SetDesignSize(ListAddresses, 220, 163);
    KeepDesignHeight(ListAddresses);
    SetList(ListAddresses);
    setHint(ListAddresses, tr("These are the return addresses that have been defined."));
    LabelReturnAddresses->setBuddy(ListAddresses);
    LabelDefaultReturn = named(new QLabel(tr("Default Return Address"), this), "LabelDefaultReturn");
    SetDesignSize(LabelDefaultReturn, 220, 20);
    EditDefault = named(new QLineEdit(this), "EditDefault");
    SetDesignSize(EditDefault, 220, 30);
    EditDefault->setReadOnly(true);
    EditDefault->setFocusPolicy(Qt::NoFocus);
    setHint(EditDefault, tr("This is the return address selected when Zentrope starts."));
    LabelDefaultReturn->setBuddy(EditDefault);
    LabelDetails = named(new QLabel(tr("Details"), this), "LabelDetails");
    SetDesignSize(LabelDetails, 330, 20);
    LabelDetails->setTextFormat(Qt::PlainText);
    MemoDetails = named(new MemoControl(this), "MemoDetails");
    SetDesignSize(MemoDetails, 330, 235);
    setHint(MemoDetails, tr("This is the return address for the description highlighted on the left."));
    LabelDetails->setBuddy(MemoDetails);

    // The glyphs come at the first show: looking up the style's icons in the
    // icon themes costs more than the rest of the dialog.
    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(Scale::dp(8));
    auto button = [this, buttons](const char *name, const QString &caption, QStyle::StandardPixmap glyph) {
        auto *b = named(new QPushButton(caption, this), name);
        SetDesignSize(b, 90, 32);
        b->setAutoDefault(false);
        b->setProperty(kGlyph, int(glyph));
        buttons->addWidget(b);
        return b;
    };
    AddBtn = button("AddBtn", tr("Add"), QStyle::SP_FileDialogNewFolder);
    setHint(AddBtn, tr("Click here to add a new return address."));
    RenameBtn = button("RenameBtn", tr("Rename"), QStyle::SP_FileDialogDetailedView);
    setHint(RenameBtn, tr("Click here to change the description for the highlighted return address."));
    DeleteBtn = button("DeleteBtn", tr("Delete"), QStyle::SP_TrashIcon);
    setHint(DeleteBtn, tr("Click here to remove the highlighted return address."));
    DefaultBtn = button("DefaultBtn", tr("Default"), QStyle::SP_DialogApplyButton);
    setHint(DefaultBtn, tr("Click here to change the default return address"));
    OKBtn = button("OKBtn", tr("OK"), QStyle::SP_DialogOkButton);
    OKBtn->setDefault(true);
    HelpBtn = button("HelpBtn", tr("Help"), QStyle::SP_DialogHelpButton);
    buttons->addStretch(1);

    auto *left = new QVBoxLayout;
    left->setSpacing(0);
    left->addWidget(LabelReturnAddresses);
    left->addWidget(ListAddresses);
    left->addSpacing(Scale::dp(21));
    left->addWidget(LabelDefaultReturn);
    left->addWidget(EditDefault);
    left->addStretch(1);
    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(LabelDetails);
    right->addWidget(MemoDetails, 1);
    auto *top = new QHBoxLayout;
    top->setSpacing(0);
    top->addLayout(left);
    top->addSpacing(Scale::dp(22));
    top->addLayout(right, 1);
    top->addSpacing(Scale::dp(8));
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(Scale::dp(8), Scale::dp(10), Scale::dp(8), Scale::dp(8));
    column->setSpacing(Scale::dp(11));
    column->addLayout(top, 1);
    column->addLayout(buttons);
    FitToDesign(this, DesignSize);

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
    FillList(FCatalog.CurrentIndex());
    ShowDetails();
    SetHelpContext(this, HelpTopic);
    for (QWidget *w : findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        SetHelpContext(w, HelpTopic);
}

void TDlgReturnAddresses::FormActivate(QObject *)
{
    ShowDetails();
}

void TDlgReturnAddresses::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        if (!FShown)
            for (QPushButton *b : {AddBtn, RenameBtn, DeleteBtn, DefaultBtn, OKBtn, HelpBtn})
                b->setIcon(style()->standardIcon(QStyle::StandardPixmap(b->property(kGlyph).toInt())));
        // Each button shows its picture and its whole caption, in every language.
        FitToDesign(this, DesignSize);
    }
    CatalogDialog::setVisible(visible);
}

void TDlgReturnAddresses::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Guarded([this] { FormActivate(this); });
    // OK has the focus the first time; later the focus stays where it was left.
    if (!FShown)
        OKBtn->setFocus();
    FShown = true;
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
    FCatalog.Save(FSettings);
}

void TDlgReturnAddresses::AddBtnClick(QObject *)
{
    QString name;
    if (!AskName(FNameDialog(), tr("Add Return Address"), QString(), name))
        return;
    FCatalog.AddShared(FSettings, ReturnAddress{name, {}}, [this](int at) {
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
    if (!AskName(FNameDialog(), tr("Rename Return Address"), FCatalog.At(p)->Description, name))
        return;
    FCatalog.RenameShared(FSettings, p, name, [this](int at) {
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
    FCatalog.DeleteShared(FSettings, p, [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowDetails();
        ShowDefault();
    });
}

void TDlgReturnAddresses::DefaultBtnClick(QObject *)
{
    // The list as the section holds it now, on the new default.
    FCatalog.SetDefaultShared(FSettings, SelectedIndex(), [this](int at) {
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
