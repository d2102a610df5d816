// The scale of each reference law: the mean absolute residual a divided by the
// mean absolute value of the law at unit variance (multiplied by its inverse
// for the double exponential and the exponential). Built from single constants
// as stored, square roots and the logarithm taken in double and rounded to
// single; the divisors themselves are carried in double.
#include <cmath>

#include "common/constants.h"
#include "distsearch/state.h"

namespace distsearch {

void fit_law_scales(float mean_absolute, float scale[kLawCount]) {
  const double a = static_cast<double>(mean_absolute);
  // Mean absolute value of the standard normal: sqrt(2/pi).
  const double normal_mean_absolute =
      static_cast<double>(single_precision_root(common::kTwoOverPi));
  scale[kNormal] = static_cast<float>(a / normal_mean_absolute);
  // Normal mixture: sqrt(2/pi) * 1.1 / sqrt(1.4).
  scale[kNormalMixture] =
      static_cast<float>(a / (normal_mean_absolute * static_cast<double>(1.1f) /
                              static_cast<double>(single_precision_root(1.4f))));
  // Logistic: 2 ln 2 * sqrt(3) / pi.
  const double ln2 = static_cast<double>(static_cast<float>(std::log(static_cast<double>(2.0f))));
  scale[kLogistic] =
      static_cast<float>(a / ((ln2 + ln2) * static_cast<double>(single_precision_root(3.0f)) /
                              static_cast<double>(common::kPi)));
  // Double exponential: 1/sqrt(2), applied as a product with sqrt(2).
  scale[kDoubleExponential] =
      static_cast<float>(a * static_cast<double>(single_precision_root(2.0f)));
  // Both outlier mixtures: (49 sqrt(2/pi) + 3) / sqrt(2891).
  const double root2891 = static_cast<double>(single_precision_root(2891.0f));
  const float outlier_scale =
      static_cast<float>(a / (normal_mean_absolute * static_cast<double>(49.0f) / root2891 +
                              static_cast<double>(3.0f) / root2891));
  scale[kLargeOutlierMixture] = outlier_scale;
  scale[kSmallOutlierMixture] = outlier_scale;
  // Exponential: 2/e, applied as 2.71828 * a / 2 (the stored 2.71828, not e).
  scale[kExponential] =
      static_cast<float>(static_cast<double>(2.71828f) * a / static_cast<double>(2.0f));
}

}  // namespace distsearch
