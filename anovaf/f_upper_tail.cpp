// Upper tail of the F distribution with integer degrees of freedom: the
// regularised incomplete beta I_x(n/2, m/2) at x = n / (m f + n), which for
// integer m and n is a finite series. The start values depend on the parities
// of m and n (an arc tangent for odd m and odd n, square roots when one is
// odd); then one recurrence adds the terms of the numerator degrees of freedom
// and a second subtracts those of the denominator degrees of freedom. Each
// recurrence runs in double and is rounded to single at its end. A NaN beta
// argument would make every start value and term NaN, so it is returned at
// once (the recurrences could otherwise run up to a billion steps when a
// degree of freedom is huge).
#include <cmath>
#include <cstdint>

#include "anovaf/state.h"
#include "common/constants.h"

namespace anovaf {

namespace {

// Remainder of v by 2 with truncating division: 1 odd, 0 even, -1 for a
// negative odd value (which is neither).
int64_t parity(int64_t v) { return v - 2 * (v / 2); }

}  // namespace

float f_tail_beta_argument(int64_t m, int64_t n, float f) {
  return static_cast<float>(
      static_cast<double>(n) /
      (static_cast<double>(f) * static_cast<double>(m) + static_cast<double>(n)));
}

FTailSeries f_tail_start(int64_t m, int64_t n, float x) {
  const double wide_x = static_cast<double>(x);
  const int64_t m_parity = parity(m);
  const int64_t n_parity = parity(n);
  FTailSeries start;
  if (m_parity == 1 && n_parity == 1) {
    const float tangent = static_cast<float>(std::sqrt((1.0 - wide_x) / wide_x));
    const float angle = static_cast<float>(std::atan(static_cast<double>(tangent)));
    start.probability = static_cast<float>(1.0 - static_cast<double>(common::kTwoOverPi) *
                                                     static_cast<double>(angle));
    const float root = static_cast<float>(std::sqrt(wide_x * (1.0 - wide_x)));
    start.term =
        static_cast<float>(static_cast<double>(common::kOneOverPi) * static_cast<double>(root));
    start.first_numerator_divisor = 1;
    start.first_denominator_divisor = 1;
  } else if (m_parity == 1 && n_parity == 0) {
    const float root = static_cast<float>(std::sqrt(1.0 - wide_x));
    start.probability = static_cast<float>(1.0 - static_cast<double>(root));
    start.term = static_cast<float>(static_cast<double>(root) * (wide_x * 0.5));
    start.first_numerator_divisor = 1;
    start.first_denominator_divisor = 2;
  } else if (m_parity == 0 && n_parity == 1) {
    start.probability = static_cast<float>(std::sqrt(wide_x));
    start.term =
        static_cast<float>((0.5 * static_cast<double>(start.probability)) * (1.0 - wide_x));
    start.first_numerator_divisor = 2;
    start.first_denominator_divisor = 1;
  } else {
    // Both even, or a negative odd degree of freedom (remainder -1).
    start.probability = x;
    start.term = static_cast<float>(wide_x * (1.0 - wide_x));
    start.first_numerator_divisor = 2;
    start.first_denominator_divisor = 2;
  }
  return start;
}

FTailSeries f_tail_recurrences(const FTailSeries& start, int64_t m, int64_t n, float x) {
  const int64_t numerator_terms = (m + 1) / 2;
  const int64_t denominator_terms = (n + 1) / 2;
  FTailSeries series = start;
  if (numerator_terms > 1) {
    const double complement = 1.0 - static_cast<double>(x);
    double divisor = static_cast<double>(start.first_numerator_divisor);
    double factor = static_cast<double>(start.first_numerator_divisor) +
                    static_cast<double>(start.first_denominator_divisor);
    double probability = static_cast<double>(series.probability);
    double term = static_cast<double>(series.term);
    for (int64_t k = 1; k < numerator_terms; ++k) {
      probability = probability + (2.0 / divisor) * term;
      term = term * ((factor / divisor) * complement);
      factor = factor + 2.0;
      divisor = divisor + 2.0;
    }
    series.probability = static_cast<float>(probability);
    series.term = static_cast<float>(term);
  }
  if (denominator_terms > 1) {
    double divisor = static_cast<double>(start.first_denominator_divisor);
    double factor = static_cast<double>(m) + static_cast<double>(start.first_denominator_divisor);
    double probability = static_cast<double>(series.probability);
    double term = static_cast<double>(series.term);
    for (int64_t k = 1; k < denominator_terms; ++k) {
      probability = probability - (2.0 / divisor) * term;
      term = term * ((factor / divisor) * static_cast<double>(x));
      factor = factor + 2.0;
      divisor = divisor + 2.0;
    }
    series.probability = static_cast<float>(probability);
    series.term = static_cast<float>(term);
  }
  return series;
}

float f_upper_tail(int64_t m, int64_t n, float f) {
  const float x = f_tail_beta_argument(m, n, f);
  if (std::isnan(x)) return x;
  return f_tail_recurrences(f_tail_start(m, n, x), m, n, x).probability;
}

}  // namespace anovaf
