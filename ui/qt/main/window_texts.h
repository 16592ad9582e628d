// The main window's texts in the chosen language: the designed texts passed
// through the translation, the accessible names and tooltips of the controls
// and pictures, and the pictures' descriptions of what they now show.
#pragma once

#include <QWidget>

#include <array>

#include "ui/drawn_case.h"

namespace airfoil {

class PictureBox;

// The designed texts are the translation's source texts: each label, frame
// caption, menu item and the caption pass through the translation as they
// stand, so a text without a translation (a number, an axis name, an English
// text of the design) shows unchanged.
void translate_designed_texts(QWidget& window);

// Gives every control of `window` and every picture its accessible name,
// description and tooltip, in the current language.
void apply_control_texts(QWidget& window, const std::array<PictureBox*, 5>& pictures);

// Rewrites the accessible description and tooltip of each picture from the
// case it was drawn with, or an invitation to click while still empty.
void describe_pictures(const std::array<PictureBox*, 5>& pictures, const DrawnCases& cases);

}  // namespace airfoil
