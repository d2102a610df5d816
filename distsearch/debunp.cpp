// debunp_: upper tail of the Laplace law of scale 1/sqrt(2) (unit variance),
// through dex_, the tail of the Laplace law of scale 1:
// 0.5 exp(-u) for u > 0 (and for NaN), 1 - 0.5 exp(u) for u <= 0.
// The scaled argument and each exponential are rounded to single.
// NaN and +-Inf give NaN.
#include <cmath>

#include "tails.h"

namespace distsearch {

void debunp_(const float& x, float& q) {
  const float r2 = static_cast<float>(std::sqrt(static_cast<double>(2.0f)));
  const float u = static_cast<float>(static_cast<double>(x) * static_cast<double>(r2));
  dex_(u, q);
}

void dex_(const float& u, float& q) {
  const double du = static_cast<double>(u);
  if (du > 0.0 || std::isnan(du)) {
    const float e = static_cast<float>(exp_(-du));
    q = static_cast<float>(0.5 * static_cast<double>(e));
  } else {
    const float e = static_cast<float>(exp_(du));
    q = static_cast<float>(1.0 - 0.5 * static_cast<double>(e));
  }
}

}  // namespace distsearch
