#include "ui/render/flow_picture.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>

#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

QString translated(const char* source) { return QCoreApplication::translate("FlowWindow", source); }

class QtMetrics final : public TextMetrics {
 public:
  double advance(const Font& font, const std::string& text) const override {
    return QFontMetricsF(to_qfont(font)).horizontalAdvance(QString::fromStdString(text));
  }
  double ascent(const Font& font) const override { return QFontMetricsF(to_qfont(font)).ascent(); }
  double descent(const Font& font) const override { return QFontMetricsF(to_qfont(font)).descent(); }
  double height(const Font& font) const override { return QFontMetricsF(to_qfont(font)).height(); }
};

QImage to_qimage(const ArgbImage& image) {
  QImage out(std::max(1, image.width), std::max(1, image.height), QImage::Format_ARGB32);
  out.fill(Qt::transparent);
  for (int j = 0; j < image.height; ++j) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(j));
    for (int i = 0; i < image.width; ++i) {
      row[i] = image.pixels[static_cast<std::size_t>(j) * static_cast<std::size_t>(image.width) +
                            static_cast<std::size_t>(i)];
    }
  }
  return out;
}

QRectF to_qrect(const Rect& r) { return {r.x, r.y, r.w, r.h}; }

QPolygonF to_polygon(const std::vector<Point>& points) {
  QPolygonF out;
  out.reserve(static_cast<qsizetype>(points.size()));
  for (const Point& p : points) out << to_qpoint(p);
  return out;
}

QPen pen_of(const FlowShape& s) {
  const QColor colour = QColor::fromRgba(s.pen);
  return s.round ? QPen(colour, s.pen_width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin)
                 : QPen(colour, s.pen_width);
}

QBrush brush_of(const FlowShape& s) {
  return s.fill == 0 ? QBrush(Qt::NoBrush) : QBrush(QColor::fromRgba(s.fill));
}

}  // namespace

const TextMetrics& qt_text_metrics() {
  static const QtMetrics metrics;
  return metrics;
}

void paint_drawing(QPainter& painter, const FlowDrawing& drawing) {
  using Kind = FlowShape::Kind;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  for (const FlowShape& s : drawing.shapes) {
    switch (s.kind) {
      case Kind::Fill: painter.fillRect(to_qrect(s.rect), QColor::fromRgba(s.fill)); break;
      case Kind::Text:
      case Kind::WrappedText:
      case Kind::BaselineText:
        painter.setFont(to_qfont(s.font));
        painter.setPen(QColor::fromRgba(s.pen));
        if (s.kind == Kind::BaselineText) {
          painter.drawText(to_qpoint(s.points[0]), QString::fromStdString(s.text));
        } else {
          const int flags = s.kind == Kind::Text ? Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine
                                                 : Qt::AlignCenter | Qt::TextWordWrap;
          painter.drawText(to_qrect(s.rect), flags, QString::fromStdString(s.text));
        }
        break;
      case Kind::Image:
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.drawImage(to_qrect(s.rect), to_qimage(*s.image));
        painter.restore();
        break;
      case Kind::Polyline:
        painter.setPen(pen_of(s));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(to_polygon(s.points));
        break;
      case Kind::Polygon:
        painter.setPen(pen_of(s));
        painter.setBrush(brush_of(s));
        painter.drawPolygon(to_polygon(s.points));
        break;
      case Kind::Ellipse:
        painter.setPen(pen_of(s));
        painter.setBrush(brush_of(s));
        painter.drawEllipse(to_qpoint(s.points[0]), s.rect.w, s.rect.h);
        break;
      case Kind::Frame:
        painter.setPen(pen_of(s));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(to_qrect(s.rect));
        break;
      case Kind::Line:
        painter.setPen(pen_of(s));
        painter.drawLine(to_qpoint(s.points[0]), to_qpoint(s.points[1]));
        break;
      case Kind::Clip:
        painter.save();
        painter.setClipRect(to_qrect(s.rect));
        break;
      case Kind::Unclip: painter.restore(); break;
    }
  }
  painter.restore();
}

std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 QSize airfoil_size, QSize circle_size,
                                                 const FlowStyle& style) {
  return make_flow_scene(field, alfa_degrees, {airfoil_size.width(), airfoil_size.height()},
                         {circle_size.width(), circle_size.height()}, style, qt_text_metrics());
}

void paint_flow_plane(QPainter& painter, const FlowScene& scene, Plane p, const FlowStyle& style,
                      std::optional<PlanePoint> mark, Placement placement) {
  // The pictures are laid out at 96 logical pixels per inch; paper and vector
  // files get the colour map at 300 samples per inch.
  const double map_samples = placement == Placement::exact ? 300.0 / 96.0 : 0;
  const std::string title = flow_plane_title(p).toStdString() + flow_title_suffix(scene, p);
  paint_drawing(painter, draw_flow_plane(scene, p, style, qt_text_metrics(), title,
                                         flow_hint_text().toStdString(), mark, map_samples));
}

QString flow_plane_title(Plane p) { return translated(flow_plane_title_source(p)); }

QString flow_hint_text() { return translated(flow_hint_source()); }

}  // namespace airfoil
