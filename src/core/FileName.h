#pragma once

#include <QByteArray>
#include <QString>

namespace zentrope {

// File names as the system has them are bytes, mostly UTF-8. Qt turns bytes
// that are not UTF-8 into U+FFFD, so such a file could never be opened or
// written again by its name. These two keep every byte: a byte that is not
// part of valid UTF-8 becomes the lone surrogate U+DC80 + (byte - 0x80),
// which no valid UTF-8 name can yield, and turns back into that byte.
QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);

// Whether a decoded name holds such a byte (it cannot be written as UTF-8 text).
bool HasUndecodedBytes(const QString &name);

} // namespace zentrope
