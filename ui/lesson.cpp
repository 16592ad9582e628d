#include "ui/lesson.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "model/catalogue.h"
#include "model/coefficients.h"
#include "model/numtext.h"

namespace airfoil {

const TypedBox* find_typed_box(std::string_view name) {
  for (const TypedBox& box : kTypedBoxes) {
    if (name == box.box) return &box;
  }
  return nullptr;
}

std::optional<TypedNumber> read_typed_number(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  TypedNumber typed;
  if (!text.empty() && text.back() == '%') {
    typed.per_cent = true;
    text.remove_suffix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  }
  std::string digits(text);
  if (digits.find('.') == std::string::npos) std::replace(digits.begin(), digits.end(), ',', '.');
  if (!digits.empty() && digits.front() == '+') digits.erase(0, 1);
  if (digits.empty()) return std::nullopt;
  // The one reader of plain numbers, the same in the window and on the page.
  const std::optional<double> value = read_plain_number(digits);
  if (!value) return std::nullopt;
  typed.value = *value;
  return typed;
}

int typed_position(const TypedBox& box, const ScrollBar& bar, TypedNumber typed) {
  const double lo = bar.Min / box.divisor;
  const double hi = bar.Max / box.divisor;
  double value = typed.value;
  if (box.ratio &&
      (typed.per_cent || (!(lo <= value && value <= hi) && lo <= value / 100 && value / 100 <= hi))) {
    value /= 100;
  }
  const double position =
      std::clamp(value * box.divisor, static_cast<double>(bar.Min), static_cast<double>(bar.Max));
  const int step = std::max(1, bar.SmallChange);
  const double steps = std::round((position - bar.Min) / step);
  return std::min(bar.Max, bar.Min + static_cast<int>(steps) * step);
}

void enter_typed(Form1& form, const TypedBox& box, std::string_view text) {
  ScrollBar& bar = form.w.*(box.bar->bar);
  if (const std::optional<TypedNumber> typed = read_typed_number(text)) {
    if (set_scroll_value(bar, typed_position(box, bar, *typed))) {
      (form.*(box.bar->change))();
      return;
    }
  }
  (form.w.*(box.text)).Text = general_format(bar.Value / box.divisor);
}

void apply_preset(Form1& form, const Preset& preset) {
  form.w.Text_Moo.Text = preset.moo;
  set_scroll_value(form.w.HScroll_Thickness, preset.thickness);
  set_scroll_value(form.w.HScroll_Camber, preset.camber);
  set_scroll_value(form.w.HScroll_AlfaD, preset.alfa);
  form.Text_Moo_Return();
}

std::vector<SweepPoint> sweep(const Window& w, bool along_camber) {
  std::vector<SweepPoint> out;
  if (w.Chord == 0) return out;
  // A scratch window: the same catalogue, angle and reference point, no
  // messages; the fewest points, since only the circle matters for CL and CM.
  Window scratch;
  static_cast<WindowState&>(scratch) = w;
  static_cast<Controls&>(scratch) = w;
  scratch.HScroll_nP.Value = scratch.HScroll_nP.Min;
  ScrollBar& bar = along_camber ? scratch.HScroll_Camber : scratch.HScroll_Thickness;
  for (int v = bar.Min; v <= bar.Max; ++v) {
    bar.Value = v;
    if (!catalogue_row(scratch, scratch.HScroll_Thickness.Value / 100.0,
                       scratch.HScroll_Camber.Value / 100.0)) {
      continue;
    }
    profil_hesapla(scratch);
    const double cl = lift_coefficient_at_degrees(scratch, w.AlfaD);
    out.push_back({v / 100.0, cl, moment_coefficient_at_degrees(scratch, w.AlfaD, cl)});
  }
  return out;
}

bool pin_case(Form1& form) {
  Window& w = form.w;
  if (w.Chord == 0) return false;
  if (w.references.size() >= kMaxReferences) w.references.erase(w.references.begin());
  w.references.push_back({static_cast<const WindowState&>(w), w.drawn_moo.pressure});
  form.Text_Moo_Return();
  return true;
}

void unpin_case(Form1& form, std::size_t k) {
  if (k >= form.w.references.size()) return;
  form.w.references.erase(form.w.references.begin() + static_cast<std::ptrdiff_t>(k));
  form.Text_Moo_Return();
}

void unpin_all(Form1& form) {
  if (form.w.references.empty()) return;
  form.w.references.clear();
  form.Text_Moo_Return();
}

}  // namespace airfoil
