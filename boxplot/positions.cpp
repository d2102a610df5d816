// x positions of group i's drawing: the whiskers at g = i, the box edges at
// g -/+ 0.2 and the cap ends at g +/- 0.05, each formed in double from the
// single constants as stored and rounded to single precision.
#include "hakozu.h"

namespace boxplot {

namespace {
constexpr float kHalfBox = 0.2f;   // half the box width (0.200000003)
constexpr float kHalfCap = 0.05f;  // half the cap width (0.0500000007)
}  // namespace

BoxPositions positions_(int32_t group) {
  const double g = static_cast<double>(group);
  BoxPositions p;
  p.g = static_cast<float>(g);
  p.a = static_cast<float>(g - static_cast<double>(kHalfBox));
  p.b = static_cast<float>(g + static_cast<double>(kHalfBox));
  p.c = static_cast<float>(g + static_cast<double>(kHalfCap));
  p.d = static_cast<float>(g - static_cast<double>(kHalfCap));
  return p;
}

}  // namespace boxplot
