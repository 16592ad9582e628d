#include "model/readouts.h"

#include <cmath>
#include <complex>
#include <vector>

#include "model/coefficients.h"

namespace airfoil {

namespace {

using complex = std::complex<double>;

constexpr double kGamma = 1.4;

// The exact flow on the circle and its image. The circle point at centre
// angle psi is zeta = (-Eps, Delta) + R e^(i psi); the flow round the circle,
// with the trailing-edge condition fixing the circulation, has the speed
// q = 2 (sin(psi - alpha) + sin(alpha + BetaTE)) there, and the map
// z = zeta + 1/zeta divides it by |dz/dzeta| = |1 - 1/zeta^2|.
class ExactSurface {
 public:
  ExactSurface(const WindowState& w, double alpha) : w_(w), alpha_(alpha), R_(std::sqrt(w.Radius2)) {}

  complex zeta(double psi) const { return {-w_.Eps + R_ * std::cos(psi), w_.Delta + R_ * std::sin(psi)}; }
  double q(double psi) const { return 2 * (std::sin(psi - alpha_) + std::sin(alpha_ + w_.BetaTE)); }

  // The squared surface speed. A circle through zeta = -1 (zero thickness)
  // meets the second critical point of the map there; at the ideal angle the
  // flow leaves it smoothly and the speed tends to cos(BetaTE)^2, the limit
  // of q / |dz/dzeta| as both vanish together.
  double speed2(double psi) const {
    const complex z = zeta(psi);
    if (w_.Eps == 0 && std::abs(z + 1.0) < 1e-7) {
      const double c = std::cos(w_.BetaTE);
      return c * c * c * c;
    }
    const double v = q(psi) / std::abs(1.0 - 1.0 / (z * z));
    return v * v;
  }

  // The sign of d(V^2)/d psi: V^2 = q^2 / |f'|^2 with f' = 1 - zeta^-2,
  // f'' = 2 zeta^-3 and d zeta / d psi = i R e^(i psi), so the derivative
  // has the sign of q (q' |f'|^2 - q Re(conj(f') f'' zeta')).
  double slope_sign(double psi) const {
    const complex z = zeta(psi);
    const complex f1 = 1.0 - 1.0 / (z * z);
    const complex f2 = 2.0 / (z * z * z);
    const complex dz = complex(0, R_) * std::polar(1.0, psi);
    const double qq = q(psi);
    const double dq = 2 * std::cos(psi - alpha_);
    return qq * (dq * std::norm(f1) - qq * std::real(std::conj(f1) * f2 * dz));
  }

  double x_over_c(double psi) const {
    const complex z = zeta(psi);
    return std::real(z + 1.0 / z) / w_.Chord - w_.xShift;
  }

 private:
  const WindowState& w_;
  double alpha_;
  double R_;
};

// Refines a sampled maximum of V^2 between lo and hi, where the slope turns
// from rising to falling, by bisection on the slope's sign: the angle comes
// out to the last bit, so the peak's place is as exact as its value.
double refine_peak(const ExactSurface& s, double lo, double hi) {
  if (!(s.slope_sign(lo) >= 0 && s.slope_sign(hi) <= 0)) {
    // No clean sign change (a flat stretch): the sample itself is the peak.
    return s.speed2(lo) > s.speed2(hi) ? lo : hi;
  }
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid <= lo || mid >= hi) break;
    if (s.slope_sign(mid) > 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

}  // namespace

double sonic_cp(double M) {
  const double g = kGamma;
  return 2 / (g * M * M) * (std::pow((2 + (g - 1) * M * M) / (g + 1), g / (g - 1)) - 1);
}

// The corrected peak Cp_min / sqrt(1 - M^2) falls and the sonic value Cp*(M)
// rises with M, so their difference changes sign exactly once in (0, 1) when
// Cp_min < 0: bisection finds that crossing to the last bit.
std::optional<double> critical_mach(double cp_min) {
  if (!(cp_min < 0)) return std::nullopt;
  const auto excess = [&](double M) { return cp_min / std::sqrt(1 - M * M) - sonic_cp(M); };
  double lo = 0;
  double hi = 1;
  for (int i = 0; i < 200; ++i) {
    const double mid = 0.5 * (lo + hi);
    if (mid <= lo || mid >= hi) break;
    if (excess(mid) > 0) {
      lo = mid;
    } else {
      hi = mid;
    }
  }
  return 0.5 * (lo + hi);
}

// The peak is searched on the circle, not among the nP points: a fine sweep of
// the centre angle finds every local maximum of the speed, and each one close
// to the largest is refined, so that two nearly equal suction peaks (upper
// side and lower side) cannot be mistaken for each other.
std::optional<SurfacePeak> exact_surface_peak(const WindowState& w, double alpha) {
  // Zero thickness: the leading edge is the sharp critical point zeta = -1 of
  // the map, where the speed is unbounded unless the circle's flow has its
  // stagnation point there, which is alpha = 0 for every camber of this map.
  if (w.Eps == 0 && alpha != 0) return std::nullopt;
  const ExactSurface s(w, alpha);
  constexpr int n = 1024;
  const double step = 2 * w.pi / n;
  const double start = -w.BetaTE;  // the trailing edge, seen from the centre
  std::vector<double> v2(n + 1);
  // Both ends are the cusped trailing edge, with the finite speed
  // cos(alpha + BetaTE) / R.
  v2[0] = v2[n] = std::pow(std::cos(alpha + w.BetaTE), 2) / w.Radius2;
  double best = v2[0];
  for (int k = 1; k < n; ++k) {
    v2[k] = s.speed2(start + k * step);
    best = std::max(best, v2[k]);
  }
  double best_psi = start;
  double best_v2 = v2[0];
  for (int k = 1; k < n; ++k) {
    if (v2[k] < v2[k - 1] || v2[k] < v2[k + 1] || v2[k] < 0.9 * best) continue;
    const double psi = refine_peak(s, start + (k - 1) * step, start + (k + 1) * step);
    const double value = s.speed2(psi);
    if (value > best_v2) {
      best_v2 = value;
      best_psi = psi;
    }
  }
  const double Cp = finite_or_fault(1 - best_v2, "lowest pressure coefficient");
  return SurfacePeak{best_psi, s.x_over_c(best_psi), Cp};
}

Readouts compute_readouts(const Window& w) {
  Readouts r;
  r.thin_cl_alpha_per_rad = 2 * w.pi;
  r.thin_alpha_zero_lift_deg = -2 * w.Camber * 180 / w.pi;
  r.thin_cm_quarter = -w.pi * w.Camber;
  r.moo_pressure = w.drawn_moo.pressure;
  r.moo_lift = w.drawn_moo.lift;
  r.moo_moment = w.drawn_moo.moment;
  if (w.Chord == 0) {
    r.ac_missing = r.peak_missing = NoValue::no_geometry;
    return r;
  }
  r.geometry = true;
  const double alpha = w.AlfaD * w.pi / 180;
  r.cl = lift_coefficient(w, alpha);
  r.cm = moment_coefficient(w, alpha, r.cl);
  if (r.moo_lift != 0) r.cl_corrected = r.cl / compressibility_factor(r.moo_lift);
  if (r.moo_moment != 0) r.cm_corrected = r.cm / compressibility_factor(r.moo_moment);

  r.alpha_zero_lift_deg = -w.BetaTE * 180 / w.pi;
  r.cl_alpha_per_rad = 8 * w.pi * w.RadiusC;  // d/d alpha of 8 pi (R/c) sin(alpha + BetaTE) at zero lift
  r.cl_alpha_per_deg = r.cl_alpha_per_rad * w.pi / 180;

  r.x_ac = aerodynamic_centre(w, alpha);
  if (r.x_ac) {
    r.cm_ac = moment_coefficient_about(w, alpha, r.cl, *r.x_ac);
  } else {
    r.ac_missing = NoValue::no_centre;
  }

  if (r.moo_pressure != 0) {
    // Finite for every Moo whose square does not underflow to zero.
    const double cp_star = sonic_cp(std::fabs(r.moo_pressure));
    if (std::isfinite(cp_star)) r.cp_star = cp_star;
  }
  if (w.Eps == 0 && w.Delta == 0 && alpha == 0) {
    // The flat plate edge-on: the flow is undisturbed, Cp = 0 everywhere.
    r.cp_min = 0;
    r.peak_missing = NoValue::flat_plate_at_zero;
    return r;
  }
  const std::optional<SurfacePeak> peak = exact_surface_peak(w, alpha);
  if (!peak) {
    r.peak_missing = NoValue::sharp_leading_edge;
    // An unbounded peak is sonic at any Mach number.
    r.supercritical = r.moo_pressure != 0;
    return r;
  }
  r.cp_min = peak->Cp;
  r.x_cp_min = peak->x;
  r.m_crit = critical_mach(peak->Cp);
  if (!r.m_crit) {
    r.peak_missing = NoValue::no_suction;
    return r;
  }
  r.supercritical = r.moo_pressure != 0 && std::fabs(r.moo_pressure) >= *r.m_crit;
  return r;
}

}  // namespace airfoil
