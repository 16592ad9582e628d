// What a teacher uses to reach a case quickly, without Qt: the number boxes
// beside the bars taking typed values, the lesson's preset cases, and pinning
// cases as references. The desktop window and the web page both call these.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/form.h"
#include "ui/form_events.h"
#include "ui/translatable.h"
#include "ui/window_layout.h"

namespace airfoil {

// A number box beside a scroll bar. The box shows the bar's position divided
// by `divisor` (0.12 for thickness 12); a ratio box also takes a per cent.
struct TypedBox {
  const char* box;
  TextBox Controls::*text;
  const BarEvent* bar;
  double divisor;
  bool ratio;
};

inline constexpr std::array<TypedBox, 5> kTypedBoxes{{
    {"Text_Thickness", &Controls::Text_Thickness, &kBarEvents[0], 100, true},
    {"Text_Camber", &Controls::Text_Camber, &kBarEvents[1], 100, true},
    {"Text_nP", &Controls::Text_nP, &kBarEvents[2], 1, false},
    {"Text_AlfaD", &Controls::Text_AlfaD, &kBarEvents[3], 1, false},
    {"Text_xM", &Controls::Text_xM, &kBarEvents[4], 100, true},
}};

const TypedBox* find_typed_box(std::string_view name);

// The number in typed text: blanks around it are ignored and a comma may
// stand for the decimal point; a trailing '%' marks a per cent. None when the
// text is not one whole finite number.
struct TypedNumber {
  double value = 0;
  bool per_cent = false;
};
std::optional<TypedNumber> read_typed_number(std::string_view text);

// The bar position a typed value asks for: a value inside the bar's range in
// the box's own unit is taken as it is; otherwise, in a ratio box, a value
// whose hundredth is inside the range is a per cent. The result is clamped to
// the range and rounded to the bar's small step from its minimum.
int typed_position(const TypedBox& box, const ScrollBar& bar, TypedNumber typed);

// Return in a box: the bar moves to the typed value and its change event runs
// as if the bar had moved. Text that is no number, or a value that leaves the
// bar where it is, gives the box back the text of the bar's position.
void enter_typed(Form1& form, const TypedBox& box, std::string_view text);

// A case of the lesson: the bars' positions and the Mach number.
struct Preset {
  const char* name;  // Turkish; the English is in the translation file
  int thickness;     // % of chord
  int camber;        // % of chord
  int alfa;          // degrees
  const char* moo;
};

inline constexpr std::array<Preset, 6> kPresets{{
    {QT_TRANSLATE_NOOP("Presets", "Düz levha, 5°"), 0, 0, 5, "0"},
    {QT_TRANSLATE_NOOP("Presets", "Simetrik %12, 6°"), 12, 0, 6, "0"},
    {QT_TRANSLATE_NOOP("Presets", "%12 kalınlık, %4 kamburluk, 6°"), 12, 4, 6, "0"},
    {QT_TRANSLATE_NOOP("Presets", "Dairesel yay, %6 kamburluk, 4°"), 0, 6, 4, "0"},
    {QT_TRANSLATE_NOOP("Presets", "%30 kalınlık, %15 kamburluk, 10°"), 30, 15, 10, "0"},
    {QT_TRANSLATE_NOOP("Presets", "%12 kalınlık, %4 kamburluk, 2°, Moo 0.6"), 12, 4, 2, "0.6"},
}};

// Types the Mach number, sets the three bars and draws everything once.
void apply_preset(Form1& form, const Preset& preset);

// One section of a sweep: CL and CM about xM at the window's angle.
struct SweepPoint {
  double ratio;  // the swept thickness or camber ratio
  double cl;
  double cm;
};

// CL and CM of every catalogue section along the camber bar (thickness held)
// or the thickness bar (camber held), at the drawn angle and reference point;
// sections the catalogue lacks are left out. Empty before any section.
std::vector<SweepPoint> sweep(const Window& w, bool along_camber);

// Pins the drawn case (nothing before any section is drawn); with four
// pinned the oldest makes room. Every picture is drawn again with it.
bool pin_case(Form1& form);
// Unpins reference k (0 the oldest), or all of them, and draws again.
void unpin_case(Form1& form, std::size_t k);
void unpin_all(Form1& form);

}  // namespace airfoil
