#include "charts/charts.h"
#include "charts/colours.h"

namespace airfoil {

// The four stored colours, as R + 256 G + 65536 B.
void renkler(Window& w) {
  w.colBlack = kBlack;
  w.colRed = kRed;
  w.colGreen = kGreen;
  w.colBlue = kBlue;
}

}  // namespace airfoil
