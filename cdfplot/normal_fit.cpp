// Normal fit to the pooled residuals: the location is their mean and the
// scale their mean absolute deviation about that mean divided by sqrt(2/pi).
// Each term is divided by n before it is added, sums in double; deviations
// are taken from the unrounded mean.
#include <cmath>

#include "cdfplot/state.h"
#include "common/constants.h"

namespace cdfplot {

NormalFit fit_normal_law(const float* z, int32_t n) {
  const double dn = static_cast<double>(n);
  double mean = 0.0;
  for (int32_t k = 0; k < n; ++k) mean += static_cast<double>(z[k]) / dn;
  double deviation = 0.0;
  for (int32_t k = 0; k < n; ++k) deviation += std::fabs(static_cast<double>(z[k]) - mean) / dn;
  const float root_two_over_pi =
      static_cast<float>(std::sqrt(static_cast<double>(common::kTwoOverPi)));
  NormalFit fit;
  fit.location = static_cast<float>(mean);
  fit.scale = static_cast<float>(deviation / static_cast<double>(root_two_over_pi));
  return fit;
}

}  // namespace cdfplot
