#include "envelope/FeedProfile.h"

#include "settings/QevIniFile.h"
#include "support/TestEnv.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace zentrope;
using namespace zentrope::test;

TEST(FeedProfile, StoredPerPrinterInItsOwnSectionAndDefaultMeansNone)
{
    const QString path = freshDir(QStringLiteral("feed")) + QStringLiteral("/zentrope.ini");
    TQevIniFile ini(path);
    EXPECT_FALSE(ReadFeedProfile(ini, QStringLiteral("Office")).has_value());

    FeedProfile p;
    p.Paper = FeedProfile::EnvelopePaper;
    p.Edge = FeedProfile::EdgeRight;
    p.LongEdgeFirst = false;
    p.Turn180 = true;
    p.OffsetX = -125;
    p.OffsetY = 40;
    p.Source = QStringLiteral("Manual");
    WriteFeedProfile(ini, QStringLiteral("Office"), p);
    EXPECT_EQ(ini.ReadSectionKeys(QStringLiteral("Feed Office")),
              QStringList(
                  {"Paper", "Edge", "LongEdgeFirst", "Turn180", "FaceDown", "OffsetX", "OffsetY", "Source"}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Feed Office"), QStringLiteral("OffsetX"), {}),
              QStringLiteral("-125"));
    // A second store of the same file: what the next run reads.
    TQevIniFile again(path);
    EXPECT_EQ(ReadFeedProfile(again, QStringLiteral("Office")), p);
    EXPECT_FALSE(ReadFeedProfile(again, QStringLiteral("Home")).has_value()) << "each printer its own";

    // The default profile removes the section: the printer prints as without one.
    WriteFeedProfile(ini, QStringLiteral("Office"), FeedProfile());
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Feed Office")));
    EXPECT_FALSE(ReadFeedProfile(ini, QStringLiteral("Office")).has_value());

    // Damaged values read as their defaults; offsets are cut to ten inches.
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("[Feed Damaged]\nPaper=7\nEdge=-1\nLongEdgeFirst=x\nOffsetX=99999999\nOffsetY=-20000\n");
    f.close();
    const std::optional<FeedProfile> d = ReadFeedProfile(TQevIniFile(path), QStringLiteral("Damaged"));
    ASSERT_TRUE(d.has_value());
    EXPECT_EQ(d->Paper, FeedProfile::PrinterPaper);
    EXPECT_EQ(d->Edge, FeedProfile::EdgeLeft);
    EXPECT_TRUE(d->LongEdgeFirst);
    EXPECT_EQ(d->OffsetX, 10000);
    EXPECT_EQ(d->OffsetY, -10000);
    // Face down mirrors the edge as the printer sees it.
    FeedProfile down;
    down.FaceDown = true;
    EXPECT_EQ(down.PrintedEdge(), FeedProfile::EdgeRight);
    down.Edge = FeedProfile::EdgeCentre;
    EXPECT_EQ(down.PrintedEdge(), FeedProfile::EdgeCentre);
}
