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
        EXPECT_FALSE(t.Title.isEmpty()) << t.File.toStdString();
        EXPECT_TRUE(QFile::exists(manual.resourcePath(t.File))) << t.File.toStdString();
    }
    static const QRegularExpression href(QStringLiteral("href=\"([^\"#]*)(#[^\"]*)?\""));
    for (const HelpTopic &t : manual.topics()) {
        const QString html = manual.html(t.Number);
        ASSERT_FALSE(html.isEmpty()) << t.File.toStdString();
        for (auto it = href.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            if (target.isEmpty() || target.contains(QLatin1Char(':')))
                continue; // an anchor of the same page, or a web or mail address
            EXPECT_TRUE(files.contains(target))
                << t.File.toStdString() << " links to " << target.toStdString();
        }
    }
    // Contents, Help menu, windows, dialogs and messages.
    for (int n : {9992, 9994, 9995, 9997, 9998, 9999, 20000, 20030, 20031, 20032, 20034, 20036, 20038, 20046,
                  20048, 20060, 21010, 21011, 21012})
        EXPECT_NE(manual.find(n), nullptr) << n;
    EXPECT_EQ(manual.find(12345), nullptr);
    EXPECT_TRUE(manual.html(12345).isEmpty());
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
    // Results keep the manual's order.
    std::vector<int> all = topicsFor("zentrope");
    std::vector<int> order;
    for (const HelpTopic &t : HelpTopics::instance().topics())
        if (has(all, t.Number))
            order.push_back(t.Number);
    EXPECT_EQ(all, order);
}
