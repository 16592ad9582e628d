#include "ui/qt/main/picture_box.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

#include "ui/render/fonts.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

PictureBox::PictureBox(const SurfaceLayout& entry, QWidget* parent) : QWidget(parent) {
  BackColor = entry.BackColor;
  ForeColor = entry.ForeColor;
  setObjectName(QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
  setGeometry(twips_to_pixels(entry.Left), twips_to_pixels(entry.Top), entry.pixel_width(),
              entry.pixel_height());
  designed_size_ = size();
  setFocusPolicy(Qt::StrongFocus);
  // The right button, the Menu key and Shift+F10 ask the window for the
  // picture's menu; the left button keeps its click.
  setContextMenuPolicy(Qt::CustomContextMenu);
  // paintEvent covers every pixel with the picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::Cls() {
  recording_.Cls();
  update();
}

void PictureBox::Scale(float x1, float y1, float x2, float y2) { recording_.Scale(x1, y1, x2, y2); }

void PictureBox::Line(float x1, float y1, float x2, float y2) {
  recording_.line_style = line_style;
  recording_.Line(x1, y1, x2, y2);
  update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Colour colour) {
  recording_.line_style = line_style;
  recording_.Line(x1, y1, x2, y2, colour);
  update();
}

void PictureBox::Circle(float x, float y, float radius, Colour colour) {
  recording_.line_style = line_style;
  recording_.Circle(x, y, radius, colour);
  update();
}

QImage PictureBox::drawing(double scale) const {
  const QSize device(static_cast<int>(std::lround(width() * scale)),
                     static_cast<int>(std::lround(height() * scale)));
  QImage image(device, QImage::Format_RGB32);
  QPainter painter(&image);
  paint_calls(painter, recording_.calls(), recording_.scale_at_start(), size(), scale, BackColor, ForeColor,
              zoom_);
  return image;
}

void PictureBox::set_zoom(double factor) {
  zoom_ = factor;
  update();
}

PictureContent PictureBox::content() const {
  PictureContent picture{objectName(),
                         designed_size_,
                         BackColor,
                         ForeColor,
                         recording_.calls(),
                         recording_.scale_at_start(),
                         {}};
  for (const QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->isHidden()) continue;
    // An annotation of the table has its designed place and face whatever
    // the zoom; a note the lesson puts on the picture (the sonic line's
    // name, the notice) is taken back from the zoom by its own geometry.
    // The text is the label's own, in the current language.
    const Annotation* entry = find_annotation(label->objectName().toStdString());
    if (entry != nullptr) {
      picture.labels.push_back({label->text(), to_qfont(font_of(entry->face)), pixels(entry->place)});
    } else {
      const QRect at = label->geometry();
      picture.labels.push_back({label->text(), zoomed(label->font(), 1 / zoom_),
                                QRect(qRound(at.x() / zoom_), qRound(at.y() / zoom_),
                                      qRound(at.width() / zoom_), qRound(at.height() / zoom_))});
    }
  }
  return picture;
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Replayed in device pixels of whatever this paints on: the screen at its
  // current density, or an image, a grab or a print of the widget. The
  // painter's device transform says how many device pixels a logical one
  // is; the widget's own ratio is only the screen's.
  const QTransform to_device = painter.deviceTransform();
  const double ratio = to_device.m11() > 0 && to_device.m12() == 0 && to_device.m21() == 0
                           ? to_device.m11()
                           : devicePixelRatioF();
  painter.scale(1 / ratio, 1 / ratio);
  paint_calls(painter, recording_.calls(), recording_.scale_at_start(), size(), ratio, BackColor, ForeColor,
              zoom_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
  QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed_) {
    pressed_ = false;
    if (rect().contains(event->position().toPoint())) emit clicked();
  }
  QWidget::mouseReleaseEvent(event);
}

// Space or Return on a focused picture is its click: the same signal, so the
// same cycle; a held key does not repeat it, as a held mouse button does not.
// The Menu key reaches the window as a context-menu event by itself;
// Shift+F10, the other keyboard way to a menu, does not.
void PictureBox::keyPressEvent(QKeyEvent* event) {
  const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
  const int key = event->key();
  if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
    if (!event->isAutoRepeat()) emit clicked();
    return;
  }
  if (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
    emit customContextMenuRequested(rect().center());
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace airfoil
