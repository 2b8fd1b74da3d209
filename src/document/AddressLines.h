#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

namespace zentrope {

// The lines of an address box's text ("\n" between lines) as the box counts
// them: a final line break does not start a further line.
QStringList MemoLines(const QString &text);

// The last two of MemoLines(text), without splitting the whole text: the ZIP
// code extraction looks only at them, on every keystroke.
QStringList LastAddressLines(const QString &text);

// Breaks text at CR, LF and CR LF; a final break starts no further line.
QStringList BreakLines(const QString &text);

// The envelopes of an address text: runs of non-empty lines, separated by
// empty ones. Each line has lost its trailing blanks and control characters.
struct EnvelopeList {
    QStringList PrintLines;
    // (index of the first line, number of lines) of envelope k at k - 1.
    std::vector<std::pair<int, int>> EnvelopeRanges;

    int EnvelopeCount() const { return static_cast<int>(EnvelopeRanges.size()); }
    // The lines of envelope k, counted from 1; empty outside the list.
    QStringList Envelope(int k) const;
};

EnvelopeList SplitEnvelopes(const QString &text);

} // namespace zentrope
