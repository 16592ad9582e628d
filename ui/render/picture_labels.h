// The axis names and tick values of a picture, from the window's layout
// table, for outputs made without the window (the probe). The window's
// own pictures carry the same labels as child widgets.
#pragma once

#include <vector>

#include "ui/render/picture_painter.h"
#include "ui/surface_layout.h"

namespace airfoil {

std::vector<PictureLabel> annotation_labels(SurfaceId surface);

}  // namespace airfoil
