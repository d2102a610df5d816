// The NaN an invalid operation (0/0, inf - inf) produces on this machine: the
// default quiet NaN with the sign bit set, printed "-NaN". Routines whose
// result is documented as that NaN return this value rather than a positive
// compile-time NaN.
#ifndef COMMON_INVALID_NAN_H
#define COMMON_INVALID_NAN_H

#include <cstdint>
#include <cstring>

namespace common {

inline double invalid_nan() {
  const uint64_t bits = 0xFFF8000000000000ull;
  double d;
  std::memcpy(&d, &bits, sizeof d);
  return d;
}

}  // namespace common

#endif  // COMMON_INVALID_NAN_H
