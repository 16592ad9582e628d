#include "ui/render/qt_layout.h"

#include <cmath>
#include <cstdint>

namespace airfoil {

int zoomed_pixels(int twips, double zoom) {
  // At 1 this is the designed rounding of twips to pixels; no twip count of
  // the tables lies halfway between two pixels, so nothing else can differ.
  if (zoom == 1) return twips_to_pixels(twips);
  return static_cast<int>(std::lround(twips * zoom / 15.0));
}

QRect pixels(const Place& p, double zoom) {
  return {zoomed_pixels(p.left, zoom), zoomed_pixels(p.top, zoom), zoomed_pixels(p.width, zoom),
          zoomed_pixels(p.height, zoom)};
}

QFont zoomed(QFont font, double zoom) {
  if (zoom != 1 && font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
  return font;
}

QColor to_qcolor(Colour colour) {
  const auto v = static_cast<std::uint32_t>(colour);
  return QColor(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
                static_cast<int>((v >> 16) & 0xFF));
}

}  // namespace airfoil
