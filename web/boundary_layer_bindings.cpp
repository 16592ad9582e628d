// The boundary-layer view of the page (F4): the case of the window's state
// at the session's Reynolds number, its four pictures as shape drawings or
// SVG, the numbers in the page's language, the Re box and the two tables.
// The desktop window shows the same case, drawings and texts.

#include <emscripten/bind.h>

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "arguments.h"
#include "bindings.h"
#include "model/phrase.h"
#include "ui/boundary_layer_scene.h"
#include "ui/drawing_svg.h"
#include "ui/key_table.h"

namespace airfoil::web {

namespace {

struct BoundaryLayerView {
  std::unique_ptr<PageMetrics> metrics;
  BoundaryLayerCase shown;
  // The section, incidence and Reynolds number the case was computed for: a
  // polar is twenty-one layers, computed again only when one of them changed.
  std::optional<std::array<double, 9>> computed_for;
};
BoundaryLayerView view;

std::string in_view_language(const std::string& source) { return translate(kBoundaryLayerContext, source); }

BoundaryLayerPlot plot_named(const std::string& name) {
  const std::optional<BoundaryLayerPlot> plot = boundary_layer_plot_named(name);
  if (!plot) throw std::invalid_argument("no boundary-layer picture called " + name);
  return *plot;
}

// Follows the main window: the page calls it when the view opens and after
// every event, with its fonts' measure.
void boundary_layer_update(emscripten::val measure) {
  view.metrics = std::make_unique<PageMetrics>(std::move(measure));
  const WindowState& s = current().form().w;
  const double re = current().reynolds();
  const std::array<double, 9> key{s.Eps, s.Delta, s.AlfaD, s.Chord, s.Radius, s.BetaTE, s.xShift, s.pi, re};
  if (view.computed_for == key) return;
  view.computed_for = key;
  view.shown = boundary_layer_case(s, re);
}

FlowDrawing plot_drawing(const std::string& name, int width, int height, double zoom) {
  return draw_boundary_layer_plot(plot_named(name), view.shown, width, height, zoom, *view.metrics,
                                  in_view_language);
}

// One picture of `width` x `height` logical pixels as {width, height,
// shapes, images}, for drawShapes.
std::string boundary_layer_drawing(const std::string& name, int width, int height, double zoom) {
  if (!view.metrics) return "null";
  return drawing_json(plot_drawing(name, width, height, zoom));
}

std::string boundary_layer_svg(const std::string& name, int width, int height, double zoom,
                               emscripten::val encode) {
  if (!view.metrics) return "";
  return drawing_svg(plot_drawing(name, width, height, zoom), *view.metrics,
                     [&encode](const ArgbImage& image) { return image_uri(encode, image); });
}

// The Re box's text: a Reynolds number from 1e5 to 1e8 becomes the
// session's (the probe's re= action), so the report says what the view
// shows. Returns whether it was taken; either way the box then shows the
// session's value.
bool boundary_layer_reynolds(const std::string& text) {
  const std::optional<double> re = read_reynolds(text);
  if (!re) return false;
  probe::Action action;
  action.kind = probe::Action::Kind::Reynolds;
  action.reynolds = *re;
  current().act(action);
  return true;
}

// The view's texts in the page's language and its designed layout: title,
// menu entry, the Re box's label, name, tooltip and value, the numbers, the
// pictures' names and titles in the grid's order.
std::string boundary_layer_texts() {
  const auto t = [](const char* source) { return translate(kBoundaryLayerContext, source); };
  std::string numbers;
  bool first = true;
  for (const Phrase& line : boundary_layer_numbers(view.shown, current().reynolds())) {
    if (!first) numbers += '\n';
    numbers += render(line, in_view_language);
    first = false;
  }
  Json plots = Json::array();
  for (const BoundaryLayerPlot p : kBoundaryLayerGrid) {
    plots.push_back(
        {{"name", boundary_layer_plot_name(p)}, {"title", t(boundary_layer_plot_title_source(p))}});
  }
  // Field by field: an initializer list of this size costs the page more code.
  Json out = Json::object();
  out["title"] = t(kBoundaryLayerTitle);
  out["menu"] = translate(kKeysContext, key_entry(Command::boundary_layer).text);
  out["reLabel"] = kReynoldsLabel;
  out["reName"] = t(kReynoldsName);
  out["reTip"] = t(kReynoldsTip);
  out["re"] = reynolds_text(current().reynolds());
  out["numbers"] = numbers;
  out["plots"] = std::move(plots);
  out["size"] = {kBoundaryLayerWindowWidth, kBoundaryLayerWindowHeight};
  out["plotMinimum"] = {kBoundaryLayerPlotMinimumWidth, kBoundaryLayerPlotMinimumHeight};
  out["margin"] = kBoundaryLayerMargin;
  out["spacing"] = kBoundaryLayerSpacing;
  out["stretch"] = {kBoundaryLayerPlotsStretch, kBoundaryLayerNumbersStretch};
  out["font"] = css_font(Font{Family::verdana, kBoundaryLayerPoints});
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// Each picture's menu, as the desktop's: copy, the image files, then the two
// tables.
std::string boundary_layer_menu() {
  Json out = Json::parse(menu_json(""));
  for (const BoundaryLayerTable& table : kBoundaryLayerTables) {
    out.push_back({{"action", "csv"}, {"text", in_view_language(table.menu_source)}, {"file", table.file}});
  }
  return out.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string boundary_layer_csv(const std::string& file) {
  const std::string text = boundary_layer_table(view.shown, file);
  if (text.empty()) throw std::invalid_argument("no boundary-layer table called " + file);
  return text;
}

}  // namespace

EMSCRIPTEN_BINDINGS(boundary_layer) {
  emscripten::function("boundaryLayerUpdate", &boundary_layer_update);
  emscripten::function("boundaryLayerDrawing", &boundary_layer_drawing);
  emscripten::function("boundaryLayerSvg", &boundary_layer_svg);
  emscripten::function("boundaryLayerReynolds", &boundary_layer_reynolds);
  emscripten::function("boundaryLayerTexts", &boundary_layer_texts);
  emscripten::function("boundaryLayerMenu", &boundary_layer_menu);
  emscripten::function("boundaryLayerCsv", &boundary_layer_csv);
}

}  // namespace airfoil::web
