#include "platform/HelpTopics.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

// The pages are compiled into this library, which a static link does not
// register by itself.
static void initHelpPages()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        return true;
    }();
    (void)done;
}

namespace zentrope {

namespace {

// Topic numbers the program asks for, then the manual's own further pages.
// The order is the order of the contents and of search results.
const struct {
    int number;
    const char *file;
} kPages[] = {
    {9998, "contents.html"},
    {9994, "overview.html"},
    {21001, "several.html"},
    {20000, "mainwindow.html"},
    {21006, "fonts.html"},
    {21007, "graphic.html"},
    {21003, "barcode.html"},
    {21002, "printing.html"},
    {20060, "printsetup.html"},
    {20048, "envelopesizes.html"},
    {20046, "envelopesizename.html"},
    {20038, "returnaddresses.html"},
    {20036, "returnaddressname.html"},
    {21008, "files.html"},
    {20034, "droppedfiles.html"},
    {21004, "commandline.html"},
    {21005, "keyboard.html"},
    {20030, "filemenu.html"},
    {20031, "editmenu.html"},
    {20032, "optionsmenu.html"},
    {9997, "support.html"},
    {9999, "warranty.html"},
    {9992, "license.html"},
    {9995, "products.html"},
};

QString readPage(const QString &file)
{
    QFile f(HelpTopics::resourcePath(file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString titleOf(const QString &html)
{
    static const QRegularExpression re(QStringLiteral("<title>(.*?)</title>"),
                                       QRegularExpression::CaseInsensitiveOption |
                                           QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = re.match(html);
    return m.hasMatch() ? m.captured(1).simplified() : QString();
}

} // namespace

HelpTopics::HelpTopics()
{
    initHelpPages();
    for (const auto &p : kPages) {
        HelpTopic t;
        t.Number = p.number;
        t.File = QString::fromLatin1(p.file);
        const QString html = readPage(t.File);
        t.Title = titleOf(html);
        QTextDocument doc;
        doc.setHtml(html);
        QStringList w = words(t.Title + QLatin1Char(' ') + doc.toPlainText());
        std::vector<QString> sorted(w.begin(), w.end());
        std::sort(sorted.begin(), sorted.end());
        sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
        m_topics.push_back(std::move(t));
        m_words.push_back(std::move(sorted));
    }
}

const HelpTopics &HelpTopics::instance()
{
    static const HelpTopics manual;
    return manual;
}

const HelpTopic *HelpTopics::find(int number) const
{
    for (const HelpTopic &t : m_topics)
        if (t.Number == number)
            return &t;
    return nullptr;
}

const HelpTopic *HelpTopics::findFile(const QString &file) const
{
    for (const HelpTopic &t : m_topics)
        if (t.File == file)
            return &t;
    return nullptr;
}

QString HelpTopics::resourcePath(const QString &file)
{
    return QStringLiteral(":/zentrope/help/") + file;
}

QUrl HelpTopics::pageUrl(const HelpTopic &topic)
{
    return QUrl(QStringLiteral("qrc") + resourcePath(topic.File));
}

QString HelpTopics::html(int number) const
{
    const HelpTopic *t = find(number);
    return t ? readPage(t->File) : QString();
}

QStringList HelpTopics::words(const QString &text)
{
    static const QRegularExpression sep(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.toCaseFolded().split(sep, Qt::SkipEmptyParts);
}

std::vector<int> HelpTopics::search(const QString &query) const
{
    const QStringList wanted = words(query);
    std::vector<int> found;
    if (wanted.isEmpty())
        return found;
    for (size_t i = 0; i < m_topics.size(); ++i) {
        const std::vector<QString> &index = m_words[i];
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&](const QString &w) {
            // The first indexed word not before w starts with w when any does.
            const auto it = std::lower_bound(index.begin(), index.end(), w);
            return it != index.end() && it->startsWith(w);
        });
        if (all)
            found.push_back(m_topics[i].Number);
    }
    return found;
}

} // namespace zentrope
