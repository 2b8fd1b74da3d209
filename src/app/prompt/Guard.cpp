#include "app/prompt/Guard.h"

#include "app/prompt/Prompt.h"
#include "core/Error.h"

#include <QApplication>

namespace zentrope {

void ShowErrorBox(const QString &text)
{
    try {
        Prompt::error(QApplication::activeWindow(), text);
    } catch (...) {
        qWarning("%s", qPrintable(text));
    }
}

} // namespace zentrope
