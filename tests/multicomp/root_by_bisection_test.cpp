// Root by bisection: bracketing from 1 in unit steps, 27 halvings at the
// tolerance of the percent point, the last midpoint as the result, NaN taken
// as negative, the search capped at 200, and a zero tolerance that still ends.
#include <gtest/gtest.h>

#include <cmath>

#include "multicomp/state.h"

namespace {

const double kTolerance = static_cast<double>(1.0e-8f);  // that of the percent point

TEST(RootByBisection, Cases) {
  const double step = std::ldexp(1.0, -27);
  struct Case {
    const char* name;
    double (*f)(double);
    int evaluations;  // bracketing points + 27 halvings
    double root;
  };
  const Case cases[] = {
      // F(1) >= 0: bracket [0, 1]; every midpoint below 0.5 moves low up.
      {"root 0.5", [](double x) { return x - 0.5; }, 1 + 27, 0.5 - step},
      // Bracketing evaluates 1, 2, 3; the first midpoint 2.5 is the root and
      // every later one lies below it.
      {"root 2.5", [](double x) { return x - 2.5; }, 3 + 27, 2.5 - step},
      // Non-negative everywhere: the midpoints walk down to 2^-27.
      {"positive", [](double) { return 1.0; }, 1 + 27, step},
      // Negative everywhere: 200 points, bracket [199, 200].
      {"negative", [](double) { return -1.0; }, 200 + 27, 200.0 - step},
      {"nan", [](double) { return -std::nan(""); }, 200 + 27, 200.0 - step},
  };
  for (const Case& c : cases) {
    int calls = 0;
    const double x = multicomp::root_by_bisection(
        [&](const double& v) {
          ++calls;
          return c.f(v);
        },
        kTolerance);
    EXPECT_EQ(calls, c.evaluations) << c.name;
    EXPECT_EQ(x, c.root) << c.name;
  }
}

TEST(RootByBisection, ZeroToleranceEnds) {
  int calls = 0;
  const double x = multicomp::root_by_bisection(
      [&calls](const double& v) {
        ++calls;
        return v - 0.3;
      },
      0.0);
  EXPECT_NEAR(x, 0.3, 1e-16);
  EXPECT_LT(calls, 1200);
}

}  // namespace
