#include "app/dialogs/DlgNewEnvelopeSize.h"

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
    for (QWidget *w : std::initializer_list<QWidget *>{LabelDescription, Edit, OKBtn, CancelBtn, HelpBtn})
        m_plain.push_back({w, w->geometry()});

    LabelStandardSize = named(new QLabel(tr("Size:"), this), "LabelStandardSize");
    LabelStandardSize->setGeometry(Scale::dp(9, 9, 288, 18));
    ComboBoxStandardSize = named(new QComboBox(this), "ComboBoxStandardSize");
    ComboBoxStandardSize->setGeometry(Scale::dp(9, 28, 288, 30));
    setHint(ComboBoxStandardSize, tr("Choose a standard envelope to fill in its name and size"));
    LabelStandardSize->setBuddy(ComboBoxStandardSize);
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
    m_filled.clear();
    LabelStandardSize->setVisible(on);
    ComboBoxStandardSize->setVisible(on);
    const int shift = on ? Scale::dp(ListRoom) : 0;
    for (const Place &p : m_plain)
        p.Widget->setGeometry(p.Plain.translated(0, shift));
    setFixedSize(Scale::dp(QSize(306, 110)) + QSize(0, shift));
}

const StandardEnvelope *TDlgNewEnvelopeSize::ChosenStandardSize() const
{
    const int i = ComboBoxStandardSize->currentIndex() - 1;
    if (ComboBoxStandardSize->isHidden() || i < 0 || i >= static_cast<int>(StandardEnvelopes().size()))
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
    else if (Edit->text() == m_filled)
        Edit->clear();
    m_filled = e ? e->ShortName : QString();
}

} // namespace zentrope
