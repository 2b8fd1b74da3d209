#include "app/dialogs/DlgEnvelopeSizes.h"

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
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace zentrope {

namespace {
constexpr int HelpTopic = Topic::EnvelopeSizes;

QString unitWord(LengthUnit unit)
{
    return unit == LengthUnit::Millimetres ? TDlgEnvelopeSizes::tr("millimetres")
                                           : TDlgEnvelopeSizes::tr("inches");
}

} // namespace

TDlgEnvelopeSizes::TDlgEnvelopeSizes(EnvelopeSizeCatalog &catalog, TQevIniFile &settings,
                                     const CornerGraphic &graphic, TDlgNewEnvelopeSize &nameDialog,
                                     QWidget *parent)
    : CatalogDialog(parent, HelpTopic), FCatalog(catalog), m_settings(settings), m_graphic(graphic),
      m_nameDialog(nameDialog)
{
    setObjectName(QStringLiteral("DlgEnvelopeSizes"));
    setWindowTitle(tr("Define Envelope Sizes"));
    setFixedSize(Scale::dp(QSize(597, 312)));
    CreateControls();
}

void TDlgEnvelopeSizes::CreateControls()
{
    LabelSizes = named(new QLabel(tr("Envelopes"), this), "LabelSizes");
    LabelSizes->setGeometry(Scale::dp(8, 8, 220, 20));
    ListBoxEnvelopes = named(new QListWidget(this), "ListBoxEnvelopes");
    ListBoxEnvelopes->setGeometry(Scale::dp(8, 28, 220, 150));
    SetList(ListBoxEnvelopes);
    setHint(ListBoxEnvelopes, tr("This is the list of envelopes that you can choose from."));
    LabelSizes->setBuddy(ListBoxEnvelopes);
    LabelDefaultSize = named(new QLabel(tr("Default Envelope Size"), this), "LabelDefaultSize");
    LabelDefaultSize->setGeometry(Scale::dp(8, 186, 220, 20));
    EditDefault = named(new QLineEdit(this), "EditDefault");
    EditDefault->setGeometry(Scale::dp(8, 206, 220, 28));
    EditDefault->setReadOnly(true);
    EditDefault->setFocusPolicy(Qt::NoFocus);
    setHint(EditDefault, tr("This envelope is selected when Zentrope starts."));

    GroupBoxDetails = named(new QGroupBox(this), "GroupBoxDetails");
    GroupBoxDetails->setGeometry(Scale::dp(240, 8, 349, 100));
    EditDetailWidth = named(new QLineEdit(GroupBoxDetails), "EditDetailWidth");
    EditDetailWidth->setGeometry(Scale::dp(12, 36, 80, 28));
    LabelX1 = named(new QLabel(QStringLiteral("X"), GroupBoxDetails), "LabelX1");
    LabelX1->setGeometry(Scale::dp(98, 40, 16, 20));
    EditDetailHeight = named(new QLineEdit(GroupBoxDetails), "EditDetailHeight");
    EditDetailHeight->setGeometry(Scale::dp(118, 36, 80, 28));
    LabelIndent = named(new QLabel(tr("Indent"), GroupBoxDetails), "LabelIndent");
    LabelIndent->setGeometry(Scale::dp(212, 40, 48, 20));
    EditDetailIndent = named(new QLineEdit(GroupBoxDetails), "EditDetailIndent");
    EditDetailIndent->setGeometry(Scale::dp(262, 36, 75, 28));

    GroupBoxGraphic = named(new QGroupBox(tr("Return Address Graphic Size"), this), "GroupBoxGraphic");
    GroupBoxGraphic->setGeometry(Scale::dp(240, 120, 349, 100));
    EditGraphicWidth = named(new QLineEdit(GroupBoxGraphic), "EditGraphicWidth");
    EditGraphicWidth->setGeometry(Scale::dp(12, 36, 80, 28));
    LabelX2 = named(new QLabel(QStringLiteral("X"), GroupBoxGraphic), "LabelX2");
    LabelX2->setGeometry(Scale::dp(98, 40, 16, 20));
    EditGraphicHeight = named(new QLineEdit(GroupBoxGraphic), "EditGraphicHeight");
    EditGraphicHeight->setGeometry(Scale::dp(118, 36, 80, 28));

    LabelUnits = named(new QLabel(tr("Units"), this), "LabelUnits");
    LabelUnits->setGeometry(Scale::dp(252, 232, 48, 20));
    ComboBoxUnits = named(new QComboBox(this), "ComboBoxUnits");
    ComboBoxUnits->setGeometry(Scale::dp(302, 228, 150, 28));
    ComboBoxUnits->addItems({tr("Inches"), tr("Millimetres")});
    setHint(ComboBoxUnits, tr("The unit of the envelope and graphic sizes"));
    LabelUnits->setBuddy(ComboBoxUnits);
    ShowUnit();

    auto button = [this](const char *name, const QString &caption, int x) {
        auto *b = named(new QPushButton(caption, this), name);
        b->setGeometry(Scale::dp(x, 268, 90, 32));
        b->setAutoDefault(false);
        return b;
    };
    AddBtn = button("AddBtn", tr("Add"), 8);
    RenameBtn = button("RenameBtn", tr("Rename"), 106);
    SetupBtn = button("SetupBtn", tr("Setup"), 106);
    SetupBtn->hide();
    DeleteBtn = button("DeleteBtn", tr("Delete"), 204);
    DefaultBtn = button("DefaultBtn", tr("Default"), 302);
    setHint(DefaultBtn, tr("Click here to define the highlighed envelope as the default."));
    OKBtn = button("OKBtn", tr("OK"), 400);
    OKBtn->setDefault(true);
    HelpBtn = button("HelpBtn", tr("&Help"), 498);

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
    const int selected = FCatalog.Load(m_settings);
    FUnit = ReadLengthUnit(m_settings);
    ShowUnit();
    ShowGraphicSize();
    FillList(selected);
    emit catalogChanged();
    ShowEnvelopeDetails();
}

void TDlgEnvelopeSizes::FormActivate(QObject *)
{
    ShowEnvelopeDetails();
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
        QString width, height, indent;
        e->Dimension.SetValueForControls(width, height, indent, FUnit);
        EditDetailWidth->setText(width);
        EditDetailHeight->setText(height);
        EditDetailIndent->setText(indent);
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
    const bool graphicSized = m_graphic.Sized();
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
    FCatalog.Save(m_settings);
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
        const Offer offer(m_nameDialog);
        if (!AskName(m_nameDialog, tr("Add Envelope Size"), QString(), name))
            return;
        standard = m_nameDialog.ChosenStandardSize();
    }
    FCatalog.AddShared(m_settings,
                       EnvelopeSize{name, standard ? standard->Dimension() : TEnvelopeDimension{}},
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
    if (!AskName(m_nameDialog, tr("Rename Envelope Size"), FCatalog.At(i)->Name, name))
        return;
    FCatalog.RenameShared(m_settings, i, name, [this](int at) {
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
    FCatalog.DeleteShared(m_settings, i, [this](int at) {
        FillList(at);
        emit catalogChanged();
        ShowEnvelopeDetails();
        ShowDefaultEnvelope();
    });
}

void TDlgEnvelopeSizes::DefaultBtnClick(QObject *)
{
    // The list as the section holds it now, on the new default.
    FCatalog.SetDefaultShared(m_settings, SelectedIndex(), [this](int at) {
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
    WriteLengthUnit(m_settings, FUnit);
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
    EditGraphicWidth->setText(FormatLength(FCatalog.FGraphicX, FUnit));
    EditGraphicHeight->setText(FormatLength(FCatalog.FGraphicY, FUnit));
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
