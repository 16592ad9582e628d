// The web page's view of the core: the window run headless (the probe's
// session), the window's tables as JSON, and each picture as device shapes
// for a canvas or as SVG. The page's script only turns DOM events into these
// calls and draws what they return; every number, text, place and colour
// comes from here.

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "arguments.h"
#include "bindings.h"
#include "charts/device_plan.h"
#include "charts/picture_svg.h"
#include "model/flow_field.h"
#include "model/numtext.h"
#include "model/phrase.h"
#include "session.h"
#include "ui/drawing_svg.h"
#include "ui/export_csv.h"
#include "ui/flow_scene.h"
#include "ui/form_events.h"
#include "ui/handout.h"
#include "ui/help_content.h"
#include "ui/key_table.h"
#include "ui/picture_menu_texts.h"
#include "ui/picture_notes.h"
#include "ui/picture_texts.h"
#include "ui/readout_texts.h"
#include "ui/surface_layout.h"
#include "ui/window_layout.h"

namespace airfoil::web {

namespace {

// The built-in catalogue, embedded in the page's file system at this path.
constexpr const char* kBuiltInCatalogue = "/data/KATPE-D20G15.txt";

std::unique_ptr<probe::Session> session;
// The English translation, context -> Turkish source -> English; used when
// the page shows English.
std::map<std::string, std::map<std::string, std::string>> translation_tables;
bool english = false;

}  // namespace

std::string translate(const std::string& context, const std::string& source) {
  if (!english) return source;
  const auto table = translation_tables.find(context);
  if (table == translation_tables.end()) return source;
  const auto found = table->second.find(source);
  return found == table->second.end() || found->second.empty() ? source : found->second;
}

probe::Session& current() {
  if (!session) session = std::make_unique<probe::Session>(kBuiltInCatalogue);
  return *session;
}

namespace {

std::string css_colour(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
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
  for (const DataTable& table : kDataTables) {
    out["tables"].push_back({{"file", table.file}, {"picture", surface_layout(table.picture).name}});
  }
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
  out["flow"] = {{"size", {kFlowWindowWidth, kFlowWindowHeight}},
                 {"minimum", {kFlowWindowMinimumWidth, kFlowWindowMinimumHeight}},
                 {"margin", kFlowWindowMargin},
                 {"spacing", kFlowWindowSpacing}};
  return out.dump();
}

const SurfaceLayout& surface_named(const std::string& name) {
  const SurfaceLayout* s = find_surface_layout(name);
  if (s == nullptr) throw std::invalid_argument("no picture called " + name);
  return *s;
}

std::size_t index_of(const SurfaceLayout& s) { return static_cast<std::size_t>(&s - kSurfaceLayouts.data()); }

// Snapped to the device's pixels for a canvas or an image; exact for SVG,
// which a reader enlarges.
DevicePlan plan_of(const std::string& name, double scale, bool snapped = true) {
  const SurfaceLayout& s = surface_named(name);
  const RecordingSurface& r = current().surface(index_of(s));
  return plan_picture(r.calls(), r.scale_at_start(), s.pixel_width(), s.pixel_height(), scale, s.BackColor,
                      s.ForeColor, 1, snapped);
}

// A picture at `scale` device pixels per logical pixel, as
// {width, height, shapes: [[kind, x1, y1, x2, y2, pen, "#rrggbb", dashes], ...]},
// kind 0 fill, 1 line, 2 dot, 3 ring; dashes the dash pattern in device
// pixels, empty for a solid stroke.
std::string plan(const std::string& name, double scale, bool exact) {
  const DevicePlan p = plan_of(name, scale, !exact);
  Json shapes = Json::array();
  for (const DeviceShape& s : p.shapes) {
    Json dashes = Json::array();
    for (const double length : dash_pattern(s.style)) dashes.push_back(length * s.pen);
    shapes.push_back(
        {static_cast<int>(s.kind), s.x1, s.y1, s.x2, s.y2, s.pen, css_colour(s.colour), std::move(dashes)});
  }
  return Json{{"width", p.width}, {"height", p.height}, {"shapes", shapes}}.dump();
}

// The picture as SVG, with the axis names and tick values that sit on it and
// the lesson's notes, `notes` as the page placed them: a JSON array of
// {text, left, top, width, height} in logical pixels.
std::string svg(const std::string& name, double scale, const std::string& notes) {
  const SurfaceLayout& s = surface_named(name);
  std::vector<SvgLabel> labels;
  const auto add = [&labels, scale](const std::string& text, double left, double top, double width,
                                    double height, Face face) {
    const Font f = font_of(face);
    labels.push_back({text, left * scale, top * scale, width * scale, height * scale, css_family(f.family),
                      f.points * 96 / 72 * scale, f.italic, f.bold});
  };
  for (const Annotation& a : kAnnotations) {
    if (surface_layout(a.surface).name != s.name) continue;
    // Twips to logical pixels: 15 twips each.
    add(a.text, a.place.left / 15.0, a.place.top / 15.0, a.place.width / 15.0, a.place.height / 15.0, a.face);
  }
  for (const Json& n : Json::parse(notes.empty() ? "[]" : notes)) {
    add(n.at("text").get<std::string>(), n.at("left").get<double>(), n.at("top").get<double>(),
        n.at("width").get<double>(), n.at("height").get<double>(), Face::tick);
  }
  // A saved picture says which dashed curve is which, below itself.
  DevicePlan plan = plan_of(name, scale, false);
  const LegendStrip strip =
      legend_strip(headed_legend(current().form().w), s.pixel_width(), s.pixel_height());
  plan.height += strip.height * scale;
  for (const LegendLine& line : strip.lines) {
    labels.push_back({render(line.text, [](const std::string& t) { return translate(kReadoutsContext, t); }),
                      line.left * scale, line.top * scale, line.width * scale, line.height * scale,
                      css_family(kLegendFont.family), kLegendFont.points * 96 / 72 * scale});
  }
  return picture_svg(plan, labels, s.BackColor);
}

// The strip below a saved picture: {height, font, lines: [{text, left, top,
// width, height}]} in logical pixels, the texts in the page's language.
std::string legend_strip_json(const std::string& name) {
  const SurfaceLayout& s = surface_named(name);
  const LegendStrip strip =
      legend_strip(headed_legend(current().form().w), s.pixel_width(), s.pixel_height());
  Json lines = Json::array();
  for (const LegendLine& line : strip.lines) {
    lines.push_back(
        {{"text", render(line.text, [](const std::string& t) { return translate(kReadoutsContext, t); })},
         {"left", line.left},
         {"top", line.top},
         {"width", line.width},
         {"height", line.height}});
  }
  return Json{{"height", strip.height}, {"font", css_font(kLegendFont)}, {"lines", std::move(lines)}}.dump(
      -1, ' ', false, Json::error_handler_t::replace);
}

// The lesson's notes on picture `name` (on the pressure picture: the
// supercritical notice, the sonic line's name, a peak off the chart) in the
// page's language, as [{text, left, top}]: `measure(text)` gives the
// [width, height] of a note as the page lays it out.
std::string notes(const std::string& name, emscripten::val measure) {
  const SurfaceLayout& s = surface_named(name);
  const RecordingSurface& r = current().surface(index_of(s));
  if (index_of(s) != static_cast<std::size_t>(SurfaceId::pressure) || !r.scale()) return "[]";
  const std::vector<PictureNote> shown = pressure_notes(current().form().readouts());
  std::vector<std::string> texts;
  std::vector<std::array<int, 2>> sizes;
  for (const PictureNote& note : shown) {
    texts.push_back(
        render(note.text, [](const std::string& source) { return translate(kReadoutsContext, source); }));
    const emscripten::val size = measure(texts.back());
    sizes.push_back({size[0].as<int>(), size[1].as<int>()});
  }
  const std::vector<NotePlace> places =
      place_notes(shown, sizes, *r.scale(), s.pixel_width(), s.pixel_height());
  Json out = Json::array();
  for (std::size_t k = 0; k < shown.size(); ++k) {
    out.push_back({{"text", texts[k]}, {"left", places[k].left}, {"top", places[k].top}});
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The value under the pointer at (x, y) of picture `name`, in its own axes;
// empty before the picture is drawn.
std::string value_at(const std::string& name, double x, double y) {
  const SurfaceLayout& s = surface_named(name);
  const RecordingSurface& r = current().surface(index_of(s));
  if (!r.scale()) return "";
  return value_under_pointer(static_cast<SurfaceId>(index_of(s)), *r.scale(), s.pixel_width(),
                             s.pixel_height(), x, y);
}

// The data table `name` ("section.csv", or "section") as the window drew it.
std::string csv(const std::string& name) {
  for (const DataTable& table : kDataTables) {
    if (name == table.file || name + ".csv" == table.file) return table_text(table, current().form());
  }
  throw std::invalid_argument("no table called " + name);
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

// The page's language, and the translation as {context: {source: text}}.
void set_language(bool to_english, const std::string& tables_json) {
  english = to_english;
  translation_tables.clear();
  const Json tables = Json::parse(tables_json, nullptr, false);
  if (!tables.is_object()) return;
  for (const auto& [context, table] : tables.items()) {
    if (!table.is_object()) continue;
    for (const auto& [source, text] : table.items()) {
      if (text.is_string()) translation_tables[context][source] = text.get<std::string>();
    }
  }
}

// The message boxes shown so far, in the page's language.
std::string messages() {
  Json out = Json::array();
  for (const Phrase& phrase : current().message_phrases()) {
    out.push_back(render(phrase, [](const std::string& source) { return translate("Messages", source); }));
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

// --- The flow-field view (F2) ---------------------------------------------

}  // namespace

// The CSS font of a layout font: points at 96 dots per inch.
std::string css_font(const Font& f) {
  return std::string(f.italic ? "italic " : "") + (f.bold ? "bold " : "") +
         shortest_text(f.points * 96 / 72) + "px " + css_family(f.family);
}

namespace {

struct FlowView {
  std::unique_ptr<PageMetrics> metrics;
  FlowStyle style;
  std::optional<FlowField> field;
  std::shared_ptr<const FlowScene> scene;
  std::optional<std::pair<Plane, PlanePoint>> hovered;
  bool by_keyboard = false;  // the hovered point is the keyboard's probe, ringed in its own plane too
};
FlowView flow_view;

Plane plane_named(const std::string& name) { return name == "circle" ? Plane::circle : Plane::airfoil; }

std::string css_argb(std::uint32_t c) {
  if (c == 0) return "";
  char text[40];
  std::snprintf(text, sizeof text, "rgba(%u,%u,%u,%s)", (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF,
                shortest_text(((c >> 24) & 0xFF) / 255.0).c_str());
  return text;
}

// The pixels of the images of the drawing written last, one vector each,
// and the x, y pairs of its shapes' points, all shapes' in one.
std::vector<std::vector<std::uint32_t>> drawing_images;
std::vector<double> drawing_numbers;

// The pixels (0xAARRGGBB) of image `k` of the drawing written last, as a
// view the page copies at once.
emscripten::val drawing_pixels(int k) {
  static const std::vector<std::uint32_t> none;
  const auto& pixels = k >= 0 && static_cast<std::size_t>(k) < drawing_images.size()
                           ? drawing_images[static_cast<std::size_t>(k)]
                           : none;
  return emscripten::val(emscripten::typed_memory_view(pixels.size(), pixels.data()));
}

// The points of the drawing written last, as a view the page copies at once.
emscripten::val drawing_numbers_view() {
  return emscripten::val(emscripten::typed_memory_view(drawing_numbers.size(), drawing_numbers.data()));
}

// A command's name in the page: "flow", "print_window", ...
const char* command_name(Command command) {
  static constexpr const char* names[] = {
      "none",      "about",        "help",         "flow",    "boundary_layer", "readouts",   "pin",
      "unpin_all", "print_window", "save_handout", "zoom_in", "zoom_out",       "zoom_reset", "close_window"};
  static_assert(std::size(names) == static_cast<std::size_t>(Command::close_window) + 1);
  return names[static_cast<int>(command)];
}

}  // namespace

std::string image_uri(const emscripten::val& encode, const ArgbImage& image) {
  return encode(image.width, image.height,
                emscripten::val(emscripten::typed_memory_view(image.pixels.size(), image.pixels.data())))
      .as<std::string>();
}

std::string menu_json(const std::string& csv_file) {
  const auto t = [](const char* source) { return translate(kPictureMenuContext, source); };
  Json out = Json::array();
  out.push_back({{"action", "copy"}, {"text", t(kMenuCopy)}});
  for (const int scale : kPngScales) {
    std::string text = t(kMenuPng);
    if (const auto at = text.find("%1"); at != std::string::npos) text.replace(at, 2, std::to_string(scale));
    out.push_back({{"action", "png"}, {"text", text}, {"scale", scale}});
  }
  out.push_back({{"action", "svg"}, {"text", t(kMenuSvg)}});
  if (!csv_file.empty()) out.push_back({{"action", "csv"}, {"text", t(kMenuCsv)}, {"file", csv_file}});
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

namespace {

// A drawing's number to a hundredth of a logical pixel: finer than any screen
// shows, and written and read several times faster than its exact digits,
// which counts when the flow view follows a dragged bar.
void put_whole(std::string& out, unsigned long long v) {
  char digits[24];
  char* end = digits + sizeof digits;
  char* at = end;
  do {
    *--at = static_cast<char>('0' + v % 10);
    v /= 10;
  } while (v != 0);
  out.append(at, end);
}

void put_number(std::string& out, double x) {
  if (!std::isfinite(x)) x = 0;
  long long v = std::llround(std::clamp(x, -1e12, 1e12) * 100);
  if (v < 0) {
    out += '-';
    v = -v;
  }
  put_whole(out, static_cast<unsigned long long>(v / 100));
  if (const long long hundredths = v % 100; hundredths != 0) {
    out += '.';
    out += static_cast<char>('0' + hundredths / 10);
    if (hundredths % 10 != 0) out += static_cast<char>('0' + hundredths % 10);
  }
}

void put_string(std::string& out, const std::string& text) {
  out += '"';
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      out += escaped;
    } else {
      out += c;
    }
  }
  out += '"';
}

}  // namespace

std::string drawing_json(const FlowDrawing& d) {
  static const char* const kinds[] = {"fill",    "text",    "wrapped", "baseline", "image", "polyline",
                                      "polygon", "ellipse", "frame",   "line",     "clip",  "unclip"};
  std::vector<const ArgbImage*> images;
  drawing_numbers.clear();
  std::string out;
  out.reserve(4096);
  out +=
      "{\"width\":" + std::to_string(d.width) + ",\"height\":" + std::to_string(d.height) + ",\"shapes\":[";
  for (std::size_t k = 0; k < d.shapes.size(); ++k) {
    const FlowShape& shape = d.shapes[k];
    out += k == 0 ? "{\"kind\":\"" : ",{\"kind\":\"";
    out += kinds[static_cast<int>(shape.kind)];
    out += "\",\"rect\":[";
    for (const double v : {shape.rect.x, shape.rect.y, shape.rect.w, shape.rect.h}) {
      put_number(out, v);
      out += ',';
    }
    out.back() = ']';
    out += ",\"pen\":";
    put_string(out, css_argb(shape.pen));
    out += ",\"width\":";
    put_number(out, shape.pen_width);
    out += shape.round ? ",\"round\":true,\"fill\":" : ",\"round\":false,\"fill\":";
    put_string(out, css_argb(shape.fill));
    if (!shape.points.empty()) {
      // [where its x, y pairs start in drawingNumbers, how many numbers]
      out += ",\"points\":[";
      put_whole(out, drawing_numbers.size());
      out += ',';
      put_whole(out, 2 * shape.points.size());
      out += ']';
      for (const Point& q : shape.points) {
        drawing_numbers.push_back(q.x);
        drawing_numbers.push_back(q.y);
      }
    }
    if (!shape.text.empty()) {
      out += ",\"text\":";
      put_string(out, shape.text);
      out += ",\"font\":";
      put_string(out, css_font(shape.font));
    }
    if (shape.image != nullptr) {
      auto at = std::find(images.begin(), images.end(), shape.image);
      if (at == images.end()) at = images.insert(images.end(), shape.image);
      out += ",\"image\":" + std::to_string(at - images.begin());
    }
    out += '}';
  }
  // The images' pixels go across as they are, not as text: the page takes
  // them with drawingPixels right after reading the drawing.
  drawing_images.clear();
  out += "],\"images\":[";
  for (std::size_t k = 0; k < images.size(); ++k) {
    const ArgbImage& image = *images[k];
    out += k == 0 ? "{\"width\":" : ",{\"width\":";
    put_whole(out, static_cast<unsigned>(std::max(0, image.width)));
    out += ",\"height\":";
    put_whole(out, static_cast<unsigned>(std::max(0, image.height)));
    out += '}';
    drawing_images.push_back(image.pixels);
  }
  out += "]}";
  return out;
}

namespace {

// Builds the scene of the state as it is now for two pictures of `width` x
// `height` logical pixels each; the page calls it when the view opens, when
// its size changes and after every event of the main window.
void flow_open(int width, int height, double zoom, emscripten::val measure) {
  flow_view.metrics = std::make_unique<PageMetrics>(std::move(measure));
  flow_view.style.zoom = zoom;
  flow_view.field = flow_field(current().form().w);
  flow_view.scene = make_flow_scene(flow_view.field, current().form().w.AlfaD, {width, height},
                                    {width, height}, flow_view.style, *flow_view.metrics);
  if (!flow_view.field) flow_view.hovered.reset();
}

// One plane's drawing in the page's language; `marked` rings the point
// under the pointer (on screen), an exported picture shows the flow alone.
// `map_samples` as draw_flow_plane takes it.
FlowDrawing flow_plane_drawing(Plane p, bool marked, double map_samples = 0) {
  const std::string title =
      translate("FlowWindow", flow_plane_title_source(p)) + flow_title_suffix(*flow_view.scene, p);
  return draw_flow_plane(
      *flow_view.scene, p, flow_view.style, *flow_view.metrics, title,
      translate("FlowWindow", flow_hint_source()),
      marked ? flow_mark_in(flow_view.field, flow_view.hovered, p, flow_view.by_keyboard) : std::nullopt,
      map_samples);
}

// One plane's drawing as {width, height, shapes: [...], images: [...]}, as
// shown (`marked`) or as saved.
std::string flow_drawing(const std::string& name, bool marked) {
  if (!flow_view.scene) return "null";
  return drawing_json(flow_plane_drawing(plane_named(name), marked));
}

// One plane's drawing as an SVG file. Its colour map is sampled afresh at one
// sample per logical pixel, finer than the screen's grid, and the page's
// `encode(width, height, argb)` gives the data URI of its PNG (the browser's
// PNG writer compresses it).
std::string flow_svg(const std::string& name, emscripten::val encode) {
  if (!flow_view.scene) return "";
  return drawing_svg(flow_plane_drawing(plane_named(name), false, 1.0), *flow_view.metrics,
                     [&encode](const ArgbImage& image) { return image_uri(encode, image); });
}

// The file name of a plane's picture, without its extension.
std::string flow_file(const std::string& name) { return flow_picture_file(plane_named(name)); }

// The flow pictures' menu: copy and the image files, as the desktop's.
std::string flow_menu() { return menu_json(""); }

// The pointer at (x, y) of plane `name`'s picture, or off both pictures
// (empty name). Returns the readout in the page's language.
std::string flow_pointer(const std::string& name, double x, double y) {
  flow_view.hovered.reset();
  flow_view.by_keyboard = false;
  if (!name.empty() && flow_view.scene && flow_view.field) {
    const Plane p = plane_named(name);
    const FlowPlane& plane = flow_view.scene->of(p);
    if (plane.plot.contains(x, y)) flow_view.hovered = std::pair{p, to_plane(plane, Point{x, y})};
  }
  return render(flow_readout(flow_view.field, flow_view.hovered),
                [](const std::string& source) { return translate("FlowWindow", source); });
}

// An arrow key on plane `name`'s picture: moves the keyboard's probe point
// by the one rule both faces use. Returns the readout as flow_pointer does.
std::string flow_probe(const std::string& name, int dx, int dy, bool fine) {
  if (!flow_view.scene || !flow_view.field) return flow_pointer("", 0, 0);
  const Plane p = plane_named(name);
  const Point at = flow_probe_step(*flow_view.scene, flow_view.hovered, p, dx, dy, fine);
  const std::string readout = flow_pointer(name, at.x, at.y);
  flow_view.by_keyboard = true;
  return readout;
}

// The view's texts in the page's language: its title, menu entry, the
// readout's name, and each plane's name and description.
std::string flow_texts() {
  const auto t = [](const char* source) { return translate("FlowWindow", source); };
  Json planes = Json::object();
  for (const Plane p : {Plane::airfoil, Plane::circle}) {
    const std::string description =
        render(flow_plane_description(flow_view.field, current().form().w.AlfaD, p),
               [](const std::string& s) { return translate("FlowWindow", s); });
    planes[p == Plane::airfoil ? "airfoil" : "circle"] = {{"name", t(flow_plane_name_source(p))},
                                                          {"description", description}};
  }
  return Json{{"title", t(kFlowWindowTitle)},
              {"menu", translate(kKeysContext, key_entry(Command::flow).text)},
              {"readout", t(kFlowReadoutName)},
              {"planes", planes}}
      .dump();
}

// What assistive technology says of each control and picture, in the page's
// language: {object: {name, description, tooltip}}; a picture's description
// holds the numbers of the case it was drawn with.
std::string control_texts() {
  const auto t = [](const char* source) { return translate(kControlsContext, source); };
  Json out = Json::object();
  for (const ControlText& entry : kControlTexts) {
    out[entry.object] = {
        {"name", t(entry.name)}, {"description", t(entry.description)}, {"tooltip", t(entry.description)}};
  }
  const DrawnCases& cases = current().form().drawn_cases();
  for (std::size_t i = 0; i < kPictureTexts.size(); ++i) {
    const std::string meaning = t(kPictureTexts[i].description);
    Json entry{{"name", t(kPictureTexts[i].name)}};
    if (!cases[i]) {
      entry["description"] = t(kNotDrawnYet) + " " + meaning;
      entry["tooltip"] = t(kNotDrawnYet);
    } else {
      const std::string now = render(picture_numbers(static_cast<SurfaceId>(i), *cases[i]),
                                     [](const std::string& s) { return translate(kControlsContext, s); });
      entry["description"] = now + " " + meaning;
      entry["tooltip"] = meaning + "\n" + now;
    }
    out[kSurfaceLayouts[i].name.data()] = std::move(entry);
  }
  // Past the critical Mach number the pressure picture says so to the ear too.
  const std::string notice = render(supercritical_notice(current().form().readouts()),
                                    [](const std::string& s) { return translate(kReadoutsContext, s); });
  if (!notice.empty()) {
    auto& pressure = out[kSurfaceLayouts[static_cast<std::size_t>(SurfaceId::pressure)].name.data()];
    pressure["description"] = pressure["description"].get<std::string>() + " ⚠ " + notice;
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The key table: [{command, name, text, shortcut}], the texts in the page's
// language, the shortcut in portable form ("Ctrl+Shift+K", alternatives
// joined by "; "). The page binds its keys from it.
std::string keys() {
  Json out = Json::array();
  for (const KeyEntry& entry : kKeyTable) {
    if (entry.command == Command::none) continue;
    out.push_back({{"command", command_name(entry.command)},
                   {"name", entry.name},
                   {"text", *entry.text ? translate(kKeysContext, entry.text) : ""},
                   {"shortcut", entry.shortcut}});
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The right-click menu of picture `name` in the page's language, in the
// desktop menu's order: [{action, text, scale?, file?}]. Saving as PDF is
// left out: the page prints through the browser, whose print saves PDF.
std::string picture_menu(const std::string& name) {
  const auto command_entry = [](Command command) {
    const KeyEntry& entry = key_entry(command);
    return Json{{"action", "command"},
                {"command", command_name(command)},
                {"text", translate(kKeysContext, entry.text)}};
  };
  // Every picture has a table: the airfoil's is the section, as the pressure's.
  for (std::size_t i = 0; i < kSurfaceLayouts.size(); ++i) {
    if (kSurfaceLayouts[i].name != name) continue;
    Json out = Json::array();
    for (const Command view : kPictureViews[i]) {
      if (view == Command::none) continue;
      Json entry = command_entry(view);
      entry["lead"] = true;
      out.push_back(std::move(entry));
    }
    for (Json& entry : Json::parse(menu_json(data_table_of(static_cast<SurfaceId>(i)).file))) {
      out.push_back(std::move(entry));
    }
    for (const Command end : kPictureMenuEnd) out.push_back(command_entry(end));
    return out.dump(-1, ' ', false, Json::error_handler_t::replace);
  }
  return menu_json("");
}

// The one-page handout's texts in the page's language, as the picture that
// shows each was drawn: {lines: [{text, heading}], readouts: [...], legend:
// [...]}; the page prints them beside its pictures.
std::string handout() {
  const Form1& form = current().form();
  const auto in = [](const char* context) {
    return [context](const std::string& source) { return translate(context, source); };
  };
  Json lines = Json::array();
  for (const HandoutLine& line : handout_lines(form)) {
    lines.push_back({{"text", render(line.text, in(kHandoutContext))}, {"heading", line.heading}});
  }
  const HandoutStrip strip = handout_strip(form);
  Json readouts = Json::array(), legend = Json::array();
  for (const Phrase& p : strip.readouts) readouts.push_back(render(p, in(kReadoutsContext)));
  for (const Phrase& p : strip.legend) legend.push_back(render(p, in(kReadoutsContext)));
  return Json{{"lines", std::move(lines)}, {"readouts", std::move(readouts)}, {"legend", std::move(legend)}}
      .dump(-1, ' ', false, Json::error_handler_t::replace);
}

// The help (F1) as HTML, in the page's language.
std::string help() {
  return help_html([](const char* context, const char* source) { return translate(context, source); },
                   AIRFOIL_VERSION);
}

}  // namespace

EMSCRIPTEN_BINDINGS(pelmora) {
  emscripten::function("layout", &layout);
  emscripten::function("plan", &plan);
  emscripten::function("svg", &svg);
  emscripten::function("csv", &csv);
  emscripten::function("notes", &notes);
  emscripten::function("legendStrip", &legend_strip_json);
  emscripten::function("valueAt", &value_at);
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
  emscripten::function("flowOpen", &flow_open);
  emscripten::function("flowDrawing", &flow_drawing);
  emscripten::function("drawingPixels", &drawing_pixels);
  emscripten::function("drawingNumbers", &drawing_numbers_view);
  emscripten::function("flowPointer", &flow_pointer);
  emscripten::function("flowTexts", &flow_texts);
  emscripten::function("controlTexts", &control_texts);
  emscripten::function("help", &help);
  emscripten::function("keys", &keys);
  emscripten::function("handout", &handout);
  emscripten::function("pictureMenu", &picture_menu);
  emscripten::function("flowProbe", &flow_probe);
  emscripten::function("flowSvg", &flow_svg);
  emscripten::function("flowMenu", &flow_menu);
  emscripten::function("flowFile", &flow_file);
}

}  // namespace airfoil::web
