// Normal fit to the pooled residuals: the location is their mean and the
// scale their mean absolute deviation about that mean divided by sqrt(2/pi).
// Each term is divided by n before it is added, sums in double; deviations
// are taken from the unrounded mean. n <= 0 gives 0 and 0. All residuals
// equal give sigma = 0.
#include <cmath>

#include "common/constants.h"
#include "routines.h"

namespace cdfplot {

void statis_(const float* z, int32_t n, float& mu, float& sigma) {
  const double dn = static_cast<double>(n);
  double m = 0.0;
  for (int32_t k = 0; k < n; ++k) m += static_cast<double>(z[k]) / dn;
  double d = 0.0;
  for (int32_t k = 0; k < n; ++k) d += std::fabs(static_cast<double>(z[k]) - m) / dn;
  const float c = static_cast<float>(std::sqrt(static_cast<double>(common::kTwoOverPi)));
  mu = static_cast<float>(m);
  sigma = static_cast<float>(d / static_cast<double>(c));
}

}  // namespace cdfplot
