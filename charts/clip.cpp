#include "charts/clip.h"

#include <algorithm>
#include <cmath>

namespace airfoil {

namespace {

bool finite(double a, double b, double c, double d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// One Liang-Barsky boundary test: the segment runs inside this edge where
// p * t <= q. Narrows [t0, t1]; false when nothing is left.
bool narrow(double p, double q, double& t0, double& t1) {
  if (p == 0) return q >= 0;  // parallel to the edge: wholly in or wholly out
  const double t = q / p;
  if (p < 0) {
    t0 = std::max(t0, t);
  } else {
    t1 = std::min(t1, t);
  }
  return t0 <= t1;
}

// The point at parameter t, written as a weighted mean of the ends so that
// it cannot overflow even when the ends lie near the largest double, and so
// that t = 0 and t = 1 give the ends exactly.
double at(double a, double b, double t) {
  if (t == 0) return a;
  if (t == 1) return b;
  return a * (1 - t) + b * t;
}

// Liang-Barsky on a segment whose visible part lies close to one of its ends
// (or whose ends are both near the rectangle), so that the clipped points,
// computed from the parameters, keep their precision.
std::optional<Segment> clip_near(const Segment& s, const ClipRect& r) {
  // Half differences: the difference of two finite doubles can overflow,
  // the difference of their halves cannot. Every test below compares
  // halves, which leaves the parameters t unchanged.
  const double hx = 0.5 * s.x2 - 0.5 * s.x1;
  const double hy = 0.5 * s.y2 - 0.5 * s.y1;
  double t0 = 0;
  double t1 = 1;
  if (!narrow(-hx, 0.5 * s.x1 - 0.5 * r.left, t0, t1)) return std::nullopt;
  if (!narrow(hx, 0.5 * r.right - 0.5 * s.x1, t0, t1)) return std::nullopt;
  if (!narrow(-hy, 0.5 * s.y1 - 0.5 * r.top, t0, t1)) return std::nullopt;
  if (!narrow(hy, 0.5 * r.bottom - 0.5 * s.y1, t0, t1)) return std::nullopt;

  // Rounding in the parameters may leave a clipped end a hair outside the
  // rectangle; the true end lies on its edge, so clamp it there.
  auto cx = [&](double v) { return std::clamp(v, r.left, r.right); };
  auto cy = [&](double v) { return std::clamp(v, r.top, r.bottom); };
  return Segment{cx(at(s.x1, s.x2, t0)), cy(at(s.y1, s.y2, t0)), cx(at(s.x1, s.x2, t1)),
                 cy(at(s.y1, s.y2, t1))};
}

bool inside(double x, double y, const ClipRect& r) {
  return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

bool box_meets(double xa, double ya, double xb, double yb, const ClipRect& r) {
  return std::max(xa, xb) >= r.left && std::min(xa, xb) <= r.right && std::max(ya, yb) >= r.top &&
         std::min(ya, yb) <= r.bottom;
}

}  // namespace

std::optional<Segment> clip_segment(const Segment& s, const ClipRect& r) {
  if (!finite(s.x1, s.y1, s.x2, s.y2) || !finite(r.left, r.top, r.right, r.bottom)) {
    return std::nullopt;
  }
  if (r.left > r.right || r.top > r.bottom) return std::nullopt;

  // A point on the segment computed from an end 1e30 away carries an error
  // of about 1e14, far more than the whole rectangle. So while both ends are
  // far away, the segment is halved, keeping the half that can still meet
  // the rectangle. The midpoint of two doubles is exact to half a unit in
  // its own last place, so the halves stay on the segment's line to a
  // precision set by their own, shrinking, size.
  const double mx = 0.5 * r.left + 0.5 * r.right;
  const double my = 0.5 * r.top + 0.5 * r.bottom;
  const double reach = 1e8 * (1 + std::max(0.5 * r.right - 0.5 * r.left, 0.5 * r.bottom - 0.5 * r.top));
  auto far = [&](double x, double y) { return std::fabs(x - mx) > reach || std::fabs(y - my) > reach; };

  Segment part = s;
  while (far(part.x1, part.y1) && far(part.x2, part.y2)) {
    const double hx = 0.5 * part.x1 + 0.5 * part.x2;
    const double hy = 0.5 * part.y1 + 0.5 * part.y2;
    if (inside(hx, hy, r)) {
      // The segment crosses the rectangle through its midpoint: clip each
      // half outward from there, where the exits lie close to the start.
      const std::optional<Segment> a = clip_near({hx, hy, part.x1, part.y1}, r);
      const std::optional<Segment> b = clip_near({hx, hy, part.x2, part.y2}, r);
      if (!a || !b) return std::nullopt;  // cannot happen: both start inside
      return Segment{a->x2, a->y2, b->x2, b->y2};
    }
    if (box_meets(part.x1, part.y1, hx, hy, r)) {
      part = {part.x1, part.y1, hx, hy};
    } else if (box_meets(hx, hy, part.x2, part.y2, r)) {
      part = {hx, hy, part.x2, part.y2};
    } else {
      return std::nullopt;
    }
  }
  return clip_near(part, r);
}

}  // namespace airfoil
