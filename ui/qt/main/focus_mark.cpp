#include "ui/qt/main/focus_mark.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

#include "ui/qt/main/picture_box.h"

namespace airfoil {

FocusMark::FocusMark(QWidget* area) : QWidget(area), area_(area) {
  setObjectName("FocusMark");
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
  hide();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { follow(now); });
  follow(QApplication::focusWidget());
}

void FocusMark::set_zoom(double factor) {
  band_ = std::max(1, static_cast<int>(std::lround(kWidth * factor)));
  place();
}

bool FocusMark::outside() const { return qobject_cast<PictureBox*>(target_) != nullptr; }

void FocusMark::follow(QWidget* focused) {
  const bool marked =
      focused != nullptr && area_->isAncestorOf(focused) &&
      (qobject_cast<PictureBox*>(focused) != nullptr || qobject_cast<QScrollBar*>(focused) != nullptr ||
       qobject_cast<QLineEdit*>(focused) != nullptr);
  // Focus moving to another window (About, help, a message box) leaves the
  // mark where it is, as the focused control of this window is unchanged.
  if (focused != nullptr && !marked && focused->window() != area_->window()) return;
  if (target_ != nullptr) target_->removeEventFilter(this);
  target_ = marked ? focused : nullptr;
  if (target_ == nullptr) {
    hide();
    return;
  }
  target_->installEventFilter(this);
  place();
}

void FocusMark::place() {
  if (target_ == nullptr || !target_->isVisible()) {
    hide();
    return;
  }
  const QRect on_area(target_->mapTo(area_, QPoint(0, 0)), target_->size());
  const int out = outside() ? band_ : 0;
  setGeometry(on_area.adjusted(-out, -out, out, out));
  raise();
  show();
  update();
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
  if (watched == target_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
      case QEvent::Show:
      case QEvent::Hide: place(); break;
      default: break;
    }
  }
  return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor colour = palette().color(QPalette::Active, QPalette::Highlight);
  // Two filled bands per side: exact pixels, no antialiasing across the edge
  // of the control.
  const QRect all = rect();
  painter.fillRect(QRect(0, 0, all.width(), band_), colour);
  painter.fillRect(QRect(0, all.height() - band_, all.width(), band_), colour);
  painter.fillRect(QRect(0, 0, band_, all.height()), colour);
  painter.fillRect(QRect(all.width() - band_, 0, band_, all.height()), colour);
}

}  // namespace airfoil
