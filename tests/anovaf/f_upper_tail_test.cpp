// F upper tail: the worked values of every parity case bit for bit, the F = 0
// and F = Inf ends, the tail as its beta argument, start and recurrences, NaN
// handling (including the huge degrees of freedom of a negative group count),
// the parity rule for negative degrees of freedom, the recurrences on hand
// values, and agreement with an independent incomplete-beta quadrature over a
// grid.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "anovaf/state.h"
#include "support/floats.h"

namespace {

using testsupport::bits;

float tail(int64_t m, int64_t n, float f) { return anovaf::f_upper_tail(m, n, f); }

struct Case {
  int64_t m, n;
  float f;
  float expected;
};

TEST(FUpperTail, WorkedValuesBitExact) {
  const float inf = std::numeric_limits<float>::infinity();
  const Case cases[] = {
      {2, 2, 1.0f, 0.5f},
      {2, 2, 3.0f, 0.25f},  // even/even, 1/(1+F)
      {1, 1, 1.0f, 0.5f},
      {1, 1, 3.0f, 0.33333334f},    // odd/odd, arc tangent
      {1, 2, 1.0f, 0.42264974f},    // odd/even
      {2, 1, 1.0f, 0.57735026f},    // even/odd
      {3, 36, 3.0f, 0.043178085f},  // both recurrences run
      {2, 27, 1.0f, 0.38109916f},   // second recurrence only
      {1, 4, 13.5f, 0.021311618f},  // the (1,2,3),(4,5,6) test
      // F = 0: P = 1 in every parity case.
      {1, 1, 0.0f, 1.0f},
      {1, 2, 0.0f, 1.0f},
      {2, 1, 0.0f, 1.0f},
      {2, 2, 0.0f, 1.0f},
      {5, 8, 0.0f, 1.0f},
      {4, 7, 0.0f, 1.0f},
      // F = Inf: 0, except odd/odd where pi/2 is rounded to single first.
      {1, 1, inf, 1.2514526e-08f},
      {3, 5, inf, 1.2514526e-08f},
      {1, 2, inf, 0.0f},
      {2, 1, inf, 0.0f},
      {2, 2, inf, 0.0f},
      {4, 6, inf, 0.0f},
      // m = 0 (one group): no numerator step; x = 1 whatever F.
      {0, 5, 2.0f, 1.0f},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bits(tail(c.m, c.n, c.f)), bits(c.expected))
        << "m = " << c.m << " n = " << c.n << " F = " << c.f;
  }
}

TEST(FUpperTail, TailIsBetaArgumentStartAndRecurrences) {
  // m = 3, n = 36, F = 3: x = 36 / 45 = 0.8, one numerator step and 17
  // denominator steps; the tail is the probability the recurrences end with.
  const float x = anovaf::f_tail_beta_argument(3, 36, 3.0f);
  EXPECT_EQ(bits(x), bits(0.8f));
  const anovaf::FTailSeries end =
      anovaf::f_tail_recurrences(anovaf::f_tail_start(3, 36, x), 3, 36, x);
  EXPECT_EQ(bits(end.probability), bits(tail(3, 36, 3.0f)));
}

TEST(FUpperTail, NaNReturnedAtOnceWithItsSign) {
  const float nan = testsupport::invalid_nanf();
  ASSERT_TRUE(std::signbit(nan));
  const int64_t k_min = INT32_MIN;
  const struct {
    int64_t m, n;
    float f;
  } cases[] = {
      {1, 1, nan},
      {1, 2, nan},
      {2, 1, nan},
      {2, 2, nan},
      // group_count = -2147483647 with no data: n = total_size - group_count =
      // 2147483647 and v = 2^30; the recurrence must not run a billion steps.
      {-2147483648LL, 2147483647LL, nan},
      // group_count = -2^31: group_count - 1 and total_size - group_count lie
      // outside 32 bits.
      {k_min - 1, -k_min, nan},
      // 0/0 inside the beta argument: n = 0 and F m = 0.
      {3, 0, 0.0f},
  };
  for (const auto& c : cases) {
    const float p = tail(c.m, c.n, c.f);
    EXPECT_TRUE(std::isnan(p)) << "m = " << c.m << " n = " << c.n;
    EXPECT_TRUE(std::signbit(p)) << "m = " << c.m << " n = " << c.n;
  }
}

TEST(FUpperTail, NegativeOddDegreesTakeTheEvenRow) {
  // A negative odd value leaves the remainder -1: neither odd nor even.
  const struct {
    int64_t m, n;
    int32_t first_numerator_divisor, first_denominator_divisor;
  } cases[] = {
      {-3, 4, 2, 2}, {3, -5, 2, 2}, {-1, -1, 2, 2}, {3, 5, 1, 1},
      {3, 4, 1, 2},  {4, 3, 2, 1},  {-2, 3, 2, 1},
  };
  for (const auto& c : cases) {
    const anovaf::FTailSeries start = anovaf::f_tail_start(c.m, c.n, 0.5f);
    EXPECT_EQ(start.first_numerator_divisor, c.first_numerator_divisor)
        << "m = " << c.m << " n = " << c.n;
    EXPECT_EQ(start.first_denominator_divisor, c.first_denominator_divisor)
        << "m = " << c.m << " n = " << c.n;
  }
}

TEST(FUpperTail, RecurrencesPassStartValuesWithoutSteps) {
  // m = n = 2: one term of each, so no step of either recurrence; the
  // probability and term come back unchanged.
  anovaf::FTailSeries start;
  start.probability = 0.3f;
  start.term = 0.7f;
  start.first_numerator_divisor = 2;
  start.first_denominator_divisor = 2;
  anovaf::FTailSeries end = anovaf::f_tail_recurrences(start, 2, 2, 0.25f);
  EXPECT_EQ(bits(end.probability), bits(0.3f));
  EXPECT_EQ(bits(end.term), bits(0.7f));
  // One step of each with hand values: x = 0.5, both first divisors 2,
  // m = 4, n = 4 (two terms each).
  // First: probability = 0.25 + (2/2)(0.25) = 0.5, term = 0.25 (4/2)(0.5) = 0.25.
  // Second: probability = 0.5 - (2/2)(0.25) = 0.25, term = 0.25 (6/2)(0.5) = 0.375.
  start.probability = 0.25f;
  start.term = 0.25f;
  end = anovaf::f_tail_recurrences(start, 4, 4, 0.5f);
  EXPECT_EQ(end.probability, 0.25f);
  EXPECT_EQ(end.term, 0.375f);
}

// Regularised incomplete beta I_x(a, b) by Simpson's rule after t = sin^2(phi),
// which removes the endpoint singularities of half-integer a and b.
double incomplete_beta(double x, double a, double b) {
  const double top = std::asin(std::sqrt(x));
  const int steps = 4000;
  const double h = top / steps;
  double s = 0.0;
  for (int k = 0; k <= steps; ++k) {
    const double phi = k * h;
    const double g =
        2.0 * std::pow(std::sin(phi), 2.0 * a - 1.0) * std::pow(std::cos(phi), 2.0 * b - 1.0);
    const double weight = (k == 0 || k == steps) ? 1.0 : (k % 2 == 1 ? 4.0 : 2.0);
    s += weight * g;
  }
  const double log_beta = std::lgamma(a) + std::lgamma(b) - std::lgamma(a + b);
  return s * h / 3.0 / std::exp(log_beta);
}

TEST(FUpperTail, AgreesWithIncompleteBetaQuadrature) {
  const float fs[] = {0.2f, 0.75f, 1.0f, 2.5f, 4.0f, 9.0f};
  for (int64_t m = 1; m <= 9; ++m) {
    for (int64_t n = 1; n <= 40; n += 3) {
      for (float f : fs) {
        const double x =
            static_cast<double>(static_cast<float>(n / (static_cast<double>(f) * m + n)));
        const double expected = incomplete_beta(x, n / 2.0, m / 2.0);
        EXPECT_NEAR(tail(m, n, f), expected, 2e-6) << "m = " << m << " n = " << n << " F = " << f;
      }
    }
  }
}

}  // namespace
