// A picture surface on screen: a widget that is also the drawing surface the
// charts draw on. The drawing goes into an image of the widget's size in
// device pixels, so that a repaint only copies pixels and lines stay crisp on
// high-density screens.
#pragma once

#include <QImage>
#include <QWidget>

#include "charts/raster/raster_surface.h"
#include "ui/surface_layout.h"

namespace airfoil {

class PictureBox : public QWidget, public Surface {
  Q_OBJECT

 public:
  PictureBox(const SurfaceLayout& entry, QWidget* parent);

  void Cls() override;
  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;

  const RasterSurface& raster() const { return raster_; }
  // How many times the surface was cleared: each drawing procedure clears
  // once, so this tells which pictures an event redrew.
  int clear_count() const { return clear_count_; }

 signals:
  // A left-button click: press and release on the picture.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The drawing state lives in the raster surface; the colours are kept on
  // this object because the charts see this one.
  RasterSurface& target();
  void follow_device_pixel_ratio();

  RasterSurface raster_;
  double ratio_;
  // After a move to a screen of another density the raster starts blank; the
  // old picture is shown, scaled, until the next drawing replaces it.
  QImage previous_;
  bool pressed_ = false;
  int clear_count_ = 0;
};

}  // namespace airfoil
