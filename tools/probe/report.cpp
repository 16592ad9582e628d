#include "report.h"

#include <type_traits>

#include "json_writer.h"

namespace airfoil::probe {

namespace {

template <class T>
struct is_table : std::false_type {};
template <int Upper>
struct is_table<Table<Upper>> : std::true_type {};

void append_state(std::string& out, const WindowState& state) {
  out += "\"state\": {";
  bool first = true;
  for_each_variable(state, [&](const char* name, const auto& value) {
    using T = std::decay_t<decltype(value)>;
    out += first ? "\n  " : ",\n  ";
    first = false;
    append_json_string(out, name);
    out += ": ";
    if constexpr (is_table<T>::value) {
      // The whole array, unused cells included: they show what earlier runs left.
      out += '[';
      bool first_cell = true;
      for (const double cell : value.cells()) {
        if (!first_cell) out += ", ";
        first_cell = false;
        append_json_number(out, cell);
      }
      out += ']';
    } else if constexpr (std::is_integral_v<T>) {
      append_json_integer(out, value);
    } else {
      append_json_number(out, value);
    }
  });
  out += "\n}";
}

void append_controls(std::string& out, const Controls& controls) {
  out += "\"controls\": {";
  bool first = true;
  for_each_control(controls, [&](const char* name, const auto& control) {
    using T = std::decay_t<decltype(control)>;
    out += first ? "\n  " : ",\n  ";
    first = false;
    append_json_string(out, name);
    out += ": ";
    if constexpr (std::is_same_v<T, ScrollBar>) {
      append_json_integer(out, control.Value);
    } else {
      append_json_string(out, control.Text);
    }
  });
  out += "\n}";
}

void append_messages(std::string& out, const std::vector<std::string>& messages) {
  out += "\"messages\": [";
  for (std::size_t i = 0; i < messages.size(); ++i) {
    if (i > 0) out += ", ";
    append_json_string(out, messages[i]);
  }
  out += ']';
}

void append_surface(std::string& out, const RecordingSurface& surface) {
  out += "{\"scale\": ";
  if (const auto& scale = surface.scale()) {
    out += '[';
    for (std::size_t k = 0; k < scale->size(); ++k) {
      if (k > 0) out += ", ";
      append_json_number(out, static_cast<double>((*scale)[k]));
    }
    out += ']';
  } else {
    out += "null";
  }
  out += ", \"calls\": [";
  bool first = true;
  for (const SurfaceCall& call : surface.calls()) {
    out += first ? "\n    " : ",\n    ";
    first = false;
    out += "{\"op\": ";
    append_json_string(out, op_name(call.op));
    out += ", \"args\": [";
    for (std::size_t k = 0; k < call.args.size(); ++k) {
      if (k > 0) out += ", ";
      append_json_number(out, static_cast<double>(call.args[k]));
    }
    out += "], \"colour\": ";
    if (call.colour) {
      append_json_integer(out, *call.colour);
    } else {
      out += "null";
    }
    out += '}';
  }
  out += first ? "]}" : "\n  ]}";
}

}  // namespace

std::string json_report(const Form1& form, const std::vector<std::string>& messages,
                        const std::array<NamedRecording, 5>& surfaces,
                        const std::vector<FlowProbe>& points) {
  std::string out = "{\n";
  append_state(out, form.w);
  out += ",\n";
  append_controls(out, form.w);
  out += ",\n";
  append_messages(out, messages);
  out += ",\n\"fault\": ";
  if (form.last_fault()) {
    append_json_string(out, *form.last_fault());
  } else {
    out += "null";
  }
  out += ",\n\"surfaces\": {";
  for (std::size_t i = 0; i < surfaces.size(); ++i) {
    out += i == 0 ? "\n  " : ",\n  ";
    append_json_string(out, surfaces[i].name);
    out += ": ";
    append_surface(out, *surfaces[i].surface);
  }
  out += "\n}";
  // Only when the command line asked for the flow at points.
  if (!points.empty()) {
    out += ",\n";
    append_flow_points(out, points);
  }
  out += "\n}\n";
  return out;
}

}  // namespace airfoil::probe
