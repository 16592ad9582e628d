#include "model/coefficients.h"

#include <cmath>

#include "model/numtext.h"

namespace airfoil {

// Potential-flow lift of the mapped section: the Kutta condition at the
// trailing edge fixes the circulation, which gives CL = 8 pi (R / c)
// sin(alpha + BetaTE), zero at the angle alpha = -BetaTE.
double lift_coefficient(const WindowState& w, double alpha) {
  return finite_or_fault(8 * w.pi * w.RadiusC * std::sin(alpha + w.BetaTE), "lift coefficient");
}

double lift_coefficient_at_degrees(const WindowState& w, double alfa_degrees) {
  return lift_coefficient(w, alfa_degrees * w.pi / 180);
}

// The first two terms are the moment about the origin of the map plane (the
// first from the map's dipole term, the second from the lift acting at the
// circle's centre); the third carries it to the reference point.
double moment_coefficient(const WindowState& w, double alpha, double L) {
  return moment_coefficient_about(w, alpha, L, w.xM);
}

double moment_coefficient_about(const WindowState& w, double alpha, double L, double x) {
  const double m = 4 * w.pi * std::pow(1 / w.Chord, 2) * std::sin(2 * alpha) +
                   L * (w.Eps * std::cos(alpha) - w.Delta * std::sin(alpha)) / w.Chord +
                   L * (x + w.xShift) * std::cos(alpha);
  return finite_or_fault(m, "moment coefficient");
}

// CM about x is a(alpha) + L(alpha) (x + xShift) cos(alpha), linear in x, so
// dCM/d alpha vanishes at one x unless the lever term's slope
// d(L cos alpha)/d alpha = 8 pi (R / c) cos(2 alpha + BetaTE) is zero.
std::optional<double> aerodynamic_centre(const WindowState& w, double alpha) {
  const double k = 8 * w.pi * w.RadiusC;
  const double L = k * std::sin(alpha + w.BetaTE);
  const double dL = k * std::cos(alpha + w.BetaTE);
  const double lever_slope = dL * std::cos(alpha) - L * std::sin(alpha);
  if (lever_slope == 0) return std::nullopt;
  const double da = 8 * w.pi * std::pow(1 / w.Chord, 2) * std::cos(2 * alpha) +
                    (dL * (w.Eps * std::cos(alpha) - w.Delta * std::sin(alpha)) -
                     L * (w.Eps * std::sin(alpha) + w.Delta * std::cos(alpha))) /
                        w.Chord;
  return finite_or_fault(-w.xShift - da / lever_slope, "aerodynamic centre");
}

double moment_coefficient_at_degrees(const WindowState& w, double alfa_degrees, double L) {
  return moment_coefficient(w, alfa_degrees * w.pi / 180, L);
}

// The Prandtl-Glauert factor sqrt(1 - Moo^2) is real and non-zero only for
// subsonic free streams, |Moo| < 1. Beyond that the linearised correction
// has no meaning, so no corrected curve exists; the user is told once per
// cycle, however many charts of the cycle read the box.
std::optional<double> read_moo(Window& w) {
  const LeadingNumber read = read_leading_number(w.Text_Moo.Text);
  if (read.overflow || !(std::fabs(read.value) < 1)) {
    if (!w.moo_reported) w.message(kMooOutOfRange);
    w.moo_reported = true;
    return std::nullopt;
  }
  return read.value;
}

double compressibility_factor(double Moo) { return std::sqrt(1 - Moo * Moo); }

// The pressure chart stores Beta on every run, so at Moo = 0 it stores 1.
// The coefficient charts store it only for a non-zero Mach number and at
// Moo = 0 keep whatever factor the last run left. The difference is
// deliberate and shows only in the reference-point cycle, which runs the
// moment chart without the pressure chart: with Moo set back to 0 it leaves
// Beta at the factor of the last non-zero Mach number.
// Outside |Moo| < 1 there is no factor: Beta keeps its last value, and a Beta
// never written yet becomes 1, the incompressible factor (every valid Beta is
// above 0).
std::optional<double> store_beta(Window& w, BetaAtZeroMach rule, double& drawn) {
  drawn = 0;
  const std::optional<double> moo = read_moo(w);
  if (!moo) {
    if (w.Beta == 0) w.Beta = 1;
    return std::nullopt;
  }
  const double Moo = *moo;
  if (Moo == 0 && rule == BetaAtZeroMach::KeepLast) return std::nullopt;
  w.Beta = compressibility_factor(Moo);
  if (Moo == 0) return std::nullopt;
  drawn = Moo;
  return w.Beta;
}

}  // namespace airfoil
