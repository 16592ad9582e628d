#include "charts/coefficient_chart.h"

#include <optional>

#include "charts/drawing.h"
#include "model/coefficients.h"

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

void coefficient_curve(Surface& s, const WindowState& w, const Table<30>& values, double factor,
                       Colour colour) {
  for (int k = 1; k <= 24; ++k) {
    line(s, w.CurveAlfa(k - 1), -corrected_for_compressibility(values(k - 1), factor), w.CurveAlfa(k),
         -corrected_for_compressibility(values(k), factor), colour);
  }
}

void coefficient_marker(Surface& s, const WindowState& w, double value, Colour colour) {
  circle(s, w.AlfaD, -value, 0.4, colour);
}

void compressibility_overlay(Window& w, Surface& s, const Table<30>& values, double current, double& drawn) {
  if (const std::optional<double> beta = store_beta(w, BetaAtZeroMach::KeepLast, drawn)) {
    coefficient_curve(s, w, values, *beta, kMagenta);
    coefficient_marker(s, w, corrected_for_compressibility(current, *beta), kMagenta);
  }
}

}  // namespace airfoil
