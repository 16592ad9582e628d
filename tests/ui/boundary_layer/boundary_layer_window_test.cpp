// The boundary-layer window: one window on F4 and in the picture menus,
// following the main window's section, incidence and zoom; the Re box; and
// the displacement thickness drawn on the side it belongs to.
#include <QMenu>

#include <gtest/gtest.h>

#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/main/window_exports.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

struct BoundaryLayerOpen : OpenWindow {
  ~BoundaryLayerOpen() {
    if (BoundaryLayerWindow* w = window->boundary_layer_window()) w->close();
  }
  BoundaryLayerWindow* press_f4() {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    QTest::keyClick(window.get(), Qt::Key_F4);
    return window->boundary_layer_window();
  }
};

TEST(BoundaryLayerWindow, F4OpensOneWindowThatFollowsSectionIncidenceAndZoom) {
  BoundaryLayerOpen open;
  BoundaryLayerWindow* layer = open.press_f4();
  ASSERT_NE(layer, nullptr);
  EXPECT_TRUE(layer->isVisible());
  EXPECT_EQ(layer->shown_case().layer.failure, BoundaryLayerFailure::no_section);
  EXPECT_EQ(open.press_f4(), layer);
  const auto* exports = &open.window->exports();
  for (const SurfaceId id : {SurfaceId::profil, SurfaceId::pressure}) {
    bool listed = false;
    for (const QAction* a : exports->menu(id)->actions()) listed |= a->objectName() == "Mn_BoundaryLayer";
    EXPECT_TRUE(listed);
  }

  for (int k = 0; k < 6; ++k) click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  ASSERT_TRUE(layer->shown_case().layer.cd);
  const double cd_at_zero = *layer->shown_case().layer.cd;
  EXPECT_TRUE(layer->numbers_text().contains(QString::number(cd_at_zero, 'f', 5)));
  for (int k = 0; k < 4; ++k) click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(layer->shown_case().alpha_deg, 4);
  EXPECT_GT(*layer->shown_case().layer.cd, cd_at_zero);

  const QSize designed = layer->size();
  open.window->set_zoom(1.5);
  EXPECT_EQ(layer->size(), designed * 1.5);
  open.window->set_zoom(1);
}

TEST(BoundaryLayerWindow, ReBoxAppliesOnReturnAndPutsBackBadText) {
  BoundaryLayerOpen open;
  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddPage);
  BoundaryLayerWindow* layer = open.press_f4();
  ASSERT_NE(layer, nullptr);
  auto* box = layer->findChild<QLineEdit*>("BoundaryLayerRe");
  EXPECT_EQ(box->text(), "1e6");
  const double transition_1e6 = layer->shown_case().layer.upper.x_transition;
  for (const char* typed : {"3e6", "abc", "1e9", "5e4", ""}) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(box->text(), "3e6") << typed;
    EXPECT_EQ(layer->reynolds(), 3e6) << typed;
  }
  // The waves grow to e^9 sooner at the higher Reynolds number.
  EXPECT_LT(layer->shown_case().layer.upper.x_transition, transition_1e6);
}

// Mid-chord on the section picture, the upper side's displacement thickness
// (blue) lies above the lower side's (red).
TEST(BoundaryLayerWindow, DisplacementThicknessIsDrawnOnItsOwnSide) {
  BoundaryLayerOpen open;
  for (int k = 0; k < 6; ++k) click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  BoundaryLayerWindow* layer = open.press_f4();
  ASSERT_NE(layer, nullptr);
  const QImage image = picture_image(layer->picture(BoundaryLayerPlot::section));
  const int x = image.width() / 2;
  int blue = -1, red = -1;
  for (int y = 0; y < image.height(); ++y) {
    const QColor c = image.pixelColor(x, y);
    if (c.blue() > 200 && c.red() < 80 && c.green() < 80 && blue < 0) blue = y;
    if (c.red() > 200 && c.blue() < 80 && c.green() < 80) red = y;
  }
  ASSERT_GE(blue, 0);
  ASSERT_GE(red, 0);
  EXPECT_LT(blue, image.height() / 2);
  EXPECT_GT(red, image.height() / 2);
}

}  // namespace
}  // namespace airfoil::testing
