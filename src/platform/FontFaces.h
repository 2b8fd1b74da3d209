#pragma once

#include <QString>
#include <QStringList>

namespace zentrope {

// The screen's font families, each once under its plain name: the font
// database tags a family that several foundries provide ("Nimbus Sans [urw]"),
// and such a name is no face a document should store. Sorted ignoring case.
QStringList ScreenFontFamilies();

// True when `face` is no family of its own but the system deliberately draws
// another family for it, as fontconfig draws Liberation Sans for "Arial" —
// rather than falling back to its default face, as it does for any unknown name.
bool IsSubstitutedFace(const QString &face);

} // namespace zentrope
