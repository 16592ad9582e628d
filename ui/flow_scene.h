// The flow-field pictures without a toolkit: one plane (the section's or its
// circle's) with the pressure colour map behind, streamlines at equal steps of
// psi, the dividing streamline, the body filled, the stagnation points and a
// colour bar. A scene is computed once per state and picture size; its
// drawing is a list of plain shapes and texts in logical pixels, which every
// face (the desktop's painter, the web page's canvas) and every output draws
// the same way. The face supplies only the measures of its fonts.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/flow_field.h"
#include "model/phrase.h"
#include "model/streamlines.h"
#include "ui/translatable.h"
#include "ui/window_layout.h"

namespace airfoil {

// Every size and font of the flow pictures, derived from one zoom factor, so
// that following the main window's zoom is one number.
struct FlowStyle {
  double zoom = 1.0;

  Font title_font() const { return {Family::verdana, 9 * zoom, false, true}; }
  Font tick_font() const { return {Family::arial, 8 * zoom}; }
  double line_width() const { return 0.9 * zoom; }
  double dividing_width() const { return 2.4 * zoom; }
  double marker_radius() const { return 4.5 * zoom; }
  double margin() const { return 6 * zoom; }
  double colour_bar_width() const { return 12 * zoom; }
  // Logical pixels per Cp sample of the colour map: the map is smooth, so a
  // coarse grid drawn scaled with smoothing looks the same and costs a
  // sixteenth.
  int cp_cell() const { return 4; }
};

// How a face's fonts measure, in logical pixels.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;
  virtual double advance(const Font& font, const std::string& text) const = 0;
  virtual double ascent(const Font& font) const = 0;
  virtual double descent(const Font& font) const = 0;
  virtual double height(const Font& font) const = 0;
};

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
  bool contains(double px, double py) const { return px >= x && px <= right() && py >= y && py <= bottom(); }
};

struct Point {
  double x = 0, y = 0;
};

// Pixels 0xAARRGGBB, top row first.
struct ArgbImage {
  int width = 0, height = 0;
  std::vector<std::uint32_t> pixels;
};

// One plane of a scene: where its plot sits in the picture and what it shows.
struct FlowPlane {
  Plane plane = Plane::airfoil;
  int width = 0, height = 0;  // the whole picture, logical pixels
  Rect plot;                  // the plotting area inside it
  View view;                  // the part of the plane the plot shows, undistorted
  ArgbImage cp;               // the colour map, one pixel per sample
};

// Everything both pictures draw for one state at one size. `field` is empty
// before the first geometry step: the pictures then say how to get one.
struct FlowScene {
  std::optional<FlowField> field;
  Streamlines lines;
  StagnationPoints stagnation;
  std::vector<PlanePoint> outline;  // the section, finer than the surface points
  std::array<FlowPlane, 2> planes;  // airfoil, circle
  double alfa_degrees = 0;

  const FlowPlane& of(Plane p) const { return planes[p == Plane::airfoil ? 0 : 1]; }
};

// The plotting area of a picture `width` x `height`: the title above and the
// colour bar at the right taken off.
Rect flow_plot_rect(int width, int height, const FlowStyle& style, const TextMetrics& metrics);

std::shared_ptr<const FlowScene> make_flow_scene(const std::optional<FlowField>& field, double alfa_degrees,
                                                 std::array<int, 2> airfoil_size,
                                                 std::array<int, 2> circle_size, const FlowStyle& style,
                                                 const TextMetrics& metrics);

// Plane coordinates <-> picture coordinates of one plane's plot.
Point to_picture(const FlowPlane& plane, PlanePoint p);
PlanePoint to_plane(const FlowPlane& plane, Point at);

// One step of a flow picture's drawing. Colours are 0xAARRGGBB; a pen of
// width 0 draws nothing; `round` pens have round caps and joins, the others
// square caps and bevelled joins.
struct FlowShape {
  enum class Kind {
    Fill,          // rect in `fill`
    Text,          // `text` in rect, left and vertically centred on one line
    WrappedText,   // `text` in rect, centred, wrapped at words
    BaselineText,  // `text` from points[0] on its baseline
    Image,         // the image `image` scaled smoothly into rect
    Polyline,      // points
    Polygon,       // points, closed and filled with `fill`
    Ellipse,       // centre points[0], radii rect.w and rect.h, filled with `fill`
    Frame,         // the outline of rect
    Line,          // points[0] to points[1]
    Clip,          // the following shapes up to Unclip are cut to rect
    Unclip
  };
  Kind kind = Kind::Fill;
  Rect rect;
  std::vector<Point> points;
  std::uint32_t pen = 0xFF000000;
  double pen_width = 0;
  bool round = false;
  std::uint32_t fill = 0;  // 0: no fill
  std::string text;        // UTF-8
  Font font{Family::arial, 8};
  const ArgbImage* image = nullptr;  // owned by the scene or by the drawing
};

struct FlowDrawing {
  int width = 0, height = 0;
  std::vector<FlowShape> shapes;
  std::shared_ptr<const ArgbImage> ramp;  // the colour bar's ramp, 1 x 256
  std::shared_ptr<const ArgbImage> map;   // a colour map sampled for this drawing, if any
};

// Plane `p` of the scene, `mark` a point of that plane to ring (the image of
// the point under the mouse in the other plane). `title` is the plane's
// title in the face's language (see flow_plane_title_source); `hint` the
// text that replaces the flow before any geometry. `map_samples` > 0 samples
// the colour map afresh at that many samples per logical pixel (for paper and
// vector files) instead of enlarging the scene's coarse screen grid.
FlowDrawing draw_flow_plane(const FlowScene& scene, Plane p, const FlowStyle& style,
                            const TextMetrics& metrics, const std::string& title, const std::string& hint,
                            std::optional<PlanePoint> mark = std::nullopt, double map_samples = 0);

// The Turkish sources of the titles and of the hint, for the face to
// translate in the FlowWindow context; the airfoil plane's title gets
// ", α = <incidence>°" appended (flow_title_suffix).
const char* flow_plane_title_source(Plane p);
const char* flow_hint_source();
std::string flow_title_suffix(const FlowScene& scene, Plane p);

// The flow window around the two pictures, at the designed scale: its size,
// the margin about and the gap between the pictures, and its texts (Turkish
// sources, translated in the FlowWindow context).
inline constexpr int kFlowWindowWidth = 1000, kFlowWindowHeight = 540;
inline constexpr int kFlowWindowMinimumWidth = 480, kFlowWindowMinimumHeight = 280;
inline constexpr int kFlowWindowMargin = 4, kFlowWindowSpacing = 4;
inline constexpr const char* kFlowWindowTitle = QT_TRANSLATE_NOOP("FlowWindow", "Akış alanı");
inline constexpr const char* kFlowReadoutName = QT_TRANSLATE_NOOP("FlowWindow", "Fare konumundaki akış");
const char* flow_plane_name_source(Plane p);
// The file name a plane's picture is saved under, without its extension.
const char* flow_picture_file(Plane p);
const char* flow_plane_description_source(Plane p);
inline constexpr const char* kFlowIncidenceSource = QT_TRANSLATE_NOOP("FlowWindow", "Hücum açısı %1 derece.");

// The readout under the pictures: what to do before any geometry and before
// the pointer is on a plane; else the place under it and the flow there (or
// why there is none), numbers with four decimals and a point.
Phrase flow_readout(const std::optional<FlowField>& field,
                    const std::optional<std::pair<Plane, PlanePoint>>& hovered);

// The point of plane `p` to ring while the pointer (or the keyboard's probe
// point, `by_keyboard`) is at `hovered`: its image in the other plane, and a
// probe point in its own plane too.
std::optional<PlanePoint> flow_mark_in(const std::optional<FlowField>& field,
                                       const std::optional<std::pair<Plane, PlanePoint>>& hovered, Plane p,
                                       bool by_keyboard = false);

// Where the keyboard's probe point goes on plane `p`'s picture after an
// arrow key (`dx`, `dy` each -1, 0 or 1): to the middle of the plot when the
// probe is not on that plane yet, else a fortieth of the plot's width from
// where it is (a two-hundredth, `fine`, for a careful look at the nose),
// never off the plot. Both faces step the probe by this one rule.
Point flow_probe_step(const FlowScene& scene, const std::optional<std::pair<Plane, PlanePoint>>& hovered,
                      Plane p, int dx, int dy, bool fine);

// What a plane's picture says to assistive technology: the incidence (or
// how to get a section), what it shows, and on the section's plane how fast
// the flow leaves the trailing edge.
Phrase flow_plane_description(const std::optional<FlowField>& field, double alfa_degrees, Plane p);

}  // namespace airfoil
