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

namespace airfoil::test {

struct RecordedMessages : MessageSink {
  std::vector<std::string> shown;
  void show(const std::string& text) override { shown.push_back(text); }
  void fault(const std::string& text) override { shown.push_back("fault: " + text); }
};

// A catalogue file in a fresh temporary directory, removed again at the end.
class TempCatalogue {
 public:
  explicit TempCatalogue(const std::string& content) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "_" + info->name();
    for (char& c : name) {
      if (c == '/') c = '_';
    }
    dir_ = std::filesystem::temp_directory_path() / ("airfoil-model-" + name);
    std::filesystem::create_directories(dir_);
    path_ = (dir_ / "KATPE-D20G15.txt").string();
    std::ofstream(path_, std::ios::binary) << content;
  }
  ~TempCatalogue() { std::filesystem::remove_all(dir_); }
  const std::string& path() const { return path_; }

 private:
  std::filesystem::path dir_;
  std::string path_;
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

}  // namespace airfoil::test
