#include "ui/qt/picture_box.h"

#include <QMouseEvent>
#include <QPainter>

namespace airfoil {

PictureBox::PictureBox(const SurfaceLayout& entry, QWidget* parent)
    : QWidget(parent),
      raster_(entry.pixel_width(), entry.pixel_height(), entry.BackColor, entry.ForeColor,
              devicePixelRatioF()),
      ratio_(devicePixelRatioF()) {
  BackColor = entry.BackColor;
  ForeColor = entry.ForeColor;
  setObjectName(QString::fromUtf8(entry.name.data(), static_cast<qsizetype>(entry.name.size())));
  setGeometry(twips_to_pixels(entry.Left), twips_to_pixels(entry.Top), entry.pixel_width(),
              entry.pixel_height());
  setFocusPolicy(Qt::StrongFocus);
  // paintEvent covers every pixel with the picture.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

RasterSurface& PictureBox::target() {
  raster_.BackColor = BackColor;
  raster_.ForeColor = ForeColor;
  return raster_;
}

void PictureBox::Cls() {
  ++clear_count_;
  previous_ = QImage();
  target().Cls();
  update();
}

void PictureBox::Scale(float x1, float y1, float x2, float y2) { target().Scale(x1, y1, x2, y2); }

void PictureBox::Line(float x1, float y1, float x2, float y2) {
  target().Line(x1, y1, x2, y2);
  update();
}

void PictureBox::Line(float x1, float y1, float x2, float y2, Colour colour) {
  target().Line(x1, y1, x2, y2, colour);
  update();
}

void PictureBox::Circle(float x, float y, float radius, Colour colour) {
  target().Circle(x, y, radius, colour);
  update();
}

void PictureBox::follow_device_pixel_ratio() {
  const double ratio = devicePixelRatioF();
  if (ratio == ratio_) return;
  if (previous_.isNull()) previous_ = raster_.image().copy();
  raster_.set_device_pixel_ratio(ratio);
  ratio_ = ratio;
}

void PictureBox::paintEvent(QPaintEvent*) {
  follow_device_pixel_ratio();
  QPainter painter(this);
  const QRectF area(0, 0, width(), height());
  if (!previous_.isNull()) {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(area, previous_, QRectF(previous_.rect()));
    return;
  }
  // One image pixel to one device pixel: no resampling, no blur.
  const QImage& image = raster_.image();
  painter.drawImage(area, image, QRectF(image.rect()));
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

}  // namespace airfoil
