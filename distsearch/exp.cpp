// exp_: e to the power v in double precision. For v = +-Inf the result is the
// NaN of an invalid operation (sign bit set), the value the exponential of the
// normal tail also takes there, so that every reference law treats an infinite
// scaled residual alike. Finite arguments overflow to Inf or underflow to 0 as
// usual; a NaN argument is returned as it is.
#include <cmath>

#include "common/invalid_nan.h"
#include "tails.h"

namespace distsearch {

double exp_(double v) {
  if (std::isinf(v)) {
    return common::invalid_nan();
  }
  return std::exp(v);
}

}  // namespace distsearch
