// Fitted normal distribution function at x: z = (x - mu)/sigma in double,
// stored single; then 1 - Q(z) in double, stored single, with Q the normal
// upper tail. sigma = 0 makes z infinite or NaN and the value NaN.
#include "common/normal_tail.h"
#include "routines.h"

namespace cdfplot {

float fitted_(float x, float mu, float sigma) {
  const float z = static_cast<float>((static_cast<double>(x) - static_cast<double>(mu)) /
                                     static_cast<double>(sigma));
  const float p = common::normal_upper_tail(z);
  return static_cast<float>(1.0 - static_cast<double>(p));
}

}  // namespace cdfplot
