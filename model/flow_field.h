// The whole flow field about the section and about its generating circle.
//
// The surface flow of basınc_hesapla is the boundary value of one exact
// potential flow: the uniform stream at incidence alfa about the circle of
// radius R centred at zc = -Eps + i Delta, with the circulation that puts the
// rear stagnation point on zeta = 1,
//
//   F(zeta) = t e^(-i alfa) + R^2 e^(i alfa) / t + i (G / 2 pi) ln(t / R),
//   t = zeta - zc,  G / 2 pi = 2 R sin(alfa + BetaTE)   (free-stream speed 1),
//
// carried to the airfoil plane by z = zeta + 1/zeta. Nothing here is
// approximated: every value is the closed form evaluated at the point.
//
// Coordinates:
//   circle plane   zeta, in map units (the `daire` picture's units);
//   airfoil plane  x/c = Re z / Chord - xShift, y/c = Im z / Chord, the
//                  section's own drawing coordinates (trailing edge at (1, 0)).
// Velocities are (u, v) with the free stream (cos alfa, sin alfa) far away in
// both planes; Cp = 1 - (u^2 + v^2). The stream function is psi = Im F / Chord,
// so that steps of psi are fractions of the chord in the airfoil plane; it is
// 0 on the body.
//
// No function here lets a NaN or an infinity out: a point inside the circle
// (or on or inside the section), or the map's singular point zeta = -1 where
// it lies on a zero-thickness section, gives an empty optional instead.
#pragma once

#include <complex>
#include <optional>
#include <vector>

#include "model/window.h"

namespace airfoil {

using Complex = std::complex<double>;

// A point of either plane in that plane's coordinates.
struct PlanePoint {
  double x = 0;
  double y = 0;
};

// A rectangle of a plane, in that plane's coordinates, x_min < x_max and
// y_min < y_max (y grows upward, as in the plane; a Surface's Scale wants
// (x_min, -y_max) to (x_max, -y_min)).
struct View {
  double x_min = 0;
  double y_min = 0;
  double x_max = 0;
  double y_max = 0;
};

// The visible part of each plane. The circle plane shows what the `daire`
// picture shows; the airfoil plane shows half a chord in front of and behind
// the section, where the flow divides and where it leaves.
inline constexpr View kCircleView{-2, -2, 2, 2};
inline constexpr View kAirfoilView{-0.5, -0.5, 1.5, 0.5};

// The smallest view with the same centre that contains `wanted` and has the
// proportions width : height of the picture it is drawn on, so that the
// picture is undistorted (kAirfoilView on a square picture is x/c -0.5..1.5,
// y/c -1..1). A non-positive or non-finite size leaves `wanted` as it is.
View fit_view(const View& wanted, double width, double height);

enum class Plane { circle, airfoil };

// The constants of the flow for one section at one incidence, taken from the
// window state after the geometry and flow steps.
struct FlowField {
  double alfa = 0;         // incidence in radians, AlfaD * pi / 180 as the flow step takes it
  double BetaTE = 0;       // angle of the trailing edge below the centre
  Complex centre;          // zc = -Eps + i Delta
  double R = 0;            // circle radius
  double circulation = 0;  // G / (2 pi) = 2 R sin(alfa + BetaTE)
  Complex front_offset;    // front stagnation point minus the centre
  Complex stream;          // e^(-i alfa), the free stream's u - i v
  // A zero-thickness section (Eps = 0) at zero incidence: its circle passes
  // through zeta = -1 and the front stagnation point is exactly there, so the
  // flow meets the sharp leading edge smoothly, at the finite speed 1 / R^2.
  bool smooth_leading_edge = false;
  double Chord = 0;
  double xShift = 0;
};

// The flow of the section in `s`, or nothing before the first geometry step
// (Chord still 0) or for a state that describes no circle.
std::optional<FlowField> flow_field(const WindowState& s);

// The map in map units, z = zeta + 1/zeta.
Complex map_to_z(Complex zeta);

// The airfoil-plane drawing point (x/c, y/c) of a circle-plane point (not 0).
// zeta = 1 gives the trailing edge (1, 0) exactly.
PlanePoint airfoil_point(const FlowField& f, Complex zeta);

// The inverse of airfoil_point: the one zeta outside the circle whose image is
// the airfoil-plane point p. z = zeta + 1/zeta has two roots whose product is
// 1; the outside of the circle maps one to one onto the outside of the
// section, so for a point outside the section exactly one root lies outside
// the circle. Nothing for a point on or inside the section (both roots on or
// inside the circle) or a non-finite p.
std::optional<Complex> circle_point(const FlowField& f, PlanePoint p);

// The flow at one point in one plane.
struct Velocity {
  double u = 0;
  double v = 0;
  double speed = 0;  // sqrt(u^2 + v^2)
  double Cp = 0;     // 1 - speed^2
};

// Everything the flow is at one point, in both planes.
struct FlowPoint {
  Complex zeta;        // circle-plane position
  PlanePoint airfoil;  // airfoil-plane position (x/c, y/c)
  double psi = 0;      // Im F / Chord, the same in both planes
  Velocity circle;     // the flow about the circle, F'(zeta)
  Velocity section;    // the flow about the section, F'(zeta) / (1 - 1/zeta^2)
};

// The flow at a circle-plane point. A point on the circle is the body surface:
// its `section` values are the surface values of the flow step (the cusp
// zeta = 1 included, where the flow leaves at the finite speed
// cos(alfa + BetaTE) / R). Nothing for a point inside the circle (beyond
// rounding, 1e-9 of the radius), for zeta = -1 on a zero-thickness section
// at incidence, where the speed is unbounded, or for a non-finite zeta.
std::optional<FlowPoint> flow_at_zeta(const FlowField& f, Complex zeta);

// The flow at an airfoil-plane point (x/c, y/c); nothing on or inside the
// section, nor where the circle-plane position would exceed the double range
// (farther than about 1e307 chords).
std::optional<FlowPoint> flow_at_airfoil_point(const FlowField& f, PlanePoint p);

// The velocity about the section at an airfoil-plane point: that of
// flow_at_airfoil_point, and the free stream at any finite point too far for
// a circle-plane position. Nothing on or inside the section.
std::optional<Velocity> section_velocity(const FlowField& f, PlanePoint p);

// The flow at a point of either plane, given in that plane's coordinates (for
// the mouse over a picture).
std::optional<FlowPoint> flow_at(const FlowField& f, Plane plane, PlanePoint p);

// psi = Im F / Chord at a circle-plane point outside (or on) the circle.
std::optional<double> stream_function(const FlowField& f, Complex zeta);

// The same at distance r >= R from the centre and angle theta about it:
// ((r - R)(r + R) / r sin(theta - alfa) + (G / 2 pi) ln(r / R)) / Chord,
// exactly 0 at r = R. Unchecked; the streamline tracer's inner loop.
double stream_function_polar(const FlowField& f, double r, double theta);

// The two points where the flow divides (front) and joins (rear) on the body.
// The rear one is zeta = 1, the trailing edge (1, 0); the front one is seen
// from the centre at the angle pi + 2 alfa + BetaTE, where the surface speed
// 2 (sin(theta - alfa) + sin(alfa + BetaTE)) vanishes again.
struct StagnationPoint {
  Complex zeta;
  PlanePoint airfoil;
};
struct StagnationPoints {
  StagnationPoint front;
  StagnationPoint rear;
};
StagnationPoints stagnation_points(const FlowField& f);

// The section outline as `n` points (at least 3) at equal steps of the angle
// about the circle centre, from the trailing edge along the lower side and
// back; first and last are both (1, 0). Finer than the surface points of the
// window, for filling the section behind the streamlines.
std::vector<PlanePoint> section_outline(const FlowField& f, int n);

// Cp sampled over a view of one plane, for the colour map behind the
// streamlines. Sample (i, j), i = 0 .. width - 1 from the left and
// j = 0 .. height - 1 from the top, is taken at the centre of that cell:
// x = x_min + (i + 0.5) (x_max - x_min) / width,
// y = y_max - (j + 0.5) (y_max - y_min) / height.
// The circle plane gives the Cp of the flow about the circle, the airfoil
// plane that about the section. Cells in or on the body have no value.
struct CpSamples {
  View view;
  int width = 0;
  int height = 0;
  std::vector<std::optional<double>> cp;  // row-major, width * height

  const std::optional<double>& at(int i, int j) const {
    return cp[static_cast<std::size_t>(j) * static_cast<std::size_t>(width) + static_cast<std::size_t>(i)];
  }
};

// width and height are clamped to 0 .. 4096.
CpSamples sample_cp(const FlowField& f, Plane plane, const View& view, int width, int height);

}  // namespace airfoil
