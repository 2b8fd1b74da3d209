#pragma once

#include <QPalette>

namespace zentrope {

// The envelope the window shows is paper, as it will be printed. A light
// desktop's text fields already look like it and are kept as they are; on a
// dark desktop the envelope stays white with black text (the rest of the
// palette, such as the selection and the scroll bars, follows the desktop).
QPalette PaperPalette(const QPalette &desktop);

} // namespace zentrope
