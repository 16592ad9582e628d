// The colour map of the pressure field: a perceptually uniform ramp from dark
// blue-violet through teal and green to yellow, readable with every common
// colour-vision deficiency and in grey scale (its lightness rises steadily).
#pragma once

#include <cstdint>

#include "model/window.h"

namespace airfoil {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
};

// The ramp at t from 0 (dark) to 1 (light); t outside 0..1 is held at the
// nearer end, and a NaN gives the dark end.
Rgb uniform_ramp(double t);

// The range of Cp the colour bar shows: strong suction (Cp = -3, dark) to the
// stagnation pressure (Cp = 1, light). The free stream, Cp = 0, sits at three
// quarters of the bar. Values beyond the range take the colour of its end.
inline constexpr double kCpColourMin = -3;
inline constexpr double kCpColourMax = 1;

// The colour of a pressure coefficient on the colour bar.
Rgb cp_colour(double cp);

// The same as a colour value R + 256 G + 65536 B, for a Surface.
Colour colour_value(Rgb c);

}  // namespace airfoil
