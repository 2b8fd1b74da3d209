#pragma once

#include <QString>
#include <stdexcept>

namespace zentrope {

// The one error type of the program: settings, file and printing failures carry
// the text the user is shown, and the handler that started the command ends there.
class ZentropeError : public std::runtime_error {
public:
    explicit ZentropeError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message)
    {
    }
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace zentrope
