#include "charts/raster/raster_surface.h"

#include <algorithm>
#include <cmath>

#include "charts/clip.h"

namespace airfoil {

namespace {

// A circle whose radius exceeds this many device pixels is not drawn: its
// visible part would be a straight line computed from the difference of two
// huge numbers, which double precision cannot resolve to a pixel.
constexpr double kLargestCircle = 1e7;

QRgb to_rgb(Colour c) {
  const auto v = static_cast<std::uint32_t>(c);
  return qRgb(static_cast<int>(v & 0xFF), static_cast<int>((v >> 8) & 0xFF),
              static_cast<int>((v >> 16) & 0xFF));
}

double sane_ratio(double ratio) { return std::isfinite(ratio) && ratio > 0 ? ratio : 1.0; }

}  // namespace

RasterSurface::RasterSurface(int width, int height, Colour back, Colour fore,
                             double device_pixel_ratio)
    : width_(std::max(1, width)), height_(std::max(1, height)), ratio_(sane_ratio(device_pixel_ratio)) {
  BackColor = back;
  ForeColor = fore;
  set_device_pixel_ratio(ratio_);
}

void RasterSurface::set_device_pixel_ratio(double ratio) {
  ratio_ = sane_ratio(ratio);
  const int w = std::max(1, static_cast<int>(std::lround(width_ * ratio_)));
  const int h = std::max(1, static_cast<int>(std::lround(height_ * ratio_)));
  image_ = QImage(w, h, QImage::Format_RGB32);
  image_.setDevicePixelRatio(ratio_);
  image_.fill(to_rgb(BackColor));
}

void RasterSurface::Cls() { image_.fill(to_rgb(BackColor)); }

// A degenerate or non-finite window cannot map points to pixels; the surface
// keeps the window it had, as if the call had not been made.
void RasterSurface::Scale(float x1, float y1, float x2, float y2) {
  if (!std::isfinite(x1) || !std::isfinite(y1) || !std::isfinite(x2) || !std::isfinite(y2)) return;
  if (x1 == x2 || y1 == y2) return;
  scale_ = {x1, y1, x2, y2};
}

std::array<double, 2> RasterSurface::to_pixel(double x, double y) const {
  return {(x - scale_[0]) / (scale_[2] - scale_[0]) * width_,
          (y - scale_[1]) / (scale_[3] - scale_[1]) * height_};
}

// Lines and circles are set pixel by pixel, without anti-aliasing, so that a
// one-pixel line is one crisp pixel wide. On a high-density image the pen is
// a square of `brush` device pixels, one logical pixel, while the path itself
// follows the finer device grid.
int RasterSurface::brush() const { return std::max(1, static_cast<int>(std::lround(ratio_))); }

// The top-left device pixel of the pen square centred on device coordinate
// `v`, kept inside an image `extent` pixels wide.
int RasterSurface::anchor(double v, int extent) const {
  const int b = brush();
  const double a = std::floor(v - b / 2.0 + 0.5);
  return static_cast<int>(std::clamp(a, 0.0, static_cast<double>(extent - b)));
}

void RasterSurface::stamp(int ax, int ay, QRgb rgb) {
  const int b = brush();
  for (int y = ay; y < ay + b && y < image_.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = ax; x < ax + b && x < image_.width(); ++x) row[x] = rgb;
  }
}

void RasterSurface::Line(float x1, float y1, float x2, float y2) { Line(x1, y1, x2, y2, ForeColor); }

void RasterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  // Device coordinates in double precision. Float inputs and a non-degenerate
  // float scale keep these finite; the clip also rejects anything that is not.
  const double sx = image_.width() / (scale_[2] - scale_[0]);
  const double sy = image_.height() / (scale_[3] - scale_[1]);
  const Segment device{(x1 - scale_[0]) * sx, (y1 - scale_[1]) * sy, (x2 - scale_[0]) * sx,
                       (y2 - scale_[1]) * sy};
  const std::optional<Segment> inside =
      clip_segment(device, {0, 0, static_cast<double>(image_.width()), static_cast<double>(image_.height())});
  if (!inside) return;

  // Bresenham between the two pen positions; after the clip both lie in the
  // image, so the walk is at most a few thousand steps.
  int x = anchor(inside->x1, image_.width());
  int y = anchor(inside->y1, image_.height());
  const int xe = anchor(inside->x2, image_.width());
  const int ye = anchor(inside->y2, image_.height());
  const int dx = std::abs(xe - x), sxs = x < xe ? 1 : -1;
  const int dy = -std::abs(ye - y), sys = y < ye ? 1 : -1;
  int err = dx + dy;
  const QRgb rgb = to_rgb(colour);
  for (;;) {
    stamp(x, y, rgb);
    if (x == xe && y == ye) break;
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sxs;
    }
    if (e2 <= dx) {
      err += dx;
      y += sys;
    }
  }
}

void RasterSurface::Circle(float x, float y, float radius, Colour colour) {
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius) || radius < 0) return;
  const double w = image_.width();
  const double h = image_.height();
  const double sx = w / (scale_[2] - scale_[0]);
  const double sy = h / (scale_[3] - scale_[1]);
  const double cx = (x - scale_[0]) * sx;
  const double cy = (y - scale_[1]) * sy;
  // The radius is measured along the horizontal axis only, so the figure is
  // round on screen whatever the vertical scale.
  const double r = radius * std::fabs(sx);
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(r) || r > kLargestCircle) return;

  // Skip a circle that misses the image: its centre is farther than r from
  // the nearest point of the image, or the image lies wholly inside it.
  const double nx = std::clamp(cx, 0.0, w) - cx;
  const double ny = std::clamp(cy, 0.0, h) - cy;
  const double fx = std::max(std::fabs(cx), std::fabs(w - cx));
  const double fy = std::max(std::fabs(cy), std::fabs(h - cy));
  if (std::hypot(nx, ny) > r + 1 || std::hypot(fx, fy) < r - 1) return;

  const QRgb rgb = to_rgb(colour);
  auto put = [&](double px, double py) {
    if (px < 0 || px > w || py < 0 || py > h) return;
    stamp(anchor(px, image_.width()), anchor(py, image_.height()), rgb);
  };
  if (r == 0) {
    put(cx, cy);
    return;
  }
  // Each pixel column crossed where the outline is flatter than 45 degrees
  // gets the outline's pixel in that column, and each pixel row where it is
  // steeper gets its pixel in that row: a closed, gap-free ring in work
  // proportional to the image size, not to the radius.
  const double octant = r / std::sqrt(2.0);
  for (int i = 0; i < image_.width(); ++i) {
    const double dx = i + 0.5 - cx;
    if (std::fabs(dx) > octant) continue;
    const double dy = std::sqrt((r - dx) * (r + dx));
    put(i + 0.5, cy - dy);
    put(i + 0.5, cy + dy);
  }
  for (int j = 0; j < image_.height(); ++j) {
    const double dy = j + 0.5 - cy;
    if (std::fabs(dy) > octant) continue;
    const double dx = std::sqrt((r - dy) * (r + dy));
    put(cx - dx, j + 0.5);
    put(cx + dx, j + 0.5);
  }
}

}  // namespace airfoil
