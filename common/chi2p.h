// Upper tail of the chi-square distribution, Pr(chi2_nu > x), by the closed
// finite series: a Poisson sum for even nu, twice the normal tail at sqrt(x)
// plus a finite series for odd nu. fprod1_/fprod2_ give the products of the
// first n odd and the first n even numbers that divide the series' terms.
#ifndef COMMON_CHI2P_H
#define COMMON_CHI2P_H

#include <cstdint>

namespace common {

// The series holds at most 24 terms, so nu may be at most 50.
constexpr int32_t kChi2MaxDf = 50;

// Sets p = Pr(chi2_nu > x). x = 0 (either sign) gives 1 for every nu up to
// 50 (the odd series would multiply an infinite common factor by zero
// powers). nu <= 0 takes the even series with no terms (p = exp(-x/2)). A NaN
// x, and nu above 50 (no room for its terms), give the NaN of an invalid
// operation (sign bit set).
void chi2p_(const int32_t& nu, const float& x, float& p);

// 1*3*5*...*(2n-1) in double, unrounded; 1 for n <= 0.
double fprod1_(const int32_t& n);

// 2*4*6*...*(2n) in double, unrounded; 1 for n <= 0.
double fprod2_(const int32_t& n);

// x^j for j >= 1 as the series forms it: x for j = 1, x*x in double for
// j = 2, otherwise repeated squaring with every square rounded to single and
// the selected squares multiplied in double. 1 for j <= 0.
double chi2_power(float x, int32_t j);

}  // namespace common

#endif  // COMMON_CHI2P_H
