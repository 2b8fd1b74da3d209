#pragma once

#include <QCoreApplication>
#include <QString>
#include <exception>
#include <utility>

namespace zentrope {

// Shows an error that ended a command in the application's error box.
void ShowErrorBox(const QString &text);

// Runs one handler entered from Qt: an error ends the handler here and is shown,
// so no exception ever crosses the event loop.
template <typename F> void Guarded(F &&f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (const std::exception &e) {
        ShowErrorBox(QString::fromStdString(e.what()));
    } catch (...) {
        ShowErrorBox(QCoreApplication::translate("zentrope::Guard", "Unexpected error"));
    }
}

// Runs a write the user did not ask for (the window's position while it is
// laid out, the chosen size at close): its error is shown the first time
// only, and never ends the handler that wrote, so a settings file that
// cannot be written neither floods the user nor stops the window.
template <typename F> void GuardedOnce(bool &shown, F &&f) noexcept
{
    try {
        std::forward<F>(f)();
    } catch (const std::exception &e) {
        if (!std::exchange(shown, true))
            ShowErrorBox(QString::fromStdString(e.what()));
    } catch (...) {
        if (!std::exchange(shown, true))
            ShowErrorBox(QCoreApplication::translate("zentrope::Guard", "Unexpected error"));
    }
}

// Wraps a handler for connect(): the slot runs inside Guarded.
template <typename F> auto Guard(F f)
{
    return [f = std::move(f)](auto &&...) { Guarded(f); };
}

} // namespace zentrope
