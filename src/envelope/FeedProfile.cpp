#include "envelope/FeedProfile.h"

#include "settings/IniSection.h"
#include "settings/QevIniFile.h"

#include <algorithm>

namespace zentrope {

namespace {
const QString kPaper = QStringLiteral("Paper");
const QString kEdge = QStringLiteral("Edge");
const QString kLongEdgeFirst = QStringLiteral("LongEdgeFirst");
const QString kTurn180 = QStringLiteral("Turn180");
const QString kFaceDown = QStringLiteral("FaceDown");
const QString kOffsetX = QStringLiteral("OffsetX");
const QString kOffsetY = QStringLiteral("OffsetY");
const QString kSource = QStringLiteral("Source");
} // namespace

bool FeedProfile::IsDefault() const
{
    return *this == FeedProfile();
}

FeedProfile::FeedEdge FeedProfile::PrintedEdge() const
{
    if (!FaceDown)
        return Edge;
    return Edge == EdgeLeft ? EdgeRight : Edge == EdgeRight ? EdgeLeft : EdgeCentre;
}

QString FeedSectionName(const QString &printer)
{
    return QStringLiteral("Feed ") + printer;
}

std::optional<FeedProfile> ReadFeedProfile(const TQevIniFile &ini, const QString &printer)
{
    const QString section = FeedSectionName(printer);
    if (printer.isEmpty() || !ini.SectionExists(section))
        return std::nullopt;
    FeedProfile p;
    const auto read = [&](const QString &key, int def) { return ini.ReadInteger(section, key, def); };
    const int paper = read(kPaper, p.Paper);
    p.Paper = paper == FeedProfile::EnvelopePaper ? FeedProfile::EnvelopePaper : FeedProfile::PrinterPaper;
    const int edge = read(kEdge, p.Edge);
    p.Edge = edge >= FeedProfile::EdgeLeft && edge <= FeedProfile::EdgeRight ? FeedProfile::FeedEdge(edge)
                                                                             : FeedProfile::EdgeLeft;
    p.LongEdgeFirst = read(kLongEdgeFirst, 1) != 0;
    p.Turn180 = read(kTurn180, 0) != 0;
    p.FaceDown = read(kFaceDown, 0) != 0;
    p.OffsetX = std::clamp(read(kOffsetX, 0), -FeedProfile::MaxOffset, FeedProfile::MaxOffset);
    p.OffsetY = std::clamp(read(kOffsetY, 0), -FeedProfile::MaxOffset, FeedProfile::MaxOffset);
    p.Source = ini.ReadString(section, kSource, QString());
    return p;
}

void WriteFeedProfile(TQevIniFile &ini, const QString &printer, const FeedProfile &profile)
{
    const QString name = FeedSectionName(printer);
    if (profile.IsDefault()) {
        if (ini.SectionExists(name))
            ini.EraseSection(name);
        return;
    }
    IniSection section(name);
    section.WriteInteger(kPaper, profile.Paper);
    section.WriteInteger(kEdge, profile.Edge);
    section.WriteInteger(kLongEdgeFirst, profile.LongEdgeFirst ? 1 : 0);
    section.WriteInteger(kTurn180, profile.Turn180 ? 1 : 0);
    section.WriteInteger(kFaceDown, profile.FaceDown ? 1 : 0);
    section.WriteInteger(kOffsetX,
                         std::clamp(profile.OffsetX, -FeedProfile::MaxOffset, FeedProfile::MaxOffset));
    section.WriteInteger(kOffsetY,
                         std::clamp(profile.OffsetY, -FeedProfile::MaxOffset, FeedProfile::MaxOffset));
    section.WriteString(kSource, profile.Source);
    ini.WriteSection(section);
}

} // namespace zentrope
