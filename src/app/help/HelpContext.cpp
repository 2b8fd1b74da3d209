#include "app/help/HelpContext.h"

#include <QObject>
#include <QVariant>

namespace zentrope {

void SetHelpContext(QObject *object, int context)
{
    if (object)
        object->setProperty("helpContext", context);
}

int HelpContext(const QObject *object)
{
    return object ? object->property("helpContext").toInt() : 0;
}

} // namespace zentrope
