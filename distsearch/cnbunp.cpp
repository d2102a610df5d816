// cnbunp_: upper tail of the contaminated normal 0.95 N(0,1) + 0.05 N(0,9)
// scaled to unit variance (divided by sqrt(1.4)):
// Q(x) = 0.95 Qn(x sqrt7/sqrt5) + 0.05 Qn(x sqrt7/sqrt45).
// Both normal arguments are rounded to single before the normal tail is taken.
// NaN gives NaN; +-Inf gives NaN through the normal tail.
#include <cmath>

#include "tails.h"

namespace distsearch {

void cnbunp_(const float& x, float& q) {
  const float r7 = static_cast<float>(std::sqrt(static_cast<double>(7.0f)));
  const float r5 = static_cast<float>(std::sqrt(static_cast<double>(5.0f)));
  const float r45 = static_cast<float>(std::sqrt(static_cast<double>(45.0f)));
  const double v = static_cast<double>(x) * static_cast<double>(r7);
  const float u1 = static_cast<float>(v / static_cast<double>(r5));
  const float u2 = static_cast<float>(v / static_cast<double>(r45));
  float p1;
  float p2;
  norm_(u1, p1);
  norm_(u2, p2);
  q = static_cast<float>(static_cast<double>(p1) * static_cast<double>(0.95f) +
                         static_cast<double>(p2) * static_cast<double>(0.05f));
}

}  // namespace distsearch
