// Arbitrary text typed into Text_Moo, then every handled event on a window
// loaded with the committed catalogue. With that catalogue no cycle may end
// in a fault, whatever the Mach number box says.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "fuzz_checks.h"
#include "model/numtext.h"

namespace airfoil::fuzz {
namespace {

// The state right after start-up, read once: every input starts from it.
struct Loaded {
  WindowState state;
  Controls controls;
};

const Loaded& loaded() {
  static const Loaded once = [] {
    Surfaces surfaces;
    Messages messages;
    Form1 form(surfaces.plots(), messages, AIRFOIL_CATALOGUE);
    form.Form_Load();
    if (!messages.shown.empty() || form.last_fault()) broken("the committed catalogue did not load");
    return Loaded{form.w, form.w};
  }();
  return once;
}

}  // namespace
}  // namespace airfoil::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace airfoil;
  using namespace airfoil::fuzz;

  const std::string text(reinterpret_cast<const char*>(data), size);
  const LeadingNumber read = read_leading_number(text);
  if (!std::isfinite(read.value)) broken("read_leading_number gave a non-finite number");
  if (read.overflow && std::fabs(read.value) != DBL_MAX)
    broken("an overflow did not read as the largest double");
  const bool out_of_range = read.overflow || !(std::fabs(read.value) < 1);

  Surfaces surfaces;
  Messages messages;
  Form1 form(surfaces.plots(), messages, AIRFOIL_CATALOGUE);
  static_cast<WindowState&>(form.w) = loaded().state;
  static_cast<Controls&>(form.w) = loaded().controls;
  form.w.Text_Moo.Text = text;

  // Scroll positions chosen by the text, so that the corpus also wanders over
  // sections, incidences and reference points.
  const std::size_t h = std::hash<std::string>{}(text);
  auto run = [&](const char* event, void (Form1::*handler)(), bool reads_moo_surely) {
    messages.clear();
    (form.*handler)();
    if (!messages.faults.empty())
      broken(std::string(event) + " ended with a fault: " + messages.faults.front());
    int moo_messages = 0;
    for (const std::string& shown : messages.shown) {
      if (shown != kMooOutOfRange) broken(std::string(event) + " showed \"" + shown + "\"");
      ++moo_messages;
    }
    if (moo_messages > 1) broken(std::string(event) + " showed the Moo message more than once");
    if (!out_of_range && moo_messages != 0) broken(std::string(event) + " rejected a Mach number in range");
    if (out_of_range && reads_moo_surely && moo_messages != 1) {
      broken(std::string(event) + " did not reject a Mach number out of range");
    }
    check_window(form.w);
  };

  // Before any geometry: the two cycles that reuse it run on the zero state.
  set_scroll_value(form.w.HScroll_AlfaD, static_cast<long long>(h % 21) - 10);
  run("HScroll_AlfaD_Change", &Form1::HScroll_AlfaD_Change, true);
  set_scroll_value(form.w.HScroll_xM, static_cast<long long>((h >> 8) % 101));
  run("HScroll_xM_Change", &Form1::HScroll_xM_Change, false);

  set_scroll_value(form.w.HScroll_Thickness, static_cast<long long>((h >> 16) % 31));
  run("HScroll_Thickness_Change", &Form1::HScroll_Thickness_Change, true);
  set_scroll_value(form.w.HScroll_Camber, static_cast<long long>((h >> 24) % 16));
  run("HScroll_Camber_Change", &Form1::HScroll_Camber_Change, true);
  set_scroll_value(form.w.HScroll_nP, static_cast<long long>(11 + (h >> 32) % 91));
  run("HScroll_nP_Change", &Form1::HScroll_nP_Change, true);
  set_scroll_value(form.w.HScroll_AlfaD, static_cast<long long>((h >> 40) % 21) - 10);
  run("HScroll_AlfaD_Change", &Form1::HScroll_AlfaD_Change, true);
  set_scroll_value(form.w.HScroll_xM, static_cast<long long>((h >> 48) % 101));
  run("HScroll_xM_Change", &Form1::HScroll_xM_Change, true);
  run("daire_Click", &Form1::daire_Click, true);
  run("profil_Click", &Form1::profil_Click, true);
  run("pressure_Click", &Form1::pressure_Click, true);
  run("Picture_CL_Click", &Form1::Picture_CL_Click, true);
  run("Picture_CM_Click", &Form1::Picture_CM_Click, true);
  return 0;
}
