// The key numbers of the drawn case, computed once from the window state:
// the readouts window, the probe, the handout and the exports all read them
// here and never compute a coefficient again.
#pragma once

#include <optional>

#include "model/window.h"

namespace airfoil {

// Why a readout has no number.
enum class NoValue {
  none,
  no_geometry,         // no section computed yet
  sharp_leading_edge,  // zero thickness away from the ideal angle: the peak is unbounded
  no_suction,          // nowhere on the surface is the flow faster than the free stream
  flat_plate_at_zero,  // Cp = 0 all along the plate: the minimum has no single place
  no_centre,           // d(L cos alpha)/d alpha = 0: no point keeps CM fixed
};

// A point of the exact surface: the image of the circle point at centre angle
// psi, with its airfoil-plane x/c and its pressure coefficient.
struct SurfacePeak {
  double psi = 0;
  double x = 0;
  double Cp = 0;
};

struct Readouts {
  bool geometry = false;  // false before any section: then nothing below holds a number

  double cl = 0;  // at AlfaD
  double cm = 0;  // about xM at AlfaD
  // The values the magenta curves show, with the Mach number each chart drew
  // them with; none when that chart drew no corrected curve.
  std::optional<double> cl_corrected;
  std::optional<double> cm_corrected;
  double moo_lift = 0;
  double moo_moment = 0;
  double moo_pressure = 0;  // 0: the pressure chart drew no corrected curve

  double alpha_zero_lift_deg = 0;
  double cl_alpha_per_rad = 0;  // dCL/d alpha at the zero-lift angle
  double cl_alpha_per_deg = 0;
  std::optional<double> x_ac;   // x/c where dCM/d alpha = 0 at AlfaD
  std::optional<double> cm_ac;  // CM about x_ac at AlfaD
  NoValue ac_missing = NoValue::none;

  std::optional<double> cp_min;  // lowest Cp of the exact surface
  std::optional<double> x_cp_min;
  std::optional<double> m_crit;  // Moo at which the corrected Cp_min is sonic
  NoValue peak_missing = NoValue::none;
  std::optional<double> cp_star;  // sonic Cp at the Mach number the pressure chart drew
  bool supercritical = false;     // |Moo drawn| >= M_crit: the correction no longer holds

  // Thin-airfoil theory for the same camber, for comparison.
  double thin_cl_alpha_per_rad = 0;     // 2 pi
  double thin_alpha_zero_lift_deg = 0;  // -2 f/c
  double thin_cm_quarter = 0;           // -pi f/c about c/4
};

// The sonic pressure coefficient at free-stream Mach number M (0 < M < 1),
// gamma = 1.4: where the local flow reaches the speed of sound.
double sonic_cp(double M);

// The Mach number at which a Prandtl-Glauert corrected cp_min reaches the
// sonic value; none when cp_min >= 0 (the flow is nowhere faster than the
// free stream, so it stays subsonic up to Moo = 1).
std::optional<double> critical_mach(double cp_min);

// The lowest pressure coefficient of the exact surface at angle alpha
// (radians), found on the circle itself, independent of the point count.
// None for a sharp leading edge away from its ideal angle.
std::optional<SurfacePeak> exact_surface_peak(const WindowState& w, double alpha);

// Everything above, for the case the window drew last.
Readouts compute_readouts(const Window& w);

}  // namespace airfoil
