// What the controls and pictures are called for assistive technology, and the
// tooltips that give their meaning and units. The texts are Turkish sources
// for the translation system, applied by object name on top of the designed
// window.
#pragma once

#include <QString>

class QWidget;

namespace airfoil {

class Form1Window;

// Gives every control and picture of the main window its accessible name,
// description and tooltip, in the current language.
void apply_control_texts(Form1Window& window);

// Rewrites the accessible description and tooltip of each picture from what
// it now shows: the current numbers once drawn, or an invitation to click
// while still empty. Run after every cycle.
void describe_pictures(Form1Window& window);

}  // namespace airfoil
