#pragma once

#include "envelope/EnvelopeDimension.h"

#include <QPageSize>
#include <QString>
#include <vector>

namespace zentrope {

// A standard envelope the size dialog's Add offers.
struct StandardEnvelope {
    QString Label;     // "ISO C5", "US #10"
    QString ShortName; // the name a catalog entry gets: "C5", "DL", "US #10", "Monarch"
    QString Name; // with its size as the standard states it: "ISO C5 (162 × 229 mm)", "US #10 (4⅛ × 9½ in)"
    QString PwgName; // the PWG 5101.1 media name: "iso_c5_162x229mm", "na_number-10_4.125x9.5in"
    // The sides as the standard states them, short side first, in Unit.
    double ShortSide = 0;
    double LongSide = 0;
    QPageSize::Unit Unit = QPageSize::Millimeter;
    // Qt's id of the same envelope; QPageSize::Custom where Qt has none (its A2
    // and A7 are the ISO paper sizes, not the US envelopes).
    QPageSize::PageSizeId PageSizeId = QPageSize::Custom;
    // Sides in whole thousandths of an inch, as the settings file keeps them.
    int LongThousandths = 0;
    int ShortThousandths = 0;

    // As the envelope is read, the way the catalog keeps every size: the long
    // side is the width. Indent 0.
    TEnvelopeDimension Dimension() const;
};

// ISO C4, C5, C6, C6/C5, DL, B4, B5, B6; US #9, #10, #11, #12, #14, Monarch,
// 6¾ Personal, A2, A7; Japanese Chou 3, Chou 4, Kaku 2, You 4; in that order.
const std::vector<StandardEnvelope> &StandardEnvelopes();

// The standard envelope called so, ignoring letter case: by its short name,
// its label or its PWG name ("dl", "ISO DL", "iso_dl_110x220mm"); nullptr
// for any other name.
const StandardEnvelope *FindStandardEnvelope(const QString &name);

// The PWG 5101.1 media name for an envelope of the given sides in inches, in
// either orientation: the name of the standard envelope within 0.02 in (about
// the 0.5 mm CUPS allows when it matches sizes) of both sides, otherwise a
// custom name in the form CUPS itself writes, "custom_4.5x6in_4.5x6in" (the
// size stands as the name: PWG names need a class, a name and a size). Sides are
// taken in whole thousandths; an empty text when either is not positive.
QString PwgMediaName(double width, double height);

} // namespace zentrope
