#pragma once

#include "app/dialogs/NameDialog.h"

namespace zentrope {

// Asks for a return address's description, for Add and Rename; any text, the
// empty one included, is accepted with OK.
class TDlgNewReturnAddress : public NameDialog {
    Q_OBJECT
public:
    explicit TDlgNewReturnAddress(QWidget *parent = nullptr);
    QLineEdit *EditReturnAddress = nullptr;
};

} // namespace zentrope
