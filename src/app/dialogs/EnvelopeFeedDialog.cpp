#include "app/dialogs/EnvelopeFeedDialog.h"

#include "app/controls/Named.h"
#include "app/dialogs/FeedPicture.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "core/Units.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zentrope {

namespace {

int thousandths(double inches)
{
    return static_cast<int>(
        std::clamp<int64_t>(roundHalfEven(inches * 1000.0), -FeedProfile::MaxOffset, FeedProfile::MaxOffset));
}

} // namespace

EnvelopeFeedDialog::EnvelopeFeedDialog(const QString &printer, const FeedProfile &profile, LengthUnit unit,
                                       const QList<PaperSource> &sources, bool landscapePaper,
                                       QWidget *parent)
    : QDialog(parent), m_start(profile), m_unit(unit), m_landscapePaper(landscapePaper)
{
    setObjectName(QStringLiteral("EnvelopeFeedDialog"));
    setWindowTitle(tr("Envelope Feed"));
    SetHelpContext(this, HelpTopic);

    LabelPrinter = named(new QLabel(tr("Printer: %1").arg(printer), this), "LabelPrinter");

    auto *paperBox = named(new QGroupBox(tr("Paper"), this), "GroupBoxPaper");
    RadioButtonPrinterPaper =
        named(new QRadioButton(tr("&Printer paper (the size's indent places the envelope)"), paperBox),
              "RadioButtonPrinterPaper");
    RadioButtonEnvelopePaper = named(new QRadioButton(tr("&Envelope (each page is the envelope)"), paperBox),
                                     "RadioButtonEnvelopePaper");
    setHint(RadioButtonPrinterPaper, tr("Print on the paper chosen in Print Setup, as without a profile"));
    setHint(RadioButtonEnvelopePaper, tr("Send pages of the envelope's own size"));
    auto *paperLayout = new QVBoxLayout(paperBox);
    paperLayout->addWidget(RadioButtonPrinterPaper);
    paperLayout->addWidget(RadioButtonEnvelopePaper);

    m_feed = named(new QGroupBox(tr("Feed"), this), "GroupBoxFeed");
    RadioButtonLongEdge = named(new QRadioButton(tr("&Long edge first"), m_feed), "RadioButtonLongEdge");
    RadioButtonShortEdge = named(new QRadioButton(tr("&Short edge first"), m_feed), "RadioButtonShortEdge");
    auto *first = new QButtonGroup(this);
    first->addButton(RadioButtonLongEdge);
    first->addButton(RadioButtonShortEdge);
    RadioButtonLeft = named(new QRadioButton(tr("Le&ft"), m_feed), "RadioButtonLeft");
    RadioButtonCentre = named(new QRadioButton(tr("Ce&ntred"), m_feed), "RadioButtonCentre");
    RadioButtonRight = named(new QRadioButton(tr("&Right"), m_feed), "RadioButtonRight");
    auto *edge = new QButtonGroup(this);
    for (QRadioButton *b : {RadioButtonLeft, RadioButtonCentre, RadioButtonRight})
        edge->addButton(b);
    setHint(RadioButtonLeft, tr("Where the envelope lies across the tray, seen from the front"));
    setHint(RadioButtonCentre, RadioButtonLeft->toolTip());
    setHint(RadioButtonRight, RadioButtonLeft->toolTip());
    CheckBoxTurn180 =
        named(new QCheckBox(tr("&Turned 180\u00B0 (flap or left end first)"), m_feed), "CheckBoxTurn180");
    CheckBoxFaceDown = named(new QCheckBox(tr("Face &down (the printer prints on the underside)"), m_feed),
                             "CheckBoxFaceDown");
    ImageFeed = new FeedPicture(m_feed);
    setHint(ImageFeed, tr("How to put the envelope in: the printer's slot is at the top"));
    auto *feedGrid = new QHBoxLayout(m_feed);
    auto *feedChoices = new QVBoxLayout;
    feedChoices->addWidget(RadioButtonLongEdge);
    feedChoices->addWidget(RadioButtonShortEdge);
    auto *edgeRow = new QHBoxLayout;
    edgeRow->addWidget(RadioButtonLeft);
    edgeRow->addWidget(RadioButtonCentre);
    edgeRow->addWidget(RadioButtonRight);
    feedChoices->addLayout(edgeRow);
    feedChoices->addWidget(CheckBoxTurn180);
    feedChoices->addWidget(CheckBoxFaceDown);
    feedChoices->addStretch(1);
    feedGrid->addLayout(feedChoices);
    feedGrid->addWidget(ImageFeed, 1);

    auto *offsetBox = named(new QGroupBox(tr("Offset"), this), "GroupBoxOffset");
    EditOffsetX = named(new QLineEdit(offsetBox), "EditOffsetX");
    EditOffsetY = named(new QLineEdit(offsetBox), "EditOffsetY");
    setHint(EditOffsetX, tr("Moves everything printed to the right (negative: to the left)"));
    setHint(EditOffsetY, tr("Moves everything printed down (negative: up)"));
    const QString symbol = LengthUnitSymbol(unit);
    auto *offsetForm = new QFormLayout(offsetBox);
    const auto offsetRow = [&](const QString &caption, const char *labelName, QLineEdit *edit,
                               const char *unitName) {
        auto *label = named(new QLabel(caption, offsetBox), labelName);
        label->setBuddy(edit);
        auto *boxes = new QHBoxLayout;
        boxes->addWidget(edit);
        boxes->addWidget(named(new QLabel(symbol, offsetBox), unitName));
        offsetForm->addRow(label, boxes);
    };
    offsetRow(tr("Hori&zontal:"), "LabelOffsetX", EditOffsetX, "LabelOffsetXUnit");
    offsetRow(tr("&Vertical:"), "LabelOffsetY", EditOffsetY, "LabelOffsetYUnit");

    auto *sourceBox = named(new QGroupBox(tr("So&urce"), this), "GroupBoxSource");
    ComboBoxSource = named(new QComboBox(sourceBox), "ComboBoxSource");
    setHint(ComboBoxSource, tr("The tray or slot the printer takes envelopes from"));
    ComboBoxSource->addItem(tr("Printer's default"), QString());
    for (const PaperSource &s : sources)
        ComboBoxSource->addItem(s.Text, s.Name);
    // A source the printer no longer lists stays what it was until changed.
    if (!profile.Source.isEmpty() && ComboBoxSource->findData(profile.Source) < 0)
        ComboBoxSource->addItem(profile.Source, profile.Source);
    auto *sourceLayout = new QVBoxLayout(sourceBox);
    sourceLayout->addWidget(ComboBoxSource);

    auto *buttons = named(new QDialogButtonBox(Qt::Vertical, this), "ButtonBox");
    OkBtn = named(buttons->addButton(QDialogButtonBox::Ok), "OkBtn");
    CancelBtn = named(buttons->addButton(QDialogButtonBox::Cancel), "CancelBtn");
    HelpBtn = named(buttons->addButton(QDialogButtonBox::Help), "HelpBtn");
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    Prompt::connectHelp(HelpBtn, HelpTopic);

    auto *left = new QVBoxLayout;
    left->addWidget(LabelPrinter);
    left->addWidget(paperBox);
    left->addWidget(m_feed);
    auto *row = new QHBoxLayout;
    row->addWidget(offsetBox);
    row->addWidget(sourceBox, 1);
    left->addLayout(row);
    auto *top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addWidget(buttons);

    for (QWidget *w : findChildren<QWidget *>())
        SetHelpContext(w, HelpTopic);

    (profile.Paper == FeedProfile::EnvelopePaper ? RadioButtonEnvelopePaper : RadioButtonPrinterPaper)
        ->setChecked(true);
    (profile.LongEdgeFirst ? RadioButtonLongEdge : RadioButtonShortEdge)->setChecked(true);
    (profile.Edge == FeedProfile::EdgeCentre  ? RadioButtonCentre
     : profile.Edge == FeedProfile::EdgeRight ? RadioButtonRight
                                              : RadioButtonLeft)
        ->setChecked(true);
    CheckBoxTurn180->setChecked(profile.Turn180);
    CheckBoxFaceDown->setChecked(profile.FaceDown);
    EditOffsetX->setText(FormatLength(profile.OffsetX / 1000.0, unit));
    EditOffsetY->setText(FormatLength(profile.OffsetY / 1000.0, unit));
    ComboBoxSource->setCurrentIndex(std::max(0, ComboBoxSource->findData(profile.Source)));

    const auto update = Guard([this] { UpdateControls(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{
             RadioButtonPrinterPaper, RadioButtonEnvelopePaper, RadioButtonLongEdge, RadioButtonShortEdge,
             RadioButtonLeft, RadioButtonCentre, RadioButtonRight, CheckBoxTurn180, CheckBoxFaceDown})
        connect(b, &QAbstractButton::toggled, this, update);
    UpdateControls();
}

void EnvelopeFeedDialog::UpdateControls()
{
    // On printer paper the printer's orientation decides which edge enters
    // first, as it always did; the edge in the tray still counts.
    const bool envelope = RadioButtonEnvelopePaper->isChecked();
    RadioButtonLongEdge->setEnabled(envelope);
    RadioButtonShortEdge->setEnabled(envelope);
    CheckBoxTurn180->setEnabled(envelope);
    ImageFeed->setProfile(Profile(), m_landscapePaper);
}

FeedProfile EnvelopeFeedDialog::Profile() const
{
    FeedProfile p;
    p.Paper = RadioButtonEnvelopePaper->isChecked() ? FeedProfile::EnvelopePaper : FeedProfile::PrinterPaper;
    p.Edge = RadioButtonCentre->isChecked()  ? FeedProfile::EdgeCentre
             : RadioButtonRight->isChecked() ? FeedProfile::EdgeRight
                                             : FeedProfile::EdgeLeft;
    // The first edge and the turn are for envelope-size pages; on printer
    // paper they keep their defaults, so that a profile set back to printer
    // paper and nothing else is no profile at all.
    const bool envelope = p.Paper == FeedProfile::EnvelopePaper;
    p.LongEdgeFirst = !envelope || RadioButtonLongEdge->isChecked();
    p.Turn180 = envelope && CheckBoxTurn180->isChecked();
    p.FaceDown = CheckBoxFaceDown->isChecked();
    // A box that still shows the stored offset keeps it exactly.
    p.OffsetX = thousandths(ParseLength(EditOffsetX->text(), m_unit, m_start.OffsetX / 1000.0));
    p.OffsetY = thousandths(ParseLength(EditOffsetY->text(), m_unit, m_start.OffsetY / 1000.0));
    p.Source = ComboBoxSource->currentData().toString();
    return p;
}

} // namespace zentrope
