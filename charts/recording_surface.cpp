#include "charts/recording_surface.h"

namespace airfoil {

const char* op_name(SurfaceCall::Op op) {
  switch (op) {
    case SurfaceCall::Op::Cls: return "Cls";
    case SurfaceCall::Op::Scale: return "Scale";
    case SurfaceCall::Op::Line: return "Line";
    case SurfaceCall::Op::Circle: return "Circle";
  }
  return "?";
}

const char* style_name(LineStyle style) {
  switch (style) {
    case LineStyle::solid: return "solid";
    case LineStyle::dash: return "dash";
    case LineStyle::dot: return "dot";
    case LineStyle::dash_dot: return "dash-dot";
    case LineStyle::dash_dot_dot: return "dash-dot-dot";
  }
  return "?";
}

// A Cls wipes the picture, so the calls before it no longer describe what the
// surface shows: the kept list starts afresh with the Cls itself. The user
// scale survives a Cls, as it does on a real surface.
void RecordingSurface::Cls() {
  calls_.clear();
  start_scale_ = scale_;
  calls_.push_back({SurfaceCall::Op::Cls, {}, std::nullopt});
  ++cls_count_;
  ++total_calls_;
}

void RecordingSurface::Scale(float x1, float y1, float x2, float y2) {
  calls_.push_back({SurfaceCall::Op::Scale, {x1, y1, x2, y2}, std::nullopt});
  scale_ = std::array<float, 4>{x1, y1, x2, y2};
  ++total_calls_;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2) {
  calls_.push_back({SurfaceCall::Op::Line, {x1, y1, x2, y2}, std::nullopt, line_style});
  ++total_calls_;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
  calls_.push_back({SurfaceCall::Op::Line, {x1, y1, x2, y2}, colour, line_style});
  ++total_calls_;
}

void RecordingSurface::Circle(float x, float y, float radius, Colour colour) {
  calls_.push_back({SurfaceCall::Op::Circle, {x, y, radius}, colour, line_style});
  ++total_calls_;
}

}  // namespace airfoil
