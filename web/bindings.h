// What the page's bindings share: the window run headless, the page's
// language, its fonts as the core measures them, and a drawing of shapes as
// the page's canvas replays it. Each view of the page (the flow field, the
// readouts, the boundary layer) keeps its own bindings beside these.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <utility>

#include <nlohmann/json.hpp>

#include "session.h"
#include "ui/flow_scene.h"

namespace airfoil::web {

using Json = nlohmann::ordered_json;

// The window of the page, run as the probe runs it.
probe::Session& current();

// `source` of translation context `context` in the page's language.
std::string translate(const std::string& context, const std::string& source);

// The CSS font of a layout font: points at 96 dots per inch.
std::string css_font(const Font& f);

// The page's fonts measured by its canvas: `measure` is a script object with
// advance(font, text), ascent(font), descent(font) and height(font).
class PageMetrics : public TextMetrics {
 public:
  explicit PageMetrics(emscripten::val measure) : measure_(std::move(measure)) {}
  double advance(const Font& font, const std::string& text) const override {
    return measure_.call<double>("advance", css_font(font), text);
  }
  double ascent(const Font& font) const override { return measure_.call<double>("ascent", css_font(font)); }
  double descent(const Font& font) const override { return measure_.call<double>("descent", css_font(font)); }
  double height(const Font& font) const override { return measure_.call<double>("height", css_font(font)); }

 private:
  emscripten::val measure_;
};

// A drawing of plain shapes and texts (a flow plane, a boundary-layer plot,
// a sweep chart) as {width, height, shapes: [...], images: [...]}, which the
// page's drawShapes replays on a canvas.
std::string drawing_json(const FlowDrawing& d);

// The data URI of an image as the page's `encode(width, height, argb)`
// writes it (a canvas's PNG): for the images of an SVG file.
std::string image_uri(const emscripten::val& encode, const ArgbImage& image);

// A picture's menu as the page shows it, texts in the page's language: copy,
// PNG at each scale, SVG, and the CSV table `csv_file` unless it is empty.
// Each entry is {action: copy|png|svg|csv, text, scale?, file?}.
std::string menu_json(const std::string& csv_file);

}  // namespace airfoil::web
