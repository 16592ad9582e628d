// How a picture's recorded calls become pixels, decided once for every face
// and every output: the desktop painter, the web page's canvases, the SVG
// writer and the exported images all draw the same list of device shapes.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "charts/recording_surface.h"

namespace airfoil {

// One shape in device pixels, (0, 0) at the picture's top-left.
struct DeviceShape {
  enum class Kind {
    Fill,  // the whole picture in `colour`
    Line,  // a straight stroke `pen` pixels wide from (x1, y1) to (x2, y2):
           // snapped, between the centres of its end pen squares, with square
           // caps; exact, between the exact ends, with round caps (`round`)
    Dot,   // a pen square with its top-left corner at (x1, y1)
    Ring   // a smoothed circle outline `pen` pixels wide, centre (x1, y1), radius x2
  };
  Kind kind = Kind::Fill;
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  double pen = 1;
  Colour colour = 0;
  bool round = false;
  // A Line or Ring of a pinned reference or the sonic line is drawn in a
  // dash pattern; consecutive dashed lines that join end to start are one
  // curve, stroked as one so the dashes run evenly along it.
  LineStyle style = LineStyle::solid;
};

// The dash pattern of `style` in pen widths, dash and gap alternating; empty
// for solid. Long enough to tell apart on a projector and in black-and-white
// print.
std::vector<double> dash_pattern(LineStyle style);

struct DevicePlan {
  double width = 1, height = 1;  // device pixels; whole numbers when snapped
  std::vector<DeviceShape> shapes;
};

// The picture of `calls` on `logical_width` x `logical_height` logical pixels
// at `scale` device pixels each, the user window `start_scale` in force at the
// first call. Segments are clipped in double precision and, when `snapped`,
// put on the pixel grid, so that lines are crisp and every output on pixels
// agrees pixel for pixel; unsnapped (for the vector outputs, which a reader
// enlarges) every point stays where it falls. A line is `line_width` logical
// pixels wide (snapped: round(scale * line_width) device pixels, at least
// one). Starts with a Fill in the background colour.
DevicePlan plan_picture(const std::vector<SurfaceCall>& calls,
                        const std::optional<std::array<float, 4>>& start_scale, int logical_width,
                        int logical_height, double scale, Colour back, Colour fore, double line_width = 1,
                        bool snapped = true);

}  // namespace airfoil
