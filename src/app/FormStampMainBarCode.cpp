#include "app/FormStampMain.h"

#include "app/Controls.h"
#include "app/Scale.h"
#include "barcode/BarCode.h"
#include "barcode/Postnet.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace zentrope {

// The postal bar code preview.

namespace {
// The address box's lines as an edit box counts them: a line break at the very
// end does not start a further line. Only the last two lines decide the code.
QStringList lastAddressLines(const QString &text)
{
    QStringView t(text);
    if (t.endsWith(u'\n'))
        t.chop(1);
    if (t.isEmpty() && !text.endsWith(u'\n'))
        return {};
    QStringList lines;
    const qsizetype lastBreak = t.lastIndexOf(u'\n');
    const QStringView last = t.mid(lastBreak + 1);
    if (lastBreak >= 0) {
        const QStringView before = t.left(lastBreak);
        lines.append(before.mid(before.lastIndexOf(u'\n') + 1).toString());
    }
    lines.append(last.toString());
    return lines;
}
} // namespace

void TFormStampMain::MemoAddressChange(QObject *Sender)
{
    const QString digits = ExtractZipCode(lastAddressLines(MemoAddress->text()));

    // The bitmap is made at the control's size on first use; the control
    // stretches it to its current size afterwards.
    QImage &surface = ImageZipBarCode->surface();
    if (surface.isNull())
        surface = QImage(ImageZipBarCode->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    surface.fill(QApplication::palette().color(QPalette::Base));
    if (PrintBarCode) {
        QPainter painter(&surface);
        int x = 1, y = 8;
        DrawBarCode(painter, static_cast<int>(Scale::screenDpi() + 0.5), digits, x, 16384, y);
    }
    ImageZipBarCode->update();

    UpdateMenu(Sender);
}

void TFormStampMain::OptionsBarCodeClick(QObject *Sender)
{
    PrintBarCode = !PrintBarCode;
    SettingsFile->WriteBool(QStringLiteral("Options"), QStringLiteral("PrintBarCode"), PrintBarCode);
    OptionsBarCode->setChecked(PrintBarCode);
    MemoAddressChange(Sender);
}

} // namespace zentrope
