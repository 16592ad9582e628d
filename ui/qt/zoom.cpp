#include "ui/qt/zoom.h"

#include <QApplication>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QShortcut>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "ui/qt/fonts.h"
#include "ui/qt/main_window.h"
#include "ui/qt/picture_box.h"
#include "ui/qt/qt_layout.h"
#include "ui/qt/settings.h"

namespace airfoil {

namespace {

constexpr const char* kDesignedFont = "designed_font";
// One notch of a mouse wheel, in eighths of a degree.
constexpr int kWheelNotch = 120;

template <class T = QWidget>
T* child(const QWidget& parent, const char* name) {
  return parent.findChild<T*>(QString::fromUtf8(name));
}

void place(QWidget* widget, const Place& where, double zoom) {
  if (widget != nullptr) widget->setGeometry(pixels(where, zoom));
}

// The frame a window manager puts around a window: known once the window is
// shown; before, a title bar and border as the style draws them, so that a
// window about to open does not count on having none.
QMargins frame_of(const QWidget& window) {
  const QRect outer = window.frameGeometry(), inner = window.geometry();
  if (window.isVisible() && outer != inner) {
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
  }
  const int border = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
  const int title = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  return {border, title + border, border, border};
}

QSize outer_size(QSize inner, const QMargins& frame) { return inner.grownBy(frame); }

}  // namespace

QRect available_area(const QWidget& window) {
  const QScreen* screen = window.screen();
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

double fitting_zoom(const QWidget& window, double factor, const std::function<QSize(double)>& size_at) {
  const QRect area = available_area(window);
  const QMargins frame = frame_of(window);
  double zoom = nearest_zoom(factor);
  // No screen to measure (a headless run) limits nothing.
  if (area.isEmpty()) return zoom;
  while (zoom > kZoomMin) {
    const QSize outer = outer_size(size_at(zoom), frame);
    if (outer.width() <= area.width() && outer.height() <= area.height()) break;
    zoom -= kZoomStep;
  }
  return zoom;
}

void fit_on_screen(QWidget& window) {
  const QRect area = available_area(window);
  if (area.isEmpty()) return;
  const QMargins frame = frame_of(window);
  if (window.minimumSize() != window.maximumSize()) {
    const QSize room = area.size().shrunkBy(frame).expandedTo(window.minimumSize());
    if (window.width() > room.width() || window.height() > room.height()) {
      window.resize(window.size().boundedTo(room));
    }
  }
  const QRect outer(window.geometry().topLeft() - QPoint(frame.left(), frame.top()),
                    outer_size(window.size(), frame));
  QPoint at = outer.topLeft();
  at.setX(std::max(area.left(), std::min(at.x(), area.right() + 1 - outer.width())));
  at.setY(std::max(area.top(), std::min(at.y(), area.bottom() + 1 - outer.height())));
  // move() places a window by its frame.
  if (at != outer.topLeft()) window.move(at);
}

double nearest_zoom(double factor) {
  if (!std::isfinite(factor)) return 1;
  const double stepped = std::round(factor / kZoomStep) * kZoomStep;
  return std::clamp(stepped, kZoomMin, kZoomMax);
}

int zoomed_pixels(int twips, double zoom) {
  // At 1 this is the designed rounding of twips to pixels; no twip count of
  // the tables lies halfway between two pixels, so nothing else can differ.
  if (zoom == 1) return twips_to_pixels(twips);
  return static_cast<int>(std::lround(twips * zoom / 15.0));
}

QRect pixels(const Place& p, double zoom) {
  return {zoomed_pixels(p.left, zoom), zoomed_pixels(p.top, zoom), zoomed_pixels(p.width, zoom),
          zoomed_pixels(p.height, zoom)};
}

QFont zoomed(QFont font, double zoom) {
  if (zoom != 1 && font.pointSizeF() > 0) font.setPointSizeF(font.pointSizeF() * zoom);
  return font;
}

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

ZoomOption read_zoom_option(const QStringList& arguments) {
  std::optional<QString> asked;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--zoom")) {
      asked = i + 1 < arguments.size() ? arguments[++i] : QString();
    } else if (argument.startsWith(QLatin1String("--zoom="))) {
      asked = argument.mid(7);
    }
  }
  if (!asked) return {};
  const std::optional<double> factor = read_zoom(*asked);
  if (!factor) {
    std::fprintf(stderr, "pelmora-airfoil: --zoom takes a factor such as 2, 1.5 or 150%%, not '%s'\n",
                 asked->toLocal8Bit().constData());
    return {false, std::nullopt};
  }
  return {true, nearest_zoom(*factor)};
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

void lay_out_main_window(Form1Window& window, double zoom) {
  QWidget* client = window.centralWidget();
  client->setFixedSize(zoomed_pixels(kClientWidth, zoom), zoomed_pixels(kClientHeight, zoom));
  // Every label and box without a font of its own takes this one.
  client->setFont(zoomed(dialog_font(), zoom));
  // The menu bar and the pictures' menus have no font in the tables: they
  // grow from the one they had before any zoom.
  QList<QWidget*> menus{window.menuBar()};
  for (QMenu* menu : window.findChildren<QMenu*>()) menus.push_back(menu);
  for (QWidget* menu : menus) {
    if (!menu->property(kDesignedFont).isValid()) menu->setProperty(kDesignedFont, menu->font());
    menu->setFont(zoomed(menu->property(kDesignedFont).value<QFont>(), zoom));
  }

  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    const SurfaceLayout& s = kSurfaceLayouts[i];
    PictureBox* picture = window.picture(static_cast<SurfaceId>(i));
    place(picture, {s.Left, s.Top, s.Width, s.Height}, zoom);
    picture->set_zoom(zoom);
  }
  for (const FrameLayout& frame : kFrames) place(child(*client, frame.name), frame.place, zoom);
  const auto set_face = [&](QWidget* label, Face face) {
    if (label != nullptr && face != Face::dialog) label->setFont(zoomed(to_qfont(font_of(face)), zoom));
  };
  for (const InputRow& row : kInputRows) {
    QWidget* label = child(*client, row.label);
    place(label, label_place(row), zoom);
    set_face(label, row.face);
    place(child(*client, row.box), box_place(row), zoom);
    place(child(*client, row.bar), bar_place(row), zoom);
  }
  for (const FrameItem& item : kFrameItems) place(child(*client, item.name), item.place, zoom);
  for (const Annotation& a : kAnnotations) {
    QWidget* label = child(*window.picture(a.surface), a.name);
    place(label, a.place, zoom);
    set_face(label, a.face);
  }

  // The window keeps one fixed size at each zoom: that of the new client
  // area and menu bar, at once rather than at the next pass of the event loop.
  if (QLayout* layout = window.layout()) {
    layout->invalidate();
    layout->activate();
  }
}

ZoomKeys::ZoomKeys(Form1Window& window) : QObject(&window), window_(window) {
  setObjectName("ZoomKeys");
  const auto add = [&](QKeySequence keys, auto action) {
    auto* shortcut = new QShortcut(keys, &window);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  add(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { step(1); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { step(1); });
  add(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { step(-1); });
  add(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { reset(); });
  // The wheel reaches the widget under the pointer first, and a scroll bar
  // would take Ctrl+wheel as a page step: the application's filter sees it
  // before any widget does.
  qApp->installEventFilter(this);
}

void ZoomKeys::step(int steps) { set(window_.zoom() + steps * kZoomStep); }

void ZoomKeys::reset() { set(1); }

void ZoomKeys::set(double factor) {
  const double zoom = nearest_zoom(factor);
  if (zoom == window_.zoom()) return;
  window_.set_zoom(zoom);
  const QString why = remember_zoom(window_.zoom());
  // Said once: every later key would fail for the same reason.
  if (!why.isEmpty() && !told_) {
    told_ = true;
    window_.messages().show(why.toStdString());
  }
}

bool ZoomKeys::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
  const auto* widget = static_cast<QWidget*>(watched);
  const auto* wheel = static_cast<QWheelEvent*>(event);
  if (widget->window() != &window_ || !(wheel->modifiers() & Qt::ControlModifier)) return false;
  // A touchpad turns in small amounts: a step per whole notch.
  wheel_ += wheel->angleDelta().y();
  const int steps = wheel_ / kWheelNotch;
  wheel_ -= steps * kWheelNotch;
  if (steps != 0) step(steps);
  return true;
}

}  // namespace airfoil
