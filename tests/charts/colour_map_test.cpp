#include <gtest/gtest.h>

#include <cmath>

#include "charts/colour_map.h"

namespace airfoil {
namespace {

double luminance(Rgb c) { return 0.2126 * c.r + 0.7152 * c.g + 0.0722 * c.b; }

TEST(ColourMap, CpRangeRunsFromTheDarkToTheLightEndAndClampsBeyond) {
  const Rgb dark = cp_colour(kCpColourMin);
  const Rgb light = cp_colour(kCpColourMax);
  EXPECT_EQ(colour_value(dark), 68 + 256 * 1 + 65536 * 84);
  EXPECT_EQ(colour_value(light), 253 + 256 * 231 + 65536 * 37);
  EXPECT_EQ(colour_value(cp_colour(-99)), colour_value(dark));
  EXPECT_EQ(colour_value(cp_colour(5)), colour_value(light));
  EXPECT_EQ(colour_value(cp_colour(NAN)), colour_value(dark));
  // Half way up the bar, the teal of the ramp's middle entry.
  const Rgb mid = cp_colour(kCpColourMin + (kCpColourMax - kCpColourMin) * 128 / 255);
  EXPECT_EQ(colour_value(mid), 33 + 256 * 145 + 65536 * 140);
}

// What makes the ramp readable without hue: its lightness rises all along.
TEST(ColourMap, LightnessRisesSteadilyAlongTheRamp) {
  double previous = -1;
  for (int k = 0; k <= 32; ++k) {
    const double l = luminance(uniform_ramp(k / 32.0));
    EXPECT_GT(l, previous) << k;
    previous = l;
  }
}

}  // namespace
}  // namespace airfoil
