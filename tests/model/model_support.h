// Windows set up for the model tests: a section given directly by its
// circle, or a catalogue file written to a temporary directory.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/window.h"
#include "support/temp_catalogue.h"

namespace airfoil::testing {

struct RecordedMessages : MessageSink {
  std::vector<std::string> shown;
  void show(const std::string& text) override { shown.push_back(text); }
  void fault(const std::string& text) override { shown.push_back("fault: " + text); }
};

// Start-up with no catalogue file, so pi is set and the catalogue is empty.
inline Window started_window() {
  Window w;
  w.catalogue_path = "no-such-directory/KATPE-D20G15.txt";
  Form_Load(w);
  return w;
}

// A window whose one catalogue row, keyed by the design-time scroll values
// (thickness 0, camber 0), holds the circle (eps, delta); the geometry step
// has run with nP points.
inline Window section(double eps, double delta, int nP) {
  Window w = started_window();
  w.nCatalog = 1;
  w.TabEps(1) = eps;
  w.TabDelta(1) = delta;
  w.HScroll_nP.Value = nP;
  profil_hesapla(w);
  return w;
}

// The same with the flow step run at alfaD degrees.
inline Window flow(double eps, double delta, int nP, int alfaD) {
  Window w = section(eps, delta, nP);
  w.HScroll_AlfaD.Value = alfaD;
  basınc_hesapla(w);
  return w;
}

template <class S>
bool all_finite(const S& s) {
  bool ok = true;
  for_each_variable(s, [&](const char*, const auto& v) {
    if constexpr (requires { v.cells(); }) {
      for (double x : v.cells()) ok = ok && std::isfinite(x);
    } else {
      ok = ok && std::isfinite(static_cast<double>(v));
    }
  });
  return ok;
}

}  // namespace airfoil::testing
