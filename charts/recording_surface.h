// A surface that keeps every drawing call instead of drawing: for tests and
// for the probe, which print or compare the exact call sequence.
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "charts/charts.h"

namespace airfoil {

struct SurfaceCall {
  enum class Op { Cls, Scale, Line, Circle };
  Op op = Op::Cls;
  std::vector<float> args;             // the numbers as handed to the surface
  std::optional<Colour> colour;        // none for Cls, Scale and a foreground Line
  LineStyle style = LineStyle::solid;  // the surface's line style at the call
};

const char* op_name(SurfaceCall::Op op);
// "solid", "dash", "dot", "dash-dot", "dash-dot-dot".
const char* style_name(LineStyle style);

class RecordingSurface : public Surface {
 public:
  RecordingSurface() = default;
  RecordingSurface(Colour back, Colour fore) {
    BackColor = back;
    ForeColor = fore;
  }

  void Cls() override;
  void Scale(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2) override;
  void Line(float x1, float y1, float x2, float y2, Colour colour) override;
  void Circle(float x, float y, float radius, Colour colour) override;

  // Every call from the last Cls on, that Cls included (all calls when there
  // was no Cls yet).
  const std::vector<SurfaceCall>& calls() const { return calls_; }
  // The user window of the last Scale, if any.
  const std::optional<std::array<float, 4>>& scale() const { return scale_; }
  // The user window in force when the kept calls begin: a Cls keeps the
  // scale, so a replay of calls() starts from this one.
  const std::optional<std::array<float, 4>>& scale_at_start() const { return start_scale_; }
  // How many times Cls ran since the surface was made: tells which surfaces
  // an event redrew.
  int cls_count() const { return cls_count_; }
  // How many calls of any kind arrived since the surface was made.
  long total_calls() const { return total_calls_; }

 private:
  std::vector<SurfaceCall> calls_;
  std::optional<std::array<float, 4>> scale_;
  std::optional<std::array<float, 4>> start_scale_;
  int cls_count_ = 0;
  long total_calls_ = 0;
};

}  // namespace airfoil
