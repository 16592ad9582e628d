#include "charts/device_plan.h"

#include <gtest/gtest.h>

#include <cmath>

#include "charts/picture_svg.h"
#include "charts/recording_surface.h"

namespace airfoil::testing {
namespace {

using Kind = DeviceShape::Kind;

// A 100 x 50 picture showing x from 0 to 10 and y from 5 down to -5.
RecordingSurface surface_with(void (*draw)(RecordingSurface&)) {
  RecordingSurface s(kLightYellow, kBlue);
  s.Cls();
  s.Scale(0, 5, 10, -5);
  draw(s);
  return s;
}

TEST(DevicePlan, PutsALineOnThePenGridAtEveryScale) {
  const RecordingSurface s = surface_with([](RecordingSurface& r) { r.Line(1, 0, 9, 0); });
  // x = 1 is device 10 per scale unit and y = 0 the middle row; a pen of one
  // pixel strokes through pixel centres, an even pen along pixel edges.
  const struct { double scale, x, y; } expected[] = {{1, 10.5, 25.5}, {2, 20, 50}, {4, 40, 100}};
  for (const auto& [scale, x, y] : expected) {
    const DevicePlan plan = plan_picture(s.calls(), s.scale_at_start(), 100, 50, scale, kLightYellow, kBlue);
    ASSERT_EQ(plan.width, std::lround(100 * scale));
    ASSERT_EQ(plan.shapes.size(), 3u) << "the start fill, the Cls and the line";
    EXPECT_EQ(plan.shapes[1].kind, Kind::Fill);
    const DeviceShape& line = plan.shapes[2];
    EXPECT_EQ(line.kind, Kind::Line);
    EXPECT_EQ(line.colour, kBlue) << "a line without a colour takes the foreground";
    EXPECT_EQ(line.pen, std::lround(scale));
    EXPECT_EQ(line.x1, x);
    EXPECT_EQ(line.y1, y);
  }
}

TEST(DevicePlan, DropsWhatCannotShowAndKeepsWhatDoes) {
  const RecordingSurface s = surface_with([](RecordingSurface& r) {
    r.Line(20, 0, 30, 0, kRed);          // wholly off the picture
    r.Line(NAN, 0, 1, 0, kRed);          // not a number
    r.Circle(5, 0, 1e12f, kRed);         // far larger than any screen
    r.Circle(5, 0, 0, kRed);             // a point: one pen square
    r.Circle(5, 0, 2, kRed);             // a ring of 20 pixels radius
    r.Line(-100, -100, 100, 100, kRed);  // clipped to the picture
  });
  const DevicePlan plan = plan_picture(s.calls(), s.scale_at_start(), 100, 50, 1, kLightYellow, kBlue);
  ASSERT_EQ(plan.shapes.size(), 5u);
  EXPECT_EQ(plan.shapes[2].kind, Kind::Dot);
  EXPECT_EQ(plan.shapes[3].kind, Kind::Ring);
  EXPECT_DOUBLE_EQ(plan.shapes[3].x2, 20);
  EXPECT_EQ(plan.shapes[4].kind, Kind::Line);
  for (const double v : {plan.shapes[4].x1, plan.shapes[4].x2}) EXPECT_TRUE(v >= 0 && v <= 100);

  // The SVG holds one element per shape that draws, and its labels' texts
  // escaped.
  const std::string svg = picture_svg(plan, {{"a<b & \"c\"", 1, 1, 20, 10, "Arial", 11}}, kLightYellow);
  EXPECT_NE(svg.find(">a&lt;b &amp; &quot;c&quot;</text>"), std::string::npos);
  EXPECT_NE(svg.find("<circle "), std::string::npos);
  EXPECT_NE(svg.find("<line "), std::string::npos);
}

}  // namespace
}  // namespace airfoil::testing
