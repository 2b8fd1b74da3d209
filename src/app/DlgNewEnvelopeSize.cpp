#include "app/DlgNewEnvelopeSize.h"

namespace zentrope {

TDlgNewEnvelopeSize::TDlgNewEnvelopeSize(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DlgNewEnvelopeSize"));
    setWindowTitle(QStringLiteral("New Envelope Size"));
    setModal(true);
}

} // namespace zentrope
