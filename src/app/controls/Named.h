#pragma once

#include <QString>
#include <QWidget>

namespace zentrope {

// Gives a control the name tests and help find it by.
template <typename T> T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A control's hint: the pop-up hint and the hint line show the same text.
inline void setHint(QWidget *w, const QString &hint)
{
    w->setToolTip(hint);
    w->setStatusTip(hint);
}

} // namespace zentrope
