#include <gtest/gtest.h>

#include <cfloat>
#include <limits>

#include "chart_fixture.h"

namespace airfoil::testing {
namespace {

constexpr Colour kBlack = 0, kRed = 255, kGreen = 65280, kBlue = 16711680;

void expect_pressure_grid(const RecordingSurface& s, Colour black, Colour green) {
  expect_calls(s, 0,
               {Cls(), Scale(-0.1f, -5.5f, 1.1f, 0.5f), Line(0, -5, 0, 0, black),
                Line(0.2f, -5, 0.2f, 0, green), Line(0.4f, -5, 0.4f, 0, green),
                Line(0.6f, -5, 0.6f, 0, green), Line(0.8f, -5, 0.8f, 0, green), Line(1, -5, 1, 0, green),
                Line(0, 0, 1, 0, black), Line(0, -1, 1, -1, green), Line(0, -2, 1, -2, green),
                Line(0, -3, 1, -3, green), Line(0, -4, 1, -4, green), Line(0, -5, 1, -5, green)});
}

TEST_F(ChartTest, PressureBeforeAnyGeometryDrawsABlackGridAndStoresBeta) {
  // The incidence cycle as the first event: no colours yet, no points.
  basınc_hesapla(w);
  basınc_ciz(w, plots);
  expect_pressure_grid(pressure, 0, 0);
  EXPECT_EQ(pressure.calls().size(), 14u);
  EXPECT_EQ(w.Beta, 1.0);
}

TEST_F(ChartTest, PressureCurveJoinsEveryPointRedThenBlue) {
  section(0.1, 0.05, 51, 4);
  renkler(w);
  basınc_ciz(w, plots);
  expect_pressure_grid(pressure, kBlack, kGreen);
  ASSERT_EQ(pressure.calls().size(), 14u + 50u);
  for (int i = 1; i <= 50; ++i) {
    const SurfaceCall& c = pressure.calls()[13 + i];
    const std::vector<float> args{static_cast<float>(w.Xp(i)), static_cast<float>(-(1 - w.Cp(i))),
                                  static_cast<float>(w.Xp(i + 1)), static_cast<float>(-(1 - w.Cp(i + 1)))};
    EXPECT_EQ(c.colour, i <= 25 ? kRed : kBlue) << i;
    EXPECT_EQ(c.args, args) << i;
  }
}

TEST_F(ChartTest, EvenPointCountGivesOneUnbrokenPressureCurve) {
  section(0.1, 0.05, 50, 4);
  renkler(w);
  basınc_ciz(w, plots);
  ASSERT_EQ(pressure.calls().size(), 14u + 49u);
  for (std::size_t k = 15; k < pressure.calls().size(); ++k) {
    EXPECT_EQ(pressure.calls()[k].args[0], pressure.calls()[k - 1].args[2]) << k;
    EXPECT_EQ(pressure.calls()[k].args[1], pressure.calls()[k - 1].args[3]) << k;
  }
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kRed), 24);
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kBlue), 25);
  // The polygon closes at the trailing edge: x/c = 1, 1 - Cp = 0.
  EXPECT_EQ(pressure.calls()[14].args[0], 1.0f);
  EXPECT_EQ(pressure.calls().back().args[2], 1.0f);
}

struct PressureMooCase {
  const char* text;
  int magenta;  // corrected segments drawn (nP = 51)
  double beta;  // Beta afterwards, from 0.5 before the run
  int messages;
};

class PressureMoo : public ChartTest, public ::testing::WithParamInterface<PressureMooCase> {};

TEST_P(PressureMoo, DrawsTheCorrectedCurveOnlyForASubsonicNonZeroMach) {
  const PressureMooCase& c = GetParam();
  section(0, 0.05, 51, 6);
  renkler(w);
  w.Beta = 0.5;  // left by an earlier valid Mach number
  w.Text_Moo.Text = c.text;
  basınc_ciz(w, plots);
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kMagenta), c.magenta);
  EXPECT_DOUBLE_EQ(w.Beta, c.beta);
  EXPECT_EQ(static_cast<int>(messages.shown.size()), c.messages);
  // The incompressible curve is drawn whatever the Mach number.
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kRed), 25);
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kBlue), 25);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, PressureMoo,
    ::testing::Values(PressureMooCase{"0", 0, 1.0, 0}, PressureMooCase{"0.6", 50, 0.8, 0},
                      PressureMooCase{"0.5", 50, 0.8660254037844386, 0},
                      PressureMooCase{"-0.5", 50, 0.8660254037844386, 0}, PressureMooCase{"abc", 0, 1.0, 0},
                      PressureMooCase{"0,5", 50, 0.8660254037844386, 0}, PressureMooCase{"1", 0, 0.5, 1},
                      PressureMooCase{"1e999", 0, 0.5, 1}));

TEST_F(ChartTest, CorrectedPressureCurveIsOnePolygonThroughAllPoints) {
  section(0, 0.05, 51, 6);
  w.Text_Moo.Text = "-0.5";
  basınc_ciz(w, plots);
  const auto magenta = lines(pressure, kMagenta);
  ASSERT_EQ(magenta.size(), 50u);
  const double beta = 0.8660254037844386;
  for (int i = 2; i <= 51; ++i) {
    const std::vector<float> args{static_cast<float>(w.Xp(i - 1)),
                                  static_cast<float>(-(1 - w.Cp(i - 1) / beta)), static_cast<float>(w.Xp(i)),
                                  static_cast<float>(-(1 - w.Cp(i) / beta))};
    EXPECT_EQ(magenta[i - 2].args, args) << i;
  }
}

TEST_F(ChartTest, OutOfRangeMachBeforeAnyValidOneLeavesTheIncompressibleFactor) {
  w.Text_Moo.Text = "1e999";
  basınc_ciz(w, plots);
  EXPECT_EQ(w.Beta, 1.0);
}

TEST_F(ChartTest, HugePressureValuesAreHandedOverForClipping) {
  section(0, 0, 11);
  w.Cp(6) = -99;     // the capped leading-edge value
  w.Cp(7) = -1e300;  // a vanishing map derivative
  w.Text_Moo.Text = "0.6";
  EXPECT_NO_THROW(basınc_ciz(w, plots));
  EXPECT_EQ(pressure.calls()[14 + 4].args[3], -100.0f);
  EXPECT_EQ(pressure.calls()[14 + 5].args[3], -FLT_MAX);
  EXPECT_EQ(count(pressure, SurfaceCall::Op::Line, kMagenta), 10);
}

TEST_F(ChartTest, NonFinitePressureIsAFault) {
  section(0, 0, 11);
  w.Cp(5) = std::numeric_limits<double>::infinity();
  EXPECT_THROW(basınc_ciz(w, plots), Fault);
}

}  // namespace
}  // namespace airfoil::testing
