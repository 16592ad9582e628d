// A picture surface on screen: a widget that is also the drawing surface the
// charts draw on. It keeps the calls since the last Cls and paints by
// replaying them at the widget's current size and device-pixel ratio, so a
// move to a screen of another density repaints at once, without a cycle.
#pragma once

#include <QImage>
#include <QWidget>

#include "charts/recording_surface.h"
#include "ui/render/picture_painter.h"
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

  // How many times the surface was cleared: each drawing procedure clears
  // once, so this tells which pictures an event redrew.
  int clear_count() const { return recording_.cls_count(); }
  // What was drawn since the last clear, as the drawings called it.
  const RecordingSurface& recording() const { return recording_; }

  // Shown at `factor` of the designed size: the lines get as much wider, so
  // that the picture looks the same, only larger. Repaints from the recorded
  // calls; the geometry is the window's to set.
  void set_zoom(double factor);
  double zoom() const { return zoom_; }

  // The drawing alone, without the labels, at `scale` device pixels per
  // logical pixel, as it shows at the current zoom.
  QImage drawing(double scale = 1.0) const;
  // The picture at its designed size, the drawing and the labels on it,
  // whatever the zoom: what the exports write.
  PictureContent content() const;

 signals:
  // A left-button click: press and release on the picture.
  void clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  RecordingSurface recording_;
  QSize designed_size_;
  double zoom_ = 1;
  bool pressed_ = false;
};

}  // namespace airfoil
