// The program's icon: the SVG the desktop entry names, built into the
// program so that its windows show it wherever the program was started from.
#pragma once

#include <QIcon>

namespace airfoil {

QIcon application_icon();

}  // namespace airfoil
