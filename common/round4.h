// round4: a statistic rounded to four decimals for the randomization counts.
// The statistic times 10000 is rounded to single precision, then to the nearest
// whole number with halves away from zero, held in 64 bits (so no statistic of
// any size wraps; beyond 2^63, and for infinities, it saturates). A NaN
// statistic is marked and compares neither greater nor equal to anything.
#ifndef COMMON_ROUND4_H
#define COMMON_ROUND4_H

#include <cmath>
#include <cstdint>
#include <limits>

namespace common {

struct Round4 {
  int64_t value = 0;
  bool nan = false;
};

inline Round4 round4(float s) {
  Round4 r;
  const float p = static_cast<float>(static_cast<double>(s) * 10000.0);
  if (std::isnan(p)) {
    r.nan = true;
    return r;
  }
  const double w = std::round(static_cast<double>(p));  // halves away from zero
  if (w >= 9223372036854775808.0) {                     // 2^63 and beyond, +Inf
    r.value = std::numeric_limits<int64_t>::max();
  } else if (w < -9223372036854775808.0) {  // below -2^63, -Inf
    r.value = std::numeric_limits<int64_t>::min();
  } else {
    r.value = static_cast<int64_t>(w);
  }
  return r;
}

// a >= b and a > b on the rounded values; false when either is a NaN.
inline bool round4_ge(const Round4& a, const Round4& b) {
  return !a.nan && !b.nan && a.value >= b.value;
}
inline bool round4_gt(const Round4& a, const Round4& b) {
  return !a.nan && !b.nan && a.value > b.value;
}

}  // namespace common

#endif  // COMMON_ROUND4_H
