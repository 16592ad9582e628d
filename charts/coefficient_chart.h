// What the lift and moment charts share: the grid, the sampled curve with its
// marker, and the compressibility overlay. Both charts put a value c at angle
// alpha (degrees) at the user point (alpha, -c), so the coefficient grows
// upward.
#pragma once

#include "charts/charts.h"

namespace airfoil {

// Vertical lines at alpha = -12, -8, ..., 12 from user y `top` to 1.5, then
// horizontal lines across alpha = -12..12 at c = j / 10 for j = -15, -10, ...,
// `last_j`; the alpha = 0 and c = 0 lines black, the rest green.
void coefficient_grid(Surface& s, const Window& w, double top, int last_j);

// The 24 segments through samples 0 to 24 of `values` against CurveAlfa,
// each value corrected by the compressibility `factor` (1: as it is).
void coefficient_curve(Surface& s, const WindowState& w, const Table<30>& values, double factor,
                       Colour colour);

// The marker of the current angle: a circle of radius 0.4 (horizontal units,
// so 0.4 degrees) at (AlfaD, -value).
void coefficient_marker(Surface& s, const WindowState& w, double value, Colour colour);

// The Prandtl-Glauert overlay: when Text_Moo holds a Mach number other than
// 0 with |Moo| < 1, Beta is stored and the curve and marker are drawn again,
// corrected, in magenta.
// `drawn` receives the Mach number of the overlay, 0 when none is drawn.
void compressibility_overlay(Window& w, Surface& s, const Table<30>& values, double current, double& drawn);

}  // namespace airfoil
