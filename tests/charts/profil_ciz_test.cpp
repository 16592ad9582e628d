#include <gtest/gtest.h>

#include "chart_fixture.h"

namespace airfoil::testing {
namespace {

constexpr Colour kBlack = 0, kRed = 255, kGreen = 65280, kBlue = 16711680;

// The airfoil-plane grid, the same for every section: six vertical lines
// x/c = 0 to 1, then six horizontal ones from plane y/c = 0.3 down to -0.2.
void expect_profil_grid(const RecordingSurface& s) {
  expect_calls(s, 0,
               {Cls(), Scale(-0.1f, -0.35f, 1.1f, 0.25f), Line(0, -0.3f, 0, 0.2f, kBlack),
                Line(0.2f, -0.3f, 0.2f, 0.2f, kGreen), Line(0.4f, -0.3f, 0.4f, 0.2f, kGreen),
                Line(0.6f, -0.3f, 0.6f, 0.2f, kGreen), Line(0.8f, -0.3f, 0.8f, 0.2f, kGreen),
                Line(1, -0.3f, 1, 0.2f, kGreen), Line(0, -0.3f, 1, -0.3f, kGreen),
                Line(0, -0.2f, 1, -0.2f, kGreen), Line(0, -0.1f, 1, -0.1f, kGreen), Line(0, 0, 1, 0, kBlack),
                Line(0, 0.1f, 1, 0.1f, kGreen), Line(0, 0.2f, 1, 0.2f, kGreen)});
}

TEST_F(ChartTest, BeforeAnyGeometryShowsAxesCentreCrossAndGridOnly) {
  profil_ciz(w, plots);

  expect_calls(daire, 0,
               {Cls(), Scale(-2, -2, 2, 2), Line(-2, 0, 2, 0), Line(0, -2, 0, 2), Line(-0.1f, 0, 0.1f, 0),
                Line(0, -0.1f, 0, 0.1f)});
  EXPECT_EQ(daire.calls().size(), 6u);
  expect_profil_grid(profil);
  EXPECT_EQ(profil.calls().size(), 14u);
  EXPECT_EQ(w.colBlack, 0);
  EXPECT_EQ(w.colRed, 255);
  EXPECT_EQ(w.colGreen, 65280);
  EXPECT_EQ(w.colBlue, 16711680);
}

TEST_F(ChartTest, CentreCrossSitsAtTheCircleCentreDrawnUpsideUp) {
  section(0.1, 0.05);
  profil_ciz(w, plots);
  // Plane point (-Eps, Delta) is drawn at user point (-Eps, -Delta).
  expect_calls(daire, 4,
               {Line(-0.2f, -0.05f, static_cast<float>(-0.1 + 0.1), -0.05f),
                Line(-0.1f, static_cast<float>(-0.05 - 0.1), -0.1f, static_cast<float>(-0.05 + 0.1))});
  expect_profil_grid(profil);
}

// Checks that the outline on `s` from call `from` on joins point i to i + 1
// for i = 1 .. nSeg, red up to `last_red`, blue after, at (X(i), -Y(i)).
template <class X, class Y>
void expect_outline(const RecordingSurface& s, std::size_t from, int nSeg, int last_red, X x, Y y) {
  ASSERT_EQ(s.calls().size(), from + nSeg);
  for (int i = 1; i <= nSeg; ++i) {
    const SurfaceCall& c = s.calls()[from + i - 1];
    const Colour colour = i <= last_red ? kRed : kBlue;
    const std::vector<float> args{static_cast<float>(x(i)), static_cast<float>(-y(i)),
                                  static_cast<float>(x(i + 1)), static_cast<float>(-y(i + 1))};
    EXPECT_TRUE(c.op == SurfaceCall::Op::Line && c.colour == colour && c.args == args)
        << "segment " << i << ": " << describe(c.op, c.args, c.colour);
  }
}

struct OutlineCase {
  double eps, delta;
  int nP;
  int red;  // segments drawn red on each outline
};

class ProfilOutline : public ChartTest, public ::testing::WithParamInterface<OutlineCase> {};

TEST_P(ProfilOutline, JoinsEveryPointToTheNextRedThenBlue) {
  const OutlineCase& c = GetParam();
  section(c.eps, c.delta, c.nP);
  profil_ciz(w, plots);
  const int nSeg = c.nP - 1;
  expect_outline(
      daire, 6, nSeg, c.red, [&](int i) { return w.Xc(i); }, [&](int i) { return w.Yc(i); });
  expect_outline(
      profil, 14, nSeg, c.red, [&](int i) { return w.Xp(i); }, [&](int i) { return w.Yp(i); });

  // Both outlines start and end at the trailing edge (1, 0).
  for (const RecordingSurface* s : {&daire, &profil}) {
    EXPECT_EQ(s->calls()[s->calls().size() - nSeg].args[0], 1.0f);
    EXPECT_EQ(s->calls().back().args[2], 1.0f);
    EXPECT_EQ(s->calls().back().args[3], 0.0f);
  }
}

INSTANTIATE_TEST_SUITE_P(Sections, ProfilOutline,
                         ::testing::Values(OutlineCase{0, 0, 51, 25},  // start-up: red 1..26, blue 26..51
                                           OutlineCase{0.1, 0.05, 51, 25},  // cambered, thick
                                           OutlineCase{0.1, 0.05, 11, 5},   // fewest points: five and five
                                           OutlineCase{0.1, 0.05, 50, 24},  // even: split below nHalf = 24.5
                                           OutlineCase{0.1, 0.05, 101, 50}));

TEST_F(ChartTest, LeadingEdgeEndsTheRedHalfOfAnOddOutline) {
  section(0.1, 0.05, 51);
  profil_ciz(w, plots);
  const auto red = lines(profil, kRed);
  ASSERT_EQ(red.size(), 25u);
  // Point nHalf + 1 = 26 is the leading edge, the foremost point.
  float front = 2;
  for (const auto& c : profil.calls()) {
    if (c.op == SurfaceCall::Op::Line && c.colour != kBlack && c.colour != kGreen)
      front = std::min(front, c.args[0]);
  }
  EXPECT_EQ(red.back().args[2], front);
}

TEST_F(ChartTest, OutlineBeyondTheWindowIsHandedOverUnchanged) {
  // A point far outside the profil window is the surface's to clip.
  section(0, 0, 11);
  w.Yp(3) = -2.5;
  profil_ciz(w, plots);
  EXPECT_EQ(profil.calls()[14 + 1].args[3], 2.5f);
  EXPECT_EQ(profil.calls()[14 + 2].args[1], 2.5f);
}

TEST_F(ChartTest, NonFinitePointIsAFaultNotADrawing) {
  section(0, 0, 11);
  w.Xc(4) = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(profil_ciz(w, plots), Fault);
}

}  // namespace
}  // namespace airfoil::testing
