#include "app/DlgNewReturnAddress.h"

namespace zentrope {

TDlgNewReturnAddress::TDlgNewReturnAddress(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgNewReturnAddress"));
    setWindowTitle(QStringLiteral("New Return Address"));
    setModal(true);
}

} // namespace zentrope
