#include "charts/coefficient_chart.h"

#include <cmath>

#include "charts/drawing.h"

namespace airfoil {

void coefficient_grid(Surface& s, const Window& w, double top, int last_j) {
  for (int i = -12; i <= 12; i += 4) {
    line(s, i, top, i, 1.5, i == 0 ? w.colBlack : w.colGreen);
  }
  for (int j = -15; j <= last_j; j += 5) {
    const double c = j / 10.0;
    line(s, -12, -c, 12, -c, j == 0 ? w.colBlack : w.colGreen);
  }
}

void coefficient_curve(Surface& s, const Window& w, const Table<30>& values, double factor,
                       Colour colour) {
  for (int k = 1; k <= 24; ++k) {
    line(s, w.CurveAlfa(k - 1), -values(k - 1) / factor, w.CurveAlfa(k), -values(k) / factor, colour);
  }
}

void coefficient_marker(Surface& s, const Window& w, double value, Colour colour) {
  circle(s, w.AlfaD, -value, 0.4, colour);
}

void compressibility_overlay(Window& w, Surface& s, const Table<30>& values, double current) {
  const std::optional<double> moo = read_moo(w);
  if (!moo) {
    // No correction exists; Beta keeps its last valid value, and one never
    // written yet reads as the incompressible factor 1.
    if (w.Beta == 0) w.Beta = 1;
    return;
  }
  const double Moo = *moo;
  if (Moo == 0) return;
  w.Beta = std::sqrt(1 - Moo * Moo);
  coefficient_curve(s, w, values, w.Beta, kMagenta);
  coefficient_marker(s, w, current / w.Beta, kMagenta);
}

}  // namespace airfoil
