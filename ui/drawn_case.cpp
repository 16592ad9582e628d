#include "ui/drawn_case.h"

#include "model/coefficients.h"
#include "model/numtext.h"

namespace airfoil {

DrawnCase case_of(const Window& w, const DrawnSection& section, double corrected_moo) {
  DrawnCase drawn;
  drawn.Thickness = section.Thickness;
  drawn.Camber = section.Camber;
  drawn.Eps = w.Eps;
  drawn.Delta = w.Delta;
  drawn.nP = w.nP;
  drawn.AlfaD = w.AlfaD;
  drawn.xM = w.xM;
  // The drawings read the box as the user left it; a number too large to
  // read draws no correction, as one outside the subsonic range does not.
  drawn.MooText = w.Text_Moo.Text;
  const LeadingNumber moo = read_leading_number(w.Text_Moo.Text);
  if (!moo.overflow) {
    drawn.Moo = moo.value;
  }
  // The factor of the corrected curve is the chart's own record of the Mach
  // number it drew with, not a second reading of the box.
  if (corrected_moo != 0) drawn.Beta = compressibility_factor(corrected_moo);
  drawn.CL = w.Text_CL.Text;
  drawn.CM = w.Text1.Text;
  if (drawn.Beta) drawn.CLcorrected = corrected_for_compressibility(w.CL, *drawn.Beta);
  return drawn;
}

double corrected_moo_of(const Window& w, SurfaceId id) {
  switch (id) {
    case SurfaceId::pressure: return w.drawn_moo.pressure;
    case SurfaceId::Picture_CL: return w.drawn_moo.lift;
    case SurfaceId::Picture_CM: return w.drawn_moo.moment;
    default: return 0;
  }
}

}  // namespace airfoil
