#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace zentrope {

// Readers for the raster pictures of the corner graphic, over QImageReader with
// a bounded allocation, so no file can exhaust memory.
namespace picture {

// Largest picture file read, and largest decoded image, in bytes.
constexpr qint64 MaxFileBytes = 64 * 1024 * 1024;
constexpr int AllocationLimitMB = 256;

// The bytes of a picture file, read only when it is a regular file (a FIFO or
// a device would block or never end). Throws "Cannot open file <name>." when it
// cannot be read or is no regular file, and invalidText when it is larger than
// MaxFileBytes.
QByteArray readFile(const QString &fileName, const QString &invalidText);

// A BMP file. Throws "Cannot open file <name>." or "Bitmap image is not valid.".
QImage readBitmap(const QString &fileName);
// An ICO (or CUR) file: its first image, whose size is the icon's natural size.
// Throws "Cannot open file <name>." or "Icon image is not valid.".
QImage readIcon(const QString &fileName);

// A whole BMP file in memory; a null image when it is not a valid bitmap.
QImage decodeBitmap(const QByteArray &bmpFile);
// A packed device-independent bitmap (info header, colour table, bits), as
// metafiles and pattern brushes hold it; a null image when it is not valid or
// has more than maxPixels pixels.
QImage decodeDib(const char *data, qsizetype size, qint64 maxPixels);

} // namespace picture
} // namespace zentrope
