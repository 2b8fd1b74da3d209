#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

namespace zentrope {

class HelpWindow;
struct ApplicationInfo;

// The session's one help window: made at the first request and kept by the
// main window, or by the modal dialog that asked while that dialog is up, so
// that it can be used there and never outlives the program's windows.
class HelpDesk {
public:
    explicit HelpDesk(const ApplicationInfo &application);
    ~HelpDesk();
    HelpDesk(const HelpDesk &) = delete;
    HelpDesk &operator=(const HelpDesk &) = delete;

    // The window that keeps the help window when no modal dialog is up.
    void SetMainWindow(QWidget *main);
    // Shows topic n (a page that says so for a topic the manual lacks).
    void ShowTopic(int topic);
    // The contents with the search field, as the macro "search()" asks.
    void ShowSearch();
    // Closes the help window, when there is one.
    void Close();
    // The help window, once a request has made it; null before.
    HelpWindow *Window() const;

private:
    class OwnerWatch;
    HelpWindow *window();
    void moveTo(QWidget *owner);

    const ApplicationInfo &m_application;
    QPointer<QWidget> m_main;
    QPointer<HelpWindow> m_window;
    std::unique_ptr<OwnerWatch> m_watch;
};

} // namespace zentrope
