// What the lesson writes on the main window's pictures beside the designed
// labels, and where: on the pressure picture the supercritical notice, the
// sonic line's name and the peak that leaves the chart; on every picture the
// value under the pointer. Every face shows the same notes in the same
// places, measuring only its own text.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/phrase.h"
#include "model/readouts.h"
#include "ui/surface_layout.h"
#include "ui/window_layout.h"

namespace airfoil {

struct PictureNote {
  enum class Kind {
    notice,  // the picture's top right corner
    sonic,   // just right of the sonic line's end at x/c = 1
    peak     // at the peak's x/c, at the top edge (below the notice)
  };
  Kind kind = Kind::notice;
  Phrase text;            // translated in the "Readouts" context
  double ux = 0, uy = 0;  // the anchor in the picture's user coordinates (sonic, peak)
};

// The notes of the drawn case on the pressure picture, the notice first.
// None while the correction holds and the curve stays on the chart, so the
// designed picture is unchanged.
std::vector<PictureNote> pressure_notes(const Readouts& r);

// The top-left corners of `notes` measuring `sizes` (logical pixels, whole
// numbers as a face lays out text) on a picture `width` x `height` whose
// user window is `scale` (x1, y1, x2, y2).
struct NotePlace {
  int left = 0, top = 0;
};
std::vector<NotePlace> place_notes(const std::vector<PictureNote>& notes,
                                   const std::vector<std::array<int, 2>>& sizes,
                                   const std::array<float, 4>& scale, int width, int height);

// The pinned references' legend under a picture saved on its own, so that
// the file still says which dashed curve is which: `legend` (headed_legend)
// one line each in a strip below the picture, on its background, in text of
// kLegendFont; no strip when nothing is pinned.
struct LegendLine {
  Phrase text;                                      // translated in the "Readouts" context
  double left = 0, top = 0, width = 0, height = 0;  // left-aligned, centred vertically
};
struct LegendStrip {
  int height = 0;  // added below the picture
  std::vector<LegendLine> lines;
};
inline constexpr Font kLegendFont{Family::arial, 8};
LegendStrip legend_strip(const std::vector<Phrase>& legend, int width, int picture_height);

// "x/c = 0.500, 1 − Cp = 1.234": the value at (x, y) of picture `id`, a
// picture `width` x `height` logical pixels showing the user window `scale`.
std::string value_under_pointer(SurfaceId id, const std::array<float, 4>& scale, double width, double height,
                                double x, double y);

}  // namespace airfoil
