// The boundary-layer pictures below the toolkit, over sections, incidences
// and Reynolds numbers from one end of their ranges to the other: a face is
// never handed a number it cannot draw, and no tick label leaves its
// picture. And the Re box's text reads back as the number it shows.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

#include "model/numtext.h"
#include "ui/boundary_layer_scene.h"

namespace airfoil::testing {
namespace {

// Fonts as wide as the widest the faces have, so a label that fits here fits
// there: every character 0.65 em, the line 1.2 em.
class WideMetrics final : public TextMetrics {
 public:
  static double px(const Font& f) { return f.points * 96 / 72; }
  double advance(const Font& f, const std::string& text) const override {
    double characters = 0;
    for (const char c : text) characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return 0.65 * px(f) * characters;
  }
  double ascent(const Font& f) const override { return 0.95 * px(f); }
  double descent(const Font& f) const override { return 0.25 * px(f); }
  double height(const Font& f) const override { return 1.2 * px(f); }
};

WindowState state_of(int thickness, int camber, int alfa) {
  Window w;
  w.catalogue_path = AIRFOIL_SOURCE_DIR "/data/KATPE-D20G15.txt";
  Form_Load(w);
  w.HScroll_Thickness.Value = thickness;
  w.HScroll_Camber.Value = camber;
  profil_hesapla(w);
  w.HScroll_AlfaD.Value = alfa;
  basınc_hesapla(w);
  return w;
}

TEST(BoundaryLayerScene, EveryShapeIsFiniteAndEveryTickLabelInsideItsPicture) {
  const WideMetrics metrics;
  const auto same = [](const std::string& s) { return s; };
  int drawn = 0;
  for (const int thickness : {0, 6, 12, 30}) {
    for (const int camber : {0, 4, 15}) {
      for (const int alfa : {-10, 0, 10}) {
        const WindowState state = state_of(thickness, camber, alfa);
        for (const double re : {kReynoldsMin, kReynoldsMax}) {
          const BoundaryLayerCase c = boundary_layer_case(state, re);
          for (const BoundaryLayerPlot plot : kBoundaryLayerPlots) {
            for (const auto& [width, height, zoom] :
                 {std::tuple{kBoundaryLayerPlotMinimumWidth, kBoundaryLayerPlotMinimumHeight, 1.0},
                  std::tuple{380, 290, 1.0}, std::tuple{760, 580, 2.0}}) {
              const FlowDrawing d = draw_boundary_layer_plot(plot, c, width, height, zoom, metrics, same);
              const std::string where = std::string(boundary_layer_plot_name(plot)) + " t" +
                                        std::to_string(thickness) + " f" + std::to_string(camber) + " a" +
                                        std::to_string(alfa) + " Re " + reynolds_text(re) + " " +
                                        std::to_string(width);
              ++drawn;
              for (const FlowShape& s : d.shapes) {
                ASSERT_TRUE(std::isfinite(s.rect.x) && std::isfinite(s.rect.y) && std::isfinite(s.rect.w) &&
                            std::isfinite(s.rect.h) && std::isfinite(s.pen_width))
                    << where;
                for (const Point& p : s.points)
                  ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << where;
                if (s.kind != FlowShape::Kind::BaselineText || !read_plain_number(s.text)) continue;
                const Point at = s.points[0];
                EXPECT_GE(at.x, 0) << where << " " << s.text;
                EXPECT_LE(at.x + metrics.advance(s.font, s.text), width) << where << " " << s.text;
                EXPECT_GE(at.y - metrics.ascent(s.font), 0) << where << " " << s.text;
                EXPECT_LE(at.y + metrics.descent(s.font), height) << where << " " << s.text;
              }
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(drawn, 4 * 3 * 3 * 2 * 4 * 3);
}

TEST(BoundaryLayerScene, ReynoldsTextIsTheTypedFormAndReadsBack) {
  EXPECT_EQ(reynolds_text(1e6), "1e6");
  EXPECT_EQ(reynolds_text(1.5e7), "1.5e7");
  EXPECT_EQ(reynolds_text(1e8), "1e8");
  EXPECT_EQ(reynolds_text(250000), "250000");
  for (const double re : {1e5, 123456.0, 2.5e5, 1e6, 3.25e6, 4.56789e7, 1e8}) {
    EXPECT_EQ(read_reynolds(reynolds_text(re)), re) << re;
  }
  EXPECT_EQ(read_reynolds(" 3e6\t"), 3e6);
  for (const char* bad : {"", "abc", "1e9", "5e4", "3e6x", "nan", "inf", "1,5e6"})
    EXPECT_FALSE(read_reynolds(bad)) << bad;
}

}  // namespace
}  // namespace airfoil::testing
