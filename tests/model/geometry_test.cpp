#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include "model/window.h"
#include "tests/model/model_support.h"

namespace airfoil::testing {
namespace {

const double kPi = std::atan(1.0) * 4;

TEST(Geometry, Cambered21PointSectionConstants) {
  const Window w = section(0.1, 0.05, 21);
  // Printed to six decimals: half a unit of the last digit.
  const double tol = 5e-7;
  EXPECT_NEAR(w.Chord, 4.033333, tol);
  EXPECT_NEAR(w.xShift, -0.504132, tol);
  EXPECT_NEAR(w.Radius2, 1.2125, 1e-15);
  EXPECT_NEAR(w.Radius, 1.101136, tol);
  EXPECT_NEAR(w.RadiusC, 0.273009, tol);
  EXPECT_NEAR(w.CenterRatio, 0.101535, tol);
  EXPECT_NEAR(w.PhiC, 0.463648, tol);
  EXPECT_NEAR(w.BetaTE, 0.045423, tol);
  EXPECT_EQ(w.nExp, 2);
  EXPECT_EQ(w.nSeg, 20);
  EXPECT_EQ(w.nHalf, 10);
}

struct PointCase {
  int i;
  double xc, yc, xp, yp, dzdzeta;
};

class CamberedPoints : public ::testing::TestWithParam<PointCase> {};

TEST_P(CamberedPoints, MatchTheWorkedTable) {
  const Window w = section(0.1, 0.05, 21);
  const PointCase& p = GetParam();
  const double tol = 5e-6;  // five printed decimals
  EXPECT_NEAR(w.Xc(p.i), p.xc, tol);
  EXPECT_NEAR(w.Yc(p.i), p.yc, tol);
  EXPECT_NEAR(w.Xp(p.i), p.xp, tol);
  EXPECT_NEAR(w.Yp(p.i), p.yp, tol);
  EXPECT_NEAR(w.dZdZeta(p.i), p.dzdzeta, tol);
}

INSTANTIATE_TEST_SUITE_P(Table, CamberedPoints,
                         ::testing::Values(PointCase{2, 0.94198, -0.30607, 0.97575, 0.00147, 0.62429},
                                           PointCase{6, 0.00000, -1.04659, 0.50413, -0.02259, 1.91296},
                                           PointCase{11, -1.20000, 0.00000, 0.00000, 0.00000, 0.30556},
                                           PointCase{15, -0.36362, 1.11911, 0.34887, 0.07708, 1.64017}));

struct Circle {
  double eps, delta;
  int nP;
};

std::ostream& operator<<(std::ostream& out, const Circle& c) {
  return out << "Eps " << c.eps << " Delta " << c.delta << " nP " << c.nP;
}

class AnySection : public ::testing::TestWithParam<Circle> {};

TEST_P(AnySection, EndsAreExactlyTheTrailingEdgeAndTheRayAtMinusPiIsTheLeadingEdge) {
  const Circle& c = GetParam();
  const Window w = section(c.eps, c.delta, c.nP);
  for (double end : {1.0, w.nP}) {
    EXPECT_EQ(w.Xc(end), 1);
    EXPECT_EQ(w.Yc(end), 0);
    EXPECT_EQ(w.Xp(end), 1);
    EXPECT_EQ(w.Yp(end), 0);
  }
  if (c.nP % 2 == 1) {
    const double le = w.nHalf + 1;
    EXPECT_NEAR(w.Xc(le), -(1 + 2 * c.eps), 1e-12);
    EXPECT_NEAR(w.Xp(le), 0, 1e-12);
    EXPECT_NEAR(w.Yp(le), 0, 1e-12);
  }
  EXPECT_TRUE(all_finite(w));
}

INSTANTIATE_TEST_SUITE_P(Circles, AnySection,
                         ::testing::Values(Circle{0.1, 0.05, 21}, Circle{0.08, 0, 21}, Circle{0, 0, 51},
                                           Circle{0, 0.1, 101}, Circle{0.25, 0.12, 11}, Circle{0.1, 0.05, 50},
                                           Circle{0.03, -0.02, 31}));

TEST(Geometry, SymmetricSectionMirrorsItsPoints) {
  const Window w = section(0.08, 0, 21);
  EXPECT_NEAR(w.Chord, 4.022069, 5e-7);
  EXPECT_EQ(w.BetaTE, 0);
  EXPECT_EQ(w.PhiC, 0);
  for (int i = 1; i <= 21; ++i) {
    EXPECT_NEAR(w.Xp(i), w.Xp(22 - i), 1e-12) << i;
    EXPECT_NEAR(w.Yp(i), -w.Yp(22 - i), 1e-12) << i;
  }
  EXPECT_LT(w.Yp(6), 0);  // lower side first
}

TEST(Geometry, UnitCircleAboutTheOriginIsTheFlatPlate) {
  const Window w = section(0, 0, 21);
  EXPECT_EQ(w.Chord, 4);
  EXPECT_EQ(w.xShift, -0.5);
  EXPECT_EQ(w.Radius, 1);
  EXPECT_EQ(w.CenterRatio, 0);
  EXPECT_EQ(w.BetaTE, 0);
  EXPECT_EQ(w.PhiC, 0);
  for (int i = 2; i <= 20; ++i) {
    EXPECT_NEAR(w.Xp(i), 0.5 + 0.5 * std::cos(w.Teta(i)), 1e-12) << i;
    EXPECT_NEAR(w.Yp(i), 0, 1e-12) << i;
  }
  // Point 11 is exactly zeta = -1, the map's second critical point.
  EXPECT_EQ(w.Xp(11), 0);
  EXPECT_EQ(w.Yp(11), 0);
  EXPECT_EQ(w.dZdZeta(11), 0);
}

TEST(Geometry, ZeroThicknessWithCamberIsACircularArc) {
  const Window w = section(0, 0.1, 21);
  EXPECT_EQ(w.PhiC, kPi / 2);
  for (int i = 2; i <= 10; ++i) {
    EXPECT_NEAR(w.Xp(i), w.Xp(22 - i), 1e-12) << i;
    EXPECT_NEAR(w.Yp(i), w.Yp(22 - i), 1e-12) << i;
    EXPECT_GT(w.Yp(i), 0) << i;
  }
}

TEST(Geometry, EvenPointCountPutsNoPointOnTheLeadingEdgeRay) {
  const Window w = section(0.1, 0.05, 50);
  EXPECT_EQ(w.nHalf, 24.5);
  EXPECT_GT(w.Teta(25), -kPi);
  EXPECT_LT(w.Teta(26), -kPi);
  EXPECT_GT(w.Xp(25), 0);
  EXPECT_GT(w.Xp(26), 0);
}

TEST(Geometry, LoweringThePointCountLeavesTheHigherEntries) {
  Window w = section(0.1, 0.05, 51);
  const Table<101> before = w.Xp;
  w.HScroll_nP.Value = 21;
  profil_hesapla(w);
  EXPECT_EQ(w.Xp(21), 1);
  for (int i = 22; i <= 51; ++i) EXPECT_EQ(w.Xp(i), before(i)) << i;
  EXPECT_NE(w.Xp(10), before(10));
}

TEST(Geometry, TextBoxesShowTheScrollValues) {
  Window w = started_window();
  w.nCatalog = 1;
  w.TabThickness(1) = 12 / 100.0;
  w.TabCamber(1) = 2 / 100.0;
  w.TabEps(1) = 0.1;
  w.HScroll_Thickness.Value = 12;
  w.HScroll_Camber.Value = 2;
  profil_hesapla(w);
  EXPECT_EQ(w.Text_Thickness.Text, "0.12");
  EXPECT_EQ(w.Text_Camber.Text, "0.02");
  EXPECT_EQ(w.Text_nP.Text, "51");
  EXPECT_EQ(w.Eps, 0.1);
}

TEST(Geometry, CatalogueMissKeepsTheSectionButShowsTheNewValues) {
  RecordedMessages messages;
  Window w = section(0.1, 0.05, 21);
  w.messages = &messages;
  const WindowState before = w;
  w.HScroll_Thickness.Value = 5;
  w.HScroll_nP.Value = 31;
  profil_hesapla(w);
  EXPECT_EQ(messages.shown, std::vector<std::string>{kProfileNotInCatalogue});
  EXPECT_EQ(w.Text_Thickness.Text, "0.05");
  EXPECT_EQ(w.Text_nP.Text, "31");
  // The count stays that of the points the arrays hold, or the flow step
  // would run over points that were never computed.
  EXPECT_EQ(w.nP, 21);
  EXPECT_EQ(w.nSeg, 20);
  EXPECT_EQ(w.Eps, before.Eps);
  EXPECT_EQ(w.Chord, before.Chord);
  EXPECT_EQ(w.Xp.cells(), before.Xp.cells());
  EXPECT_EQ(w.dZdZeta.cells(), before.dZdZeta.cells());
}

// A row whose circle cannot enclose the origin (or is not a number at all)
// would turn the section into NaN: it is refused as a fault instead.
class BadCatalogueRow : public ::testing::TestWithParam<Circle> {};

TEST_P(BadCatalogueRow, IsAFaultThatLeavesThePreviousSection) {
  Window w = section(0.1, 0.05, 21);
  const WindowState before = w;
  w.nCatalog = 2;
  w.TabThickness(2) = 0.01;
  w.TabEps(2) = GetParam().eps;
  w.TabDelta(2) = GetParam().delta;
  w.HScroll_Thickness.Value = 1;
  try {
    profil_hesapla(w);
    FAIL() << "no fault";
  } catch (const Fault& f) {
    EXPECT_NE(std::string(f.what()).find("catalogue row 2"), std::string::npos) << f.what();
  }
  EXPECT_EQ(w.Text_Thickness.Text, "0.01");
  EXPECT_EQ(w.Eps, before.Eps);
  EXPECT_EQ(w.Delta, before.Delta);
  EXPECT_EQ(w.Xp.cells(), before.Xp.cells());
  w.TabEps(2) = 0;
  w.TabDelta(2) = 0;
  EXPECT_TRUE(all_finite(w));
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(Rows, BadCatalogueRow,
                         ::testing::Values(Circle{-0.6, 0, 0}, Circle{-0.5, 0.1, 0}, Circle{kNaN, 0, 0},
                                           Circle{0.1, kInf, 0}, Circle{-kInf, 0, 0}, Circle{kInf, 0, 0}));

TEST(Geometry, ACircleTooLargeForTheArithmeticIsAFault) {
  Window w = section(0.1, 0.05, 21);
  const WindowState before = w;
  w.TabEps(1) = 1e200;
  EXPECT_THROW(profil_hesapla(w), Fault);
  EXPECT_EQ(w.Chord, before.Chord);
  EXPECT_EQ(w.Xp.cells(), before.Xp.cells());
}

}  // namespace
}  // namespace airfoil::testing
