#include "arguments.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <string_view>
#include <system_error>

#include "model/boundary_layer.h"
#include "model/numtext.h"

namespace airfoil::probe {

namespace {

// The point of an at= action, x/c and y/c: two finite numbers separated by a
// comma, else a usage error.
PlanePoint parse_flow_point(std::string_view text) {
  const auto comma = text.find(',');
  std::optional<double> x, y;
  if (comma != std::string_view::npos) {
    x = read_plain_number(text.substr(0, comma));
    y = read_plain_number(text.substr(comma + 1));
  }
  if (!x || !y) {
    throw UsageError("at=" + std::string(text) + ": at needs two numbers X,Y (x/c and y/c)");
  }
  return {*x, *y};
}

// A whole number, optionally signed. One too large for a long long is held
// at the long long range: the scroll bar clamps it to its own range anyway.
long long parse_whole(std::string_view key, std::string_view text) {
  std::string_view digits = text;
  bool negative = false;
  if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
    negative = digits.front() == '-';
    digits.remove_prefix(1);
  }
  const bool all_digits = !digits.empty() && digits.find_first_not_of("0123456789") == std::string_view::npos;
  if (!all_digits) {
    throw UsageError(std::string(key) + "=" + std::string(text) + ": " + std::string(key) +
                     " needs a whole number");
  }
  unsigned long long magnitude = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), magnitude);
  if (result.ec == std::errc::result_out_of_range || magnitude > static_cast<unsigned long long>(LLONG_MAX)) {
    return negative ? LLONG_MIN : LLONG_MAX;
  }
  const auto value = static_cast<long long>(magnitude);
  return negative ? -value : value;
}

// A chord Reynolds number, 1e5 to 1e8: a plain decimal or exponent form.
double parse_reynolds(std::string_view text) {
  const std::optional<double> value = read_plain_number(text);
  if (!value || !reynolds_in_range(*value)) {
    throw UsageError("re=" + std::string(text) + ": re needs a Reynolds number from 1e5 to 1e8");
  }
  return *value;
}

}  // namespace

Action parse_action(std::string_view argument) {
  if (argument == "pin" || argument == "unpin") {
    Action action;
    action.kind = argument == "pin" ? Action::Kind::Pin : Action::Kind::Unpin;
    return action;
  }
  const auto equals = argument.find('=');
  if (equals == std::string_view::npos) {
    throw UsageError("'" + std::string(argument) + "' is not an action (expected NAME=VALUE)");
  }
  const std::string_view key = argument.substr(0, equals);
  const std::string_view value = argument.substr(equals + 1);
  Action action;
  for (const BarEvent& target : kBarEvents) {
    if (key == target.key) {
      action.kind = Action::Kind::Scroll;
      action.scroll = &target;
      action.value = parse_whole(key, value);
      return action;
    }
  }
  if (key == "moo") {
    action.kind = Action::Kind::Moo;
    action.text = std::string(value);
    return action;
  }
  if (key == "click") {
    for (const ClickEvent& target : kClickEvents) {
      if (value == surface_layout(target.surface).name) {
        action.kind = Action::Kind::Click;
        action.click = &target;
        return action;
      }
    }
    throw UsageError("click=" + std::string(value) +
                     ": no such picture (daire, profil, pressure, Picture_CL, Picture_CM)");
  }
  if (key == "preset") {
    const long long n = parse_whole(key, value);
    if (n < 1 || n > static_cast<long long>(kPresets.size())) {
      throw UsageError("preset=" + std::string(value) + ": presets are numbered 1 to " +
                       std::to_string(kPresets.size()));
    }
    action.kind = Action::Kind::Preset;
    action.preset = &kPresets[static_cast<std::size_t>(n - 1)];
    return action;
  }
  if (key == "unpin") {
    // Numbered as the legend lists the pinned cases, the oldest first; a
    // number with no case pinned under it leaves them all.
    action.value = parse_whole(key, value);
    if (action.value < 1)
      throw UsageError("unpin=" + std::string(value) + ": references are numbered from 1");
    action.kind = Action::Kind::UnpinOne;
    return action;
  }
  if (key == "enter") {
    const auto colon = value.find(':');
    action.box = colon == std::string_view::npos ? nullptr : find_typed_box(value.substr(0, colon));
    if (action.box == nullptr) {
      throw UsageError("enter=" + std::string(value) +
                       ": expected BOX:TEXT with BOX one of Text_Thickness, Text_Camber, Text_nP, "
                       "Text_AlfaD, Text_xM");
    }
    action.kind = Action::Kind::Enter;
    action.text = std::string(value.substr(colon + 1));
    return action;
  }
  if (key == "re") {
    action.kind = Action::Kind::Reynolds;
    action.reynolds = parse_reynolds(value);
    return action;
  }
  if (key == "at") {
    action.kind = Action::Kind::FlowAt;
    action.at = parse_flow_point(value);
    return action;
  }
  throw UsageError("unknown action '" + std::string(key) + "'");
}

Options parse_arguments(int argc, const char* const* argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--help" || argument == "-h") {
      options.help = true;
      continue;
    }
    if (argument == "--version") {
      options.version = true;
      continue;
    }
    if (argument.starts_with("--")) {
      const auto equals = argument.find('=');
      const std::string_view name = argument.substr(0, equals);
      std::string value;
      if (equals != std::string_view::npos) {
        value = std::string(argument.substr(equals + 1));
      } else if (name == "--catalogue" || name == "--png" || name == "--export" || name == "--flow-csv") {
        if (i + 1 >= argc) throw UsageError(std::string(name) + " needs a value");
        value = argv[++i];
      }
      if (name == "--catalogue") {
        if (value.empty()) throw UsageError("--catalogue needs a file path");
        options.catalogue = value;
      } else if (name == "--png") {
        if (value.empty()) throw UsageError("--png needs a directory");
        options.png_dir = value;
      } else if (name == "--export") {
        if (value.empty()) throw UsageError("--export needs a directory");
        options.export_dir = value;
      } else if (name == "--flow-csv") {
        if (value.empty()) throw UsageError("--flow-csv needs a file path");
        options.flow_csv = value;
      } else {
        throw UsageError("unknown option '" + std::string(name) + "'");
      }
      continue;
    }
    options.actions.push_back(parse_action(argument));
  }
  return options;
}

std::string usage_text() {
  const Controls design;  // the controls at their design-time settings
  auto range = [&](ScrollBar Controls::*bar) {
    const ScrollBar& b = design.*bar;
    return std::to_string(b.Min) + ".." + std::to_string(b.Max) + ", start " + std::to_string(b.Value);
  };
  return "usage: airfoil-probe [--catalogue PATH] [--png DIR] [--export DIR]\n"
         "                     [--flow-csv FILE] [ACTION...]\n"
         "       airfoil-probe --help | --version\n"
         "\n"
         "Runs the airfoil window without a display: start-up, then each action in\n"
         "the order given, then prints the window's variables, controls, messages\n"
         "and pictures as one JSON object on standard output.\n"
         "\n"
         "Actions:\n"
         "  thickness=N   thickness scroll bar, % of chord (" +
         range(&Controls::HScroll_Thickness) +
         ")\n"
         "  camber=N      camber scroll bar, % of chord (" +
         range(&Controls::HScroll_Camber) +
         ")\n"
         "  np=N          number of surface points (" +
         range(&Controls::HScroll_nP) +
         ")\n"
         "  alfa=N        angle of attack, degrees (" +
         range(&Controls::HScroll_AlfaD) +
         ")\n"
         "  xm=N          moment reference point, % of chord (" +
         range(&Controls::HScroll_xM) +
         ")\n"
         "                N is held within the scroll bar's range; the change event\n"
         "                runs only when the position actually changes.\n"
         "  moo=TEXT      type TEXT into the Mach number box (no event)\n"
         "  click=NAME    click a picture: daire, profil, pressure, Picture_CL, Picture_CM\n"
         "  at=X,Y        the flow at x/c = X, y/c = Y as it is now: adds u, v and cp\n"
         "                to the report's \"points\" (null on or inside the section)\n"
         "  pin           pin the drawn case as a reference (at most 4; the oldest\n"
         "                makes room) and draw everything again\n"
         "  unpin         unpin every reference and draw everything again\n"
         "  unpin=N       unpin reference N (1 the oldest, the legend's order) and draw\n"
         "                everything again\n"
         "  preset=N      apply the lesson's case N (1 to 6, the Presets menu's order)\n"
         "  enter=BOX:TEXT  type TEXT into the number box BOX (Text_Thickness,\n"
         "                Text_Camber, Text_nP, Text_AlfaD, Text_xM) and press Return\n"
         "  re=N          the chord Reynolds number of the boundary layer (1e5..1e8,\n"
         "                start 1e6), e.g. re=3e6\n"
         "\n"
         "Options:\n"
         "  --catalogue PATH  read the catalogue from PATH (default: " +
         std::string(kCatalogueFileName) +
         "\n"
         "                    in the working directory, else the copy installed\n"
         "                    with the program)\n"
         "  --png DIR         also draw the five pictures, with their labels, and write\n"
         "                    DIR/<picture>.png\n"
         "  --export DIR      write what the window exports: DIR/<picture>.png and .svg,\n"
         "                    section.csv, circle.csv, lift.csv, moment.csv,\n"
         "                    boundary_layer.csv, polar.csv, handout.pdf\n"
         "  --flow-csv FILE   write the streamlines of the final state to FILE as\n"
         "                    line,psi,x_c,y_c rows\n"
         "  --help            show this text\n"
         "  --version         show the version\n"
         "\n"
         "Exit status: 0 done, 1 a file could not be written, 2 bad arguments.\n";
}

void perform(Form1& form, const Action& action) {
  switch (action.kind) {
    case Action::Kind::Scroll:
      if (set_scroll_value(form.w.*(action.scroll->bar), action.value)) (form.*(action.scroll->change))();
      break;
    case Action::Kind::Moo: form.w.Text_Moo.Text = action.text; break;
    case Action::Kind::Click: (form.*(action.click->click))(); break;
    case Action::Kind::Pin: pin_case(form); break;
    case Action::Kind::Unpin: unpin_all(form); break;
    case Action::Kind::UnpinOne: unpin_case(form, static_cast<std::size_t>(action.value - 1)); break;
    case Action::Kind::Preset: apply_preset(form, *action.preset); break;
    case Action::Kind::Enter: enter_typed(form, *action.box, action.text); break;
    case Action::Kind::FlowAt:
    case Action::Kind::Reynolds: break;
  }
}

}  // namespace airfoil::probe
