#pragma once

class QObject;

namespace zentrope {

// The topic number a control, action or dialog keeps for F1 and Help buttons.
void SetHelpContext(QObject *object, int context);
int HelpContext(const QObject *object);

} // namespace zentrope
