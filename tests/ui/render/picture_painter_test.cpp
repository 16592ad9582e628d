// The replay of a picture's calls through QPainter: where user points land,
// crisp one-pixel lines, clipping of wild coordinates, round circles.
#include <QImage>
#include <QPainter>

#include <cfloat>
#include <limits>

#include <gtest/gtest.h>

#include "charts/recording_surface.h"
#include "ui/render/picture_painter.h"
#include "ui/render/qt_layout.h"
#include "ui/surface_layout.h"

namespace airfoil {
namespace {

constexpr Colour kRed = 255, kBlue = 16711680;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int count = 0;
};

// Where the pixels that pass `is` lie, in device pixels.
template <class Is>
Box pixels_where(const QImage& image, Is is) {
  Box b;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (!is(image.pixelColor(x, y))) continue;
      ++b.count;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

Box pixels_of(const QImage& image, Colour colour) {
  const QColor c = to_qcolor(colour);
  return pixels_where(image, [&](const QColor& p) { return p == c; });
}

// Mostly red: the smoothed edge of a ring blends into the background.
bool reddish(const QColor& c) { return c.red() > 200 && c.green() < 150 && c.blue() < 120; }

QImage replay(const RecordingSurface& s, QSize size, double scale = 1) {
  QImage image(QSize(qRound(size.width() * scale), qRound(size.height() * scale)), QImage::Format_RGB32);
  QPainter painter(&image);
  paint_calls(painter, s.calls(), s.scale_at_start(), size, scale, s.BackColor, s.ForeColor);
  return image;
}

const QSize kDaire(227, 227);

RecordingSurface daire_surface() {
  RecordingSurface r(kSurfaceBackground, 0);
  r.Cls();
  r.Scale(-2, -2, 2, 2);
  return r;
}

TEST(PicturePainter, UserPointLandsOnItsPixel) {
  RecordingSurface s(kSurfaceBackground, 0);
  s.Scale(0, 0, 10, 5);
  s.Line(2.55f, 1.55f, 2.55f, 1.55f, kRed);  // zero length: one pixel, no error
  const QImage image = replay(s, QSize(100, 50));
  const Box b = pixels_of(image, kRed);
  EXPECT_EQ(b.count, 1);
  EXPECT_EQ(b.left, 25);
  EXPECT_EQ(b.top, 15);
  EXPECT_EQ(pixels_of(image, kSurfaceBackground).count, 100 * 50 - 1);
}

// A reference's curve is many segments; its pattern runs on across them, so
// a dashed polyline shows gaps (and stays apart from a solid live line) in
// every output, black-and-white print included.
TEST(PicturePainter, DashedSegmentsShowGapsAlongTheWholeRun) {
  RecordingSurface s(kSurfaceBackground, 0);
  s.Scale(0, 0, 100, 10);
  s.line_style = LineStyle::dash;
  for (int x = 0; x < 100; x += 5) s.Line(static_cast<float>(x), 5, static_cast<float>(x + 5), 5, kRed);
  s.line_style = LineStyle::solid;
  s.Line(0, 8, 100, 8, kBlue);
  const QImage image = replay(s, QSize(100, 10));
  const int dashed = pixels_of(image, kRed).count;
  EXPECT_GT(dashed, 45);
  EXPECT_LT(dashed, 75);  // a pattern of 6 on, 4 off
  EXPECT_GE(pixels_of(image, kBlue).count, 99);
}

TEST(PicturePainter, DownwardScaleTurnsPlaneYUpward) {
  // The charts draw plane y at user -y; with the top corner at y = -2 a
  // positive plane y shows in the upper half.
  RecordingSurface s = daire_surface();
  s.Line(0.5f, -1.5f, 0.5f, -1.5f, kRed);
  const Box b = pixels_of(replay(s, kDaire), kRed);
  EXPECT_EQ(b.left, 141);  // 2.5 / 4 of 227 = 141.9
  EXPECT_EQ(b.top, 28);    // 0.5 / 4 of 227 = 28.4
}

TEST(PicturePainter, LinesAreOneCrispLogicalPixelWideAtEveryScale) {
  RecordingSurface s = daire_surface();
  s.Line(-2, 0, 2, 0);  // foreground: black
  for (const int scale : {1, 2, 4}) {
    const QImage image = replay(s, kDaire, scale);
    const Box axis = pixels_of(image, 0);
    EXPECT_EQ(axis.bottom - axis.top + 1, scale) << scale;
    EXPECT_EQ(axis.right - axis.left + 1, 227 * scale) << scale;
    EXPECT_EQ(axis.count, 227 * scale * scale) << scale;
    // Only the two colours and the background: no smoothing.
    const Box other = pixels_where(
        image, [](const QColor& c) { return c != to_qcolor(0) && c != to_qcolor(kSurfaceBackground); });
    EXPECT_EQ(other.count, 0) << scale;
  }
  RecordingSurface d = daire_surface();
  d.Line(-1, -1, 1, 1, kRed);  // a diagonal: one pixel in each column it crosses
  const Box diagonal = pixels_of(replay(d, kDaire), kRed);
  EXPECT_EQ(diagonal.right - diagonal.left + 1, diagonal.count);
  EXPECT_EQ(diagonal.bottom - diagonal.top + 1, diagonal.count);
}

struct WildLine {
  const char* name;
  float x1, y1, x2, y2;
  int pixels;  // red pixels expected on the 227 x 227 daire picture
};

void PrintTo(const WildLine& c, std::ostream* os) { *os << c.name; }

class PainterWildLine : public ::testing::TestWithParam<WildLine> {};

TEST_P(PainterWildLine, IsClippedToThePictureOrDropped) {
  const WildLine& c = GetParam();
  RecordingSurface s = daire_surface();
  s.Line(c.x1, c.y1, c.x2, c.y2, kRed);
  const QImage image = replay(s, kDaire);
  EXPECT_EQ(pixels_of(image, kRed).count, c.pixels);
  EXPECT_EQ(pixels_of(image, kSurfaceBackground).count, 227 * 227 - c.pixels);
}

INSTANTIATE_TEST_SUITE_P(Lines, PainterWildLine,
                         ::testing::Values(WildLine{"largest_floats_across", -FLT_MAX, 0, FLT_MAX, 0, 227},
                                           WildLine{"huge_upward_from_centre", 0, 0, 0, -1e30f, 114},
                                           WildLine{"huge_far_away", 1e30f, 1e30f, 2e30f, 2e30f, 0},
                                           WildLine{"just_outside", 2.1f, -3, 2.1f, 3, 0},
                                           WildLine{"nan_end", kNaN, 0, 1, 1, 0},
                                           WildLine{"infinite_end", 0, 0, kInf, 0, 0},
                                           WildLine{"diagonal_corner_to_corner", -3, -3, 3, 3, 227}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PicturePainter, OnlyTheCallsSinceTheLastClsShow) {
  RecordingSurface s = daire_surface();
  s.Line(-2, -2, 2, 2, kRed);
  s.Cls();  // keeps the scale
  s.Line(-2, 0, 2, 0, kBlue);
  const QImage image = replay(s, kDaire);
  EXPECT_EQ(pixels_of(image, kRed).count, 0);
  EXPECT_EQ(pixels_of(image, kBlue).top, 113);
}

TEST(PicturePainter, CircleIsRoundOnAStretchedScale) {
  // The lift chart's scale: 10 pixels a degree across, 20 pixels a unit
  // down. A radius of 4 degrees is 40 pixels both ways.
  RecordingSurface s(kSurfaceBackground, 0);
  s.Scale(-16, -4, 16, 2);
  s.Circle(0, -1, 4, kRed);
  const QImage image = replay(s, QSize(320, 120));
  const Box b = pixels_where(image, reddish);
  EXPECT_NEAR(b.right - b.left, 80, 1);
  EXPECT_NEAR(b.bottom - b.top, 80, 1);
  EXPECT_NEAR((b.left + b.right) / 2.0, 160, 1);
  EXPECT_NEAR((b.top + b.bottom) / 2.0, 60, 1);
  EXPECT_FALSE(reddish(image.pixelColor(160, 60)));  // an outline, not a disc
  EXPECT_GT(b.count, 200);                           // closed: about 2 pi 40 pixels
  EXPECT_LT(b.count, 330);
}

TEST(PicturePainter, AbsurdCirclesDrawNothingAndAPointCircleIsAPixel) {
  RecordingSurface s = daire_surface();
  s.Circle(0, 0, 1e30f, kRed);  // the picture lies inside it
  s.Circle(1e30f, 0, 1e30f, kRed);
  s.Circle(50, 50, 1, kRed);  // wholly outside
  s.Circle(0, 0, kNaN, kRed);
  s.Circle(kInf, 0, 1, kRed);
  s.Circle(0, 0, -1, kRed);
  EXPECT_EQ(pixels_of(replay(s, kDaire), kSurfaceBackground).count, 227 * 227);
  s.Circle(0, 0, 0, kRed);
  EXPECT_EQ(pixels_of(replay(s, kDaire), kRed).count, 1);
}

TEST(PicturePainter, DegenerateScaleIsIgnored) {
  RecordingSurface s = daire_surface();
  s.Scale(1, -2, 1, 2);
  s.Scale(-2, kNaN, 2, 2);
  s.Line(-2, 0, 2, 0, kRed);  // still on the (-2, -2)-(2, 2) window
  const Box b = pixels_of(replay(s, kDaire), kRed);
  EXPECT_EQ(b.count, 227);
  EXPECT_EQ(b.top, 113);
}

}  // namespace
}  // namespace airfoil
