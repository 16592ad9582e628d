#include "ui/render/picture_labels.h"

#include "ui/render/qt_layout.h"

namespace airfoil {

std::vector<PictureLabel> annotation_labels(SurfaceId surface) {
  std::vector<PictureLabel> labels;
  for (const Annotation& a : kAnnotations) {
    if (a.surface != surface) continue;
    labels.push_back({QString::fromUtf8(a.text), to_qfont(font_of(a.face)), pixels(a.place)});
  }
  return labels;
}

}  // namespace airfoil
