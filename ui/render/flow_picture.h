// The flow-field pictures on the desktop: the scene and its drawing come from
// ui/flow_scene.h; this measures Qt's fonts for them and replays a drawing
// through QPainter, so that the screen, an image, SVG, PDF and the clipboard
// all draw the same thing.
#pragma once

#include <QPointF>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

#include "ui/flow_scene.h"
#include "ui/render/picture_painter.h"

class QPainter;

namespace airfoil {

inline QPointF to_qpoint(Point p) { return {p.x, p.y}; }
inline Point to_point(QPointF p) { return {p.x(), p.y()}; }

// The desktop's fonts as the Qt-free drawings measure them.
const TextMetrics& qt_text_metrics();

// Replays a drawing of plain shapes and texts (a flow plane, a boundary-layer
// plot, a sweep chart) in the painter's current coordinates, logical pixels.
void paint_drawing(QPainter& painter, const FlowDrawing& drawing);

// The scene for `field` (or none) with the airfoil picture `airfoil_size`
// and the circle picture `circle_size`, measured with the desktop's fonts.
std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 QSize airfoil_size, QSize circle_size,
                                                 const FlowStyle& style);

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
