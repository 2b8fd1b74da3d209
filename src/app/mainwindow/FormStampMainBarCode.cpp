#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/controls/Scale.h"
#include "barcode/BarCode.h"
#include "barcode/Postnet.h"
#include "document/AddressLines.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QApplication>
#include <QPainter>
#include <QPalette>

namespace zentrope {

// The postal bar code preview.

void TFormStampMain::MemoAddressChange(QObject *Sender)
{
    const QString digits = ExtractZipCode(LastAddressLines(MemoAddress->text()));

    // The bitmap is made at the control's size on first use; the control
    // stretches it to its current size afterwards.
    QImage &surface = ImageZipBarCode->surface();
    if (surface.isNull())
        surface = QImage(ImageZipBarCode->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    surface.fill(QApplication::palette().color(QPalette::Base));
    if (m_state.PrintBarCode) {
        QPainter painter(&surface);
        int x = 1, y = 8;
        DrawBarCode(painter, static_cast<int>(Scale::screenDpi() + 0.5), digits, x, 16384, y);
    }
    ImageZipBarCode->update();

    UpdateMenu(Sender);
}

void TFormStampMain::OptionsBarCodeClick(QObject *Sender)
{
    m_state.PrintBarCode = !m_state.PrintBarCode;
    Options().SetPrintBarCode(m_state.PrintBarCode);
    OptionsBarCode->setChecked(m_state.PrintBarCode);
    MemoAddressChange(Sender);
}

} // namespace zentrope
