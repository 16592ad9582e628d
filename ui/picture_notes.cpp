#include "ui/picture_notes.h"

#include <algorithm>
#include <cmath>

#include "model/numtext.h"
#include "ui/readout_texts.h"

namespace airfoil {

namespace {

// The two axes each picture plots, in the order of the surface table.
struct Axes {
  const char* x;
  const char* y;
};
constexpr Axes kAxes[5] = {{"ξ", "η"}, {"x/c", "y/c"}, {"x/c", "1 − Cp"}, {"α (°)", "CL"}, {"α (°)", "CM"}};

// The picture point of a user coordinate pair, as the picture's window maps it.
std::array<double, 2> to_picture(const std::array<float, 4>& s, int width, int height, double ux, double uy) {
  return {(ux - s[0]) / (s[2] - s[0]) * width, (uy - s[1]) / (s[3] - s[1]) * height};
}

// A value that rounds to zero is shown as zero, without a sign.
std::string shown(double x, int decimals) {
  std::string text = fixed_text(x, decimals);
  if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
  return text;
}

}  // namespace

std::vector<PictureNote> pressure_notes(const Readouts& r) {
  std::vector<PictureNote> notes;
  if (Phrase notice = short_notice(r); !notice.source.empty()) {
    notes.push_back({PictureNote::Kind::notice, std::move(notice)});
  }
  // The sonic line's name at its right end, in the margin beyond x/c = 1.
  if (r.cp_star) notes.push_back({PictureNote::Kind::sonic, literal("Cp*"), 1.0, -(1 - *r.cp_star)});
  // The chart shows 1 - Cp up to 5.5: a higher peak is written at the top edge.
  const double factor = r.moo_pressure != 0 ? std::sqrt(1 - r.moo_pressure * r.moo_pressure) : 1;
  if (r.cp_min && r.x_cp_min && 1 - *r.cp_min / factor > 5.5) {
    notes.push_back({PictureNote::Kind::peak, literal("↑ 1-Cp = " + shown(1 - *r.cp_min / factor, 2)),
                     *r.x_cp_min, -5.5});
  }
  return notes;
}

std::vector<NotePlace> place_notes(const std::vector<PictureNote>& notes,
                                   const std::vector<std::array<int, 2>>& sizes,
                                   const std::array<float, 4>& scale, int width, int height) {
  std::vector<NotePlace> places(notes.size());
  int below_notice = 2;
  for (std::size_t k = 0; k < notes.size() && k < sizes.size(); ++k) {
    const auto [w, h] = sizes[k];
    const PictureNote& note = notes[k];
    const auto at = to_picture(scale, width, height, note.ux, note.uy);
    switch (note.kind) {
      case PictureNote::Kind::notice:
        places[k] = {std::max(0, width - w - 2), 2};
        below_notice = 2 + h + 1;
        break;
      case PictureNote::Kind::sonic:
        places[k] = {static_cast<int>(at[0]) + 2, static_cast<int>(at[1]) - h / 2};
        break;
      case PictureNote::Kind::peak:
        places[k] = {std::clamp(static_cast<int>(at[0]) - 6, 0, std::max(0, width - w)), below_notice};
        break;
    }
  }
  return places;
}

LegendStrip legend_strip(const std::vector<Phrase>& legend, int width, int picture_height) {
  if (legend.empty()) return {};
  constexpr int kLine = 14;  // one line of 8-point text with its leading
  LegendStrip strip{static_cast<int>(legend.size()) * kLine + 6, {}};
  for (std::size_t i = 0; i < legend.size(); ++i) {
    strip.lines.push_back({legend[i], 4.0, picture_height + 3.0 + static_cast<double>(i) * kLine, width - 8.0,
                           static_cast<double>(kLine)});
  }
  return strip;
}

std::string value_under_pointer(SurfaceId id, const std::array<float, 4>& s, double width, double height,
                                double x, double y) {
  const auto k = static_cast<std::size_t>(id);
  const double ux = s[0] + x * (s[2] - s[0]) / width;
  const double uy = s[1] + y * (s[3] - s[1]) / height;
  // The user window runs downwards on every picture: its y is the negative
  // of the plotted value.
  return std::string(kAxes[k].x) + " = " + shown(ux, k >= 3 ? 1 : 3) + ", " + kAxes[k].y + " = " +
         shown(-uy, 3);
}

}  // namespace airfoil
