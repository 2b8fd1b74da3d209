// Feeds arbitrary bytes to the metafile player and to the bitmap reader: no
// input may crash, hang, leak or allocate without bound.
#include "core/Error.h"
#include "platform/Metafile.h"
#include "platform/PictureReader.h"

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <cstdlib>

namespace {

QGuiApplication *app = nullptr;

void playInto(const zentrope::Metafile &m, QSize size, double dpi, const QRectF &target)
{
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    img.setDotsPerMeterX(int(dpi / 0.0254));
    img.setDotsPerMeterY(int(dpi / 0.0254));
    QPainter p(&img);
    m.play(p, target);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    app = new QGuiApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    if (bytes.startsWith("BM")) {
        (void)zentrope::picture::decodeBitmap(bytes);
        if (size > 14)
            (void)zentrope::picture::decodeDib(bytes.constData() + 14, bytes.size() - 14, 1 << 20);
        return 0;
    }
    try {
        const zentrope::Metafile m = zentrope::Metafile::fromData(bytes);
        playInto(m, QSize(96, 96), 96, QRectF(0, 0, 96, 96));
        playInto(m, QSize(64, 48), 600, QRectF(4, 2, 56, 40));
    } catch (const zentrope::ZentropeError &) {
    }
    return 0;
}
