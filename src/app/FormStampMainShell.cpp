#include "app/FormStampMain.h"

#include <QDragEnterEvent>
#include <QDropEvent>

namespace zentrope {

// The command line, files dropped on the window and the desktop registration.

void TFormStampMain::RunCommandLine(const QStringList &) {}
void TFormStampMain::WMDropFiles(const QStringList &) {}
void TFormStampMain::RegisterFileType() {}

void TFormStampMain::dragEnterEvent(QDragEnterEvent *e)
{
    QMainWindow::dragEnterEvent(e);
}

void TFormStampMain::dropEvent(QDropEvent *e)
{
    QMainWindow::dropEvent(e);
}

} // namespace zentrope
