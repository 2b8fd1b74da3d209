#include "platform/HelpTopics.h"

#include "platform/Topics.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

// The pages, English and translated, are compiled into this library, which a
// static link does not register by itself.
static void initHelpPages()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(help);
        Q_INIT_RESOURCE(zentrope_help_translations);
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
    {Topic::Contents, "contents.html"},
    {Topic::Overview, "overview.html"},
    {Topic::SeveralEnvelopes, "several.html"},
    {Topic::MainWindow, "mainwindow.html"},
    {Topic::Fonts, "fonts.html"},
    {Topic::Graphic, "graphic.html"},
    {Topic::BarCode, "barcode.html"},
    {Topic::Printing, "printing.html"},
    {Topic::PrintPreview, "preview.html"},
    {Topic::PrintSetup, "printsetup.html"},
    {Topic::EnvelopeFeed, "envelopefeed.html"},
    {Topic::EnvelopeSizes, "envelopesizes.html"},
    {Topic::EnvelopeSizeName, "envelopesizename.html"},
    {Topic::ReturnAddresses, "returnaddresses.html"},
    {Topic::ReturnAddressName, "returnaddressname.html"},
    {Topic::Files, "files.html"},
    {Topic::ImportAddresses, "import.html"},
    {Topic::DroppedFiles, "droppedfiles.html"},
    {Topic::CommandLine, "commandline.html"},
    {Topic::Scripts, "scripts.html"},
    {Topic::Keyboard, "keyboard.html"},
    {Topic::FileMenu, "filemenu.html"},
    {Topic::EditMenu, "editmenu.html"},
    {Topic::OptionsMenu, "optionsmenu.html"},
    {Topic::Support, "support.html"},
    {Topic::Warranty, "warranty.html"},
    {Topic::License, "license.html"},
    {Topic::Products, "products.html"},
};

const QString kFolder = QStringLiteral(":/zentrope/help/");

QString readPage(const QString &path)
{
    QFile f(path);
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

HelpTopics::HelpTopics(const QString &language)
    : m_language(language),
      m_folder(language == QLatin1String("en") ? kFolder : kFolder + language + QLatin1Char('/'))
{
    for (const auto &p : kPages) {
        HelpTopic t;
        t.Number = p.number;
        t.File = QString::fromLatin1(p.file);
        const QString html = readPage(resourcePath(t.File));
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
    return instance(QStringLiteral("en"));
}

const HelpTopics &HelpTopics::instance(const QString &language)
{
    // Each language's index is made once, at its first use, and kept.
    static std::mutex lock;
    static std::map<QString, std::unique_ptr<const HelpTopics>> manuals;
    const QString name = translated().contains(language) ? language : QStringLiteral("en");
    const std::lock_guard<std::mutex> guard(lock);
    std::unique_ptr<const HelpTopics> &manual = manuals[name];
    if (!manual)
        manual.reset(new HelpTopics(name));
    return *manual;
}

QStringList HelpTopics::translated()
{
    initHelpPages();
    QStringList languages;
    const QStringList folders = QDir(kFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &f : folders)
        if (QFile::exists(kFolder + f + QStringLiteral("/contents.html")))
            languages << f;
    return languages;
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

QString HelpTopics::resourcePath(const QString &file) const
{
    return m_folder + file;
}

QUrl HelpTopics::pageUrl(const HelpTopic &topic) const
{
    return QUrl(QStringLiteral("qrc") + resourcePath(topic.File));
}

QString HelpTopics::html(int number) const
{
    const HelpTopic *t = find(number);
    return t ? readPage(resourcePath(t->File)) : QString();
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
