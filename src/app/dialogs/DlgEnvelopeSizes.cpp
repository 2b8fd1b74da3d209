#include "app/dialogs/DlgEnvelopeSizes.h"

#include "app/controls/DesignFit.h"
#include "app/controls/LocalNumber.h"
#include "app/controls/Named.h"
#include "app/dialogs/DlgNewEnvelopeSize.h"
#include "app/prompt/Guard.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "envelope/StandardEnvelopes.h"
#include "platform/Topics.h"
#include "settings/QevIniFile.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {
constexpr int HelpTopic = Topic::EnvelopeSizes;
// The dialog in English at the default font, in design pixels.
constexpr QSize DesignSize(597, 312);

QString unitWord(LengthUnit unit)
{
    return unit == LengthUnit::Millimetres ? TDlgEnvelopeSizes::tr("millimetres")
                                           : TDlgEnvelopeSizes::tr("inches");
}

} // namespace

TDlgEnvelopeSizes::TDlgEnvelopeSizes(EnvelopeSizeCatalog &catalog, TQevIniFile &settings,
                                     const CornerGraphic &graphic,
                                     std::function<TDlgNewEnvelopeSize &()> nameDialog, QWidget *parent)
    : CatalogDialog(parent, HelpTopic), FCatalog(catalog), FSettings(settings), FGraphic(graphic),
      FNameDialog(std::move(nameDialog))
{
    setObjectName(QStringLiteral("DlgEnvelopeSizes"));
    setWindowTitle(tr("Define Envelope Sizes"));
    CreateControls();
}

void TDlgEnvelopeSizes::CreateControls()
{
    LabelSizes = named(new QLabel(tr("Envelopes"), this), "LabelSizes");
    SetDesignSize(LabelSizes, 220, 20);
    ListBoxEnvelopes = named(new QListWidget(this), "ListBoxEnvelopes");
    SetDesignSize(ListBoxEnvelopes, 220, 150);
    KeepDesignHeight(ListBoxEnvelopes);
    SetList(ListBoxEnvelopes);
    setHint(ListBoxEnvelopes, tr("This is the list of envelopes that you can choose from."));
    LabelSizes->setBuddy(ListBoxEnvelopes);
    LabelDefaultSize = named(new QLabel(tr("Default Envelope Size"), this), "LabelDefaultSize");
    SetDesignSize(LabelDefaultSize, 220, 20);
    EditDefault = named(new QLineEdit(this), "EditDefault");
    SetDesignSize(EditDefault, 220, 28);
    EditDefault->setReadOnly(true);
    EditDefault->setFocusPolicy(Qt::NoFocus);
    setHint(EditDefault, tr("This envelope is selected when Zentrope starts."));
    LabelDefaultSize->setBuddy(EditDefault);

    // The width, height and indent in a row: box, "X", box, "Indent", box.
    const auto sizeRow = [](QGroupBox *group, std::initializer_list<std::pair<QWidget *, int>> items) {
        auto *row = new QHBoxLayout(group);
        row->setContentsMargins(Scale::dp(8), Scale::dp(4), Scale::dp(8), Scale::dp(8));
        row->setSpacing(0);
        for (const auto &[w, gap] : items) {
            if (gap > 0)
                row->addSpacing(Scale::dp(gap));
            row->addWidget(w, 0, Qt::AlignVCenter);
            KeepDesignWidth(w);
        }
        row->addStretch(1);
    };
    GroupBoxDetails = named(new QGroupBox(this), "GroupBoxDetails");
    SetDesignSize(GroupBoxDetails, 349, 100);
    // Hidden for "Printer Setup", it keeps its place.
    QSizePolicy keep = GroupBoxDetails->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    GroupBoxDetails->setSizePolicy(keep);
    EditDetailWidth = named(new QLineEdit(GroupBoxDetails), "EditDetailWidth");
    SetDesignSize(EditDetailWidth, 80, 28);
    EditDetailWidth->setAccessibleName(tr("Width"));
    LabelX1 = named(new QLabel(QStringLiteral("X"), GroupBoxDetails), "LabelX1");
    SetDesignSize(LabelX1, 16, 20);
    LabelX1->setAlignment(Qt::AlignCenter);
    EditDetailHeight = named(new QLineEdit(GroupBoxDetails), "EditDetailHeight");
    SetDesignSize(EditDetailHeight, 80, 28);
    EditDetailHeight->setAccessibleName(tr("Height"));
    LabelIndent = named(new QLabel(tr("Indent"), GroupBoxDetails), "LabelIndent");
    SetDesignSize(LabelIndent, 48, 20);
    EditDetailIndent = named(new QLineEdit(GroupBoxDetails), "EditDetailIndent");
    SetDesignSize(EditDetailIndent, 75, 28);
    LabelIndent->setBuddy(EditDetailIndent);
    sizeRow(GroupBoxDetails, {{EditDetailWidth, 0},
                              {LabelX1, 6},
                              {EditDetailHeight, 4},
                              {LabelIndent, 12},
                              {EditDetailIndent, 4}});

    GroupBoxGraphic = named(new QGroupBox(tr("Return Address Graphic Size"), this), "GroupBoxGraphic");
    SetDesignSize(GroupBoxGraphic, 349, 100);
    EditGraphicWidth = named(new QLineEdit(GroupBoxGraphic), "EditGraphicWidth");
    SetDesignSize(EditGraphicWidth, 80, 28);
    EditGraphicWidth->setAccessibleName(tr("Graphic width"));
    LabelX2 = named(new QLabel(QStringLiteral("X"), GroupBoxGraphic), "LabelX2");
    SetDesignSize(LabelX2, 16, 20);
    LabelX2->setAlignment(Qt::AlignCenter);
    EditGraphicHeight = named(new QLineEdit(GroupBoxGraphic), "EditGraphicHeight");
    SetDesignSize(EditGraphicHeight, 80, 28);
    EditGraphicHeight->setAccessibleName(tr("Graphic height"));
    sizeRow(GroupBoxGraphic, {{EditGraphicWidth, 0}, {LabelX2, 6}, {EditGraphicHeight, 4}});

    LabelUnits = named(new QLabel(tr("Units"), this), "LabelUnits");
    SetDesignSize(LabelUnits, 48, 20);
    ComboBoxUnits = named(new QComboBox(this), "ComboBoxUnits");
    SetDesignSize(ComboBoxUnits, 150, 28);
    ComboBoxUnits->addItems({tr("Inches"), tr("Millimetres")});
    setHint(ComboBoxUnits, tr("The unit of the envelope and graphic sizes"));
    LabelUnits->setBuddy(ComboBoxUnits);
    ShowUnit();

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(Scale::dp(8));
    auto button = [this, buttons](const char *name, const QString &caption) {
        auto *b = named(new QPushButton(caption, this), name);
        SetDesignSize(b, 90, 32);
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    AddBtn = button("AddBtn", tr("Add"));
    RenameBtn = button("RenameBtn", tr("Rename"));
    SetupBtn = button("SetupBtn", tr("Setup"));
    SetupBtn->hide();
    ShareDesignPlace(RenameBtn, SetupBtn);
    DeleteBtn = button("DeleteBtn", tr("Delete"));
    DefaultBtn = button("DefaultBtn", tr("Default"));
    setHint(DefaultBtn, tr("Click here to define the highlighed envelope as the default."));
    OKBtn = button("OKBtn", tr("OK"));
    OKBtn->setDefault(true);
    HelpBtn = button("HelpBtn", tr("&Help"));
    buttons->addStretch(1);

    // The list and the default at the left, the two groups and the unit at the
    // right, the buttons in a row along the bottom.
    auto *left = new QVBoxLayout;
    left->setSpacing(0);
    left->addWidget(LabelSizes);
    left->addWidget(ListBoxEnvelopes);
    left->addSpacing(Scale::dp(8));
    left->addWidget(LabelDefaultSize);
    left->addWidget(EditDefault);
    left->addStretch(1);
    auto *units = new QHBoxLayout;
    units->setSpacing(0);
    units->addSpacing(Scale::dp(12));
    units->addWidget(LabelUnits);
    units->addSpacing(Scale::dp(2));
    units->addWidget(ComboBoxUnits);
    units->addStretch(1);
    auto *right = new QVBoxLayout;
    right->setSpacing(0);
    right->addWidget(GroupBoxDetails);
    right->addSpacing(Scale::dp(12));
    right->addWidget(GroupBoxGraphic);
    right->addSpacing(Scale::dp(8));
    right->addLayout(units);
    right->addStretch(1);
    auto *top = new QHBoxLayout;
    top->setSpacing(Scale::dp(12));
    top->addLayout(left);
    top->addLayout(right, 1);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(Scale::dp(8), Scale::dp(8), Scale::dp(8), Scale::dp(12));
    column->setSpacing(Scale::dp(12));
    column->addLayout(top, 1);
    column->addLayout(buttons);
    FitToDesign(this, DesignSize);

    setTabOrder(ListBoxEnvelopes, EditDetailWidth);
    setTabOrder(EditDetailWidth, EditDetailHeight);
    setTabOrder(EditDetailHeight, EditDetailIndent);
    setTabOrder(EditDetailIndent, EditGraphicWidth);
    setTabOrder(EditGraphicWidth, EditGraphicHeight);
    setTabOrder(EditGraphicHeight, ComboBoxUnits);
    setTabOrder(ComboBoxUnits, AddBtn);
    setTabOrder(AddBtn, RenameBtn);
    setTabOrder(RenameBtn, SetupBtn);
    setTabOrder(SetupBtn, DeleteBtn);
    setTabOrder(DeleteBtn, DefaultBtn);
    setTabOrder(DefaultBtn, OKBtn);
    setTabOrder(OKBtn, HelpBtn);

    SetHelpContext(this, HelpTopic);
    for (QObject *o : std::initializer_list<QObject *>{
             ListBoxEnvelopes, EditDetailWidth, EditDetailHeight, EditGraphicWidth, EditGraphicHeight,
             ComboBoxUnits, AddBtn, RenameBtn, DeleteBtn, DefaultBtn, OKBtn, HelpBtn})
        SetHelpContext(o, HelpTopic);

    for (QLineEdit *e : {EditDetailWidth, EditDetailHeight, EditDetailIndent}) {
        // Only the user's edits count; the program's own fills are not changes.
        connect(e, &QLineEdit::textEdited, this, Guard([this, e] { EditDetailDimensionsChange(e); }));
        connect(e, &QLineEdit::editingFinished, this, Guard([this, e] { EditDetailDimensionsChange(e); }));
    }
    for (QLineEdit *e : {EditGraphicWidth, EditGraphicHeight}) {
        connect(e, &QLineEdit::textEdited, this, Guard([this, e] { EditGraphicDimensionChange(e); }));
        connect(e, &QLineEdit::editingFinished, this, Guard([this, e] { EditGraphicDimensionChange(e); }));
    }
    connect(ComboBoxUnits, &QComboBox::activated, this,
            Guard([this] { ComboBoxUnitsChange(ComboBoxUnits); }));
    connect(AddBtn, &QPushButton::clicked, this, Guard([this] { AddBtnClick(AddBtn); }));
    connect(RenameBtn, &QPushButton::clicked, this, Guard([this] { RenameBtnClick(RenameBtn); }));
    connect(SetupBtn, &QPushButton::clicked, this, Guard([this] { SetupBtnClick(SetupBtn); }));
    connect(DeleteBtn, &QPushButton::clicked, this, Guard([this] { DeleteBtnClick(DeleteBtn); }));
    connect(DefaultBtn, &QPushButton::clicked, this, Guard([this] { DefaultBtnClick(DefaultBtn); }));
    connect(OKBtn, &QPushButton::clicked, this, Guard([this] { OKBtnClick(OKBtn); }));
    ConnectHelp(HelpBtn);
}

void TDlgEnvelopeSizes::FormCreate(QObject *)
{
    FUpdating = false;
    FUnit = ReadLengthUnit(FSettings);
    ShowUnit();
    ShowGraphicSize();
    FillList(FCatalog.CurrentIndex());
    ShowEnvelopeDetails();
}

void TDlgEnvelopeSizes::FormActivate(QObject *)
{
    ShowEnvelopeDetails();
}

void TDlgEnvelopeSizes::setVisible(bool visible)
{
    if (visible && !isVisible())
        FitToDesign(this, DesignSize);
    CatalogDialog::setVisible(visible);
}

void TDlgEnvelopeSizes::showEvent(QShowEvent *e)
{
    QDialog::showEvent(e);
    Guarded([this] { FormActivate(this); });
    OKBtn->setFocus();
}

void TDlgEnvelopeSizes::FillList(int selected)
{
    QStringList names;
    for (const EnvelopeSize &e : FCatalog.Entries())
        names << e.Name;
    CatalogDialog::FillList(names, selected);
}

void TDlgEnvelopeSizes::ListKeyUp()
{
    ListBoxEnvelopesKeyUp(ListBoxEnvelopes);
}

void TDlgEnvelopeSizes::ListMouseUp()
{
    ListBoxEnvelopesMouseUp(ListBoxEnvelopes);
}

void TDlgEnvelopeSizes::ListBoxEnvelopesKeyUp(QObject *)
{
    ShowEnvelopeDetails();
}

void TDlgEnvelopeSizes::ListBoxEnvelopesMouseUp(QObject *)
{
    ShowEnvelopeDetails();
}

void TDlgEnvelopeSizes::ShowEnvelopeDetails()
{
    FlagScope updating(FUpdating);
    const int i = SelectedIndex();
    const EnvelopeSize *e = FCatalog.At(i);
    // No selection in a non-empty catalog shows as an empty one rather than
    // reading past the list.
    if (!e) {
        GroupBoxDetails->setTitle(QString());
        for (QWidget *w : std::initializer_list<QWidget *>{
                 EditDetailWidth, EditDetailHeight, EditDetailIndent, RenameBtn, DeleteBtn, DefaultBtn})
            w->setEnabled(false);
        RenameBtn->show();
        SetupBtn->hide();
    } else {
        GroupBoxDetails->setTitle(tr("Dimensions for \"%1\"").arg(e->Name));
        GroupBoxDetails->show();
        for (QLineEdit *box : {EditDetailWidth, EditDetailHeight, EditDetailIndent}) {
            box->show();
            box->setEnabled(true);
        }
        EditDetailWidth->setText(ShownLength(e->Dimension.Width, FUnit));
        EditDetailHeight->setText(ShownLength(e->Dimension.Height, FUnit));
        EditDetailIndent->setText(ShownLength(e->Dimension.Indent, FUnit));
        emit envelopeShown(i);
        RenameBtn->setEnabled(true);
        DeleteBtn->setEnabled(true);
        DefaultBtn->setEnabled(true);
        if (e->IsPrinterSetup()) {
            for (QLineEdit *box : {EditDetailWidth, EditDetailHeight, EditDetailIndent}) {
                box->clear();
                box->hide();
            }
            RenameBtn->hide();
            SetupBtn->show();
            DeleteBtn->setEnabled(false);
            GroupBoxDetails->hide();
        } else {
            RenameBtn->show();
            SetupBtn->hide();
        }
    }
    const bool graphicSized = FGraphic.Sized();
    EditGraphicHeight->setEnabled(graphicSized);
    EditGraphicWidth->setEnabled(graphicSized);
    GroupBoxGraphic->setEnabled(graphicSized);
}

void TDlgEnvelopeSizes::ShowDefaultEnvelope()
{
    const EnvelopeSize *e = FCatalog.At(FCatalog.FDefaultIndex);
    EditDefault->setText(e ? e->Name : QString());
}

void TDlgEnvelopeSizes::SaveEnvelopes()
{
    FCatalog.Save(FSettings);
}

void TDlgEnvelopeSizes::EditEnvelopeSizes(int current)
{
    ListBoxEnvelopes->setCurrentRow(FCatalog.IsValidIndex(current) ? current : -1);
    ShowEnvelopeDetails();
    ShowDefaultEnvelope();
    Prompt::exec(*this);
}

void TDlgEnvelopeSizes::AddBtnClick(QObject *)
{
    QString name;
    // Only Add offers the standard envelopes; the name dialog is shared with Rename.
    struct Offer {
        TDlgNewEnvelopeSize &dialog;
        explicit Offer(TDlgNewEnvelopeSize &d) : dialog(d) { dialog.OfferStandardSizes(true); }
        ~Offer() { dialog.OfferStandardSizes(false); }
    };
    const StandardEnvelope *standard = nullptr;
    {
        TDlgNewEnvelopeSize &dialog = FNameDialog();
        const Offer offer(dialog);
        if (!AskName(dialog, tr("Add Envelope Size"), QString(), name))
            return;
        standard = dialog.ChosenStandardSize();
    }
    FCatalog.AddShared(FSettings, EnvelopeSize{name, standard ? standard->Dimension() : TEnvelopeDimension{}},
                       [this](int at) {
                           FillList(at);
                           ShowDefaultEnvelope();
                           emit catalogChanged();
                           ShowEnvelopeDetails();
                       });
}

void TDlgEnvelopeSizes::RenameBtnClick(QObject *)
{
    const int i = SelectedIndex();
    if (i < 0)
        return;
    QString name;
    if (!AskName(FNameDialog(), tr("Rename Envelope Size"), FCatalog.At(i)->Name, name))
        return;
    FCatalog.RenameShared(FSettings, i, name, [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowEnvelopeDetails();
        ShowDefaultEnvelope();
    });
}

void TDlgEnvelopeSizes::DeleteBtnClick(QObject *)
{
    const int i = SelectedIndex();
    if (i < 0 || FCatalog.At(i)->IsPrinterSetup())
        return;
    // The question has no topic of its own.
    if (!ConfirmDelete(tr("Do you want to delete envelope \"%1\"").arg(FCatalog.At(i)->Name), 0))
        return;
    FCatalog.DeleteShared(FSettings, i, [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowEnvelopeDetails();
        ShowDefaultEnvelope();
    });
}

void TDlgEnvelopeSizes::DefaultBtnClick(QObject *)
{
    // The list as the section holds it now, on the new default.
    FCatalog.SetDefaultShared(FSettings, SelectedIndex(), [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowEnvelopeDetails();
        ShowDefaultEnvelope();
    });
}

void TDlgEnvelopeSizes::EditDetailDimensionsChange(QObject *)
{
    if (FUpdating)
        return;
    if (const EnvelopeSize *e = FCatalog.At(SelectedIndex()); e && !e->IsPrinterSetup())
        FCatalog.SetDimensionFromControls(SelectedIndex(), EditDetailWidth->text(), EditDetailHeight->text(),
                                          EditDetailIndent->text(), FUnit);
}

void TDlgEnvelopeSizes::EditGraphicDimensionChange(QObject *)
{
    if (FUpdating)
        return;
    FCatalog.SetGraphicSize(ParseLength(EditGraphicWidth->text(), FUnit, FCatalog.FGraphicX),
                            ParseLength(EditGraphicHeight->text(), FUnit, FCatalog.FGraphicY));
}

void TDlgEnvelopeSizes::ComboBoxUnitsChange(QObject *)
{
    FUnit = ComboBoxUnits->currentIndex() == 1 ? LengthUnit::Millimetres : LengthUnit::Inches;
    ShowUnit();
    ShowGraphicSize();
    ShowEnvelopeDetails();
    WriteLengthUnit(FSettings, FUnit);
}

void TDlgEnvelopeSizes::ShowUnit()
{
    ComboBoxUnits->setCurrentIndex(FUnit == LengthUnit::Millimetres ? 1 : 0);
    // %1 is the unit: "inches" or "millimetres".
    const QString unit = unitWord(FUnit);
    setHint(EditDetailWidth, tr("Width in %1").arg(unit));
    setHint(EditDetailHeight, tr("Height in %1").arg(unit));
    setHint(EditDetailIndent, tr("Indent in %1").arg(unit));
    setHint(EditGraphicWidth, tr("Width of return address graphic in %1").arg(unit));
    setHint(EditGraphicHeight, tr("Height of return address graphic in %1").arg(unit));
}

void TDlgEnvelopeSizes::ShowGraphicSize()
{
    FlagScope updating(FUpdating);
    EditGraphicWidth->setText(ShownLength(FCatalog.FGraphicX, FUnit));
    EditGraphicHeight->setText(ShownLength(FCatalog.FGraphicY, FUnit));
}

void TDlgEnvelopeSizes::OKBtnClick(QObject *)
{
    if (!(FCatalog.FGraphicX > 0 && FCatalog.FGraphicY > 0))
        FCatalog.SetGraphicSize(0, 0);
    ShowGraphicSize();
    accept();
}

void TDlgEnvelopeSizes::SetupBtnClick(QObject *)
{
    emit printSetupRequested();
}

} // namespace zentrope
