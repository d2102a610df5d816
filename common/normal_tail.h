// The standard normal distribution by two continued fractions, each cut at
// level 28 and evaluated in double from the deepest level up: the upper tail
// Q(x) of a single-precision argument, used by the chi-square tail, distsearch
// and cdfplot, and the two fractions themselves, which multicomp's
// double-precision distribution function uses as well. phi below is the
// standard normal density.
#ifndef COMMON_NORMAL_TAIL_H
#define COMMON_NORMAL_TAIL_H

namespace common {

// Pr(Z > x) for a standard normal Z. A NaN or infinite x gives the NaN of an
// invalid operation (sign bit set); results below the smallest normal single
// are kept as subnormals.
float normal_upper_tail(float x);

// Where the two fractions meet: |x| up to this takes the central fraction,
// a larger |x| (or a NaN) the tail fraction.
constexpr double kCentralFractionLimit = 3.0;

// Laplace's tail fraction a + 1/(a + 2/(a + 3/(a + ... + 28/a))) in double,
// so that Q(a) = phi(a) / laplace_tail_fraction(a) for a > 0. An infinite a
// gives +Inf, a NaN gives NaN.
double laplace_tail_fraction(double a);

// The fraction 1 - x^2/(3 + 2x^2/(5 - 3x^2/(7 + ... 28x^2/57))) in double,
// the signs alternating, so that the integral of phi from 0 to |x| is
// |x| phi(x) / central_normal_fraction(x).
double central_normal_fraction(double x);

}  // namespace common

#endif  // COMMON_NORMAL_TAIL_H
