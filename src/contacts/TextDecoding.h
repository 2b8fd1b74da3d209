#pragma once

#include <QByteArray>
#include <QString>

namespace zentrope {

// Text of an exported contact file: UTF-8 with or without a byte order mark,
// UTF-16 in either byte order (with its mark, or plain ASCII text in it), and
// Windows-1252 for anything that is not valid UTF-8.
QString DecodeImportedText(const QByteArray &bytes);

// The bytes of a file whose lines are read byte by byte: UTF-16 becomes UTF-8
// and a UTF-8 byte order mark goes; anything else is returned unchanged.
QByteArray ImportedBytes(const QByteArray &bytes);

// Bytes in a named character set (a vCard CHARSET): UTF-8, UTF-16, Latin-1 and
// ASCII, Windows-1252 and whatever else Qt converts. An empty or unknown name
// gives UTF-8 when the bytes are valid UTF-8 and Windows-1252 otherwise.
QString DecodeCharset(const QByteArray &bytes, const QByteArray &charset);

// A text reduced for matching: letters and digits only, case folded, accents
// dropped ("Privat: Straße" and "privatstrasse" meet).
QString FoldedKey(QStringView text);

} // namespace zentrope
