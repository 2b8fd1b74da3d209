#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/prompt/Guard.h"
#include "app/prompt/Prompt.h"
#include "core/Error.h"
#include "platform/Topics.h"
#include "shell/CommandLine.h"
#include "shell/FileTypeRegistration.h"

#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QMetaObject>
#include <QMimeData>
#include <QUrl>
#include <functional>

namespace zentrope {

// The command line, files dropped on the window and the desktop registration.

namespace {

QStringList droppedFiles(const QMimeData *data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile() && !url.toLocalFile().isEmpty())
            files << url.toLocalFile();
    return files;
}

// What the window does with dropped files.
using DropHandler = std::function<void(const QStringList &)>;

// Handles a drop after the drag has finished, as the windowing system's
// dropped-files notification would: questions asked while the file manager
// still waits for the drop's answer would stall its drag.
void postDrop(QObject *context, const DropHandler &handler, const QStringList &files)
{
    QMetaObject::invokeMethod(
        context, [handler, files] { Guarded([&] { handler(files); }); }, Qt::QueuedConnection);
}

// The address box would take a dropped file's name as text to insert; files
// dropped anywhere on the window are meant for the window.
class FileDropForwarder : public QObject {
public:
    FileDropForwarder(QObject *window, DropHandler handler) : QObject(window), m_handler(std::move(handler))
    {
        setObjectName(QStringLiteral("FileDropForwarder"));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        switch (e->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *d = static_cast<QDragMoveEvent *>(e);
            if (droppedFiles(d->mimeData()).isEmpty())
                break;
            d->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *d = static_cast<QDropEvent *>(e);
            const QStringList files = droppedFiles(d->mimeData());
            if (files.isEmpty())
                break;
            d->acceptProposedAction();
            postDrop(parent(), m_handler, files);
            return true;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, e);
    }

private:
    DropHandler m_handler;
};

} // namespace

void TFormStampMain::RunCommandLine(const QStringList &Arguments)
{
    const CommandLine command = ParseCommandLine(Arguments);
    switch (command.Mode) {
    case CommandLineMode::None:
        break;
    case CommandLineMode::Open:
        OpenAddressFile(this, command.FileName, false);
        break;
    case CommandLineMode::Print:
        // Whatever the open and the print meet, the close request follows, so a
        // print started from the file manager never leaves a window behind.
        Guarded([&] { OpenAddressFile(this, command.FileName, true); });
        Guarded([&] { FilePrintEnvelopeClick(this); });
        QMetaObject::invokeMethod(this, "close", Qt::QueuedConnection);
        break;
    }
}

void TFormStampMain::WMDropFiles(const QStringList &Files)
{
    const int count = int(Files.size());
    if (count == 0)
        return;
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    if (count > 1)
        Prompt::message(this, Prompt::Kind::Information,
                        tr("%1 files were selected, but Zentrope will only open the first one.").arg(count),
                        Prompt::Ok, Topic::DroppedFiles);
    // A file that cannot be read is reported there; the window still comes forward.
    Guarded([&] {
        if (FComposer->querySaveChanges())
            OpenAddressFile(nullptr, Files.first(), false);
    });
    activateWindow();
}

void TFormStampMain::AcceptFileDrops()
{
    setAcceptDrops(true);
    // The address boxes would take a dropped file as text; they hand it on.
    if (findChild<QObject *>(QStringLiteral("FileDropForwarder"), Qt::FindDirectChildrenOnly))
        return;
    auto *forwarder = new FileDropForwarder(this, [this](const QStringList &files) { WMDropFiles(files); });
    for (MemoControl *memo : {MemoAddress, MemoReturnAddress, MemoShellNew})
        memo->viewport()->installEventFilter(forwarder);
}

void TFormStampMain::RegisterFileType()
{
    if (FSession.Application.ExeName.isEmpty() || FSession.Application.Title.isEmpty())
        return;

    FileTypeInfo info;
    info.Extension = QStringLiteral(".env");
    info.TypeName = FSession.Application.Title;
    // English in the files' main keys, whatever the session's language; the
    // translations go into their localized keys.
    info.GenericName = QString::fromUtf8(QT_TRANSLATE_NOOP("zentrope::FileType", "Envelope Printer"));
    info.TypeDescription = QString::fromUtf8(QT_TRANSLATE_NOOP("zentrope::FileType", "Zentrope Envelope"));
    info.MimeType = QStringLiteral("application/x-zentrope-envelope");
    QString shellNew = MemoShellNew->text();
    if (shellNew.endsWith(u'\n'))
        shellNew.chop(1);
    info.TemplateLines = shellNew.split(u'\n');
    TRegCommands &verbs = info.Commands;
    verbs.VerbCount = 2;
    verbs.Verbs[0] = QStringLiteral("open");
    verbs.Commands[0] = ExecCommand({FSession.Application.ExeName}) + QStringLiteral(" %f");
    verbs.Captions[0] = QString::fromUtf8(QT_TRANSLATE_NOOP("zentrope::FileType", "Open"));
    verbs.Verbs[1] = QStringLiteral("print");
    verbs.Commands[1] =
        ExecCommand({FSession.Application.ExeName, QStringLiteral("/p")}) + QStringLiteral(" %f");
    verbs.Captions[1] = QString::fromUtf8(QT_TRANSLATE_NOOP("zentrope::FileType", "Print Envelope"));
    info.Translations = TranslateFileType(info);
    QFile icon(QStringLiteral(":/zentrope/icons/zentrope.svg"));
    if (icon.open(QIODevice::ReadOnly))
        info.IconSvg = icon.readAll();

    const RegistrationPlaces places = RegistrationPlaces::fromEnvironment();
    const RegistrationOutcome outcome = WriteFileTypeRegistration(info, places);
    // In the background: start-up does not wait for the desktop's caches.
    RefreshDesktopDatabases(outcome, places, false);
    if (!outcome.TemplateNotCreated.isEmpty())
        throw ZentropeError(
            tr("Cannot create file %1.").arg(QDir::toNativeSeparators(outcome.TemplateNotCreated)));
}

void TFormStampMain::dragEnterEvent(QDragEnterEvent *e)
{
    if (droppedFiles(e->mimeData()).isEmpty()) {
        QMainWindow::dragEnterEvent(e);
        return;
    }
    e->acceptProposedAction();
}

void TFormStampMain::dropEvent(QDropEvent *e)
{
    const QStringList files = droppedFiles(e->mimeData());
    if (files.isEmpty()) {
        QMainWindow::dropEvent(e);
        return;
    }
    e->acceptProposedAction();
    postDrop(
        this, [this](const QStringList &dropped) { WMDropFiles(dropped); }, files);
}

} // namespace zentrope
