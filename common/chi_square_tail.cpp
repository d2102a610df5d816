// Pr(chi2_nu > x) by the finite series of the chi-square tail, with Q and phi
// the standard normal upper tail and density.
// Odd nu: 2Q(sqrt x) + 2 phi(sqrt x) sum x^(j-1/2)/(1*3*...*(2j-1));
// even nu: exp(-x/2) sum (x/2)^j/j!. Every term is rounded to single before it
// is doubled and added to a double sum; powers by repeated single squaring.
// x = 0 gives 1. A NaN x, and nu above 50, return the NaN of an invalid
// operation before any term is formed; x < 0 takes the series as it stands.
#include "common/chi_square_tail.h"

#include <cmath>

#include "common/constants.h"
#include "common/invalid_nan.h"
#include "common/normal_tail.h"

namespace common {

namespace {

constexpr int kTerms = 24;  // room for the terms j = 1..24 of a series

// first * (first + 2) * ... with n factors, in double, unrounded.
double step_product(int32_t n, double first) {
  double product = 1.0;
  double factor = first;
  for (int32_t i = 1; i <= n; ++i) {
    product = product * factor;
    factor = factor + 2.0;
  }
  return product;
}

// The series of either parity: first + 2 t_1 + ... + 2 t_count in double,
// where t_j = x^j * common_factor / divisor(j) is formed in double and stored
// in single before the sum. divisor is the product of the first j odd numbers
// (odd nu) or even numbers (even nu); count <= 24, no terms for count <= 0.
double series_sum(double first, float x, float common_factor, int32_t count,
                  double (*divisor)(int32_t)) {
  float terms[kTerms];  // terms[j - 1] holds t_j
  for (int32_t j = 1; j <= count; ++j) {
    terms[j - 1] = static_cast<float>(
        (chi_square_series_power(x, j) * static_cast<double>(common_factor)) / divisor(j));
  }
  double sum = first;
  for (int32_t j = 1; j <= count; ++j) {
    sum = sum + (static_cast<double>(terms[j - 1]) + static_cast<double>(terms[j - 1]));
  }
  return sum;
}

}  // namespace

double product_of_first_odd(int32_t n) { return step_product(n, 1.0); }

double product_of_first_even(int32_t n) { return step_product(n, 2.0); }

double chi_square_series_power(float x, int32_t j) {
  if (j <= 0) return 1.0;
  if (j == 1) return static_cast<double>(x);
  if (j == 2) return static_cast<double>(x) * static_cast<double>(x);
  // Lowest bit first: multiply in the squares the bits of j select.
  double power = 1.0;
  float square = x;
  uint32_t bits = static_cast<uint32_t>(j);
  for (;;) {
    if (bits & 1u) power = power * static_cast<double>(square);
    bits >>= 1;
    if (bits == 0u) break;
    square = static_cast<float>(static_cast<double>(square) * static_cast<double>(square));
  }
  return power;
}

float chi_square_upper_tail(int32_t nu, float x) {
  // No room for the terms of nu above 50. A NaN x gives NaN in every branch;
  // it is given here as the NaN of an invalid operation (sign bit set), so the
  // sign does not depend on how the negation in exp(-x/2) is compiled.
  if (nu > kChiSquareMaxDf || std::isnan(x)) {
    return static_cast<float>(invalid_nan());
  }
  // The whole mass lies above 0. The odd series cannot say so: its common
  // factor exp(0)/sqrt(0) is infinite and every power of x is 0.
  if (x == 0.0f) {
    return 1.0f;
  }
  // The terms of the series after its first value (none for nu <= 2).
  const int32_t term_count = (nu + 1) / 2 - 1;
  const double xd = static_cast<double>(x);

  const float exp_minus_half_x = static_cast<float>(std::exp(-xd / 2.0));

  if (nu - 2 * (nu / 2) == 1) {
    const float root_x = static_cast<float>(std::sqrt(xd));
    const float tail_at_root_x = normal_upper_tail(root_x);
    const double twice_tail =
        static_cast<double>(tail_at_root_x) + static_cast<double>(tail_at_root_x);
    if (nu == 1) {
      return static_cast<float>(twice_tail);
    }
    const float root_two_pi_x = static_cast<float>(std::sqrt(xd * static_cast<double>(kTwoPi)));
    const float common_factor = static_cast<float>(static_cast<double>(exp_minus_half_x) /
                                                   static_cast<double>(root_two_pi_x));
    return static_cast<float>(
        series_sum(twice_tail, x, common_factor, term_count, product_of_first_odd));
  }

  if (nu == 2) {
    return exp_minus_half_x;
  }
  const float common_factor = static_cast<float>(static_cast<double>(exp_minus_half_x) / 2.0);
  return static_cast<float>(series_sum(static_cast<double>(exp_minus_half_x), x, common_factor,
                                       term_count, product_of_first_even));
}

}  // namespace common
