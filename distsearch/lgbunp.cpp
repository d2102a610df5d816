// lgbunp_: upper tail of the logistic law of scale sqrt(3)/pi (unit variance),
// through logis_, the tail 1 - 1/(1 + exp(-u)) of the logistic of scale 1.
// The scaled argument and exp(-u) are rounded to single. A large positive u
// gives exactly 0, a large negative one exactly 1; NaN and +-Inf give NaN.
#include <cmath>

#include "common/constants.h"
#include "tails.h"

namespace distsearch {

void lgbunp_(const float& x, float& q) {
  const float r3 = static_cast<float>(std::sqrt(static_cast<double>(3.0f)));
  const float u = static_cast<float>(static_cast<double>(common::kPi) *
                                     static_cast<double>(x) / static_cast<double>(r3));
  logis_(u, q);
}

void logis_(const float& u, float& q) {
  const float e = static_cast<float>(exp_(-static_cast<double>(u)));
  q = static_cast<float>(1.0 - 1.0 / (1.0 + static_cast<double>(e)));
}

}  // namespace distsearch
