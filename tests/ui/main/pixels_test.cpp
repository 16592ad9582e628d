// What the pictures show on screen, checked pixel by pixel.
#include <QLabel>

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

#include "ui_support.h"

namespace airfoil::testing {
namespace {

bool is_red(const QColor& c) { return c.red() > 200 && c.green() < 80 && c.blue() < 80; }

// Centre of the bounding box of the red pixels; the marker is the only red on
// the lift chart.
std::optional<QPointF> red_centre(const QImage& screen) {
  int left = screen.width(), right = -1, top = screen.height(), bottom = -1;
  for (int y = 0; y < screen.height(); ++y) {
    for (int x = 0; x < screen.width(); ++x) {
      if (!is_red(screen.pixelColor(x, y))) continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  if (right < 0) return std::nullopt;
  return QPointF((left + right) / 2.0, (top + bottom) / 2.0);
}

struct Incidence {
  Qt::Key key;          // pressed on the focused angle-of-attack bar
  double alfa;          // degrees
  const char* cl_text;  // CL = 2 pi sin(alfa) for the section Eps = Delta = 0
};

class LiftMarker : public ::testing::TestWithParam<Incidence> {};

TEST_P(LiftMarker, SitsAtTheChartPixelOfAlfaAndCL) {
  const Incidence& at = GetParam();
  CatalogueFile catalogue({"0,0,0,0,0"});
  OpenWindow open(catalogue.path());
  click(open.picture(SurfaceId::Picture_CL));
  open.bar("HScroll_AlfaD")->setFocus();
  QTest::keyClick(open.bar("HScroll_AlfaD"), at.key);
  ASSERT_EQ(open.text("Text_CL"), at.cl_text);

  // The chart's window runs from (-16, -4) at the top left to (16, 2) at the
  // bottom right over 213 by 261 pixels; the point (alfa, CL) is drawn at
  // (alfa, -CL).
  const double cl = 2 * std::numbers::pi * std::sin(at.alfa * std::numbers::pi / 180);
  const QPointF expected((at.alfa + 16) / 32 * 213, (-cl + 4) / 6 * 261);
  const std::optional<QPointF> found = red_centre(open.screen_of(SurfaceId::Picture_CL));
  ASSERT_TRUE(found.has_value());
  EXPECT_NEAR(found->x(), expected.x(), 1.5);
  EXPECT_NEAR(found->y(), expected.y(), 1.5);
}

INSTANTIATE_TEST_SUITE_P(ThinSymmetricSection, LiftMarker,
                         ::testing::Values(Incidence{Qt::Key_End, 10, "1.0911"},
                                           Incidence{Qt::Key_Home, -10, "-1.0911"},
                                           Incidence{Qt::Key_Right, 1, "0.1097"}),
                         [](const auto& info) {
                           return "Alfa" + std::to_string(static_cast<int>(info.param.alfa + 10));
                         });

// A pixel of a label: the light yellow ground, black text, or the grey steps
// between them. Chart colours (green, blue, red, magenta) are not among them.
bool label_coloured(const QColor& c) { return c.red() == c.green() && c.blue() <= c.red(); }
bool chart_coloured(const QColor& c) { return !label_coloured(c); }

TEST(Annotations, StayOpaqueAndReadableOverTheDrawnLines) {
  OpenWindow open;
  open.box("Text_Moo")->setText("0.5");
  open.bar("HScroll_Thickness")->setValue(12);
  open.bar("HScroll_Camber")->setValue(4);
  open.bar("HScroll_AlfaD")->setValue(6);

  int covering_a_line = 0;
  for (int i = 0; i < 5; ++i) {
    const PictureBox* picture = open.picture(static_cast<SurfaceId>(i));
    const QImage screen = open.screen_of(static_cast<SurfaceId>(i));
    const QImage drawn = picture->drawing().convertToFormat(QImage::Format_RGB32);
    for (const QLabel* label : picture->findChildren<QLabel*>()) {
      const std::string name = label->objectName().toStdString();
      bool line_beneath = false;
      bool ink = false;
      // Label12 reaches one pixel past the bottom edge of its picture.
      const QRect seen = label->geometry() & picture->rect();
      for (int y = seen.top(); y <= seen.bottom(); ++y) {
        for (int x = seen.left(); x <= seen.right(); ++x) {
          ASSERT_TRUE(label_coloured(screen.pixelColor(x, y))) << name << " at " << x << "," << y;
          line_beneath = line_beneath || chart_coloured(drawn.pixelColor(x, y));
          ink = ink || screen.pixelColor(x, y).red() < 128;
        }
      }
      EXPECT_TRUE(ink) << name << " shows no text";
      covering_a_line += line_beneath ? 1 : 0;
    }
  }
  // Several labels stand where the charts draw coloured lines.
  EXPECT_GE(covering_a_line, 3);
}

TEST(Annotations, ClearingAPictureLeavesItsLabels) {
  OpenWindow open;
  click(open.picture(SurfaceId::pressure));
  click(open.picture(SurfaceId::pressure));
  const PictureBox* pressure = open.picture(SurfaceId::pressure);
  EXPECT_EQ(pressure->findChildren<QLabel*>().size(), 8);
  for (const QLabel* label : pressure->findChildren<QLabel*>()) {
    EXPECT_TRUE(label->isVisible()) << label->objectName().toStdString();
  }
}

TEST(Pictures, ShowTheirDrawingPixelForPixel) {
  OpenWindow open;
  open.bar("HScroll_Thickness")->setValue(12);
  const PictureBox* daire = open.picture(SurfaceId::daire);
  ASSERT_DOUBLE_EQ(daire->devicePixelRatioF(), 1.0);
  EXPECT_EQ(open.screen_of(SurfaceId::daire), daire->drawing().convertToFormat(QImage::Format_RGB32));
}

}  // namespace
}  // namespace airfoil::testing
