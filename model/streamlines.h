// Streamlines about the circle and about the section: contours of the stream
// function psi at equal steps, traced once in the circle plane and mapped to
// the airfoil plane.
//
// The tracing grid is polar about the circle centre, its radii growing
// geometrically from R outward, so the circle is a grid line, cells are
// smallest next to the body where the streamlines bend most, and no contour
// can enter the circle (nor, after the map, the section). Every vertex of a
// line lies on a grid edge and is solved onto its level there, so psi holds to
// rounding at every vertex, not only approximately; lines of different levels
// cannot cross. The dividing streamline psi = 0 (the circle itself is psi = 0
// too) is traced as the zero contour of psi / (r - R), which leaves the circle
// exactly where the surface speed vanishes: at the two stagnation points.
#pragma once

#include <vector>

#include "model/flow_field.h"

namespace airfoil {

struct StreamlineOptions {
  // Step of psi between neighbouring lines, in chord units: far upstream the
  // lines are this fraction of the chord apart. Clamped to 0.005 .. 1. At 0.05 a square picture
  // of the airfoil plane two chords tall shows about 40 lines.
  double psi_step = 0.05;
  // The parts of the planes the lines must cover; they run on until they leave
  // a region a little larger than both.
  View circle_view = kCircleView;
  View airfoil_view = kAirfoilView;
  // Grid cells around the circle; clamped to 64 .. 4096. 512 puts about six
  // vertices per chord-percent next to the body.
  int angular_cells = 512;
};

// One streamline, its points in the direction of the flow.
struct Streamline {
  double psi = 0;                   // its level, a whole multiple of the step
  bool dividing = false;            // psi = 0: a branch that meets the body at a stagnation point
  std::vector<Complex> zeta;        // circle-plane points
  std::vector<PlanePoint> airfoil;  // the same points in x/c, y/c
};

// The lines ordered by psi, from below the body upward. The dividing
// streamline comes as two lines of psi = 0: one ending at the front
// stagnation point (its last point), one leaving the trailing edge zeta = 1,
// (1, 0) (its first point). A level may give more than one line where it
// leaves the traced region and comes back; a line that never enters either
// view is left out.
struct Streamlines {
  double psi_step = 0;
  std::vector<Streamline> lines;
};

Streamlines trace_streamlines(const FlowField& f, const StreamlineOptions& options = {});

}  // namespace airfoil
