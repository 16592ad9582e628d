#include "model/flow_field.h"

#include <algorithm>
#include <cmath>

namespace airfoil {

namespace {

// A point closer to the centre than this fraction of the radius is inside the
// circle; the surface points of the geometry step lie on it only to rounding.
constexpr double kInsideCircle = 1 - 1e-9;
// A root of the inverse map no farther out than this is on the body.
constexpr double kOnCircle = 1 + 1e-9;
// Beyond this distance (in map units) the body's disturbance of the stream,
// of relative size (|zc| + R + |G / 2 pi|) / |zeta| < 1e-99, lies far below a
// double's resolution: there zeta = z - 1/z - ... is z, the velocity is the
// free stream's in both planes, and the R^2 / r term of the stream function
// is nothing. Squares of such distances would overflow from 1e154 on.
constexpr double kFar = 1e100;

bool finite(Complex z) { return std::isfinite(z.real()) && std::isfinite(z.imag()); }
bool far(Complex zeta) { return std::max(std::abs(zeta.real()), std::abs(zeta.imag())) > kFar; }

// a / b by Smith's rule: no overflow for large or small b, and several times
// faster than the library's division, which also mends infinities we never
// let through. A zero b gives a non-finite result, which the callers reject.
Complex divide(Complex a, Complex b) {
  const double c = b.real();
  const double d = b.imag();
  if (std::abs(c) >= std::abs(d)) {
    const double r = d / c;
    const double den = c + d * r;
    return {(a.real() + a.imag() * r) / den, (a.imag() - a.real() * r) / den};
  }
  const double r = c / d;
  const double den = c * r + d;
  return {(a.real() * r + a.imag()) / den, (a.imag() * r - a.real()) / den};
}

Velocity velocity_of(Complex w) {
  // w = u - i v
  Velocity out;
  out.u = w.real();
  out.v = -w.imag();
  const double q2 = out.u * out.u + out.v * out.v;
  out.speed = std::sqrt(q2);
  out.Cp = 1 - q2;
  return out;
}

bool finite(const Velocity& v) { return std::isfinite(v.Cp) && std::isfinite(v.speed); }

// F'(zeta) = e^(-i alfa) (t - t1)(t - t2) / t^2 with the two stagnation points
// t1 = 1 - zc and t2 on the circle. Written this way the factor t - t1 is
// zeta - 1 exactly, and it cancels the zero of the map's derivative
// 1 - 1/zeta^2 = (zeta - 1)(zeta + 1) / zeta^2 at the cusp: the section's
// velocity e^(-i alfa) (t - t2) zeta^2 / (t^2 (zeta + 1)) is then finite at
// zeta = 1 and free of the cancellation a quotient of two small numbers has.
struct Velocities {
  Complex circle;
  Complex section;
};

std::optional<Velocities> velocities(const FlowField& f, Complex zeta) {
  if (far(zeta)) return Velocities{f.stream, f.stream};
  const Complex t = zeta - f.centre;
  const Complex t2 = t * t;
  const Complex plus1 = zeta + 1.0;
  Velocities out;
  if (f.smooth_leading_edge) {
    // t - t2 is zeta + 1 itself and cancels the map's second zero.
    out = Velocities{divide(f.stream * plus1 * (zeta - 1.0), t2), divide(f.stream * (zeta * zeta), t2)};
  } else {
    if (plus1 == Complex(0, 0)) return std::nullopt;
    const Complex stream = f.stream * (t - f.front_offset);
    out = Velocities{divide(stream * (zeta - 1.0), t2), divide(stream * (zeta * zeta), t2 * plus1)};
  }
  if (!finite(out.circle) || !finite(out.section)) return std::nullopt;
  return out;
}

// The squared speed alone, from the moduli of the same factors: no complex
// division, for the many samples of the colour map.
double speed_squared(const FlowField& f, Complex zeta, Plane plane) {
  const double t2 = std::norm(zeta - f.centre);
  const double to_front =
      f.smooth_leading_edge ? std::norm(zeta + 1.0) : std::norm(zeta - f.centre - f.front_offset);
  if (plane == Plane::circle) return to_front * std::norm(zeta - 1.0) / (t2 * t2);
  if (f.smooth_leading_edge) return std::norm(zeta) * std::norm(zeta) / (t2 * t2);
  return to_front * std::norm(zeta) * std::norm(zeta) / (t2 * t2 * std::norm(zeta + 1.0));
}

bool outside_or_on(const FlowField& f, Complex zeta) {
  return std::norm(zeta - f.centre) >= (f.R * kInsideCircle) * (f.R * kInsideCircle);
}

// The principal square root, with the cancellation-free choice of which
// part to take from the other; two real square roots instead of the
// library's general routine.
Complex square_root(Complex w) {
  const double a = w.real();
  const double b = w.imag();
  const double m = std::sqrt(a * a + b * b);
  if (m == 0) return {0, 0};
  if (a >= 0) {
    const double re = std::sqrt((m + a) / 2);
    return {re, b / (2 * re)};
  }
  const double im = std::copysign(std::sqrt((m - a) / 2), b);
  return {b / (2 * im), im};
}

}  // namespace

View fit_view(const View& wanted, double width, double height) {
  if (!(width > 0) || !(height > 0) || !std::isfinite(width) || !std::isfinite(height)) {
    return wanted;
  }
  const double cx = (wanted.x_min + wanted.x_max) / 2;
  const double cy = (wanted.y_min + wanted.y_max) / 2;
  double w = wanted.x_max - wanted.x_min;
  double h = wanted.y_max - wanted.y_min;
  const double aspect = width / height;
  if (w < h * aspect) {
    w = h * aspect;
  } else {
    h = w / aspect;
  }
  return View{cx - w / 2, cy - h / 2, cx + w / 2, cy + h / 2};
}

std::optional<FlowField> flow_field(const WindowState& s) {
  const double values[] = {s.Chord, s.Radius, s.Eps, s.Delta, s.xShift, s.BetaTE, s.AlfaD, s.pi};
  for (double v : values) {
    if (!std::isfinite(v)) return std::nullopt;
  }
  if (!(s.Chord > 0) || !(s.Radius > 0)) return std::nullopt;

  FlowField f;
  f.alfa = (s.AlfaD * s.pi) / 180;
  f.BetaTE = s.BetaTE;
  f.centre = Complex(-s.Eps, s.Delta);
  f.R = s.Radius;
  f.circulation = 2 * f.R * std::sin(f.alfa + f.BetaTE);
  // The two stagnation points t1, t2 (about the centre) have the product
  // -R^2 e^(2 i alfa); with t1 = R e^(-i BetaTE) the front one is
  // R e^(i (pi + 2 alfa + BetaTE)).
  f.front_offset = -std::polar(f.R, 2 * f.alfa + f.BetaTE);
  f.stream = std::polar(1.0, -f.alfa);
  if (s.Eps == 0 && s.AlfaD == 0) {
    f.smooth_leading_edge = true;
    f.front_offset = Complex(-1, 0) - f.centre;
  }
  f.Chord = s.Chord;
  f.xShift = s.xShift;
  return f;
}

Complex map_to_z(Complex zeta) { return zeta + 1.0 / zeta; }

PlanePoint airfoil_point(const FlowField& f, Complex zeta) {
  if (zeta == Complex(1, 0)) return PlanePoint{1, 0};
  const Complex z = map_to_z(zeta);
  return PlanePoint{z.real() / f.Chord - f.xShift, z.imag() / f.Chord};
}

std::optional<Complex> circle_point(const FlowField& f, PlanePoint p) {
  if (!std::isfinite(p.x) || !std::isfinite(p.y)) return std::nullopt;
  const Complex z((p.x + f.xShift) * f.Chord, p.y * f.Chord);
  if (!finite(z)) return std::nullopt;
  if (far(z)) return z;
  // The cusp: z - 2 ~ (zeta - 1)^2, so rounding in z moves the root off the
  // circle by its square root. The trailing edge itself is on the section.
  if (std::abs(z - 2.0) <= 1e-12 * f.Chord) return std::nullopt;
  const Complex s = square_root(z * z - 4.0);
  // Take the larger root directly and the smaller as its reciprocal; the
  // difference z - s would cancel far from the section.
  const Complex plus = (z + s) / 2.0;
  const Complex minus = (z - s) / 2.0;
  const Complex big = std::norm(plus) >= std::norm(minus) ? plus : minus;
  if (!finite(big) || big == Complex(0, 0)) return std::nullopt;
  const Complex small = divide(1.0, big);
  const double d_big = std::norm(big - f.centre);
  const double d_small = std::norm(small - f.centre);
  const Complex zeta = d_big >= d_small ? big : small;
  if (!(std::max(d_big, d_small) > (f.R * kOnCircle) * (f.R * kOnCircle))) return std::nullopt;
  return zeta;
}

double stream_function_polar(const FlowField& f, double r, double theta) {
  const double R = f.R;
  return (((r - R) * (r + R) / r) * std::sin(theta - f.alfa) + f.circulation * std::log(r / R)) / f.Chord;
}

std::optional<double> stream_function(const FlowField& f, Complex zeta) {
  if (!finite(zeta) || !outside_or_on(f, zeta)) return std::nullopt;
  const Complex t = zeta - f.centre;
  const double r = std::abs(t);
  const double psi = far(zeta)
                         ? (r * std::sin(std::arg(t) - f.alfa) + f.circulation * std::log(r / f.R)) / f.Chord
                         : stream_function_polar(f, r, std::arg(t));
  if (!std::isfinite(psi)) return std::nullopt;
  return psi;
}

std::optional<FlowPoint> flow_at_zeta(const FlowField& f, Complex zeta) {
  if (!finite(zeta) || !outside_or_on(f, zeta)) return std::nullopt;
  const auto v = velocities(f, zeta);
  if (!v) return std::nullopt;
  const auto psi = stream_function(f, zeta);
  if (!psi) return std::nullopt;
  FlowPoint out;
  out.zeta = zeta;
  out.airfoil = airfoil_point(f, zeta);
  out.psi = *psi;
  out.circle = velocity_of(v->circle);
  out.section = velocity_of(v->section);
  if (!finite(out.circle) || !finite(out.section) || !std::isfinite(out.airfoil.x) ||
      !std::isfinite(out.airfoil.y)) {
    return std::nullopt;
  }
  return out;
}

std::optional<FlowPoint> flow_at_airfoil_point(const FlowField& f, PlanePoint p) {
  const auto zeta = circle_point(f, p);
  if (!zeta) return std::nullopt;
  auto out = flow_at_zeta(f, *zeta);
  if (out) out->airfoil = p;
  return out;
}

std::optional<Velocity> section_velocity(const FlowField& f, PlanePoint p) {
  if (const auto here = flow_at_airfoil_point(f, p)) return here->section;
  // A finite point whose circle-plane position exceeds the double range is
  // farther still than kFar: the free stream.
  const Complex z((p.x + f.xShift) * f.Chord, p.y * f.Chord);
  if (std::isfinite(p.x) && std::isfinite(p.y) && !finite(z)) return velocity_of(f.stream);
  return std::nullopt;
}

std::optional<FlowPoint> flow_at(const FlowField& f, Plane plane, PlanePoint p) {
  if (plane == Plane::circle) return flow_at_zeta(f, Complex(p.x, p.y));
  return flow_at_airfoil_point(f, p);
}

StagnationPoints stagnation_points(const FlowField& f) {
  StagnationPoints out;
  out.rear.zeta = Complex(1, 0);
  out.rear.airfoil = PlanePoint{1, 0};
  out.front.zeta = f.smooth_leading_edge ? Complex(-1, 0) : f.centre + f.front_offset;
  out.front.airfoil = airfoil_point(f, out.front.zeta);
  return out;
}

std::vector<PlanePoint> section_outline(const FlowField& f, int n) {
  n = std::max(n, 3);
  std::vector<PlanePoint> out(static_cast<std::size_t>(n));
  const double two_pi = 2 * std::acos(-1.0);
  for (int k = 0; k < n; ++k) {
    const Complex zeta =
        (k == 0 || k == n - 1) ? Complex(1, 0) : f.centre + std::polar(f.R, -f.BetaTE - two_pi * k / (n - 1));
    out[static_cast<std::size_t>(k)] = airfoil_point(f, zeta);
  }
  return out;
}

CpSamples sample_cp(const FlowField& f, Plane plane, const View& view, int width, int height) {
  CpSamples out;
  out.view = view;
  out.width = std::clamp(width, 0, 4096);
  out.height = std::clamp(height, 0, 4096);
  out.cp.assign(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height), std::nullopt);
  const double dx = (view.x_max - view.x_min) / out.width;
  const double dy = (view.y_max - view.y_min) / out.height;
  std::size_t k = 0;
  for (int j = 0; j < out.height; ++j) {
    const double y = view.y_max - (j + 0.5) * dy;
    for (int i = 0; i < out.width; ++i, ++k) {
      const double x = view.x_min + (i + 0.5) * dx;
      std::optional<Complex> zeta;
      if (plane == Plane::circle) {
        const Complex z(x, y);
        if (finite(z) && std::norm(z - f.centre) > f.R * f.R) zeta = z;
      } else {
        zeta = circle_point(f, PlanePoint{x, y});
      }
      if (!zeta) continue;
      const double cp = 1 - speed_squared(f, *zeta, plane);
      if (std::isfinite(cp)) out.cp[k] = cp;
    }
  }
  return out;
}

}  // namespace airfoil
