#include "app/DlgAbout.h"

namespace zentrope {

TDlgAbout::TDlgAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgAbout"));
    setWindowTitle(QStringLiteral("About Zentrope"));
    setModal(true);
}

} // namespace zentrope
