// The picture surfaces and the five drawings.
#pragma once

#include "charts/colours.h"
#include "model/window.h"

namespace airfoil {

// How a line or circle is stroked. The live case is always solid; a pinned
// reference gets a pattern of its own, so that it stays apart from the live
// curves and from the other references in black-and-white print too.
enum class LineStyle { solid, dash, dot, dash_dot, dash_dot_dot };

// A picture surface: the four drawing operations the charts use, plus the
// surface's background and foreground colours. Coordinates arrive in single
// precision, in the user coordinates set by the last Scale (upper-left and
// lower-right corners, y growing downward).
class Surface {
 public:
  virtual ~Surface() = default;
  virtual void Cls() = 0;
  virtual void Scale(float x1, float y1, float x2, float y2) = 0;
  // A segment in the foreground colour.
  virtual void Line(float x1, float y1, float x2, float y2) = 0;
  virtual void Line(float x1, float y1, float x2, float y2, Colour colour) = 0;
  // A full circle; the radius is in horizontal user units and the figure is a
  // true circle on screen whatever the vertical scale.
  virtual void Circle(float x, float y, float radius, Colour colour) = 0;

  Colour BackColor = 0;
  Colour ForeColor = 0;
  // The stroke of the calls that follow; a Cls does not reset it.
  LineStyle line_style = LineStyle::solid;
};

// The five surfaces of the main window.
struct Plots {
  Surface& daire;
  Surface& profil;
  Surface& pressure;
  Surface& Picture_CL;
  Surface& Picture_CM;
};

// Converts a coordinate to the single precision a surface takes. A finite
// number beyond the float range is held at the largest float (it is off every
// surface anyway); a non-finite number is a Fault.
float to_single(double x);

void renkler(Window& w);
void profil_ciz(Window& w, Plots& p);
void basınc_ciz(Window& w, Plots& p);
void CL_Alfa_ciz(Window& w, Plots& p);
void CM_Alfa_ciz(Window& w, Plots& p);

}  // namespace airfoil
