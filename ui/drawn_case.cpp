#include "ui/drawn_case.h"

#include <cmath>

#include "model/coefficients.h"
#include "model/numtext.h"

namespace airfoil {

DrawnCase case_of(const Window& w, const DrawnSection& section) {
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
    if (moo.value != 0 && std::fabs(moo.value) < 1) drawn.Beta = compressibility_factor(moo.value);
  }
  drawn.CL = w.Text_CL.Text;
  drawn.CM = w.Text1.Text;
  if (drawn.Beta) drawn.CLcorrected = corrected_for_compressibility(w.CL, *drawn.Beta);
  return drawn;
}

}  // namespace airfoil
