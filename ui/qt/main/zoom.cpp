#include "ui/qt/main/zoom.h"

#include <QApplication>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

#include "ui/qt/settings.h"

namespace airfoil {

namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

}  // namespace

std::optional<double> read_zoom(const QString& text) {
  QString number = text.trimmed();
  bool percent = false;
  if (number.endsWith(QLatin1Char('%'))) {
    percent = true;
    number.chop(1);
    number = number.trimmed();
  }
  // A comma is the decimal separator of many users, Turkish ones included.
  number.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok || !std::isfinite(value) || value <= 0) return std::nullopt;
  return percent ? value / 100 : value;
}

double remembered_zoom() {
  const SettingValues remembered = read_settings();
  const auto value = remembered.find(QString::fromLatin1(kZoomKey));
  if (value == remembered.end()) return 1.0;
  bool ok = false;
  const double factor = value->second.toDouble(&ok);
  return ok ? nearest_zoom(factor) : 1.0;
}

QString zoom_setting(double factor) { return QString::number(nearest_zoom(factor)); }

QString remember_zoom(double factor) {
  return store_settings({{QString::fromLatin1(kZoomKey), zoom_setting(factor)}});
}

ZoomWheel::ZoomWheel(QWidget& window) : QObject(&window), window_(window) {
  // The wheel reaches the widget under the pointer first, and a scroll bar
  // would take Ctrl+wheel as a page step: the application's filter sees it
  // before any widget does.
  qApp->installEventFilter(this);
}

bool ZoomWheel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  if (widget->window() != &window_ || !(wheel->modifiers() & Qt::ControlModifier)) return false;
  // A touchpad turns in small amounts: a step per whole notch.
  wheel_ += wheel->angleDelta().y();
  const int steps = wheel_ / kWheelNotch;
  wheel_ -= steps * kWheelNotch;
  if (steps != 0) emit turned(steps);
  return true;
}

}  // namespace airfoil
