#include "ui/qt/flow_controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "model/flow_field.h"
#include "ui/qt/flow_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_exports.h"
#include "ui/qt/zoom.h"

namespace airfoil {

namespace {

std::array<double, 8> key_of(const WindowState& s) {
  return {s.Eps, s.Delta, s.AlfaD, s.Chord, s.Radius, s.BetaTE, s.xShift, s.pi};
}

}  // namespace

FlowController::FlowController(Form1Window& window) : QObject(&window), window_(window) {
  setObjectName("FlowController");
  auto* action = new QAction(QCoreApplication::translate("FlowWindow", kFlowWindowMenuText), &window);
  action->setObjectName("Mn_Flow");
  action->setShortcut(QKeySequence(Qt::Key_F2));
  window.addAction(action);
  connect(action, &QAction::triggered, this, &FlowController::open);

  // First in the right-click menus of the two pictures whose planes it shows.
  if (const auto* exports = window.findChild<WindowExports*>()) {
    for (const SurfaceId id : {SurfaceId::daire, SurfaceId::profil}) {
      QMenu* menu = exports->menu(id);
      QAction* first = menu->actions().value(0);
      menu->insertAction(first, action);
      menu->insertSeparator(first);
    }
  }
  connect(&window, &Form1Window::cycle_finished, this, &FlowController::follow);
  // The flow window follows the main window's zoom, like About and help.
  connect(&window, &Form1Window::zoom_changed, this, [this](double factor) {
    if (flow_) flow_->set_zoom(factor);
  });
}

FlowController::~FlowController() = default;

FlowController* FlowController::of(const Form1Window& window) {
  return window.findChild<FlowController*>("FlowController", Qt::FindDirectChildrenOnly);
}

void FlowController::open() {
  if (!flow_) {
    flow_ = std::make_unique<FlowWindow>();
    flow_->setScreen(window_.screen());
    flow_->set_zoom(window_.zoom());
    follow();
  }
  flow_->setWindowState(flow_->windowState() & ~Qt::WindowMinimized);
  flow_->show();
  fit_on_screen(*flow_);
  flow_->raise();
  flow_->activateWindow();
}

void FlowController::follow() {
  if (!flow_) return;
  const WindowState& s = window_.form().w;
  const auto key = key_of(s);
  if (key_ == key) return;
  key_ = key;
  flow_->set_field(flow_field(s), s.AlfaD);
}

}  // namespace airfoil
