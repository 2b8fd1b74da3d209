#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/dialogs/ImportAddressesDialog.h"
#include "app/dialogs/ImportColumnsDialog.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "contacts/ContactImport.h"
#include "contacts/Country.h"
#include "contacts/Envelopes.h"
#include "core/Error.h"
#include "document/AddressFile.h"
#include "platform/Topics.h"
#include "settings/ProgramSettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QTextCursor>

namespace zentrope {

// Address import: contacts from vCard and CSV files become envelopes at the
// end of the address box.

QFileDialog &TFormStampMain::ImportDialog()
{
    if (!ImportFileDialog) {
        ImportFileDialog = FileDialog("ImportFileDialog", QFileDialog::AcceptOpen, Topic::ImportAddresses);
        // Exports name their files in either letter case: match any, and show
        // the captions without the patterns.
        ImportFileDialog->setOption(QFileDialog::HideNameFilterDetails);
        ImportFileDialog->setNameFilters(
            {tr("Contacts (vCard, CSV) (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD] *.[cC][sS][vV])"),
             QStringLiteral("vCard (*.[vV][cC][fF] *.[vV][cC][aA][rR][dD])"),
             QStringLiteral("CSV (*.[cC][sS][vV])"), tr("All files (*)")});
        ImportFileDialog->setWindowTitle(tr("Import Addresses"));
        ImportFileDialog->setFileMode(QFileDialog::ExistingFile);
    }
    return *ImportFileDialog;
}

void TFormStampMain::FileImportAddressesClick(QObject *Sender)
{
    QFileDialog &dialog = ImportDialog();
    const QString folder = Options().ImportFolder();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (Prompt::exec(dialog) != QDialog::Accepted)
        return;
    const QString fileName = dialog.selectedFiles().value(0);
    if (fileName.isEmpty())
        return;
    // Remembering the folder is a convenience: a settings file that cannot be
    // written is reported, and the import goes on.
    Guarded([&] { Options().SetImportFolder(QFileInfo(fileName).absolutePath()); });
    ImportAddressFile(Sender, fileName);
}

void TFormStampMain::ImportAddressFile(QObject *, const QString &FileName)
{
    const QString home = HomeCountryCode(QLocale::system());
    // A file that cannot be read, or is no contact file, throws before
    // anything has changed; the error box names it.
    ContactImport import = ReadContactFile(FileName, &Settings());
    if (import.NeedsMapping) {
        ImportColumnsDialog columns(this, FileName, import.Table, import.Mapping, home);
        if (Prompt::exec(columns) != QDialog::Accepted)
            return;
        ApplyColumnMapping(import, columns.Mapping());
        Guarded([&] { SaveImportMapping(Settings(), import.Table.Header, import.Mapping); });
    }
    if (import.Contacts.isEmpty()) {
        QString text = tr("%1 holds no contacts.").arg(FileName);
        if (import.Counts.Skipped() > 0 || import.Counts.DamagedLines > 0)
            text += QLatin1Char(' ') + ReadReport(0, import.Counts);
        Prompt::message(this, Prompt::Kind::Information, text);
        return;
    }
    ImportAddressesDialog picker(this, FileName, std::move(import), home);
    if (Prompt::exec(picker) != QDialog::Accepted)
        return;
    if (!FComposer->appendText(TextToAppend(FComposer->addressText(), picker.ImportedText())))
        return;
    MemoAddress->moveCursor(QTextCursor::End);
    MemoAddress->ensureCursorVisible();
    MemoAddress->setFocus();
    FComposer->setActiveAddress(aaDestination);
}

} // namespace zentrope
