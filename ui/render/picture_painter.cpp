#include "ui/render/picture_painter.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

#include "charts/device_plan.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

void paint_calls(QPainter& painter, const std::vector<SurfaceCall>& calls,
                 const std::optional<std::array<float, 4>>& start_scale, QSize size, double scale,
                 Colour back, Colour fore, double line_width, Placement placement) {
  const DevicePlan plan = plan_picture(calls, start_scale, size.width(), size.height(), scale, back, fore,
                                       line_width, placement == Placement::snapped);
  const QRectF area(0, 0, plan.width, plan.height);
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  for (const DeviceShape& shape : plan.shapes) {
    const QColor colour = to_qcolor(shape.colour);
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
        painter.setPen(QPen(colour, shape.pen));
        painter.drawEllipse(QPointF(shape.x1, shape.y1), shape.x2, shape.x2);
        painter.restore();
        break;
    }
  }
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
