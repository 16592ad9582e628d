#include "ui/render/picture_painter.h"

#include <QList>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

#include "charts/clip.h"
#include "ui/render/qt_layout.h"

namespace airfoil {

namespace {

// A circle whose radius exceeds this many device pixels is not drawn: its
// visible part would be a straight line computed from the difference of two
// huge numbers, which double precision cannot resolve to a pixel.
constexpr double kLargestCircle = 1e7;

bool finite(float a, float b, float c, float d) {
  return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

// Maps user coordinates to device pixels of a picture `width` by `height`
// device pixels, as the surface's last Scale set them.
class DeviceMap {
 public:
  DeviceMap(double width, double height, const std::optional<std::array<float, 4>>& start)
      : w_(width), h_(height) {
    if (start) set((*start)[0], (*start)[1], (*start)[2], (*start)[3]);
  }

  // A degenerate or non-finite window cannot map points to pixels; the
  // picture keeps the window it had, as if the call had not been made.
  void set(float x1, float y1, float x2, float y2) {
    if (!finite(x1, y1, x2, y2) || x1 == x2 || y1 == y2) return;
    window_ = {x1, y1, x2, y2};
  }

  double sx() const { return w_ / (window_[2] - window_[0]); }
  double sy() const { return h_ / (window_[3] - window_[1]); }
  double x(double u) const { return (u - window_[0]) * sx(); }
  double y(double v) const { return (v - window_[1]) * sy(); }
  double width() const { return w_; }
  double height() const { return h_; }

 private:
  double w_, h_;
  std::array<double, 4> window_{0, 0, 1, 1};
};

// The pen is a square of `pen` device pixels, one logical pixel. `anchor`
// gives the top-left device pixel of the pen square centred on device
// coordinate v, kept inside a picture `extent` pixels wide: the same snapping
// for every output, so the pictures on screen and in files agree pixel for
// pixel.
int anchor(double v, int pen, int extent) {
  const double a = std::floor(v - pen / 2.0 + 0.5);
  return static_cast<int>(std::clamp(a, 0.0, static_cast<double>(std::max(0, extent - pen))));
}

// The pen of one replay: `width` device pixels, and whether points snap to
// the device's pixel grid (then `width` is whole).
struct Stroke {
  double width;
  bool snapped;
};

// The dash patterns, in pen widths: long enough to tell apart on a projector
// and in black-and-white print.
QList<qreal> dash_pattern(LineStyle style) {
  switch (style) {
    case LineStyle::solid: break;
    case LineStyle::dash: return {6, 4};
    case LineStyle::dot: return {1.5, 3};
    case LineStyle::dash_dot: return {6, 3, 1.5, 3};
    case LineStyle::dash_dot_dot: return {6, 3, 1.5, 3, 1.5, 3};
  }
  return {};
}

// The pen of a line or ring in `style`. Solid lines snapped to the pixel grid
// end in square caps that cover exactly the pen squares; unsnapped, the
// segments of a curve meet at exact points and round caps close the joints.
QPen pen_of(QColor colour, const Stroke& stroke, LineStyle style) {
  if (style == LineStyle::solid) {
    return QPen(colour, stroke.width, Qt::SolidLine, stroke.snapped ? Qt::SquareCap : Qt::RoundCap,
                Qt::MiterJoin);
  }
  QPen styled(colour, stroke.width, Qt::CustomDashLine, Qt::FlatCap, Qt::MiterJoin);
  styled.setDashPattern(dash_pattern(style));
  return styled;
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

void draw_line(QPainter& painter, const DeviceMap& map, const SurfaceCall& call, Colour colour,
               const Stroke& stroke, DashedRun& dashed) {
  const std::vector<float>& a = call.args;
  // Device coordinates in double precision; the clip rejects anything that
  // is not finite and cuts everything else to the picture.
  const Segment device{map.x(a[0]), map.y(a[1]), map.x(a[2]), map.y(a[3])};
  const std::optional<Segment> inside = clip_segment(device, {0, 0, map.width(), map.height()});
  if (!inside) return;
  const double half = stroke.width / 2;
  QPointF from(inside->x1, inside->y1);
  QPointF to(inside->x2, inside->y2);
  if (stroke.snapped) {
    // Through the centres of the pen squares at both ends: with square caps
    // the stroke covers exactly the pen squares along the way.
    const int pen = static_cast<int>(stroke.width);
    const int w = static_cast<int>(map.width());
    const int h = static_cast<int>(map.height());
    from = QPointF(anchor(inside->x1, pen, w) + half, anchor(inside->y1, pen, h) + half);
    to = QPointF(anchor(inside->x2, pen, w) + half, anchor(inside->y2, pen, h) + half);
  }
  if (call.style != LineStyle::solid) {
    dashed.add(painter, from, to, pen_of(to_qcolor(colour), stroke, call.style));
    return;
  }
  dashed.flush(painter);
  painter.setPen(pen_of(to_qcolor(colour), stroke, call.style));
  if (from == to) {
    painter.fillRect(QRectF(from.x() - half, from.y() - half, stroke.width, stroke.width), to_qcolor(colour));
  } else {
    painter.drawLine(from, to);
  }
}

void draw_circle(QPainter& painter, const DeviceMap& map, const SurfaceCall& call, const Stroke& stroke) {
  const std::vector<float>& a = call.args;
  if (!std::isfinite(a[0]) || !std::isfinite(a[1]) || !std::isfinite(a[2]) || a[2] < 0) return;
  const double cx = map.x(a[0]);
  const double cy = map.y(a[1]);
  // The radius is measured along the horizontal axis only, so the figure is
  // round whatever the vertical scale.
  const double r = a[2] * std::fabs(map.sx());
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > kLargestCircle) return;
  const double w = map.width();
  const double h = map.height();
  // Skip a circle that misses the picture: its centre is farther than r from
  // the nearest point of it, or the picture lies wholly inside it.
  const double nx = std::clamp(cx, 0.0, w) - cx;
  const double ny = std::clamp(cy, 0.0, h) - cy;
  const double fx = std::max(std::fabs(cx), std::fabs(w - cx));
  const double fy = std::max(std::fabs(cy), std::fabs(h - cy));
  if (std::hypot(nx, ny) > r + 1 || std::hypot(fx, fy) < r - 1) return;

  const QColor colour = to_qcolor(call.colour.value_or(0));
  if (r == 0) {
    if (!stroke.snapped) {
      const double half = stroke.width / 2;
      painter.fillRect(QRectF(cx - half, cy - half, stroke.width, stroke.width), colour);
      return;
    }
    const int pen = static_cast<int>(stroke.width);
    const int x = anchor(cx, pen, static_cast<int>(w));
    const int y = anchor(cy, pen, static_cast<int>(h));
    painter.fillRect(QRect(x, y, pen, pen), colour);
    return;
  }
  // A small ring drawn on the pixel grid looks polygonal; smoothing its edge
  // keeps it round. Straight lines stay unsmoothed and crisp.
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(call.style == LineStyle::solid ? QPen(colour, stroke.width)
                                                : pen_of(colour, {stroke.width, false}, call.style));
  painter.drawEllipse(QPointF(cx, cy), r, r);
  painter.restore();
}

}  // namespace

void paint_calls(QPainter& painter, const std::vector<SurfaceCall>& calls,
                 const std::optional<std::array<float, 4>>& start_scale, QSize size, double scale,
                 Colour back, Colour fore, double line_width, Placement placement) {
  if (!std::isfinite(scale) || scale <= 0) scale = 1;
  if (!std::isfinite(line_width) || line_width <= 0) line_width = 1;
  const bool snapped = placement == Placement::snapped;
  // Snapped, the picture and its pen are whole device pixels; exact, they
  // are what the scale makes of them.
  const double w = snapped ? std::max(1L, std::lround(size.width() * scale)) : size.width() * scale;
  const double h = snapped ? std::max(1L, std::lround(size.height() * scale)) : size.height() * scale;
  const Stroke stroke{snapped ? std::max(1L, std::lround(scale * line_width)) : scale * line_width, snapped};
  DeviceMap map(w, h, start_scale);
  const QRectF area(0, 0, w, h);

  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  // A surface that was never cleared shows its background all the same.
  painter.fillRect(area, to_qcolor(back));
  DashedRun dashed;
  for (const SurfaceCall& call : calls) {
    switch (call.op) {
      case SurfaceCall::Op::Cls:
        dashed.flush(painter);
        painter.fillRect(area, to_qcolor(back));
        break;
      case SurfaceCall::Op::Scale: map.set(call.args[0], call.args[1], call.args[2], call.args[3]); break;
      case SurfaceCall::Op::Line:
        draw_line(painter, map, call, call.colour.value_or(fore), stroke, dashed);
        break;
      case SurfaceCall::Op::Circle:
        dashed.flush(painter);
        draw_circle(painter, map, call, stroke);
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
