// The flow picture as the user sees it, sampled at known places: the colour
// bar against its tick values, the stagnation points in their own plane,
// and the body at its true size.
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include "charts/colour_map.h"
#include "ui/render/flow_picture.h"
#include "ui/render/qt_layout.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

constexpr QSize kSize(500, 460);

struct FlowShot {
  FlowShot() {
    // A symmetric 12 % section at 4 degrees.
    OpenWindow open;
    open.bar("HScroll_Thickness")->setValue(12);
    open.bar("HScroll_AlfaD")->setValue(4);
    field = *flow_field(open.window->form().w);
    scene = make_flow_scene(field, 4, kSize, kSize, style);
  }
  QImage paint(Plane p) const {
    QImage image(kSize, QImage::Format_RGB32);
    QPainter painter(&image);
    paint_flow_plane(painter, *scene, p, style);
    return image;
  }
  QColor at(const QImage& image, QPointF p) const { return image.pixelColor(p.toPoint()); }

  FlowStyle style;
  FlowField field;
  std::shared_ptr<const FlowScene> scene;
};

bool near(const QColor& a, const QColor& b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

const QColor kBodyGrey(215, 215, 215);

TEST(FlowPicture, ColourBarShowsEachTickValuesColourBesideIt) {
  const FlowShot shot;
  const QImage image = shot.paint(Plane::airfoil);
  const Rect& area = shot.scene->of(Plane::airfoil).plot;
  const QRectF plot(area.x, area.y, area.w, area.h);
  // The bar stands a margin right of the plot, below two lines of tick text.
  const double top = plot.top() + QFontMetricsF(to_qfont(shot.style.tick_font())).height() * 2.2;
  const double x = plot.right() + shot.style.margin() + shot.style.colour_bar_width() / 2;
  for (const double cp : {0.0, -1.0, -2.0}) {
    const double y = top + (plot.bottom() - top) * (kCpColourMax - cp) / (kCpColourMax - kCpColourMin);
    const Rgb want = cp_colour(cp);
    // Beside the tick mark, off its one-pixel line.
    EXPECT_TRUE(near(shot.at(image, {x, y + 2}), QColor(want.r, want.g, want.b), 12)) << cp;
  }
}

TEST(FlowPicture, StagnationPointsAreMarkedInTheirOwnPlane) {
  const FlowShot shot;
  const StagnationPoints s = stagnation_points(shot.field);
  const QImage airfoil = shot.paint(Plane::airfoil);
  const QImage circle = shot.paint(Plane::circle);
  const QPointF front_z = to_qpoint(to_picture(shot.scene->of(Plane::airfoil), s.front.airfoil));
  const QPointF front_zeta =
      to_qpoint(to_picture(shot.scene->of(Plane::circle), {s.front.zeta.real(), s.front.zeta.imag()}));
  const QPointF rear_zeta =
      to_qpoint(to_picture(shot.scene->of(Plane::circle), {s.rear.zeta.real(), s.rear.zeta.imag()}));
  EXPECT_EQ(shot.at(airfoil, front_z), QColor(Qt::white));
  EXPECT_EQ(shot.at(circle, front_zeta), QColor(Qt::white));
  EXPECT_EQ(shot.at(circle, rear_zeta), QColor(Qt::white));
  // The two planes place the front point differently: a marker drawn with
  // the other plane's coordinates would miss.
  EXPECT_GT(QLineF(front_z, front_zeta).length(), 10);
}

TEST(FlowPicture, BodyIsDrawnAtItsTrueSize) {
  const FlowShot shot;
  const FlowPlane& circle_plane = shot.scene->of(Plane::circle);
  const QImage circle = shot.paint(Plane::circle);
  const PlanePoint centre{shot.field.centre.real(), shot.field.centre.imag()};
  const double r = shot.field.R;
  EXPECT_EQ(shot.at(circle, to_qpoint(to_picture(circle_plane, centre))), kBodyGrey);
  EXPECT_EQ(shot.at(circle, to_qpoint(to_picture(circle_plane, {centre.x, centre.y + 0.9 * r}))), kBodyGrey);
  EXPECT_NE(shot.at(circle, to_qpoint(to_picture(circle_plane, {centre.x, centre.y + 1.1 * r}))), kBodyGrey);

  // The section's thickest point, half inside and a little outside.
  const std::vector<PlanePoint> outline = section_outline(shot.field, 721);
  const PlanePoint top =
      *std::max_element(outline.begin(), outline.end(), [](PlanePoint a, PlanePoint b) { return a.y < b.y; });
  const FlowPlane& airfoil_plane = shot.scene->of(Plane::airfoil);
  const QImage airfoil = shot.paint(Plane::airfoil);
  EXPECT_EQ(shot.at(airfoil, to_qpoint(to_picture(airfoil_plane, {top.x, top.y / 2}))), kBodyGrey);
  EXPECT_NE(shot.at(airfoil, to_qpoint(to_picture(airfoil_plane, {top.x, top.y * 1.3}))), kBodyGrey);
}

}  // namespace
}  // namespace airfoil::testing
