// A surface that hands every call to two others, so that the recorded calls
// and the drawn picture come from one and the same run of the procedures.
#pragma once

#include "charts/charts.h"

namespace airfoil::probe {

class TeeSurface : public Surface {
 public:
  TeeSurface(Surface& first, Surface& second) : first_(first), second_(second) {
    BackColor = first.BackColor;
    ForeColor = first.ForeColor;
  }

  void Cls() override {
    sync_colours();
    first_.Cls();
    second_.Cls();
  }
  void Scale(float x1, float y1, float x2, float y2) override {
    sync_colours();
    first_.Scale(x1, y1, x2, y2);
    second_.Scale(x1, y1, x2, y2);
  }
  void Line(float x1, float y1, float x2, float y2) override {
    sync_colours();
    first_.Line(x1, y1, x2, y2);
    second_.Line(x1, y1, x2, y2);
  }
  void Line(float x1, float y1, float x2, float y2, Colour colour) override {
    sync_colours();
    first_.Line(x1, y1, x2, y2, colour);
    second_.Line(x1, y1, x2, y2, colour);
  }
  void Circle(float x, float y, float radius, Colour colour) override {
    sync_colours();
    first_.Circle(x, y, radius, colour);
    second_.Circle(x, y, radius, colour);
  }

 private:
  // The colours are set on the surface the procedures see; both targets
  // must clear and draw with the same ones.
  void sync_colours() {
    first_.BackColor = second_.BackColor = BackColor;
    first_.ForeColor = second_.ForeColor = ForeColor;
  }

  Surface& first_;
  Surface& second_;
};

}  // namespace airfoil::probe
