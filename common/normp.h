// Upper tail of the standard normal distribution, Q(x) = Pr(Z > x), for a
// single-precision argument: one of two continued fractions of fixed depth 28.
// One routine for every program that needs it (the chi-square tail, the
// distance and table programs, which may call it under their own name).
#ifndef COMMON_NORMP_H
#define COMMON_NORMP_H

namespace common {

// 2*pi as stored in single precision (bits 40C90FDB).
constexpr float kTwoPiSingle = 6.2831855f;  // 2*pi

// Sets p = Pr(Z > x). A NaN or infinite x gives the NaN of an invalid
// operation (sign bit set); results below the smallest normal single are kept
// as subnormals.
void normp_(const float& x, float& p);

// The same as a value: normp(x) == p after normp_(x, p).
inline float normp(float x) {
  float p;
  normp_(x, p);
  return p;
}

}  // namespace common

#endif  // COMMON_NORMP_H
