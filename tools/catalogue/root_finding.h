// One-dimensional root finding for the catalogue generator.
#pragma once

#include <cmath>
#include <limits>

namespace catalogue {

// Brent's method: a zero of f in [a, b], where fa = f(a) and fb = f(b) do not
// have the same sign. Inverse quadratic interpolation where it behaves,
// bisection where it does not, so the bracket always shrinks; the result is
// good to a few units in the last place of the root (or `abs_tol`, for roots
// near zero).
template <class F>
double brent_root(F&& f, double a, double b, double fa, double fb, double abs_tol = 1e-300) {
  if (fa == 0) return a;
  if (fb == 0) return b;
  double c = b, fc = fb, d = b - a, e = d;
  for (int iteration = 0; iteration < 300; ++iteration) {
    if ((fb > 0) == (fc > 0)) {
      c = a;
      fc = fa;
      d = e = b - a;
    }
    if (std::fabs(fc) < std::fabs(fb)) {
      a = b;
      b = c;
      c = a;
      fa = fb;
      fb = fc;
      fc = fa;
    }
    const double tol = 2 * std::numeric_limits<double>::epsilon() * std::fabs(b) + 0.5 * abs_tol;
    const double half = 0.5 * (c - b);
    if (std::fabs(half) <= tol || fb == 0) return b;
    if (std::fabs(e) >= tol && std::fabs(fa) > std::fabs(fb)) {
      const double s = fb / fa;
      double p, q;
      if (a == c) {
        p = 2 * half * s;
        q = 1 - s;
      } else {
        const double qa = fa / fc, r = fb / fc;
        p = s * (2 * half * qa * (qa - r) - (b - a) * (r - 1));
        q = (qa - 1) * (r - 1) * (s - 1);
      }
      if (p > 0) q = -q;
      p = std::fabs(p);
      if (2 * p < std::fmin(3 * half * q - std::fabs(tol * q), std::fabs(e * q))) {
        e = d;
        d = p / q;
      } else {
        d = half;
        e = d;
      }
    } else {
      d = half;
      e = d;
    }
    a = b;
    fa = fb;
    b += std::fabs(d) > tol ? d : std::copysign(tol, half);
    fb = f(b);
  }
  return b;
}

}  // namespace catalogue
