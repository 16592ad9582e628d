// The window description in the toolkit's terms: twips to pixels at a zoom
// factor, colour values to QColor, fonts to installed families. Every window
// and every export converts through here, so a place or a colour means the
// same pixels wherever it is drawn.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/window_layout.h"

namespace airfoil {

// A twips length in whole pixels at `zoom`: at 1 exactly the designed pixels.
int zoomed_pixels(int twips, double zoom = 1);

// A place of the tables in pixels at `zoom` of the designed size.
QRect pixels(const Place& place, double zoom = 1);

// `font` with its point size multiplied by `zoom`.
QFont zoomed(QFont font, double zoom);

QColor to_qcolor(Colour colour);

// The installed font closest to `font` (see fonts.h for the fallbacks).
QFont to_qfont(const Font& font);

}  // namespace airfoil
