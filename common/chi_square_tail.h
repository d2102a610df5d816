// Upper tail of the chi-square distribution, Pr(chi2_nu > x), by the closed
// finite series: a Poisson sum for even nu, twice the normal tail at sqrt(x)
// plus a finite series for odd nu. product_of_first_odd and
// product_of_first_even give the products of the first n odd and the first n
// even numbers that divide the series' terms.
#ifndef COMMON_CHI_SQUARE_TAIL_H
#define COMMON_CHI_SQUARE_TAIL_H

#include <cstdint>

namespace common {

// The series holds at most 24 terms, so nu may be at most 50.
constexpr int32_t kChiSquareMaxDf = 50;

// Pr(chi2_nu > x). x = 0 (either sign) gives 1 for every nu up to
// 50 (the odd series would multiply an infinite common factor by zero
// powers). nu <= 0 takes the even series with no terms (p = exp(-x/2)). A NaN
// x, and nu above 50 (no room for its terms), give the NaN of an invalid
// operation (sign bit set).
float chi_square_upper_tail(int32_t nu, float x);

// 1*3*5*...*(2n-1) in double, unrounded; 1 for n <= 0.
double product_of_first_odd(int32_t n);

// 2*4*6*...*(2n) in double, unrounded; 1 for n <= 0.
double product_of_first_even(int32_t n);

// x^j for j >= 1 as the series forms it: x for j = 1, x*x in double for
// j = 2, otherwise repeated squaring with every square rounded to single and
// the selected squares multiplied in double. 1 for j <= 0.
double chi_square_series_power(float x, int32_t j);

}  // namespace common

#endif  // COMMON_CHI_SQUARE_TAIL_H
