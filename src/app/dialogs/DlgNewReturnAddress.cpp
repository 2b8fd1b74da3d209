#include "app/dialogs/DlgNewReturnAddress.h"

#include "platform/Topics.h"

namespace zentrope {

// The focus starts on OK the first time; later it stays where it was left.
TDlgNewReturnAddress::TDlgNewReturnAddress(QWidget *parent)
    : NameDialog(parent, {"DlgNewReturnAddress", tr("New Return Address"), "EditReturnAddress",
                          tr("Enter a description for the return address."), Topic::ReturnAddressName, false})
{
    EditReturnAddress = Edit;
}

} // namespace zentrope
