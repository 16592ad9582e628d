#include "charts/colour_map.h"

#include <algorithm>
#include <cmath>

namespace airfoil {

namespace {

// Control points of the ramp (position, R, G, B in 0..1): every sixteenth
// entry of the 256-entry viridis table. Linear interpolation between them
// stays within one step of 8-bit colour of the full table.
struct Stop {
  double t, r, g, b;
};
constexpr Stop kStops[] = {
    {0 / 255.0, 0.267004, 0.004874, 0.329415},   {16 / 255.0, 0.282327, 0.094955, 0.417331},
    {32 / 255.0, 0.278826, 0.175490, 0.483397},  {48 / 255.0, 0.258965, 0.251537, 0.524736},
    {64 / 255.0, 0.229739, 0.322361, 0.545706},  {80 / 255.0, 0.199430, 0.387607, 0.554642},
    {96 / 255.0, 0.172719, 0.448791, 0.557885},  {112 / 255.0, 0.149039, 0.508051, 0.557250},
    {128 / 255.0, 0.127568, 0.566949, 0.550556}, {144 / 255.0, 0.120638, 0.625828, 0.533488},
    {160 / 255.0, 0.157851, 0.683765, 0.501686}, {176 / 255.0, 0.246070, 0.738910, 0.452024},
    {192 / 255.0, 0.369214, 0.788888, 0.382914}, {208 / 255.0, 0.515992, 0.831158, 0.294279},
    {224 / 255.0, 0.678489, 0.863742, 0.189503}, {240 / 255.0, 0.845561, 0.887322, 0.099702},
    {255 / 255.0, 0.993248, 0.906157, 0.143936},
};

// x is within 0..1 here, so adding a half and truncating rounds it.
std::uint8_t channel(double x) { return static_cast<std::uint8_t>(std::lround(x * 255)); }

}  // namespace

Rgb uniform_ramp(double t) {
  if (!(t > 0)) t = 0;  // NaN too
  if (t > 1) t = 1;
  // The stops are sixteen table entries apart, the last segment fifteen.
  const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(t * 255 / 16), 15) + 1;
  const Stop& a = kStops[k - 1];
  const Stop& b = kStops[k];
  const double s = (t - a.t) / (b.t - a.t);
  return Rgb{channel(a.r + s * (b.r - a.r)), channel(a.g + s * (b.g - a.g)), channel(a.b + s * (b.b - a.b))};
}

Rgb cp_colour(double cp) { return uniform_ramp((cp - kCpColourMin) / (kCpColourMax - kCpColourMin)); }

Colour colour_value(Rgb c) { return c.r + 256 * c.g + 65536 * c.b; }

}  // namespace airfoil
