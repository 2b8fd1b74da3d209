#include "app/help/HelpDesk.h"

#include "app/help/HelpWindow.h"
#include "app/session/SessionState.h"

#include <QApplication>
#include <QEvent>

namespace zentrope {

// While a modal dialog keeps the help window, this watches for the dialog to
// hide and hands the window back to the main window.
class HelpDesk::OwnerWatch : public QObject {
public:
    explicit OwnerWatch(HelpDesk &desk) : m_desk(desk) {}
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            if (m_desk.m_window && m_desk.m_window->parentWidget() == watched)
                m_desk.moveTo(m_desk.m_main);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    HelpDesk &m_desk;
};

HelpDesk::HelpDesk(const ApplicationInfo &application)
    : m_application(application), m_watch(std::make_unique<OwnerWatch>(*this))
{
}

HelpDesk::~HelpDesk()
{
    // Owned by its parent window; without one nothing else would end it.
    if (m_window && !m_window->parentWidget())
        delete m_window.data();
}

void HelpDesk::SetMainWindow(QWidget *main)
{
    m_main = main;
}

void HelpDesk::moveTo(QWidget *owner)
{
    const QRect g = m_window->geometry();
    const bool visible = m_window->isVisible();
    m_window->setParent(owner, m_window->windowFlags());
    m_window->setGeometry(g);
    if (visible)
        m_window->show();
}

HelpWindow *HelpDesk::window()
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = m_main;
    if (!m_window)
        m_window = new HelpWindow(owner);
    else if (m_window->parentWidget() != owner)
        moveTo(owner);
    if (owner && owner != m_main)
        owner->installEventFilter(m_watch.get());
    return m_window;
}

void HelpDesk::ShowTopic(int topic)
{
    // Help is asked for only when the program has a help file.
    if (m_application.HelpFile.isEmpty())
        return;
    HelpWindow *w = window();
    w->showTopic(topic);
    w->present();
}

void HelpDesk::ShowSearch()
{
    if (m_application.HelpFile.isEmpty())
        return;
    window()->openSearch();
}

void HelpDesk::Close()
{
    if (m_window)
        m_window->close();
}

HelpWindow *HelpDesk::Window() const
{
    return m_window;
}

} // namespace zentrope
