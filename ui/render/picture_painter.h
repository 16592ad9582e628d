// A picture is the list of drawing calls since its surface's last Cls. This
// replays such a list through QPainter, onto the screen or into any other
// paint device (an image at any scale, SVG, PDF, a printer), so that every
// output of a picture comes from one drawing path.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <optional>
#include <vector>

#include "charts/recording_surface.h"

class QPainter;

namespace airfoil {

// An axis name or tick value that sits on a picture: an opaque light-yellow
// box with black text, placed in the picture's logical pixels.
struct PictureLabel {
  QString text;
  QFont font;
  QRect rect;
};

// Everything that makes one picture: its calls, the user window in force when
// they begin, its logical size and colours, and its labels.
struct PictureContent {
  QString name;
  QSize size;  // logical pixels
  Colour back = 0;
  Colour fore = 0;
  std::vector<SurfaceCall> calls;
  std::optional<std::array<float, 4>> start_scale;
  std::vector<PictureLabel> labels;
};

// Where the drawn points go: onto the device's pixel grid, for crisp lines on
// screen and in images, or exactly where they fall, for the vector outputs
// (SVG, PDF, paper), which a reader enlarges without seeing pixel facets.
enum class Placement { snapped, exact };

// Replays `calls` onto the rectangle (0, 0) - (size * scale) of the painter's
// current coordinates, taking one unit of them as one device pixel. Segments
// are clipped in double precision first and, when `snapped`, put on that
// pixel grid, so that lines are crisp and a picture drawn at scale 1 onto an
// image is the same pixels as on a screen of ratio 1; a line is `line_width`
// logical pixels wide (snapped: round(scale * line_width) device pixels, at
// least one).
void paint_calls(QPainter& painter, const std::vector<SurfaceCall>& calls,
                 const std::optional<std::array<float, 4>>& start_scale, QSize size, double scale,
                 Colour back, Colour fore, double line_width = 1, Placement placement = Placement::snapped);

// The labels, as the window's opaque labels paint themselves, in logical
// pixels under the painter's current transform.
void paint_labels(QPainter& painter, const std::vector<PictureLabel>& labels);

// The whole picture, drawing and labels, at `scale` device pixels per
// logical pixel from the painter's current origin.
void paint_picture(QPainter& painter, const PictureContent& picture, double scale,
                   Placement placement = Placement::snapped);

}  // namespace airfoil
