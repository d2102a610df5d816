// Test support: the bit pattern of a float or a double and back, for tests
// that pin results down bit for bit, and the NaN an invalid operation makes
// at run time (0/0: sign bit set), which a constant NaN does not give.
#ifndef TESTS_SUPPORT_FLOATS_H
#define TESTS_SUPPORT_FLOATS_H

#include <cstdint>
#include <cstring>

namespace testsupport {

inline uint32_t bits(float v) {
  uint32_t u;
  std::memcpy(&u, &v, sizeof u);
  return u;
}

inline float from_bits(uint32_t u) {
  float v;
  std::memcpy(&v, &u, sizeof v);
  return v;
}

inline uint64_t bits64(double v) {
  uint64_t u;
  std::memcpy(&u, &v, sizeof u);
  return u;
}

// Single and double NaNs of 0/0, made at run time.
inline float invalid_nanf() {
  volatile float zero = 0.0f;
  return zero / zero;
}

inline double invalid_nan() {
  volatile double zero = 0.0;
  return zero / zero;
}

}  // namespace testsupport

#endif  // TESTS_SUPPORT_FLOATS_H
