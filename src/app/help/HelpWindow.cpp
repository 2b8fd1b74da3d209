#include "app/help/HelpWindow.h"

#include "app/prompt/Guard.h"
#include "app/help/HelpContext.h"
#include "app/prompt/Prompt.h"
#include "app/controls/Scale.h"
#include "platform/HelpTopics.h"
#include "shell/ProgramLanguage.h"

#include <QAction>
#include <QApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace zentrope {

namespace {

// The manual's pages, and the page that stands for a topic it does not have.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int type, const QUrl &url) override
    {
        static const QRegularExpression missing(QStringLiteral("^missing-(-?\\d+)\\.html$"));
        const QRegularExpressionMatch m = missing.match(url.fileName());
        if (type == QTextDocument::HtmlResource && url.scheme() == QLatin1String("qrc") && m.hasMatch()) {
            // Beside the pages of its language, so the link is theirs too.
            const HelpTopic *contents = HelpTopics::instance().find(HelpTopics::Contents);
            return HelpWindow::tr("<html><head><title>Topic not found</title></head><body>"
                                  "<h1>Topic not found</h1><p>This manual has no page for help topic %1.</p>"
                                  "<p><a href=\"%2\">Contents</a></p></body></html>")
                .arg(m.captured(1), contents ? contents->File : QString());
        }
        return QTextBrowser::loadResource(type, url);
    }
};

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), FManual(HelpTopics::instance(ProgramLanguage::Current()))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Zentrope Help"));
    setWindowIcon(QIcon(QStringLiteral(":/zentrope/icons/zentrope.svg")));
    // Closing the help never ends the program, and the help never keeps it alive.
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(Scale::dp(QSize(900, 700)));

    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &caption, const QKeySequence &key) {
        auto *b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(name));
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        if (!key.isEmpty())
            b->setShortcut(key);
        bar->addWidget(b);
        return b;
    };
    ButtonContents = button("ButtonContents", tr("&Contents"), {});
    ButtonBack = button("ButtonBack", tr("&Back"), QKeySequence(Qt::ALT | Qt::Key_Left));
    ButtonForward = button("ButtonForward", tr("&Forward"), QKeySequence(Qt::ALT | Qt::Key_Right));
    bar->addStretch(1);
    layout->addLayout(bar);

    auto *split = new QSplitter(this);
    auto *side = new QWidget(split);
    auto *sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    auto *label = new QLabel(tr("&Search for:"), side);
    EditSearch = new QLineEdit(side);
    EditSearch->setObjectName(QStringLiteral("EditSearch"));
    EditSearch->setPlaceholderText(tr("Words to look for"));
    EditSearch->setClearButtonEnabled(true);
    label->setBuddy(EditSearch);
    ListResults = new QListWidget(side);
    ListResults->setObjectName(QStringLiteral("ListResults"));
    ListResults->setAccessibleName(tr("Search results"));
    sideLayout->addWidget(label);
    sideLayout->addWidget(EditSearch);
    sideLayout->addWidget(ListResults, 1);
    BrowserTopic = new HelpBrowser(split);
    BrowserTopic->setObjectName(QStringLiteral("BrowserTopic"));
    BrowserTopic->setAccessibleName(tr("Help topic"));
    BrowserTopic->setOpenExternalLinks(true);
    split->addWidget(side);
    split->addWidget(BrowserTopic);
    split->setStretchFactor(1, 1);
    split->setSizes({Scale::dp(250), Scale::dp(650)});
    layout->addWidget(split, 1);

    ButtonBack->setEnabled(false);
    ButtonForward->setEnabled(false);
    connect(ButtonContents, &QToolButton::clicked, this, Guard([this] { showTopic(HelpTopics::Contents); }));
    connect(ButtonBack, &QToolButton::clicked, BrowserTopic, &QTextBrowser::backward);
    connect(ButtonForward, &QToolButton::clicked, BrowserTopic, &QTextBrowser::forward);
    connect(BrowserTopic, &QTextBrowser::backwardAvailable, ButtonBack, &QToolButton::setEnabled);
    connect(BrowserTopic, &QTextBrowser::forwardAvailable, ButtonForward, &QToolButton::setEnabled);
    connect(BrowserTopic, &QTextBrowser::sourceChanged, this, [this] {
        setWindowTitle(tr("Zentrope Help"));
        const QString title = BrowserTopic->documentTitle();
        if (!title.isEmpty())
            setWindowTitle(tr("Zentrope Help - %1").arg(title));
    });
    connect(EditSearch, &QLineEdit::textChanged, this,
            [this](const QString &t) { Guarded([&] { search(t); }); });
    connect(EditSearch, &QLineEdit::returnPressed, this, [this] { Guarded([&] { showResult(0); }); });
    connect(ListResults, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { Guarded([&] { showResult(ListResults->row(item)); }); });
    connect(ListResults, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { Guarded([&] { showResult(ListResults->row(item)); }); });
    search(QString());
}

void HelpWindow::showTopic(int topic)
{
    const HelpTopic *t = FManual.find(topic);
    // An unknown number gets a page of its own, so Back still leads to where
    // the reader was.
    BrowserTopic->setSource(
        t ? FManual.pageUrl(*t)
          : QUrl(QStringLiteral("qrc") + FManual.resourcePath(QStringLiteral("missing-%1.html").arg(topic))));
}

void HelpWindow::openSearch()
{
    showTopic(HelpTopics::Contents);
    present();
    EditSearch->setFocus(Qt::OtherFocusReason);
    EditSearch->selectAll();
}

int HelpWindow::currentTopic() const
{
    const QUrl src = BrowserTopic->source();
    if (src.scheme() != QLatin1String("qrc"))
        return 0;
    const HelpTopic *t = FManual.findFile(src.fileName());
    return t ? t->Number : 0;
}

void HelpWindow::search(const QString &text)
{
    const HelpTopics &manual = FManual;
    ListResults->clear();
    std::vector<int> numbers;
    if (HelpTopics::words(text).isEmpty()) {
        // Nothing typed: the list is the manual's index of pages.
        for (const HelpTopic &t : manual.topics())
            numbers.push_back(t.Number);
    } else {
        numbers = manual.search(text);
    }
    for (int n : numbers) {
        auto *item = new QListWidgetItem(manual.find(n)->Title, ListResults);
        item->setData(Qt::UserRole, n);
    }
}

void HelpWindow::showResult(int row)
{
    if (QListWidgetItem *item = ListResults->item(row))
        showTopic(item->data(Qt::UserRole).toInt());
}

void HelpWindow::present()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

int HelpContextFor(const QWidget *widget)
{
    if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
        if (const QAction *a = menu->activeAction())
            if (const int c = HelpContext(a))
                return c;
    }
    for (const QWidget *w = widget; w; w = w->parentWidget())
        if (const int c = HelpContext(w))
            return c;
    return 0;
}

namespace {

// F1 anywhere in the program opens the topic of what has the focus, or of the
// highlighted menu item while a menu is open.
class HelpKeyFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, e);
        auto *k = static_cast<QKeyEvent *>(e);
        if (k->key() != Qt::Key_F1 || (k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QObject::eventFilter(watched, e);
        QWidget *from = QApplication::activePopupWidget();
        if (!from)
            from = QApplication::focusWidget();
        if (!from)
            from = QApplication::activeWindow();
        const int topic = HelpContextFor(from);
        if (topic == 0)
            return QObject::eventFilter(watched, e);
        if (auto *menu = qobject_cast<QMenu *>(from)) {
            // The menu closes as a menu does when its item's help is asked for.
            for (QWidget *m = menu; qobject_cast<QMenu *>(m); m = m->parentWidget())
                static_cast<QMenu *>(m)->hide();
        }
        Guarded([topic] { Prompt::showHelp(topic); });
        return true;
    }
};

void installHelpKey()
{
    // Only with windows: the script options run on a QGuiApplication, which
    // qApp would take for a QApplication.
    if (auto *app = qobject_cast<QApplication *>(QCoreApplication::instance()))
        app->installEventFilter(new HelpKeyFilter(app));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installHelpKey)

} // namespace zentrope
