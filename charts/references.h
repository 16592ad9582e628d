// The pinned cases drawn under the live one, and the sonic line of the
// pressure chart.
#pragma once

#include <cstddef>

#include "charts/charts.h"

namespace airfoil {

enum class Picture { daire, profil, pressure, lift, moment };

// Reference k (0 for the oldest) is stroked with this pattern and colour.
LineStyle reference_style(std::size_t k);
Colour reference_colour(std::size_t k);

// Draws every pinned case's curves on `picture` as the live case draws its
// own, each in its reference's colour and pattern; the surface's style is
// solid again afterwards.
void draw_references(Surface& s, const Window& w, Picture picture);

// The sonic value 1 - Cp* at Mach number `moo` as a dashed magenta line
// across the chord, in the pressure chart's own coordinates.
void sonic_line(Surface& s, double moo);

}  // namespace airfoil
