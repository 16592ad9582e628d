#include "ui/qt/flow/flow_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/key_table.h"
#include "ui/render/fonts.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("FlowWindow", source); }

QString plane_name(Plane p) { return translated(flow_plane_name_source(p)); }

// A composed text of the flow window in the current language.
QString rendered(const Phrase& phrase) {
  return QString::fromStdString(
      render(phrase, [](const std::string& source) { return translated(source.c_str()).toStdString(); }));
}

}  // namespace

FlowPlaneView::FlowPlaneView(FlowWindow& window, Plane plane)
    : QWidget(&window), window_(window), plane_(plane) {
  setObjectName(plane == Plane::airfoil ? "FlowAirfoil" : "FlowCircle");
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 200);
  menu_ = make_picture_view(*this);
}

void FlowPlaneView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_flow_plane(painter, window_.scene(), plane_, window_.style_, window_.mark_in(plane_));
  // The plane the keys act on, as the main window marks its focused control.
  if (hasFocus()) {
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void FlowPlaneView::keyPressEvent(QKeyEvent* event) {
  const bool fine = event->modifiers() & Qt::ShiftModifier;
  switch (event->key()) {
    case Qt::Key_Left: window_.probe(plane_, -1, 0, fine); break;
    case Qt::Key_Right: window_.probe(plane_, 1, 0, fine); break;
    case Qt::Key_Up: window_.probe(plane_, 0, -1, fine); break;
    case Qt::Key_Down: window_.probe(plane_, 0, 1, fine); break;
    default: QWidget::keyPressEvent(event); return;
  }
  event->accept();
}

void FlowPlaneView::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void FlowPlaneView::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void FlowPlaneView::mouseMoveEvent(QMouseEvent* event) {
  window_.by_keyboard_ = false;
  window_.hover(plane_, event->position());
  QWidget::mouseMoveEvent(event);
}

void FlowPlaneView::leaveEvent(QEvent* event) {
  window_.hover(plane_, std::nullopt);
  QWidget::leaveEvent(event);
}

void FlowPlaneView::resizeEvent(QResizeEvent* event) {
  window_.dirty_ = true;
  QWidget::resizeEvent(event);
}

FlowWindow::FlowWindow() : QWidget(nullptr, Qt::Window) {
  setObjectName("Form_Flow");
  setWindowTitle(translated(kFlowWindowTitle));
  setAccessibleName(windowTitle());
  resize(kFlowWindowWidth, kFlowWindowHeight);
  setMinimumSize(kFlowWindowMinimumWidth, kFlowWindowMinimumHeight);

  airfoil_ = new FlowPlaneView(*this, Plane::airfoil);
  circle_ = new FlowPlaneView(*this, Plane::circle);
  status_ = new QLabel(this);
  status_->setObjectName("FlowReadout");
  status_->setTextFormat(Qt::PlainText);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setAccessibleName(translated(kFlowReadoutName));

  auto* planes = new QHBoxLayout;
  planes->setSpacing(kFlowWindowSpacing);
  planes->addWidget(airfoil_, 1);
  planes->addWidget(circle_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(kFlowWindowMargin, kFlowWindowMargin, kFlowWindowMargin, kFlowWindowMargin);
  layout->addLayout(planes, 1);
  layout->addWidget(status_);

  dialogs = window_dialogs(*this);
  for (FlowPlaneView* view : {airfoil_, circle_}) {
    const Plane p = view->plane();
    fill_picture_menu(
        *view->menu(), [this, p] { return picture(p); }, dialogs);
  }

  connect(new QShortcut(QKeySequence(key_entry(Command::close_window).shortcut), this), &QShortcut::activated,
          this, &QWidget::close);
  set_zoom(1.0);
}

void FlowWindow::set_field(std::optional<FlowField> field, double alfa_degrees) {
  field_ = field;
  alfa_degrees_ = alfa_degrees;
  dirty_ = true;
  // The point under the mouse now has another flow.
  if (hovered_) {
    const auto [plane, point] = *hovered_;
    const QPointF at = to_qpoint(to_picture(scene().of(plane), point));
    hover(plane, at);
  }
  update_texts();
  airfoil_->update();
  circle_->update();
}

void FlowWindow::set_zoom(double zoom) {
  style_.zoom = zoom;
  status_->setFont(dialog_font());
  QFont font = status_->font();
  font.setPointSizeF(font.pointSizeF() * zoom);
  status_->setFont(font);
  dirty_ = true;
  update_texts();
  update();
}

void FlowWindow::follow(const WindowState& s) {
  const std::array<double, 8> key{s.Eps, s.Delta, s.AlfaD, s.Chord, s.Radius, s.BetaTE, s.xShift, s.pi};
  if (followed_ == key) return;
  followed_ = key;
  set_field(flow_field(s), s.AlfaD);
}

const FlowScene& FlowWindow::scene() {
  if (dirty_ || !scene_) {
    scene_ = make_flow_scene(field_, alfa_degrees_, airfoil_->size(), circle_->size(), style_);
    dirty_ = false;
  }
  return *scene_;
}

void FlowWindow::hover(Plane p, std::optional<QPointF> at) {
  std::optional<std::pair<Plane, PlanePoint>> now;
  if (at && field_) {
    const FlowPlane& plane = scene().of(p);
    if (plane.plot.contains(at->x(), at->y())) now = std::pair{p, to_plane(plane, to_point(*at))};
  }
  hovered_ = now;
  status_->setText(readout());
  airfoil_->update();
  circle_->update();
}

void FlowWindow::probe(Plane p, int dx, int dy, bool fine) {
  if (!field_) return;
  const QPointF at = to_qpoint(flow_probe_step(scene(), hovered_, p, dx, dy, fine));
  by_keyboard_ = true;
  hover(p, at);
}

std::optional<PlanePoint> FlowWindow::mark_in(Plane p) const {
  return flow_mark_in(field_, hovered_, p, by_keyboard_);
}

QString FlowWindow::readout() const { return rendered(flow_readout(field_, hovered_)); }

void FlowWindow::update_texts() {
  status_->setText(readout());
  for (FlowPlaneView* view : {airfoil_, circle_}) {
    const QString name = plane_name(view->plane());
    const QString description = rendered(flow_plane_description(field_, alfa_degrees_, view->plane()));
    // No tooltip: a long one would cover the very point being read. The
    // readout below the planes says what is under the mouse or the probe.
    view->setAccessibleName(name);
    view->setAccessibleDescription(description);
  }
}

PaintedPicture FlowWindow::picture(Plane p) {
  const std::shared_ptr<const FlowScene> shown = (scene(), scene_);
  const FlowStyle style = style_;
  return {QString::fromLatin1(flow_picture_file(p)), QSize(shown->of(p).width, shown->of(p).height),
          Qt::white, [shown, style, p](QPainter& painter, double scale, Placement placement) {
            painter.save();
            painter.scale(scale, scale);
            paint_flow_plane(painter, *shown, p, style, std::nullopt, placement);
            painter.restore();
          }};
}

}  // namespace airfoil
