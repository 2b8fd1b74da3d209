#pragma once

#include "app/dialogs/NameDialog.h"

namespace zentrope {

// Asks for an envelope size's name, for Add and Rename; the caller sets the
// caption and the text and reads EditEnvelopeSize back after OK.
class TDlgNewEnvelopeSize : public NameDialog {
    Q_OBJECT
public:
    explicit TDlgNewEnvelopeSize(QWidget *parent = nullptr);
    QLineEdit *EditEnvelopeSize = nullptr;
};

} // namespace zentrope
