#include "charts/picture_svg.h"

#include <cstdio>

#include "model/numtext.h"

namespace airfoil {

namespace {

std::string css_colour(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
  return text;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// Coordinates in the shortest text that reads back exactly: the file is as
// precise as the plan and never depends on the locale.
std::string n(double x) { return shortest_text(x); }

}  // namespace

std::string picture_svg(const DevicePlan& plan, const std::vector<SvgLabel>& labels, Colour back) {
  const std::string w = std::to_string(plan.width), h = std::to_string(plan.height);
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w +
      "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  out += "<clipPath id=\"picture\"><rect width=\"" + w + "\" height=\"" + h + "\"/></clipPath>\n";
  out += "<g clip-path=\"url(#picture)\" shape-rendering=\"crispEdges\">\n";
  for (const DeviceShape& s : plan.shapes) {
    const std::string colour = css_colour(s.colour);
    switch (s.kind) {
      case DeviceShape::Kind::Fill:
        out += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"" + colour + "\"/>\n";
        break;
      case DeviceShape::Kind::Line:
        out += "<line x1=\"" + n(s.x1) + "\" y1=\"" + n(s.y1) + "\" x2=\"" + n(s.x2) + "\" y2=\"" + n(s.y2) +
               "\" stroke=\"" + colour + "\" stroke-width=\"" + std::to_string(s.pen) +
               "\" stroke-linecap=\"square\"/>\n";
        break;
      case DeviceShape::Kind::Dot:
        out += "<rect x=\"" + n(s.x1) + "\" y=\"" + n(s.y1) + "\" width=\"" + std::to_string(s.pen) +
               "\" height=\"" + std::to_string(s.pen) + "\" fill=\"" + colour + "\"/>\n";
        break;
      case DeviceShape::Kind::Ring:
        out += "<circle cx=\"" + n(s.x1) + "\" cy=\"" + n(s.y1) + "\" r=\"" + n(s.x2) +
               "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"" + std::to_string(s.pen) +
               "\" shape-rendering=\"geometricPrecision\"/>\n";
        break;
    }
  }
  for (const SvgLabel& label : labels) {
    out += "<rect x=\"" + n(label.left) + "\" y=\"" + n(label.top) + "\" width=\"" + n(label.width) +
           "\" height=\"" + n(label.height) + "\" fill=\"" + css_colour(back) + "\"/>\n";
    out += "<text x=\"" + n(label.left) + "\" y=\"" + n(label.top + label.height / 2) +
           "\" dominant-baseline=\"central\" xml:space=\"preserve\" font-family=\"" +
           escaped(label.font_family) + "\" font-size=\"" + n(label.font_pixels) + "px\"" +
           (label.italic ? " font-style=\"italic\"" : "") + (label.bold ? " font-weight=\"bold\"" : "") +
           " fill=\"#000000\">" + escaped(label.text) + "</text>\n";
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace airfoil
