#pragma once

#include <QIcon>

namespace zentrope {

// The program's icon for its windows, drawn at build time at the sizes the
// window system asks for (16 to 128 pixels).
QIcon ProgramIcon();

} // namespace zentrope
