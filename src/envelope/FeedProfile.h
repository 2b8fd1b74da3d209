#pragma once

#include <QString>
#include <optional>

namespace zentrope {

class TQevIniFile;

// How one printer takes envelopes, kept per printer in section
// "Feed <printer name>" of the settings file. A printer without a profile
// prints as it always did: the layout on the printer's own paper, sent
// through Qt's print engine.
struct FeedProfile {
    enum PaperKind : int { PrinterPaper = 0, EnvelopePaper = 1 };
    enum FeedEdge : int { EdgeLeft = 0, EdgeCentre = 1, EdgeRight = 2 };

    // Printer paper: the layout on the printer's paper as without a profile,
    // the size's indent included. Envelope: each page is the envelope itself,
    // and the feed below replaces the indent.
    PaperKind Paper = PrinterPaper;
    // Where the envelope lies across the tray, as the user sees it loading it.
    FeedEdge Edge = EdgeLeft;
    // Long edge first: the page is the envelope as read, the layout upright.
    // Short edge first: the page turned, the layout turned 90 degrees (the
    // stamp end, the envelope's right edge, enters first).
    bool LongEdgeFirst = true;
    // For printers that take the envelope the other way round (flap first).
    bool Turn180 = false;
    // The printer prints on the envelope's underside; only the picture of the
    // tray and the edge as the printer sees it depend on it.
    bool FaceDown = false;
    // Signed corrections in thousandths of an inch, added to every position
    // printed: x to the right and y downwards on the envelope as it is read.
    int OffsetX = 0;
    int OffsetY = 0;
    // The paper source as the printer names it ("Manual", "Envelope"); empty
    // for the printer's default.
    QString Source;

    // The profile that stands for "no profile".
    bool IsDefault() const;
    // The edge on the side the printer prints on: mirrored when face down.
    FeedEdge PrintedEdge() const;
    bool operator==(const FeedProfile &) const = default;

    // Offsets beyond this (ten inches) are taken as damage and cut to it.
    static constexpr int MaxOffset = 10000;
};

// "Feed <printer>".
QString FeedSectionName(const QString &printer);

// The printer's stored profile; none when the section is absent. Values out
// of range read as their defaults (offsets are cut to MaxOffset).
std::optional<FeedProfile> ReadFeedProfile(const TQevIniFile &ini, const QString &printer);

// Writes the whole section in one replace of the file; the default profile
// erases it, so the printer prints as without one.
void WriteFeedProfile(TQevIniFile &ini, const QString &printer, const FeedProfile &profile);

} // namespace zentrope
