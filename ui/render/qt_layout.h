// The window description in the toolkit's terms: twips to pixels, colour
// values to QColor, fonts to installed families.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>

#include "ui/window_layout.h"

namespace airfoil {

inline QRect pixels(const Place& p) {
  return {twips_to_pixels(p.left), twips_to_pixels(p.top), twips_to_pixels(p.width),
          twips_to_pixels(p.height)};
}

inline QColor to_qcolor(Colour c) {
  const auto v = static_cast<unsigned>(c);
  return {static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>((v >> 16) & 0xFF)};
}

// The installed font closest to `font` (see fonts.h for the fallbacks).
QFont to_qfont(const Font& font);

}  // namespace airfoil
