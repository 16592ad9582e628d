// The circle whose mapped section has a given thickness and camber ratio.
#pragma once

#include "mapped_section.h"

namespace catalogue {

struct CircleFit {
  Circle circle;
  SectionShape shape;  // as measured for the circle found
};

// Finds the circle through zeta = 1 whose section has the given thickness
// and camber ratios. Throws std::runtime_error when the search does not meet
// both to `tolerance`.
CircleFit find_circle(double thickness, double camber, double tolerance);

}  // namespace catalogue
