// The readouts against a computation of the test's own: the surface speed and
// the moment written out in real arithmetic and differentiated by a complex
// step (exact to rounding), the peak found by bisection on that derivative
// over a grid of another size than the program's.

#include <gtest/gtest.h>

#include <cmath>
#include <complex>

#include "model/coefficients.h"
#include "model/readouts.h"
#include "model_support.h"

namespace airfoil::testing {
namespace {

using cx = std::complex<double>;
constexpr double kStep = 1e-30;

struct Case {
  double eps, delta;
  int alfa;
};

// V^2 at centre angle psi, from zeta = a + i b and dz/dzeta = 1 - 1/zeta^2.
template <class T>
T speed2(const Window& w, double alpha, T psi) {
  const double R = std::sqrt(w.Radius2);
  const T a = -w.Eps + R * cos(psi);
  const T b = w.Delta + R * sin(psi);
  const T m = a * a + b * b;
  const T fr = 1.0 - (a * a - b * b) / (m * m);
  const T fi = 2.0 * a * b / (m * m);
  const T q = 2.0 * (sin(psi - alpha) + std::sin(alpha + w.BetaTE));
  return q * q / (fr * fr + fi * fi);
}

double slope(const Window& w, double alpha, double psi) {
  return std::imag(speed2(w, alpha, cx(psi, kStep))) / kStep;
}

SurfacePeak own_peak(const Window& w, double alpha) {
  constexpr int n = 3001;
  const double start = -w.BetaTE, step = 2 * w.pi / n;
  int best = 1;
  for (int k = 1; k < n; ++k) {
    if (speed2(w, alpha, start + k * step) > speed2(w, alpha, start + best * step)) best = k;
  }
  double lo = start + (best - 1) * step, hi = start + (best + 1) * step;
  for (int i = 0; i < 100; ++i) {
    const double mid = 0.5 * (lo + hi);
    (slope(w, alpha, mid) > 0 ? lo : hi) = mid;
  }
  const double R = std::sqrt(w.Radius2);
  const double a = -w.Eps + R * std::cos(lo), b = w.Delta + R * std::sin(lo);
  return {lo, (a + a / (a * a + b * b)) / w.Chord - w.xShift, 1 - speed2(w, alpha, lo)};
}

// CM about x, for the complex step in alpha.
cx moment(const Window& w, cx alpha, double x) {
  const cx L = 8 * w.pi * w.RadiusC * sin(alpha + w.BetaTE);
  return 4 * w.pi / (w.Chord * w.Chord) * sin(2.0 * alpha) +
         L * (w.Eps * cos(alpha) - w.Delta * sin(alpha)) / w.Chord + L * (x + w.xShift) * cos(alpha);
}

class ReadoutsAgainstOwnComputation : public ::testing::TestWithParam<Case> {};

TEST_P(ReadoutsAgainstOwnComputation, PeakCentreAndMomentAgreeTo1e9AndIgnoreThePointCount) {
  const Case c = GetParam();
  Window w = flow(c.eps, c.delta, 51, c.alfa);
  w.xM = 0.3;
  const double alpha = c.alfa * w.pi / 180;
  const Readouts r = compute_readouts(w);
  const SurfacePeak own = own_peak(w, alpha);
  ASSERT_TRUE(r.cp_min && r.x_cp_min);
  EXPECT_NEAR(*r.cp_min, own.Cp, 1e-9);
  EXPECT_NEAR(*r.x_cp_min, own.x, 1e-9);
  // M_crit is where the corrected peak is sonic.
  ASSERT_TRUE(r.m_crit);
  EXPECT_NEAR(own.Cp / std::sqrt(1 - *r.m_crit * *r.m_crit), sonic_cp(*r.m_crit), 1e-9);

  // dCM/d alpha is linear in the reference point: its zero is the centre.
  const auto dcm = [&](double x) { return std::imag(moment(w, cx(alpha, kStep), x)) / kStep; };
  const double x_ac = -dcm(0) / (dcm(1) - dcm(0));
  ASSERT_TRUE(r.x_ac && r.cm_ac);
  EXPECT_NEAR(*r.x_ac, x_ac, 1e-9);
  EXPECT_NEAR(*r.cm_ac, std::real(moment(w, alpha, x_ac)), 1e-9);
  EXPECT_NEAR(r.cm, std::real(moment(w, alpha, 0.3)), 1e-12);

  for (const int nP : {11, 24, 101}) {
    Window other = flow(c.eps, c.delta, nP, c.alfa);
    other.xM = 0.3;
    EXPECT_NEAR(*compute_readouts(other).cp_min, *r.cp_min, 1e-9) << nP;
  }
}

INSTANTIATE_TEST_SUITE_P(Sections, ReadoutsAgainstOwnComputation,
                         ::testing::Values(Case{0.1, 0.05, 5}, Case{0.08, 0, 0}, Case{0.08, 0, -7},
                                           Case{0.0078, 0, 3}, Case{0.2, 0.15, 10}, Case{0.1, 0.05, -10},
                                           Case{0, 0.05, 0}));

TEST(Readouts, SharpLeadingEdgeHasNoPeakAndIsSupercriticalAtAnyDrawnMach) {
  Window w = flow(0, 0.05, 51, 4);
  w.drawn_moo.pressure = 0.1;
  const Readouts r = compute_readouts(w);
  EXPECT_FALSE(r.cp_min || r.x_cp_min || r.m_crit);
  EXPECT_EQ(r.peak_missing, NoValue::sharp_leading_edge);
  EXPECT_TRUE(r.supercritical);
  // The edge-on flat plate is undisturbed: Cp = 0 everywhere, never sonic.
  const Readouts plate = compute_readouts(flow(0, 0, 51, 0));
  EXPECT_EQ(plate.cp_min, 0.0);
  EXPECT_FALSE(plate.m_crit || plate.x_cp_min);
}

TEST(Readouts, FlatPlateMatchesThinAirfoilTheoryExactly) {
  Window w = flow(0, 0, 51, 6);
  w.xM = 0.25;
  const Readouts r = compute_readouts(w);
  EXPECT_DOUBLE_EQ(r.cl_alpha_per_rad, r.thin_cl_alpha_per_rad);
  EXPECT_DOUBLE_EQ(r.alpha_zero_lift_deg, 0);
  EXPECT_NEAR(*r.x_ac, 0.25, 1e-15);
  EXPECT_NEAR(r.cm, 0, 1e-15);
}

TEST(Readouts, CorrectedValuesOnlyForAMachNumberAPictureDrew) {
  Window w = flow(0.1, 0.05, 51, 5);
  w.Text_Moo.Text = "0.6";  // typed, not read by any chart
  EXPECT_FALSE(compute_readouts(w).cl_corrected);
  w.drawn_moo.lift = 0.6;
  const Readouts r = compute_readouts(w);
  EXPECT_DOUBLE_EQ(*r.cl_corrected, r.cl * 1.25);
  EXPECT_FALSE(r.cm_corrected);
  EXPECT_NEAR(sonic_cp(0.5), -2.1334, 1e-4);
}

TEST(Readouts, NothingBeforeAnyGeometry) {
  const Readouts r = compute_readouts(started_window());
  EXPECT_FALSE(r.geometry || r.x_ac || r.cp_min || r.m_crit);
  EXPECT_EQ(r.peak_missing, NoValue::no_geometry);
}

}  // namespace
}  // namespace airfoil::testing
