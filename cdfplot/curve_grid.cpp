// The grid of the fitted curve: point k = lowest + (t * range)/10 with
// range = highest - lowest and t = k - 2, each step the product, then the
// division, then the sum, all in double, stored single.
#include "cdfplot/state.h"

namespace cdfplot {

CurveGrid curve_grid(float lowest, float highest) {
  const double range = static_cast<double>(highest) - static_cast<double>(lowest);
  CurveGrid grid;
  double tenths = -2.0;
  for (int k = 0; k < kGridPoints; ++k) {
    grid[k] = static_cast<float>(static_cast<double>(lowest) + (tenths * range) / 10.0);
    tenths += 1.0;
  }
  return grid;
}

}  // namespace cdfplot
