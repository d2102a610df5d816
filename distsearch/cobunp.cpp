// cobunp1_, cobunp2_: upper tails of the two outlier mixtures: a normal part
// of weight 0.98 on the scale u = x sqrt(2891)/50 and a step of 0.02 at
// x = +2.5942581 (large outliers) or -2.5942581 (small outliers). The step is
// tested on x itself: 0.98 Qn(u) above it, 1 - 0.98 (1 - Qn(u)) at or below it
// (and for NaN, which then gives NaN). +-Inf give NaN through the normal tail.
#include <cmath>

#include "tails.h"

namespace distsearch {

namespace {

void mixture(const float& x, float step, float& q) {
  const float r = static_cast<float>(std::sqrt(static_cast<double>(2891.0f)));
  const float u = static_cast<float>(static_cast<double>(x) * static_cast<double>(r) /
                                     static_cast<double>(50.0f));
  float p;
  norm_(u, p);
  const double w = static_cast<double>(0.98f);
  if (x > step) {
    q = static_cast<float>(static_cast<double>(p) * w);
  } else {
    q = static_cast<float>(1.0 - (1.0 - static_cast<double>(p)) * w);
  }
}

}  // namespace

void cobunp1_(const float& x, float& q) { mixture(x, 2.5942581f, q); }  // 3/1.1564

void cobunp2_(const float& x, float& q) { mixture(x, -2.5942581f, q); }

}  // namespace distsearch
