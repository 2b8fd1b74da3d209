#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QAbstractButton;
class QWidget;

namespace zentrope {

// Every message box and standard dialog of the program is shown through here, so
// that tests can answer it instead of a person: a scripted answerer receives the
// dialog, already set up, may work its controls, and returns the result that
// exec() would have returned. With no answerer set the dialog runs modally.
class Prompt {
public:
    enum class Kind { Confirmation, Warning, Information, Error };
    // Button codes; a message's result is one of them.
    enum Button { Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8, Help = 0x10 };

    using Answerer = std::function<int(QDialog &dialog)>;

    // Runs a dialog modally, or hands it to the scripted answerer.
    static int exec(QDialog &dialog);

    // A message box of the given kind; caption "Confirm", "Warning",
    // "Information", or the program title for errors. A Help button opens its
    // topic and leaves the box open. Returns the button pressed.
    static int message(QWidget *parent, Kind kind, const QString &text, int buttons = Ok,
                       int helpContext = 0);
    static void error(QWidget *parent, const QString &text) { message(parent, Kind::Error, text); }

    // Tests: answers for the dialogs to come, used first in, first out. When the
    // queue is empty and scripting is on, a dialog is refused (Rejected) and
    // counted as unexpected, so no test ever waits on a modal window.
    static void setScripted(bool on);
    static bool scripted();
    static void push(Answerer answerer);
    static int pending();
    static int unexpected();
    static void reset();

    // Where help requests go (the help window, once there is one).
    static std::function<void(int)> &helpHandler();
    // Opens a help topic, when the program can show help.
    static void showHelp(int topic);
    // A Help button that opens its topic (inside the error guard).
    static void connectHelp(QAbstractButton *button, int topic);
    // Runs after every modal dialog has closed: the main window is active again.
    static std::function<void()> &afterModalHandler();
};

// The message dialog itself: an icon, the text and a row of buttons, with the
// kind and text kept as properties for tests.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(QWidget *parent, Prompt::Kind kind, const QString &text, int buttons, int helpContext);
    Prompt::Kind kind() const { return m_kind; }
    QString text() const { return m_text; }
    int buttons() const { return m_buttons; }
    // Presses a button as the user would (Help opens the topic and keeps the box).
    void press(int button);

private:
    Prompt::Kind m_kind;
    QString m_text;
    int m_buttons;
    int m_helpContext;
};

} // namespace zentrope
