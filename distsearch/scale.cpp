// Scale factors: the mean absolute residual a divided by the mean absolute
// value of each reference law at unit variance (times its inverse for the
// double exponential and the exponential). Built from single constants as
// stored, square roots and the logarithm in double, rounded to single where
// marked; the divisors themselves are carried in double.
#include <cmath>

#include "common/constants.h"
#include "search.h"

namespace distsearch {

namespace {

float single_sqrt(float v) { return static_cast<float>(std::sqrt(static_cast<double>(v))); }

}  // namespace

void scale_factors(float a_in, float f[kScaleFactors]) {
  const double a = static_cast<double>(a_in);
  // Mean absolute value of the standard normal: sqrt(2/pi).
  const double e1 = static_cast<double>(single_sqrt(common::kTwoOverPi));
  f[0] = static_cast<float>(a / e1);
  // Contaminated normal: E1 * 1.1 / sqrt(1.4).
  f[1] = static_cast<float>(
      a / (e1 * static_cast<double>(1.1f) / static_cast<double>(single_sqrt(1.4f))));
  // Logistic: 2 ln 2 * sqrt(3) / pi.
  const double l = static_cast<double>(static_cast<float>(std::log(static_cast<double>(2.0f))));
  f[2] = static_cast<float>(
      a / ((l + l) * static_cast<double>(single_sqrt(3.0f)) / static_cast<double>(common::kPi)));
  // Double exponential: 1/sqrt(2), applied as a product with sqrt(2).
  f[3] = static_cast<float>(a * static_cast<double>(single_sqrt(2.0f)));
  // Both outlier mixtures: (49 E1 + 3) / sqrt(2891).
  const double q = static_cast<double>(single_sqrt(2891.0f));
  f[4] =
      static_cast<float>(a / (e1 * static_cast<double>(49.0f) / q + static_cast<double>(3.0f) / q));
  // Exponential: 2/e, applied as 2.71828 * a / 2 (the stored 2.71828, not e).
  f[5] = static_cast<float>(static_cast<double>(2.71828f) * a / static_cast<double>(2.0f));
}

}  // namespace distsearch
