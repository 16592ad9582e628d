// The window's tables as CSV text: UTF-8, a header row, '.' as the decimal
// point whatever the locale, every number in the shortest text that reads
// back as the same double. Values come only from the window state and the
// Mach number box; nothing is computed again.
#pragma once

#include <string>

#include <vector>

#include "model/boundary_layer.h"
#include "model/numtext.h"
#include "model/window.h"

namespace airfoil {

// i,x_c,y_c,cp,one_minus_cp,cp_corrected for the points 1 to nP, in drawing
// order; cp_corrected is empty when Text_Moo asks for no correction.
std::string section_csv(const Window& w);
// i,xi,eta: the circle points 1 to nP.
std::string circle_csv(const Window& w);
// alpha_deg,cl,cl_corrected for the 25 sampled angles.
std::string lift_csv(const Window& w);
// alpha_deg,cm,cm_corrected,xm_c for the 25 sampled angles.
std::string moment_csv(const Window& w);

// side,x_c,s,ue,theta,delta_star,h,cf: the stations of the upper side from
// the front stagnation point to the trailing edge, then those of the lower.
std::string boundary_layer_csv(const BoundaryLayer& layer);
// alpha_deg,cl,cd; cd empty where the boundary layer has no drag.
std::string polar_csv(const std::vector<PolarPoint>& polar);

}  // namespace airfoil
