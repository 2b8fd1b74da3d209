#pragma once

#include "print/page/EnvelopePage.h"

namespace zentrope {

// The alignment test: the envelope's outline; a cross where the return address
// starts (right of the corner graphic, if any) and one where the destination
// block is anchored (the middle of the envelope, one inch above its bottom);
// and from each edge inwards a ruler in millimetres on one side and in
// sixteenths of an inch on the other. Where the envelope's real edge cuts a
// ruler tells how far the printing is off. Laid out like the envelope page
// (EnvelopePage's device fields and indent), so a feed geometry moves it as
// it moves the addresses. The layout gives the envelope (Envelope, Outline),
// the return anchor (ReturnOrigin) and the destination anchor (AddressOrigin).
EnvelopePageLayout PaintAlignmentPage(QPainter &painter, const EnvelopePage &page);

// Length of each ruler, in millimetres.
inline constexpr int AlignmentRulerMM = 30;

} // namespace zentrope
