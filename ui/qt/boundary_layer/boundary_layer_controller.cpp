#include "ui/qt/boundary_layer/boundary_layer_controller.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "ui/qt/boundary_layer/boundary_layer_window.h"
#include "ui/qt/main_window.h"
#include "ui/qt/window_exports.h"

namespace airfoil {

namespace {

std::array<double, 8> key_of(const WindowState& s) {
  return {s.Eps, s.Delta, s.AlfaD, s.Chord, s.Radius, s.BetaTE, s.xShift, s.pi};
}

// Puts `action` just after the flow window's entry where the menu has one,
// else first, followed by a separator.
void insert_entry(QMenu* menu, QAction* action) {
  const QList<QAction*> actions = menu->actions();
  for (qsizetype k = 0; k < actions.size(); ++k) {
    if (actions[k]->objectName() == QLatin1String("Mn_Flow")) {
      menu->insertAction(actions.value(k + 1), action);
      return;
    }
  }
  QAction* first = actions.value(0);
  menu->insertAction(first, action);
  menu->insertSeparator(first);
}

}  // namespace

BoundaryLayerController::BoundaryLayerController(Form1Window& window) : QObject(&window), window_(window) {
  setObjectName("BoundaryLayerController");
  auto* action =
      new QAction(QCoreApplication::translate("BoundaryLayerWindow",
                                              QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Sınır tabakası...")),
                  &window);
  action->setObjectName("Mn_BoundaryLayer");
  action->setShortcut(QKeySequence(Qt::Key_F4));
  window.addAction(action);
  connect(action, &QAction::triggered, this, &BoundaryLayerController::open);
  if (const auto* exports = window.findChild<WindowExports*>()) {
    for (const SurfaceId id : {SurfaceId::profil, SurfaceId::pressure})
      insert_entry(exports->menu(id), action);
  }
  connect(&window, &Form1Window::cycle_finished, this, &BoundaryLayerController::follow);
  connect(&window, &Form1Window::zoom_changed, this, [this](double factor) {
    if (window_bl_) window_bl_->set_zoom(factor);
  });
}

BoundaryLayerController::~BoundaryLayerController() = default;

BoundaryLayerController* BoundaryLayerController::of(const Form1Window& window) {
  return window.findChild<BoundaryLayerController*>("BoundaryLayerController", Qt::FindDirectChildrenOnly);
}

void BoundaryLayerController::open() {
  if (!window_bl_) {
    window_bl_ = std::make_unique<BoundaryLayerWindow>();
    window_bl_->set_zoom(window_.zoom());
    follow();
  }
  window_bl_->setWindowState(window_bl_->windowState() & ~Qt::WindowMinimized);
  window_bl_->show();
  window_bl_->raise();
  window_bl_->activateWindow();
}

void BoundaryLayerController::follow() {
  if (!window_bl_) return;
  const WindowState& s = window_.form().w;
  const auto key = key_of(s);
  if (key_ == key) return;
  key_ = key;
  window_bl_->set_state(s);
}

}  // namespace airfoil
