#include "app/DlgEnvelopeSizes.h"

namespace zentrope {

TDlgEnvelopeSizes::TDlgEnvelopeSizes(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgEnvelopeSizes"));
    setWindowTitle(QStringLiteral("Envelope Sizes"));
    setModal(true);
}

void TDlgEnvelopeSizes::SaveEnvelopes() {}

} // namespace zentrope
