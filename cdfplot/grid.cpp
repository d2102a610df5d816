// The grid of the fitted curve: T(k) = min + (t*R)/10 with R = max - min and
// t = -2, -1, ..., 11, each step the product, then the division, then the sum,
// all in double, stored single. T(3) is the minimum and T(13) the maximum.
#include "routines.h"

namespace cdfplot {

void grid_(float zmin, float zmax, float t[14]) {
  const double r = static_cast<double>(zmax) - static_cast<double>(zmin);
  double tk = -2.0;
  for (int k = 0; k < 14; ++k) {
    t[k] = static_cast<float>(static_cast<double>(zmin) + (tk * r) / 10.0);
    tk += 1.0;
  }
}

}  // namespace cdfplot
