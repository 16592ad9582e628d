// A check that the program works where it was installed: it opens the
// window, clicks a picture as the mouse does, and tells whether every picture
// was drawn without a message. For installers and CI, on any Qt platform
// (the offscreen one included).
#pragma once

#include "model/window.h"

namespace airfoil {

// Runs the check with the catalogue at `catalogue`; prints what it found
// and returns the exit status: 0 when all five pictures were drawn, no
// message was shown and the icon draws, 1 otherwise.
int run_smoke_test(const CatalogueSource& catalogue);

}  // namespace airfoil
