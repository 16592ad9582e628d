// The case each picture was drawn with. A box can hold a Mach number typed
// but not yet applied, or a thickness the catalogue lacks while the kept
// section stays on screen; whatever describes a picture (the handout, the
// CSV tables, the picture descriptions) reads the case the picture was drawn
// with here, never the boxes.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "model/window.h"
#include "ui/surface_layout.h"

namespace airfoil {

struct DrawnCase {
  // The section on screen: after a catalogue miss, the one that was kept.
  double Thickness = 0;
  double Camber = 0;
  double Eps = 0;  // the circle's centre is (-Eps, Delta)
  double Delta = 0;
  double nP = 0;
  double AlfaD = 0;
  double xM = 0;
  // The Mach number the drawing read, and the Prandtl-Glauert factor of its
  // corrected curve when it drew one (0 < |Moo| < 1).
  std::string MooText;  // the box as the drawing read it
  double Moo = 0;
  std::optional<double> Beta;
  // The coefficient texts as the charts left them in their boxes.
  std::string CL;
  std::string CM;
  std::optional<double> CLcorrected;  // CL / Beta when corrected
};

// The section a successful geometry step made: what the circle and airfoil
// pictures show until the next one.
struct DrawnSection {
  double Thickness = 0;
  double Camber = 0;
};

// The case of a drawing made now from `w`, of the section `section`;
// `corrected_moo` is the Mach number the picture drew its corrected curve
// with (the chart's entry of `w.drawn_moo`), 0 when it drew none.
DrawnCase case_of(const Window& w, const DrawnSection& section, double corrected_moo);

// The Mach number picture `id` drew its corrected curve with, as the chart
// noted it in `w.drawn_moo`; 0 for the pictures that draw none.
double corrected_moo_of(const Window& w, SurfaceId id);

// One case per picture, in the order of the surface table; none before the
// picture was first drawn.
using DrawnCases = std::array<std::optional<DrawnCase>, 5>;

inline const std::optional<DrawnCase>& drawn(const DrawnCases& cases, SurfaceId id) {
  return cases[static_cast<std::size_t>(id)];
}

}  // namespace airfoil
