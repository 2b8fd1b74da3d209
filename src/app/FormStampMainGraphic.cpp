#include "app/Controls.h"
#include "app/FormStampMain.h"
#include "app/Prompt.h"
#include "app/Scale.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>

namespace zentrope {

// The corner graphic.

void TFormStampMain::LoadGraphic()
{
    GraphicExtension = Graphic::extensionOf(GraphicFileName);
    ImageReturnAddress->resize(Scale::dp(QSize(96, 96)));
    const Graphic::Kind kind = Graphic::kindOf(GraphicExtension);
    if (kind != Graphic::Kind::None) {
        // Throws with the reader's message; the control keeps its old picture then.
        Graphic picture = Graphic::load(GraphicFileName, kind);
        GraphicPicture = std::move(picture);
        if (kind == Graphic::Kind::Icon)
            ImageReturnAddress->resize(GraphicPicture.naturalSize());
        if (kind == Graphic::Kind::Metafile) {
            ImageReturnAddress->setPainter(
                [picture = GraphicPicture](QPainter &p, const QRect &r) { picture.paint(p, QRectF(r)); });
        } else {
            ImageReturnAddress->setStretch(true);
            ImageReturnAddress->setPicture(GraphicPicture.image());
        }
    }
    ImageReturnAddress->setVisible(true);
}

void TFormStampMain::OptionsGraphicClick(QObject *)
{
    if (!GraphicFileName.isEmpty()) {
        const QFileInfo info(GraphicFileName);
        SelectBitmapDialog->setDirectory(info.absolutePath());
        SelectBitmapDialog->selectFile(info.fileName());
    }
    if (Prompt::exec(*SelectBitmapDialog) == QDialog::Accepted && !SelectBitmapDialog->selectedFiles().isEmpty()) {
        GraphicFileName = SelectBitmapDialog->selectedFiles().constFirst();
        SettingsFile->WriteString(QStringLiteral("Options"), QStringLiteral("GraphFile"), GraphicFileName);
        LoadGraphic();
        GraphicLoaded = true;
    }
    FormResize(this);
    UpdateMenu(this);
}

void TFormStampMain::OptionsUpdateGraphicClick(QObject *)
{
    LoadGraphic();
    FormResize(this);
}

void TFormStampMain::OptionsClearGraphicClick(QObject *)
{
    ImageReturnAddress->setVisible(false);
    GraphicLoaded = false;
    GraphicFileName.clear();
    SettingsFile->WriteString(QStringLiteral("Options"), QStringLiteral("GraphFile"), QString());
    MemoReturnAddress->move(0, MemoReturnAddress->y());
    FormResize(this);
    UpdateMenu(this);
}

void TFormStampMain::OptionsEditGraphicClick(QObject *)
{
    const QString editor =
        SettingsFile->ReadString(QStringLiteral("Options"), QStringLiteral("GraphicEditor"), QStringLiteral("xdg-open"));
    const QString file = SettingsFile->ReadString(QStringLiteral("Options"), QStringLiteral("GraphFile"), QStringLiteral(" "));
    // The editor's own text may carry arguments; the picture is one more
    // argument, never re-split, and no shell sees any of it.
    QStringList arguments = QProcess::splitCommand(editor);
    if (!arguments.isEmpty()) {
        const QString program = arguments.takeFirst();
        arguments << file;
        QProcess::startDetached(program, arguments);
    }
    SettingsFile->WriteString(QStringLiteral("Options"), QStringLiteral("GraphicEditor"), editor);
}

} // namespace zentrope
