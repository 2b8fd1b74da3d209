#include "app/controls/Controls.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "settings/ProgramSettings.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>

namespace zentrope {

// The corner graphic.

void TFormStampMain::LoadGraphic()
{
    Corner().GraphicExtension = Graphic::extensionOf(Corner().GraphicFileName);
    ImageReturnAddress->resize(Scale::dp(QSize(96, 96)));
    const Graphic::Kind kind = Graphic::kindOf(Corner().GraphicExtension);
    if (kind != Graphic::Kind::None) {
        // Throws with the reader's message; the control keeps its old picture then.
        Graphic picture = Graphic::load(Corner().GraphicFileName, kind);
        Corner().GraphicPicture = std::move(picture);
        if (kind == Graphic::Kind::Icon)
            ImageReturnAddress->resize(Corner().GraphicPicture.naturalSize());
        if (kind == Graphic::Kind::Metafile) {
            ImageReturnAddress->setPainter([picture = Corner().GraphicPicture](QPainter &p, const QRect &r) {
                picture.paint(p, QRectF(r));
            });
        } else {
            ImageReturnAddress->setStretch(true);
            ImageReturnAddress->setPicture(Corner().GraphicPicture.image());
        }
    }
    ImageReturnAddress->setVisible(true);
}

void TFormStampMain::ComposeGraphic()
{
    FComposer->setPicture(Corner().GraphicLoaded ? Corner().GraphicPicture : Graphic());
}

void TFormStampMain::OptionsGraphicClick(QObject *)
{
    QFileDialog &dialog = BitmapDialog();
    if (!Corner().GraphicFileName.isEmpty()) {
        const QFileInfo info(Corner().GraphicFileName);
        dialog.setDirectory(info.absolutePath());
        dialog.selectFile(info.fileName());
    }
    if (Prompt::exec(dialog) == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        Corner().GraphicFileName = dialog.selectedFiles().constFirst();
        Options().SetGraphicFile(Corner().GraphicFileName);
        LoadGraphic();
        Corner().GraphicLoaded = true;
    }
    FormResize(this);
    ComposeGraphic();
}

void TFormStampMain::OptionsUpdateGraphicClick(QObject *)
{
    LoadGraphic();
    FormResize(this);
    // The picture read again may have another size.
    ComposeGraphic();
}

void TFormStampMain::OptionsClearGraphicClick(QObject *)
{
    ImageReturnAddress->setVisible(false);
    Corner().GraphicLoaded = false;
    Corner().GraphicFileName.clear();
    Options().SetGraphicFile(QString());
    MemoReturnAddress->move(0, MemoReturnAddress->y());
    FormResize(this);
    ComposeGraphic();
}

void TFormStampMain::OptionsEditGraphicClick(QObject *)
{
    ProgramSettings options = Options();
    const QString editor = options.GraphicEditor();
    const QString file = options.GraphicFile(QStringLiteral(" "));
    // The editor's own text may carry arguments; the picture is one more
    // argument, never re-split, and no shell sees any of it.
    QStringList arguments = QProcess::splitCommand(editor);
    if (!arguments.isEmpty()) {
        const QString program = arguments.takeFirst();
        arguments << file;
        QProcess::startDetached(program, arguments);
    }
    options.SetGraphicEditor(editor);
}

} // namespace zentrope
