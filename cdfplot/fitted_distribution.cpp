// Fitted normal distribution function at x: z = (x - location)/scale in
// double, stored single; then 1 - Q(z) in double, stored single, with Q the
// normal upper tail. A zero scale makes z infinite or NaN and the value NaN.
#include "cdfplot/state.h"
#include "common/normal_tail.h"

namespace cdfplot {

float fitted_distribution_function(float x, const NormalFit& fit) {
  const float z = static_cast<float>((static_cast<double>(x) - static_cast<double>(fit.location)) /
                                     static_cast<double>(fit.scale));
  const float upper = common::normal_upper_tail(z);
  return static_cast<float>(1.0 - static_cast<double>(upper));
}

}  // namespace cdfplot
