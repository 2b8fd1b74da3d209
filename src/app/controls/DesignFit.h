#pragma once

#include <QSize>

class QWidget;

namespace zentrope {

// Dialogs are laid out by Qt's layouts around their designed sizes (design
// pixels at 120 pixels per inch). A control keeps its designed size unless its
// text, in the current language and font, needs more; a window keeps its
// designed size unless its layout needs more. In English at the default font
// everything stands where it was designed.

// The control's designed size; FitToDesign makes it the control's minimum.
void SetDesignSize(QWidget *control, int width, int height);
// A box that keeps its designed width however wide its column grows.
void KeepDesignWidth(QWidget *control);
// A list that keeps its designed height; the room below it stays empty.
void KeepDesignHeight(QWidget *control);
// Two controls that take turns in one place get the room the wider needs.
void ShareDesignPlace(QWidget *a, QWidget *b);
// Sets every designed control's minimum (its design, grown to its text where
// it shows one) and fixes the window at its design size or its layout's
// minimum, whichever is larger in each direction. Run again when a text or
// the font changes.
void FitToDesign(QWidget *window, QSize design);

} // namespace zentrope
