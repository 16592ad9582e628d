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

// The pinned references, one each, muted so that the live red, blue and
// magenta stay in front; each also has its own dash pattern.
inline constexpr Colour kReferenceColours[4] = {rgb(112, 112, 112), rgb(150, 100, 50), rgb(40, 120, 120),
                                                rgb(120, 70, 140)};

// The background of every picture and of the About window.
inline constexpr Colour kLightYellow = rgb(255, 255, 192);

// The title texts of the About window.
inline constexpr Colour kDarkGreen = rgb(0, 128, 0);

static_assert(kBlue == 16711680 && kMagenta == 16711935 && kLightYellow == 12648447);

}  // namespace airfoil
