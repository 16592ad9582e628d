// The flow-field window: opened by F2 as one window, a hint before any
// geometry, following the main window's cycles, and the mouse readout.
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cmath>

#include "model/flow_field.h"
#include "ui/qt/app/language.h"
#include "ui/qt/flow/flow_window.h"
#include "ui/qt/main/window_exports.h"
#include "ui/render/exporter.h"
#include "ui_support.h"

namespace airfoil::testing {
namespace {

struct FlowWindowOpen : OpenWindow {
  ~FlowWindowOpen() {
    if (FlowWindow* flow = window->flow_window()) flow->close();
  }
  // F2 on the main window, then the flow window in front, as a user sees it.
  FlowWindow* press_f2() {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) return nullptr;
    QTest::keyClick(window.get(), Qt::Key_F2);
    FlowWindow* flow = window->flow_window();
    if (flow != nullptr && !QTest::qWaitForWindowActive(flow)) return nullptr;
    return flow;
  }
  static QImage shown(FlowWindow* flow, Plane p) { return flow->view(p)->grab().toImage(); }
};

// The mouse moved to `at` over a picture, as the platform delivers it.
void move_mouse(QWidget* view, Point picture_at) {
  const QPointF at = to_qpoint(picture_at);
  QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(view, &move);
}

int flow_windows() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) count += w->objectName() == "Form_Flow";
  return count;
}

TEST(FlowWindow, F2OpensOneWindowThatAsksForAClickBeforeAnyGeometry) {
  FlowWindowOpen open;
  FlowWindow* flow = open.press_f2();
  ASSERT_NE(flow, nullptr);
  EXPECT_TRUE(flow->isVisible());
  EXPECT_EQ(flow->readout(), flow_hint_text());
  const QImage airfoil = FlowWindowOpen::shown(flow, Plane::airfoil);
  EXPECT_EQ(airfoil.pixelColor(airfoil.rect().center()), QColor(255, 255, 192));

  EXPECT_EQ(open.press_f2(), flow);
  EXPECT_EQ(flow_windows(), 1);
  // The same entry heads the right-click menus of the circle and the airfoil.
  const auto* exports = &open.window->exports();
  for (const SurfaceId id : {SurfaceId::daire, SurfaceId::profil}) {
    EXPECT_EQ(exports->menu(id)->actions().value(0)->objectName(), "Mn_Flow");
  }
  QTest::keyClick(flow, Qt::Key_Escape);
  EXPECT_FALSE(flow->isVisible());
}

TEST(FlowWindow, RedrawsAfterCyclesThatChangeTheSectionOrIncidenceOnly) {
  FlowWindowOpen open;
  FlowWindow* flow = open.press_f2();
  const QImage hint = FlowWindowOpen::shown(flow, Plane::airfoil);
  click(open.bar("HScroll_Thickness"), QStyle::SC_ScrollBarAddLine);
  const QImage thin = FlowWindowOpen::shown(flow, Plane::airfoil);
  EXPECT_NE(thin, hint);

  click(open.bar("HScroll_AlfaD"), QStyle::SC_ScrollBarAddLine);
  const QImage at_incidence = FlowWindowOpen::shown(flow, Plane::airfoil);
  EXPECT_NE(at_incidence, thin);
  EXPECT_NE(FlowWindowOpen::shown(flow, Plane::circle), QImage());

  // The reference point and the point count change nothing of the flow.
  click(open.bar("HScroll_xM"), QStyle::SC_ScrollBarAddLine);
  click(open.bar("HScroll_nP"), QStyle::SC_ScrollBarAddLine);
  EXPECT_EQ(FlowWindowOpen::shown(flow, Plane::airfoil), at_incidence);
}

// The numbers after each name in the readout, in order.
std::vector<double> numbers_in(const QString& text) {
  std::vector<double> out;
  static const QRegularExpression number(R"((?<![\w|])(-?\d+\.\d+))");
  for (auto it = number.globalMatch(text); it.hasNext();) out.push_back(it.next().captured(1).toDouble());
  return out;
}

TEST(FlowWindow, MouseReadsTheFlowOfEachPlaneAndSaysWhereThereIsNone) {
  FlowWindowOpen open;
  open.bar("HScroll_Camber")->setValue(4);
  open.bar("HScroll_Thickness")->setValue(12);
  open.bar("HScroll_AlfaD")->setValue(6);
  FlowWindow* flow = open.press_f2();
  const FlowField f = *flow_field(open.window->form().w);

  for (const Plane plane : {Plane::airfoil, Plane::circle}) {
    FlowPlaneView* view = flow->view(plane);
    const FlowPlane& shown = flow->scene().of(plane);
    const PlanePoint wanted = plane == Plane::airfoil ? PlanePoint{0.3, 0.25} : PlanePoint{0.4, 1.5};
    move_mouse(view, to_picture(shown, wanted));
    ASSERT_TRUE(flow->hovered());
    const PlanePoint at = flow->hovered()->second;
    EXPECT_NEAR(at.x, wanted.x, 0.01);
    const FlowPoint expected = *flow_at(f, plane, at);
    const Velocity& v = plane == Plane::airfoil ? expected.section : expected.circle;
    const std::vector<double> read = numbers_in(flow->readout());
    const std::vector<double> values =
        plane == Plane::airfoil
            ? std::vector<double>{at.x, at.y, v.u, v.v, v.speed, v.Cp}
            : std::vector<double>{at.x,    at.y, expected.airfoil.x, expected.airfoil.y, v.u, v.v,
                                  v.speed, v.Cp};
    ASSERT_EQ(read.size(), values.size()) << flow->readout().toStdString();
    for (std::size_t k = 0; k < values.size(); ++k) EXPECT_NEAR(read[k], values[k], 5.1e-5) << k;
  }

  // Inside the body there is no flow, and the readout says so.
  move_mouse(flow->view(Plane::airfoil), to_picture(flow->scene().of(Plane::airfoil), {0.5, 0.03}));
  EXPECT_TRUE(flow->readout().contains(QString::fromUtf8("kesitin içinde")));
  move_mouse(flow->view(Plane::circle),
             to_picture(flow->scene().of(Plane::circle), {f.centre.real(), f.centre.imag()}));
  EXPECT_TRUE(flow->readout().contains(QString::fromUtf8("dairenin içinde")));
}

// Tab reaches a plane and the arrow keys move a probe point (Shift in finer
// steps); nothing pops up over the point being read. The trailing-edge dot
// is no stagnation point: the section's description gives the model's speed
// there, near the 0.9 help gives for a 12 % section, and the circle's English
// caption has the map take zeta = 1 to the trailing edge, as it does.
TEST(FlowWindow, KeysMoveAProbeNoTooltipCoversAndTheTrailingEdgeIsNoStagnationPoint) {
  FlowWindowOpen open;
  open.bar("HScroll_Thickness")->setValue(12);
  FlowWindow* flow = open.press_f2();
  ASSERT_NE(flow, nullptr);
  FlowPlaneView* view = flow->view(Plane::airfoil);
  EXPECT_TRUE(view->focusPolicy() & Qt::TabFocus);
  QTest::keyClick(view, Qt::Key_Right);
  ASSERT_TRUE(flow->hovered());
  const PlanePoint first = flow->hovered()->second;
  QTest::keyClick(view, Qt::Key_Right);
  QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
  const PlanePoint moved = flow->hovered()->second;
  const FlowPlane& shown = flow->scene().of(Plane::airfoil);
  const double step = (shown.view.x_max - shown.view.x_min) / 40;
  EXPECT_NEAR(moved.x - first.x, step, 1e-9);
  EXPECT_NEAR(moved.y - first.y, step / 5, 1e-9);
  const QPoint at = to_qpoint(to_picture(shown, moved)).toPoint();
  QHelpEvent help(QEvent::ToolTip, at, view->mapToGlobal(at));
  QApplication::sendEvent(view, &help);
  EXPECT_FALSE(QToolTip::isVisible()) << QToolTip::text().toStdString();

  const double speed = flow_at_zeta(*flow_field(open.window->form().w), Complex(1, 0))->section.speed;
  EXPECT_NEAR(speed, 0.9, 0.05);
  const QString description = view->accessibleDescription();
  EXPECT_TRUE(description.contains(
      QString::fromUtf8("bir durma noktası değildir: akış sivri uçtan serbest akım hızının %1 katıyla")
          .arg(speed, 0, 'f', 2)))
      << description.toStdString();
  set_language(Language::english);
  flow->set_zoom(1);
  set_language(Language::turkish);
  EXPECT_TRUE(flow->view(Plane::circle)
                  ->accessibleDescription()
                  .contains("which the map takes to the trailing edge"));
}

// The right-click menu saves a plane through the exporter: the PNG at 2x is
// the picture on screen at twice the size, and the SVG is a drawing.
TEST(FlowWindow, MenuSavesAPlaneAsPngAndSvg) {
  FlowWindowOpen open;
  click(open.picture(SurfaceId::profil));
  FlowWindow* flow = open.press_f2();
  QTemporaryDir dir;
  QString asked;
  flow->dialogs.choose_path = [&](const QString&, const QString& suggested, const QString&) {
    asked = suggested;
    return dir.filePath(suggested);
  };
  const auto trigger = [&](const QString& starts) {
    for (QAction* action : flow->view(Plane::circle)->menu()->actions()) {
      if (action->text().startsWith(starts)) action->trigger();
    }
  };
  trigger(QString::fromUtf8("Resmi PNG olarak kaydet (2x)"));
  EXPECT_EQ(asked, "flow-circle@2x.png");
  const QImage saved(dir.filePath(asked));
  EXPECT_EQ(saved.size(), flow->view(Plane::circle)->size() * 2);
  trigger(QString::fromUtf8("Resmi SVG olarak kaydet"));
  QFile svg(dir.filePath("flow-circle.svg"));
  ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
  EXPECT_TRUE(svg.readAll().contains("<svg"));
}

// Paper and vector files get the colour map sampled at print resolution
// (300 per inch of the 96-dot layout), not the screen's coarse grid.
TEST(FlowWindow, PdfCarriesTheColourMapAtPrintResolution) {
  FlowWindowOpen open;
  click(open.picture(SurfaceId::profil));
  FlowWindow* flow = open.press_f2();
  const int samples = static_cast<int>(std::ceil(flow->scene().of(Plane::circle).plot.w * 300 / 96));
  EXPECT_TRUE(picture_pdf(flow->picture(Plane::circle)).contains("/Width " + QByteArray::number(samples)));
}

}  // namespace
}  // namespace airfoil::testing
