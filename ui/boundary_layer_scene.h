// The boundary-layer view without a toolkit: the case of one section,
// incidence and Reynolds number; its four pictures (the section with the
// displacement thickness, Cf and H along the chord, the lift-drag polar) as
// drawings of plain shapes and texts measured through the face's fonts; the
// numbers beside them in words; the rule of the Re box; and the two tables.
// The desktop window and the web page both show these and nothing else.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/boundary_layer.h"
#include "model/flow_field.h"
#include "model/phrase.h"
#include "ui/flow_scene.h"
#include "ui/translatable.h"

namespace airfoil {

// Translation context of every text of the view.
inline constexpr const char* kBoundaryLayerContext = "BoundaryLayerWindow";

// Everything the pictures and the numbers show, for one section, incidence
// and Reynolds number.
struct BoundaryLayerCase {
  bool has_section = false;
  std::vector<PlanePoint> outline;
  BoundaryLayer layer;
  std::vector<PolarPoint> polar;
  double alpha_deg = 0;
  double cl = 0;  // inviscid
};

// The case of the window state `s` at Reynolds number `re`.
BoundaryLayerCase boundary_layer_case(const WindowState& s, double re);
// The case before the main window has given any state: nothing to show yet.
BoundaryLayerCase boundary_layer_case_without_state();

enum class BoundaryLayerPlot { section, cf, h, polar };
inline constexpr BoundaryLayerPlot kBoundaryLayerPlots[] = {BoundaryLayerPlot::section, BoundaryLayerPlot::cf,
                                                            BoundaryLayerPlot::h, BoundaryLayerPlot::polar};
// The pictures in the window's two rows, left to right.
inline constexpr BoundaryLayerPlot kBoundaryLayerGrid[] = {
    BoundaryLayerPlot::section, BoundaryLayerPlot::polar, BoundaryLayerPlot::cf, BoundaryLayerPlot::h};

// How much the displacement thickness is enlarged on the section picture.
inline constexpr double kDeltaStarScale = 10;

// A source text in the view's language.
using PhraseTranslate = std::function<std::string(const std::string&)>;

// The picture's object and file name ("boundary-layer-cf", "polar"), and the
// Turkish source of its title, which is also its accessible name.
const char* boundary_layer_plot_name(BoundaryLayerPlot plot);
const char* boundary_layer_plot_title_source(BoundaryLayerPlot plot);
std::optional<BoundaryLayerPlot> boundary_layer_plot_named(std::string_view name);

// One picture of `width` x `height` logical pixels; `zoom` scales its fonts
// and lines.
FlowDrawing draw_boundary_layer_plot(BoundaryLayerPlot plot, const BoundaryLayerCase& c, int width,
                                     int height, double zoom, const TextMetrics& metrics,
                                     const PhraseTranslate& translate);

// The numbers beside the pictures, one phrase a line (an empty phrase is an
// empty line): the Reynolds number and incidence, then the drag and its
// parts, the lift, transition and separation, or why there are none.
std::vector<Phrase> boundary_layer_numbers(const BoundaryLayerCase& c, double re);

// The Re box: a chord Reynolds number as a student types it (1e6, not
// 1e+06), and the reading of the box. Only a whole plain number from 1e5 to
// 1e8 (blanks about it allowed) is taken; anything else puts the value back.
std::string reynolds_text(double re);
std::optional<double> read_reynolds(std::string_view text);

// The window around the pictures at the designed scale: its size, margin and
// gap between the pictures, the points of its texts, and the share of the
// width the pictures take (the numbers have the rest).
inline constexpr int kBoundaryLayerWindowWidth = 1040, kBoundaryLayerWindowHeight = 620;
inline constexpr int kBoundaryLayerPlotMinimumWidth = 200, kBoundaryLayerPlotMinimumHeight = 150;
inline constexpr int kBoundaryLayerMargin = 4, kBoundaryLayerSpacing = 4;
inline constexpr double kBoundaryLayerPoints = 9;
inline constexpr int kBoundaryLayerPlotsStretch = 3, kBoundaryLayerNumbersStretch = 1;

inline constexpr const char* kBoundaryLayerTitle = QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Sınır tabakası");
inline constexpr const char* kReynoldsLabel = "Re =";
inline constexpr const char* kReynoldsName =
    QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Veter Reynolds sayısı");
inline constexpr const char* kReynoldsTip = QT_TRANSLATE_NOOP(
    "BoundaryLayerWindow", "Veter Reynolds sayısı, 1e5 ile 1e8 arası (örneğin 3e6); Enter uygular.");

// The two tables every picture's menu saves, in the menu's order.
struct BoundaryLayerTable {
  const char* file;
  const char* menu_source;  // the menu entry
};
inline constexpr BoundaryLayerTable kBoundaryLayerTables[] = {
    {"boundary_layer.csv",
     QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Sınır tabakası tablosunu CSV olarak kaydet...")},
    {"polar.csv", QT_TRANSLATE_NOOP("BoundaryLayerWindow", "Polar tablosunu CSV olarak kaydet...")},
};
// The table `file` of the case; empty for a file that is none of them.
std::string boundary_layer_table(const BoundaryLayerCase& c, std::string_view file);

}  // namespace airfoil
