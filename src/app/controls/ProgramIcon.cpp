#include "app/controls/ProgramIcon.h"

namespace zentrope {

QIcon ProgramIcon()
{
    // Rendering the vector icon at the title bar's four sizes cost about a
    // millisecond at each start, before the window could show.
    QIcon icon;
    for (const int size : {16, 32, 64, 128})
        icon.addFile(QStringLiteral(":/zentrope/window-icon/%1/zentrope.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace zentrope
