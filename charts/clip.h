// Clipping of straight segments to a rectangle, in double precision. The
// surfaces clip before any pixel work, so a coordinate that is huge, far off
// or not a number never reaches the code that sets pixels.
#pragma once

#include <optional>

namespace airfoil {

struct Segment {
  double x1, y1, x2, y2;
};

// An axis-aligned rectangle, edges included; left <= right and top <= bottom.
struct ClipRect {
  double left, top, right, bottom;
};

// The part of `s` inside `r`, or nothing when no part of it is inside.
// A segment with a non-finite end, or a rectangle with a non-finite or
// inverted edge, gives nothing. A zero-length segment inside the rectangle
// comes back as the single point it is. The result always lies in `r`.
std::optional<Segment> clip_segment(const Segment& s, const ClipRect& r);

}  // namespace airfoil
