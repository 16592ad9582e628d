// Small helpers shared by the drawing procedures: every number handed to a
// surface goes through to_single, so a non-finite value becomes a Fault
// before anything is drawn.
#pragma once

#include <cmath>
#include <utility>

#include "charts/charts.h"

namespace airfoil {

inline void line(Surface& s, double x1, double y1, double x2, double y2, Colour colour) {
  const float a = to_single(x1), b = to_single(y1), c = to_single(x2), d = to_single(y2);
  s.Line(a, b, c, d, colour);
}

// A segment in the surface's foreground colour.
inline void line(Surface& s, double x1, double y1, double x2, double y2) {
  const float a = to_single(x1), b = to_single(y1), c = to_single(x2), d = to_single(y2);
  s.Line(a, b, c, d);
}

inline void circle(Surface& s, double x, double y, double radius, Colour colour) {
  const float a = to_single(x), b = to_single(y), r = to_single(radius);
  s.Circle(a, b, r, colour);
}

inline void clear_and_scale(Surface& s, float x1, float y1, float x2, float y2) {
  s.Cls();
  s.Scale(x1, y1, x2, y2);
}

// Draws an outline through the surface points 1 to nP, one segment from each
// point i to i + 1: the first part (trailing edge along the lower side to the
// leading edge) in `first`, the rest in `second`. `at(i)` gives point i in
// user coordinates.
//
// For an odd nP, nHalf is whole and the outline splits at the leading edge.
// An even nP (a dragged scroll thumb) makes nHalf end in .5; the outline then
// splits at the whole number below it, so it stays one unbroken polygon with
// no gap and no doubled segment at the leading edge.
template <class PointAt>
void two_part_outline(Surface& s, const WindowState& w, PointAt at, Colour first, Colour second) {
  auto segment = [&](double i, Colour colour) {
    const std::pair<double, double> a = at(i);
    const std::pair<double, double> b = at(i + 1);
    line(s, a.first, a.second, b.first, b.second, colour);
  };
  for (double i = 1; i <= w.nHalf; i += 1) segment(i, first);
  for (double i = std::floor(w.nHalf) + 1; i <= w.nSeg; i += 1) segment(i, second);
}

}  // namespace airfoil
