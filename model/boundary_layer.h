// The boundary layer on both sides of the section, computed from the exact
// inviscid surface speed, as a textbook teaches it: Thwaites' method from
// the front stagnation point, transition where the e^N envelope reaches
// Ncrit = 9 (or where the laminar layer separates first: a short bubble),
// Head's entrainment method with the Ludwieg-Tillmann friction after it, and
// the drag by Squire and Young at the trailing edge.
//
// There is no viscous-inviscid coupling: the layer does not displace the
// flow that drives it, so the lift stays the inviscid lift and the numbers
// stop being believable where the layer separates well ahead of the
// trailing edge (the stall warning). Compressibility is not applied.
//
// Lengths are in chords, speeds in free-stream units, the chord Reynolds
// number Re = U c / nu. Nothing here returns a NaN or an infinity: a case
// the method cannot carry to the trailing edge ends in a stated failure.
#pragma once

#include <optional>
#include <vector>

#include "model/flow_field.h"
#include "model/window.h"

namespace airfoil {

inline constexpr double kReynoldsMin = 1e5;
inline constexpr double kReynoldsMax = 1e8;
inline constexpr double kReynoldsDefault = 1e6;

// Whether re is a chord Reynolds number the window and the probe take.
bool reynolds_in_range(double re);

// Separation ahead of this x/c on either side means the inviscid lift and
// moment of the case are not to be believed: stall is beginning.
inline constexpr double kStallSeparationX = 0.95;

// One station of the layer on one side.
struct BoundaryLayerStation {
  double s = 0;  // arc length from the front stagnation point, chords
  double x_c = 0;
  double y_c = 0;
  double ue = 0;          // the inviscid edge speed (a separated layer is held at its value at separation)
  double theta = 0;       // momentum thickness, chords
  double delta_star = 0;  // displacement thickness, chords
  double h = 0;           // shape factor delta* / theta
  double cf = 0;          // wall shear over the free-stream dynamic pressure
  bool turbulent = false;
};

struct BoundaryLayerSide {
  std::vector<BoundaryLayerStation> stations;  // from the stagnation point to the trailing edge
  double x_transition = 1;                     // x/c; 1 when laminar to the trailing edge
  bool transition_at_laminar_separation = false;
  std::optional<double> x_separation;  // turbulent separation, x/c; none when attached
  double cd = 0;                       // Squire-Young: this side's share of the drag
  double cd_friction = 0;              // the skin friction along the free stream
};

// Why a case has no drag. Each is a state the window explains.
enum class BoundaryLayerFailure {
  none,
  no_section,          // before any geometry
  sharp_leading_edge,  // zero thickness at incidence: the speed round the edge is unbounded
  side_too_short,      // the stagnation point sits (almost) on the trailing edge
  not_finite,          // the march met a value it cannot go on from
  reynolds_out_of_range,
};

struct BoundaryLayer {
  double re = kReynoldsDefault;
  double alpha_deg = 0;
  BoundaryLayerFailure failure = BoundaryLayerFailure::none;
  BoundaryLayerSide upper;  // the side above the front stagnation point, blue in the pressure chart
  BoundaryLayerSide lower;
  std::optional<double> cd;  // both sides, none on a failure
  std::optional<double> cd_friction;
  bool stall_warning = false;  // separation ahead of kStallSeparationX
};

// The section's arc length about the whole circle, which depends on the
// geometry only and is shared by every incidence of a polar.
struct SectionArc {
  std::vector<double> angle;  // about the circle centre, from the trailing edge round over the top
  std::vector<double> s;      // arc length from the trailing edge, chords, increasing
};
SectionArc section_arc(const FlowField& f);

// The layer for the flow f at chord Reynolds number re.
BoundaryLayer boundary_layer(const FlowField& f, const SectionArc& arc, double re);

// The same for the window's current section and incidence.
BoundaryLayer boundary_layer(const WindowState& s, double re);

// The lift-drag polar: inviscid CL and the drag for alpha = -10 .. 10
// degrees in whole degrees. The point at AlfaD is the current case.
struct PolarPoint {
  double alpha_deg = 0;
  double cl = 0;
  std::optional<double> cd;
};
inline constexpr int kPolarFirstDegree = -10;
inline constexpr int kPolarLastDegree = 10;
std::vector<PolarPoint> boundary_layer_polar(const WindowState& s, double re);

}  // namespace airfoil
