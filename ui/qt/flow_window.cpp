#include "ui/qt/flow_window.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/qt/fonts.h"

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
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContextMenuPolicy(Qt::CustomContextMenu);
  menu_ = new QMenu(this);
  menu_->setObjectName(objectName() + "_menu");
  connect(this, &QWidget::customContextMenuRequested, menu_,
          [this](const QPoint& at) { menu_->popup(mapToGlobal(at)); });
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

  choose_path = [this](const QString& title, const QString& suggested, const QString& filter) {
    return QFileDialog::getSaveFileName(this, title, suggested, filter);
  };
  report = [this](const QString& text) { QMessageBox::warning(this, windowTitle(), text); };
  build_menu(*airfoil_);
  build_menu(*circle_);

  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
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
  const FlowPlane& plane = scene().of(p);
  const Rect& plot = plane.plot;
  QPointF at(plot.x + plot.w / 2, plot.y + plot.h / 2);
  if (hovered_ && hovered_->first == p) {
    const double step = plot.w / (fine ? 200.0 : 40.0);
    at = to_qpoint(to_picture(plane, hovered_->second)) + QPointF(dx * step, dy * step);
    at.setX(std::clamp(at.x(), plot.x, plot.right() - 0.5));
    at.setY(std::clamp(at.y(), plot.y, plot.bottom() - 0.5));
  }
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
  return {p == Plane::airfoil ? QStringLiteral("flow-airfoil") : QStringLiteral("flow-circle"),
          QSize(shown->of(p).width, shown->of(p).height), Qt::white,
          [shown, style, p](QPainter& painter, double scale, Placement placement) {
            painter.save();
            painter.scale(scale, scale);
            paint_flow_plane(painter, *shown, p, style, std::nullopt, placement);
            painter.restore();
          }};
}

void FlowWindow::build_menu(FlowPlaneView& view) {
  QMenu* menu = view.menu();
  const Plane p = view.plane();
  connect(menu->addAction(translated(QT_TRANSLATE_NOOP("FlowWindow", "Resmi kopyala"))), &QAction::triggered,
          this, [this, p] { copy_picture(picture(p)); });
  menu->addSeparator();
  for (const int scale : {1, 2, 4}) {
    connect(menu->addAction(
                translated(QT_TRANSLATE_NOOP("FlowWindow", "Resmi PNG olarak kaydet (%1x)...")).arg(scale)),
            &QAction::triggered, this, [this, p, scale] { save_as(p, PictureFormat::Png, scale); });
  }
  connect(menu->addAction(translated(QT_TRANSLATE_NOOP("FlowWindow", "Resmi SVG olarak kaydet..."))),
          &QAction::triggered, this, [this, p] { save_as(p, PictureFormat::Svg, 1); });
  connect(menu->addAction(translated(QT_TRANSLATE_NOOP("FlowWindow", "Resmi PDF olarak kaydet..."))),
          &QAction::triggered, this, [this, p] { save_as(p, PictureFormat::Pdf, 1); });
}

void FlowWindow::save_as(Plane p, PictureFormat format, double scale) {
  const PaintedPicture shown = picture(p);
  QString suggested = shown.name;
  QString filter;
  switch (format) {
    case PictureFormat::Png:
      if (scale != 1) suggested += QStringLiteral("@%1x").arg(scale);
      suggested += QStringLiteral(".png");
      filter = translated(QT_TRANSLATE_NOOP("FlowWindow", "PNG resimleri (*.png)"));
      break;
    case PictureFormat::Svg:
      suggested += QStringLiteral(".svg");
      filter = translated(QT_TRANSLATE_NOOP("FlowWindow", "SVG çizimleri (*.svg)"));
      break;
    case PictureFormat::Pdf:
      suggested += QStringLiteral(".pdf");
      filter = translated(QT_TRANSLATE_NOOP("FlowWindow", "PDF belgeleri (*.pdf)"));
      break;
  }
  const QString path =
      choose_path(translated(QT_TRANSLATE_NOOP("FlowWindow", "Resmi kaydet")), suggested, filter);
  if (path.isEmpty()) return;
  const QString error = save_picture(shown, path, format, scale);
  if (!error.isEmpty()) {
    report(translated(QT_TRANSLATE_NOOP("FlowWindow", "%1 yazılamadı: %2")).arg(path, error));
  }
}

}  // namespace airfoil
