#include <gtest/gtest.h>

#include <QImage>

#include <cfloat>
#include <limits>

#include "charts/raster/raster_surface.h"
#include "ui/surface_layout.h"

namespace airfoil::testing {
namespace {

constexpr Colour kRed = 255, kBlue = 16711680;
constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

QRgb rgb(Colour c) { return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

struct Box {
  int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
  int count = 0;
};

// Where the pixels of one colour lie, in device pixels.
Box pixels_of(const QImage& image, Colour colour) {
  Box b;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != rgb(colour)) continue;
      ++b.count;
      b.left = std::min(b.left, x);
      b.right = std::max(b.right, x);
      b.top = std::min(b.top, y);
      b.bottom = std::max(b.bottom, y);
    }
  }
  return b;
}

RasterSurface daire_surface(double ratio = 1) {
  const SurfaceLayout& s = surface_layout(SurfaceId::daire);
  RasterSurface r(s.pixel_width(), s.pixel_height(), s.BackColor, s.ForeColor, ratio);
  r.Cls();
  r.Scale(-2, -2, 2, 2);
  return r;
}

TEST(RasterSurface, StartsInItsBackgroundColourAtItsPixelSize) {
  RasterSurface s(320, 160, kSurfaceBackground, kBlue);
  EXPECT_EQ(s.image().size(), QSize(320, 160));
  EXPECT_EQ(pixels_of(s.image(), kSurfaceBackground).count, 320 * 160);
  EXPECT_EQ(s.image().pixel(0, 0), qRgb(255, 255, 192));
}

TEST(RasterSurface, UserPointLandsOnItsPixel) {
  RasterSurface s(100, 50, kSurfaceBackground, 0);
  s.Scale(0, 0, 10, 5);
  EXPECT_EQ(s.to_pixel(2.55, 1.55), (std::array<double, 2>{25.5, 15.5}));
  s.Line(2.55f, 1.55f, 2.55f, 1.55f, kRed);  // zero length: one pixel, no error
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_EQ(b.count, 1);
  EXPECT_EQ(b.left, 25);
  EXPECT_EQ(b.top, 15);
}

TEST(RasterSurface, DownwardScaleTurnsPlaneYUpward) {
  // The charts draw plane y at user -y; with the top corner at y = -2 a
  // positive plane y shows in the upper half.
  RasterSurface s = daire_surface();
  s.Line(0.5f, -1.5f, 0.5f, -1.5f, kRed);
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_EQ(b.left, 141);  // 2.5 / 4 of 227 = 141.9
  EXPECT_EQ(b.top, 28);    // 0.5 / 4 of 227 = 28.4
}

TEST(RasterSurface, AxisIsOneCrispPixelRowAcrossTheWholeWidth) {
  RasterSurface s = daire_surface();
  s.Line(-2, 0, 2, 0);  // foreground: black
  const Box b = pixels_of(s.image(), 0);
  EXPECT_EQ(b.count, 227);
  EXPECT_EQ(b.top, 113);
  EXPECT_EQ(b.bottom, 113);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.right, 226);
}

TEST(RasterSurface, DoubleDensityImageKeepsTheLogicalPicture) {
  RasterSurface s = daire_surface(2);
  EXPECT_EQ(s.image().size(), QSize(454, 454));
  EXPECT_EQ(s.image().devicePixelRatio(), 2.0);
  s.Line(-2, 0, 2, 0, kRed);
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_EQ(b.count, 2 * 454);  // one logical pixel is two device rows
  EXPECT_EQ(b.top, 226);
  EXPECT_EQ(b.bottom, 227);
}

struct WildLine {
  const char* name;
  float x1, y1, x2, y2;
  int pixels;  // red pixels expected on the 227 x 227 daire picture
};

void PrintTo(const WildLine& c, std::ostream* os) { *os << c.name; }

class RasterWildLine : public ::testing::TestWithParam<WildLine> {};

TEST_P(RasterWildLine, IsClippedToThePictureOrDropped) {
  const WildLine& c = GetParam();
  RasterSurface s = daire_surface();
  s.Line(c.x1, c.y1, c.x2, c.y2, kRed);
  EXPECT_EQ(pixels_of(s.image(), kRed).count, c.pixels);
  // Nothing but red was drawn over the background.
  EXPECT_EQ(pixels_of(s.image(), kSurfaceBackground).count, 227 * 227 - c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RasterWildLine,
    ::testing::Values(WildLine{"largest_floats_across", -FLT_MAX, 0, FLT_MAX, 0, 227},
                      WildLine{"huge_upward_from_centre", 0, 0, 0, -1e30f, 114},
                      WildLine{"huge_far_away", 1e30f, 1e30f, 2e30f, 2e30f, 0},
                      WildLine{"just_outside", 2.1f, -3, 2.1f, 3, 0},
                      WildLine{"nan_end", kNaN, 0, 1, 1, 0},
                      WildLine{"infinite_end", 0, 0, kInf, 0, 0},
                      WildLine{"diagonal_corner_to_corner", -3, -3, 3, 3, 227}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RasterSurface, ClsRestoresTheBackground) {
  RasterSurface s = daire_surface();
  s.Line(-2, -2, 2, 2, kRed);
  s.Circle(0, 0, 1, kBlue);
  s.Cls();
  EXPECT_EQ(pixels_of(s.image(), kSurfaceBackground).count, 227 * 227);
}

TEST(RasterSurface, CircleIsRoundOnAStretchedScale) {
  // The lift chart's scale: 10 pixels a degree across, 20 pixels a unit
  // down. A radius of 4 degrees is 40 pixels both ways.
  RasterSurface s(320, 120, kSurfaceBackground, 0);
  s.Scale(-16, -4, 16, 2);
  s.Circle(0, -1, 4, kRed);
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_NEAR(b.right - b.left, 80, 1);
  EXPECT_NEAR(b.bottom - b.top, 80, 1);
  EXPECT_NEAR((b.left + b.right) / 2.0, 160, 1);
  EXPECT_NEAR((b.top + b.bottom) / 2.0, 60, 1);
  EXPECT_NE(s.image().pixel(160, 60), rgb(kRed));  // an outline, not a disc
  EXPECT_GT(b.count, 200);                          // closed: about 2 pi 40 pixels
  EXPECT_LT(b.count, 300);
}

TEST(RasterSurface, CircleLeavingThePictureIsCutAtItsEdge) {
  RasterSurface s = daire_surface();
  s.Circle(2, 0, 1, kRed);
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_GT(b.count, 50);
  EXPECT_EQ(b.right, 226);
  EXPECT_NEAR(b.left, 170, 1);
}

TEST(RasterSurface, AbsurdCirclesDrawNothing) {
  RasterSurface s = daire_surface();
  s.Circle(0, 0, 1e30f, kRed);   // the picture lies inside it
  s.Circle(1e30f, 0, 1e30f, kRed);
  s.Circle(50, 50, 1, kRed);      // wholly outside
  s.Circle(0, 0, kNaN, kRed);
  s.Circle(kInf, 0, 1, kRed);
  s.Circle(0, 0, -1, kRed);
  EXPECT_EQ(pixels_of(s.image(), kRed).count, 0);
  s.Circle(0, 0, 0, kRed);        // a point
  EXPECT_EQ(pixels_of(s.image(), kRed).count, 1);
}

TEST(RasterSurface, DegenerateScaleIsIgnored) {
  RasterSurface s = daire_surface();
  s.Scale(1, -2, 1, 2);
  s.Scale(-2, kNaN, 2, 2);
  s.Line(-2, 0, 2, 0, kRed);  // still on the (-2, -2)-(2, 2) window
  const Box b = pixels_of(s.image(), kRed);
  EXPECT_EQ(b.count, 227);
  EXPECT_EQ(b.top, 113);
}

TEST(RasterSurface, ColourValueIsRedPlus256GreenPlus65536Blue) {
  RasterSurface s(10, 10, kSurfaceBackground, 0);
  s.Scale(0, 0, 10, 10);
  s.Line(1.5f, 1.5f, 1.5f, 1.5f, 16711935);  // magenta
  s.Line(2.5f, 2.5f, 2.5f, 2.5f, 65280);
  EXPECT_EQ(s.image().pixel(1, 1), qRgb(255, 0, 255));
  EXPECT_EQ(s.image().pixel(2, 2), qRgb(0, 255, 0));
}

}  // namespace
}  // namespace airfoil::testing
