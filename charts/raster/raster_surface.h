// A surface that draws into an image of the surface's pixel size, with
// one-pixel lines. Segments are clipped to the drawing area in double
// precision before any pixel work, so far-away, zero-length or non-finite
// segments never reach the painter.
#pragma once

#include <QImage>

#include <array>

#include "charts/charts.h"

namespace airfoil {

class RasterSurface : public Surface {
 public:
  // width and height in logical pixels (twips / 15); the image holds
  // width * ratio by height * ratio device pixels so lines stay crisp on
  // high-density screens.
  RasterSurface(int width, int height, Colour back, Colour fore, double device_pixel_ratio = 1.0);

  void Cls() override;
  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;

  const QImage& image() const { return image_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Rebuilds the image for another device-pixel ratio (the picture is blank
  // until the next drawing procedure runs).
  void set_device_pixel_ratio(double ratio);

  // The logical pixel (fractional) of a user point under the current scale.
  std::array<double, 2> to_pixel(double x, double y) const;

 private:
  int width_;
  int height_;
  double ratio_;
  QImage image_;
  std::array<double, 4> scale_{0, 0, 1, 1};

  int brush() const;
  int anchor(double v, int extent) const;
  void stamp(int ax, int ay, QRgb rgb);
};

}  // namespace airfoil
