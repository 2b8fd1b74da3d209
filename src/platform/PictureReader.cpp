#include "platform/PictureReader.h"

#include "core/Error.h"
#include "core/RegularFile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QtEndian>

namespace zentrope::picture {

namespace {

QImage decode(const QByteArray &data, const char *format)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(AllocationLimitMB);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

quint32 u32(const char *p)
{
    return qFromLittleEndian<quint32>(p);
}
quint16 u16(const char *p)
{
    return qFromLittleEndian<quint16>(p);
}
qint32 i32(const char *p)
{
    return qFromLittleEndian<qint32>(p);
}

} // namespace

QByteArray readFile(const QString &fileName, const QString &invalidText)
{
    RegularFileBytes file = readRegularFile(fileName, MaxFileBytes);
    if (file.status == RegularFileBytes::Status::TooLarge)
        throw ZentropeError(invalidText);
    if (!file.ok())
        throw ZentropeError(
            QCoreApplication::translate("zentrope::PictureReader", "Cannot open file %1.").arg(fileName));
    return std::move(file.bytes);
}

QImage decodeBitmap(const QByteArray &bmpFile)
{
    if (bmpFile.size() < 26 || !bmpFile.startsWith("BM"))
        return {};
    return decode(bmpFile, "bmp");
}

QImage readBitmap(const QString &fileName)
{
    const QString invalid =
        QCoreApplication::translate("zentrope::PictureReader", "Bitmap image is not valid.");
    const QImage image = decodeBitmap(readFile(fileName, invalid));
    if (image.isNull())
        throw ZentropeError(invalid);
    return image;
}

QImage readIcon(const QString &fileName)
{
    const QString invalid =
        QCoreApplication::translate("zentrope::PictureReader", "Icon image is not valid.");
    const QByteArray data = readFile(fileName, invalid);
    // Reserved word 0, type 1 (icon) or 2 (cursor), at least one image.
    if (data.size() < 6 || u16(data.constData()) != 0 ||
        (u16(data.constData() + 2) != 1 && u16(data.constData() + 2) != 2) || u16(data.constData() + 4) == 0)
        throw ZentropeError(invalid);
    const QImage image = decode(data, "ico");
    if (image.isNull())
        throw ZentropeError(invalid);
    return image;
}

QImage decodeDib(const char *data, qsizetype size, qint64 maxPixels)
{
    if (!data || size < 12)
        return {};
    const quint32 headerSize = u32(data);
    qint64 width = 0, height = 0;
    quint32 bits = 0, compression = 0, colours = 0, entry = 4, masks = 0;
    if (headerSize == 12) {
        width = u16(data + 4);
        height = u16(data + 6);
        bits = u16(data + 10);
        entry = 3;
        colours = bits <= 8 ? (1u << bits) : 0;
    } else if (headerSize >= 40 && headerSize <= 124 && size >= 40) {
        width = i32(data + 4);
        height = i32(data + 8);
        bits = u16(data + 14);
        compression = u32(data + 16);
        const quint32 used = u32(data + 32);
        if (bits <= 8)
            colours = used ? std::min<quint32>(used, 1u << bits) : (1u << bits);
        else
            colours = std::min<quint32>(used, 256);
        if (headerSize == 40 && compression == 3)
            masks = 12;
        else if (headerSize == 40 && compression == 6)
            masks = 16;
    } else {
        return {};
    }
    if (width <= 0 || height == 0 || std::abs(height) > 65535 || width > 65535)
        return {};
    if (width * std::abs(height) > maxPixels)
        return {};
    const qint64 offBits = 14 + qint64(headerSize) + masks + qint64(colours) * entry;
    if (offBits > 14 + qint64(size))
        return {};
    // A BMP file is the packed bitmap behind a 14-byte file header.
    QByteArray file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    qToLittleEndian<quint32>(quint32(14 + size), file.data() + 2);
    qToLittleEndian<quint32>(quint32(offBits), file.data() + 10);
    file.append(data, size);
    return decode(file, "bmp");
}

} // namespace zentrope::picture
