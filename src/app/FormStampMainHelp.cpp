#include "app/FormStampMain.h"

namespace zentrope {

// The Help menu and the two help requests.

void TFormStampMain::HelpContentsClick(QObject *) {}
void TFormStampMain::HelpOverviewClick(QObject *) {}
void TFormStampMain::HelpSearchClick(QObject *) {}
void TFormStampMain::HelpSupportClick(QObject *) {}
void TFormStampMain::HelpWarrantyClick(QObject *) {}
void TFormStampMain::HelpLicenseClick(QObject *) {}
void TFormStampMain::HelpProductsClick(QObject *) {}
void TFormStampMain::HelpAboutClick(QObject *) {}
void TFormStampMain::ShowHelpTopic(int) {}
void TFormStampMain::ShowHelpSearch() {}

} // namespace zentrope
