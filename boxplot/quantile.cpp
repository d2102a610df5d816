// Quantile by linear interpolation at position h = (n+1)p of a sorted sample:
// k = whole part of h, f = h - k, (1-f)X(k) + fX(k+1) in double, stored single.
// The position is held to 1..n, so groups of one or two observations read no
// value outside the sample (a group of one gives its value for every p).
// When f is 0 the value is X(k) itself and X(k+1) is never read.
#include "hakozu.h"

namespace boxplot {

float quantile_(const float* x, int32_t n, float p) {
  double h = static_cast<double>(n + 1) * static_cast<double>(p);
  const double last = static_cast<double>(n);
  if (h < 1.0) h = 1.0;
  if (h > last) h = last;
  const int32_t k = static_cast<int32_t>(h);  // truncation; 1 <= k <= n
  const double f = h - static_cast<double>(k);
  if (f == 0.0) return x[k - 1];
  return static_cast<float>((1.0 - f) * static_cast<double>(x[k - 1]) +
                            f * static_cast<double>(x[k]));
}

}  // namespace boxplot
