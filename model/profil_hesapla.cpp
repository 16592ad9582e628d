#include <cmath>

#include "model/catalogue.h"
#include "model/numtext.h"
#include "model/window.h"

namespace airfoil {

namespace {

// A catalogue row can only describe a section when its circle passes through
// zeta = 1 and encloses the origin (1 + 2 Eps > 0). Otherwise the ray from the
// origin may miss the circle, and the square roots below would turn the whole
// section into NaN.
void check_circle(double row, double eps, double delta) {
  const std::string where = "catalogue row " + general_format(row) + ": ";
  if (!std::isfinite(eps) || !std::isfinite(delta)) {
    throw Fault(where + "Eps or Delta is not a finite number");
  }
  if (!(1 + 2 * eps > 0)) {
    throw Fault(where + "the circle (Eps, Delta) does not enclose the origin");
  }
}

// What the user is told when a catalogue row gives no section: which row, for
// which thickness and camber, and that the section on screen stays.
Phrase refused_row(double row, double thickness, double camber, double eps, double delta) {
  const auto number = [](double x) { return literal(std::isfinite(x) ? general_format(x) : "?"); };
  return {
      "Katalogdaki %1. profilin (kalınlık %2, kamburluk %3) çemberi, Eps = %4 ve Delta = %5 ile bir "
      "profil vermiyor. Ekrandaki önceki profil ve sonuçları geçerli kalıyor.",
      {number(row), number(thickness), number(camber), number(eps), number(delta)}};
}

// The section of the circle (Eps, Delta) with nP points, written to the window.
void compute_section(Window& w, double nP, double Eps, double Delta);

}  // namespace

void profil_hesapla(Window& w) {
  w.Thickness = w.HScroll_Thickness.Value / 100.0;
  w.Camber = w.HScroll_Camber.Value / 100.0;
  // The point count is taken into the window only with the points it counts:
  // after a miss or a refused row the flow step and the drawings must go on
  // reading the count the point arrays were built with.
  const double nP = w.HScroll_nP.Value;
  w.Text_Thickness.Text = general_format(w.Thickness);
  w.Text_Camber.Text = general_format(w.Camber);
  w.Text_nP.Text = general_format(nP);

  const std::optional<double> row = catalogue_row(w, w.Thickness, w.Camber);
  if (!row) {
    w.message(kProfileNotInCatalogue);
    return;
  }
  const double Eps = w.TabEps(*row);
  const double Delta = w.TabDelta(*row);
  try {
    check_circle(*row, Eps, Delta);
    compute_section(w, nP, Eps, Delta);
  } catch (const Fault& fault) {
    throw Fault(fault.what(), refused_row(*row, w.Thickness, w.Camber, Eps, Delta));
  }
}

namespace {

void compute_section(Window& w, double nP, double Eps, double Delta) {
  // Everything is computed into locals and written to the window only at the
  // end, so that a fault part-way leaves the previous section intact.
  const double pi = w.pi;
  const int nExp = 2;
  const double c = 1;  // the circle passes through zeta = c

  // 1 / chord: the chord runs from z(1) = n to the image of the circle's
  // other real-axis crossing, zeta = -(1 + 2 Eps).
  const double ChordInv = (c / (2 * nExp)) * (1 - std::pow(Eps / (1 + Eps), nExp));
  const double nOverChord = nExp * ChordInv;
  const double Chord = finite_or_fault(c / ChordInv, "Chord");
  const double xShift = nOverChord - c;
  const double BetaTE = std::atan(Delta / (1 + Eps));
  const double Radius2 = finite_or_fault((1 + Eps) * (1 + Eps) + Delta * Delta, "Radius2");
  const double Radius = std::sqrt(Radius2);
  const double RadiusC = finite_or_fault(Radius / Chord, "RadiusC");
  const double CenterRatio = finite_or_fault(std::sqrt((Eps * Eps + Delta * Delta) / Radius2), "CenterRatio");

  // The centre direction the flow step's angle conversion is written for.
  double PhiC = 0;
  if (Eps == 0) {
    if (Delta != 0) PhiC = pi / 2;
  } else {
    PhiC = std::atan(Delta / Eps);
  }

  const double nSeg = nP - 1;
  const double nHalf = nSeg / 2;
  const double dTheta = 2 * pi / nSeg;

  Table<101> Teta = w.Teta;
  Table<101> dZdZeta = w.dZdZeta;
  Table<101> Xc = w.Xc;
  Table<101> Yc = w.Yc;
  Table<101> Xp = w.Xp;
  Table<101> Yp = w.Yp;

  for (double i = 2; i <= nP - 1; i += 1) {
    Teta(i) = -(i - 1) * dTheta;
    const double co = std::cos(Teta(i));
    const double si = std::sin(Teta(i));
    // Distance from the origin to the circle along the ray at Teta(i): the
    // positive root of r^2 - 2 v r - (1 + 2 Eps) = 0.
    const double v = (-Eps) * co + Delta * si;
    const double r = finite_or_fault(v + std::sqrt((1 + 2 * Eps) + v * v), "circle point");
    Xc(i) = r * co;
    Yc(i) = r * si;

    const double ap = std::sqrt((1 + r * r) + (2 * r) * co);  // |zeta + 1|
    const double am = std::sqrt((1 + r * r) - (2 * r) * co);  // |zeta - 1|
    if (ap == 0) {
      // zeta = -1, the map's second critical point.
      Xp(i) = 0;
      Yp(i) = 0;
      dZdZeta(i) = 0;
      continue;
    }

    // w = (zeta - 1) / (zeta + 1) in polar form. Inside the unit circle the
    // arctangent lands on the wrong half-plane, hence the shift by pi.
    const double rho = am / ap;
    double phi = 0;
    if (r == 1) {
      phi = pi / 2;
    } else {
      phi = std::atan((2 * si) / (r - 1 / r));
    }
    if (r < 1) phi = phi - pi;

    const double D = (1 + std::pow(rho, 2 * nExp)) - (2 * std::pow(rho, nExp)) * std::cos(nExp * phi);
    Xp(i) = finite_or_fault((nOverChord * (1 - std::pow(rho, 2 * nExp))) / D - xShift, "Xp");
    Yp(i) = finite_or_fault((((nOverChord * 2) * std::pow(rho, nExp)) * std::sin(nExp * phi)) / D, "Yp");
    dZdZeta(i) = finite_or_fault((std::pow((2 * nExp) / ap, 2) * std::pow(rho, nExp - 1)) / D, "dZdZeta");
  }

  // Both ends are the trailing edge zeta = 1, which maps to x/c = 1 exactly.
  Xc(1) = 1;
  Xc(nP) = 1;
  Yc(1) = 0;
  Yc(nP) = 0;
  Xp(1) = 1;
  Xp(nP) = 1;
  Yp(1) = 0;
  Yp(nP) = 0;

  w.nP = nP;
  w.Eps = Eps;
  w.Delta = Delta;
  w.nExp = nExp;
  w.Chord = Chord;
  w.xShift = xShift;
  w.BetaTE = BetaTE;
  w.Radius2 = Radius2;
  w.Radius = Radius;
  w.RadiusC = RadiusC;
  w.CenterRatio = CenterRatio;
  w.PhiC = PhiC;
  w.nSeg = nSeg;
  w.nHalf = nHalf;
  w.Teta = Teta;
  w.dZdZeta = dZdZeta;
  w.Xc = Xc;
  w.Yc = Yc;
  w.Xp = Xp;
  w.Yp = Yp;
}

}  // namespace
}  // namespace airfoil
