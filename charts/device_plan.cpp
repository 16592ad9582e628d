#include "charts/device_plan.h"

#include <algorithm>
#include <cmath>

#include "charts/clip.h"

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

// The pen is a square of `pen` device pixels. `anchor` gives the top-left
// device pixel of the pen square centred on device coordinate v, kept inside
// a picture `extent` pixels wide.
int anchor(double v, int pen, int extent) {
  const double a = std::floor(v - pen / 2.0 + 0.5);
  return static_cast<int>(std::clamp(a, 0.0, static_cast<double>(std::max(0, extent - pen))));
}

void plan_line(DevicePlan& plan, const DeviceMap& map, const SurfaceCall& call, Colour colour, double pen,
               bool snapped) {
  const std::vector<float>& a = call.args;
  // Device coordinates in double precision; the clip rejects anything that
  // is not finite and cuts everything else to the picture.
  const Segment device{map.x(a[0]), map.y(a[1]), map.x(a[2]), map.y(a[3])};
  const std::optional<Segment> inside = clip_segment(device, {0, 0, map.width(), map.height()});
  if (!inside) return;
  const double half = pen / 2;
  if (!snapped) {
    // The segments of a curve meet at exact points; round caps close the
    // joints between them.
    if (inside->x1 == inside->x2 && inside->y1 == inside->y2) {
      plan.shapes.push_back(
          {DeviceShape::Kind::Dot, inside->x1 - half, inside->y1 - half, 0, 0, pen, colour});
    } else {
      plan.shapes.push_back({DeviceShape::Kind::Line, inside->x1, inside->y1, inside->x2, inside->y2, pen,
                             colour, true, call.style});
    }
    return;
  }
  const int whole = static_cast<int>(pen);
  const int w = static_cast<int>(plan.width), h = static_cast<int>(plan.height);
  const int x1 = anchor(inside->x1, whole, w), y1 = anchor(inside->y1, whole, h);
  const int x2 = anchor(inside->x2, whole, w), y2 = anchor(inside->y2, whole, h);
  if (x1 == x2 && y1 == y2) {
    plan.shapes.push_back({DeviceShape::Kind::Dot, double(x1), double(y1), 0, 0, pen, colour});
    return;
  }
  // Through the centres of the pen squares at both ends: with square caps the
  // stroke covers exactly the pen squares along the way.
  plan.shapes.push_back(
      {DeviceShape::Kind::Line, x1 + half, y1 + half, x2 + half, y2 + half, pen, colour, false, call.style});
}

void plan_circle(DevicePlan& plan, const DeviceMap& map, const SurfaceCall& call, double pen, bool snapped) {
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

  const Colour colour = call.colour.value_or(0);
  if (r == 0) {
    if (!snapped) {
      plan.shapes.push_back({DeviceShape::Kind::Dot, cx - pen / 2, cy - pen / 2, 0, 0, pen, colour});
      return;
    }
    const int whole = static_cast<int>(pen);
    plan.shapes.push_back({DeviceShape::Kind::Dot, double(anchor(cx, whole, static_cast<int>(plan.width))),
                           double(anchor(cy, whole, static_cast<int>(plan.height))), 0, 0, pen, colour});
    return;
  }
  plan.shapes.push_back({DeviceShape::Kind::Ring, cx, cy, r, 0, pen, colour, false, call.style});
}

}  // namespace

std::vector<double> dash_pattern(LineStyle style) {
  switch (style) {
    case LineStyle::solid: break;
    case LineStyle::dash: return {6, 4};
    case LineStyle::dot: return {1.5, 3};
    case LineStyle::dash_dot: return {6, 3, 1.5, 3};
    case LineStyle::dash_dot_dot: return {6, 3, 1.5, 3, 1.5, 3};
  }
  return {};
}

DevicePlan plan_picture(const std::vector<SurfaceCall>& calls,
                        const std::optional<std::array<float, 4>>& start_scale, int logical_width,
                        int logical_height, double scale, Colour back, Colour fore, double line_width,
                        bool snapped) {
  if (!std::isfinite(scale) || scale <= 0) scale = 1;
  if (!std::isfinite(line_width) || line_width <= 0) line_width = 1;
  DevicePlan plan;
  // Snapped, the picture and its pen are whole device pixels; exact, they are
  // what the scale makes of them.
  const auto whole = [](double x) { return std::max(1.0, static_cast<double>(std::lround(x))); };
  plan.width = snapped ? whole(logical_width * scale) : logical_width * scale;
  plan.height = snapped ? whole(logical_height * scale) : logical_height * scale;
  const double pen = snapped ? whole(scale * line_width) : scale * line_width;
  DeviceMap map(plan.width, plan.height, start_scale);

  // A surface that was never cleared shows its background all the same.
  const DeviceShape fill{DeviceShape::Kind::Fill, 0, 0, 0, 0, pen, back};
  plan.shapes.push_back(fill);
  for (const SurfaceCall& call : calls) {
    switch (call.op) {
      case SurfaceCall::Op::Cls: plan.shapes.push_back(fill); break;
      case SurfaceCall::Op::Scale: map.set(call.args[0], call.args[1], call.args[2], call.args[3]); break;
      case SurfaceCall::Op::Line: plan_line(plan, map, call, call.colour.value_or(fore), pen, snapped); break;
      case SurfaceCall::Op::Circle: plan_circle(plan, map, call, pen, snapped); break;
    }
  }
  return plan;
}

}  // namespace airfoil
