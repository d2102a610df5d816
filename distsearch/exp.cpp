// exp_: e to the power v in double precision. For v = +-Inf the result is the
// NaN of an invalid operation (sign bit set), the value the exponential of the
// normal tail also takes there, so that every reference law treats an infinite
// scaled residual alike. Finite arguments overflow to Inf or underflow to 0 as
// usual; a NaN argument is returned as it is.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "tails.h"

namespace distsearch {

double exp_(double v) {
  if (std::isinf(v)) {
    const uint64_t bits = 0xFFF8000000000000ull;  // default NaN, sign bit set
    double nan;
    std::memcpy(&nan, &bits, sizeof nan);
    return nan;
  }
  return std::exp(v);
}

}  // namespace distsearch
