// The empirical laws of the integral boundary-layer method, each written once:
// Thwaites' laminar correlations, the e^N envelope of the laminar
// instabilities, Head's entrainment closure and the Ludwieg-Tillmann skin
// friction. Lengths are in chords and speeds in free-stream units; every
// Reynolds number is formed with the local edge speed Ue.
#pragma once

namespace airfoil::bl_laws {

// Thwaites: theta^2 Ue^6 = kThwaitesA nu Int(Ue^5 ds). 0.441 = 0.664^2 is
// the constant that gives the flat plate's momentum thickness exactly
// (Blasius); Thwaites' own rounder 0.45 puts it 1 % high.
inline constexpr double kThwaitesA = 0.441;

// Below this pressure-gradient parameter lambda = theta^2 / nu dUe/ds the
// laminar layer separates; above the upper bound (a strongly accelerated
// layer near a blunt nose) the correlations are held at their last value.
inline constexpr double kLambdaSeparation = -0.09;
inline constexpr double kLambdaMax = 0.25;

// Shape factor H = delta* / theta and the shear parameter
// l = tau_w theta / (mu Ue) of the laminar layer at lambda (clamped to
// -0.09 .. 0.25). H is White's fit to Thwaites' data, which gives the
// Blasius 2.59 at zero gradient; the e^N envelope below is fitted to the
// stability of exact Falkner-Skan profiles and is sensitive to H (2.61 there
// moves flat-plate transition a fifth earlier). l is Cebeci and Bradshaw's
// fit, 0.22 (Blasius 0.2205) at zero gradient.
double laminar_H(double lambda);
double laminar_l(double lambda);

// The amplification rate of the most unstable Tollmien-Schlichting wave
// against Re_theta for a Falkner-Skan layer of shape factor H, and the
// critical Re_theta below which no wave grows at all.
double envelope_dN_dRetheta(double H);
double critical_Retheta(double H);

// dN/ds for a layer of shape H and momentum thickness theta: the envelope
// rate carried from Re_theta to arc length through the Falkner-Skan
// relation between dRe_theta/ds and H. Zero while Re_theta is below the
// critical value.
double envelope_dN_ds(double H, double theta, double Retheta);

// The amplification at which transition is taken to start: 9, a quiet wind
// tunnel or free flight.
inline constexpr double kNcrit = 9;

// Head's entrainment shape factor H1 = (delta - delta*) / theta and its
// inverse, and the entrainment rate F = 1/Ue d(Ue theta H1)/ds.
double head_H1(double H);
double head_H(double H1);
double head_entrainment(double H1);

// Where the turbulent layer is taken to separate, and the shape factor it
// starts from after transition.
inline constexpr double kTurbulentSeparationH = 2.4;
inline constexpr double kTurbulentStartH = 1.4;

// Ludwieg and Tillmann's turbulent skin friction, tau_w / (1/2 rho Ue^2).
double ludwieg_tillmann_cf(double H, double Retheta);

}  // namespace airfoil::bl_laws
