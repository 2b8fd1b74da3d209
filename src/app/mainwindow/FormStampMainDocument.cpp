#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/prompt/Guard.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Prompt.h"
#include "document/AddressFile.h"
#include "document/OldFileList.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace zentrope {

// Address documents and the recent files list.

namespace {

const char kReadOnlyBox[] = "ReadOnlyCheckBox";
const char kRecentBox[] = "RecentFilesComboBox";

// Everything up to and including the last separator; empty for a bare name.
QString DirectoryPart(const QString &fileName)
{
    return fileName.left(fileName.lastIndexOf(QLatin1Char('/')) + 1);
}

QString NamePart(const QString &fileName)
{
    return fileName.mid(fileName.lastIndexOf(QLatin1Char('/')) + 1);
}

// A row below the widget-based dialog's own rows, as its grid lays them out.
void AddDialogRow(QFileDialog *dialog, QWidget *label, QWidget *field)
{
    auto *grid = qobject_cast<QGridLayout *>(dialog->layout());
    if (!grid)
        return;
    const int row = grid->rowCount();
    if (label)
        grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
}

// Starts the dialog in the folder of `fileName` with its name part offered.
void PrepareDialog(QFileDialog *dialog, const QString &fileName)
{
    const QString dir = DirectoryPart(fileName);
    if (!dir.isEmpty())
        dialog->setDirectory(dir);
    const QString name = NamePart(fileName);
    if (!name.isEmpty())
        dialog->selectFile(name);
    else if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
        edit->clear(); // selectFile ignores an empty name
    if (auto *recent = dialog->findChild<QComboBox *>(QString::fromLatin1(kRecentBox)))
        recent->setCurrentIndex(-1);
}

// The dialog's history: the recent files in the name row, their folders in
// the dialog's own folder history.
void SetDialogHistory(QFileDialog *dialog, const QStringList &files)
{
    if (auto *recent = dialog->findChild<QComboBox *>(QString::fromLatin1(kRecentBox))) {
        recent->clear();
        recent->addItems(files);
        recent->setCurrentIndex(-1);
    }
    QStringList folders;
    for (const QString &f : files) {
        const QString dir = QFileInfo(f).absolutePath();
        if (!folders.contains(dir))
            folders.append(dir);
    }
    dialog->setHistory(folders);
}

QString ChosenFile(const QFileDialog *dialog)
{
    return dialog->selectedFiles().value(0);
}

} // namespace

void TFormStampMain::SetUpDocumentDialog(QFileDialog *dialog)
{
    auto *recent = new QComboBox(dialog);
    recent->setObjectName(QString::fromLatin1(kRecentBox));
    recent->setPlaceholderText(tr("Recent files"));
    auto *label = new QLabel(tr("&Recent files:"), dialog);
    label->setBuddy(recent);
    AddDialogRow(dialog, label, recent);
    connect(recent, &QComboBox::activated, dialog, Guard([dialog, recent] {
                const QString file = recent->currentText();
                if (!file.isEmpty())
                    dialog->selectFile(file);
            }));

    if (dialog->acceptMode() == QFileDialog::AcceptOpen) {
        auto *readOnly = new QCheckBox(tr("Read &only"), dialog);
        readOnly->setObjectName(QString::fromLatin1(kReadOnlyBox));
        AddDialogRow(dialog, nullptr, readOnly);
    } else if (auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))) {
        QPushButton *help = buttons->addButton(QDialogButtonBox::Help);
        help->setObjectName(QStringLiteral("HelpButton"));
        connect(buttons, &QDialogButtonBox::helpRequested, dialog,
                Guard([dialog] { Prompt::showHelp(HelpContext(dialog)); }));
    }
    SetDialogHistory(dialog, FSession.RecentFiles->Items);
}

QString TFormStampMain::AskSaveFileName(const QString &current)
{
    QFileDialog &dialog = SaveDialog();
    PrepareDialog(&dialog, current);
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return {};
    return ChosenFile(&dialog);
}

void TFormStampMain::FileNewClick(QObject *)
{
    FComposer->newDocument();
}

void TFormStampMain::FileOpenClick(QObject *Sender)
{
    QFileDialog &dialog = OpenDialog();
    PrepareDialog(&dialog, FComposer->fileName());
    if (!FComposer->querySaveChanges())
        return;
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;
    const QString fileName = ChosenFile(&dialog);
    if (fileName.isEmpty())
        return;
    const auto *readOnly = dialog.findChild<QCheckBox *>(QString::fromLatin1(kReadOnlyBox));
    OpenAddressFile(Sender, fileName, readOnly && readOnly->isChecked());
}

void TFormStampMain::OpenAddressFile(QObject *, const QString &FileName, bool ReadOnly)
{
    FComposer->open(FileName, ReadOnly);
}

void TFormStampMain::FileSaveClick(QObject *)
{
    FComposer->save();
}

void TFormStampMain::FileSaveAsClick(QObject *)
{
    FComposer->saveAs();
}

void TFormStampMain::FileOpenOldClick(QObject *Sender)
{
    const QString fileName = TOldFileList::GetFilename(Sender);
    if (FComposer->querySaveChanges())
        OpenAddressFile(Sender, fileName, false);
}

void TFormStampMain::RefreshRecentFiles()
{
    const TOldFileList &recent = *FSession.RecentFiles;
    recent.UpdateMenu(FileMenu, FileOldFileBreak,
                      [this](QAction *item) { Guarded([this, item] { FileOpenOldClick(item); }); });
    QStringList history;
    recent.UpdateOtherList(history);
    for (QFileDialog *dialog : {SaveFileDialog, OpenFileDialog})
        if (dialog)
            SetDialogHistory(dialog, history);
}

} // namespace zentrope
