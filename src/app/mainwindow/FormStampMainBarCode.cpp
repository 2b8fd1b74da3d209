#include "app/mainwindow/FormStampMain.h"

#include "app/controls/Controls.h"
#include "app/controls/Scale.h"
#include "barcode/BarCode.h"
#include "barcode/Postnet.h"
#include "document/AddressLines.h"
#include "settings/ProgramSettings.h"

#include <QAction>
#include <QPalette>

namespace zentrope {

// The postal bar code preview.

void TFormStampMain::MemoAddressChange(QObject *)
{
    const QString digits = ExtractZipCode(LastAddressLines(FComposer->addressText()));

    // The bitmap is made at the control's size on first use, in the screen's
    // own pixels (again when the screen's pixel density changes); the control
    // stretches it to its current size afterwards.
    QImage &surface = ImageZipBarCode->surface();
    const qreal ratio = ImageZipBarCode->devicePixelRatioF();
    if (surface.isNull() || surface.devicePixelRatio() != ratio) {
        const QSize size = surface.isNull() ? ImageZipBarCode->size().expandedTo(QSize(1, 1))
                                            : surface.deviceIndependentSize().toSize();
        surface = QImage(size * ratio, QImage::Format_RGB32);
        surface.setDevicePixelRatio(ratio);
    }
    // The strip is part of the envelope: black bars on its paper.
    DrawBarCodePreview(surface, static_cast<int>(Scale::screenDpi() + 0.5), digits, FComposer->printBarCode(),
                       PanelEnvelope->palette().color(QPalette::Base));
    ImageZipBarCode->update();
}

void TFormStampMain::OptionsBarCodeClick(QObject *Sender)
{
    const bool on = !FComposer->printBarCode();
    FComposer->setPrintBarCode(on);
    Options().SetPrintBarCode(on);
    OptionsBarCode->setChecked(on);
    MemoAddressChange(Sender);
}

} // namespace zentrope
