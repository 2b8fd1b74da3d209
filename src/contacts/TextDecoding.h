#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zentrope {

// Text of an exported contact file: UTF-8 with or without a byte order mark,
// UTF-16 in either byte order (with its mark, or plain ASCII text in it), and
// Windows-1252 for anything that is not valid UTF-8. A named character set
// (one the user chose) decodes the bytes instead, a byte order mark aside.
QString DecodeImportedText(const QByteArray &bytes, const QByteArray &charset = QByteArray());

// The bytes of a file whose lines are read byte by byte: UTF-16 becomes UTF-8
// and a UTF-8 byte order mark goes; anything else is returned unchanged.
QByteArray ImportedBytes(const QByteArray &bytes);

// Bytes in a named character set (a vCard CHARSET): every character set the
// system's converters (ICU) know, by any of their names ("Shift_JIS", "sjis",
// "ISO-8859-2", "cp1251"). Latin-1 and ASCII are read as Windows-1252, which
// agrees with them on every printable character and is what Windows writers
// mean by them. An empty or unknown name gives UTF-8 when the bytes are valid
// UTF-8 and Windows-1252 otherwise.
QString DecodeCharset(const QByteArray &bytes, const QByteArray &charset);

// Whether the converters know a character set by this name.
bool IsKnownCharset(const QByteArray &charset);

// The character sets a user can choose from, by their standard (IANA or MIME)
// names, sorted; every one decodes through DecodeCharset.
QStringList KnownCharsets();

// A text reduced for matching: letters and digits only, case folded, accents
// dropped ("Privat: Straße" and "privatstrasse" meet).
QString FoldedKey(QStringView text);

} // namespace zentrope
