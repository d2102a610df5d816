// Upper tail of the standard normal distribution, Q(x) = Pr(Z > x), for a
// single-precision argument: one of two continued fractions of fixed depth 28.
// One routine for every program that needs it (the chi-square tail, the
// distance and table programs, which may call it under their own name).
#ifndef COMMON_NORMAL_TAIL_H
#define COMMON_NORMAL_TAIL_H

namespace common {

// Pr(Z > x). A NaN or infinite x gives the NaN of an invalid operation (sign
// bit set); results below the smallest normal single are kept as subnormals.
float normal_upper_tail(float x);

}  // namespace common

#endif  // COMMON_NORMAL_TAIL_H
