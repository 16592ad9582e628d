// A drawing of plain shapes and texts (a flow plane, a boundary-layer plot, a
// sweep chart) as an SVG document, without a toolkit: the web page saves the
// same file the desktop does. Texts stay texts, in the families the drawing
// was measured with; a colour map goes in as an embedded PNG image.
#pragma once

#include <functional>
#include <string>

#include "ui/flow_scene.h"

namespace airfoil {

// The CSS family list of a layout family: the family the layout was drawn
// with first, then installed families of the same metrics.
const char* css_family(Family family);

// `metrics` wraps the wrapped texts at the width they were laid out for, as
// the face that measured the drawing wraps them on screen; `image_uri` turns
// an image into a data URI ("data:image/png;base64,...").
std::string drawing_svg(const FlowDrawing& drawing, const TextMetrics& metrics,
                        const std::function<std::string(const ArgbImage&)>& image_uri);

}  // namespace airfoil
