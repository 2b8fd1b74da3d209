#include "app/FormStampMain.h"

namespace zentrope {

// The corner graphic.

void TFormStampMain::LoadGraphic() {}
void TFormStampMain::OptionsGraphicClick(QObject *) {}
void TFormStampMain::OptionsUpdateGraphicClick(QObject *) {}
void TFormStampMain::OptionsClearGraphicClick(QObject *) {}
void TFormStampMain::OptionsEditGraphicClick(QObject *) {}

} // namespace zentrope
