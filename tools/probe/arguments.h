// The probe's command line: options, and the actions it replays on the
// window in the order given.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/flow_field.h"
#include "ui/form.h"
#include "ui/form_events.h"
#include "ui/lesson.h"

namespace airfoil::probe {

// A command line the probe cannot run; the text says what is wrong.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Action {
  enum class Kind { Scroll, Moo, Click, FlowAt, Reynolds, Pin, Unpin, UnpinOne, Preset, Enter };
  Kind kind = Kind::Scroll;
  const BarEvent* scroll = nullptr;
  long long value = 0;  // requested scroll position, before clamping; the reference to unpin, from 1
  std::string text;     // the Mach number text
  const ClickEvent* click = nullptr;
  PlanePoint at;        // x/c, y/c of an at= action
  double reynolds = 0;  // the chord Reynolds number of a re= action
  const Preset* preset = nullptr;
  const TypedBox* box = nullptr;  // an enter= action types `text` into it
};

struct Options {
  // Empty: the working directory's catalogue, else the installed copy.
  std::string catalogue;
  std::optional<std::string> png_dir;
  std::optional<std::string> export_dir;
  std::optional<std::string> flow_csv;
  std::vector<Action> actions;
  bool help = false;
  bool version = false;
};

// One action as the command line writes it ("thickness=12", "moo=0.5",
// "click=daire", "at=0.5,0.1"). Throws UsageError on anything else.
Action parse_action(std::string_view argument);

// Reads argv[1..argc-1]. Throws UsageError on anything it cannot run.
Options parse_arguments(int argc, const char* const* argv);

// The usage text, with the scroll-bar ranges of the window's controls.
std::string usage_text();

// Performs one action on the form: a scroll bar raises its Change event only
// when its value actually changed, as the control itself would. An at= action
// changes nothing; the caller reads the flow there, nor does re=, which
// sets the Reynolds number the caller's boundary layer is computed at.
void perform(Form1& form, const Action& action);

}  // namespace airfoil::probe
