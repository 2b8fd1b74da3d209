#pragma once

#include <QString>

// The value ini_writer stores under key index i: long enough that the file grows
// by whole kilobytes, so a kill can land in the middle of writing it.
inline QString iniWriterValue(const QString &prefix, int i)
{
    return QStringLiteral("%1-%2-").arg(prefix).arg(i) + QString(40 + i % 50, QLatin1Char('x'));
}
