// A picture as an SVG document: the device shapes of its recorded calls and
// the labels that sit on it. Free of any toolkit, so every face writes the
// same file.
#pragma once

#include <string>
#include <vector>

#include "charts/device_plan.h"

namespace airfoil {

// An opaque label box with black text, left-aligned and centred vertically,
// in the plan's device pixels.
struct SvgLabel {
  std::string text;  // UTF-8
  double left = 0, top = 0, width = 0, height = 0;
  std::string font_family;  // a CSS font-family list
  double font_pixels = 11;
  bool italic = false, bold = false;
};

// `text` with the characters that XML and HTML reserve written as entities,
// for a text or an attribute value of an SVG file or of help's rich text.
std::string escaped(const std::string& text);

// `back` paints the label boxes (the pictures' background).
std::string picture_svg(const DevicePlan& plan, const std::vector<SvgLabel>& labels, Colour back);

}  // namespace airfoil
