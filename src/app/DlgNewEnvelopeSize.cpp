#include "app/DlgNewEnvelopeSize.h"

namespace zentrope {

TDlgNewEnvelopeSize::TDlgNewEnvelopeSize(QWidget *parent)
    : NameDialog(parent, {"DlgNewEnvelopeSize", QStringLiteral("New Envelope Size"), "EditEnvelopeSize",
                          QStringLiteral("Enter a description for the envelope"), 20046, true})
{
    EditEnvelopeSize = Edit;
}

} // namespace zentrope
