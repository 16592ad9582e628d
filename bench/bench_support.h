// What the benchmarks share: a window object on chosen surfaces, loaded with
// the committed catalogue and set to a representative section.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "charts/charts.h"
#include "ui/form.h"

namespace airfoil::bench {

inline const char* const kCatalogue = AIRFOIL_CATALOGUE;

// Messages are not expected while measuring; one means the set-up is wrong.
class NoMessages : public MessageSink {
 public:
  void show(const std::string& text) override { stop(text); }
  void fault(const std::string& text) override { stop(text); }

 private:
  [[noreturn]] static void stop(const std::string& text) {
    std::fprintf(stderr, "benchmark set-up produced a message: %s\n", text.c_str());
    std::abort();
  }
};

// A cambered, thick section at incidence with a Mach number that adds the
// corrected curves: every drawing does all the work it can.
inline void set_typical_section(Window& w) {
  w.HScroll_Thickness.Value = 12;
  w.HScroll_Camber.Value = 4;
  w.HScroll_nP.Value = 101;
  w.HScroll_AlfaD.Value = 6;
  w.HScroll_xM.Value = 25;
  w.Text_Moo.Text = "0.5";
}

// A window started with the committed catalogue and set to that section,
// nothing computed yet.
inline Window loaded_window() {
  Window w;
  w.catalogue_path = kCatalogue;
  Form_Load(w);
  set_typical_section(w);
  return w;
}

// The same with the section and its surface flow computed: what the flow
// field starts from.
inline Window computed_window() {
  Window w = loaded_window();
  profil_hesapla(w);
  basınc_hesapla(w);
  return w;
}

}  // namespace airfoil::bench
