#include "app/controls/Controls.h"
#include "app/mainwindow/FormStampMain.h"
#include "app/prompt/Guard.h"

namespace zentrope {

void TFormStampMain::FormResize(QObject *)
{
    if (!PanelEnvelope)
        return;
    const int W = PanelEnvelope->contentsRect().width();
    const int H = PanelEnvelope->contentsRect().height();
    FState.InLayout = true;
    // Negative sizes cannot be shown: a control that does not fit is shown empty.
    const auto place = [](QWidget *w, int left, int top, int width, int height) {
        w->setGeometry(left, top, std::max(0, width), std::max(0, height));
    };
    QRect dest = MemoAddress->geometry();
    QRect bar = ImageZipBarCode->geometry();
    QRect stamp = ImageStamp->geometry();
    QRect ret = MemoReturnAddress->geometry();
    const int barHeight = bar.height();
    const int barLeft = dest.left();
    const int destWidth = W - dest.left() - 8;
    const int barWidth = destWidth;
    const int destTop = H / 2;
    const int barTop = destTop - barHeight;
    const int destHeight = H - destTop - 8;
    const int stampLeft = W - stamp.width() - 8;
    const int retHeight = barTop - ret.top();
    const int retLeft = Corner().GraphicFileName.isEmpty() ? 0 : ImageReturnAddress->width() + 16;
    const int retWidth = stampLeft - retLeft - 8;
    place(ImageZipBarCode, barLeft, barTop, barWidth, barHeight);
    place(MemoAddress, dest.left(), destTop, destWidth, destHeight);
    place(ImageStamp, stampLeft, stamp.top(), stamp.width(), stamp.height());
    place(MemoReturnAddress, retLeft, ret.top(), retWidth, retHeight);
    // The last computed values, including negative ones, for those who ask.
    MemoAddress->setProperty("layoutWidth", destWidth);
    MemoAddress->setProperty("layoutHeight", destHeight);
    MemoReturnAddress->setProperty("layoutWidth", retWidth);
    MemoReturnAddress->setProperty("layoutHeight", retHeight);
    FState.InLayout = false;
    // A settings file that cannot be written must not stop the next layout.
    GuardedOnce(FSession.SettingsFailureShown, [this] { SavePosition(); });
}

void TFormStampMain::PanelEnvelopeResize(QObject *Sender)
{
    if (!FState.InLayout)
        FormResize(Sender);
}

} // namespace zentrope
