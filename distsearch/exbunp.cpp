// exbunp_: upper tail of the standard exponential shifted to mean 0 (Y = E - 1):
// exactly 1 below -1 (no exponential taken), exp(-x - 1) rounded to single at
// or above it. NaN takes the second branch and gives NaN; +Inf gives NaN like
// the other laws, -Inf gives 1.
#include "tails.h"

namespace distsearch {

void exbunp_(const float& x, float& q) {
  if (x < -1.0f) {
    q = 1.0f;
  } else {
    q = static_cast<float>(exp_(-static_cast<double>(x) - 1.0));
  }
}

}  // namespace distsearch
