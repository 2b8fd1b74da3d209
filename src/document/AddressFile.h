#pragma once

#include <QByteArray>
#include <QString>

namespace zentrope {

// How an address file's bytes map to characters. Files that are valid UTF-8 are
// UTF-8; anything else is 8-bit text written on Windows (one byte, one character).
enum class TextEncoding { Utf8, Cp1252 };

// The most text the address box holds, in bytes as read from the file.
inline constexpr qint64 AddressFileCapacity = qint64(16) * 1024 * 1024;

// An address document's text: lines joined with "\n", no line break added after
// the last one, and the encoding it came in.
struct AddressText {
    QString Text;
    TextEncoding Encoding = TextEncoding::Utf8;
};

// Bytes to text: a NUL ends the text; CR LF, lone CR and lone LF each become one
// line break. Throws "Text exceeds memo capacity." when the text before any NUL
// is longer than the capacity.
AddressText DecodeAddressText(const QByteArray &bytes);

// Text to bytes with CR LF line breaks. The preferred encoding is kept when every
// character fits in it, otherwise the text is UTF-8; `used` tells which it was.
QByteArray EncodeAddressText(const QString &text, TextEncoding preferred, TextEncoding *used = nullptr);

// Whether a name opens as an address file: it exists and is a regular file.
// Names are taken by their bytes (FileName.h) here and in the reading and
// writing below.
bool AddressFileExists(const QString &fileName);

// Whether the file carries the read-only attribute: it exists and the current
// user may not write it.
bool AddressFileIsReadOnly(const QString &fileName);

// Reads a whole address file. Throws "Cannot open file <name>." when it cannot be
// read or is no regular file (a FIFO or a device is refused without waiting on
// it), and the capacity error of DecodeAddressText.
AddressText ReadAddressFile(const QString &fileName);

// Writes the text whole (WholeFileWriter.h): the old file stays as it was
// until every byte of the new text has reached the disk; a character device
// or a FIFO is written in place. Throws "Cannot create file <name>." when the
// file cannot be created or replaced (a folder, a read-only file), "Stream
// write error." when writing fails part way (a full disk); the old file is
// then unchanged. Returns the encoding that was written.
TextEncoding WriteAddressFile(const QString &fileName, const QString &text, TextEncoding preferred);

} // namespace zentrope
