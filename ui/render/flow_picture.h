// The flow-field pictures: one plane (the section's or its circle's) with the
// pressure colour map behind, streamlines at equal steps of psi, the dividing
// streamline, the body filled, the stagnation points and a colour bar. A
// scene is computed once per state and picture size; painting it is a pure
// function of the scene and a QPainter, so the screen, an image, SVG, PDF and
// the clipboard all draw the same thing.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>

#include "model/flow_field.h"
#include "model/streamlines.h"
#include "ui/render/picture_painter.h"

class QPainter;

namespace airfoil {

// Every size and font of the flow pictures, derived from one zoom factor, so
// that following the main window's zoom is one number.
struct FlowStyle {
  double zoom = 1.0;

  QFont title_font() const;
  QFont tick_font() const;
  double line_width() const { return 0.9 * zoom; }
  double dividing_width() const { return 2.4 * zoom; }
  double marker_radius() const { return 4.5 * zoom; }
  double margin() const { return 6 * zoom; }
  double colour_bar_width() const { return 12 * zoom; }
  // Logical pixels per Cp sample of the colour map: the map is smooth, so a
  // coarse grid drawn scaled with smoothing looks the same and costs a
  // sixteenth.
  int cp_cell() const { return 4; }
};

// One plane of a scene: where its plot sits in the picture and what it shows.
struct FlowPlane {
  Plane plane = Plane::airfoil;
  QSize size;   // the whole picture, logical pixels
  QRectF plot;  // the plotting area inside it
  View view;    // the part of the plane the plot shows, undistorted
  QImage cp;    // the colour map, one pixel per sample, top row first
};

// Everything both pictures draw for one state at one size. `field` is empty
// before the first geometry step: the pictures then say how to get one.
struct FlowScene {
  std::optional<FlowField> field;
  Streamlines lines;
  StagnationPoints stagnation;
  std::vector<PlanePoint> outline;  // the section, finer than the surface points
  std::array<FlowPlane, 2> planes;  // airfoil, circle
  double alfa_degrees = 0;

  const FlowPlane& of(Plane p) const { return planes[p == Plane::airfoil ? 0 : 1]; }
};

// The plotting area of a picture of `size` with `style`: the title above and
// the colour bar at the right taken off.
QRectF flow_plot_rect(QSize size, const FlowStyle& style);

// The scene for `field` (or none) with the airfoil picture `airfoil_size`
// and the circle picture `circle_size`.
std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 QSize airfoil_size, QSize circle_size,
                                                 const FlowStyle& style);

// Plane coordinates <-> picture coordinates of one plane's plot.
QPointF to_picture(const FlowPlane& plane, PlanePoint p);
PlanePoint to_plane(const FlowPlane& plane, QPointF at);

// Paints plane `p` of the scene into the rectangle (0, 0, size) of the
// painter's current coordinates, in logical pixels; `mark` is a point of that
// plane to ring (the image of the point under the mouse in the other plane).
// For an `exact` (vector) output the colour map is sampled afresh at print
// resolution, not enlarged from the screen's coarse grid.
void paint_flow_plane(QPainter& painter, const FlowScene& scene, Plane p, const FlowStyle& style,
                      std::optional<PlanePoint> mark = std::nullopt,
                      Placement placement = Placement::snapped);

// The titles and the text that replaces the flow before any geometry, in the
// current language.
QString flow_plane_title(Plane p);
QString flow_hint_text();

}  // namespace airfoil
