// The section's force and moment coefficients and the compressibility
// correction, as functions of the window state. The charts, the data tables
// and every export call these; nothing else computes a coefficient.
#pragma once

#include <optional>

#include "model/window.h"

namespace airfoil {

// CL of the current section at angle of attack alpha (radians). A non-finite
// value is a Fault.
double lift_coefficient(const WindowState& w, double alpha);

// The same at an angle given in degrees (a chart abscissa or AlfaD).
double lift_coefficient_at_degrees(const WindowState& w, double alfa_degrees);

// CM about the reference point x/c = xM, nose-up positive, for lift L at
// angle alpha (radians). Undefined before any geometry (Chord = 0): callers
// check Chord first. A non-finite value is a Fault.
double moment_coefficient(const WindowState& w, double alpha, double L);

// CM about any point x/c = x of the chord line; moment_coefficient is this
// about xM.
double moment_coefficient_about(const WindowState& w, double alpha, double L, double x);

// The aerodynamic centre at angle alpha (radians): the x/c about which
// dCM/d alpha = 0 there. None where no point has that property (the lift's
// lever arm does not change with alpha). Needs a geometry (Chord != 0).
std::optional<double> aerodynamic_centre(const WindowState& w, double alpha);

// The same at an angle given in degrees.
double moment_coefficient_at_degrees(const WindowState& w, double alfa_degrees, double L);

// Reads the free-stream Mach number from Text_Moo. Returns it when
// |Moo| < 1. Otherwise no compressibility correction exists: the range
// message is shown (once per cycle) and nothing is returned.
std::optional<double> read_moo(Window& w);

// The Prandtl-Glauert factor sqrt(1 - Moo^2), for |Moo| < 1.
double compressibility_factor(double Moo);

// A coefficient corrected for compressibility: the incompressible value
// divided by the factor.
inline double corrected_for_compressibility(double value, double factor) { return value / factor; }

// Which chart stores Beta; they differ only at Moo = 0 (see the .cpp).
enum class BetaAtZeroMach { StoreOne, KeepLast };

// Reads Moo and stores Beta by the chart's rule. Returns Beta when a corrected
// curve is to be drawn (0 < |Moo| < 1), nothing otherwise; `drawn` receives
// the Mach number of that curve, 0 when none is drawn.
std::optional<double> store_beta(Window& w, BetaAtZeroMach rule, double& drawn);

}  // namespace airfoil
