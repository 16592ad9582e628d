#include "model/boundary_layer_laws.h"

#include <algorithm>
#include <cmath>

namespace airfoil::bl_laws {

namespace {
double clamp_lambda(double lambda) { return std::clamp(lambda, kLambdaSeparation, kLambdaMax); }
}  // namespace

double laminar_H(double lambda) {
  const double z = 0.25 - clamp_lambda(lambda);
  return 2 + z * (4.14 + z * (-83.5 + z * (854 + z * (-3337 + z * 4576))));
}

double laminar_l(double lambda) {
  const double x = clamp_lambda(lambda);
  if (x >= 0) return 0.22 + 1.57 * x - 1.8 * x * x;
  return 0.22 + 1.402 * x + 0.018 * x / (x + 0.107);
}

// The envelope of the Orr-Sommerfeld amplification curves of the
// Falkner-Skan profiles, as fitted by Drela and Giles.
double envelope_dN_dRetheta(double H) {
  const double a = 2.4 * H - 3.7 + 2.5 * std::tanh(1.5 * H - 4.65);
  return 0.01 * std::sqrt(a * a + 0.25);
}

double critical_Retheta(double H) {
  const double h = H - 1;
  const double log10_re = (1.415 / h - 0.489) * std::tanh(20 / h - 12.9) + 3.295 / h + 0.44;
  return std::pow(10.0, log10_re);
}

double envelope_dN_ds(double H, double theta, double Retheta) {
  if (!(Retheta > critical_Retheta(H)) || !(theta > 0)) return 0;
  // For the Falkner-Skan family dRe_theta/ds = (m + 1)/2 l / theta, with
  // the shear l and the pressure-gradient exponent m as functions of H.
  const double l = (6.54 * H - 14.07) / (H * H);
  const double m = (0.058 * (H - 4) * (H - 4) / (H - 1) - 0.068) / l;
  return envelope_dN_dRetheta(H) * (m + 1) / 2 * l / theta;
}

double head_H1(double H) {
  if (H <= 1.6) return 3.3 + 0.8234 * std::pow(H - 1.1, -1.287);
  return 3.3 + 1.5501 * std::pow(H - 0.6778, -3.064);
}

// The two branches of head_H1 meet at H1 = 5.3 (H = 1.6) to within the
// digits of the fit.
double head_H(double H1) {
  if (H1 >= 5.3) return 1.1 + 0.86 * std::pow(H1 - 3.3, -0.777);
  return 0.6778 + 1.1536 * std::pow(H1 - 3.3, -0.326);
}

double head_entrainment(double H1) { return 0.0306 * std::pow(H1 - 3, -0.6169); }

double ludwieg_tillmann_cf(double H, double Retheta) {
  return 0.246 * std::pow(10.0, -0.678 * H) * std::pow(Retheta, -0.268);
}

}  // namespace airfoil::bl_laws
