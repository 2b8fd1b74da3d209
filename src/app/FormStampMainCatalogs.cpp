#include "app/FormStampMain.h"

namespace zentrope {

// The main window's side of the envelope size and return address catalogs.

void TFormStampMain::UpdateEnvelopeSizeCombo() {}
void TFormStampMain::FillReturnAddressCombo() {}
void TFormStampMain::ShowReturnAddress() {}
void TFormStampMain::ComboBoxReturnAddressChange(QObject *) {}
void TFormStampMain::OptionsEnvelopeClick(QObject *) {}
void TFormStampMain::OptionsReturnAddressesClick(QObject *) {}

} // namespace zentrope
