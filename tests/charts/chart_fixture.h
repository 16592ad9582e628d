// A window on recording surfaces, with a one-row catalogue holding the circle
// a test asks for, so the drawings can be run on real sections.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "charts/charts.h"
#include "charts/recording_surface.h"
#include "model/recording_messages.h"
#include "model/window.h"
#include "ui/surface_layout.h"

namespace airfoil::testing {

using RecordedMessages = RecordingMessages;

inline RecordingSurface surface_for(SurfaceId id) {
  return RecordingSurface(surface_layout(id).BackColor, surface_layout(id).ForeColor);
}

class ChartTest : public ::testing::Test {
 protected:
  ChartTest() {
    w.messages = &messages;
    w.pi = 4 * std::atan(1.0);
  }

  // Computes the section of the circle (eps, delta) with nP points at the
  // angle of attack alfa, as the geometry and flow steps do.
  void section(double eps, double delta, int nP = 51, int alfa = 0) {
    w.nCatalog = 1;
    w.TabThickness(1) = w.HScroll_Thickness.Value / 100.0;
    w.TabCamber(1) = w.HScroll_Camber.Value / 100.0;
    w.TabEps(1) = eps;
    w.TabDelta(1) = delta;
    w.HScroll_nP.Value = nP;
    w.HScroll_AlfaD.Value = alfa;
    profil_hesapla(w);
    basınc_hesapla(w);
  }

  // The solid calls with the given op and colour (nullopt: foreground
  // lines): the live case's drawing, not the dashed sonic line or a reference.
  static std::vector<SurfaceCall> lines(const RecordingSurface& s, std::optional<Colour> colour) {
    std::vector<SurfaceCall> out;
    for (const SurfaceCall& c : s.calls()) {
      if (c.op == SurfaceCall::Op::Line && c.colour == colour && c.style == LineStyle::solid)
        out.push_back(c);
    }
    return out;
  }
  static int count(const RecordingSurface& s, SurfaceCall::Op op, std::optional<Colour> colour) {
    int n = 0;
    for (const SurfaceCall& c : s.calls())
      n += c.op == op && c.colour == colour && c.style == LineStyle::solid;
    return n;
  }

  RecordingSurface daire = surface_for(SurfaceId::daire);
  RecordingSurface profil = surface_for(SurfaceId::profil);
  RecordingSurface pressure = surface_for(SurfaceId::pressure);
  RecordingSurface Picture_CL = surface_for(SurfaceId::Picture_CL);
  RecordingSurface Picture_CM = surface_for(SurfaceId::Picture_CM);
  Plots plots{daire, profil, pressure, Picture_CL, Picture_CM};
  RecordedMessages messages;
  Window w;
};

// One expected call, written the way the drawing steps speak of it.
struct Expected {
  SurfaceCall::Op op;
  std::vector<float> args;
  std::optional<Colour> colour;
};

inline Expected Cls() { return {SurfaceCall::Op::Cls, {}, std::nullopt}; }
inline Expected Scale(float a, float b, float c, float d) {
  return {SurfaceCall::Op::Scale, {a, b, c, d}, std::nullopt};
}
inline Expected Line(float a, float b, float c, float d) {
  return {SurfaceCall::Op::Line, {a, b, c, d}, std::nullopt};
}
inline Expected Line(float a, float b, float c, float d, Colour k) {
  return {SurfaceCall::Op::Line, {a, b, c, d}, k};
}
inline Expected Circle(float x, float y, float r, Colour k) {
  return {SurfaceCall::Op::Circle, {x, y, r}, k};
}

inline std::string describe(SurfaceCall::Op op, const std::vector<float>& args,
                            std::optional<Colour> colour) {
  std::string s = op_name(op);
  s += "(";
  for (std::size_t i = 0; i < args.size(); ++i) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%s%.9g", i ? ", " : "", static_cast<double>(args[i]));
    s += buf;
  }
  s += ")";
  if (colour) s += " colour " + std::to_string(*colour);
  return s;
}

// Compares calls [from, from + expected.size()) exactly: the same operation,
// the same single-precision numbers, the same colour.
inline void expect_calls(const RecordingSurface& s, std::size_t from,
                         std::initializer_list<Expected> expected) {
  ASSERT_GE(s.calls().size(), from + expected.size());
  std::size_t i = from;
  for (const Expected& e : expected) {
    const SurfaceCall& c = s.calls()[i];
    EXPECT_TRUE(c.op == e.op && c.args == e.args && c.colour == e.colour)
        << "call " << i << ": " << describe(c.op, c.args, c.colour) << ", expected "
        << describe(e.op, e.args, e.colour);
    ++i;
  }
}

}  // namespace airfoil::testing
