#include "ui/render/picture_painter.h"

#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "charts/device_plan.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

// The pen of a line or ring drawn in a dash pattern.
QPen dashed_pen(QColor colour, double width, LineStyle style) {
  QPen pen(colour, width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
  QList<qreal> pattern;
  for (const double length : dash_pattern(style)) pattern << length;
  pen.setDashPattern(pattern);
  return pen;
}

// A dashed curve is many short segments. Those that join end to start, in
// one colour and pattern, are stroked as one polyline: the dashes run evenly
// along the whole curve instead of restarting at every point, and one stroke
// costs far less than many.
class DashedRun {
 public:
  void add(QPainter& painter, const QPointF& from, const QPointF& to, const QPen& pen) {
    if (points_.isEmpty() || from != points_.back() || pen != pen_) {
      flush(painter);
      pen_ = pen;
      points_ << from;
    }
    points_ << to;
  }
  void flush(QPainter& painter) {
    if (points_.size() >= 2) {
      painter.setPen(pen_);
      painter.drawPolyline(points_);
    }
    points_.clear();
  }

 private:
  QPolygonF points_;
  QPen pen_;
};

}  // namespace

void paint_calls(QPainter& painter, const std::vector<SurfaceCall>& calls,
                 const std::optional<std::array<float, 4>>& start_scale, QSize size, double scale,
                 Colour back, Colour fore, double line_width, Placement placement) {
  const DevicePlan plan = plan_picture(calls, start_scale, size.width(), size.height(), scale, back, fore,
                                       line_width, placement == Placement::snapped);
  const QRectF area(0, 0, plan.width, plan.height);
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  DashedRun dashed;
  for (const DeviceShape& shape : plan.shapes) {
    const QColor colour = to_qcolor(shape.colour);
    if (shape.kind == DeviceShape::Kind::Line && shape.style != LineStyle::solid) {
      dashed.add(painter, QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2),
                 dashed_pen(colour, shape.pen, shape.style));
      continue;
    }
    dashed.flush(painter);
    switch (shape.kind) {
      case DeviceShape::Kind::Fill: painter.fillRect(area, colour); break;
      case DeviceShape::Kind::Line:
        painter.setPen(QPen(colour, shape.pen, Qt::SolidLine, shape.round ? Qt::RoundCap : Qt::SquareCap,
                            Qt::MiterJoin));
        painter.drawLine(QPointF(shape.x1, shape.y1), QPointF(shape.x2, shape.y2));
        break;
      case DeviceShape::Kind::Dot:
        painter.fillRect(QRectF(shape.x1, shape.y1, shape.pen, shape.pen), colour);
        break;
      case DeviceShape::Kind::Ring:
        // A small ring drawn on the pixel grid looks polygonal; smoothing its
        // edge keeps it round. Straight lines stay unsmoothed and crisp.
        painter.save();
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(shape.style == LineStyle::solid ? QPen(colour, shape.pen)
                                                       : dashed_pen(colour, shape.pen, shape.style));
        painter.drawEllipse(QPointF(shape.x1, shape.y1), shape.x2, shape.x2);
        painter.restore();
        break;
    }
  }
  dashed.flush(painter);
  painter.restore();
}

void paint_labels(QPainter& painter, const std::vector<PictureLabel>& labels) {
  // The label sizes were set for 96 dots per inch, where a logical pixel is
  // a point of 0.75. On a device of another resolution (a PDF, a printer) the
  // pictures are scaled by the painter, so the text must be too, not set in
  // the device's own points.
  const int dpi = painter.device() != nullptr ? painter.device()->logicalDpiY() : 96;
  painter.save();
  painter.setPen(Qt::black);
  for (const PictureLabel& label : labels) {
    painter.save();
    painter.fillRect(label.rect, QColor(255, 255, 192));
    QFont font = label.font;
    if (dpi != 96 && dpi > 0 && font.pointSizeF() > 0) {
      font.setPointSizeF(font.pointSizeF() * 96.0 / dpi);
    }
    painter.setFont(font);
    // A label paints inside its own box only: the slant of an italic glyph
    // does not spill past it.
    painter.setClipRect(label.rect, Qt::IntersectClip);
    painter.drawText(label.rect, Qt::AlignLeft | Qt::AlignVCenter, label.text);
    painter.restore();
  }
  painter.restore();
}

void paint_picture(QPainter& painter, const PictureContent& picture, double scale, Placement placement) {
  paint_calls(painter, picture.calls, picture.start_scale, picture.size, scale, picture.back, picture.fore, 1,
              placement);
  painter.save();
  painter.setClipRect(QRectF(0, 0, picture.size.width() * scale, picture.size.height() * scale),
                      Qt::IntersectClip);
  painter.scale(scale, scale);
  paint_labels(painter, picture.labels);
  painter.restore();
}

}  // namespace airfoil
