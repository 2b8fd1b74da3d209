#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

namespace zentrope {

class HelpTopics;

// The program's help viewer: the user manual's pages by topic number, with
// contents, back and forward, and a search over all pages. Non-modal. It shows
// the manual in the language the program speaks when it is made.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows a topic's page; an unknown number shows a page that says so.
    void showTopic(int topic);
    // The contents, with the search field focused.
    void openSearch();
    // The topic on display; 0 when the page is not one of the manual's.
    int currentTopic() const;
    // Fills the result list with the topics holding every word of the text.
    void search(const QString &text);
    // Brings the window up in front.
    void present();

    QTextBrowser *BrowserTopic = nullptr;
    QLineEdit *EditSearch = nullptr;
    QListWidget *ListResults = nullptr;
    QToolButton *ButtonContents = nullptr;
    QToolButton *ButtonBack = nullptr;
    QToolButton *ButtonForward = nullptr;

    // The manual on display.
    const HelpTopics &manual() const { return m_manual; }

private:
    void showResult(int row);

    const HelpTopics &m_manual;
};

// The topic number that F1 opens for a widget: its own help context or its
// nearest parent's; for a menu, the highlighted item's, then the menu's. 0: none.
int HelpContextFor(const QWidget *widget);

// The help window, once a help request has made it; null before.
HelpWindow *CurrentHelpWindow();

} // namespace zentrope
