// The five picture surfaces of the main window: name, place and size in
// twips, size in pixels, and colours. One table for everyone who makes a
// surface (the desktop window, the probe, the benchmarks), so that they all
// draw the same pictures.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "charts/colours.h"
#include "model/window.h"

namespace airfoil {

// Twips to whole pixels at 96 dots per inch (15 twips a pixel), rounded to
// the nearest pixel. No twip count lies exactly halfway, so the rounding
// direction of halves never matters.
constexpr int twips_to_pixels(int twips) { return (2 * twips + 15) / 30; }

// The light yellow background of every surface.
inline constexpr Colour kSurfaceBackground = kLightYellow;

struct SurfaceLayout {
  std::string_view name;
  int Left;  // twips, from the window's client area
  int Top;
  int Width;
  int Height;
  Colour BackColor;
  Colour ForeColor;  // colour of a Line drawn without a colour argument

  constexpr int pixel_width() const { return twips_to_pixels(Width); }
  constexpr int pixel_height() const { return twips_to_pixels(Height); }
};

// Index of each surface in kSurfaceLayouts.
enum class SurfaceId { daire, profil, pressure, Picture_CL, Picture_CM };

inline constexpr std::array<SurfaceLayout, 5> kSurfaceLayouts{{
    {"daire", 120, 240, 3400, 3400, kSurfaceBackground, kBlack},
    {"profil", 3600, 240, 4800, 2400, kSurfaceBackground, kBlue},
    {"pressure", 3600, 2760, 4800, 4335, kSurfaceBackground, kGreen},
    {"Picture_CL", 8520, 240, 3200, 3915, kSurfaceBackground, kBlack},
    {"Picture_CM", 8520, 4320, 3255, 2775, kSurfaceBackground, kBlack},
}};

constexpr const SurfaceLayout& surface_layout(SurfaceId id) {
  return kSurfaceLayouts[static_cast<std::size_t>(id)];
}

// The entry of the surface called `name`, or nullptr when there is none.
constexpr const SurfaceLayout* find_surface_layout(std::string_view name) {
  for (const SurfaceLayout& s : kSurfaceLayouts) {
    if (s.name == name) return &s;
  }
  return nullptr;
}

static_assert(surface_layout(SurfaceId::daire).pixel_width() == 227);
static_assert(surface_layout(SurfaceId::pressure).pixel_height() == 289);

}  // namespace airfoil
