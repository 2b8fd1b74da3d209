#pragma once

#include "platform/Topics.h"

#include <QString>
#include <QStringList>
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
// with a word index for the help window's search. The English pages are under
// :/zentrope/help, each translation's under :/zentrope/help/<language>, with
// the same file names, so that the links between pages work in every language.
class HelpTopics {
public:
    static constexpr int Contents = Topic::Contents;

    // The English manual compiled into the program.
    static const HelpTopics &instance();
    // The manual in a language ("de"); the English one for a language the
    // manual is not translated into.
    static const HelpTopics &instance(const QString &language);
    // The languages the manual is translated into, besides English.
    static QStringList translated();

    // "en", or the language of the translation.
    const QString &language() const { return m_language; }
    const std::vector<HelpTopic> &topics() const { return m_topics; }
    const HelpTopic *find(int number) const;
    const HelpTopic *findFile(const QString &file) const;
    // Where a page is, for a text browser (qrc:/zentrope/help/[<language>/]<file>).
    QUrl pageUrl(const HelpTopic &topic) const;
    QString resourcePath(const QString &file) const;
    QString html(int number) const;

    // The topics whose title or text hold every word of the query, each word
    // matching the start of a word of the page, ignoring case; in the order of
    // the manual. A query without words finds nothing.
    std::vector<int> search(const QString &query) const;
    // The words of a text as the index keeps them: lower case, letters and digits.
    static QStringList words(const QString &text);

private:
    explicit HelpTopics(const QString &language);
    QString m_language;
    QString m_folder; // the pages' resource folder, ending in '/'
    std::vector<HelpTopic> m_topics;
    std::vector<std::vector<QString>> m_words; // sorted, unique, per topic
};

} // namespace zentrope
