#include "app/dialogs/DlgNewEnvelopeSize.h"

#include "platform/Topics.h"

namespace zentrope {

TDlgNewEnvelopeSize::TDlgNewEnvelopeSize(QWidget *parent)
    : NameDialog(parent,
                 {"DlgNewEnvelopeSize", QStringLiteral("New Envelope Size"), "EditEnvelopeSize",
                  QStringLiteral("Enter a description for the envelope"), Topic::EnvelopeSizeName, true})
{
    EditEnvelopeSize = Edit;
}

} // namespace zentrope
