#include "app/dialogs/DlgNewEnvelopeSize.h"

#include "app/controls/DesignFit.h"
#include "app/controls/Named.h"
#include "app/controls/Scale.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "envelope/StandardEnvelopes.h"
#include "platform/Topics.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {
// The room the "Size:" list takes above the name, in design pixels.
constexpr int ListRoom = 58;
} // namespace

TDlgNewEnvelopeSize::TDlgNewEnvelopeSize(QWidget *parent)
    : NameDialog(parent, {"DlgNewEnvelopeSize", tr("New Envelope Size"), "EditEnvelopeSize",
                          tr("Enter a description for the envelope"), Topic::EnvelopeSizeName, true})
{
    EditEnvelopeSize = Edit;

    // The "Size:" list and its label sit above the description when Add offers them.
    FStandard = new QWidget(this);
    LabelStandardSize = named(new QLabel(tr("Size:"), FStandard), "LabelStandardSize");
    SetDesignSize(LabelStandardSize, 288, 18);
    ComboBoxStandardSize = named(new QComboBox(FStandard), "ComboBoxStandardSize");
    SetDesignSize(ComboBoxStandardSize, 288, 30);
    setHint(ComboBoxStandardSize, tr("Choose a standard envelope to fill in its name and size"));
    LabelStandardSize->setBuddy(ComboBoxStandardSize);
    auto *column = new QVBoxLayout(FStandard);
    column->setContentsMargins(0, 0, 0, Scale::dp(ListRoom - 18 - 1 - 30));
    column->setSpacing(Scale::dp(1));
    column->addWidget(LabelStandardSize);
    column->addWidget(ComboBoxStandardSize);
    InsertAbove(FStandard);
    ComboBoxStandardSize->addItem(tr("Blank size"));
    for (const StandardEnvelope &e : StandardEnvelopes())
        ComboBoxStandardSize->addItem(e.Name);
    SetHelpContext(ComboBoxStandardSize, Topic::EnvelopeSizeName);
    setTabOrder(ComboBoxStandardSize, Edit);
    connect(ComboBoxStandardSize, &QComboBox::activated, this,
            Guard([this] { ComboBoxStandardSizeChange(); }));
    OfferStandardSizes(false);
}

void TDlgNewEnvelopeSize::OfferStandardSizes(bool on)
{
    ComboBoxStandardSize->setCurrentIndex(0);
    FFilled.clear();
    FStandard->setVisible(on);
    LabelStandardSize->setVisible(on);
    ComboBoxStandardSize->setVisible(on);
    SetDesign(QSize(306, 110 + (on ? ListRoom : 0)));
    Fit();
}

const StandardEnvelope *TDlgNewEnvelopeSize::ChosenStandardSize() const
{
    const int i = ComboBoxStandardSize->currentIndex() - 1;
    if (FStandard->isHidden() || i < 0 || i >= static_cast<int>(StandardEnvelopes().size()))
        return nullptr;
    return &StandardEnvelopes()[static_cast<size_t>(i)];
}

void TDlgNewEnvelopeSize::ComboBoxStandardSizeChange()
{
    // A standard envelope brings its short name (the size list shows its
    // dimensions, and the toolbar has little room); the blank size takes back
    // only a name the list filled in, never one the user typed.
    const StandardEnvelope *e = ChosenStandardSize();
    if (e)
        Edit->setText(e->ShortName);
    else if (Edit->text() == FFilled)
        Edit->clear();
    FFilled = e ? e->ShortName : QString();
}

} // namespace zentrope
