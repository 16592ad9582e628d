// The window's tables as CSV text: UTF-8, a header row, '.' as the decimal
// point whatever the locale, every number in the shortest text that reads
// back as the same double. Values come only from the window state and the
// case the picture was drawn with (its Mach number correction, its reference
// point); nothing is computed again. With cases pinned, every table holds
// them too: a first column `case` names each row's case, "live" or "ref1"
// (the oldest pinned) to "ref4".
#pragma once

#include <array>
#include <optional>
#include <string>

#include <vector>

#include "model/boundary_layer.h"
#include "model/numtext.h"
#include "model/window.h"
#include "ui/drawn_case.h"
#include "ui/form.h"

namespace airfoil {

// `drawn` is the case of the picture the table belongs to; before that
// picture was drawn the table is its header alone.
// i,x_c,y_c,cp,one_minus_cp,cp_corrected for the points 1 to nP, in drawing
// order; cp_corrected is empty when the pressure picture drew no correction.
std::string section_csv(const Window& w, const std::optional<DrawnCase>& drawn);
// i,xi,eta: the circle points 1 to nP.
std::string circle_csv(const Window& w, const std::optional<DrawnCase>& drawn);
// alpha_deg,cl,cl_corrected for the 25 sampled angles.
std::string lift_csv(const Window& w, const std::optional<DrawnCase>& drawn);
// alpha_deg,cm,cm_corrected,xm_c for the 25 sampled angles.
std::string moment_csv(const Window& w, const std::optional<DrawnCase>& drawn);

// A table as a file: the name it is offered and written under, and which
// picture's data it holds.
struct DataTable {
  const char* file;
  SurfaceId picture;
  std::string (*make)(const Window&, const std::optional<DrawnCase>&);
};

// The four tables, each once; the airfoil picture's data is the section.
inline constexpr std::array<DataTable, 4> kDataTables{{
    {"section.csv", SurfaceId::pressure, section_csv},
    {"circle.csv", SurfaceId::daire, circle_csv},
    {"lift.csv", SurfaceId::Picture_CL, lift_csv},
    {"moment.csv", SurfaceId::Picture_CM, moment_csv},
}};

// The table whose data the picture `id` shows.
const DataTable& data_table_of(SurfaceId id);

// The text of `table` for the window as drawn.
std::string table_text(const DataTable& table, const Form1& form);

// side,x_c,s,ue,theta,delta_star,h,cf: the stations of the upper side from
// the front stagnation point to the trailing edge, then those of the lower.
std::string boundary_layer_csv(const BoundaryLayer& layer);
// alpha_deg,cl,cd; cd empty where the boundary layer has no drag.
std::string polar_csv(const std::vector<PolarPoint>& polar);

}  // namespace airfoil
