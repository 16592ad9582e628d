#include <gtest/gtest.h>

#include "chart_fixture.h"
#include "charts/recording_surface.h"
#include "ui/surface_layout.h"

namespace airfoil::testing {
namespace {

TEST(RecordingSurface, ClsStartsTheKeptListWithItselfAndKeepsTheScale) {
  RecordingSurface s(kSurfaceBackground, 0);
  s.Scale(0, 0, 1, 1);
  s.Line(0, 0, 1, 1, 255);
  s.Cls();
  s.Line(0.25f, 0.5f, 0.75f, 1, 65280);

  expect_calls(s, 0, {Cls(), Line(0.25f, 0.5f, 0.75f, 1, 65280)});
  EXPECT_EQ(s.calls().size(), 2u);
  ASSERT_TRUE(s.scale().has_value());
  EXPECT_EQ(*s.scale(), (std::array<float, 4>{0, 0, 1, 1}));
  EXPECT_EQ(s.cls_count(), 1);
  EXPECT_EQ(s.total_calls(), 4);
}

TEST(RecordingSurface, KeepsForegroundLinesApartFromColouredOnes) {
  RecordingSurface s;
  s.Line(1, 2, 3, 4);
  s.Line(1, 2, 3, 4, 0);
  s.Circle(5, 6, 0.4f, kMagenta);
  expect_calls(s, 0, {Line(1, 2, 3, 4), Line(1, 2, 3, 4, 0), Circle(5, 6, 0.4f, kMagenta)});
  EXPECT_FALSE(s.calls()[0].colour.has_value());
  EXPECT_EQ(s.cls_count(), 0);
}

TEST(SurfaceLayouts, PixelSizesAreTwipsOverFifteenRounded) {
  const std::pair<const char*, std::array<int, 2>> expected[] = {
      {"daire", {227, 227}},      {"profil", {320, 160}},     {"pressure", {320, 289}},
      {"Picture_CL", {213, 261}}, {"Picture_CM", {217, 185}},
  };
  for (const auto& [name, size] : expected) {
    const SurfaceLayout* s = find_surface_layout(name);
    ASSERT_NE(s, nullptr) << name;
    EXPECT_EQ(s->pixel_width(), size[0]) << name;
    EXPECT_EQ(s->pixel_height(), size[1]) << name;
    EXPECT_EQ(s->BackColor, 12648447) << name;
  }
  EXPECT_EQ(find_surface_layout("Picture1"), nullptr);
  EXPECT_EQ(surface_layout(SurfaceId::profil).ForeColor, 16711680);
  EXPECT_EQ(surface_layout(SurfaceId::pressure).ForeColor, 65280);
}

}  // namespace
}  // namespace airfoil::testing
