// Thickness and camber of the section that the map z = zeta + 1/zeta makes of
// a circle through zeta = 1, measured to near machine precision.
#pragma once

namespace catalogue {

// A circle through zeta = 1 with centre (-eps, delta).
struct Circle {
  double eps = 0;
  double delta = 0;
};

// The shape figures of a mapped section, all as fractions of the chord.
struct SectionShape {
  double thickness = 0;    // largest upper-minus-lower distance at one x
  double camber = 0;       // largest height of the mean line above the chord line
  double x_thickness = 0;  // x/c of the largest thickness, from the leading-edge point
};

// Measures the section of the circle. Throws std::runtime_error when the
// outline is not made of two surfaces that are single-valued in x (never the
// case for the circles of the catalogue, but the measurement relies on it).
SectionShape measure_section(Circle circle);

// Chord of the mapped section, from the image of zeta = -(1 + 2 eps) to the
// trailing edge z = 2.
double section_chord(double eps);

}  // namespace catalogue
