#pragma once

#include <QLabel>
#include <QRegularExpression>
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

// What a screen reader calls the controls of `window` that a label stands
// for: the label's text. Combo boxes and lists otherwise say their value, or
// nothing.
inline void nameFromLabels(QWidget *window)
{
    for (QLabel *label : window->findChildren<QLabel *>()) {
        QWidget *buddy = label->buddy();
        if (!buddy || !buddy->accessibleName().isEmpty())
            continue;
        QString name = label->text();
        name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        name.replace(QStringLiteral("&&"), QStringLiteral("&"));
        // "Size:", "Ville :"
        while (name.endsWith(u':') || name.endsWith(u' ') || name.endsWith(QChar(0xa0)))
            name.chop(1);
        if (!name.isEmpty())
            buddy->setAccessibleName(name);
    }
}

} // namespace zentrope
