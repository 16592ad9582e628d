#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>

#include "model/flow_field.h"
#include "model/streamlines.h"
#include "tests/model/model_support.h"

namespace airfoil {
namespace {

FlowField field_of(const Window& w) {
  const auto f = flow_field(w);
  if (!f) throw std::runtime_error("no flow field");
  return *f;
}

// Section given by its circle (Eps, Delta), nP points, incidence in degrees.
using Case = std::tuple<double, double, int, int>;

class FieldOnTheSurface : public ::testing::TestWithParam<Case> {};

// The surface values of the flow step are the field's boundary values: at
// every circle point of the geometry step the field's Cp is the section's.
TEST_P(FieldOnTheSurface, CpEqualsTheFlowStepsCp) {
  const auto [eps, delta, nP, alfaD] = GetParam();
  const Window w = testing::flow(eps, delta, nP, alfaD);
  const FlowField f = field_of(w);
  for (int i = 2; i <= nP - 1; ++i) {
    const Complex zeta(w.Xc(i), w.Yc(i));
    if (w.Cp(i) == -99) continue;  // the capped critical point
    const auto at = flow_at_zeta(f, zeta);
    ASSERT_TRUE(at) << i;
    EXPECT_NEAR(at->section.Cp, w.Cp(i), 1e-9 * std::max(1.0, std::abs(w.Cp(i)))) << i;
    EXPECT_NEAR(at->psi, 0, 1e-12) << i;
  }
  const auto te = flow_at_zeta(f, Complex(1, 0));
  ASSERT_TRUE(te);
  EXPECT_NEAR(te->section.Cp, w.Cp(1), 1e-12);
  EXPECT_EQ(te->circle.speed, 0);
}

INSTANTIATE_TEST_SUITE_P(Sections, FieldOnTheSurface,
                         ::testing::Values(Case{0, 0, 21, 5}, Case{0.1, 0.05, 51, 5}, Case{0.08, 0, 21, 0},
                                           Case{0, 0.3, 101, -4}, Case{0, 0.3, 51, 0},
                                           Case{0.3, 0.3, 101, 10}, Case{0.0077, 0.3, 51, -10}));

// Every catalogue section at every incidence: the flow leaves the cusp
// zeta = 1 smoothly at the section's trailing-edge speed, both stagnation
// points are on the circle with zero speed there, the stream far away is
// (cos a, sin a), and the inverse map takes the far point back.
TEST(FlowField, EveryCatalogueSectionAtEveryIncidence) {
  Window w;
  w.catalogue_path = AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt";
  Form_Load(w);
  ASSERT_EQ(w.nCatalog, 496);
  int cases = 0;
  double worst_far = 0;
  for (int k = 1; k <= 496; ++k) {
    w.HScroll_Thickness.Value = static_cast<int>(std::lround(w.TabThickness(k) * 100));
    w.HScroll_Camber.Value = static_cast<int>(std::lround(w.TabCamber(k) * 100));
    profil_hesapla(w);
    for (int alfaD = -10; alfaD <= 10; ++alfaD) {
      w.HScroll_AlfaD.Value = alfaD;
      basınc_hesapla(w);
      const FlowField f = field_of(w);
      const StagnationPoints s = stagnation_points(f);
      ASSERT_EQ(s.rear.zeta, Complex(1, 0));
      EXPECT_NEAR(std::abs(s.rear.zeta - f.centre), f.R, 1e-12);
      EXPECT_NEAR(std::abs(s.front.zeta - f.centre), f.R, 1e-12);
      const auto te = flow_at_zeta(f, s.rear.zeta);
      const auto le = flow_at_zeta(f, s.front.zeta);
      ASSERT_TRUE(te && le) << k << " " << alfaD;
      EXPECT_EQ(te->circle.speed, 0);
      EXPECT_LT(le->circle.speed, 1e-12);
      EXPECT_NEAR(te->section.Cp, w.Cp(1), 1e-12);
      EXPECT_TRUE(te->airfoil.x == 1 && te->airfoil.y == 0);

      const double a = w.AlfaD * w.pi / 180;
      // A thousand chords away; what is left of the disturbance there is
      // the circulation's own 1/r velocity, G / (2 pi |z|).
      for (double phi = 0; phi < 6.28; phi += 0.5) {
        const PlanePoint p{1000 * std::cos(phi), 1000 * std::sin(phi)};
        const auto far = flow_at_airfoil_point(f, p);
        ASSERT_TRUE(far);
        const double off = std::hypot(far->section.u - std::cos(a), far->section.v - std::sin(a));
        worst_far = std::max(worst_far, off);
        const Complex z = map_to_z(far->zeta);
        EXPECT_NEAR(off * std::abs(z), std::abs(f.circulation), 1e-2);
        EXPECT_NEAR(z.real() / f.Chord - f.xShift, p.x, 1e-9);
        EXPECT_NEAR(z.imag() / f.Chord, p.y, 1e-9);
      }
      ++cases;
    }
  }
  EXPECT_EQ(cases, 496 * 21);
  EXPECT_LT(worst_far, 1e-3);
}

// z -> zeta -> z round trip from rings outside the circle; the root found
// is always the one outside, also where it lies inside the unit circle
// (below a strongly cambered arc, zeta = -0.8 i).
TEST(FlowField, InverseMapReturnsTheRootOutsideTheCircle) {
  for (const auto& [eps, delta] : {std::pair{0.0, 0.3}, {0.3, 0.3}, {0.08, 0.0}}) {
    const FlowField f = field_of(testing::flow(eps, delta, 51, 6));
    for (double scale : {1.001, 1.5, 4.0}) {
      for (double theta = -3.1; theta < 3.2; theta += 0.05) {
        const Complex zeta = f.centre + std::polar(scale * f.R, theta);
        const auto back = circle_point(f, airfoil_point(f, zeta));
        ASSERT_TRUE(back) << eps << " " << delta << " " << scale << " " << theta;
        EXPECT_NEAR(std::abs(*back - zeta), 0, 1e-9 * std::abs(zeta));
      }
    }
  }
  const FlowField arc = field_of(testing::flow(0, 0.3, 51, 0));
  const auto below = circle_point(arc, airfoil_point(arc, Complex(0, -0.8)));
  ASSERT_TRUE(below);
  EXPECT_NEAR(std::abs(*below - Complex(0, -0.8)), 0, 1e-12);
}

// Far away the body's disturbance falls below a double's resolution: every
// point out to the end of the double range sees the free stream, where the
// squares of the map would overflow from about 1e153 chords on.
TEST(FlowField, FarPointsSeeTheFreeStream) {
  const Window w = testing::flow(0.1, 0.05, 51, 8);
  const FlowField f = field_of(w);
  const double a = w.AlfaD * w.pi / 180;
  for (double r : {1e6, 1e100, 1e153, 1e200, 1e307, 1.7e308}) {
    for (double phi = -3; phi < 3.2; phi += 0.75) {
      const PlanePoint p{r * std::cos(phi), r * std::sin(phi)};
      const auto v = section_velocity(f, p);
      ASSERT_TRUE(v) << r << " " << phi;
      EXPECT_NEAR(v->u, std::cos(a), 1e-6 * 1e6 / r);
      EXPECT_NEAR(v->v, std::sin(a), 1e-6 * 1e6 / r);
      if (r > 1e307) continue;  // no circle-plane position in doubles
      // The uniform stream's own psi, r sin(phi - a) in chords, plus the
      // circulation's slowly growing logarithm.
      const auto here = flow_at_airfoil_point(f, p);
      ASSERT_TRUE(here) << r << " " << phi;
      EXPECT_NEAR(here->psi / r, std::sin(phi - a), 1e-5) << r << " " << phi;
    }
  }
}

TEST(FlowField, PointsOnOrInsideTheBodyHaveNoValue) {
  const FlowField plate = field_of(testing::flow(0, 0, 51, 5));
  EXPECT_FALSE(flow_at_zeta(plate, Complex(-1, 0)));  // the sharp leading edge
  EXPECT_FALSE(flow_at_zeta(plate, Complex(0, 0)));
  EXPECT_FALSE(flow_at_zeta(plate, Complex(0.3, 0.2)));
  EXPECT_FALSE(flow_at_zeta(plate, Complex(NAN, 2)));
  EXPECT_FALSE(flow_at_airfoil_point(plate, {0.5, 0}));  // on the plate
  EXPECT_FALSE(flow_at_airfoil_point(plate, {1, 0}));
  EXPECT_FALSE(flow_at_airfoil_point(plate, {INFINITY, 0}));
  const auto above = flow_at_airfoil_point(plate, {0.5, 0.01});
  ASSERT_TRUE(above);
  EXPECT_GT(above->section.speed, 1);

  const FlowField thick = field_of(testing::flow(0.3, 0.3, 51, 5));
  EXPECT_FALSE(flow_at_airfoil_point(thick, {0.3, 0.1}));
  EXPECT_FALSE(stream_function(thick, thick.centre));

  EXPECT_FALSE(flow_field(testing::started_window()));  // before any geometry
}

TEST(FlowField, FitViewKeepsTheCentreAndGrowsTheShortSide) {
  const View v = fit_view(kAirfoilView, 500, 500);
  EXPECT_DOUBLE_EQ(v.x_min, -0.5);
  EXPECT_DOUBLE_EQ(v.x_max, 1.5);
  EXPECT_DOUBLE_EQ(v.y_min, -1);
  EXPECT_DOUBLE_EQ(v.y_max, 1);
}

TEST(FlowField, CpSamplesAreTheFieldAtCellCentresAndEmptyInTheBody) {
  const FlowField f = field_of(testing::flow(0.3, 0.3, 51, 5));
  const View view{-0.5, -0.5, 1.5, 0.5};
  const CpSamples s = sample_cp(f, Plane::airfoil, view, 40, 20);
  ASSERT_EQ(s.cp.size(), 800u);
  // cell (29, 3) is centred on x = -0.5 + 29.5 * 0.05, y = 0.5 - 3.5 * 0.05
  const auto at = flow_at_airfoil_point(f, {0.975, 0.325});
  ASSERT_TRUE(at && s.at(29, 3));
  EXPECT_NEAR(*s.at(29, 3), at->section.Cp, 1e-12);
  EXPECT_FALSE(s.at(16, 8));  // (0.325, 0.075), inside the thick section

  const CpSamples c = sample_cp(f, Plane::circle, kCircleView, 40, 40);
  EXPECT_FALSE(c.at(19, 19));  // next to the origin, inside the circle
  const auto corner = flow_at_zeta(f, Complex(-1.95, 1.95));
  ASSERT_TRUE(corner && c.at(0, 0));
  EXPECT_NEAR(*c.at(0, 0), corner->circle.Cp, 1e-12);
}

}  // namespace
}  // namespace airfoil
