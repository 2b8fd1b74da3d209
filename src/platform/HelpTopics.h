#pragma once

#include "platform/Topics.h"

#include <QString>
#include <QUrl>
#include <vector>

namespace zentrope {

// One page of the user manual and the topic number the program asks for it by.
struct HelpTopic {
    int Number = 0;
    QString File;  // name of the page among the compiled-in pages
    QString Title; // the page's <title>
};

// The user manual: HTML pages compiled into the program, one per topic number,
// with a word index for the help window's search.
class HelpTopics {
public:
    static constexpr int Contents = Topic::Contents;

    // The manual compiled into the program.
    static const HelpTopics &instance();

    const std::vector<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *find(int number) const;
    const HelpTopic *findFile(const QString &file) const;
    // Where the page is, for a text browser (qrc:/zentrope/help/<file>).
    static QUrl pageUrl(const HelpTopic &topic);
    static QString resourcePath(const QString &file);
    QString html(int number) const;

    // The topics whose title or text hold every word of the query, each word
    // matching the start of a word of the page, ignoring case; in the order of
    // the manual. A query without words finds nothing.
    std::vector<int> search(const QString &query) const;
    // The words of a text as the index keeps them: lower case, letters and digits.
    static QStringList words(const QString &text);

private:
    HelpTopics();
    std::vector<HelpTopic> m_topics;
    std::vector<std::vector<QString>> m_words; // sorted, unique, per topic
};

} // namespace zentrope
