#include "document/AddressLines.h"

#include <gtest/gtest.h>

using namespace zentrope;

TEST(AddressLines, SplitEnvelopesAtEmptyLines)
{
    EnvelopeList l = SplitEnvelopes(QStringLiteral(" \t\n\nA1\nA2\t\x01 \n  \n \t \n\n B1\r\nB2\rB3\n\n\n"));
    EXPECT_EQ(l.EnvelopeCount(), 2);
    ASSERT_EQ(l.EnvelopeRanges.size(), 2u);
    EXPECT_EQ(l.EnvelopeRanges[0], std::make_pair(2, 2));
    EXPECT_EQ(l.EnvelopeRanges[1], std::make_pair(7, 3));
    EXPECT_EQ(l.PrintLines[3], QStringLiteral("A2"));  // trailing controls and blanks gone
    EXPECT_EQ(l.PrintLines[7], QStringLiteral(" B1")); // leading blanks stay
    EXPECT_EQ(l.Envelope(2), QStringList({" B1", "B2", "B3"}));
    EXPECT_TRUE(l.Envelope(3).isEmpty());

    l = SplitEnvelopes(QStringLiteral("\n  \n\t\n"));
    EXPECT_EQ(l.EnvelopeCount(), 0);
    EXPECT_TRUE(l.EnvelopeRanges.empty());

    // No fixed table size: every envelope of a long text counts.
    QString many;
    for (int i = 0; i < 300; ++i)
        many += QStringLiteral("Name %1\nTown, ST 12345\n\n").arg(i);
    l = SplitEnvelopes(many);
    EXPECT_EQ(l.EnvelopeCount(), 300);
    EXPECT_EQ(l.EnvelopeRanges[299], std::make_pair(299 * 3, 2));
}

TEST(AddressLines, LinesAsTheBoxCountsThem)
{
    // A final line break starts no further line; the last two lines agree with
    // the whole list whatever the text ends with.
    for (const QString &text : {QString(), QStringLiteral("\n"), QStringLiteral("a"), QStringLiteral("a\n"),
                                QStringLiteral("a\nb"), QStringLiteral("a\nb\n"), QStringLiteral("a\n\n"),
                                QStringLiteral("x\ny\nz"), QStringLiteral("\n\nz\n")}) {
        const QStringList all = MemoLines(text);
        EXPECT_EQ(LastAddressLines(text), all.mid(std::max<qsizetype>(0, all.size() - 2)))
            << text.toStdString();
    }
    EXPECT_EQ(MemoLines(QStringLiteral("a\n\n")), QStringList({"a", ""}));
    EXPECT_EQ(BreakLines(QStringLiteral("a\r\nb\rc\n")), QStringList({"a", "b", "c"}));
}
