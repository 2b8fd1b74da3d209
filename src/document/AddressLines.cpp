#include "document/AddressLines.h"

namespace zentrope {

QStringList MemoLines(const QString &text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (text.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

QStringList LastAddressLines(const QString &text)
{
    QStringView t(text);
    if (t.isEmpty())
        return {};
    if (t.endsWith(u'\n'))
        t.chop(1);
    QStringList lines;
    const qsizetype lastBreak = t.lastIndexOf(u'\n');
    if (lastBreak >= 0) {
        const QStringView before = t.left(lastBreak);
        lines.append(before.mid(before.lastIndexOf(u'\n') + 1).toString());
    }
    lines.append(t.mid(lastBreak + 1).toString());
    return lines;
}

QStringList BreakLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r' || c == u'\n') {
            lines.append(text.mid(start, i - start));
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QStringList EnvelopeList::Envelope(int k) const
{
    if (k < 1 || k > EnvelopeCount())
        return {};
    const auto [start, count] = EnvelopeRanges[k - 1];
    return PrintLines.mid(start, count);
}

EnvelopeList SplitEnvelopes(const QString &text)
{
    EnvelopeList list;
    list.PrintLines = BreakLines(text);
    for (QString &line : list.PrintLines) {
        qsizetype n = line.size();
        while (n > 0 && line[n - 1].unicode() <= 32)
            --n;
        line.truncate(n);
    }
    bool between = true;
    for (int i = 0; i < list.PrintLines.size(); ++i) {
        const bool empty = list.PrintLines[i].isEmpty();
        if (between) {
            if (!empty) {
                between = false;
                list.EnvelopeRanges.emplace_back(i, 1);
            }
        } else if (!empty) {
            ++list.EnvelopeRanges.back().second;
        } else {
            between = true;
        }
    }
    return list;
}

} // namespace zentrope
