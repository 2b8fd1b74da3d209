#include "app/FormStampMain.h"

namespace zentrope {

// The postal bar code preview.

void TFormStampMain::MemoAddressChange(QObject *Sender)
{
    UpdateMenu(Sender);
}
void TFormStampMain::OptionsBarCodeClick(QObject *) {}

} // namespace zentrope
