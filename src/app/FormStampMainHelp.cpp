#include "app/Application.h"
#include "app/DlgAbout.h"
#include "app/FormStampMain.h"
#include "app/HelpWindow.h"
#include "app/Prompt.h"
#include "platform/HelpTopics.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>

namespace zentrope {

// The Help menu and the two help requests.

namespace {

QPointer<HelpWindow> &helpWindowRef()
{
    static QPointer<HelpWindow> window;
    return window;
}

// While a modal dialog is up, the help window belongs to that dialog so that it
// can be read and scrolled; once the dialog hides it goes back to the main
// window, which takes it along when it is destroyed.
class ModalOwnerWatch : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Hide) {
            watched->removeEventFilter(this);
            HelpWindow *help = helpWindowRef();
            if (help && help->parentWidget() == watched) {
                const bool visible = help->isVisible();
                const QRect g = help->geometry();
                help->setParent(FormStampMain, help->windowFlags());
                help->setGeometry(g);
                if (visible)
                    help->show();
            }
        }
        return QObject::eventFilter(watched, e);
    }
};

HelpWindow *helpWindow()
{
    QWidget *owner = QApplication::activeModalWidget();
    if (!owner)
        owner = FormStampMain;
    QPointer<HelpWindow> &w = helpWindowRef();
    if (!w) {
        w = new HelpWindow(owner);
    } else if (w->parentWidget() != owner) {
        const QRect g = w->geometry();
        const bool visible = w->isVisible();
        w->setParent(owner, w->windowFlags());
        w->setGeometry(g);
        if (visible)
            w->show();
    }
    if (owner && owner != FormStampMain) {
        static ModalOwnerWatch *watch = new ModalOwnerWatch(qApp);
        owner->installEventFilter(watch);
    }
    if (!owner) {
        // Without a main window nothing would take it along: end it with the program.
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, w.data(), &QObject::deleteLater,
                         Qt::UniqueConnection);
    } else if (FormStampMain) {
        QObject::connect(FormStampMain, &TFormStampMain::closed, w.data(), &QWidget::close,
                         Qt::UniqueConnection);
    }
    return w;
}

} // namespace

void TFormStampMain::HelpContentsClick(QObject *)
{
    ShowHelpTopic(9998);
}

void TFormStampMain::HelpOverviewClick(QObject *)
{
    ShowHelpTopic(9994);
}

void TFormStampMain::HelpSearchClick(QObject *)
{
    ShowHelpTopic(9998);
    ShowHelpSearch();
}

void TFormStampMain::HelpSupportClick(QObject *)
{
    ShowHelpTopic(9997);
}

void TFormStampMain::HelpWarrantyClick(QObject *)
{
    ShowHelpTopic(9999);
}

void TFormStampMain::HelpLicenseClick(QObject *)
{
    ShowHelpTopic(9992);
}

void TFormStampMain::HelpProductsClick(QObject *)
{
    ShowHelpTopic(9995);
}

void TFormStampMain::HelpAboutClick(QObject *)
{
    if (!DlgAbout)
        return;
    DlgAbout->ShowProgram(Application.Title, VersionText);
    Prompt::exec(*DlgAbout);
}

void TFormStampMain::ShowHelpTopic(int topic)
{
    // Help is asked for only when the program has a help file.
    if (Application.HelpFile.isEmpty())
        return;
    HelpWindow *w = helpWindow();
    w->showTopic(topic);
    w->present();
}

void TFormStampMain::ShowHelpSearch()
{
    if (Application.HelpFile.isEmpty())
        return;
    helpWindow()->openSearch();
}

// Tests and the shutdown reach the one help window through here.
HelpWindow *CurrentHelpWindow()
{
    return helpWindowRef();
}

} // namespace zentrope
