#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "chart_fixture.h"

namespace airfoil::testing {
namespace {

constexpr Colour kBlack = 0, kRed = 255, kGreen = 65280, kBlue = 16711680;

void expect_cl_grid(const RecordingSurface& s) {
  expect_calls(s, 0,
               {Cls(),
                Scale(-16, -4, 16, 2),
                Line(-12, -3.5f, -12, 1.5f, kGreen),
                Line(-8, -3.5f, -8, 1.5f, kGreen),
                Line(-4, -3.5f, -4, 1.5f, kGreen),
                Line(0, -3.5f, 0, 1.5f, kBlack),
                Line(4, -3.5f, 4, 1.5f, kGreen),
                Line(8, -3.5f, 8, 1.5f, kGreen),
                Line(12, -3.5f, 12, 1.5f, kGreen),
                Line(-12, 1.5f, 12, 1.5f, kGreen),
                Line(-12, 1, 12, 1, kGreen),
                Line(-12, 0.5f, 12, 0.5f, kGreen),
                Line(-12, 0, 12, 0, kBlack),
                Line(-12, -0.5f, 12, -0.5f, kGreen),
                Line(-12, -1, 12, -1, kGreen),
                Line(-12, -1.5f, 12, -1.5f, kGreen),
                Line(-12, -2, 12, -2, kGreen),
                Line(-12, -2.5f, 12, -2.5f, kGreen),
                Line(-12, -3, 12, -3, kGreen),
                Line(-12, -3.5f, 12, -3.5f, kGreen)});
}

void expect_cm_grid(const RecordingSurface& s) {
  expect_calls(
      s, 0,
      {Cls(), Scale(-16, -2.4f, 16, 2), Line(-12, -2, -12, 1.5f, kGreen), Line(-8, -2, -8, 1.5f, kGreen),
       Line(-4, -2, -4, 1.5f, kGreen), Line(0, -2, 0, 1.5f, kBlack), Line(4, -2, 4, 1.5f, kGreen),
       Line(8, -2, 8, 1.5f, kGreen), Line(12, -2, 12, 1.5f, kGreen), Line(-12, 1.5f, 12, 1.5f, kGreen),
       Line(-12, 1, 12, 1, kGreen), Line(-12, 0.5f, 12, 0.5f, kGreen), Line(-12, 0, 12, 0, kBlack),
       Line(-12, -0.5f, 12, -0.5f, kGreen), Line(-12, -1, 12, -1, kGreen),
       Line(-12, -1.5f, 12, -1.5f, kGreen), Line(-12, -2, 12, -2, kGreen)});
}

// The full cycle's drawing part after a section is computed.
void draw_all(Window& w, Plots& p) {
  profil_ciz(w, p);
  basınc_ciz(w, p);
  CL_Alfa_ciz(w, p);
  CM_Alfa_ciz(w, p);
}

// Checks the 24 segments from call `from` on: sample k - 1 to sample k at
// (CurveAlfa, -value / factor).
void expect_curve(const RecordingSurface& s, std::size_t from, const Table<30>& values, double factor,
                  Colour colour) {
  ASSERT_GE(s.calls().size(), from + 24);
  for (int k = 1; k <= 24; ++k) {
    const SurfaceCall& c = s.calls()[from + k - 1];
    const std::vector<float> args{static_cast<float>(k - 13), static_cast<float>(-values(k - 1) / factor),
                                  static_cast<float>(k - 12), static_cast<float>(-values(k) / factor)};
    EXPECT_TRUE(c.op == SurfaceCall::Op::Line && c.colour == colour && c.args == args)
        << "segment " << k << ": " << describe(c.op, c.args, c.colour);
  }
}

TEST_F(ChartTest, FlatPlateAtTenDegreesShowsTheWorkedCoefficients) {
  section(0, 0, 51, 10);
  draw_all(w, plots);
  EXPECT_EQ(w.Text_CL.Text, "1.0911");  // 2 pi sin 10 degrees
  EXPECT_EQ(w.Text1.Text, "-0.26862");  // -CL cos(alpha) / 4 about the leading edge
  EXPECT_EQ(w.Text_xM.Text, "0");
  EXPECT_NEAR(w.CL, 2 * M_PI * std::sin(M_PI / 18), 1e-15);
}

TEST_F(ChartTest, LiftChartCallSequence) {
  section(0.1, 0.05, 51, -10);
  draw_all(w, plots);
  expect_cl_grid(Picture_CL);
  expect_curve(Picture_CL, 20, w.CurveCL, 1, kBlue);
  expect_calls(Picture_CL, 44, {Circle(-10, static_cast<float>(-w.CL), 0.4f, kRed)});
  EXPECT_EQ(Picture_CL.calls().size(), 45u);
  // The marker lies on the curve: AlfaD is a whole number of degrees.
  EXPECT_EQ(w.CL, w.CurveCL(2));
  for (int k = 0; k <= 24; ++k) EXPECT_EQ(w.CurveAlfa(k), k - 12);
}

TEST_F(ChartTest, MomentChartCallSequence) {
  w.HScroll_xM.Value = 25;
  section(0.1, 0.05, 51, 10);
  draw_all(w, plots);
  expect_cm_grid(Picture_CM);
  expect_curve(Picture_CM, 17, w.CurveCM, 1, kBlue);
  EXPECT_EQ(w.Text_xM.Text, "0.25");
  EXPECT_EQ(w.xM, 0.25);
  const float marker = static_cast<float>(-w.CurveCM(22));
  expect_calls(Picture_CM, 41, {Circle(10, marker, 0.4f, kRed)});
  EXPECT_EQ(Picture_CM.calls().size(), 42u);
}

TEST_F(ChartTest, FlatPlateHasNoMomentAboutTheQuarterChord) {
  w.HScroll_xM.Value = 25;
  section(0, 0, 51, 7);
  draw_all(w, plots);
  for (int k = 0; k <= 24; ++k) EXPECT_NEAR(w.CurveCM(k), 0, 1e-15) << k;
  EXPECT_EQ(w.Text1.Text, "0");
}

// Where the lift vanishes, only the moment about the map origin is left, and
// for an uncambered section that vanishes too: the curve passes through the
// crossing of the axes wherever the reference point is.
class UncamberedMoment : public ChartTest, public ::testing::WithParamInterface<int> {};

TEST_P(UncamberedMoment, IsZeroAtZeroIncidenceForAnyReferencePoint) {
  w.HScroll_xM.Value = GetParam();
  section(0.08, 0, 51, 0);
  draw_all(w, plots);
  EXPECT_EQ(w.CurveCM(12), 0);
  EXPECT_EQ(w.Text1.Text, "0");
  EXPECT_EQ(w.Text_CL.Text, "0");
}

INSTANTIATE_TEST_SUITE_P(ReferencePoints, UncamberedMoment, ::testing::Values(0, 25, 60, 100));

TEST_F(ChartTest, MomentChartBeforeAnyGeometryDrawsItsGridOnly) {
  w.HScroll_xM.Value = 37;
  w.Text1.Text = "0";
  w.CurveCM(3) = 7;
  CM_Alfa_ciz(w, plots);
  EXPECT_EQ(w.xM, 0.37);
  EXPECT_EQ(w.Text_xM.Text, "0.37");
  expect_calls(Picture_CM, 0, {Cls(), Scale(-16, -2.4f, 16, 2)});
  EXPECT_EQ(Picture_CM.calls().size(), 17u);
  EXPECT_EQ(w.Text1.Text, "0");
  EXPECT_EQ(w.CurveCM(3), 7);
  EXPECT_EQ(w.CurveAlfa(3), 0);
  for (const auto& c : Picture_CM.calls()) EXPECT_NE(c.op, SurfaceCall::Op::Circle);
}

TEST_F(ChartTest, LiftChartBeforeAnyGeometryIsTheZeroLineInBlack) {
  basınc_hesapla(w);
  CL_Alfa_ciz(w, plots);
  EXPECT_EQ(w.Text_CL.Text, "0");
  ASSERT_EQ(Picture_CL.calls().size(), 45u);
  for (const auto& c : Picture_CL.calls()) {
    if (c.op == SurfaceCall::Op::Line || c.op == SurfaceCall::Op::Circle) {
      EXPECT_EQ(c.colour, 0);
    }
  }
  for (std::size_t k = 20; k < 44; ++k) {
    EXPECT_EQ(Picture_CL.calls()[k].args[1], 0.0f);
    EXPECT_EQ(Picture_CL.calls()[k].args[3], 0.0f);
  }
}

struct ChartMooCase {
  const char* text;
  bool corrected;
  double beta;  // Beta afterwards, from 0.5 before the run
  bool reported;
};

void PrintTo(const ChartMooCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class CoefficientMoo : public ChartTest, public ::testing::WithParamInterface<ChartMooCase> {};

TEST_P(CoefficientMoo, OverlaysTheCorrectedCurveOnlyForASubsonicNonZeroMach) {
  const ChartMooCase& c = GetParam();
  section(0.1, 0.05, 51, 4);
  renkler(w);
  w.Text_Moo.Text = c.text;
  for (auto* chart : {&CL_Alfa_ciz, &CM_Alfa_ciz}) {
    w.Beta = 0.5;
    chart(w, plots);
    EXPECT_DOUBLE_EQ(w.Beta, c.beta);
  }
  for (const RecordingSurface* s : {&Picture_CL, &Picture_CM}) {
    EXPECT_EQ(count(*s, SurfaceCall::Op::Line, kMagenta), c.corrected ? 24 : 0);
    EXPECT_EQ(count(*s, SurfaceCall::Op::Circle, kMagenta), c.corrected ? 1 : 0);
    EXPECT_EQ(count(*s, SurfaceCall::Op::Circle, kRed), 1);
  }
  EXPECT_EQ(messages.shown.size(), c.reported ? 1u : 0u);  // once for both charts
}

INSTANTIATE_TEST_SUITE_P(Texts, CoefficientMoo,
                         ::testing::Values(ChartMooCase{"0", false, 0.5, false},
                                           ChartMooCase{"0.6", true, 0.8, false},
                                           ChartMooCase{"-0.5", true, 0.8660254037844386, false},
                                           ChartMooCase{"abc", false, 0.5, false},
                                           ChartMooCase{"0,5", true, 0.8660254037844386, false},
                                           ChartMooCase{"1", false, 0.5, true},
                                           ChartMooCase{"1e999", false, 0.5, true}));

TEST_F(ChartTest, MachPointSixStretchesBothChartsByOneQuarter) {
  w.HScroll_xM.Value = 10;
  section(0.1, 0.05, 51, 6);
  w.Text_Moo.Text = "0.6";
  draw_all(w, plots);
  ASSERT_DOUBLE_EQ(w.Beta, 0.8);
  const struct {
    const RecordingSurface* s;
    std::size_t blue_from;
  } charts[] = {{&Picture_CL, 20}, {&Picture_CM, 17}};
  for (const auto& chart : charts) {
    const auto& calls = chart.s->calls();
    ASSERT_EQ(calls.size(), chart.blue_from + 24 + 1 + 24 + 1);
    for (std::size_t k = 0; k < 25; ++k) {  // 24 segments, then the marker
      const SurfaceCall& plain = calls[chart.blue_from + k];
      const SurfaceCall& corrected = calls[chart.blue_from + 25 + k];
      EXPECT_EQ(corrected.colour, kMagenta);
      EXPECT_EQ(corrected.args[0], plain.args[0]);
      EXPECT_NEAR(corrected.args[1], 1.25 * plain.args[1], 1e-6);
      if (k < 24) {
        EXPECT_NEAR(corrected.args[3], 1.25 * plain.args[3], 1e-6);
      } else {
        EXPECT_EQ(corrected.args[2], 0.4f);
      }
    }
  }
}

TEST_F(ChartTest, NegativeMachGivesTheSameOverlayAsPositive) {
  section(0.1, 0.05, 51, 6);
  w.Text_Moo.Text = "0.5";
  draw_all(w, plots);
  const auto cl = Picture_CL.calls();
  const auto cm = Picture_CM.calls();
  const auto pr = pressure.calls();
  w.Text_Moo.Text = "-0.5";
  draw_all(w, plots);
  for (auto [a, b] : {std::pair{&cl, &Picture_CL}, std::pair{&cm, &Picture_CM}, std::pair{&pr, &pressure}}) {
    ASSERT_EQ(a->size(), b->calls().size());
    for (std::size_t k = 0; k < a->size(); ++k) EXPECT_EQ((*a)[k].args, b->calls()[k].args) << k;
  }
}

TEST_F(ChartTest, OutOfRangeMachIsReportedOncePerCycle) {
  section(0, 0, 51, 2);
  w.Text_Moo.Text = "1";
  draw_all(w, plots);
  EXPECT_EQ(messages.shown, std::vector<std::string>{kMooOutOfRange});
  EXPECT_EQ(w.Beta, 1.0);
  w.moo_reported = false;
  draw_all(w, plots);
  EXPECT_EQ(messages.shown.size(), 2u);
}

TEST_F(ChartTest, MomentThatOverflowsIsAFault) {
  section(0, 0, 51, 5);
  CL_Alfa_ciz(w, plots);
  w.Chord = 1e-200;  // 1 / Chord^2 is beyond every double
  EXPECT_THROW(CM_Alfa_ciz(w, plots), Fault);
}

}  // namespace
}  // namespace airfoil::testing
