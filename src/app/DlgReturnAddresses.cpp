#include "app/DlgReturnAddresses.h"

namespace zentrope {

TDlgReturnAddresses::TDlgReturnAddresses(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgReturnAddresses"));
    setWindowTitle(QStringLiteral("Return Addresses"));
    setModal(true);
}

void TDlgReturnAddresses::SaveAddresses() {}

} // namespace zentrope
