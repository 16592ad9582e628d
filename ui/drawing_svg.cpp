#include "ui/drawing_svg.h"

#include <cstdio>
#include <vector>

#include "charts/picture_svg.h"
#include "model/numtext.h"

namespace airfoil {

namespace {

// Numbers in the shortest text that reads back exactly, never in the
// locale's form.
std::string n(double x) { return shortest_text(x); }

std::string rgb(std::uint32_t argb) {
  char text[8];
  std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(argb & 0xFFFFFF));
  return text;
}

// A paint attribute pair: the colour and, when it is not opaque, its
// opacity; "none" for nothing.
std::string paint(const char* name, std::uint32_t argb) {
  if ((argb >> 24) == 0) return std::string(" ") + name + "=\"none\"";
  std::string out = std::string(" ") + name + "=\"" + rgb(argb) + "\"";
  if ((argb >> 24) != 0xFF) out += std::string(" ") + name + "-opacity=\"" + n((argb >> 24) / 255.0) + "\"";
  return out;
}

std::string stroke(const FlowShape& s) {
  if (s.pen_width <= 0) return " stroke=\"none\"";
  return paint("stroke", s.pen) + " stroke-width=\"" + n(s.pen_width) + "\"" +
         (s.round ? " stroke-linecap=\"round\" stroke-linejoin=\"round\""
                  : " stroke-linecap=\"square\" stroke-linejoin=\"bevel\"");
}

std::string points(const std::vector<Point>& ps) {
  std::string out;
  for (const Point& p : ps) {
    if (!out.empty()) out += ' ';
    out += n(p.x) + ',' + n(p.y);
  }
  return out;
}

std::string font(const Font& f) {
  std::string out = std::string(" font-family=\"") + escaped(css_family(f.family)) + "\" font-size=\"" +
                    n(f.points * 96 / 72) + "px\"";
  if (f.italic) out += " font-style=\"italic\"";
  if (f.bold) out += " font-weight=\"bold\"";
  return out;
}

std::string text_element(const FlowShape& s, double x, double y, const char* anchor, const char* baseline,
                         const std::string& text) {
  return "<text x=\"" + n(x) + "\" y=\"" + n(y) + "\" text-anchor=\"" + anchor + "\" dominant-baseline=\"" +
         baseline + "\" xml:space=\"preserve\"" + font(s.font) + paint("fill", s.pen) + ">" + escaped(text) +
         "</text>\n";
}

// Words put on lines no wider than `width`, as the faces wrap a centred text.
std::vector<std::string> wrapped(const std::string& text, const Font& f, double width,
                                 const TextMetrics& metrics) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t at = 0;
  while (at <= text.size()) {
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const std::string word = text.substr(at, end - at);
    const std::string tried = line.empty() ? word : std::string(line).append(1, ' ').append(word);
    if (!line.empty() && metrics.advance(f, tried) > width) {
      lines.push_back(line);
      line = word;
    } else {
      line = tried;
    }
    at = end + 1;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

const char* css_family(Family family) {
  switch (family) {
    case Family::symbol: return "'Times New Roman', 'Liberation Serif', Tinos, 'DejaVu Serif', serif";
    case Family::verdana:
      return "Verdana, 'DejaVu Sans', 'Bitstream Vera Sans', 'Liberation Sans', sans-serif";
    case Family::arial: break;
  }
  return "Arial, 'Liberation Sans', Arimo, 'Nimbus Sans', 'DejaVu Sans', sans-serif";
}

std::string drawing_svg(const FlowDrawing& d, const TextMetrics& metrics,
                        const std::function<std::string(const ArgbImage&)>& image_uri) {
  using Kind = FlowShape::Kind;
  const std::string w = n(d.width), h = n(d.height);
  std::string out =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w +
      "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
  int clips = 0, open_clips = 0;
  for (const FlowShape& s : d.shapes) {
    const Rect& r = s.rect;
    const std::string box =
        "x=\"" + n(r.x) + "\" y=\"" + n(r.y) + "\" width=\"" + n(r.w) + "\" height=\"" + n(r.h) + "\"";
    switch (s.kind) {
      case Kind::Fill: out += "<rect " + box + paint("fill", s.fill) + "/>\n"; break;
      case Kind::Text: out += text_element(s, r.x, r.y + r.h / 2, "start", "central", s.text); break;
      case Kind::BaselineText:
        if (!s.points.empty())
          out += text_element(s, s.points[0].x, s.points[0].y, "start", "alphabetic", s.text);
        break;
      case Kind::WrappedText: {
        const std::vector<std::string> lines = wrapped(s.text, s.font, r.w, metrics);
        const double step = metrics.height(s.font);
        for (std::size_t k = 0; k < lines.size(); ++k) {
          const double y =
              r.y + r.h / 2 + (static_cast<double>(k) - (static_cast<double>(lines.size()) - 1) / 2) * step;
          out += text_element(s, r.x + r.w / 2, y, "middle", "central", lines[k]);
        }
        break;
      }
      case Kind::Image:
        if (s.image != nullptr) {
          out += "<image " + box +
                 " preserveAspectRatio=\"none\" style=\"image-rendering:optimizeQuality\" "
                 "href=\"" +
                 image_uri(*s.image) + "\"/>\n";
        }
        break;
      case Kind::Polyline:
        out += "<polyline points=\"" + points(s.points) + "\" fill=\"none\"" + stroke(s) + "/>\n";
        break;
      case Kind::Polygon:
        out += "<polygon points=\"" + points(s.points) + "\"" + paint("fill", s.fill) + stroke(s) + "/>\n";
        break;
      case Kind::Ellipse:
        if (!s.points.empty()) {
          out += "<ellipse cx=\"" + n(s.points[0].x) + "\" cy=\"" + n(s.points[0].y) + "\" rx=\"" + n(r.w) +
                 "\" ry=\"" + n(r.h) + "\"" + paint("fill", s.fill) + stroke(s) + "/>\n";
        }
        break;
      case Kind::Frame: out += "<rect " + box + " fill=\"none\"" + stroke(s) + "/>\n"; break;
      case Kind::Line:
        if (s.points.size() >= 2)
          out += "<polyline points=\"" + points({s.points[0], s.points[1]}) + "\" fill=\"none\"" + stroke(s) +
                 "/>\n";
        break;
      case Kind::Clip: {
        const std::string id = "clip" + std::to_string(++clips);
        out.append("<clipPath id=\"").append(id).append("\"><rect ").append(box);
        out.append("/></clipPath>\n<g clip-path=\"url(#").append(id).append(")\">\n");
        ++open_clips;
        break;
      }
      case Kind::Unclip:
        if (open_clips > 0) {
          out += "</g>\n";
          --open_clips;
        }
        break;
    }
  }
  for (; open_clips > 0; --open_clips) out += "</g>\n";
  out += "</svg>\n";
  return out;
}

}  // namespace airfoil
