#include "platform/HelpTopics.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <gtest/gtest.h>

using namespace zentrope;

namespace {
std::vector<int> topicsFor(const char *query)
{
    return HelpTopics::instance().search(QString::fromUtf8(query));
}
bool has(const std::vector<int> &v, int n)
{
    return std::find(v.begin(), v.end(), n) != v.end();
}
} // namespace

TEST(HelpTopics, EveryPageExistsHasATitleAndLinksOnlyToPagesOfTheManual)
{
    const HelpTopics &manual = HelpTopics::instance();
    QSet<int> numbers;
    QSet<QString> files;
    for (const HelpTopic &t : manual.topics()) {
        EXPECT_FALSE(numbers.contains(t.Number)) << t.Number;
        EXPECT_FALSE(files.contains(t.File)) << t.File.toStdString();
        numbers.insert(t.Number);
        files.insert(t.File);
    }
    // Contents, Help menu, windows, dialogs and messages.
    for (int n : {9992, 9994, 9995, 9997, 9998, 9999, 20000, 20030, 20031, 20032, 20034, 20036, 20038, 20046,
                  20048, 20060, 21010, 21011, 21012})
        EXPECT_NE(manual.find(n), nullptr) << n;
    EXPECT_EQ(manual.find(12345), nullptr);
    EXPECT_TRUE(manual.html(12345).isEmpty());

    // Every language has every page, and every link leads to a page of the
    // same language and to an anchor that page has.
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(?:#([^\"]*))?\""));
    QStringList languages = HelpTopics::translated();
    EXPECT_EQ(languages, QStringList({QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("fr")}));
    languages.prepend(QStringLiteral("en"));
    for (const QString &language : languages) {
        const HelpTopics &pages = HelpTopics::instance(language);
        const std::string lang = language.toStdString();
        ASSERT_EQ(pages.language(), language);
        ASSERT_EQ(pages.topics().size(), manual.topics().size()) << lang;
        for (const HelpTopic &t : pages.topics()) {
            EXPECT_NE(manual.find(t.Number), nullptr) << lang << " " << t.Number;
            EXPECT_FALSE(t.Title.isEmpty()) << lang << " " << t.File.toStdString();
            const QString html = pages.html(t.Number);
            ASSERT_FALSE(html.isEmpty()) << lang << " " << t.File.toStdString();
            for (auto it = href.globalMatch(html); it.hasNext();) {
                const QRegularExpressionMatch m = it.next();
                if (m.captured(1).contains(QLatin1Char(':')))
                    continue; // a web or mail address
                const QString target = m.captured(1).isEmpty() ? t.File : m.captured(1);
                const HelpTopic *to = pages.findFile(target);
                ASSERT_NE(to, nullptr)
                    << lang << " " << t.File.toStdString() << " links to " << target.toStdString();
                if (m.hasCaptured(2))
                    EXPECT_TRUE(
                        pages.html(to->Number).contains(QStringLiteral("name=\"%1\"").arg(m.captured(2))))
                        << lang << " " << t.File.toStdString() << " links to a missing anchor "
                        << m.captured(0).toStdString();
            }
        }
    }
    EXPECT_EQ(HelpTopics::instance(QStringLiteral("de")).find(9998)->Title, QStringLiteral("Inhalt"));
    EXPECT_EQ(HelpTopics::instance(QStringLiteral("fr")).find(9998)->Title, QStringLiteral("Sommaire"));
    EXPECT_EQ(HelpTopics::instance(QStringLiteral("es")).find(9998)->Title, QStringLiteral("Contenido"));
    // A language the manual is not translated into reads it in English.
    EXPECT_EQ(&HelpTopics::instance(QStringLiteral("it")), &manual);
    EXPECT_EQ(manual.language(), QStringLiteral("en"));
}

TEST(HelpTopics, SearchListsPagesHoldingEveryWordByWordStart)
{
    const std::vector<int> postnet = topicsFor("POSTNET");
    EXPECT_TRUE(has(postnet, 21003));
    // Case and word starts; words found in different places of the page.
    EXPECT_TRUE(has(topicsFor("postn"), 21003));
    EXPECT_TRUE(has(topicsFor("delivery point check digit"), 21003));
    // Every word must be there: adding a word narrows the list.
    const std::vector<int> envelopes = topicsFor("envelope");
    const std::vector<int> narrowed = topicsFor("envelope landscape indent");
    EXPECT_GT(envelopes.size(), narrowed.size());
    EXPECT_TRUE(has(narrowed, 21002));
    for (int n : narrowed)
        EXPECT_TRUE(has(envelopes, n));
    // The middle of a word does not match; nor do words that are nowhere.
    EXPECT_TRUE(topicsFor("ostnet").empty());
    EXPECT_TRUE(topicsFor("postnet xylophone").empty());
    // Punctuation only, or nothing: no words, no result.
    EXPECT_TRUE(topicsFor("").empty());
    EXPECT_TRUE(topicsFor(" ,;- ").empty());
    // Titles count: the command line page by its title words.
    EXPECT_TRUE(has(topicsFor("starting command line"), 21004));
    // Each language searches its own words.
    EXPECT_TRUE(has(HelpTopics::instance(QStringLiteral("de")).search(QStringLiteral("prüfziffer")), 21003));
    EXPECT_TRUE(has(HelpTopics::instance(QStringLiteral("fr")).search(QStringLiteral("code-barres")), 21003));
    EXPECT_TRUE(
        has(HelpTopics::instance(QStringLiteral("es")).search(QStringLiteral("código barras")), 21003));
    EXPECT_TRUE(HelpTopics::instance(QStringLiteral("de")).search(QStringLiteral("delivery point")).empty());
    // Results keep the manual's order.
    std::vector<int> all = topicsFor("zentrope");
    std::vector<int> order;
    for (const HelpTopic &t : HelpTopics::instance().topics())
        if (has(all, t.Number))
            order.push_back(t.Number);
    EXPECT_EQ(all, order);
}
