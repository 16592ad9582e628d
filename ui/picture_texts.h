// What the controls and pictures are called for assistive technology, the
// meaning and units each one's tooltip gives, and what a drawn picture shows
// in numbers. Turkish sources for the translation (context "Controls"),
// free of Qt so that every face describes the pictures alike.
#pragma once

#include <array>

#include "model/phrase.h"
#include "ui/drawn_case.h"
#include "ui/surface_layout.h"
#include "ui/translatable.h"

namespace airfoil {

inline constexpr const char* kControlsContext = "Controls";

struct ControlText {
  const char* object;
  const char* name;
  const char* description;  // also the tooltip: meaning, units and effect
};

// The scroll bars and boxes of the main window.
extern const std::array<ControlText, 13> kControlTexts;
// The pictures, in the order of SurfaceId: name, and what the picture shows
// with its axes and colours.
extern const std::array<ControlText, 5> kPictureTexts;

// What picture `id` shows in numbers, as it was drawn.
Phrase picture_numbers(SurfaceId id, const DrawnCase& drawn);

// Said of a picture before it was first drawn.
inline constexpr const char* kNotDrawnYet = QT_TRANSLATE_NOOP(
    "Controls", "Henüz çizilmedi: tıklayınca (ya da Boşluk veya Enter) her şey hesaplanır ve çizilir.");

}  // namespace airfoil
