#include "app/FormStampMain.h"

namespace zentrope {

// Address documents and the recent files list.

bool TFormStampMain::QuerySaveChanges()
{
    return true;
}
void TFormStampMain::FileNewClick(QObject *) {}
void TFormStampMain::NewAddressFile() {}
void TFormStampMain::FileOpenClick(QObject *) {}
void TFormStampMain::OpenAddressFile(QObject *, const QString &, bool) {}
void TFormStampMain::FileSaveClick(QObject *) {}
void TFormStampMain::FileSaveAsClick(QObject *) {}
void TFormStampMain::FileOpenOldClick(QObject *) {}
void TFormStampMain::InitRecentFiles() {}
void TFormStampMain::ReleaseRecentFiles() {}

} // namespace zentrope
