#include "circle_search.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace catalogue {
namespace {

// Newton steps on (eps, delta) stop when both ratios are met this closely;
// the measurement itself is good to a few units of 1e-17.
constexpr double kConverged = 1e-16;
constexpr int kMaxSteps = 30;
// Forward-difference step for the Jacobian: the Jacobian is then good to
// about 1e-7, so each Newton step still gains about seven digits.
constexpr double kDifferenceStep = 1e-7;

double worst(const SectionShape& s, double thickness, double camber) {
  return std::max(std::fabs(s.thickness - thickness), std::fabs(s.camber - camber));
}

}  // namespace

CircleFit find_circle(double thickness, double camber, double tolerance) {
  // Zero thickness: the circle passes through both critical points zeta = 1
  // and zeta = -1 (eps = 0) and the section is a circular arc of chord 4. The
  // top of the circle, zeta = i (delta + R), maps to z = i (delta + R) -
  // i (R - delta) = 2 i delta, so the arc rises 2 delta over chord 4 and the
  // camber ratio is delta / 2.
  if (thickness == 0) {
    const Circle arc{0.0, 2.0 * camber};
    const SectionShape shape = measure_section(arc);
    if (!(worst(shape, thickness, camber) <= tolerance)) {
      throw std::runtime_error("the circular arc does not measure as expected");
    }
    return {arc, shape};
  }

  // Starting point from the thin-section limits: thickness ratio about
  // 3 sqrt(3) / 4 * eps, camber ratio about delta / 2. A symmetric section
  // (camber 0) keeps delta = 0 exactly, and only eps is searched.
  const bool symmetric = camber == 0;
  Circle c{thickness / (3 * std::sqrt(3.0) / 4), 2 * camber};
  SectionShape shape = measure_section(c);
  CircleFit best{c, shape};

  // Near the solution the residual is rounding noise; two steps in a row
  // that do not improve on the previous one end the search.
  int stalls = 0;
  for (int step = 0; step < kMaxSteps && stalls < 2 && worst(shape, thickness, camber) > kConverged; ++step) {
    const double before = worst(shape, thickness, camber);
    const double rt = shape.thickness - thickness;
    const double rc = shape.camber - camber;
    double d_eps, d_delta = 0;
    const SectionShape by_eps = measure_section({c.eps + kDifferenceStep, c.delta});
    const double t_eps = (by_eps.thickness - shape.thickness) / kDifferenceStep;
    if (symmetric) {
      d_eps = -rt / t_eps;
    } else {
      const double c_eps = (by_eps.camber - shape.camber) / kDifferenceStep;
      const SectionShape by_delta = measure_section({c.eps, c.delta + kDifferenceStep});
      const double t_delta = (by_delta.thickness - shape.thickness) / kDifferenceStep;
      const double c_delta = (by_delta.camber - shape.camber) / kDifferenceStep;
      const double det = t_eps * c_delta - t_delta * c_eps;
      d_eps = -(c_delta * rt - t_delta * rc) / det;
      d_delta = -(t_eps * rc - c_eps * rt) / det;
    }
    // A step that would take eps below zero (no thickness left) is shortened.
    while (c.eps + d_eps <= 0) {
      d_eps /= 2;
      d_delta /= 2;
    }
    c = {c.eps + d_eps, c.delta + d_delta};
    shape = measure_section(c);
    stalls = worst(shape, thickness, camber) < before ? 0 : stalls + 1;
    if (worst(shape, thickness, camber) < worst(best.shape, thickness, camber)) best = {c, shape};
  }

  if (!(worst(best.shape, thickness, camber) <= tolerance)) {
    throw std::runtime_error("no circle found for thickness " + std::to_string(thickness) + " and camber " +
                             std::to_string(camber));
  }
  return best;
}

}  // namespace catalogue
