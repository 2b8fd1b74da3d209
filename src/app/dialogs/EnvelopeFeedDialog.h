#pragma once

#include "envelope/FeedProfile.h"
#include "envelope/LengthUnit.h"
#include "platform/Topics.h"
#include "print/CupsJob.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zentrope {

class FeedPicture;

// Envelope Feed: how one printer takes envelopes (FeedProfile). It starts from
// the printer's profile (the default one when it has none) and gives the
// edited profile back through Profile(); the caller stores it.
class EnvelopeFeedDialog : public QDialog {
    Q_OBJECT
public:
    // sources: what the printer offers (PrinterPaperSources); unit: the size
    // dialog's unit for the offsets; landscapePaper: the printer's
    // orientation, which decides the feed on printer paper.
    EnvelopeFeedDialog(const QString &printer, const FeedProfile &profile, LengthUnit unit,
                       const QList<PaperSource> &sources, bool landscapePaper, QWidget *parent = nullptr);

    QLabel *LabelPrinter = nullptr;
    QRadioButton *RadioButtonPrinterPaper = nullptr;
    QRadioButton *RadioButtonEnvelopePaper = nullptr;
    QRadioButton *RadioButtonLongEdge = nullptr;
    QRadioButton *RadioButtonShortEdge = nullptr;
    QRadioButton *RadioButtonLeft = nullptr;
    QRadioButton *RadioButtonCentre = nullptr;
    QRadioButton *RadioButtonRight = nullptr;
    QCheckBox *CheckBoxTurn180 = nullptr;
    QCheckBox *CheckBoxFaceDown = nullptr;
    FeedPicture *ImageFeed = nullptr;
    QLineEdit *EditOffsetX = nullptr;
    QLineEdit *EditOffsetY = nullptr;
    QComboBox *ComboBoxSource = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *CancelBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

    static constexpr int HelpTopic = Topic::EnvelopeFeed;

    // The profile as the controls have it now.
    FeedProfile Profile() const;

private:
    void UpdateControls();

    FeedProfile m_start;
    LengthUnit m_unit;
    bool m_landscapePaper;
    QGroupBox *m_feed = nullptr;
};

} // namespace zentrope
