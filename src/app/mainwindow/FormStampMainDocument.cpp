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

const QString kTitle = QStringLiteral("Zentrope");
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

QString ReadOnlyText(const QString &fileName)
{
    return TFormStampMain::tr("File \"%1\" is marked read-only. Save changes in a new file.").arg(fileName);
}

// The window title shows "[*]" only when doubled; a file name may hold it.
QString TitleFor(const QString &fileName)
{
    QString name = fileName;
    name.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return kTitle + QStringLiteral(" - ") + name;
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
    SetDialogHistory(dialog, m_session.RecentFiles->Items);
}

bool TFormStampMain::QuerySaveChanges()
{
    if (!MemoAddress->modified())
        return true;
    const QString name = m_state.AddressFileName.isEmpty() ? tr("Untitled") : m_state.AddressFileName;
    const int answer = Prompt::message(this, Prompt::Kind::Confirmation,
                                       tr("Save changes to envelope file \"%1\"?").arg(name),
                                       Prompt::Yes | Prompt::No | Prompt::Cancel);
    if (answer == Prompt::No)
        return true;
    if (answer != Prompt::Yes)
        return false; // Cancel, or the box closed without an answer
    // A failed save throws and so ends the pending action. A Save As the user
    // cancels ends it too, with the document as it was: going on would lose
    // the text the user just asked to keep.
    const QString fileName = m_state.AddressFileName;
    const bool readOnly = m_state.AddressFileReadOnly;
    const QString title = windowTitle();
    if (SaveDocument())
        return true;
    m_state.AddressFileName = fileName;
    m_state.AddressFileReadOnly = readOnly;
    setWindowTitle(title);
    UpdateMenu(this);
    return false;
}

void TFormStampMain::FileNewClick(QObject *)
{
    NewAddressFile();
}

void TFormStampMain::NewAddressFile()
{
    if (!QuerySaveChanges())
        return;
    MemoAddress->clear();
    MemoAddress->setModified(false);
    m_state.AddressFileName.clear();
    m_state.AddressFileEncoding = TextEncoding::Utf8;
    setWindowTitle(kTitle);
    MemoAddressChange(this);
    UpdateMenu(this);
}

void TFormStampMain::FileOpenClick(QObject *Sender)
{
    QFileDialog &dialog = OpenDialog();
    PrepareDialog(&dialog, m_state.AddressFileName);
    if (!QuerySaveChanges())
        return;
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;
    const QString fileName = ChosenFile(&dialog);
    if (fileName.isEmpty())
        return;
    const auto *readOnly = dialog.findChild<QCheckBox *>(QString::fromLatin1(kReadOnlyBox));
    OpenAddressFile(Sender, fileName, readOnly && readOnly->isChecked());
}

void TFormStampMain::SetAddressText(const QString &text)
{
    MemoAddress->setText(text);
    MemoAddress->moveCursor(QTextCursor::Start);
    MemoAddress->setModified(false);
}

void TFormStampMain::OpenAddressFile(QObject *Sender, const QString &FileName, bool ReadOnly)
{
    if (!AddressFileExists(FileName)) {
        Prompt::message(this, Prompt::Kind::Warning, tr("Cannot find file \"%1\".").arg(FileName));
        return;
    }
    // A read that fails throws before anything of the document has changed.
    const AddressText document = ReadAddressFile(FileName);
    m_state.AddressFileName = FileName;
    m_state.AddressFileReadOnly = ReadOnly || AddressFileIsReadOnly(FileName);
    m_state.AddressFileEncoding = document.Encoding;
    setWindowTitle(TitleFor(m_state.AddressFileName) +
                   (m_state.AddressFileReadOnly ? tr(" (read-only)") : QString()));
    SetAddressText(document.Text);
    MemoAddressChange(Sender);
    RecentFilesUpdate();
    UpdateMenu(Sender);
}

void TFormStampMain::FileSaveClick(QObject *)
{
    SaveDocument();
}

void TFormStampMain::FileSaveAsClick(QObject *)
{
    SaveDocumentAs();
}

bool TFormStampMain::SaveDocument()
{
    if (m_state.AddressFileName.isEmpty())
        return SaveDocumentAs();
    if (m_state.AddressFileReadOnly) {
        Prompt::message(this, Prompt::Kind::Information, ReadOnlyText(m_state.AddressFileName));
        // Save As offers no name and no folder. Should that save fail, the
        // document keeps the name it had.
        const QString previous = m_state.AddressFileName;
        m_state.AddressFileName.clear();
        try {
            return SaveDocumentAs();
        } catch (...) {
            if (m_state.AddressFileName.isEmpty())
                m_state.AddressFileName = previous;
            throw;
        }
    }
    m_state.AddressFileEncoding =
        WriteAddressFile(m_state.AddressFileName, MemoAddress->text(), m_state.AddressFileEncoding);
    MemoAddress->setModified(false);
    UpdateMenu(this);
    return true;
}

bool TFormStampMain::SaveDocumentAs()
{
    QString chosen;
    for (;;) {
        QFileDialog &dialog = SaveDialog();
        PrepareDialog(&dialog, m_state.AddressFileName);
        if (Prompt::exec(dialog) != QDialog::Accepted)
            return false;
        chosen = ChosenFile(&dialog);
        if (chosen.isEmpty())
            return false;
        if (!AddressFileIsReadOnly(chosen))
            break;
        Prompt::message(this, Prompt::Kind::Warning, ReadOnlyText(chosen));
    }

    // A save that fails leaves the document named as it was.
    const QString previousName = m_state.AddressFileName;
    const bool previousReadOnly = m_state.AddressFileReadOnly;
    const QString previousTitle = windowTitle();
    m_state.AddressFileName = chosen;
    m_state.AddressFileReadOnly = false;
    setWindowTitle(TitleFor(m_state.AddressFileName));
    try {
        SaveDocument();
    } catch (...) {
        m_state.AddressFileName = previousName;
        m_state.AddressFileReadOnly = previousReadOnly;
        setWindowTitle(previousTitle);
        throw;
    }
    RecentFilesUpdate();
    return true;
}

void TFormStampMain::FileOpenOldClick(QObject *Sender)
{
    const QString fileName = TOldFileList::GetFilename(Sender);
    if (QuerySaveChanges())
        OpenAddressFile(Sender, fileName, false);
}

void TFormStampMain::RecentFilesUpdate()
{
    // A settings write that fails throws here: the list and the menu stay as
    // they were.
    m_session.RecentFiles->OpenedFile(m_state.AddressFileName);
    RefreshRecentFiles();
}

void TFormStampMain::RefreshRecentFiles()
{
    const TOldFileList &recent = *m_session.RecentFiles;
    recent.UpdateMenu(FileMenu, FileOldFileBreak,
                      [this](QAction *item) { Guarded([this, item] { FileOpenOldClick(item); }); });
    QStringList history;
    recent.UpdateOtherList(history);
    for (QFileDialog *dialog : {SaveFileDialog, OpenFileDialog})
        if (dialog)
            SetDialogHistory(dialog, history);
}

} // namespace zentrope
