// make-catalogue OUTPUT_PATH
// make-catalogue --help | --version
//
// Writes the circle catalogue the program reads at start-up: for every
// thickness ratio 0 to 0.30 and camber ratio 0 to 0.15 in steps of 0.01, the
// circle through zeta = 1, centre (-Eps, Delta), whose image under
// z = zeta + 1/zeta has exactly that thickness and camber.
//
// Every number is written in the shortest form that reads back as the same
// double, so the keys read back as exactly k / 100 and the lookup's exact
// comparison with scroll-bar value / 100 finds them.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "app_identity.h"
#include "circle_search.h"
#include "model/numtext.h"

namespace {

// No commas: the reader takes this line as one field and skips it.
constexpr const char* kLabel =
    "PelmoraAirfoil circle catalogue: thickness ratio; camber ratio; Eps; Delta; "
    "x/c of maximum thickness (0 when the thickness is 0)";

constexpr int kThicknessSteps = 30;  // 0 to 0.30
constexpr int kCamberSteps = 15;     // 0 to 0.15
constexpr double kTolerance = 1e-12;

constexpr const char* kUsage =
    "usage: make-catalogue OUTPUT_PATH\n"
    "       make-catalogue --help | --version\n"
    "\n"
    "Writes the circle catalogue the program reads at start-up (KATPE-D20G15.txt):\n"
    "for every thickness ratio 0 to 0.30 and camber ratio 0 to 0.15 in steps of\n"
    "0.01, the circle through zeta = 1 whose image has that thickness and camber.\n"
    "\n"
    "Exit status: 0 written, 1 a search failed or the file could not be written,\n"
    "2 bad arguments.\n";

// Plain decimal notation: every value here is between 0 and 1, and the
// reader need not know about exponents.
std::string shortest(double x) { return airfoil::shortest_plain_text(x); }

}  // namespace

int main(int argc, char** argv) {
  const std::string argument = argc == 2 ? argv[1] : "";
  if (argument == "--help" || argument == "-h") {
    std::cout << kUsage;
    return 0;
  }
  if (argument == "--version") {
    std::cout << "make-catalogue (" << airfoil::kAppName << ") " << airfoil::kAppVersion << "\n";
    return 0;
  }
  // A name starting with a dash is taken for a mistyped option, not a file;
  // "./-name" writes such a file.
  if (argc != 2 || argument.empty() || argument.front() == '-') {
    std::cerr << kUsage;
    return 2;
  }
  std::string text =
      std::string(kLabel) + "\n" + std::to_string((kThicknessSteps + 1) * (kCamberSteps + 1)) + "\n";
  double worst_error = 0;
  try {
    for (int kt = 0; kt <= kThicknessSteps; ++kt) {
      for (int kc = 0; kc <= kCamberSteps; ++kc) {
        const double thickness = kt / 100.0;
        const double camber = kc / 100.0;
        const catalogue::CircleFit fit = catalogue::find_circle(thickness, camber, kTolerance);
        worst_error = std::max(
            {worst_error, std::fabs(fit.shape.thickness - thickness), std::fabs(fit.shape.camber - camber)});
        const double x_thickness = thickness == 0 ? 0.0 : fit.shape.x_thickness;
        text += shortest(thickness) + "," + shortest(camber) + "," + shortest(fit.circle.eps) + "," +
                shortest(fit.circle.delta) + "," + shortest(x_thickness) + "\n";
      }
    }
  } catch (const std::exception& e) {
    std::cerr << "make-catalogue: " << e.what() << "\n";
    return 1;
  }

  std::ofstream out(argv[1], std::ios::binary);
  out << text;
  out.close();
  if (!out) {
    std::cerr << "make-catalogue: cannot write " << argv[1] << "\n";
    return 1;
  }
  std::printf("%d rows written; largest thickness or camber error %.3g\n",
              (kThicknessSteps + 1) * (kCamberSteps + 1), worst_error);
  return 0;
}
