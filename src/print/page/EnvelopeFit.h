#pragma once

#include "print/page/EnvelopePage.h"

#include <QRect>

namespace zentrope {

// Whether an envelope's text stays on the envelope: every return address and
// destination line (from its starting point to the end of its text) and the
// bar code lie inside the envelope's rectangle, so no line is wider than the
// room right of where it starts and no block runs past an edge.
struct EnvelopeFit {
    bool Fits = true;
    // The blocks that leave the envelope, in the page's device units: what a
    // preview outlines in red. Empty when the text fits.
    QRect Overrun;
};

// The fit of a page the page painter has laid out.
EnvelopeFit CheckEnvelopeFit(const EnvelopePageLayout &layout);

// Lays the page out as the page painter does, drawing nothing (the corner
// graphic is not played either), and checks its fit. The layout goes to
// `layout` when given.
EnvelopeFit MeasureEnvelopeFit(const EnvelopePage &page, EnvelopePageLayout *layout = nullptr);

} // namespace zentrope
