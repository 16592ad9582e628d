// The web page's view of the core: the window run headless (the probe's
// session), the window's tables as JSON, and each picture as device shapes
// for a canvas or as SVG. The page's script only turns DOM events into these
// calls and draws what they return; every number, text, place and colour
// comes from here.

#include <emscripten/bind.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "arguments.h"
#include "charts/device_plan.h"
#include "charts/picture_svg.h"
#include "model/flow_field.h"
#include "model/phrase.h"
#include "session.h"
#include "ui/export_csv.h"
#include "ui/surface_layout.h"
#include "ui/window_layout.h"

namespace airfoil::web {

namespace {

using Json = nlohmann::ordered_json;

// The built-in catalogue, embedded in the page's file system at this path.
constexpr const char* kBuiltInCatalogue = "/data/KATPE-D20G15.txt";

std::unique_ptr<probe::Session> session;
std::map<std::string, std::string> message_translations;  // Turkish source -> English
bool english = false;

probe::Session& current() {
  if (!session) session = std::make_unique<probe::Session>(kBuiltInCatalogue);
  return *session;
}

std::string css_colour(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

// The families the layout was drawn with first, then installed families of
// the same metrics, as a CSS list.
const char* css_family(Family family) {
  switch (family) {
    case Family::symbol: return "'Times New Roman', 'Liberation Serif', Tinos, 'DejaVu Serif', serif";
    case Family::verdana:
      return "Verdana, 'DejaVu Sans', 'Bitstream Vera Sans', 'Liberation Sans', sans-serif";
    case Family::arial: break;
  }
  return "Arial, 'Liberation Sans', Arimo, 'Nimbus Sans', 'DejaVu Sans', sans-serif";
}

Json font_json(const Font& f) {
  return {{"family", css_family(f.family)},
          {"points", f.points},
          {"italic", f.italic},
          {"bold", f.bold},
          {"underline", f.underline}};
}

Json place_json(const Place& p) { return {p.left, p.top, p.width, p.height}; }

const char* face_name(Face face) {
  switch (face) {
    case Face::greek: return "greek";
    case Face::tick: return "tick";
    case Face::name: return "name";
    case Face::dialog: break;
  }
  return "dialog";
}

// The window's description: places and sizes in twips, texts, fonts,
// colours, the Tab order and the events each control raises.
std::string layout() {
  const Controls design;
  Json out;
  out["caption"] = kWindowCaption;
  out["messageCaption"] = kMessageCaption;
  out["client"] = {kClientWidth, kClientHeight};
  out["twipsPerPixel"] = 15;
  Json faces = Json::object();
  for (const Face face : {Face::dialog, Face::greek, Face::tick, Face::name}) {
    faces[face_name(face)] = font_json(font_of(face));
  }
  out["faces"] = faces;
  for (const FrameLayout& f : kFrames) {
    out["frames"].push_back({{"name", f.name}, {"caption", f.caption}, {"place", place_json(f.place)}});
  }
  for (const InputRow& row : kInputRows) {
    out["rows"].push_back({{"label", row.label},
                           {"text", row.text},
                           {"face", face_name(row.face)},
                           {"labelPlace", place_json(label_place(row))},
                           {"box", row.box},
                           {"boxPlace", place_json(box_place(row))},
                           {"bar", row.bar},
                           {"barPlace", place_json(bar_place(row))}});
  }
  for (const FrameItem& item : kFrameItems) {
    out["frameItems"].push_back({{"frame", item.frame},
                                 {"name", item.name},
                                 {"isBox", item.is_box},
                                 {"text", item.text},
                                 {"place", place_json(item.place)}});
  }
  for (const Annotation& a : kAnnotations) {
    out["annotations"].push_back({{"surface", surface_layout(a.surface).name},
                                  {"name", a.name},
                                  {"text", a.text},
                                  {"face", face_name(a.face)},
                                  {"place", place_json(a.place)}});
  }
  out["annotationColour"] = css_colour(kAnnotationText);
  for (const SurfaceLayout& s : kSurfaceLayouts) {
    out["surfaces"].push_back({{"name", s.name},
                               {"place", Json{s.Left, s.Top, s.Width, s.Height}},
                               {"pixels", Json{s.pixel_width(), s.pixel_height()}},
                               {"back", css_colour(s.BackColor)}});
  }
  out["tabOrder"] = kTabOrder;
  for (const BarEvent& e : kBarEvents) {
    const ScrollBar& b = design.*(e.bar);
    out["bars"].push_back({{"control", e.control},
                           {"key", e.key},
                           {"min", b.Min},
                           {"max", b.Max},
                           {"small", b.SmallChange},
                           {"large", b.LargeChange},
                           {"value", b.Value}});
  }
  out["menu"] = {{"name", kAboutMenuName}, {"text", kAboutMenuText}};
  Json about;
  about["caption"] = kAboutCaption;
  about["size"] = {kAboutWidth, kAboutHeight};
  about["back"] = css_colour(kLightYellow);
  for (const AboutLabel& l : kAboutLabels) {
    about["labels"].push_back({{"name", l.name},
                               {"text", l.text},
                               {"place", place_json(l.place)},
                               {"font", font_json(l.font)},
                               {"colour", css_colour(l.colour)},
                               {"centredWrapped", l.centred_wrapped}});
  }
  out["about"] = about;
  return out.dump();
}

const SurfaceLayout& surface_named(const std::string& name) {
  const SurfaceLayout* s = find_surface_layout(name);
  if (s == nullptr) throw std::invalid_argument("no picture called " + name);
  return *s;
}

std::size_t index_of(const SurfaceLayout& s) { return static_cast<std::size_t>(&s - kSurfaceLayouts.data()); }

DevicePlan plan_of(const std::string& name, double scale) {
  const SurfaceLayout& s = surface_named(name);
  const RecordingSurface& r = current().surface(index_of(s));
  return plan_picture(r.calls(), r.scale_at_start(), s.pixel_width(), s.pixel_height(), scale, s.BackColor,
                      s.ForeColor);
}

// A picture at `scale` device pixels per logical pixel, as
// {width, height, shapes: [[kind, x1, y1, x2, y2, pen, "#rrggbb"], ...]},
// kind 0 fill, 1 line, 2 dot, 3 ring.
std::string plan(const std::string& name, double scale) {
  const DevicePlan p = plan_of(name, scale);
  Json shapes = Json::array();
  for (const DeviceShape& s : p.shapes) {
    shapes.push_back({static_cast<int>(s.kind), s.x1, s.y1, s.x2, s.y2, s.pen, css_colour(s.colour)});
  }
  return Json{{"width", p.width}, {"height", p.height}, {"shapes", shapes}}.dump();
}

// The picture as SVG, with the axis names and tick values that sit on it.
std::string svg(const std::string& name, double scale) {
  const SurfaceLayout& s = surface_named(name);
  std::vector<SvgLabel> labels;
  for (const Annotation& a : kAnnotations) {
    if (surface_layout(a.surface).name != s.name) continue;
    const Font f = font_of(a.face);
    // Twips to device pixels; a point is 20 twips.
    const double px = scale / 15.0;
    labels.push_back({a.text, a.place.left * px, a.place.top * px, a.place.width * px, a.place.height * px,
                      css_family(f.family), f.points * 20 * px, f.italic, f.bold});
  }
  return picture_svg(plan_of(name, scale), labels, s.BackColor);
}

std::string csv(const std::string& table) {
  const Window& w = current().form().w;
  if (table == "section") return section_csv(w);
  if (table == "circle") return circle_csv(w);
  if (table == "lift") return lift_csv(w);
  if (table == "moment") return moment_csv(w);
  throw std::invalid_argument("no table called " + table);
}

// Applies one of the probe's actions; the text of a bad one is returned
// (empty when it was applied), for the page to raise as an error.
std::string act(const std::string& action) {
  try {
    current().act(probe::parse_action(action));
    return "";
  } catch (const probe::UsageError& e) {
    return e.what();
  }
}

std::string report() { return current().report(); }

// The controls as {name: value or text}.
std::string controls() {
  Json out = Json::object();
  for_each_control(current().form().w, [&](const char* name, const auto& control) {
    using T = std::decay_t<decltype(control)>;
    if constexpr (std::is_same_v<T, ScrollBar>) {
      out[name] = control.Value;
    } else {
      out[name] = control.Text;
    }
  });
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// What a user typed into a text box stays there until a procedure writes it.
void set_text(const std::string& name, const std::string& text) {
  for_each_control(current().form().w, [&](const char* control_name, auto& control) {
    using T = std::decay_t<decltype(control)>;
    if constexpr (std::is_same_v<T, TextBox>) {
      if (name == control_name) control.Text = text;
    }
  });
}

// A scroll bar moved by the user to `value`: its Change event runs when the
// value changed, as the control raises it.
void scroll(const std::string& name, double value) {
  for (const BarEvent& e : kBarEvents) {
    if (name == e.control) {
      Form1& form = current().form();
      if (set_scroll_value(form.w.*(e.bar), static_cast<long long>(value))) (form.*(e.change))();
    }
  }
}

void click(const std::string& name) {
  const SurfaceLayout& s = surface_named(name);
  Form1& form = current().form();
  (form.*(kClickEvents[index_of(s)].click))();
}

void moo_return() { current().form().Text_Moo_Return(); }

void set_language(bool to_english, const std::string& messages_json) {
  english = to_english;
  message_translations.clear();
  const Json table = Json::parse(messages_json, nullptr, false);
  if (table.is_object()) {
    for (const auto& [source, translation] : table.items()) message_translations[source] = translation;
  }
}

// The message boxes shown so far, in the page's language.
std::string messages() {
  Json out = Json::array();
  for (const Phrase& phrase : current().message_phrases()) {
    out.push_back(render(phrase, [](const std::string& source) {
      if (!english) return source;
      const auto found = message_translations.find(source);
      return found == message_translations.end() || found->second.empty() ? source : found->second;
    }));
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Starts the window again from the catalogue at `path` (a file the teacher
// opened, or the built-in one when empty): start-up reads it with the same
// reader and says the same things about it.
void restart(const std::string& path) {
  session.reset();
  session = std::make_unique<probe::Session>(path.empty() ? kBuiltInCatalogue : path);
}

// The flow at x/c, y/c: {u, v, cp}, or null on or inside the section and
// before any geometry.
std::string flow_at(double x, double y) {
  const probe::FlowProbe p = probe::probe_flow(current().form().w, {x, y});
  if (!p.velocity) return "null";
  return Json{{"u", p.velocity->u}, {"v", p.velocity->v}, {"cp", p.velocity->Cp}}.dump();
}

// The English translation as the desktop program's translators keep it; the
// page reads its contexts.
std::string translations() {
  std::ifstream file("/data/pelmora-airfoil_en.ts", std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

}  // namespace

EMSCRIPTEN_BINDINGS(pelmora) {
  emscripten::function("layout", &layout);
  emscripten::function("plan", &plan);
  emscripten::function("svg", &svg);
  emscripten::function("csv", &csv);
  emscripten::function("act", &act);
  emscripten::function("report", &report);
  emscripten::function("controls", &controls);
  emscripten::function("setText", &set_text);
  emscripten::function("scroll", &scroll);
  emscripten::function("click", &click);
  emscripten::function("mooReturn", &moo_return);
  emscripten::function("setLanguage", &set_language);
  emscripten::function("messages", &messages);
  emscripten::function("restart", &restart);
  emscripten::function("flowAt", &flow_at);
  emscripten::function("translations", &translations);
}

}  // namespace airfoil::web
