#include "app/prompt/Prompt.h"

#include "app/controls/Named.h"
#include "app/prompt/Guard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <deque>

namespace zentrope {

namespace {
struct Script {
    bool on = false;
    std::deque<Prompt::Answerer> answers;
    int unexpected = 0;
};
Script &script()
{
    static Script s;
    return s;
}

QString captionOf(Prompt::Kind kind)
{
    switch (kind) {
    case Prompt::Kind::Confirmation:
        return MessageDialog::tr("Confirm");
    case Prompt::Kind::Warning:
        return MessageDialog::tr("Warning");
    case Prompt::Kind::Information:
        return MessageDialog::tr("Information");
    case Prompt::Kind::Error:
        break;
    }
    return QStringLiteral("Zentrope");
}
} // namespace

namespace {
int g_depth = 0; // modal dialogs open at once (one may open another)

// Closing the last modal dialog gives the focus back to the main window, which
// then refreshes what the dialog may have changed.
int reactivated(int result)
{
    if (--g_depth == 0)
        if (auto &h = Prompt::afterModalHandler())
            h();
    return result;
}
} // namespace

int Prompt::exec(QDialog &dialog)
{
    nameFromLabels(&dialog);
    Script &s = script();
    ++g_depth;
    if (!s.on)
        return reactivated(dialog.exec());
    if (s.answers.empty()) {
        ++s.unexpected;
        --g_depth;
        qWarning("Prompt: unexpected dialog \"%s\"", qPrintable(dialog.windowTitle()));
        return QDialog::Rejected;
    }
    Answerer a = std::move(s.answers.front());
    s.answers.pop_front();
    const Qt::WindowModality modality = dialog.windowModality();
    dialog.setWindowModality(Qt::NonModal);
    dialog.show();
    const int result = a(dialog);
    dialog.hide();
    dialog.setWindowModality(modality);
    dialog.setResult(result);
    return reactivated(result);
}

void Prompt::setScripted(bool on)
{
    script().on = on;
}
bool Prompt::scripted()
{
    return script().on;
}
void Prompt::push(Answerer answerer)
{
    script().answers.push_back(std::move(answerer));
}
int Prompt::pending()
{
    return static_cast<int>(script().answers.size());
}
int Prompt::unexpected()
{
    return script().unexpected;
}
void Prompt::reset()
{
    script().answers.clear();
    script().unexpected = 0;
}

std::function<void()> &Prompt::afterModalHandler()
{
    static std::function<void()> handler;
    return handler;
}

void Prompt::showHelp(int topic)
{
    if (auto &help = helpHandler())
        help(topic);
}

void Prompt::connectHelp(QAbstractButton *button, int topic)
{
    QObject::connect(button, &QAbstractButton::clicked, button, Guard([topic] { showHelp(topic); }));
}

std::function<void(int)> &Prompt::helpHandler()
{
    static std::function<void(int)> handler;
    return handler;
}

int Prompt::message(QWidget *parent, Kind kind, const QString &text, int buttons, int helpContext)
{
    MessageDialog box(parent, kind, text, buttons, helpContext);
    const int r = exec(box);
    if (r == QDialog::Rejected) {
        // Escape or the close box: the box's way out, as with the platform's boxes.
        if (buttons & Cancel)
            return Cancel;
        if (buttons & No && !(buttons & Cancel))
            return No;
        return buttons & Ok ? Ok : Cancel;
    }
    return r;
}

MessageDialog::MessageDialog(QWidget *parent, Prompt::Kind kind, const QString &text, int buttons,
                             int helpContext)
    : QDialog(parent), m_kind(kind), m_text(text), m_buttons(buttons), m_helpContext(helpContext)
{
    setObjectName(QStringLiteral("MessageDialog"));
    setWindowTitle(captionOf(kind));
    setModal(true);
    auto *layout = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *icon = new QLabel(this);
    QStyle::StandardPixmap sp = QStyle::SP_MessageBoxInformation;
    if (kind == Prompt::Kind::Confirmation)
        sp = QStyle::SP_MessageBoxQuestion;
    else if (kind == Prompt::Kind::Warning)
        sp = QStyle::SP_MessageBoxWarning;
    else if (kind == Prompt::Kind::Error)
        sp = QStyle::SP_MessageBoxCritical;
    icon->setPixmap(style()->standardIcon(sp).pixmap(32, 32));
    icon->setAlignment(Qt::AlignTop);
    auto *label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("MessageText"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    row->addWidget(icon);
    row->addWidget(label, 1);
    layout->addLayout(row);
    auto *box = new QDialogButtonBox(this);
    const struct {
        int code;
        const char *caption;
        QDialogButtonBox::ButtonRole role;
        const char *name;
    } kinds[] = {{Prompt::Yes, QT_TR_NOOP("&Yes"), QDialogButtonBox::YesRole, "ButtonYes"},
                 {Prompt::No, QT_TR_NOOP("&No"), QDialogButtonBox::NoRole, "ButtonNo"},
                 {Prompt::Ok, QT_TR_NOOP("OK"), QDialogButtonBox::AcceptRole, "ButtonOk"},
                 {Prompt::Cancel, QT_TR_NOOP("Cancel"), QDialogButtonBox::RejectRole, "ButtonCancel"},
                 {Prompt::Help, QT_TR_NOOP("&Help"), QDialogButtonBox::HelpRole, "ButtonHelp"}};
    bool first = true;
    for (const auto &k : kinds) {
        if (!(buttons & k.code))
            continue;
        auto *b = box->addButton(tr(k.caption), k.role);
        b->setObjectName(QString::fromLatin1(k.name));
        if (first && k.code != Prompt::Help) {
            b->setDefault(true);
            first = false;
        }
        const int code = k.code;
        connect(b, &QPushButton::clicked, this, [this, code] { press(code); });
    }
    layout->addWidget(box);
}

void MessageDialog::press(int button)
{
    if (button == Prompt::Help) {
        if (auto &h = Prompt::helpHandler())
            h(m_helpContext);
        return;
    }
    done(button);
}

} // namespace zentrope
