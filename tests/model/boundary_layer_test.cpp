// The boundary layer against worked cases: the flat plate (Blasius below
// transition, the turbulent flat-plate law after it), separation creeping
// forward with incidence, and a defined state for every section the
// catalogue holds.

#include <gtest/gtest.h>

#include <cmath>

#include "model/boundary_layer.h"
#include "model/coefficients.h"
#include "model_support.h"

namespace airfoil::testing {
namespace {

Window catalogue_window() {
  Window w;
  w.catalogue_path = AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt";
  Form_Load(w);
  return w;
}

void set_case(Window& w, int thickness, int camber, int alfaD) {
  w.HScroll_Thickness.Value = thickness;
  w.HScroll_Camber.Value = camber;
  profil_hesapla(w);
  w.HScroll_AlfaD.Value = alfaD;
  basınc_hesapla(w);
}

// The flat plate at zero incidence meets the flow edge-on at speed 1: the
// laminar layer is Blasius', theta = 0.664 x / sqrt(Re_x), Cf = 0.664 / sqrt(Re_x).
TEST(BoundaryLayer, FlatPlateIsBlasiusBelowTransition) {
  const Window w = flow(0, 0, 51, 0);
  const double re = 1e6;
  const BoundaryLayer layer = boundary_layer(w, re);
  ASSERT_EQ(layer.failure, BoundaryLayerFailure::none);
  for (const BoundaryLayerSide* side : {&layer.upper, &layer.lower}) {
    EXPECT_EQ(side->x_transition, 1);
    EXPECT_FALSE(side->x_separation);
    for (const BoundaryLayerStation& p : side->stations) {
      if (p.x_c < 0.02) continue;
      const double re_x = re * p.x_c;
      EXPECT_NEAR(p.theta / (0.664 * p.x_c / std::sqrt(re_x)), 1, 0.01) << p.x_c;
      EXPECT_NEAR(p.cf / (0.664 / std::sqrt(re_x)), 1, 0.01) << p.x_c;
    }
  }
  // Both sides, 1.328 / sqrt(Re) each, all of it friction.
  EXPECT_NEAR(*layer.cd / (2 * 1.328 / std::sqrt(re)), 1, 0.01);
  EXPECT_NEAR(*layer.cd_friction / *layer.cd, 1, 0.01);
}

// At Re 1e7 the plate's Tollmien-Schlichting waves reach e^9 near
// Re_x = 2.8e6; behind that the wall shear follows the one-seventh-power law
// Cf = 0.0256 Re_theta^(-1/4), and the momentum it removes is the drag.
TEST(BoundaryLayer, FlatPlateFollowsTheTurbulentLawAfterTransition) {
  const Window w = flow(0, 0, 51, 0);
  const double re = 1e7;
  const BoundaryLayer layer = boundary_layer(w, re);
  ASSERT_EQ(layer.failure, BoundaryLayerFailure::none);
  EXPECT_NEAR(layer.upper.x_transition * re, 2.8e6, 0.3e6);
  int turbulent = 0;
  for (const BoundaryLayerStation& p : layer.upper.stations) {
    if (!p.turbulent || p.x_c < layer.upper.x_transition + 0.2) continue;
    ++turbulent;
    EXPECT_NEAR(p.cf / (0.0256 * std::pow(p.theta * re, -0.25)), 1, 0.05) << p.x_c;
    EXPECT_NEAR(p.h, 1.35, 0.05) << p.x_c;
  }
  EXPECT_GT(turbulent, 50);
  EXPECT_NEAR(*layer.cd / *layer.cd_friction, 1, 0.01);
}

// A thick cambered section: the upper layer separates ever farther forward
// as the incidence grows, and ahead of 95 % chord the window warns of stall.
TEST(BoundaryLayer, SeparationMovesForwardAsIncidenceGrows) {
  Window w = catalogue_window();
  double previous = 1;
  for (int alfaD : {6, 8, 10}) {
    set_case(w, 18, 4, alfaD);
    const BoundaryLayer layer = boundary_layer(w, 1e6);
    ASSERT_TRUE(layer.upper.x_separation) << alfaD;
    EXPECT_LT(*layer.upper.x_separation, previous - 0.02) << alfaD;
    previous = *layer.upper.x_separation;
    EXPECT_EQ(layer.stall_warning, previous < kStallSeparationX);
  }
  EXPECT_LT(previous, 0.9);
}

// Every failure is a state, and every state holds finite numbers only: a
// sample of the whole catalogue at the extremes of incidence and Reynolds
// number.
TEST(BoundaryLayer, EveryCatalogueCaseIsFiniteOrAStatedFailure) {
  Window w = catalogue_window();
  ASSERT_GT(w.nCatalog, 400);
  for (int k = 1; k <= w.nCatalog; k += 7) {
    const int thickness = static_cast<int>(std::lround(w.TabThickness(k) * 100));
    const int camber = static_cast<int>(std::lround(w.TabCamber(k) * 100));
    for (int alfaD : {-10, 0, 10}) {
      set_case(w, thickness, camber, alfaD);
      for (double re : {kReynoldsMin, kReynoldsMax}) {
        const BoundaryLayer layer = boundary_layer(w, re);
        SCOPED_TRACE(::testing::Message() << thickness << "/" << camber << " at " << alfaD << ", " << re);
        if (thickness == 0 && alfaD != 0) {
          EXPECT_EQ(layer.failure, BoundaryLayerFailure::sharp_leading_edge);
        } else {
          EXPECT_EQ(layer.failure, BoundaryLayerFailure::none);
        }
        EXPECT_EQ(layer.cd.has_value(), layer.failure == BoundaryLayerFailure::none);
        // Once the layer separates near the nose the drag means little, and
        // the window says so; attached, it is a section's drag.
        if (layer.cd) {
          EXPECT_TRUE(*layer.cd > 0 && std::isfinite(*layer.cd));
          EXPECT_TRUE(layer.stall_warning || *layer.cd < 0.05) << *layer.cd;
        }
        for (const BoundaryLayerSide* side : {&layer.upper, &layer.lower}) {
          for (const BoundaryLayerStation& p : side->stations) {
            ASSERT_TRUE(std::isfinite(p.theta + p.h + p.cf + p.ue + p.x_c + p.s) && p.theta >= 0);
          }
        }
      }
    }
  }
}

TEST(BoundaryLayer, NoSectionAndReynoldsOutOfRangeAreStatedFailures) {
  EXPECT_EQ(boundary_layer(started_window(), 1e6).failure, BoundaryLayerFailure::no_section);
  EXPECT_TRUE(boundary_layer_polar(started_window(), 1e6).empty());
  const Window w = flow(0.08, 0, 51, 2);
  EXPECT_EQ(boundary_layer(w, 5e4).failure, BoundaryLayerFailure::reynolds_out_of_range);
  EXPECT_FALSE(boundary_layer(w, 1e9).cd);
}

// The polar runs over -10 .. 10 degrees with the inviscid lift, and its point
// at the window's incidence is the window's own case.
TEST(BoundaryLayer, PolarHoldsTheCurrentCase) {
  const Window w = flow(0.08, 0.05, 51, 3);
  const auto polar = boundary_layer_polar(w, 3e6);
  ASSERT_EQ(polar.size(), 21u);
  EXPECT_EQ(polar.front().alpha_deg, -10);
  const PolarPoint& here = polar[13];
  EXPECT_EQ(here.alpha_deg, 3);
  EXPECT_EQ(here.cl, lift_coefficient_at_degrees(w, 3));
  EXPECT_EQ(here.cd, boundary_layer(w, 3e6).cd);
}

}  // namespace
}  // namespace airfoil::testing
