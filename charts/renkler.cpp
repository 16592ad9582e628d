#include "charts/charts.h"

namespace airfoil {

// The four stored colours, as R + 256 G + 65536 B.
void renkler(Window& w) {
  w.colBlack = 0;
  w.colRed = 255;
  w.colGreen = 65280;
  w.colBlue = 16711680;
}

}  // namespace airfoil
