#pragma once

#include "app/dialogs/NameDialog.h"

class QComboBox;

namespace zentrope {

struct StandardEnvelope;

// Asks for an envelope size's name, for Add and Rename; the caller sets the
// caption and the text and reads EditEnvelopeSize back after OK. For Add it
// also offers the standard envelopes: choosing one fills in its name, and
// the caller adds the size with its dimensions.
class TDlgNewEnvelopeSize : public NameDialog {
    Q_OBJECT
public:
    explicit TDlgNewEnvelopeSize(QWidget *parent = nullptr);
    QLineEdit *EditEnvelopeSize = nullptr;
    QLabel *LabelStandardSize = nullptr;
    QComboBox *ComboBoxStandardSize = nullptr;

    // Shows the "Size:" list above the name, set to the blank size, or hides it
    // and gives the dialog back its plain shape (Rename).
    void OfferStandardSizes(bool on);
    // The standard envelope chosen in the list; nullptr for the blank size or
    // while the list is hidden.
    const StandardEnvelope *ChosenStandardSize() const;

private:
    void ComboBoxStandardSizeChange();

    QWidget *FStandard = nullptr; // the list and its label
    QString FFilled;              // the name the last choice filled in
};

} // namespace zentrope
