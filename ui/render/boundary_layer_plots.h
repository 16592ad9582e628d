// The boundary-layer window's four pictures, painted with a QPainter into any
// device (the screen, an image, SVG, PDF): the section with the displacement
// thickness, Cf and H along the chord, and the lift-drag polar. No widgets.
#pragma once

#include <QPainter>
#include <QSizeF>
#include <QString>

#include <optional>
#include <vector>

#include "model/boundary_layer.h"
#include "model/flow_field.h"

namespace airfoil {

// Everything the pictures and the numbers show, for one section, incidence
// and Reynolds number.
struct BoundaryLayerCase {
  bool has_section = false;
  std::vector<PlanePoint> outline;
  BoundaryLayer layer;
  std::vector<PolarPoint> polar;
  double alpha_deg = 0;
  double cl = 0;  // inviscid
};

// The case of the window state `s` at Reynolds number `re`.
BoundaryLayerCase boundary_layer_case(const WindowState& s, double re);

enum class BoundaryLayerPlot { section, cf, h, polar };

// How much the displacement thickness is enlarged on the section picture.
inline constexpr double kDeltaStarScale = 10;

// The picture's file name and its title in the current language.
QString plot_name(BoundaryLayerPlot plot);
QString plot_title(BoundaryLayerPlot plot);

// Paints one picture filling `size` (logical pixels) from the painter's
// origin; `zoom` scales its fonts and lines.
void paint_boundary_layer_plot(QPainter& painter, QSizeF size, BoundaryLayerPlot plot,
                               const BoundaryLayerCase& c, double zoom);

}  // namespace airfoil
