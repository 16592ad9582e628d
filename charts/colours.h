// Every colour value of the program, named once, as R + 256 G + 65536 B.
#pragma once

#include "model/window.h"

namespace airfoil {

constexpr Colour rgb(int r, int g, int b) { return static_cast<Colour>(r + 256 * g + 65536 * b); }

// The four colours renkler stores for the drawings.
inline constexpr Colour kBlack = rgb(0, 0, 0);
inline constexpr Colour kRed = rgb(255, 0, 0);
inline constexpr Colour kGreen = rgb(0, 255, 0);
inline constexpr Colour kBlue = rgb(0, 0, 255);

// The curves corrected for compressibility.
inline constexpr Colour kMagenta = rgb(255, 0, 255);

// The background of every picture and of the About window.
inline constexpr Colour kLightYellow = rgb(255, 255, 192);

// The title texts of the About window.
inline constexpr Colour kDarkGreen = rgb(0, 128, 0);

static_assert(kBlue == 16711680 && kMagenta == 16711935 && kLightYellow == 12648447);

}  // namespace airfoil
