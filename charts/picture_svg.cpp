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

// Coordinates in the shortest text that reads back exactly: the file is as
// precise as the plan and never depends on the locale.
std::string n(double x) { return shortest_text(x); }

// The dash pattern of a shape in its pen widths, as SVG lengths.
std::string dashes(const DeviceShape& s) {
  std::string out;
  for (const double length : dash_pattern(s.style)) {
    if (!out.empty()) out += ' ';
    out += n(length * s.pen);
  }
  return out;
}

// Whether dashed line `b` goes on where dashed line `a` ends, in the same pen.
bool joins(const DeviceShape& a, const DeviceShape& b) {
  return b.kind == DeviceShape::Kind::Line && b.style == a.style && b.colour == a.colour && b.pen == a.pen &&
         b.x1 == a.x2 && b.y1 == a.y2;
}

// One element written attribute by attribute into the document.
class Element {
 public:
  Element(std::string& out, const char* name) : out_(out) {
    out_ += '<';
    out_ += name;
  }
  Element& operator()(const char* attribute, const std::string& value) {
    out_ += ' ';
    out_ += attribute;
    out_ += "=\"";
    out_ += value;
    out_ += '"';
    return *this;
  }
  void close() { out_ += "/>\n"; }
  void open() { out_ += ">\n"; }
  void close_with(const std::string& text, const char* name) {
    out_ += '>';
    out_ += text;
    out_ += "</";
    out_ += name;
    out_ += ">\n";
  }

 private:
  std::string& out_;
};

}  // namespace

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

std::string picture_svg(const DevicePlan& plan, const std::vector<SvgLabel>& labels, Colour back) {
  const std::string w = n(plan.width), h = n(plan.height);
  std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  Element(out, "svg")("xmlns", "http://www.w3.org/2000/svg")("width", w)("height", h)("viewBox",
                                                                                      "0 0 " + w + " " + h)
      .open();
  out += "<clipPath id=\"picture\">";
  Element(out, "rect")("width", w)("height", h).close();
  out += "</clipPath>\n<g clip-path=\"url(#picture)\" shape-rendering=\"crispEdges\">\n";
  for (std::size_t i = 0; i < plan.shapes.size(); ++i) {
    const DeviceShape& s = plan.shapes[i];
    const std::string colour = css_colour(s.colour);
    const std::string pen = n(s.pen);
    if (s.kind == DeviceShape::Kind::Line && s.style != LineStyle::solid) {
      // A dashed curve is one polyline, so that its dashes run evenly
      // along it instead of restarting at every segment.
      std::string points;
      const auto point = [&points](double x, double y) {
        if (!points.empty()) points += ' ';
        points += n(x);
        points += ',';
        points += n(y);
      };
      point(s.x1, s.y1);
      point(s.x2, s.y2);
      while (i + 1 < plan.shapes.size() && joins(plan.shapes[i], plan.shapes[i + 1])) {
        ++i;
        point(plan.shapes[i].x2, plan.shapes[i].y2);
      }
      Element(out, "polyline")("points", points)("fill", "none")("stroke", colour)("stroke-width", pen)(
          "stroke-dasharray", dashes(s))
          .close();
      continue;
    }
    switch (s.kind) {
      case DeviceShape::Kind::Fill:
        Element(out, "rect")("width", w)("height", h)("fill", colour).close();
        break;
      case DeviceShape::Kind::Line:
        Element(out, "line")("x1", n(s.x1))("y1", n(s.y1))("x2", n(s.x2))("y2", n(s.y2))("stroke", colour)(
            "stroke-width", pen)("stroke-linecap", s.round ? "round" : "square")
            .close();
        break;
      case DeviceShape::Kind::Dot:
        Element(out, "rect")("x", n(s.x1))("y", n(s.y1))("width", pen)("height", pen)("fill", colour).close();
        break;
      case DeviceShape::Kind::Ring:
        Element(out, "circle")("cx", n(s.x1))("cy", n(s.y1))("r", n(s.x2))("fill", "none")("stroke", colour)(
            "stroke-width", pen)("shape-rendering", "geometricPrecision")
            .close();
        break;
    }
  }
  for (const SvgLabel& label : labels) {
    Element(out, "rect")("x", n(label.left))("y", n(label.top))("width", n(label.width))(
        "height", n(label.height))("fill", css_colour(back))
        .close();
    Element text(out, "text");
    text("x", n(label.left))("y", n(label.top + label.height / 2))("dominant-baseline", "central")(
        "xml:space", "preserve")("font-family", escaped(label.font_family))("font-size",
                                                                            n(label.font_pixels) + "px");
    if (label.italic) text("font-style", "italic");
    if (label.bold) text("font-weight", "bold");
    text("fill", "#000000").close_with(escaped(label.text), "text");
  }
  out += "</g>\n</svg>\n";
  return out;
}

}  // namespace airfoil
