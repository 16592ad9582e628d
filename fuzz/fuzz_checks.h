// What every fuzz target checks after each step: the promises the program
// makes whatever its input. A broken promise aborts, so libFuzzer keeps the
// input that broke it.
#pragma once

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <type_traits>
#include <vector>

#include "charts/recording_surface.h"
#include "model/recording_messages.h"
#include "model/window.h"
#include "ui/form.h"

namespace airfoil::fuzz {

[[noreturn]] inline void broken(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

// A recording surface that refuses, at the moment of the call, any number
// that is not finite: the recorded list only keeps calls since the last Cls.
class CheckingSurface : public RecordingSurface {
 public:
  using RecordingSurface::RecordingSurface;

  void Scale(float x1, float y1, float x2, float y2) override {
    check("Scale", {x1, y1, x2, y2});
    RecordingSurface::Scale(x1, y1, x2, y2);
  }
  void Line(float x1, float y1, float x2, float y2) override {
    check("Line", {x1, y1, x2, y2});
    RecordingSurface::Line(x1, y1, x2, y2);
  }
  void Line(float x1, float y1, float x2, float y2, Colour colour) override {
    check("Line", {x1, y1, x2, y2});
    RecordingSurface::Line(x1, y1, x2, y2, colour);
  }
  void Circle(float x, float y, float radius, Colour colour) override {
    check("Circle", {x, y, radius});
    RecordingSurface::Circle(x, y, radius, colour);
  }

 private:
  static void check(const char* op, std::initializer_list<float> args) {
    for (float a : args) {
      if (!std::isfinite(a)) broken(std::string(op) + " called with a non-finite number");
    }
  }
};

using Messages = RecordingMessages;

// The five surfaces with the colours the window gives them.
struct Surfaces {
  CheckingSurface daire;
  CheckingSurface profil{kBlack, kBlue};
  CheckingSurface pressure{kBlack, kGreen};
  CheckingSurface Picture_CL;
  CheckingSurface Picture_CM;
  Plots plots() { return Plots{daire, profil, pressure, Picture_CL, Picture_CM}; }
};

inline void check_state(const WindowState& s) {
  for_each_variable(s, [](const char* name, const auto& v) {
    using T = std::decay_t<decltype(v)>;
    if constexpr (std::is_same_v<T, double>) {
      if (!std::isfinite(v)) broken(std::string(name) + " is not finite");
    } else if constexpr (!std::is_integral_v<T>) {
      for (double cell : v.cells()) {
        if (!std::isfinite(cell)) broken(std::string(name) + " holds a non-finite number");
      }
    }
  });
}

// Text_Moo is the user's own text and may say anything; every other box is
// written by the program.
inline void check_texts(const Controls& c) {
  for_each_control(c, [](const char* name, const auto& control) {
    if constexpr (std::is_same_v<std::decay_t<decltype(control)>, TextBox>) {
      if (std::string(name) == "Text_Moo") return;
      std::string lower;
      for (char ch : control.Text) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
      if (lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos) {
        broken(std::string(name) + " shows \"" + control.Text + "\"");
      }
    }
  });
}

inline void check_window(const Window& w) {
  check_state(w);
  check_texts(w);
}

}  // namespace airfoil::fuzz
