#include "mapped_section.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "root_finding.h"

namespace catalogue {
namespace {

using Complex = std::complex<double>;
constexpr double kPi = 3.141592653589793238462643383279502884;

// The outline is walked by the angle t about the circle's centre, starting at
// the trailing edge zeta = 1; counterclockwise first runs over the upper side.
class Outline {
 public:
  explicit Outline(Circle c)
      : centre_(-c.eps, c.delta),
        radius_(std::hypot(1 + c.eps, c.delta)),
        t_trailing_edge_(std::atan2(-c.delta, 1 + c.eps)) {}

  double t_trailing_edge() const { return t_trailing_edge_; }

  Complex z(double t) const {
    const Complex s = zeta(t);
    return s + 1.0 / s;
  }

  // dz/dt = (1 - 1/zeta^2) * dzeta/dt, with dzeta/dt = i R e^(it).
  Complex dz_dt(double t) const {
    const Complex s = zeta(t);
    return (1.0 - 1.0 / (s * s)) * Complex(0, 1) * std::polar(radius_, t);
  }

 private:
  Complex zeta(double t) const { return centre_ + std::polar(radius_, t); }

  Complex centre_;
  double radius_;
  double t_trailing_edge_;
};

// One surface from the foremost point of the outline to the trailing edge, as
// sampled angles sorted by ascending x, for bracketing the angle of a given x.
struct SurfaceTable {
  std::vector<double> x;
  std::vector<double> t;
};

struct SurfacePoint {
  double y = 0;
  double slope = 0;  // dy/dx
};

class Section {
 public:
  explicit Section(Circle c) : outline_(c) {
    // Sampling finds the foremost point and checks that each surface runs
    // one way in x, so that "the surface at x" means one point.
    constexpr int kSamples = 720;
    std::vector<double> ts(kSamples + 1), xs(kSamples + 1);
    for (int i = 0; i <= kSamples; ++i) {
      ts[i] = outline_.t_trailing_edge() + 2 * kPi * i / kSamples;
      xs[i] = outline_.z(ts[i]).real();
    }
    const auto front = static_cast<std::size_t>(std::min_element(xs.begin() + 1, xs.end() - 1) - xs.begin());

    // For a cambered section the foremost point of the outline lies a little
    // off the real axis and ahead of the leading-edge point (the image of
    // zeta = -(1 + 2 eps)). Splitting the outline there, rather than at the
    // leading-edge point, gives two surfaces that are single-valued in x and
    // both span the same range, from the foremost x to the trailing edge.
    double t_front = ts[front];
    const double slope_before = outline_.dz_dt(ts[front - 1]).real();
    const double slope_after = outline_.dz_dt(ts[front + 1]).real();
    if (slope_before < 0 && slope_after > 0) {
      t_front = brent_root([&](double t) { return outline_.dz_dt(t).real(); }, ts[front - 1], ts[front + 1],
                           slope_before, slope_after);
    }
    x_front_ = outline_.z(t_front).real();

    // A sample that falls on the foremost point itself is left out.
    for (std::size_t i = 0; i < xs.size(); ++i) {
      if (ts[i] < t_front && xs[i] > x_front_) push(upper_, xs[i], ts[i]);
    }
    push(upper_, x_front_, t_front);
    std::reverse(upper_.x.begin(), upper_.x.end());
    std::reverse(upper_.t.begin(), upper_.t.end());
    push(lower_, x_front_, t_front);
    for (std::size_t i = 0; i < xs.size(); ++i) {
      if (ts[i] > t_front && xs[i] > x_front_) push(lower_, xs[i], ts[i]);
    }
    for (const SurfaceTable* s : {&upper_, &lower_}) {
      if (!std::is_sorted(s->x.begin(), s->x.end(), std::less_equal<double>())) {
        throw std::runtime_error("a surface of the section of eps " + std::to_string(c.eps) + " and delta " +
                                 std::to_string(c.delta) + " turns back in x");
      }
    }
  }

  double x_front() const { return x_front_; }
  SurfacePoint upper(double x) const { return at(upper_, x); }
  SurfacePoint lower(double x) const { return at(lower_, x); }

 private:
  static void push(SurfaceTable& s, double x, double t) {
    s.x.push_back(x);
    s.t.push_back(t);
  }

  SurfacePoint at(const SurfaceTable& s, double x) const {
    const auto above = std::lower_bound(s.x.begin(), s.x.end(), x);
    std::size_t k = static_cast<std::size_t>(above - s.x.begin());
    k = std::clamp<std::size_t>(k, 1, s.x.size() - 1);
    const auto gap = [&](double t) { return outline_.z(t).real() - x; };
    const double ga = gap(s.t[k - 1]), gb = gap(s.t[k]);
    double t = std::fabs(ga) < std::fabs(gb) ? s.t[k - 1] : s.t[k];
    if ((ga <= 0) != (gb <= 0)) t = brent_root(gap, s.t[k - 1], s.t[k], ga, gb, 1e-17);
    const Complex d = outline_.dz_dt(t);
    return {outline_.z(t).imag(), d.imag() / d.real()};
  }

  Outline outline_;
  double x_front_ = 0;
  SurfaceTable upper_, lower_;
};

struct Peak {
  double x = 0;
  double value = 0;
};

// The largest value of a smooth single-peaked function of x on (x0, x1),
// given the function and its derivative. A grid brackets the peak; the
// derivative's zero then places it to machine precision, where a search on
// the values alone would stall at about the square root of it.
template <class Value, class Slope>
Peak largest(Value&& value, Slope&& slope, double x0, double x1) {
  constexpr int kGrid = 120;
  std::vector<double> xs, vs;
  for (int j = 1; j < kGrid; ++j) {
    // Cosine spacing: finer near the nose and the trailing edge.
    xs.push_back(x0 + (x1 - x0) * 0.5 * (1 - std::cos(kPi * j / kGrid)));
    vs.push_back(value(xs.back()));
  }
  const auto best = static_cast<std::size_t>(std::max_element(vs.begin(), vs.end()) - vs.begin());
  Peak peak{xs[best], vs[best]};
  const double a = best == 0 ? x0 : xs[best - 1];
  const double b = best + 1 == xs.size() ? x1 : xs[best + 1];
  const double sa = slope(a), sb = slope(b);
  double x;
  if (sa > 0 && sb < 0) {
    x = brent_root(slope, a, b, sa, sb, 1e-17);
  } else {
    // No sign change: a flat function (the thickness of an arc, the mean
    // line of a symmetric section). Golden section on the values will do.
    const double g = (std::sqrt(5.0) - 1) / 2;
    double lo = a, hi = b;
    for (int i = 0; i < 100 && hi - lo > 1e-15; ++i) {
      const double m1 = hi - g * (hi - lo), m2 = lo + g * (hi - lo);
      if (value(m1) < value(m2))
        lo = m1;
      else
        hi = m2;
    }
    x = 0.5 * (lo + hi);
  }
  const double v = value(x);
  if (v >= peak.value) peak = {x, v};
  return peak;
}

}  // namespace

double section_chord(double eps) {
  // 2 - z(-(1 + 2 eps)) = 2 + a + 1/a with a = 1 + 2 eps, which is (1 + a)^2 / a.
  return 4 * (1 + eps) * (1 + eps) / (1 + 2 * eps);
}

SectionShape measure_section(Circle circle) {
  if (!std::isfinite(circle.eps) || !std::isfinite(circle.delta) || !(1 + 2 * circle.eps > 0)) {
    throw std::runtime_error("the circle does not enclose the origin");
  }
  const Section section(circle);
  const double chord = section_chord(circle.eps);
  const double x_leading_edge = 2 - chord;

  const Peak thickness = largest([&](double x) { return section.upper(x).y - section.lower(x).y; },
                                 [&](double x) { return section.upper(x).slope - section.lower(x).slope; },
                                 section.x_front(), 2.0);
  // The chord line is the real axis, so the mean line's height above it is
  // simply its ordinate.
  const Peak camber =
      largest([&](double x) { return 0.5 * (section.upper(x).y + section.lower(x).y); },
              [&](double x) { return 0.5 * (section.upper(x).slope + section.lower(x).slope); },
              section.x_front(), 2.0);

  return {thickness.value / chord, camber.value / chord, (thickness.x - x_leading_edge) / chord};
}

}  // namespace catalogue
