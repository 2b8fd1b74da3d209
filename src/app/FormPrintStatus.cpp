#include "app/FormPrintStatus.h"

namespace zentrope {

TFormPrintStatus::TFormPrintStatus(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormPrintStatus"));
    setWindowTitle(QStringLiteral("Printing"));
    setModal(true);
}

} // namespace zentrope
