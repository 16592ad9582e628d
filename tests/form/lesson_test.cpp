// The lesson run in the window alone, on the shipped catalogue: the cases
// reached by presets and typed boxes, the numbers a teacher says aloud, and
// the pinned references on the pictures.

#include <cmath>
#include <fstream>
#include <iterator>

#include "form_fixture.h"
#include "model/readouts.h"
#include "ui/lesson.h"
#include "ui/readout_texts.h"
#include "ui/readouts_view.h"

namespace airfoil::testing {
namespace {

class LessonTest : public FormTest {
 protected:
  void SetUp() override {
    std::ifstream file(AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt");
    start(std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
  }
  void enter(const char* box, const char* text) { enter_typed(*form, *find_typed_box(box), text); }
  int styled_lines(const RecordingSurface& s, LineStyle style) {
    int n = 0;
    for (const SurfaceCall& call : s.calls()) n += call.op == SurfaceCall::Op::Line && call.style == style;
    return n;
  }
};

TEST_F(LessonTest, TheNumbersTheTeacherSays) {
  // Camber makes lift: 12 % / 4 % at 2 degrees, typed as per cents.
  enter("Text_Thickness", "12");
  enter("Text_Camber", "4%");
  enter("Text_AlfaD", "2");
  Readouts r = form->readouts();
  EXPECT_NEAR(r.alpha_zero_lift_deg, -4.57, 0.005);
  EXPECT_NEAR(*r.m_crit, 0.599, 0.0005);
  enter("Text_AlfaD", "6");
  EXPECT_NEAR(*form->readouts().m_crit, 0.456, 0.0005);

  // The moment about the quarter chord of a 4 % arc is thin-airfoil theory's -pi f/c.
  enter("Text_Thickness", "0");
  enter("Text_xM", "0.25");
  enter("Text_AlfaD", "0");
  EXPECT_EQ(w().Text1.Text, "-0.12566");
  EXPECT_NEAR(form->readouts().thin_cm_quarter, -0.1257, 0.00005);

  // Compressibility: the last preset is 12 % / 4 % at 2 degrees, Moo 0.6 drawn:
  // just past its critical Mach number, and the sonic line is on the chart.
  apply_preset(*form, kPresets[5]);
  r = form->readouts();
  EXPECT_TRUE(r.supercritical);
  EXPECT_DOUBLE_EQ(*r.cl_corrected, r.cl / 0.8);
  EXPECT_EQ(styled_lines(pressure, LineStyle::dash), 1);
}

// A symmetric section lifts nothing at zero incidence: its zero-lift angle
// is shown as 0, never with a sign its rounding error gave it, in the
// handout's lines and in the readouts window's rows alike.
TEST_F(LessonTest, SymmetricSectionsZeroLiftAngleReadsWithoutASign) {
  apply_preset(*form, kPresets[1]);
  const auto as_is = [](const std::string& s) { return s; };
  std::string lines;
  for (const Phrase& line : readout_lines(form->readouts())) lines += render(line, as_is) + "\n";
  for (const ReadoutCells& row : readout_cells(form->readouts()))
    lines += render(row.value, as_is) + " | " + render(row.thin, as_is) + "\n";
  EXPECT_EQ(lines.find("-0.0"), std::string::npos) << lines;
  EXPECT_NE(lines.find("0.00° | 0.00°"), std::string::npos) << lines;
}

// The sweep charts: the drawn section is ringed on the curve, and zero stays
// in view (the axis line) even when every CL of the sweep is positive.
TEST_F(LessonTest, SweepChartRingsTheDrawnSectionAndKeepsZeroInView) {
  apply_preset(*form, kPresets[2]);
  const Sweeps sweeps = sweeps_of(w());
  ASSERT_GT(sweeps.camber.size(), 2U);
  struct Fixed : TextMetrics {
    double advance(const Font&, const std::string& t) const override { return 6.0 * t.size(); }
    double ascent(const Font&) const override { return 9; }
    double descent(const Font&) const override { return 3; }
    double height(const Font&) const override { return 12; }
  } metrics;
  const FlowDrawing d =
      draw_sweep_chart(sweeps.camber, sweeps.live_camber, false, "CL", 260, 150, FlowStyle{}, metrics);
  const FlowShape* curve = nullptr;
  const FlowShape* ring = nullptr;
  const FlowShape* axis = nullptr;
  for (const FlowShape& s : d.shapes) {
    if (s.kind == FlowShape::Kind::Polyline) curve = &s;
    if (s.kind == FlowShape::Kind::Ellipse) ring = &s;
    if (s.kind == FlowShape::Kind::Line) axis = &s;
  }
  ASSERT_TRUE(curve && ring && axis);
  ASSERT_EQ(curve->points.size(), sweeps.camber.size());
  std::size_t live = 0;
  while (std::fabs(sweeps.camber[live].ratio - 0.04) > 1e-9) ++live;
  EXPECT_DOUBLE_EQ(ring->points[0].x, curve->points[live].x);
  EXPECT_DOUBLE_EQ(ring->points[0].y, curve->points[live].y);
  EXPECT_NEAR(sweeps.camber[live].cl, form->readouts().cl, 1e-12);
  // CL grows with camber at 6 degrees and is positive throughout: zero is the
  // plot's bottom edge, the lowest point of the curve on it or above.
  EXPECT_LT(curve->points.back().y, curve->points.front().y);
  for (const Point& p : curve->points) EXPECT_LE(p.y, axis->points[0].y + 1e-9);
}

// So small a Mach number that its square underflows puts the sonic line at
// infinity: the cycle draws everything else and reports no fault.
TEST_F(LessonTest, VanishingMachNumberDrawsNoSonicLineAndNoFault) {
  apply_preset(*form, kPresets[5]);
  w().Text_Moo.Text = "1e-300";
  form->Text_Moo_Return();
  EXPECT_TRUE(messages.faults.empty()) << messages.faults.front();
  EXPECT_EQ(styled_lines(pressure, LineStyle::dash), 0);
  EXPECT_FALSE(form->readouts().cp_star.has_value());
}

TEST_F(LessonTest, TypedBoxesClampRoundTakePerCentsAndRestoreBadText) {
  enter("Text_Thickness", "0.5");  // neither 0.5 nor its hundredth's step: 0.005 rounds to 1 %
  EXPECT_EQ(w().HScroll_Thickness.Value, 1);
  enter("Text_Thickness", "50");  // beyond the range either way: clamped
  EXPECT_EQ(w().HScroll_Thickness.Value, 30);
  EXPECT_EQ(w().Text_Thickness.Text, "0.3");
  enter("Text_nP", "50");  // rounded to the bar's step of 2 from 11
  EXPECT_EQ(w().HScroll_nP.Value, 51);
  enter("Text_AlfaD", "-3,4");
  EXPECT_EQ(w().HScroll_AlfaD.Value, -3);
  enter("Text_xM", "1");  // inside the range as a ratio: the trailing edge
  EXPECT_EQ(w().HScroll_xM.Value, 100);
  w().Text_Camber.Text = "abc";
  enter("Text_Camber", "abc");
  EXPECT_EQ(w().Text_Camber.Text, "0");
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(LessonTest, PinnedCasesStayPutAreDashedAndTheOldestMakesRoom) {
  apply_preset(*form, kPresets[2]);
  ASSERT_TRUE(pin_case(*form));
  const int live_lines = styled_lines(pressure, LineStyle::solid);
  apply_preset(*form, kPresets[1]);
  // The reference is the same segments as the live 12 % / 4 % case drew.
  EXPECT_EQ(styled_lines(pressure, LineStyle::dash), 50);
  EXPECT_EQ(styled_lines(pressure, LineStyle::solid), live_lines);
  EXPECT_EQ(w().references[0].state.Camber, 0.04);
  for (int k = 0; k < 4; ++k) pin_case(*form);
  EXPECT_EQ(w().references.size(), kMaxReferences);
  EXPECT_EQ(w().references[0].state.Camber, 0.0);
  EXPECT_GT(styled_lines(Picture_CL, LineStyle::dash_dot_dot), 0);
  unpin_all(*form);
  EXPECT_EQ(styled_lines(Picture_CM, LineStyle::dash), 0);
}

}  // namespace
}  // namespace airfoil::testing
