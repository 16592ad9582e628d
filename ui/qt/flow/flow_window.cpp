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

// The window's size at the designed scale: two square planes of about 500
// pixels and the status line.
constexpr int kWidth = 1000, kHeight = 540;
constexpr int kMinimumWidth = 480, kMinimumHeight = 280;

QString number(double x) {
  // Four decimals with a point, as the program writes numbers (one separator
  // in the whole window); a rounded negative zero would read as a sign
  // without a value.
  QString text = QString::number(x, 'f', 4);
  if (text == QStringLiteral("-0.0000")) text.remove(0, 1);
  return text;
}

QString velocity_text(const Velocity& v) {
  return QStringLiteral("u = %1, v = %2, |V| = %3, Cp = %4")
      .arg(number(v.u), number(v.v), number(v.speed), number(v.Cp));
}

QString plane_name(Plane p) {
  return p == Plane::airfoil ? translated(QT_TRANSLATE_NOOP("FlowWindow", "Profil düzlemindeki akış"))
                             : translated(QT_TRANSLATE_NOOP("FlowWindow", "Daire düzlemindeki akış"));
}

QString plane_description(Plane p) {
  return p == Plane::airfoil
             ? translated(QT_TRANSLATE_NOOP(
                   "FlowWindow",
                   "Kesitin çevresindeki akış: eşit ψ adımlarında akım çizgileri, kalın siyah çizgi bölen "
                   "akım çizgisi (ψ = 0), beyaz noktalar burundaki durma noktası ve firar kenarı; arkada "
                   "basınç katsayısı Cp renk ölçeğiyle. Sağ tık resmi kopyalar ya da kaydeder."))
             : translated(QT_TRANSLATE_NOOP(
                   "FlowWindow",
                   "Kesiti üreten dairenin çevresindeki akış; z = ζ + 1/ζ dönüşümü bu resmi "
                   "profil düzlemine çevirir. Akım çizgileri, bölen akım çizgisi, iki durma "
                   "noktası (biri ζ = 1'de, firar kenarının karşılığı) ve Cp renk ölçeği. Sağ "
                   "tık resmi kopyalar ya da kaydeder."));
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
  popup_on_request(*this, *menu_);
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
  setWindowTitle(translated(QT_TRANSLATE_NOOP("FlowWindow", "Akış alanı")));
  setAccessibleName(windowTitle());
  resize(kWidth, kHeight);
  setMinimumSize(kMinimumWidth, kMinimumHeight);

  airfoil_ = new FlowPlaneView(*this, Plane::airfoil);
  circle_ = new FlowPlaneView(*this, Plane::circle);
  status_ = new QLabel(this);
  status_->setObjectName("FlowReadout");
  status_->setTextFormat(Qt::PlainText);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  status_->setAccessibleName(translated(QT_TRANSLATE_NOOP("FlowWindow", "Fare konumundaki akış")));

  auto* planes = new QHBoxLayout;
  planes->setSpacing(4);
  planes->addWidget(airfoil_, 1);
  planes->addWidget(circle_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
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
    const QPointF at = to_picture(scene().of(plane), point);
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
    if (plane.plot.contains(*at)) now = std::pair{p, to_plane(plane, *at)};
  }
  hovered_ = now;
  status_->setText(readout());
  airfoil_->update();
  circle_->update();
}

void FlowWindow::probe(Plane p, int dx, int dy, bool fine) {
  if (!field_) return;
  const FlowPlane& plane = scene().of(p);
  QPointF at = plane.plot.center();
  if (hovered_ && hovered_->first == p) {
    const double step = plane.plot.width() / (fine ? 200.0 : 40.0);
    at = to_picture(plane, hovered_->second) + QPointF(dx * step, dy * step);
    at.setX(std::clamp(at.x(), plane.plot.left(), plane.plot.right() - 0.5));
    at.setY(std::clamp(at.y(), plane.plot.top(), plane.plot.bottom() - 0.5));
  }
  by_keyboard_ = true;
  hover(p, at);
}

std::optional<PlanePoint> FlowWindow::mark_in(Plane p) const {
  if (!hovered_ || !field_) return std::nullopt;
  // The mouse pointer shows where it reads; a key's probe point has only
  // this ring to show it, in its own plane too.
  if (hovered_->first == p) return by_keyboard_ ? std::optional(hovered_->second) : std::nullopt;
  const auto here = flow_at(*field_, hovered_->first, hovered_->second);
  if (!here) return std::nullopt;
  return p == Plane::airfoil ? here->airfoil : PlanePoint{here->zeta.real(), here->zeta.imag()};
}

QString FlowWindow::readout() const {
  if (!field_) return flow_hint_text();
  if (!hovered_) {
    return translated(QT_TRANSLATE_NOOP(
        "FlowWindow",
        "Fareyi bir düzlemin üzerinde gezdirin (ya da Tab ile bir düzleme gelip ok tuşlarına "
        "basın): o noktadaki hız ve Cp burada görünür, noktanın öteki düzlemdeki karşılığı "
        "işaretlenir."));
  }
  const auto [plane, p] = *hovered_;
  const auto here = flow_at(*field_, plane, p);
  if (plane == Plane::airfoil) {
    const QString where = QStringLiteral("x/c = %1, y/c = %2").arg(number(p.x), number(p.y));
    if (!here) {
      return where +
             translated(QT_TRANSLATE_NOOP("FlowWindow", ": kesitin içinde ya da üzerinde; burada akış yok."));
    }
    return where + QStringLiteral(":  ") + velocity_text(here->section);
  }
  const QString where = QString::fromUtf8("ζ = (%1, %2)").arg(number(p.x), number(p.y));
  if (!here) {
    return where + translated(QT_TRANSLATE_NOOP("FlowWindow",
                                                ": dairenin içinde; dairenin içi akışın parçası değildir."));
  }
  return where +
         QString::fromUtf8(" → x/c = %1, y/c = %2").arg(number(here->airfoil.x), number(here->airfoil.y)) +
         QStringLiteral(":  ") + velocity_text(here->circle);
}

void FlowWindow::update_texts() {
  status_->setText(readout());
  for (FlowPlaneView* view : {airfoil_, circle_}) {
    const QString name = plane_name(view->plane());
    QString description = plane_description(view->plane());
    if (!field_) {
      description = flow_hint_text() + QLatin1Char(' ') + description;
    } else {
      description = translated(QT_TRANSLATE_NOOP("FlowWindow", "Hücum açısı %1 derece."))
                        .arg(QString::number(alfa_degrees_, 'g', 6)) +
                    QLatin1Char(' ') + description;
    }
    if (field_ && view->plane() == Plane::airfoil) {
      if (const auto edge = flow_at_zeta(*field_, Complex(1, 0))) {
        description += QLatin1Char(' ') +
                       translated(QT_TRANSLATE_NOOP("FlowWindow",
                                                    "Firar kenarı bir durma noktası değildir: akış sivri "
                                                    "uçtan serbest akım hızının %1 katıyla ayrılır."))
                           .arg(QString::number(edge->section.speed, 'f', 2));
      }
    }
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
          shown->of(p).size, Qt::white,
          [shown, style, p](QPainter& painter, double scale, Placement placement) {
            painter.save();
            painter.scale(scale, scale);
            paint_flow_plane(painter, *shown, p, style, std::nullopt, placement);
            painter.restore();
          }};
}

}  // namespace airfoil
